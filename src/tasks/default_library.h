// The default expression library: the program ships a Czech and an English
// one; at first start the one of the interface language is copied into the
// user's data folder, where the user edits it (the installed file is never
// written).
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace tarvix {

// The library file's name when the settings name none.
inline constexpr std::string_view kDefaultLibraryFileName = "tarvix.exp";
// The shipped libraries in the program's data folder.
inline constexpr std::string_view kShippedCzechLibrary = "tarvix.exp";
inline constexpr std::string_view kShippedEnglishLibrary = "tarvix-en.exp";

// The shipped library for an interface language ("ENGLISH" in any case: the
// English one; any other: the Czech one).
std::string_view ShippedLibraryName(std::string_view language);

// The library file the settings name (`LibraryFileName`): empty means the
// default name; a name without a folder lives in the user's data folder.
std::filesystem::path LibraryFilePath(std::string_view setting,
                                      const std::filesystem::path& userFolder);

struct LibraryInstallResult {
    std::filesystem::path Path;  // the user's library
    bool Copied = false;         // the shipped library was copied now
    std::error_code Error;       // why the copy failed
};

// Copies the shipped library of the language from `shippedFolder` to
// `userFolder`/tarvix.exp (creating the folder) unless the user already has
// that file; an existing file is never touched. The copy is written
// atomically, so an interrupted start leaves no half file behind.
LibraryInstallResult InstallDefaultLibrary(const std::filesystem::path& shippedFolder,
                                           const std::filesystem::path& userFolder,
                                           std::string_view language);

}  // namespace tarvix
