// --set SECTION/KEY=VALUE, taken by every family of tarvix-cli (lines,
// statistics, worksheet, tools): the options are taken out of the arguments
// before a family reads them, checked against the settings table and laid
// over a settings document as if the settings file held them.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "storage/settings_store.h"

namespace tarvix {

// Section/key path and value of each --set, in the order given.
using SettingsKeys = std::vector<std::pair<std::string, std::string>>;

struct TakenSettingsKeys {
    SettingsKeys Keys;
    bool Bad = false;  // a --set without its text, without "=" or without "SECTION/"
};

// Removes every "--set TEXT" from args (args[0], the program, stays) and
// returns their keys. A "--" ends the options: what follows is left alone.
TakenSettingsKeys TakeSettingsKeys(std::vector<char*>& args);

// `base` with each key's text in place of its value, read back through the
// settings file's rules (ranges, corrections). Nothing, after a message on
// `err`, when a key is not in the settings table or a value does not read.
std::optional<Settings> OverlaySettingsKeys(const Settings& base, const SettingsKeys& keys,
                                            std::ostream& err);

}  // namespace tarvix
