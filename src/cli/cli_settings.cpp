// The --set options of every family of the headless evaluator.
#include "cli/cli_settings.h"

#include <string_view>

#include "storage/profile_file.h"
#include "storage/settings_file.h"

namespace tarvix {

TakenSettingsKeys TakeSettingsKeys(std::vector<char*>& args) {
    TakenSettingsKeys taken;
    std::vector<char*> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (i == 0 || a != "--set") {
            rest.push_back(args[i]);
            if (a == "--") {
                rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
                break;
            }
            continue;
        }
        if (i + 1 >= args.size()) {
            taken.Bad = true;
            break;
        }
        const std::string_view text = args[++i];
        const std::size_t eq = text.find('=');
        const std::size_t slash = text.find('/');
        if (eq == std::string_view::npos || slash == std::string_view::npos || slash == 0 ||
            slash > eq) {
            taken.Bad = true;
            continue;
        }
        taken.Keys.emplace_back(text.substr(0, eq), text.substr(eq + 1));
    }
    args = std::move(rest);
    return taken;
}

std::optional<Settings> OverlaySettingsKeys(const Settings& base, const SettingsKeys& keys,
                                            std::ostream& err) {
    ProfileFile profile;
    std::vector<std::string> warnings;
    WriteSettings(base, profile, warnings);
    for (const auto& [path, value] : keys) {
        const std::size_t slash = path.find('/');
        const std::string section = path.substr(0, slash);
        const std::string key = path.substr(slash + 1);
        const SettingSpec* known = FindSetting(section, key);
        const SettingSpec* list = FindSetting(section, "");
        if (!known && !(list && list->IsList() && !key.empty())) {
            err << "tarvix-cli: unknown settings key " << path << '\n';
            return std::nullopt;
        }
        profile.WriteString(section, key, value);
    }
    SettingsReadResult read = ReadSettings(profile, SettingsContext{});
    if (!read.Warnings.empty()) {
        for (const std::string& w : read.Warnings) err << w << '\n';
        return std::nullopt;
    }
    return std::move(read.Values);
}

}  // namespace tarvix
