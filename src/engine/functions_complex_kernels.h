// Complex kernels shared by the trigonometric and hyperbolic families: the
// tangent quotient, the logarithm behind arccos and argcosh, and the bridge to
// the C library's complex functions.
#pragma once

#include <complex>

#include "engine/complex_value.h"

namespace tarvix {

// A ComplexValue for the C library's complex functions. Zero parts are passed as
// positive zeros: the engine's own formulas do not tell -0 from +0 (ArcTan2 of
// -0 is 0), so neither may the branch choice on a cut.
inline std::complex<long double> ToStd(const ComplexValue& z) {
    return {z.Re + 0.0L, z.Im + 0.0L};
}
inline ComplexValue FromStd(const std::complex<long double>& z) {
    return {z.real() + 0.0L, z.imag() + 0.0L};
}

// (s·c + i·sinh b·cosh b) / (c² + sinh² b): tan(x + iy) with s = sin x, c = cos x,
// b = y, written without the cancellation of cosh 2y + cos 2x and without
// overflow for large |b| (where the imaginary part is ±1 to full precision).
// The other tangents follow by swapping the roles of the parts.
ComplexValue TanQuotient(long double s, long double c, long double b);

// ln(z + √(z² − 1)) with the principal square root and logarithm of the
// engine, computed without cancellation: cacosh(z) where Re z > 0, its negation
// where Re z < 0, and the exact branch values on the axes.
ComplexValue AcoshLog(const ComplexValue& z);

}  // namespace tarvix
