// Unit-aware sine and cosine of the trigonometric functions.
//
// The angle is first reduced to r in [-pi/4, pi/4] plus a number of quarter
// turns, so the polynomial kernels of trig_kernels.h always run on a small
// argument:
// - in degrees and grads the reduction is exact: the remainder by a full turn
//   is exact (IEEE remainder), and subtracting the nearest multiple of a
//   quarter turn from it is exact by Sterbenz' lemma; an exact multiple of a
//   quarter turn leaves exactly 0, so zeros come out exact;
// - in radians arguments up to 2^22 are reduced by pi/2 in three parts (Cody
//   and Waite: the products with the first two parts are exact), larger ones
//   by the library; zeros follow the fractional part of x/pi.
#include "engine/functions_angle.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/complex_math.h"
#include "engine/engine_modes.h"
#include "engine/functions_common.h"
#include "engine/parser_errors.h"
#include "engine/trig_kernels.h"

namespace tarvix {
namespace {

constexpr long double kRadianBound = 3141593000000000000.0L;
constexpr std::string_view kRadianRange = "(-pi*1E18, +pi*1E18)";

constexpr long double kFastReductionLimit = 0x1p22L;
// 2/pi rounded to the format (the engine builds with -frounding-math, so a
// quotient written as 2.0L / kPi would be divided again on every call).
constexpr long double kTwoOverPi = 0xa.2f9836e4e44152ap-4L;
// Adding 1.5 * 2^63 to a value below 2^62 in magnitude rounds it to a whole
// number in the current rounding mode (as rintl does) and leaves that number
// in the low bits of the significand, two's complement: no change of the x87
// control word (slow on some processors) and no integer conversion.
constexpr long double kRoundShift = 0x1.8p63L;
constexpr long double kHalfPi1 = 0xc90fdaa221p-39L;
constexpr long double kHalfPi2 = 0xd18469898dp-80L;
constexpr long double kHalfPi3 = -0xeba3f91f1976b7eep-146L;

// x = Quarter * (pi/2) + R with |R| <= pi/4 (in radians).
struct ReducedAngle {
    long double R = 0.0L;
    int Quarter = 0;  // 0..3
    bool Library = false;  // too large to reduce here: use sinl/cosl on X
    long double X = 0.0L;
    bool SinZero = false;  // exact zeros decided in the user's unit
    bool CosZero = false;
};

// The whole number j of a value shifted by kRoundShift, modulo 4.
int QuarterOfShifted(long double shifted) {
    std::uint64_t significand = 0;
    std::memcpy(&significand, &shifted, sizeof significand);
    return static_cast<int>(significand & 3u);
}

// Exact zeros in radians: sin is 0 when x/pi has no fractional part, cos when
// the fractional part is one half.
void MarkRadianZeros(long double x, ReducedAngle& a) {
    long double q = x / kPi;
    long double f = q - truncl(q);
    a.SinZero = f == 0.0L;
    a.CosZero = fabsl(f) == 0.5L;
}

// Below this distance from a multiple of pi/2 the x/pi test is needed; farther
// away x/pi cannot be a whole or half number (saves a division per call).
constexpr long double kZeroTestDistance = 1e-3L;

// |x| <= kFastReductionLimit: three-part Cody-Waite reduction by pi/2.
ReducedAngle ReduceSmallRadians(long double x) {
    ReducedAngle a;
    long double shifted = x * kTwoOverPi + kRoundShift;
    long double j = shifted - kRoundShift;
    a.R = ((x - j * kHalfPi1) - j * kHalfPi2) - j * kHalfPi3;
    a.Quarter = QuarterOfShifted(shifted);
    if (fabsl(a.R) < kZeroTestDistance) MarkRadianZeros(x, a);
    return a;
}

ReducedAngle ReduceRadians(long double x) {
    if (fabsl(x) > kFastReductionLimit) {
        ReducedAngle a;
        MarkRadianZeros(x, a);
        a.Library = true;
        a.X = x;
        return a;
    }
    return ReduceSmallRadians(x);
}

ReducedAngle ReduceUnits(long double x, long double quarter) {
    ReducedAngle a;
    long double r = remainderl(x, 4.0L * quarter);
    long double shifted = r / quarter + kRoundShift;
    long double j = shifted - kRoundShift;
    a.R = ToRadians(r - j * quarter);
    a.Quarter = QuarterOfShifted(shifted);
    return a;
}

ReducedAngle ReduceChecked(long double x, std::string_view name) {
    if (!(fabsl(ToRadians(x)) <= kRadianBound)) {
        if (std::isnan(x)) {
            ReducedAngle nan;
            nan.Library = true;
            nan.X = x;
            return nan;
        }
        RaiseRange(name, kRadianRange, 21);
    }
    switch (EngineModes.CurrentAngleUnit) {
        case auDeg: return ReduceUnits(x, 90.0L);
        case auGrad: return ReduceUnits(x, 100.0L);
        case auRad: break;
    }
    return ReduceRadians(x);
}

// The common case, radians of moderate size, goes straight to the reduction;
// everything else (other units, the range bound, NaN) takes the checked road.
inline ReducedAngle Reduce(long double x, std::string_view name) {
    if (EngineModes.CurrentAngleUnit == auRad && fabsl(x) <= kFastReductionLimit)
        return ReduceSmallRadians(x);
    return ReduceChecked(x, name);
}

long double SineOf(const ReducedAngle& a) {
    if (a.SinZero) return 0.0L;
    if (a.Library) return sinl(a.X);
    switch (a.Quarter) {
        case 0: return PositiveZero(trig_kernels::Sine(a.R));
        case 1: return trig_kernels::Cosine(a.R);
        case 2: return PositiveZero(-trig_kernels::Sine(a.R));
        default: return -trig_kernels::Cosine(a.R);
    }
}

long double CosineOf(const ReducedAngle& a) {
    if (a.CosZero) return 0.0L;
    if (a.Library) return cosl(a.X);
    switch (a.Quarter) {
        case 0: return trig_kernels::Cosine(a.R);
        case 1: return PositiveZero(-trig_kernels::Sine(a.R));
        case 2: return -trig_kernels::Cosine(a.R);
        default: return PositiveZero(trig_kernels::Sine(a.R));
    }
}

}  // namespace

SineCosine AngleSineCosine(long double x, std::string_view name) {
    ReducedAngle a = Reduce(x, name);
    return {SineOf(a), CosineOf(a)};
}

long double AngleSine(long double x, std::string_view name) { return SineOf(Reduce(x, name)); }

long double AngleCosine(long double x, std::string_view name) {
    return CosineOf(Reduce(x, name));
}

}  // namespace tarvix
