// The engineering postfixes "fpnum kMGTP" (position 1 "f" … 6 none … 11 "P"),
// their factors, and the choice of the postfix for a value.
#pragma once

#include <string_view>

#include "engine/complex_value.h"
#include "engine/engine_modes.h"

namespace tarvix {

inline constexpr std::string_view kEngPostfixAlphabet = "fpnum kMGTP";
inline constexpr int kMinEngPostfix = 1;
inline constexpr int kNoEngPostfix = 6;  // the blank: factor 1
inline constexpr int kMaxEngPostfix = 11;

// The character at a position (clamped to 1..11); a blank for position 6.
char EngPostfixChar(int position);
// The factor of a position (clamped to 1..11): 1e-15 for "f" … 1e15 for "P".
long double EngPostfixFactor(int position);
// The position of a postfix character (the blank included); 0 for any other.
int EngPostfixPosition(char c);

// The postfix position for a value: the magnitude is |Re| in the real domain
// and the modulus in the complex one; zero, infinite or NaN magnitudes give 6.
// Otherwise the magnitude is taken to 15 significant digits and its decimal
// exponent e (m = d.ddd × 10^e) gives 6 + floor(e / 3), limited to 1..11, so
// 0.001 gets "m" and 0.0005 "u", and a value that rounds up to a power of ten
// is treated as that power.
int SelectEngPostfix(const ComplexValue& value, TNumericalScope scope);

}  // namespace tarvix
