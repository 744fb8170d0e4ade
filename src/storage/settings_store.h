// Settings: the values of every key of the settings table, typed, with the
// table's defaults. Sections and keys are named as in the file (ASCII case
// ignored); naming a key the table does not have, or reading it as another
// type, is a programming error and raises std::logic_error.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "storage/profile_file.h"
#include "storage/settings_table.h"

namespace tarvix {

// What the defaults that are not literals of the table depend on.
struct SettingsContext {
    std::string Language = "CZECH";            // default_language.h
    std::string DocumentsFolder;               // where data files are kept
    std::string WorkSheetName = "Sešit1.txt";  // the localised worksheet name and "1.txt"
};

// One character sequence: typing Key twice gives Substitute.
using CharSequence = std::pair<char, char>;

class Settings {
public:
    // The defaults of a settings file without the key (withFile) or of a
    // start without any settings file.
    explicit Settings(const SettingsContext& context = {}, bool withFile = true);

    bool Bool(std::string_view section, std::string_view key) const;
    void SetBool(std::string_view section, std::string_view key, bool value);
    // Corrected as the table says (range, low bits) when set.
    std::int64_t Integer(std::string_view section, std::string_view key) const;
    void SetInteger(std::string_view section, std::string_view key, std::int64_t value);
    // The same, limited to the range of int.
    int Int(std::string_view section, std::string_view key) const;
    // OptionalInteger keys; nothing when the value is missing.
    std::optional<std::int64_t> OptionalInteger(std::string_view section,
                                                std::string_view key) const;
    void SetOptionalInteger(std::string_view section, std::string_view key,
                            std::optional<std::int64_t> value);
    // String keys (corrected by the table's rule when set).
    const std::string& String(std::string_view section, std::string_view key) const;
    void SetString(std::string_view section, std::string_view key, std::string_view value);
    // HexColor keys.
    std::int64_t HexColor(std::string_view section, std::string_view key) const;
    void SetHexColor(std::string_view section, std::string_view key, std::int64_t value);

    // IndexedList and CountedList sections: the values in order.
    const std::vector<std::string>& List(std::string_view section) const;
    void SetList(std::string_view section, std::vector<std::string> values);
    // NamedList sections: name and text, in order.
    const std::vector<ProfileEntry>& Entries(std::string_view section) const;
    void SetEntries(std::string_view section, std::vector<ProfileEntry> entries);
    // The KeyboardSequence section.
    const std::vector<CharSequence>& Sequences() const;
    void SetSequences(std::vector<CharSequence> sequences);

    // The value of a row; the table's index of the row.
    using Value =
        std::variant<std::monostate, bool, std::int64_t, std::string, std::vector<std::string>,
                     std::vector<ProfileEntry>, std::vector<CharSequence>>;
    const Value& ValueAt(std::size_t row) const { return values_[row]; }
    void SetValueAt(std::size_t row, Value value);

    // The default of a row, for this context.
    static Value DefaultValue(const SettingSpec& entry, const SettingsContext& context,
                              bool withFile);

private:
    std::size_t Row(std::string_view section, std::string_view key, SettingType type) const;
    template <typename T>
    const T& Get(std::string_view section, std::string_view key, SettingType type) const;

    std::vector<Value> values_;
};

// The index of a row of SettingsTable().
std::size_t SettingRow(const SettingSpec& entry);

}  // namespace tarvix
