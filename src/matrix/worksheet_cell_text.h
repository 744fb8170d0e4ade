// Cell texts that keep a value exactly: each number written with the fewest
// decimal digits that read back as the same 80-bit value, in the component
// form ("3-4i") or the exponential form ("2*e^45oi") of the display. The
// worksheet writes them where the display format would shorten a number.
#pragma once

#include <string>

#include "engine/complex_value.h"
#include "engine/engine_modes.h"

namespace tarvix {

// The shortest "." decimal text (exponent as "e+20", "e-05") that reads back
// as exactly x; "0" for either zero.
std::string ExactNumberText(long double x);

// Component form: "5", "2i", "-1i", "3-4i" (the imaginary part always with
// its digits); the real part alone when the imaginary part is 0.
std::string ExactComponentText(const ComplexValue& v, char imaginaryUnit);

// Exponential form as the display writes it, with exact numbers: a value
// with no imaginary part as a real number; a modulus below 1e-15 as "0"; an
// angle below 1e-15 radians as the modulus alone; else the modulus (left out
// when it is 1), "*e^", the angle in `units` with its mark ("o" degrees, "g"
// grads, none for radians) and the unit letter.
std::string ExactExponentialText(const ComplexValue& v, TAngleUnits units, char imaginaryUnit);

}  // namespace tarvix
