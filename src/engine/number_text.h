// Locale-independent text of a value with up to 15 significant digits, used
// where a plain "%g"-style text is wanted (the headless evaluator, files).
#pragma once

#include <string>

#include "engine/complex_value.h"

namespace tarvix {

// The real number in shortest general notation with at most `digits`
// significant digits; "." as decimal separator; negative zero gives "0".
std::string GeneralText(long double value, int digits = 15);

// Real part, then the imaginary part with its sign and the unit letter; zero
// parts are left out (0 when both are zero).
std::string ComplexGeneralText(const ComplexValue& value, char imaginaryUnit, int digits = 15);

}  // namespace tarvix
