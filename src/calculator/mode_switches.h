// The main window's five mode switches (angle unit, base, domain, number
// format, function mode), their captions as the panels show and the files
// store them, their cycles and coupling, and the rounding and engineering
// postfix toggles. Each operation changes an explicit state and reports what
// changed, so the owner applies it to the evaluator and the display.
//
// Coupling kept on every path (keypad button, panel, menu, shortcut, loading):
// - the complex domain and a non-decimal base exclude each other: switching
//   the base while complex first returns to the real domain, switching to the
//   complex domain first returns the base to "dec";
// - a non-decimal base releases rounding and the engineering postfix and keeps
//   the format at "norm";
// - the format "eng" and the engineering postfix go together, and rounding and
//   the postfix exclude each other;
// - every switch releases the keypad's inv and hyp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/calculator_options.h"
#include "calculator/display_modes.h"
#include "calculator/keypad_texts.h"
#include "calculator/shortcut_table.h"
#include "engine/engine_modes.h"

namespace tarvix {

enum class ModeSwitch : std::uint8_t { AngleUnit, Base, Domain, NumberFormat, FunctionMode };

// Where a switch was operated; decides what follows it.
enum class SwitchSource : std::uint8_t { KeypadButton, Panel, MenuItem, Shortcut };

// What the owner does after a switch (besides refreshing a visible variable list).
enum class SwitchFollowUp : std::uint8_t {
    None,
    Recalculate,   // run the calculation command again in the new mode
    ShowAns,       // format Ans in the new mode and show it
    RedisplayAns,  // show Ans again when the display shows a value
};

// Defaults are those of a fresh settings file.
struct ModeSwitches {
    TAngleUnits AngleUnits = auRad;            // "rad"
    TNumericalScope Scope = nsReal;            // "real"
    DisplayModes Display{};                    // "norm", "dec", rounding and postfix
    FunctionMode Mode = FunctionMode::Insert;  // "insert"
    KeypadModifiers Modifiers{};               // inv and hyp

    friend bool operator==(const ModeSwitches&, const ModeSwitches&) = default;
};

struct SwitchChanges {
    bool AngleUnits = false;  // set the evaluator's AngleUnits
    bool Base = false;        // set the evaluator's NumericalBase; the base panel's colour
    // Set the evaluator's NumericalScope; the display's font and colour, the
    // domain panel's colour, the complex-form items; tell the worksheet.
    bool Scope = false;
    bool Format = false;  // format, rounding or postfix: captions, controls, format string
    bool FunctionMode = false;
    bool ModifiersReleased = false;  // inv or hyp was down and is released
    // The format became "eng": choose the postfix for Ans (when the display
    // shows a value) before it is shown.
    bool SelectEngPostfix = false;
    // The keypad's angle switch: multiply Ans (both parts) by this factor
    // before recalculating, when the display shows a value.
    std::optional<long double> AnsFactor;
    SwitchFollowUp FollowUp = SwitchFollowUp::None;

    bool AnyChange() const { return AngleUnits || Base || Scope || Format || FunctionMode; }
};

// Captions of the values: "deg", "rad", "grad"; "real", "cplx"; "insert",
// "eval". Number format and base captions are those of display_modes.h.
// Reading compares without regard to case and gives nothing for an unknown
// caption; the caller chooses the fallback (the settings read any other angle
// unit as degrees and any other domain as complex).
std::string_view AngleUnitsCaption(TAngleUnits units);
std::optional<TAngleUnits> AngleUnitsFromCaption(std::string_view caption);
std::string_view ScopeCaption(TNumericalScope scope);
std::optional<TNumericalScope> ScopeFromCaption(std::string_view caption);
std::string_view FunctionModeCaption(FunctionMode mode);
std::optional<FunctionMode> FunctionModeFromCaption(std::string_view caption);

// The caption a switch's panel shows.
std::string_view SwitchCaption(const ModeSwitches& state, ModeSwitch which);

// The factor that converts an angle into the next unit of the cycle:
// deg → rad, rad → grad, grad → deg.
long double AngleToNextUnitFactor(TAngleUnits from);

// The switches: advance the cycle.
//   angle unit   deg → rad → grad → deg
//   base         dec → hex → bin → oct → dec (backwards: dec → oct → bin → hex)
//   domain       real ↔ cplx
//   format       norm → fix → sci → eng → norm (stays norm in a non-decimal base)
//   mode         insert ↔ eval
SwitchChanges SwitchAngleUnits(ModeSwitches& state, SwitchSource source);
SwitchChanges SwitchBase(ModeSwitches& state, SwitchSource source, bool backwards = false);
SwitchChanges SwitchDomain(ModeSwitches& state, SwitchSource source);
SwitchChanges SwitchNumberFormat(ModeSwitches& state, SwitchSource source);
SwitchChanges SwitchFunctionMode(ModeSwitches& state, SwitchSource source);

// Direct choices (the radio items of the menus, the task language) with the
// same coupling as the switches.
SwitchChanges SelectAngleUnits(ModeSwitches& state, TAngleUnits units, SwitchSource source);
SwitchChanges SelectBase(ModeSwitches& state, TNumericalBase base, SwitchSource source);
SwitchChanges SelectDomain(ModeSwitches& state, TNumericalScope scope, SwitchSource source);
SwitchChanges SelectNumberFormat(ModeSwitches& state, NumberFormat format, SwitchSource source);
SwitchChanges SelectFunctionMode(ModeSwitches& state, FunctionMode mode);

// Rounding and the engineering postfix (buttons, menu item, shortcuts); both
// need the decimal base. Switching the postfix on selects "eng", off "norm";
// switching rounding on releases the postfix (and "eng" becomes "norm").
// Followed by RedisplayAns.
SwitchChanges ToggleRounding(ModeSwitches& state);
SwitchChanges ToggleEngPostfix(ModeSwitches& state);
// Digits N by delta, clamped to 0..15; postfix position P by delta, clamped to
// 1..11. Followed by RedisplayAns.
SwitchChanges StepRoundingDigits(ModeSwitches& state, int delta);
SwitchChanges StepPostfixPosition(ModeSwitches& state, int delta);

// The enabled state of the controls.
bool RoundingButtonsEnabled(const DisplayModes& modes);   // rounding and postfix buttons
bool RoundingControlsEnabled(const DisplayModes& modes);  // digits edit and up-down
bool PostfixControlsEnabled(const DisplayModes& modes);   // postfix edit and up-down
ShortcutContext ShortcutContextOf(const ModeSwitches& state, bool dropDownOpen);

// The edits' texts: the digits N, and the postfix character (empty for the blank).
std::string RoundingDigitsText(const DisplayModes& modes);
std::string PostfixEditText(const DisplayModes& modes);

// A shortcut's effect on the switches, as a click on the panel (Ctrl+B keeps
// the exclusion of the complex domain as well); nothing for the commands that
// are not about modes. Check ShortcutAllowed first.
std::optional<SwitchChanges> ApplyShortcutCommand(ModeSwitches& state, ShortcutCommand command);

// Makes loaded values consistent: a complex domain with a non-decimal base
// keeps the domain and returns the base to "dec"; then the coupling above.
void NormalizeModeSwitches(ModeSwitches& state);

}  // namespace tarvix
