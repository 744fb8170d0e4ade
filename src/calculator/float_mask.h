// The number masks "%g", "%f", "%e" (with an optional precision, as in
// "%1.3f") and the locale-independent text of one real number by a mask.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvix {

enum class MaskKind : std::uint8_t {
    General,   // "%g": shortest text with at most 15 (or Precision) significant digits
    Fixed,     // "%f": fixed notation with 2 (or Precision) decimals
    Exponent,  // "%e": d.ddd…E±xxx with 15 (or Precision) significant digits
};

struct FloatMask {
    MaskKind Kind = MaskKind::General;
    int Precision = -1;  // below 0: the mask's default (15 digits; 2 decimals for "%f")

    friend bool operator==(const FloatMask&, const FloatMask&) = default;
};

// The text of x by the mask with the given decimal separator:
// - General: trailing zeros and an unneeded separator dropped; fixed notation
//   while the integer part has at most as many digits as the precision and the
//   magnitude is at least 0.00001, otherwise exponent notation such as 1,5E20
//   or 1E-6 (no plus sign, no leading zeros in the exponent).
// - Fixed: no thousands separator; a value whose integer part has more than 15
//   digits is written as General instead.
// - Exponent: one digit, the separator and the further digits (none with a
//   precision of 0 or 1), "E", the exponent's sign and at least three digits.
// Negative zero and values that round to zero carry no sign. Infinities and
// NaN give "INF", "-INF" and "NAN".
std::string FormatFloat(long double x, const FloatMask& mask, char decimalSeparator);

// "%g", "%f", "%e" or, with a precision, "%1.3f" and the like.
std::string FloatMaskText(const FloatMask& mask);
// Reads "%g", "%f", "%e", "%1.Nf", "%.Ne" …; nothing for any other text.
std::optional<FloatMask> ParseFloatMask(std::string_view text);

// Reads back a number text written by FormatFloat (decimal separator as given,
// blanks around it allowed); nothing when the text is not a plain decimal
// number or is beyond the extended range.
std::optional<long double> ReadFloatText(std::string_view text, char decimalSeparator);

}  // namespace tarvix
