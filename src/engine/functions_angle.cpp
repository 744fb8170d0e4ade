// Unit-aware sine and cosine of the trigonometric functions.
#include "engine/functions_angle.h"

#include <cmath>

#include "engine/complex_math.h"
#include "engine/engine_modes.h"
#include "engine/functions_common.h"
#include "engine/parser_errors.h"

namespace tarvix {
namespace {

constexpr long double kRadianBound = 3141593000000000000.0L;
constexpr std::string_view kRadianRange = "(-pi*1E18, +pi*1E18)";

SineCosine RadianSineCosine(long double x) {
    SineCosine sc{sinl(x), cosl(x)};
    long double q = x / kPi;
    long double f = q - truncl(q);
    if (f == 0.0L) sc.Sin = 0.0L;
    if (fabsl(f) == 0.5L) sc.Cos = 0.0L;
    return sc;
}

// In degrees and grads the reduction is exact: the remainder by a full turn is
// exact (IEEE remainder), and subtracting the nearest multiple of a quarter turn
// from it is exact by Sterbenz' lemma. What is left lies within an eighth of a
// turn, where the conversion to radians costs no relative accuracy; an exact
// multiple of a quarter turn leaves exactly 0, so zeros come out exact.
SineCosine UnitSineCosine(long double x, long double quarter) {
    if (std::isnan(x)) return {x, x};
    long double r = remainderl(x, 4.0L * quarter);
    long double j = roundl(r / quarter);
    long double a = ToRadians(r - j * quarter);
    long double s = sinl(a), c = cosl(a);
    SineCosine sc;
    switch ((static_cast<int>(j) + 4) % 4) {
        case 0:
            sc = {s, c};
            break;
        case 1:
            sc = {c, -s};
            break;
        case 2:
            sc = {-s, -c};
            break;
        default:
            sc = {-c, s};
            break;
    }
    return {PositiveZero(sc.Sin), PositiveZero(sc.Cos)};
}

}  // namespace

SineCosine AngleSineCosine(long double x, std::string_view name) {
    if (fabsl(ToRadians(x)) > kRadianBound) RaiseRange(name, kRadianRange, 21);
    switch (EngineModes.CurrentAngleUnit) {
        case auDeg:
            return UnitSineCosine(x, 90.0L);
        case auGrad:
            return UnitSineCosine(x, 100.0L);
        case auRad:
            break;
    }
    return RadianSineCosine(x);
}

}  // namespace tarvix
