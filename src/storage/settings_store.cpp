// The typed values of the settings table.
#include "storage/settings_store.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "engine/name_utils.h"

namespace tarvix {
namespace {

std::string Describe(std::string_view section, std::string_view key) {
    return "[" + std::string(section) + "] " + std::string(key);
}

std::string CorrectString(StringRule rule, std::string_view value) {
    switch (rule) {
        case StringRule::None:
            break;
        case StringRule::UpperCase:
            return ToUpperAscii(value);
        case StringRule::ImaginaryUnit:
            return !value.empty() && (value[0] == 'i' || value[0] == 'j') ? std::string(1, value[0])
                                                                          : std::string("i");
    }
    return std::string(value);
}

std::string_view ContextDefault(DefaultSource source, const SettingsContext& context) {
    switch (source) {
        case DefaultSource::Language:
            return context.Language;
        case DefaultSource::DocumentsFolder:
        case DefaultSource::SameAsKey:  // the only such key repeats the documents folder
            return context.DocumentsFolder;
        case DefaultSource::WorkSheetName:
            return context.WorkSheetName;
        case DefaultSource::Literal:
            break;
    }
    return {};
}

}  // namespace

std::size_t SettingRow(const SettingSpec& entry) {
    return static_cast<std::size_t>(&entry - SettingsTable().data());
}

Settings::Value Settings::DefaultValue(const SettingSpec& entry, const SettingsContext& context,
                                       bool withFile) {
    const bool fresh = !withFile && entry.HasFreshDefault;
    const std::int64_t number = fresh ? entry.FreshIntDefault : entry.IntDefault;
    switch (entry.Type) {
        case SettingType::Bool:
            return number != 0;
        case SettingType::Integer:
        case SettingType::HexColor:
            return number;
        case SettingType::OptionalInteger:
            return std::monostate{};
        case SettingType::String: {
            std::string_view text = fresh ? entry.FreshTextDefault : entry.TextDefault;
            if (entry.Source != DefaultSource::Literal) text = ContextDefault(entry.Source, context);
            return CorrectString(entry.Rule, text);
        }
        case SettingType::IndexedList:
        case SettingType::CountedList:
            return std::vector<std::string>{};
        case SettingType::NamedList:
            return std::vector<ProfileEntry>{};
        case SettingType::CharSequenceList:
            return std::vector<CharSequence>{};
    }
    return std::monostate{};
}

Settings::Settings(const SettingsContext& context, bool withFile) {
    const auto table = SettingsTable();
    values_.reserve(table.size());
    for (const SettingSpec& entry : table) values_.push_back(DefaultValue(entry, context, withFile));
}

std::size_t Settings::Row(std::string_view section, std::string_view key, SettingType type) const {
    const SettingSpec* entry = FindSetting(section, key);
    if (!entry) throw std::logic_error("no setting " + Describe(section, key));
    if (entry->Type != type)
        throw std::logic_error("setting of another type: " + Describe(section, key));
    return SettingRow(*entry);
}

template <typename T>
const T& Settings::Get(std::string_view section, std::string_view key, SettingType type) const {
    return std::get<T>(values_[Row(section, key, type)]);
}

void Settings::SetValueAt(std::size_t row, Value value) {
    values_.at(row) = std::move(value);
}

bool Settings::Bool(std::string_view section, std::string_view key) const {
    return Get<bool>(section, key, SettingType::Bool);
}

void Settings::SetBool(std::string_view section, std::string_view key, bool value) {
    values_[Row(section, key, SettingType::Bool)] = value;
}

std::int64_t Settings::Integer(std::string_view section, std::string_view key) const {
    return Get<std::int64_t>(section, key, SettingType::Integer);
}

int Settings::Int(std::string_view section, std::string_view key) const {
    return static_cast<int>(std::clamp<std::int64_t>(
        Integer(section, key), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void Settings::SetInteger(std::string_view section, std::string_view key, std::int64_t value) {
    const std::size_t row = Row(section, key, SettingType::Integer);
    values_[row] = CorrectInteger(SettingsTable()[row], value);
}

std::optional<std::int64_t> Settings::OptionalInteger(std::string_view section,
                                                      std::string_view key) const {
    const Value& value = values_[Row(section, key, SettingType::OptionalInteger)];
    if (const auto* number = std::get_if<std::int64_t>(&value)) return *number;
    return std::nullopt;
}

void Settings::SetOptionalInteger(std::string_view section, std::string_view key,
                                  std::optional<std::int64_t> value) {
    const std::size_t row = Row(section, key, SettingType::OptionalInteger);
    if (value) {
        values_[row] = *value;
    } else {
        values_[row] = std::monostate{};
    }
}

const std::string& Settings::String(std::string_view section, std::string_view key) const {
    return Get<std::string>(section, key, SettingType::String);
}

void Settings::SetString(std::string_view section, std::string_view key, std::string_view value) {
    const std::size_t row = Row(section, key, SettingType::String);
    values_[row] = CorrectString(SettingsTable()[row].Rule, value);
}

std::int64_t Settings::HexColor(std::string_view section, std::string_view key) const {
    return Get<std::int64_t>(section, key, SettingType::HexColor);
}

void Settings::SetHexColor(std::string_view section, std::string_view key, std::int64_t value) {
    values_[Row(section, key, SettingType::HexColor)] = value & 0xFFFFFF;
}

const std::vector<std::string>& Settings::List(std::string_view section) const {
    const SettingSpec* entry = FindSetting(section, {});
    if (entry && entry->Type == SettingType::CountedList) {
        return Get<std::vector<std::string>>(section, {}, SettingType::CountedList);
    }
    return Get<std::vector<std::string>>(section, {}, SettingType::IndexedList);
}

void Settings::SetList(std::string_view section, std::vector<std::string> values) {
    const SettingSpec* entry = FindSetting(section, {});
    const SettingType type = entry && entry->Type == SettingType::CountedList
                                 ? SettingType::CountedList
                                 : SettingType::IndexedList;
    values_[Row(section, {}, type)] = std::move(values);
}

const std::vector<ProfileEntry>& Settings::Entries(std::string_view section) const {
    return Get<std::vector<ProfileEntry>>(section, {}, SettingType::NamedList);
}

void Settings::SetEntries(std::string_view section, std::vector<ProfileEntry> entries) {
    values_[Row(section, {}, SettingType::NamedList)] = std::move(entries);
}

const std::vector<CharSequence>& Settings::Sequences() const {
    return Get<std::vector<CharSequence>>("KeyboardSequence", {}, SettingType::CharSequenceList);
}

void Settings::SetSequences(std::vector<CharSequence> sequences) {
    values_[Row("KeyboardSequence", {}, SettingType::CharSequenceList)] = std::move(sequences);
}

}  // namespace tarvix
