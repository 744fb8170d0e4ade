// Where the running program is installed: its version, the folder of its
// executable, and the folder of its shipped data (language files, tips, help
// collections, default libraries). An installed program keeps its data in
// ../share/tarvix next to its bin folder, so one build runs from /usr, from
// any other prefix and, while developing, from the build tree (which uses the
// source tree's data folder).
#pragma once

#include <filesystem>
#include <string_view>

namespace tarvix {

// The project's version ("2.2"), as the build system knows it.
std::string_view ProgramVersion();

// The folder of the running executable; empty when the system does not say.
std::filesystem::path ExecutableFolder();

// The data folder for an executable in `programFolder`: programFolder/../share/tarvix
// when it is a folder, else `developmentFolder` when that is a folder, else empty.
std::filesystem::path ShippedDataFolderFor(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& developmentFolder);

// The source tree's data folder, built into the program for runs from the build tree.
std::filesystem::path SourceDataFolder();

// The data folder of the running program.
std::filesystem::path ShippedDataFolder();

}  // namespace tarvix
