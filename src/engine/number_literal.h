// Reading number literals: decimal, binary, octal and hexadecimal bodies,
// engineering and type postfixes, and imaginary literals.
#pragma once

#include <string_view>

#include "engine/engine_modes.h"

namespace tarvix {

struct LiteralModes {
    bool PascalNumberformat = true;
    TNumericalScope Scope = nsReal;
    TNumericalBase Base = nbDec;
    char ImaginaryUnit = 'i';
};

// Strict, locale-independent decimal syntax: [sign] digits [. digits] [E [sign] digits].
// A value beyond the extended range raises the literal-overflow error.
bool ReadDecimal(std::string_view text, long double& value);
// Binary (2), octal (8) or hexadecimal (16) integer; a magnitude of 2^63 or
// more raises "Překročen rozsah 2^64".
bool ReadInBase(std::string_view text, int base, long double& value);

// A real number literal (constants pi and e included); may raise the errors of
// malformed literals.
bool IsNumber(std::string_view text, const LiteralModes& modes, long double& value);
// An imaginary literal of the complex domain; value is its imaginary part.
bool IsImaginaryNumber(std::string_view text, const LiteralModes& modes, long double& value);

}  // namespace tarvix
