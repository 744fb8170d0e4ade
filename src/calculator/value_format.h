// The display text of values: one real number in the display modes and a
// (complex) value as the display, the register hints, the variable list and
// the history show it. Pure functions of the value and the options; they never
// change a mode (a text in another base is just other options).
#pragma once

#include <string>

#include "calculator/format_options.h"
#include "engine/complex_value.h"

namespace tarvix {

// One real number in the display modes:
// - decimal base: with the engineering postfix on, x is divided by the factor
//   of the postfix position and the postfix character follows (a blank for
//   position 6); otherwise a blank follows. With rounding on and a format
//   other than fix, x is first rounded to N significant digits (N = 0 counts
//   as 1). The text is the number mask's text plus that character, passed
//   through JustifyDisplayText.
// - hexadecimal, binary, octal: BaseText; the number format, rounding and
//   postfix do not apply.
std::string FormatReal(long double x, const FormatOptions& options);

// The display text of a value, ending in a blank after a number:
// - real domain: the real part;
// - complex domain, component form: "3-4i", "2i" or "5";
// - complex domain, exponential form: modulus, "*e^", angle in the evaluator's
//   unit with its mark ("o" degrees, "g" grads, none for radians) and the
//   unit letter, such as 2*e^45oi; a modulus of 1 is left out (e^90oi), a
//   modulus below 1e-15 gives "0" and an angle below 1e-15 radians the modulus
//   alone. The text reads back as an expression in the complex domain.
std::string FormatValueText(const ComplexValue& value, const FormatOptions& options);

}  // namespace tarvix
