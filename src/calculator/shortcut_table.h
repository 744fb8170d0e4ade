// The main window's keyboard shortcuts as data (key text → command), the
// normalised key text that both they and the user's key sequences are written
// in, and the lookups.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarvix {

enum class ShortcutCommand : std::uint8_t {
    AngleUnitSwitch,     // Ctrl+A
    BaseSwitch,          // Ctrl+B
    BaseSwitchBackward,  // Ctrl+Shift+B
    MaximizeWindow,      // Ctrl+D
    ToggleEngPostfix,    // Ctrl+E, Ctrl+PgDn
    ToggleRounding,      // Ctrl+R, Ctrl+PgUp
    NumberFormatSwitch,  // Ctrl+F
    FunctionModeSwitch,  // Ctrl+M
    ShowFunctionKeypad,  // Ctrl+P
    FocusInputLine,      // Ctrl+Q: focus with the text selected
    SaveDataFile,        // Ctrl+S
    OpenConstants,       // Alt+C
    FocusRegisterX,      // Alt+X
    FocusRegisterY,      // Alt+Y
    SeriesByVariable,    // Alt+1: series generation by iterating a variable
    SeriesByParameter,   // Alt+2: by iterating a parameter
    SeriesExpansion,     // Alt+3: by series expansion
    RoundingDigitsDown,  // Alt+Left, PgDn: N - 1
    RoundingDigitsUp,    // Alt+Right, PgUp: N + 1
    PostfixLeft,         // Alt+PgUp: P - 1
    PostfixRight,        // Alt+PgDn: P + 1
    MinimizeWindow,      // Shift+Esc
    RunLibraryTask,      // F9, Ctrl+Enter: the library task named by the input line
    HelpTopic,           // Ctrl+Shift+K: the help topic kShortcutHelpContext
};

inline constexpr int kShortcutHelpContext = 10;

// When a shortcut applies; otherwise the key goes on to the focused control.
enum class ShortcutGuard : std::uint8_t {
    None,
    RoundingControlsEnabled,  // the rounding digits edit is enabled
    PostfixControlsEnabled,   // the postfix edit is enabled
    NoDropDownOpen,           // no drop-down list is open
};

struct ShortcutEntry {
    std::string_view Keys;  // normalised key text, for example "Ctrl+Shift+B"
    ShortcutCommand Command;
    ShortcutGuard Guard = ShortcutGuard::None;
};

// What the guards ask of the window.
struct ShortcutContext {
    bool RoundingControlsEnabled = false;
    bool PostfixControlsEnabled = false;
    bool DropDownOpen = false;
};

struct KeyModifiers {
    bool Ctrl = false;
    bool Alt = false;
    bool Shift = false;
};

// The fixed shortcuts in the order the window lists them.
std::span<const ShortcutEntry> ShortcutTable();

// A pressed key as key text: the prefixes "Ctrl+", "Alt+", "Shift+" of the held
// modifiers in that order, then the key's name (normalised as below). Empty
// for a modifier key alone or a name that is no key.
std::string ShortcutText(KeyModifiers modifiers, std::string_view key);

// A key text in its normalised form: the modifier words in any order and case
// ("shift+ctrl+b", "Control+B") become "Ctrl+", "Alt+", "Shift+" in that
// order; a single character key is upper-cased; named keys take one spelling
// ("F1" … "F12", "PgUp", "PgDn", "Left", "Right", "Up", "Down", "Home",
// "End", "Ins", "Del", "Esc", "Enter", "Tab", "Space", "BkSp"; "Page Up",
// "Escape", "Return" and the like are accepted). Empty when the text names no
// key, or only modifiers.
std::string NormalizeShortcutText(std::string_view text);

// The fixed shortcut of a key text (normalised first); nullptr if none.
const ShortcutEntry* FindShortcut(std::string_view keys);

// Whether a shortcut applies in the window's present state.
bool ShortcutAllowed(const ShortcutEntry& entry, const ShortcutContext& context);

// A user's key sequence: pressing the shortcut inserts the text into the input
// line. Sequences are looked up before the fixed shortcuts.
struct KeySequence {
    std::string Keys;
    std::string Text;
};

// The first sequence whose key text equals `keys` once both are normalised;
// nullptr if none.
const KeySequence* FindKeySequence(std::span<const KeySequence> sequences, std::string_view keys);

}  // namespace tarvix
