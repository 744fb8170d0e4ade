// The entry that starts the program when the user logs in: a desktop entry
// in $XDG_CONFIG_HOME/autostart (the freedesktop.org autostart rules) that
// runs the program minimised into the notification area.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "storage/xdg_paths.h"

namespace tarvix {

// $XDG_CONFIG_HOME/autostart/tarvix.desktop (~/.config when the variable is
// unset or not absolute); empty when no home folder is known.
std::filesystem::path AutostartEntryPath(const XdgEnvironment& environment);

// The entry's text for the program at `executable`.
std::string AutostartEntryText(const std::filesystem::path& executable);

// Writes the entry atomically (creating the folder) or removes it; a missing
// entry is already removed. The error of the file system, if any.
std::error_code WriteAutostartEntry(const std::filesystem::path& entry,
                                    const std::filesystem::path& executable);
std::error_code RemoveAutostartEntry(const std::filesystem::path& entry);

}  // namespace tarvix
