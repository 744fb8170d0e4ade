// Unit-aware sine and cosine of the trigonometric functions.
//
// The angle is first reduced to r in [-pi/4, pi/4] plus a number of quarter
// turns, so the library kernels always run on a small argument:
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

#include "engine/complex_math.h"
#include "engine/engine_modes.h"
#include "engine/functions_common.h"
#include "engine/parser_errors.h"

namespace tarvix {
namespace {

constexpr long double kRadianBound = 3141593000000000000.0L;
constexpr std::string_view kRadianRange = "(-pi*1E18, +pi*1E18)";

constexpr long double kFastReductionLimit = 0x1p22L;
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

// j is a small whole number here (|j| < 2^22), so the conversion is safe.
int QuarterOf(long double j) { return static_cast<int>(static_cast<std::int64_t>(j) & 3); }

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

ReducedAngle ReduceRadians(long double x) {
    ReducedAngle a;
    if (fabsl(x) > kFastReductionLimit) {
        MarkRadianZeros(x, a);
        a.Library = true;
        a.X = x;
        return a;
    }
    long double j = rintl(x * (2.0L / kPi));
    a.R = ((x - j * kHalfPi1) - j * kHalfPi2) - j * kHalfPi3;
    a.Quarter = QuarterOf(j);
    if (fabsl(a.R) < kZeroTestDistance) MarkRadianZeros(x, a);
    return a;
}

ReducedAngle ReduceUnits(long double x, long double quarter) {
    ReducedAngle a;
    long double r = remainderl(x, 4.0L * quarter);
    long double j = rintl(r / quarter);
    a.R = ToRadians(r - j * quarter);
    a.Quarter = QuarterOf(j);
    return a;
}

ReducedAngle Reduce(long double x, std::string_view name) {
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

long double SineOf(const ReducedAngle& a) {
    if (a.SinZero) return 0.0L;
    if (a.Library) return sinl(a.X);
    switch (a.Quarter) {
        case 0: return PositiveZero(sinl(a.R));
        case 1: return cosl(a.R);
        case 2: return PositiveZero(-sinl(a.R));
        default: return -cosl(a.R);
    }
}

long double CosineOf(const ReducedAngle& a) {
    if (a.CosZero) return 0.0L;
    if (a.Library) return cosl(a.X);
    switch (a.Quarter) {
        case 0: return cosl(a.R);
        case 1: return PositiveZero(-sinl(a.R));
        case 2: return -cosl(a.R);
        default: return PositiveZero(sinl(a.R));
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
