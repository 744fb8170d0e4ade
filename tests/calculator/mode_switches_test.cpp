// The mode switches: captions, cycles, coupling on every path, follow-ups,
// rounding and postfix toggles, and the shortcuts that reach them.
#include "calculator/mode_switches.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "calculator/shortcut_table.h"

namespace tarvix::testing {
namespace {

using Operation = std::function<SwitchChanges(ModeSwitches&)>;

constexpr SwitchSource kSources[] = {SwitchSource::KeypadButton, SwitchSource::Panel,
                                     SwitchSource::MenuItem, SwitchSource::Shortcut};

ModeSwitches Complex() {
    ModeSwitches s;
    s.Scope = nsComplex;
    return s;
}

ModeSwitches WithBase(TNumericalBase base) {
    ModeSwitches s;
    s.Display.Base = base;
    return s;
}

// A shortcut as the window runs it: looked up by its keys, then applied.
SwitchChanges PressShortcut(ModeSwitches& state, std::string_view keys) {
    const ShortcutEntry* entry = FindShortcut(keys);
    EXPECT_NE(entry, nullptr) << keys;
    if (entry == nullptr) return {};
    EXPECT_TRUE(ShortcutAllowed(*entry, ShortcutContextOf(state, false))) << keys;
    const std::optional<SwitchChanges> changes = ApplyShortcutCommand(state, entry->Command);
    EXPECT_TRUE(changes.has_value()) << keys;
    return changes.value_or(SwitchChanges{});
}

// The coupling rules; empty when the state keeps them.
std::string Violation(const ModeSwitches& s) {
    const DisplayModes& d = s.Display;
    if (s.Scope == nsComplex && d.Base != nbDec) return "complex domain with a non-decimal base";
    if (d.Base != nbDec && (d.Format != NumberFormat::Norm || d.RoundingOn || d.EngPostfixOn)) {
        return "non-decimal base with a decimal display mode";
    }
    if (d.EngPostfixOn != (d.Format == NumberFormat::Eng)) return "postfix apart from eng";
    if (d.RoundingOn && d.EngPostfixOn) return "rounding with the postfix";
    if (d.Digits < 0 || d.Digits > 15) return "digits out of range";
    if (d.PostfixPosition < 1 || d.PostfixPosition > 11) return "postfix out of range";
    return {};
}

TEST(ModeSwitches, DefaultsAreTheSettingsDefaults) {
    const ModeSwitches s;
    EXPECT_EQ(SwitchCaption(s, ModeSwitch::AngleUnit), "rad");
    EXPECT_EQ(SwitchCaption(s, ModeSwitch::Base), "dec");
    EXPECT_EQ(SwitchCaption(s, ModeSwitch::Domain), "real");
    EXPECT_EQ(SwitchCaption(s, ModeSwitch::NumberFormat), "norm");
    EXPECT_EQ(SwitchCaption(s, ModeSwitch::FunctionMode), "insert");
    EXPECT_EQ(Violation(s), "");
}

TEST(ModeSwitches, CaptionsReadBackWithoutRegardToCase) {
    for (TAngleUnits units : {auDeg, auRad, auGrad}) {
        EXPECT_EQ(AngleUnitsFromCaption(AngleUnitsCaption(units)), units);
    }
    for (TNumericalScope scope : {nsReal, nsComplex}) {
        EXPECT_EQ(ScopeFromCaption(ScopeCaption(scope)), scope);
    }
    for (FunctionMode mode : {FunctionMode::Insert, FunctionMode::Eval}) {
        EXPECT_EQ(FunctionModeFromCaption(FunctionModeCaption(mode)), mode);
    }
    EXPECT_EQ(AngleUnitsCaption(auGrad), "grad");
    EXPECT_EQ(ScopeCaption(nsComplex), "cplx");
    EXPECT_EQ(FunctionModeCaption(FunctionMode::Eval), "eval");
    EXPECT_EQ(AngleUnitsFromCaption("GRAD"), auGrad);
    EXPECT_EQ(ScopeFromCaption("Cplx"), nsComplex);
    EXPECT_EQ(FunctionModeFromCaption("EVAL"), FunctionMode::Eval);
    // Unknown captions are left to the caller's fallback.
    EXPECT_EQ(AngleUnitsFromCaption("xyz"), std::nullopt);
    EXPECT_EQ(AngleUnitsFromCaption("gra"), std::nullopt);
    EXPECT_EQ(ScopeFromCaption("complex"), std::nullopt);
    EXPECT_EQ(FunctionModeFromCaption(""), std::nullopt);
}

TEST(ModeSwitches, CyclesAdvanceInOrder) {
    struct Case {
        const char* Label;
        ModeSwitch Which;
        Operation Step;
        std::vector<std::string_view> Captions;  // from the default state on
    };
    const std::vector<Case> cases = {
        {"angle",
         ModeSwitch::AngleUnit,
         [](ModeSwitches& s) { return SwitchAngleUnits(s, SwitchSource::Panel); },
         {"rad", "grad", "deg", "rad"}},
        {"base",
         ModeSwitch::Base,
         [](ModeSwitches& s) { return SwitchBase(s, SwitchSource::Panel); },
         {"dec", "hex", "bin", "oct", "dec"}},
        {"base backwards",
         ModeSwitch::Base,
         [](ModeSwitches& s) { return SwitchBase(s, SwitchSource::Panel, true); },
         {"dec", "oct", "bin", "hex", "dec"}},
        {"domain",
         ModeSwitch::Domain,
         [](ModeSwitches& s) { return SwitchDomain(s, SwitchSource::Panel); },
         {"real", "cplx", "real"}},
        {"format",
         ModeSwitch::NumberFormat,
         [](ModeSwitches& s) { return SwitchNumberFormat(s, SwitchSource::Panel); },
         {"norm", "fix", "sci", "eng", "norm"}},
        {"mode",
         ModeSwitch::FunctionMode,
         [](ModeSwitches& s) { return SwitchFunctionMode(s, SwitchSource::Panel); },
         {"insert", "eval", "insert"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Label);
        ModeSwitches s;
        EXPECT_EQ(SwitchCaption(s, c.Which), c.Captions[0]);
        for (std::size_t i = 1; i < c.Captions.size(); ++i) {
            const SwitchChanges changes = c.Step(s);
            EXPECT_TRUE(changes.AnyChange());
            EXPECT_EQ(SwitchCaption(s, c.Which), c.Captions[i]) << "step " << i;
        }
    }
}

TEST(ModeSwitches, SwitchesReportWhatTheyChanged) {
    ModeSwitches s;
    SwitchChanges c = SwitchAngleUnits(s, SwitchSource::Panel);
    EXPECT_TRUE(c.AngleUnits);
    EXPECT_FALSE(c.Base || c.Scope || c.Format || c.FunctionMode);

    c = SwitchBase(s, SwitchSource::Panel);
    EXPECT_TRUE(c.Base);
    EXPECT_FALSE(c.AngleUnits || c.Scope || c.Format || c.FunctionMode);

    s = ModeSwitches{};
    c = SwitchDomain(s, SwitchSource::Panel);
    EXPECT_TRUE(c.Scope);
    EXPECT_FALSE(c.AngleUnits || c.Base || c.Format || c.FunctionMode);

    c = SwitchFunctionMode(s, SwitchSource::Panel);
    EXPECT_TRUE(c.FunctionMode);
    EXPECT_FALSE(c.AngleUnits || c.Base || c.Scope || c.Format);

    // A choice of the current value changes nothing.
    s = ModeSwitches{};
    EXPECT_FALSE(SelectBase(s, nbDec, SwitchSource::MenuItem).AnyChange());
    EXPECT_FALSE(SelectAngleUnits(s, auRad, SwitchSource::MenuItem).AnyChange());
    EXPECT_FALSE(SelectFunctionMode(s, FunctionMode::Insert).AnyChange());
    EXPECT_EQ(s, ModeSwitches{});
}

TEST(ModeSwitches, KeypadAngleSwitchConvertsAns) {
    ModeSwitches s;
    s.AngleUnits = auDeg;
    long double ans = 180.0L;
    const long double pi = std::numbers::pi_v<long double>;
    const long double expected[] = {pi, 200.0L, 180.0L};  // rad, grad, deg
    for (long double value : expected) {
        const SwitchChanges c = SwitchAngleUnits(s, SwitchSource::KeypadButton);
        ASSERT_TRUE(c.AnsFactor.has_value());
        EXPECT_EQ(c.FollowUp, SwitchFollowUp::Recalculate);
        ans *= *c.AnsFactor;
        EXPECT_NEAR(ans, value, value * 1e-17L);
    }
    EXPECT_EQ(s.AngleUnits, auDeg);
    EXPECT_EQ(AngleToNextUnitFactor(auGrad), 0.9L);
    // Only the keypad button converts; the panel and the shortcut re-display.
    for (SwitchSource source :
         {SwitchSource::Panel, SwitchSource::MenuItem, SwitchSource::Shortcut}) {
        EXPECT_FALSE(SwitchAngleUnits(s, source).AnsFactor.has_value());
    }
    EXPECT_FALSE(PressShortcut(s, "Ctrl+A").AnsFactor.has_value());
}

// Every path into a non-decimal base leaves the complex domain, and every path
// into the complex domain returns to the decimal base.
TEST(ModeSwitches, ComplexDomainAndNonDecimalBaseExcludeEachOther) {
    struct Case {
        const char* Label;
        ModeSwitches Start;
        Operation Path;
        TNumericalScope Scope;
        TNumericalBase Base;
    };
    std::vector<Case> cases;
    for (SwitchSource source : kSources) {
        cases.push_back({"base switch", Complex(),
                         [source](ModeSwitches& s) { return SwitchBase(s, source); }, nsReal,
                         nbHex});
        cases.push_back({"base switch backwards", Complex(),
                         [source](ModeSwitches& s) { return SwitchBase(s, source, true); }, nsReal,
                         nbOct});
        for (TNumericalBase base : {nbHex, nbBin, nbOct}) {
            cases.push_back(
                {"base choice", Complex(),
                 [source, base](ModeSwitches& s) { return SelectBase(s, base, source); }, nsReal,
                 base});
            cases.push_back({"domain switch", WithBase(base),
                             [source](ModeSwitches& s) { return SwitchDomain(s, source); },
                             nsComplex, nbDec});
            cases.push_back(
                {"domain choice", WithBase(base),
                 [source](ModeSwitches& s) { return SelectDomain(s, nsComplex, source); },
                 nsComplex, nbDec});
        }
    }
    cases.push_back({"Ctrl+B", Complex(),
                     [](ModeSwitches& s) { return PressShortcut(s, "Ctrl+B"); }, nsReal, nbHex});
    cases.push_back({"Ctrl+Shift+B", Complex(),
                     [](ModeSwitches& s) { return PressShortcut(s, "Ctrl+Shift+B"); }, nsReal,
                     nbOct});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Label) + " to " + std::string(BaseCaption(c.Base)));
        ModeSwitches s = c.Start;
        const SwitchChanges changes = c.Path(s);
        EXPECT_EQ(s.Scope, c.Scope);
        EXPECT_EQ(s.Display.Base, c.Base);
        EXPECT_TRUE(changes.Scope);
        EXPECT_TRUE(changes.Base);
        EXPECT_EQ(Violation(s), "");
    }
}

TEST(ModeSwitches, DecimalChoicesKeepTheComplexDomain) {
    ModeSwitches s = Complex();
    SwitchChanges c = SelectBase(s, nbDec, SwitchSource::MenuItem);
    EXPECT_EQ(s.Scope, nsComplex);
    EXPECT_FALSE(c.AnyChange());
    // Leaving the complex domain keeps the base.
    c = SwitchDomain(s, SwitchSource::Panel);
    EXPECT_EQ(s.Scope, nsReal);
    EXPECT_EQ(s.Display.Base, nbDec);
    EXPECT_FALSE(c.Base);
}

TEST(ModeSwitches, NonDecimalBaseReleasesRoundingPostfixAndFormat) {
    struct Case {
        const char* Label;
        NumberFormat Format;
        bool Rounding;
    };
    const std::vector<Case> cases = {
        {"fix with rounding", NumberFormat::Fix, true},
        {"sci", NumberFormat::Sci, false},
        {"eng", NumberFormat::Eng, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Label);
        ModeSwitches s;
        SelectNumberFormat(s, c.Format, SwitchSource::MenuItem);
        if (c.Rounding) ToggleRounding(s);
        ASSERT_EQ(s.Display.RoundingOn, c.Rounding);
        const SwitchChanges changes = SwitchBase(s, SwitchSource::KeypadButton);
        EXPECT_TRUE(changes.Format);
        EXPECT_EQ(s.Display.Format, NumberFormat::Norm);
        EXPECT_FALSE(s.Display.RoundingOn);
        EXPECT_FALSE(s.Display.EngPostfixOn);
        EXPECT_FALSE(RoundingButtonsEnabled(s.Display));
        // The format stays norm and the toggles do nothing until the base is decimal.
        EXPECT_FALSE(SwitchNumberFormat(s, SwitchSource::Panel).AnyChange());
        EXPECT_FALSE(SelectNumberFormat(s, NumberFormat::Sci, SwitchSource::MenuItem).AnyChange());
        EXPECT_FALSE(ToggleRounding(s).AnyChange());
        EXPECT_FALSE(ToggleEngPostfix(s).AnyChange());
        EXPECT_EQ(Violation(s), "");
        // Back in "dec" the buttons are enabled and released.
        SelectBase(s, nbDec, SwitchSource::MenuItem);
        EXPECT_TRUE(RoundingButtonsEnabled(s.Display));
        EXPECT_FALSE(s.Display.RoundingOn);
    }
}

TEST(ModeSwitches, EngFormatAndPostfixGoTogether) {
    ModeSwitches s;
    ToggleRounding(s);
    SwitchChanges c;
    for (int i = 0; i < 3; ++i) c = SwitchNumberFormat(s, SwitchSource::KeypadButton);
    EXPECT_EQ(s.Display.Format, NumberFormat::Eng);
    EXPECT_TRUE(s.Display.EngPostfixOn);
    EXPECT_FALSE(s.Display.RoundingOn);  // rounding and the postfix exclude each other
    EXPECT_TRUE(c.SelectEngPostfix);
    EXPECT_TRUE(PostfixControlsEnabled(s.Display));
    EXPECT_FALSE(RoundingControlsEnabled(s.Display));

    c = SwitchNumberFormat(s, SwitchSource::KeypadButton);
    EXPECT_EQ(s.Display.Format, NumberFormat::Norm);
    EXPECT_FALSE(s.Display.EngPostfixOn);
    EXPECT_FALSE(c.SelectEngPostfix);
    EXPECT_FALSE(PostfixControlsEnabled(s.Display));
}

TEST(ModeSwitches, MenuItemSelectsItsOwnFormatFromAnyFormat) {
    for (NumberFormat from :
         {NumberFormat::Norm, NumberFormat::Fix, NumberFormat::Sci, NumberFormat::Eng}) {
        for (NumberFormat to :
             {NumberFormat::Norm, NumberFormat::Fix, NumberFormat::Sci, NumberFormat::Eng}) {
            ModeSwitches s;
            SelectNumberFormat(s, from, SwitchSource::MenuItem);
            const SwitchChanges c = SelectNumberFormat(s, to, SwitchSource::MenuItem);
            EXPECT_EQ(s.Display.Format, to);
            EXPECT_EQ(c.Format, from != to);
            EXPECT_EQ(c.FollowUp, SwitchFollowUp::RedisplayAns);
            EXPECT_EQ(Violation(s), "");
        }
    }
}

TEST(ModeSwitches, RoundingAndPostfixToggles) {
    ModeSwitches s;
    SelectNumberFormat(s, NumberFormat::Fix, SwitchSource::MenuItem);
    SwitchChanges c = ToggleRounding(s);
    EXPECT_TRUE(s.Display.RoundingOn);
    EXPECT_EQ(s.Display.Format, NumberFormat::Fix);  // fix keeps its rounding digits
    EXPECT_TRUE(c.Format);
    EXPECT_EQ(c.FollowUp, SwitchFollowUp::RedisplayAns);
    EXPECT_TRUE(RoundingControlsEnabled(s.Display));

    // The postfix takes "eng" and releases rounding.
    c = ToggleEngPostfix(s);
    EXPECT_EQ(s.Display.Format, NumberFormat::Eng);
    EXPECT_TRUE(s.Display.EngPostfixOn);
    EXPECT_FALSE(s.Display.RoundingOn);
    EXPECT_TRUE(c.SelectEngPostfix);

    // Rounding releases the postfix, and "eng" goes back to "norm".
    c = ToggleRounding(s);
    EXPECT_TRUE(s.Display.RoundingOn);
    EXPECT_FALSE(s.Display.EngPostfixOn);
    EXPECT_EQ(s.Display.Format, NumberFormat::Norm);

    c = ToggleRounding(s);
    EXPECT_FALSE(s.Display.RoundingOn);

    // Releasing the postfix selects "norm".
    ToggleEngPostfix(s);
    c = ToggleEngPostfix(s);
    EXPECT_FALSE(s.Display.EngPostfixOn);
    EXPECT_EQ(s.Display.Format, NumberFormat::Norm);
    EXPECT_TRUE(c.Format);
}

TEST(ModeSwitches, DigitAndPostfixStepsAreClamped) {
    struct Case {
        const char* Label;
        int Start;
        int Delta;
        int Expected;
        bool Postfix;
    };
    const std::vector<Case> cases = {
        {"digits up", 3, 1, 4, false},     {"digits down", 3, -1, 2, false},
        {"digits top", 15, 1, 15, false},  {"digits bottom", 0, -1, 0, false},
        {"postfix left", 6, -1, 5, true},  {"postfix right", 6, 1, 7, true},
        {"postfix first", 1, -1, 1, true}, {"postfix last", 11, 1, 11, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Label);
        ModeSwitches s;
        int& field = c.Postfix ? s.Display.PostfixPosition : s.Display.Digits;
        field = c.Start;
        const SwitchChanges changes =
            c.Postfix ? StepPostfixPosition(s, c.Delta) : StepRoundingDigits(s, c.Delta);
        EXPECT_EQ(field, c.Expected);
        EXPECT_EQ(changes.Format, c.Start != c.Expected);
        EXPECT_EQ(changes.FollowUp, SwitchFollowUp::RedisplayAns);
    }
}

TEST(ModeSwitches, EditTexts) {
    DisplayModes d;
    d.Digits = 12;
    EXPECT_EQ(RoundingDigitsText(d), "12");
    const std::vector<std::pair<int, std::string>> postfixes = {{1, "f"}, {4, "u"}, {5, "m"},
                                                                {6, ""},  {7, "k"}, {11, "P"}};
    for (const auto& [position, text] : postfixes) {
        d.PostfixPosition = position;
        EXPECT_EQ(PostfixEditText(d), text) << position;
    }
}

TEST(ModeSwitches, FollowUpDependsOnSwitchAndSource) {
    using enum SwitchFollowUp;
    auto bySource = [](SwitchChanges (*fn)(ModeSwitches&, SwitchSource)) {
        return [fn](SwitchSource source) {
            return Operation([fn, source](ModeSwitches& s) { return fn(s, source); });
        };
    };
    struct Row {
        const char* Label;
        std::function<Operation(SwitchSource)> Make;
        SwitchFollowUp Expected[4];  // keypad button, panel, menu item, shortcut
    };
    const std::vector<Row> rows = {
        {"angle", bySource(SwitchAngleUnits), {Recalculate, ShowAns, RedisplayAns, ShowAns}},
        {"base",
         [](SwitchSource source) {
             return Operation([source](ModeSwitches& s) { return SwitchBase(s, source); });
         },
         {Recalculate, ShowAns, RedisplayAns, ShowAns}},
        {"domain", bySource(SwitchDomain), {Recalculate, ShowAns, RedisplayAns, ShowAns}},
        {"format", bySource(SwitchNumberFormat), {RedisplayAns, ShowAns, RedisplayAns, ShowAns}},
        {"mode", bySource(SwitchFunctionMode), {None, None, None, None}},
    };
    for (const auto& row : rows) {
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(std::string(row.Label) + " source " + std::to_string(i));
            ModeSwitches s;
            EXPECT_EQ(row.Make(kSources[i])(s).FollowUp, row.Expected[i]);
        }
    }
}

TEST(ModeSwitches, EverySwitchReleasesInvAndHyp) {
    const std::vector<std::pair<const char*, Operation>> switches = {
        {"angle", [](ModeSwitches& s) { return SwitchAngleUnits(s, SwitchSource::KeypadButton); }},
        {"base", [](ModeSwitches& s) { return SwitchBase(s, SwitchSource::Panel); }},
        {"domain", [](ModeSwitches& s) { return SwitchDomain(s, SwitchSource::Panel); }},
        {"format", [](ModeSwitches& s) { return SwitchNumberFormat(s, SwitchSource::Panel); }},
        {"mode", [](ModeSwitches& s) { return SwitchFunctionMode(s, SwitchSource::Panel); }},
        {"mode item", [](ModeSwitches& s) { return SelectFunctionMode(s, FunctionMode::Eval); }},
        {"base item", [](ModeSwitches& s) { return SelectBase(s, nbBin, SwitchSource::MenuItem); }},
        {"Ctrl+F", [](ModeSwitches& s) { return PressShortcut(s, "Ctrl+F"); }},
        {"Ctrl+M", [](ModeSwitches& s) { return PressShortcut(s, "Ctrl+M"); }},
    };
    for (const KeypadModifiers held : {KeypadModifiers{true, false}, KeypadModifiers{false, true},
                                       KeypadModifiers{true, true}}) {
        for (const auto& [label, op] : switches) {
            SCOPED_TRACE(label);
            ModeSwitches s;
            s.Modifiers = held;
            EXPECT_TRUE(op(s).ModifiersReleased);
            EXPECT_EQ(s.Modifiers, KeypadModifiers{});
        }
    }
    // Nothing held, nothing released.
    ModeSwitches s;
    EXPECT_FALSE(SwitchDomain(s, SwitchSource::Panel).ModifiersReleased);
    // The display toggles are no mode switches.
    s.Modifiers = {true, true};
    ToggleRounding(s);
    EXPECT_EQ(s.Modifiers, (KeypadModifiers{true, true}));
}

TEST(ModeSwitches, ShortcutsReachTheSwitches) {
    struct Case {
        const char* Keys;
        ModeSwitch Which;
        std::string_view Caption;  // after one press from the default state
    };
    const std::vector<Case> cases = {
        {"Ctrl+A", ModeSwitch::AngleUnit, "grad"},      {"Ctrl+B", ModeSwitch::Base, "hex"},
        {"Ctrl+Shift+B", ModeSwitch::Base, "oct"},      {"Ctrl+F", ModeSwitch::NumberFormat, "fix"},
        {"Ctrl+M", ModeSwitch::FunctionMode, "eval"},   {"Ctrl+E", ModeSwitch::NumberFormat, "eng"},
        {"Ctrl+PgDn", ModeSwitch::NumberFormat, "eng"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Keys);
        ModeSwitches s;
        const SwitchChanges changes = PressShortcut(s, c.Keys);
        EXPECT_EQ(SwitchCaption(s, c.Which), c.Caption);
        EXPECT_NE(changes.FollowUp, SwitchFollowUp::Recalculate);  // as a click on the panel
    }
    ModeSwitches s;
    PressShortcut(s, "Ctrl+R");
    EXPECT_TRUE(s.Display.RoundingOn);
    PressShortcut(s, "Ctrl+PgUp");
    EXPECT_FALSE(s.Display.RoundingOn);
    PressShortcut(s, "PgUp");
    EXPECT_EQ(s.Display.Digits, 4);
    PressShortcut(s, "PgDn");
    PressShortcut(s, "PgDn");
    EXPECT_EQ(s.Display.Digits, 2);
    PressShortcut(s, "Ctrl+R");
    PressShortcut(s, "Alt+Right");
    EXPECT_EQ(s.Display.Digits, 3);
    PressShortcut(s, "Alt+Left");
    EXPECT_EQ(s.Display.Digits, 2);
    PressShortcut(s, "Ctrl+E");
    PressShortcut(s, "Alt+PgUp");
    EXPECT_EQ(s.Display.PostfixPosition, 5);
    PressShortcut(s, "Alt+PgDn");
    PressShortcut(s, "Alt+PgDn");
    EXPECT_EQ(s.Display.PostfixPosition, 7);
}

TEST(ModeSwitches, ShortcutGuardsFollowTheControls) {
    ModeSwitches s;
    ShortcutContext context = ShortcutContextOf(s, false);
    EXPECT_FALSE(ShortcutAllowed(*FindShortcut("Alt+Left"), context));
    EXPECT_FALSE(ShortcutAllowed(*FindShortcut("Alt+PgUp"), context));
    EXPECT_TRUE(ShortcutAllowed(*FindShortcut("PgUp"), context));
    EXPECT_FALSE(ShortcutAllowed(*FindShortcut("PgUp"), ShortcutContextOf(s, true)));
    ToggleRounding(s);
    EXPECT_TRUE(ShortcutAllowed(*FindShortcut("Alt+Left"), ShortcutContextOf(s, false)));
    ToggleEngPostfix(s);
    context = ShortcutContextOf(s, false);
    EXPECT_FALSE(ShortcutAllowed(*FindShortcut("Alt+Right"), context));
    EXPECT_TRUE(ShortcutAllowed(*FindShortcut("Alt+PgDn"), context));
    SwitchBase(s, SwitchSource::Shortcut);
    context = ShortcutContextOf(s, false);
    EXPECT_FALSE(ShortcutAllowed(*FindShortcut("Alt+PgDn"), context));
    EXPECT_FALSE(ShortcutAllowed(*FindShortcut("Alt+Right"), context));
}

TEST(ModeSwitches, OtherShortcutsAreLeftToTheWindow) {
    for (const ShortcutCommand command :
         {ShortcutCommand::MaximizeWindow, ShortcutCommand::ShowFunctionKeypad,
          ShortcutCommand::FocusInputLine, ShortcutCommand::SaveDataFile,
          ShortcutCommand::OpenConstants, ShortcutCommand::FocusRegisterX,
          ShortcutCommand::SeriesExpansion, ShortcutCommand::MinimizeWindow,
          ShortcutCommand::RunLibraryTask, ShortcutCommand::HelpTopic}) {
        ModeSwitches s;
        s.Modifiers = {true, false};
        EXPECT_FALSE(ApplyShortcutCommand(s, command).has_value());
        EXPECT_EQ(s, (ModeSwitches{.Modifiers = {true, false}}));
    }
}

TEST(ModeSwitches, LoadedStatesAreMadeConsistent) {
    struct Case {
        const char* Label;
        TNumericalScope Scope;
        TNumericalBase Base;
        NumberFormat Format;
        bool Rounding;
        bool Postfix;
        // expected
        TNumericalBase ExpBase;
        NumberFormat ExpFormat;
        bool ExpRounding;
        bool ExpPostfix;
    };
    using NF = NumberFormat;
    const std::vector<Case> cases = {
        {"complex hex", nsComplex, nbHex, NF::Norm, false, false, nbDec, NF::Norm, false, false},
        {"complex bin fix", nsComplex, nbBin, NF::Fix, true, false, nbDec, NF::Fix, true, false},
        {"real hex sci", nsReal, nbHex, NF::Sci, true, false, nbHex, NF::Norm, false, false},
        {"real oct eng", nsReal, nbOct, NF::Eng, false, true, nbOct, NF::Norm, false, false},
        {"eng without postfix", nsReal, nbDec, NF::Eng, true, false, nbDec, NF::Eng, false, true},
        {"fix with postfix", nsReal, nbDec, NF::Fix, false, true, nbDec, NF::Fix, false, false},
        {"consistent", nsComplex, nbDec, NF::Sci, true, false, nbDec, NF::Sci, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Label);
        ModeSwitches s;
        s.Scope = c.Scope;
        s.Display.Base = c.Base;
        s.Display.Format = c.Format;
        s.Display.RoundingOn = c.Rounding;
        s.Display.EngPostfixOn = c.Postfix;
        s.Modifiers = {true, true};
        NormalizeModeSwitches(s);
        EXPECT_EQ(s.Scope, c.Scope);  // the domain is kept
        EXPECT_EQ(s.Display.Base, c.ExpBase);
        EXPECT_EQ(s.Display.Format, c.ExpFormat);
        EXPECT_EQ(s.Display.RoundingOn, c.ExpRounding);
        EXPECT_EQ(s.Display.EngPostfixOn, c.ExpPostfix);
        EXPECT_EQ(Violation(s), "");
    }
}

// Every state reachable from the defaults by any operation on any path keeps
// the coupling rules.
TEST(ModeSwitches, CouplingHoldsInEveryReachableState) {
    std::vector<std::pair<std::string, Operation>> operations;
    for (SwitchSource source : kSources) {
        const std::string from = " #" + std::to_string(static_cast<int>(source));
        operations.emplace_back("angle" + from,
                                [source](ModeSwitches& s) { return SwitchAngleUnits(s, source); });
        operations.emplace_back("base" + from,
                                [source](ModeSwitches& s) { return SwitchBase(s, source); });
        operations.emplace_back("base back" + from,
                                [source](ModeSwitches& s) { return SwitchBase(s, source, true); });
        operations.emplace_back("domain" + from,
                                [source](ModeSwitches& s) { return SwitchDomain(s, source); });
        operations.emplace_back(
            "format" + from, [source](ModeSwitches& s) { return SwitchNumberFormat(s, source); });
    }
    for (TNumericalBase base : {nbDec, nbHex, nbBin, nbOct}) {
        operations.emplace_back("select base", [base](ModeSwitches& s) {
            return SelectBase(s, base, SwitchSource::MenuItem);
        });
    }
    for (TNumericalScope scope : {nsReal, nsComplex}) {
        operations.emplace_back("select domain", [scope](ModeSwitches& s) {
            return SelectDomain(s, scope, SwitchSource::MenuItem);
        });
    }
    for (NumberFormat format :
         {NumberFormat::Norm, NumberFormat::Fix, NumberFormat::Sci, NumberFormat::Eng}) {
        operations.emplace_back("select format", [format](ModeSwitches& s) {
            return SelectNumberFormat(s, format, SwitchSource::MenuItem);
        });
    }
    operations.emplace_back("rounding", ToggleRounding);
    operations.emplace_back("postfix", ToggleEngPostfix);
    for (const ShortcutEntry& entry : ShortcutTable()) {
        operations.emplace_back(std::string(entry.Keys), [&entry](ModeSwitches& s) {
            if (!ShortcutAllowed(entry, ShortcutContextOf(s, false))) return SwitchChanges{};
            return ApplyShortcutCommand(s, entry.Command).value_or(SwitchChanges{});
        });
    }

    auto key = [](const ModeSwitches& s) {
        const DisplayModes& d = s.Display;
        return std::to_string(s.AngleUnits) + std::to_string(s.Scope) + std::to_string(d.Base) +
               std::to_string(static_cast<int>(d.Format)) + std::to_string(d.RoundingOn) +
               std::to_string(d.EngPostfixOn) + std::to_string(static_cast<int>(s.Mode)) + "/" +
               std::to_string(d.Digits) + "/" + std::to_string(d.PostfixPosition);
    };
    std::set<std::string> seen{key(ModeSwitches{})};
    std::vector<ModeSwitches> pending{ModeSwitches{}};
    std::set<std::string> complexBases;
    while (!pending.empty()) {
        const ModeSwitches state = pending.back();
        pending.pop_back();
        for (const auto& [label, op] : operations) {
            ModeSwitches next = state;
            op(next);
            const std::string violation = Violation(next);
            ASSERT_EQ(violation, "") << label << " from " << key(state);
            if (next.Scope == nsComplex)
                complexBases.insert(std::string(BaseCaption(next.Display.Base)));
            if (seen.insert(key(next)).second) pending.push_back(next);
        }
    }
    EXPECT_EQ(complexBases, std::set<std::string>{"dec"});
    // The walk reaches every consistent state and no other: 3 angle units,
    // 2 function modes, 16 digit counts, 11 postfix positions, and 17 ways of
    // domain, base, format, rounding and postfix (in each domain of the
    // decimal base norm, fix and sci with and without rounding, and eng; in
    // the real domain the three other bases with norm).
    EXPECT_EQ(seen.size(), 3u * 2u * 16u * 11u * 17u);
}

}  // namespace
}  // namespace tarvix::testing
