// The main window's shortcut table, key text normalisation and the lookups.
#include "calculator/shortcut_table.h"

#include <algorithm>
#include <charconv>

#include "calculator/text_trim.h"
#include "engine/name_utils.h"

namespace tarvix {
namespace {

using enum ShortcutCommand;

constexpr ShortcutEntry kShortcuts[] = {
    {"Ctrl+A", AngleUnitSwitch},
    {"Ctrl+B", BaseSwitch},
    {"Ctrl+Shift+B", BaseSwitchBackward},
    {"Ctrl+D", MaximizeWindow},
    {"Ctrl+E", ToggleEngPostfix},
    {"Ctrl+PgDn", ToggleEngPostfix},
    {"Ctrl+R", ToggleRounding},
    {"Ctrl+PgUp", ToggleRounding},
    {"Ctrl+F", NumberFormatSwitch},
    {"Ctrl+M", FunctionModeSwitch},
    {"Ctrl+P", ShowFunctionKeypad},
    {"Ctrl+Q", FocusInputLine},
    {"Ctrl+S", SaveDataFile},
    {"Alt+C", OpenConstants},
    {"Alt+X", FocusRegisterX},
    {"Alt+Y", FocusRegisterY},
    {"Alt+1", SeriesByVariable},
    {"Alt+2", SeriesByParameter},
    {"Alt+3", SeriesExpansion},
    {"Alt+Left", RoundingDigitsDown, ShortcutGuard::RoundingControlsEnabled},
    {"Alt+Right", RoundingDigitsUp, ShortcutGuard::RoundingControlsEnabled},
    {"PgUp", RoundingDigitsUp, ShortcutGuard::NoDropDownOpen},
    {"PgDn", RoundingDigitsDown, ShortcutGuard::NoDropDownOpen},
    {"Alt+PgUp", PostfixLeft, ShortcutGuard::PostfixControlsEnabled},
    {"Alt+PgDn", PostfixRight, ShortcutGuard::PostfixControlsEnabled},
    {"Shift+Esc", MinimizeWindow},
    {"F9", RunLibraryTask},
    {"Ctrl+Enter", RunLibraryTask},
    {"Ctrl+Shift+K", HelpTopic},
};

// Spellings of the named keys; the first row of each key is its own.
struct KeyName {
    std::string_view Spelling;
    std::string_view Name;
};
constexpr KeyName kKeyNames[] = {
    {"PgUp", "PgUp"},   {"Page Up", "PgUp"}, {"PageUp", "PgUp"},    {"Prior", "PgUp"},
    {"PgDn", "PgDn"},   {"PgDown", "PgDn"},  {"Page Down", "PgDn"}, {"PageDown", "PgDn"},
    {"Next", "PgDn"},   {"Left", "Left"},    {"Right", "Right"},    {"Up", "Up"},
    {"Down", "Down"},   {"Home", "Home"},    {"End", "End"},        {"Ins", "Ins"},
    {"Insert", "Ins"},  {"Del", "Del"},      {"Delete", "Del"},     {"Esc", "Esc"},
    {"Escape", "Esc"},  {"Enter", "Enter"},  {"Return", "Enter"},   {"Tab", "Tab"},
    {"Space", "Space"}, {"BkSp", "BkSp"},    {"Backspace", "BkSp"},
};

constexpr int kFunctionKeys = 12;

struct ModifierWord {
    std::string_view Word;
    bool KeyModifiers::*Flag;
};
constexpr ModifierWord kModifierWords[] = {
    {"Ctrl", &KeyModifiers::Ctrl},
    {"Control", &KeyModifiers::Ctrl},
    {"Alt", &KeyModifiers::Alt},
    {"Shift", &KeyModifiers::Shift},
};

const ModifierWord* FindModifierWord(std::string_view word) {
    for (const auto& row : kModifierWords) {
        if (EqualsNoCase(row.Word, word)) return &row;
    }
    return nullptr;
}

// "F1" … "F12" in any case; empty otherwise.
std::string FunctionKeyName(std::string_view key) {
    if (key.size() < 2 || ToUpperAscii(key[0]) != 'F') return {};
    int number = 0;
    const auto digits = key.substr(1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || digits[0] == '0') return {};
    if (number < 1 || number > kFunctionKeys) return {};
    return "F" + std::to_string(number);
}

// One UTF-8 encoded character.
bool IsSingleCharacter(std::string_view key) {
    if (key.empty()) return false;
    const auto lead = static_cast<unsigned char>(key[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    return key.size() == length;
}

// The key's own name; empty when the text names no key (modifiers included).
std::string KeyNameOf(std::string_view key) {
    key = TrimBlanks(key);
    for (const auto& row : kKeyNames) {
        if (EqualsNoCase(row.Spelling, key)) return std::string(row.Name);
    }
    if (std::string name = FunctionKeyName(key); !name.empty()) return name;
    if (!IsSingleCharacter(key) || static_cast<unsigned char>(key[0]) < 0x21) return {};
    return std::string(1, ToUpperAscii(key[0])) + std::string(key.substr(1));
}

}  // namespace

std::span<const ShortcutEntry> ShortcutTable() {
    return kShortcuts;
}

std::string ShortcutText(KeyModifiers modifiers, std::string_view key) {
    std::string name = KeyNameOf(key);
    if (name.empty()) return {};
    std::string text;
    if (modifiers.Ctrl) text += "Ctrl+";
    if (modifiers.Alt) text += "Alt+";
    if (modifiers.Shift) text += "Shift+";
    return text + name;
}

std::string NormalizeShortcutText(std::string_view text) {
    KeyModifiers modifiers;
    // Modifier words end at a "+"; what follows the last one is the key, which
    // may itself be "+".
    for (std::size_t plus = text.find('+', 1); plus != std::string_view::npos;
         plus = text.find('+', 1)) {
        const ModifierWord* word = FindModifierWord(TrimBlanks(text.substr(0, plus)));
        if (word == nullptr) break;
        modifiers.*(word->Flag) = true;
        text.remove_prefix(plus + 1);
    }
    return ShortcutText(modifiers, text);
}

const ShortcutEntry* FindShortcut(std::string_view keys) {
    const std::string normalised = NormalizeShortcutText(keys);
    if (normalised.empty()) return nullptr;
    const auto found = std::ranges::find(kShortcuts, normalised, &ShortcutEntry::Keys);
    return found == std::end(kShortcuts) ? nullptr : &*found;
}

bool ShortcutAllowed(const ShortcutEntry& entry, const ShortcutContext& context) {
    switch (entry.Guard) {
        case ShortcutGuard::None:
            return true;
        case ShortcutGuard::RoundingControlsEnabled:
            return context.RoundingControlsEnabled;
        case ShortcutGuard::PostfixControlsEnabled:
            return context.PostfixControlsEnabled;
        case ShortcutGuard::NoDropDownOpen:
            return !context.DropDownOpen;
    }
    return false;
}

const KeySequence* FindKeySequence(std::span<const KeySequence> sequences, std::string_view keys) {
    const std::string normalised = NormalizeShortcutText(keys);
    if (normalised.empty()) return nullptr;
    for (const auto& sequence : sequences) {
        if (NormalizeShortcutText(sequence.Keys) == normalised) return &sequence;
    }
    return nullptr;
}

}  // namespace tarvix
