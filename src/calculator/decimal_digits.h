// Decimal digits of a finite real number: the common ground of every number
// mask. A value is first taken to 15 significant digits (rounded to nearest by
// its exact binary value); any further rounding works on those digits, half
// up, so that what a shorter mask shows is the rounding of what the full
// 15-digit text shows (2.675 with two decimals gives 2.68).
#pragma once

#include <string>

namespace tarvix {

inline constexpr int kMaxSignificantDigits = 15;

struct DecimalDigits {
    bool Negative = false;
    // Significant digits; the first is non-zero unless the value is zero ("0").
    std::string Digits = "0";
    // The value is d.ddd… × 10^Exponent.
    int Exponent = 0;

    bool IsZero() const { return Digits.empty() || Digits[0] == '0'; }
};

// The digits of a finite x rounded to kMaxSignificantDigits. Zero (either
// sign) gives Digits "0", Exponent 0, Negative false.
DecimalDigits SignificantDigits(long double x);

// Rounds half up so that at most `count` significant digits remain. A count of
// 0 keeps nothing but the carry of the first digit (0.5 → 1, 0.4 → 0); a
// negative count gives zero. A carry past the first digit raises the exponent.
void RoundDigits(DecimalDigits& d, int count);

// Drops trailing zero digits (at least one digit stays).
void StripTrailingZeros(DecimalDigits& d);

// The digit standing for 10^power ('0' outside the significant digits).
char DigitAt(const DecimalDigits& d, int power);

}  // namespace tarvix
