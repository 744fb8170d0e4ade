// The program's folders in the user's home, after the XDG base directory rules:
// settings in $XDG_CONFIG_HOME/tarvix, history and user data in
// $XDG_DATA_HOME/tarvix.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace tarvix {

// The environment values the folders are derived from.
struct XdgEnvironment {
    std::string configHome;  // $XDG_CONFIG_HOME
    std::string dataHome;    // $XDG_DATA_HOME
    std::string home;        // $HOME, else the home folder of the user's account

    // The values of the running process.
    static XdgEnvironment FromProcess();
};

// $XDG_CONFIG_HOME/tarvix, or ~/.config/tarvix when the variable is unset,
// empty or not an absolute path. Empty when no home folder is known either.
std::filesystem::path SettingsFolder(const XdgEnvironment& environment);

// $XDG_DATA_HOME/tarvix, or ~/.local/share/tarvix under the same rules.
std::filesystem::path DataFolder(const XdgEnvironment& environment);

// Creates the folder and any missing parents (new folders are private to the
// user, as the base directory rules ask); an existing folder is fine.
std::error_code EnsureFolder(const std::filesystem::path& folder);

}  // namespace tarvix
