// Typed values of profile files: integers, Booleans and floating-point numbers
// as text, independent of the user's locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvix {

// A whole decimal integer with an optional sign, or a hexadecimal one written
// with "$" or "0x" after the sign ("$FF", "-0x10"); surrounding blanks are
// allowed. Empty for anything else and outside the 64-bit range.
std::optional<std::int64_t> ParseProfileInteger(std::string_view text);

// Any integer (as above), non-zero meaning true.
std::optional<bool> ParseProfileBool(std::string_view text);

// A finite decimal number: [sign] digits [. digits] [E [sign] digits], with
// "." or (as files from a Czech locale have it) "," as the decimal separator.
std::optional<long double> ParseProfileFloat(std::string_view text);

// The texts written for each type; a float is written with the fewest digits
// that read back as the same extended value. Non-finite floats have no text.
std::string ProfileIntegerText(std::int64_t value);
std::string ProfileBoolText(bool value);
std::optional<std::string> ProfileFloatText(long double value);

}  // namespace tarvix
