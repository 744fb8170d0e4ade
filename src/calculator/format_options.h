// Everything a value's text depends on, passed explicitly to the formatter:
// the display modes, the decimal separator and the engine modes that decide
// how complex values are written.
#pragma once

#include "calculator/calculator_messages.h"
#include "calculator/display_modes.h"
#include "engine/engine_modes.h"

namespace tarvix {

struct FormatOptions {
    DisplayModes Display{};
    char DecimalSeparator = '.';     // "." or ",", the system's separator
    TNumericalScope Scope = nsReal;  // the evaluator's domain
    TAngleUnits AngleUnits = auDeg;  // angle of the exponential complex form
    char ImaginaryUnit = 'i';        // "i" or "j"
    // Replaceable texts; nullptr uses the built-in ones.
    const CalculatorMessageTable* Texts = nullptr;
};

inline const CalculatorMessageTable& TextsOf(const FormatOptions& options) {
    return options.Texts ? *options.Texts : BuiltInCalculatorMessages();
}

}  // namespace tarvix
