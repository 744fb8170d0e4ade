// The task statement MODE: a line such as "mode rad,dec,real" or
// "MODE HEX DEG RND=4" that sets the calculator's modes. Both the task
// interpreter and the library's formula transfer run it; the words are
// searched anywhere in the upper-cased text, so "mode deg,dec,cplx,imag=j"
// and "MODE: DEG CPLX" read alike.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "calculator/display_modes.h"
#include "engine/engine_modes.h"

namespace tarvix {

class Calculator;

struct ModeStatement {
    // Every base word found, in the order DEC, HEX, BIN, OCT; the first one
    // that differs from the current base is applied, the rest are ignored.
    std::vector<TNumericalBase> Bases;
    std::optional<TAngleUnits> AngleUnits;    // DEG, else GRAD, else RAD
    std::optional<TNumericalScope> Scope;     // REAL, then CPLX (the last one wins)
    std::optional<char> ImaginaryUnit;        // IMAG=I, else IMAG=J
    std::optional<NumberFormat> Format;       // NORM, FIX, SCI, ENG: the last one present wins
    bool EnterAppendsData = false;            // DATA present; every MODE sets the option
    std::optional<int> RoundingDigits;        // RND=d (a non-digit reads as 7)
};

// Reads the statement's words; never fails (unknown words are ignored).
ModeStatement ParseModeStatement(std::string_view text);

// Whether an explanation or task line is a MODE statement: its first word is
// MODE in any case ("model=5" is a variable, not a mode line).
bool IsModeStatement(std::string_view line);

// Applies the modes to the calculator: base, angle unit, domain, imaginary
// unit, number format, the option "Enter vkládá data", rounding. The input
// line is kept as it was, and Ans is shown again in the new modes instead of
// recalculating the input line (a task's input line may hold an assignment
// that must not run twice).
void ApplyModeStatement(Calculator& calculator, const ModeStatement& statement);

}  // namespace tarvix
