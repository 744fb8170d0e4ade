// The VAT computation of the main window's VAT mode: from one entered field
// (price without tax, rate, tax, total) the other two, with the prices
// rounded to units.
#pragma once

#include <array>
#include <cstdint>

namespace tarvix {

enum class VatField : std::uint8_t { Base, Rate, Tax, Total };

struct VatValues {
    long double Base = 0.0L;
    long double Rate = 0.0L;  // percent
    long double Tax = 0.0L;
    long double Total = 0.0L;
};

struct VatRounding {
    long double BaseUnit = 0.10L;   // price without tax and an entered tax
    long double TotalUnit = 0.50L;  // total price
};

struct VatResult {
    VatValues Values;
    // The fields to write back: the two computed ones always, the entered
    // price field only when rounding changed it (the rate is never written).
    std::array<bool, 4> Write{};  // indexed by VatField
};

// x rounded to a multiple of unit, half away from zero; x / unit is first
// rounded to 15 significant digits so that 1.05 at 0.10 gives 1.10 although
// 1.05 / 0.10 is 10.4999… in binary. The 80-bit quotient holds 18 digits, so
// the 15 are exact and amounts up to 1e13 keep their cents. A unit of 0
// leaves x as it is.
long double RoundToUnit(long double x, long double unit);

// Computes from the entered field. Raises ToolError when the rate makes the
// computation impossible: 0 % with the tax entered, −100 % with the total;
// EArithmeticError with the engine's overflow message when a price exceeds
// the range of numbers.
VatResult ComputeVat(VatField entered, const VatValues& values, const VatRounding& rounding);

}  // namespace tarvix
