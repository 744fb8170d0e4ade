// The mode switches: caption tables, cycles, coupling and the follow-ups.
#include "calculator/mode_switches.h"

#include <algorithm>
#include <iterator>
#include <span>

#include "calculator/eng_postfix.h"
#include "engine/name_utils.h"

namespace tarvix {
namespace {

struct AngleRow {
    TAngleUnits Units;
    std::string_view Caption;
    long double FactorToNext;  // converts an angle in this unit into the next one
};
constexpr AngleRow kAngles[] = {
    {auDeg, "deg", 0.017453292519943295769L},  // π/180
    {auRad, "rad", 63.661977236758134305L},    // 200/π
    {auGrad, "grad", 0.9L},                    // 180/200
};

struct ScopeRow {
    TNumericalScope Scope;
    std::string_view Caption;
};
constexpr ScopeRow kScopes[] = {{nsReal, "real"}, {nsComplex, "cplx"}};

struct ModeRow {
    FunctionMode Mode;
    std::string_view Caption;
};
constexpr ModeRow kModes[] = {{FunctionMode::Insert, "insert"}, {FunctionMode::Eval, "eval"}};

constexpr TNumericalBase kBaseCycle[] = {nbDec, nbHex, nbBin, nbOct};
constexpr NumberFormat kFormatCycle[] = {NumberFormat::Norm, NumberFormat::Fix, NumberFormat::Sci,
                                         NumberFormat::Eng};

// What follows a switch, by switch (rows in ModeSwitch order) and source
// (columns in SwitchSource order). A shortcut acts as a click on the panel.
using enum SwitchFollowUp;
constexpr SwitchFollowUp kFollowUps[][4] = {
    /* angle unit */ {Recalculate, ShowAns, RedisplayAns, ShowAns},
    /* base */ {Recalculate, ShowAns, RedisplayAns, ShowAns},
    /* domain */ {Recalculate, ShowAns, RedisplayAns, ShowAns},
    /* number format */ {RedisplayAns, ShowAns, RedisplayAns, ShowAns},
    /* function mode */ {None, None, None, None},
};

// The row of `value` in a table whose rows have `member`; the first row when
// there is none.
template <typename Row, typename Value>
const Row& RowOf(std::span<const Row> rows, Value Row::*member, Value value) {
    const auto found = std::ranges::find(rows, value, member);
    return found == rows.end() ? rows.front() : *found;
}

template <typename Row>
const Row* RowOfCaption(std::span<const Row> rows, std::string_view caption) {
    const auto found = std::ranges::find_if(
        rows, [caption](const Row& row) { return EqualsNoCase(row.Caption, caption); });
    return found == rows.end() ? nullptr : &*found;
}

template <typename T, std::size_t N>
T StepCycle(const T (&cycle)[N], T value, bool backwards) {
    const auto at = static_cast<std::size_t>(std::ranges::find(cycle, value) - std::begin(cycle));
    return cycle[(at % N + (backwards ? N - 1 : 1)) % N];
}

template <typename T>
void Assign(T& field, T value, bool& changed) {
    if (field == value) return;
    field = value;
    changed = true;
}

// Rounding, the postfix and any format but "norm" need the decimal base.
void ApplyDecimalOnlyModes(ModeSwitches& state, SwitchChanges& changes) {
    if (state.Display.Base == nbDec) return;
    Assign(state.Display.RoundingOn, false, changes.Format);
    Assign(state.Display.EngPostfixOn, false, changes.Format);
    Assign(state.Display.Format, NumberFormat::Norm, changes.Format);
}

void ApplyFormat(ModeSwitches& state, NumberFormat format, SwitchChanges& changes) {
    if (state.Display.Base != nbDec) format = NumberFormat::Norm;
    const bool eng = format == NumberFormat::Eng;
    Assign(state.Display.Format, format, changes.Format);
    Assign(state.Display.EngPostfixOn, eng, changes.Format);
    if (eng) Assign(state.Display.RoundingOn, false, changes.Format);
    changes.SelectEngPostfix = eng;
}

void ApplyBase(ModeSwitches& state, TNumericalBase base, SwitchChanges& changes) {
    if (base != nbDec) Assign(state.Scope, nsReal, changes.Scope);
    Assign(state.Display.Base, base, changes.Base);
    ApplyDecimalOnlyModes(state, changes);
}

void ApplyScope(ModeSwitches& state, TNumericalScope scope, SwitchChanges& changes) {
    if (scope == nsComplex) ApplyBase(state, nbDec, changes);
    Assign(state.Scope, scope, changes.Scope);
}

// The common end of the five switches.
SwitchChanges Finish(ModeSwitches& state, SwitchChanges changes, ModeSwitch which,
                     SwitchSource source) {
    Assign(state.Modifiers, KeypadModifiers{}, changes.ModifiersReleased);
    changes.FollowUp = kFollowUps[static_cast<int>(which)][static_cast<int>(source)];
    return changes;
}

SwitchChanges FollowedByRedisplay(SwitchChanges changes) {
    changes.FollowUp = RedisplayAns;
    return changes;
}

struct ShortcutSwitch {
    ShortcutCommand Command;
    SwitchChanges (*Apply)(ModeSwitches&);
};
constexpr SwitchSource kShortcut = SwitchSource::Shortcut;
constexpr ShortcutSwitch kShortcutSwitches[] = {
    {ShortcutCommand::AngleUnitSwitch,
     [](ModeSwitches& s) { return SwitchAngleUnits(s, kShortcut); }},
    {ShortcutCommand::BaseSwitch, [](ModeSwitches& s) { return SwitchBase(s, kShortcut, false); }},
    {ShortcutCommand::BaseSwitchBackward,
     [](ModeSwitches& s) { return SwitchBase(s, kShortcut, true); }},
    {ShortcutCommand::NumberFormatSwitch,
     [](ModeSwitches& s) { return SwitchNumberFormat(s, kShortcut); }},
    {ShortcutCommand::FunctionModeSwitch,
     [](ModeSwitches& s) { return SwitchFunctionMode(s, kShortcut); }},
    {ShortcutCommand::ToggleEngPostfix, [](ModeSwitches& s) { return ToggleEngPostfix(s); }},
    {ShortcutCommand::ToggleRounding, [](ModeSwitches& s) { return ToggleRounding(s); }},
    {ShortcutCommand::RoundingDigitsDown,
     [](ModeSwitches& s) { return StepRoundingDigits(s, -1); }},
    {ShortcutCommand::RoundingDigitsUp, [](ModeSwitches& s) { return StepRoundingDigits(s, 1); }},
    {ShortcutCommand::PostfixLeft, [](ModeSwitches& s) { return StepPostfixPosition(s, -1); }},
    {ShortcutCommand::PostfixRight, [](ModeSwitches& s) { return StepPostfixPosition(s, 1); }},
};

}  // namespace

std::string_view AngleUnitsCaption(TAngleUnits units) {
    return RowOf<AngleRow>(kAngles, &AngleRow::Units, units).Caption;
}

std::optional<TAngleUnits> AngleUnitsFromCaption(std::string_view caption) {
    const AngleRow* row = RowOfCaption<AngleRow>(kAngles, caption);
    return row ? std::optional(row->Units) : std::nullopt;
}

std::string_view ScopeCaption(TNumericalScope scope) {
    return RowOf<ScopeRow>(kScopes, &ScopeRow::Scope, scope).Caption;
}

std::optional<TNumericalScope> ScopeFromCaption(std::string_view caption) {
    const ScopeRow* row = RowOfCaption<ScopeRow>(kScopes, caption);
    return row ? std::optional(row->Scope) : std::nullopt;
}

std::string_view FunctionModeCaption(FunctionMode mode) {
    return RowOf<ModeRow>(kModes, &ModeRow::Mode, mode).Caption;
}

std::optional<FunctionMode> FunctionModeFromCaption(std::string_view caption) {
    const ModeRow* row = RowOfCaption<ModeRow>(kModes, caption);
    return row ? std::optional(row->Mode) : std::nullopt;
}

std::string_view SwitchCaption(const ModeSwitches& state, ModeSwitch which) {
    switch (which) {
        case ModeSwitch::AngleUnit:
            return AngleUnitsCaption(state.AngleUnits);
        case ModeSwitch::Base:
            return BaseCaption(state.Display.Base);
        case ModeSwitch::Domain:
            return ScopeCaption(state.Scope);
        case ModeSwitch::NumberFormat:
            return NumberFormatCaption(state.Display.Format);
        case ModeSwitch::FunctionMode:
            return FunctionModeCaption(state.Mode);
    }
    return {};
}

long double AngleToNextUnitFactor(TAngleUnits from) {
    return RowOf<AngleRow>(kAngles, &AngleRow::Units, from).FactorToNext;
}

SwitchChanges SwitchAngleUnits(ModeSwitches& state, SwitchSource source) {
    const auto& row = RowOf<AngleRow>(kAngles, &AngleRow::Units, state.AngleUnits);
    const std::size_t at = static_cast<std::size_t>(&row - kAngles);
    SwitchChanges changes;
    if (source == SwitchSource::KeypadButton) changes.AnsFactor = row.FactorToNext;
    Assign(state.AngleUnits, kAngles[(at + 1) % std::size(kAngles)].Units, changes.AngleUnits);
    return Finish(state, changes, ModeSwitch::AngleUnit, source);
}

SwitchChanges SwitchBase(ModeSwitches& state, SwitchSource source, bool backwards) {
    SwitchChanges changes;
    // The complex domain returns to real before the base moves.
    Assign(state.Scope, nsReal, changes.Scope);
    ApplyBase(state, StepCycle(kBaseCycle, state.Display.Base, backwards), changes);
    return Finish(state, changes, ModeSwitch::Base, source);
}

SwitchChanges SwitchDomain(ModeSwitches& state, SwitchSource source) {
    SwitchChanges changes;
    ApplyScope(state, state.Scope == nsReal ? nsComplex : nsReal, changes);
    return Finish(state, changes, ModeSwitch::Domain, source);
}

SwitchChanges SwitchNumberFormat(ModeSwitches& state, SwitchSource source) {
    SwitchChanges changes;
    ApplyFormat(state, StepCycle(kFormatCycle, state.Display.Format, false), changes);
    return Finish(state, changes, ModeSwitch::NumberFormat, source);
}

SwitchChanges SwitchFunctionMode(ModeSwitches& state, SwitchSource source) {
    SwitchChanges changes;
    Assign(state.Mode,
           state.Mode == FunctionMode::Insert ? FunctionMode::Eval : FunctionMode::Insert,
           changes.FunctionMode);
    return Finish(state, changes, ModeSwitch::FunctionMode, source);
}

SwitchChanges SelectAngleUnits(ModeSwitches& state, TAngleUnits units, SwitchSource source) {
    SwitchChanges changes;
    Assign(state.AngleUnits, units, changes.AngleUnits);
    return Finish(state, changes, ModeSwitch::AngleUnit, source);
}

SwitchChanges SelectBase(ModeSwitches& state, TNumericalBase base, SwitchSource source) {
    SwitchChanges changes;
    ApplyBase(state, base, changes);
    return Finish(state, changes, ModeSwitch::Base, source);
}

SwitchChanges SelectDomain(ModeSwitches& state, TNumericalScope scope, SwitchSource source) {
    SwitchChanges changes;
    ApplyScope(state, scope, changes);
    return Finish(state, changes, ModeSwitch::Domain, source);
}

SwitchChanges SelectNumberFormat(ModeSwitches& state, NumberFormat format, SwitchSource source) {
    SwitchChanges changes;
    ApplyFormat(state, format, changes);
    return Finish(state, changes, ModeSwitch::NumberFormat, source);
}

SwitchChanges SelectFunctionMode(ModeSwitches& state, FunctionMode mode) {
    SwitchChanges changes;
    Assign(state.Mode, mode, changes.FunctionMode);
    return Finish(state, changes, ModeSwitch::FunctionMode, SwitchSource::MenuItem);
}

SwitchChanges ToggleRounding(ModeSwitches& state) {
    SwitchChanges changes;
    if (!RoundingButtonsEnabled(state.Display)) return changes;
    const bool on = !state.Display.RoundingOn;
    if (on && state.Display.Format == NumberFormat::Eng) {
        ApplyFormat(state, NumberFormat::Norm, changes);
    }
    Assign(state.Display.RoundingOn, on, changes.Format);
    return FollowedByRedisplay(changes);
}

SwitchChanges ToggleEngPostfix(ModeSwitches& state) {
    SwitchChanges changes;
    if (!RoundingButtonsEnabled(state.Display)) return changes;
    ApplyFormat(state, state.Display.EngPostfixOn ? NumberFormat::Norm : NumberFormat::Eng,
                changes);
    return FollowedByRedisplay(changes);
}

SwitchChanges StepRoundingDigits(ModeSwitches& state, int delta) {
    SwitchChanges changes;
    Assign(state.Display.Digits,
           std::clamp(state.Display.Digits + delta, kMinRoundingDigits, kMaxRoundingDigits),
           changes.Format);
    return FollowedByRedisplay(changes);
}

SwitchChanges StepPostfixPosition(ModeSwitches& state, int delta) {
    SwitchChanges changes;
    Assign(state.Display.PostfixPosition,
           std::clamp(state.Display.PostfixPosition + delta, kMinEngPostfix, kMaxEngPostfix),
           changes.Format);
    return FollowedByRedisplay(changes);
}

bool RoundingButtonsEnabled(const DisplayModes& modes) {
    return modes.Base == nbDec;
}

bool RoundingControlsEnabled(const DisplayModes& modes) {
    return RoundingButtonsEnabled(modes) && modes.RoundingOn;
}

bool PostfixControlsEnabled(const DisplayModes& modes) {
    return RoundingButtonsEnabled(modes) && modes.EngPostfixOn;
}

ShortcutContext ShortcutContextOf(const ModeSwitches& state, bool dropDownOpen) {
    return {RoundingControlsEnabled(state.Display), PostfixControlsEnabled(state.Display),
            dropDownOpen};
}

std::string RoundingDigitsText(const DisplayModes& modes) {
    return std::to_string(modes.Digits);
}

std::string PostfixEditText(const DisplayModes& modes) {
    const char c = EngPostfixChar(modes.PostfixPosition);
    return c == ' ' ? std::string() : std::string(1, c);
}

std::optional<SwitchChanges> ApplyShortcutCommand(ModeSwitches& state, ShortcutCommand command) {
    const auto found = std::ranges::find(kShortcutSwitches, command, &ShortcutSwitch::Command);
    if (found == std::end(kShortcutSwitches)) return std::nullopt;
    return found->Apply(state);
}

void NormalizeModeSwitches(ModeSwitches& state) {
    SwitchChanges ignored;
    if (state.Scope == nsComplex) ApplyBase(state, nbDec, ignored);
    ApplyDecimalOnlyModes(state, ignored);
    ApplyFormat(state, state.Display.Format, ignored);
}

}  // namespace tarvix
