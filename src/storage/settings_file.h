// The settings file: reading every key of the settings table from a profile
// document and writing them back, and the file itself at
// $XDG_CONFIG_HOME/tarvix/tarvix.ini.
//
// Reading never stops at a bad value: a key whose value does not read as its
// type gets its default and a warning, and everything else loads. Writing
// replaces each section of the table (in table order, so they move to the end
// of the file) and keeps every other section of the document as it was.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "storage/atomic_file.h"
#include "storage/profile_file.h"
#include "storage/settings_store.h"
#include "storage/xdg_paths.h"

namespace tarvix {

struct SettingsReadResult {
    Settings Values;
    std::vector<std::string> Warnings;  // one line per key that did not read
};

SettingsReadResult ReadSettings(const ProfileFile& profile, const SettingsContext& context);

// Entries that cannot be stored (a text with a line break, a name repeated in
// a section) are left out, each with a warning.
void WriteSettings(const Settings& settings, ProfileFile& profile,
                   std::vector<std::string>& warnings);

// $XDG_CONFIG_HOME/tarvix/tarvix.ini (empty when no folder is known).
std::filesystem::path SettingsFilePath(const XdgEnvironment& environment);

struct SettingsFileLoad {
    FileReadStatus Status = FileReadStatus::Ok;
    std::error_code Error;
    ProfileFile Profile;  // the document as read: its other sections are kept on save
    Settings Values;
    std::vector<std::string> Warnings;
};

// A missing file gives the defaults of a start without settings; a file that
// exists but cannot be read gives them too, with a warning.
SettingsFileLoad LoadSettingsFile(const std::filesystem::path& path,
                                  const SettingsContext& context);

// Writes the settings into `profile` and saves it atomically, creating the
// folder when needed.
FileWriteResult SaveSettingsFile(const std::filesystem::path& path, const Settings& settings,
                                 ProfileFile profile, std::vector<std::string>& warnings);

}  // namespace tarvix
