// Reading and writing the settings table's keys.
#include "storage/settings_file.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "engine/name_utils.h"
#include "storage/char_sequence_text.h"
#include "storage/profile_file_io.h"
#include "storage/profile_syntax.h"
#include "storage/profile_values.h"

namespace tarvix {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCountKey = "Count";

std::string Where(const SettingSpec& entry, std::string_view key) {
    return "settings [" + std::string(entry.Section) + "] " + std::string(key) + ": ";
}

std::string HexText(std::int64_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%06llX", static_cast<unsigned long long>(value & 0xFFFFFF));
    return text;
}

std::string DefaultText(const Settings::Value& value) {
    if (const auto* b = std::get_if<bool>(&value)) return ProfileBoolText(*b);
    if (const auto* n = std::get_if<std::int64_t>(&value)) return ProfileIntegerText(*n);
    return "nothing";
}

// Reads the key rows; lists are read by ReadList.
class SettingsReader {
public:
    SettingsReader(const ProfileFile& profile, const SettingsContext& context)
        : profile_(profile), context_(context) {}

    SettingsReadResult Read() {
        SettingsReadResult result{Settings(context_, true), {}};
        for (const SettingSpec& entry : SettingsTable()) {
            if (entry.IsList()) {
                ReadList(entry, result);
            } else if (std::optional<std::string> text =
                           profile_.ReadValue(entry.Section, entry.Key)) {
                ReadKey(entry, *text, result);
            } else if (entry.Source == DefaultSource::SameAsKey) {
                result.Values.SetString(entry.Section, entry.Key,
                                        result.Values.String(entry.Section, entry.DefaultKey));
            }
        }
        return result;
    }

private:
    void ReadKey(const SettingSpec& entry, const std::string& text, SettingsReadResult& result) {
        Settings& values = result.Values;
        auto unreadable = [&](std::string_view type) {
            result.Warnings.push_back(Where(entry, entry.Key) + "\"" + text + "\" is not " +
                                      std::string(type) + "; using " +
                                      DefaultText(values.ValueAt(SettingRow(entry))));
        };
        switch (entry.Type) {
            case SettingType::Bool:
                if (std::optional<bool> b = ParseProfileBool(text)) {
                    values.SetBool(entry.Section, entry.Key, *b);
                } else {
                    unreadable("a Boolean (1 or 0)");
                }
                break;
            case SettingType::Integer:
                if (std::optional<std::int64_t> n = ParseProfileInteger(text)) {
                    values.SetInteger(entry.Section, entry.Key, *n);
                } else {
                    unreadable("an integer");
                }
                break;
            case SettingType::OptionalInteger:
                if (std::optional<std::int64_t> n = ParseProfileInteger(text)) {
                    values.SetOptionalInteger(entry.Section, entry.Key, *n);
                } else {
                    unreadable("an integer");
                }
                break;
            case SettingType::HexColor:
                if (std::optional<std::int64_t> n = ParseProfileInteger("$" + text); n && *n >= 0) {
                    values.SetHexColor(entry.Section, entry.Key, *n);
                } else {
                    unreadable("a hexadecimal colour");
                }
                break;
            case SettingType::String:
                values.SetString(entry.Section, entry.Key, text);
                break;
            default:
                break;
        }
    }

    void ReadList(const SettingSpec& entry, SettingsReadResult& result) {
        const std::vector<ProfileEntry> entries = profile_.ReadSectionValues(entry.Section);
        switch (entry.Type) {
            case SettingType::IndexedList: {
                std::vector<std::string> values;
                for (const auto& [key, value] : entries) {
                    if (!value.empty()) values.push_back(value);
                }
                result.Values.SetList(entry.Section, std::move(values));
                break;
            }
            case SettingType::CountedList:
                result.Values.SetList(entry.Section, ReadCounted(entry, entries, result.Warnings));
                break;
            case SettingType::NamedList:
                result.Values.SetEntries(entry.Section, entries);
                break;
            case SettingType::CharSequenceList: {
                std::vector<CharSequence> sequences;
                for (const auto& [key, value] : entries) {
                    if (std::optional<CharSequence> s = ReadCharSequenceEntry(key, value)) {
                        sequences.push_back(*s);
                    } else {
                        result.Warnings.push_back(Where(entry, key) + "\"" + value +
                                                  "\" is not a character sequence; left out");
                    }
                }
                result.Values.SetSequences(std::move(sequences));
                break;
            }
            default:
                break;
        }
    }

    std::vector<std::string> ReadCounted(const SettingSpec& entry,
                                         const std::vector<ProfileEntry>& entries,
                                         std::vector<std::string>& warnings) {
        std::vector<std::string> values;
        std::optional<std::string> countText = profile_.ReadValue(entry.Section, kCountKey);
        if (!countText) return values;
        std::optional<std::int64_t> count = ParseProfileInteger(*countText);
        if (!count) {
            warnings.push_back(Where(entry, kCountKey) + "\"" + *countText +
                               "\" is not an integer; using 0");
            return values;
        }
        // The keys stand in the section, so no more than its other entries are listed.
        const auto limit = static_cast<std::int64_t>(
            std::count_if(entries.begin(), entries.end(),
                          [](const ProfileEntry& e) { return !EqualsNoCase(e.first, kCountKey); }));
        for (std::int64_t i = 0; i < *count && i < limit; ++i) {
            values.push_back(profile_.ReadString(entry.Section, std::to_string(i), ""));
        }
        return values;
    }

    const ProfileFile& profile_;
    const SettingsContext& context_;
};

// Collects the entries of one section, leaving out what cannot be stored.
class SectionWriter {
public:
    SectionWriter(std::string_view section, std::vector<std::string>& warnings)
        : section_(section), warnings_(warnings) {}

    void Add(std::string key, std::string value) {
        if (!IsWritableKey(key) || !IsWritableValue(value)) {
            warnings_.push_back("settings [" + std::string(section_) + "] " + key +
                                ": cannot be stored; left out");
            return;
        }
        if (!keys_.insert(ToUpperAscii(key)).second) {
            warnings_.push_back("settings [" + std::string(section_) + "] " + key +
                                ": repeated name; left out");
            return;
        }
        entries_.emplace_back(std::move(key), std::move(value));
    }

    std::vector<ProfileEntry> Take() { return std::move(entries_); }

private:
    std::string_view section_;
    std::vector<std::string>& warnings_;
    std::unordered_set<std::string> keys_;
    std::vector<ProfileEntry> entries_;
};

void AddRow(const SettingSpec& entry, const Settings::Value& value, SectionWriter& writer) {
    const std::string key(entry.Key);
    switch (entry.Type) {
        case SettingType::Bool:
            writer.Add(key, ProfileBoolText(std::get<bool>(value)));
            break;
        case SettingType::Integer:
            writer.Add(key, ProfileIntegerText(std::get<std::int64_t>(value)));
            break;
        case SettingType::OptionalInteger:
            if (const auto* n = std::get_if<std::int64_t>(&value)) {
                writer.Add(key, ProfileIntegerText(*n));
            }
            break;
        case SettingType::HexColor:
            writer.Add(key, HexText(std::get<std::int64_t>(value)));
            break;
        case SettingType::String:
            writer.Add(key, std::get<std::string>(value));
            break;
        case SettingType::IndexedList: {
            std::size_t index = 0;
            for (const std::string& text : std::get<std::vector<std::string>>(value)) {
                writer.Add(std::to_string(index++), text);
            }
            break;
        }
        case SettingType::CountedList: {
            const auto& texts = std::get<std::vector<std::string>>(value);
            writer.Add(std::string(kCountKey), std::to_string(texts.size()));
            for (std::size_t i = 0; i < texts.size(); ++i) writer.Add(std::to_string(i), texts[i]);
            break;
        }
        case SettingType::NamedList:
            for (const auto& [name, text] : std::get<std::vector<ProfileEntry>>(value)) {
                writer.Add(name, text);
            }
            break;
        case SettingType::CharSequenceList:
            for (const CharSequence& sequence : std::get<std::vector<CharSequence>>(value)) {
                auto [k, v] = CharSequenceEntry(sequence);
                writer.Add(std::move(k), std::move(v));
            }
            break;
    }
}

}  // namespace

SettingsReadResult ReadSettings(const ProfileFile& profile, const SettingsContext& context) {
    return SettingsReader(profile, context).Read();
}

void WriteSettings(const Settings& settings, ProfileFile& profile,
                   std::vector<std::string>& warnings) {
    const auto table = SettingsTable();
    std::size_t row = 0;
    while (row < table.size()) {
        const std::string_view section = table[row].Section;
        SectionWriter writer(section, warnings);
        for (; row < table.size() && table[row].Section == section; ++row) {
            AddRow(table[row], settings.ValueAt(row), writer);
        }
        profile.ReplaceSection(section, writer.Take());
    }
}

fs::path SettingsFilePath(const XdgEnvironment& environment) {
    const fs::path folder = SettingsFolder(environment);
    return folder.empty() ? fs::path() : folder / "tarvix.ini";
}

SettingsFileLoad LoadSettingsFile(const fs::path& path, const SettingsContext& context) {
    SettingsFileLoad load{FileReadStatus::Ok, {}, {}, Settings(context, false), {}};
    ProfileLoadResult file = LoadProfileFile(path);
    load.Status = file.status;
    load.Error = file.error;
    if (file.status == FileReadStatus::Unreadable) {
        load.Warnings.push_back("settings file " + path.string() + " cannot be read: " +
                                file.error.message() + "; the defaults are used");
    }
    if (!file.ok()) return load;
    SettingsReadResult read = ReadSettings(file.profile, context);
    load.Profile = std::move(file.profile);
    load.Values = std::move(read.Values);
    load.Warnings = std::move(read.Warnings);
    return load;
}

FileWriteResult SaveSettingsFile(const fs::path& path, const Settings& settings,
                                 ProfileFile profile, std::vector<std::string>& warnings) {
    if (std::error_code error = EnsureFolder(path.parent_path())) {
        return {error, "create the settings folder"};
    }
    WriteSettings(settings, profile, warnings);
    return SaveProfileFile(path, profile);
}

}  // namespace tarvix
