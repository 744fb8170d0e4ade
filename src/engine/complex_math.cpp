// Complex helpers and angle conversions.
#include "engine/complex_math.h"

#include <cmath>

#include "engine/engine_modes.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {

ComplexValue CAdd(const ComplexValue& a, const ComplexValue& b) { return {a.Re + b.Re, a.Im + b.Im}; }
ComplexValue CSub(const ComplexValue& a, const ComplexValue& b) { return {a.Re - b.Re, a.Im - b.Im}; }
ComplexValue CMul(const ComplexValue& a, const ComplexValue& b) {
    return {a.Re * b.Re - a.Im * b.Im, a.Re * b.Im + a.Im * b.Re};
}
ComplexValue CNeg(const ComplexValue& a) { return {-a.Re, -a.Im}; }
ComplexValue CSqr(const ComplexValue& a) { return {a.Re * a.Re - a.Im * a.Im, 2.0L * a.Re * a.Im}; }

ComplexValue CDiv(const ComplexValue& a, const ComplexValue& b, int helpContext) {
    if (b.Re == 0.0L && b.Im == 0.0L) Raise<EBadDomain>(msg::DivisionByZero, {}, helpContext);
    if (fabsl(b.Re) >= fabsl(b.Im)) {
        long double r = b.Im / b.Re;
        long double den = b.Re + b.Im * r;
        return {(a.Re + a.Im * r) / den, (a.Im - a.Re * r) / den};
    }
    long double r = b.Re / b.Im;
    long double den = b.Re * r + b.Im;
    return {(a.Re * r + a.Im) / den, (a.Im * r - a.Re) / den};
}

long double CAbs(const ComplexValue& z) { return hypotl(z.Re, z.Im); }

ComplexValue CSqrt(const ComplexValue& z) {
    if (z.Im == 0.0L) {
        if (z.Re > 0.0L) return {sqrtl(z.Re), 0.0L};
        return {0.0L, sqrtl(fabsl(z.Re))};
    }
    long double m = hypotl(z.Re, z.Im);
    // Take the root of the larger of (m + |Re|) / 2 first and derive the other
    // part by division, so nothing cancels near the negative real axis.
    long double t = sqrtl(m * 0.5L + fabsl(z.Re) * 0.5L);
    long double other = fabsl(z.Im) / (2.0L * t);
    if (z.Re >= 0.0L) return {t, copysignl(other, z.Im)};
    return {other, copysignl(t, z.Im)};
}

ComplexValue CLn(const ComplexValue& z) {
    if (z.Re == 0.0L && z.Im == 0.0L) RaiseDomain("ln(x)", "{C} - {0}", 26);
    if (z.Re > 0.0L && z.Im == 0.0L) return {logl(z.Re), 0.0L};
    return {logl(hypotl(z.Re, z.Im)), ArcTan2(z.Im, z.Re)};
}

long double ArcTan2(long double y, long double x) {
    if (y == 0.0L) y = 0.0L;  // a negative zero would give -pi
    return atan2l(y, x);
}

namespace {
constexpr long double kDegToRad = kPi / 180.0L;
constexpr long double kGradToRad = kPi / 200.0L;
constexpr long double kRadToDeg = 180.0L / kPi;
constexpr long double kRadToGrad = 200.0L / kPi;
}  // namespace

long double ToRadians(long double v) {
    switch (EngineModes.CurrentAngleUnit) {
        case auDeg: return v * kDegToRad;
        case auGrad: return v * kGradToRad;
        case auRad: break;
    }
    return v;
}

long double FromRadians(long double r) {
    switch (EngineModes.CurrentAngleUnit) {
        case auDeg: return r * kRadToDeg;
        case auGrad: return r * kRadToGrad;
        case auRad: break;
    }
    return r;
}

ComplexValue ToRadians(const ComplexValue& v) {
    if (!EngineModes.ComplexMode) return {ToRadians(v.Re), v.Im};
    return {ToRadians(v.Re), ToRadians(v.Im)};
}

ComplexValue FromRadians(const ComplexValue& r) {
    if (!EngineModes.ComplexMode) return {FromRadians(r.Re), r.Im};
    return {FromRadians(r.Re), FromRadians(r.Im)};
}

}  // namespace tarvix
