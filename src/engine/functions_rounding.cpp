// Rounding and step functions of the real domain: FRAC, TRUNC (= INT), CEIL,
// FLOOR, HEAVISIDE, SIGN and ROUND.
#include <cmath>

#include "engine/float_guard.h"
#include "engine/functions_families.h"

namespace tarvix {
namespace {

long double FracOf(long double x) {
    return x - truncl(x);
}

// Truncated through a 64-bit integer: outside its range the range error.
long double TruncOf(long double x) {
    return static_cast<long double>(TruncToInt64(x));
}

// Whole numbers are whole in any width: values beyond the 32-bit range keep
// their exact ceiling and floor instead of failing.
long double CeilOf(long double x) {
    return PositiveZero(ceill(x));
}
long double FloorOf(long double x) {
    return PositiveZero(floorl(x));
}

long double HeavisideOf(long double x) {
    return x >= 0.0L ? 1.0L : 0.0L;
}

long double SignOf(long double x) {
    if (x > 0.0L) return 1.0L;
    if (x < 0.0L) return -1.0L;
    return 0.0L;
}

constexpr long double kPowersOfTen[] = {1e0L, 1e1L, 1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,
                                        1e8L, 1e9L, 1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L};

// x rounded half away from zero to n decimals, n = y limited to 0..15 and
// truncated. A value whose scaled form is already whole (all values from 2^63
// on) is returned unchanged, so no digits are disturbed by the scaling.
long double RoundOf(long double x, long double y) {
    int n = 0;
    if (y >= 15.0L)
        n = 15;
    else if (y > 0.0L)
        n = static_cast<int>(truncl(y));
    if (!(fabsl(x) < 0x1p63L)) return x;
    long double scaled = x * kPowersOfTen[n];
    long double rounded = roundl(scaled);
    if (rounded == scaled) return x;
    return PositiveZero(rounded / kPowersOfTen[n]);
}

constexpr OperationCallback kTrunc = RealOnlyCallback<TruncOf, "trunc", 27>;

constexpr FunctionDef kOneArgument[] = {
    {"FRAC", RealOnlyCallback<FracOf, "frac", 27>},
    {"TRUNC", kTrunc},
    {"INT", kTrunc},
    {"CEIL", RealOnlyCallback<CeilOf, "ceil", 27>},
    {"FLOOR", RealOnlyCallback<FloorOf, "floor", 27>},
    {"HEAVISIDE", RealOnlyCallback<HeavisideOf, "heaviside", 20>},
    {"SIGN", RealOnlyCallback<SignOf, "sign", 20>},
};

constexpr FunctionDef kTwoArguments[] = {
    {"ROUND", RealOnlyCallback2<RoundOf, "round", 27>},
};

}  // namespace

FunctionFamily RoundingFunctions() {
    return {kOneArgument, kTwoArguments};
}

}  // namespace tarvix
