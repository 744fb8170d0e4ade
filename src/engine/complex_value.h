// The one numeric value of the calculator: two 80-bit extended reals.
#pragma once

#include <cfloat>
#include <vector>

static_assert(LDBL_MANT_DIG == 64, "Tarvix needs the x87 80-bit extended long double");

namespace tarvix {

struct ComplexValue {
    long double Re = 0.0L;
    long double Im = 0.0L;

    friend bool operator==(const ComplexValue&, const ComplexValue&) = default;
};

using ParserFloatArray = std::vector<ComplexValue>;
using TArrayOfExtended = std::vector<long double>;

inline constexpr long double kPi = 3.14159265358979323846264338327950288L;
inline constexpr long double kE = 2.71828182845904523536028747135266250L;
inline constexpr long double kLog10E = 0.434294481903251827651128918916605082L;
inline constexpr long double kLog2E = 1.44269504088896340735992468100189214L;
inline constexpr long double kLn10 = 2.30258509299404568401799145468436421L;

}  // namespace tarvix
