// Complex helpers used by the function library, the four-quadrant arc tangent
// and the angle-unit conversions.
#pragma once

#include "engine/complex_value.h"

namespace tarvix {

ComplexValue CAdd(const ComplexValue& a, const ComplexValue& b);
ComplexValue CSub(const ComplexValue& a, const ComplexValue& b);
ComplexValue CMul(const ComplexValue& a, const ComplexValue& b);
// Smith's division (no spurious overflow or underflow); 0 + 0i raises
// "Dělení nulou" with help context helpContext.
ComplexValue CDiv(const ComplexValue& a, const ComplexValue& b, int helpContext = 18);
ComplexValue CNeg(const ComplexValue& a);
ComplexValue CSqr(const ComplexValue& a);
// Principal square root (real part never negative), numerically stable.
ComplexValue CSqrt(const ComplexValue& z);
// Principal logarithm; 0 + 0i raises the domain error of ln(x).
ComplexValue CLn(const ComplexValue& z);
long double CAbs(const ComplexValue& z);

// Angle of the point (x, y) in (-pi, pi]; a negative zero y counts as zero.
long double ArcTan2(long double y, long double x);

// Conversions between the current angle unit and radians. The ComplexValue
// forms convert the imaginary part too in complex mode.
long double ToRadians(long double v);
long double FromRadians(long double r);
ComplexValue ToRadians(const ComplexValue& v);
ComplexValue FromRadians(const ComplexValue& r);

}  // namespace tarvix
