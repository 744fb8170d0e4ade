// The main window's shortcut table, key text normalisation and the lookups of
// shortcuts and user key sequences.
#include "calculator/shortcut_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tarvix::testing {
namespace {

using enum ShortcutCommand;

TEST(ShortcutTable, EveryShortcutOfTheWindow) {
    struct Case {
        const char* Keys;
        ShortcutCommand Command;
        ShortcutGuard Guard;
    };
    constexpr ShortcutGuard kNone = ShortcutGuard::None;
    const std::vector<Case> cases = {
        {"Ctrl+A", AngleUnitSwitch, kNone},
        {"Ctrl+B", BaseSwitch, kNone},
        {"Ctrl+Shift+B", BaseSwitchBackward, kNone},
        {"Ctrl+D", MaximizeWindow, kNone},
        {"Ctrl+E", ToggleEngPostfix, kNone},
        {"Ctrl+PgDn", ToggleEngPostfix, kNone},
        {"Ctrl+R", ToggleRounding, kNone},
        {"Ctrl+PgUp", ToggleRounding, kNone},
        {"Ctrl+F", NumberFormatSwitch, kNone},
        {"Ctrl+M", FunctionModeSwitch, kNone},
        {"Ctrl+P", ShowFunctionKeypad, kNone},
        {"Ctrl+Q", FocusInputLine, kNone},
        {"Ctrl+S", SaveDataFile, kNone},
        {"Alt+C", OpenConstants, kNone},
        {"Alt+X", FocusRegisterX, kNone},
        {"Alt+Y", FocusRegisterY, kNone},
        {"Alt+1", SeriesByVariable, kNone},
        {"Alt+2", SeriesByParameter, kNone},
        {"Alt+3", SeriesExpansion, kNone},
        {"Alt+Left", RoundingDigitsDown, ShortcutGuard::RoundingControlsEnabled},
        {"Alt+Right", RoundingDigitsUp, ShortcutGuard::RoundingControlsEnabled},
        {"PgUp", RoundingDigitsUp, ShortcutGuard::NoDropDownOpen},
        {"PgDn", RoundingDigitsDown, ShortcutGuard::NoDropDownOpen},
        {"Alt+PgUp", PostfixLeft, ShortcutGuard::PostfixControlsEnabled},
        {"Alt+PgDn", PostfixRight, ShortcutGuard::PostfixControlsEnabled},
        {"Shift+Esc", MinimizeWindow, kNone},
        {"F9", RunLibraryTask, kNone},
        {"Ctrl+Enter", RunLibraryTask, kNone},
        {"Ctrl+Shift+K", HelpTopic, kNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Keys);
        const ShortcutEntry* entry = FindShortcut(c.Keys);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->Keys, c.Keys);
        EXPECT_EQ(entry->Command, c.Command);
        EXPECT_EQ(entry->Guard, c.Guard);
    }
    EXPECT_EQ(ShortcutTable().size(), cases.size());
    EXPECT_EQ(kShortcutHelpContext, 10);
}

TEST(ShortcutTable, EntriesAreNormalisedAndDistinct) {
    std::set<std::string_view> keys;
    for (const ShortcutEntry& entry : ShortcutTable()) {
        EXPECT_EQ(NormalizeShortcutText(entry.Keys), entry.Keys);
        EXPECT_TRUE(keys.insert(entry.Keys).second) << entry.Keys;
    }
}

TEST(ShortcutTable, LookupNormalisesTheKeyText) {
    struct Case {
        const char* Keys;
        ShortcutCommand Command;
    };
    const std::vector<Case> cases = {
        {"ctrl+a", AngleUnitSwitch},
        {"Control+A", AngleUnitSwitch},
        {"Shift+Ctrl+B", BaseSwitchBackward},
        {"ctrl+shift+b", BaseSwitchBackward},
        {"Ctrl+Page Down", ToggleEngPostfix},
        {"Ctrl+PageUp", ToggleRounding},
        {"Page Up", RoundingDigitsUp},
        {"Next", RoundingDigitsDown},
        {"alt+pgup", PostfixLeft},
        {"Shift+Escape", MinimizeWindow},
        {"f9", RunLibraryTask},
        {"Ctrl+Return", RunLibraryTask},
        {"Shift+Ctrl+K", HelpTopic},
        {" Alt + x", FocusRegisterX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Keys);
        const ShortcutEntry* entry = FindShortcut(c.Keys);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->Command, c.Command);
    }
}

TEST(ShortcutTable, OtherKeysAreNoShortcuts) {
    for (const char* keys : {"A", "Ctrl+Alt+A", "Ctrl+Shift+A", "Alt+4", "Ctrl+Z", "F10", "Esc",
                             "Alt+Shift+X", "Ctrl+", "Ctrl", "", "Ctrl+Shift", "Ctrl+Foo"}) {
        EXPECT_EQ(FindShortcut(keys), nullptr) << keys;
    }
}

TEST(ShortcutTable, GuardsAskTheWindow) {
    const ShortcutEntry* altLeft = FindShortcut("Alt+Left");
    const ShortcutEntry* altPgUp = FindShortcut("Alt+PgUp");
    const ShortcutEntry* pgUp = FindShortcut("PgUp");
    const ShortcutEntry* ctrlB = FindShortcut("Ctrl+B");
    ASSERT_TRUE(altLeft && altPgUp && pgUp && ctrlB);
    struct Case {
        const ShortcutEntry* Entry;
        ShortcutContext Context;
        bool Allowed;
    };
    const std::vector<Case> cases = {
        {altLeft, {false, false, false}, false}, {altLeft, {true, false, false}, true},
        {altLeft, {false, true, true}, false},   {altPgUp, {false, false, false}, false},
        {altPgUp, {false, true, false}, true},   {altPgUp, {true, false, false}, false},
        {pgUp, {false, false, false}, true},     {pgUp, {true, true, true}, false},
        {ctrlB, {false, false, true}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Entry->Keys) + " " +
                     std::to_string(c.Context.RoundingControlsEnabled) +
                     std::to_string(c.Context.PostfixControlsEnabled) +
                     std::to_string(c.Context.DropDownOpen));
        EXPECT_EQ(ShortcutAllowed(*c.Entry, c.Context), c.Allowed);
    }
}

TEST(ShortcutTable, KeyTextOfAPressedKey) {
    struct Case {
        KeyModifiers Modifiers;
        const char* Key;
        const char* Text;
    };
    const std::vector<Case> cases = {
        {{}, "a", "A"},
        {{true, false, false}, "q", "Ctrl+Q"},
        {{true, true, true}, "x", "Ctrl+Alt+Shift+X"},
        {{false, true, true}, "1", "Alt+Shift+1"},
        {{true, false, false}, "+", "Ctrl++"},
        {{false, false, false}, "F1", "F1"},
        {{false, false, true}, "f12", "Shift+F12"},
        {{false, false, false}, "Page Down", "PgDn"},
        {{true, false, false}, "Return", "Ctrl+Enter"},
        {{false, false, false}, "é", "é"},
        // No key: modifiers alone, unknown names, function keys beyond F12.
        {{false, false, true}, "Shift", ""},
        {{true, false, false}, "Ctrl", ""},
        {{false, true, false}, "Alt", ""},
        {{false, false, false}, "F13", ""},
        {{false, false, false}, "F0", ""},
        {{false, false, false}, "F01", ""},
        {{false, false, false}, "", ""},
        {{false, false, false}, "ab", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        EXPECT_EQ(ShortcutText(c.Modifiers, c.Key), c.Text);
    }
}

TEST(ShortcutTable, NormalisedKeyText) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"shift+alt+ctrl+z", "Ctrl+Alt+Shift+Z"},
        {"CTRL++", "Ctrl++"},
        {"+", "+"},
        {"Alt+Insert", "Alt+Ins"},
        {"Delete", "Del"},
        {"Backspace", "BkSp"},
        {"Ctrl+Space", "Ctrl+Space"},
        {"Alt+F4", "Alt+F4"},
        {"Ctrl+Shift", ""},
        {"Hyper+A", ""},
        {"Ctrl+AB", ""},
    };
    for (const auto& [text, normalised] : cases) {
        EXPECT_EQ(NormalizeShortcutText(text), normalised) << text;
    }
}

TEST(ShortcutTable, UserKeySequences) {
    const std::vector<KeySequence> sequences = {
        {"Ctrl+1", "sin("},
        {"alt+shift+p", "pi"},
        {"no key+", "never"},
        {"Ctrl+1", "shadowed"},
    };
    struct Case {
        const char* Keys;
        const char* Text;  // nullptr: no sequence
    };
    const std::vector<Case> cases = {
        {"Ctrl+1", "sin("}, {"control+1", "sin("}, {"Shift+Alt+P", "pi"}, {"Alt+Shift+p", "pi"},
        {"Alt+P", nullptr}, {"Ctrl+2", nullptr},   {"no key+", nullptr},  {"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Keys);
        const KeySequence* found = FindKeySequence(sequences, c.Keys);
        if (c.Text == nullptr) {
            EXPECT_EQ(found, nullptr);
        } else {
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->Text, c.Text);
        }
    }
}

}  // namespace
}  // namespace tarvix::testing
