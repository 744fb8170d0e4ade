// The settings file described as one table: every section and key with its
// type, its default and how an odd value is corrected. The table's order is
// the order in which sections and keys are written; windows built later read
// their keys from the same table through Settings (settings_store.h).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tarvix {

enum class SettingType : std::uint8_t {
    Bool,             // "1"/"0"; reading accepts any integer, non-zero meaning true
    Integer,          // decimal ("$FF" and "0x10" read as well)
    OptionalInteger,  // an integer that may be missing (window positions: centred)
    String,
    HexColor,  // six hexadecimal digits, read back as "$" and the digits
    // Whole sections:
    IndexedList,       // keys "0", "1", …; reading keeps the non-empty values in file order
    CountedList,       // "Count" and the keys "0" … Count-1
    NamedList,         // key = name, value = text, in file order
    CharSequenceList,  // the character sequences of the input boxes (char_sequence_text.h)
};

// Corrections of a string when it is read or set.
enum class StringRule : std::uint8_t {
    None,
    UpperCase,      // the language word
    ImaginaryUnit,  // the first character when it is "i" or "j", else "i"
};

// Where a default comes from when it is not a literal of the table.
enum class DefaultSource : std::uint8_t {
    Literal,
    Language,         // the language the system locale chooses (default_language.h)
    DocumentsFolder,  // the folder data files are kept in
    WorkSheetName,    // the localised worksheet name and "1.txt"
    SameAsKey,        // the value read for another key of the section (DefaultKey)
};

struct SettingSpec {
    std::string_view Section;
    std::string_view Key;  // empty for a whole-section list
    SettingType Type = SettingType::String;
    std::int64_t IntDefault = 0;   // Bool, Integer, HexColor
    std::string_view TextDefault;  // String
    DefaultSource Source = DefaultSource::Literal;
    std::string_view DefaultKey;  // SameAsKey
    StringRule Rule = StringRule::None;
    // Integer: a value outside Min…Max reads as OutOfRange; with LowBits
    // only those bits are kept.
    bool Ranged = false;
    std::int64_t Min = 0;
    std::int64_t Max = 0;
    std::int64_t OutOfRange = 0;
    std::int64_t LowBits = 0;
    // The default when there is no settings file at all, where it differs.
    bool HasFreshDefault = false;
    std::int64_t FreshIntDefault = 0;
    std::string_view FreshTextDefault;

    bool IsList() const { return Type >= SettingType::IndexedList; }
};

// Every key of the settings file, in the order it is written.
std::span<const SettingSpec> SettingsTable();

// The row of section/key (ASCII case ignored; key empty for a list section),
// or nullptr.
const SettingSpec* FindSetting(std::string_view section, std::string_view key);

// An integer as its row corrects it: low bits kept, a value outside the
// range replaced.
std::int64_t CorrectInteger(const SettingSpec& entry, std::int64_t value);

}  // namespace tarvix
