// Complex kernels shared by the trigonometric and hyperbolic families.
#include "engine/functions_complex_kernels.h"

#include <cmath>

namespace tarvix {

ComplexValue TanQuotient(long double s, long double c, long double b) {
    // Beyond |b| = 64, sinh² b exceeds e^128 / 4: c² is lost against it, tanh b
    // rounds to ±1 and sinh² b is e^(2|b|) / 4 to full precision.
    if (fabsl(b) > 64.0L) return {4.0L * s * c * expl(-2.0L * fabsl(b)), copysignl(1.0L, b)};
    long double sh = sinhl(b), ch = coshl(b);
    long double d = c * c + sh * sh;
    return {s * c / d, sh * ch / d};
}

ComplexValue AcoshLog(const ComplexValue& z) {
    const long double x = z.Re, y = z.Im;
    if (y == 0.0L) {
        // z + √(z² − 1) is real and ≥ 1, on the unit circle, or real and ≤ −1.
        if (x >= 1.0L) return {acoshl(x), 0.0L};
        if (x > -1.0L) return {0.0L, acosl(x)};
        return {0.0L - acoshl(-x), kPi};
    }
    if (x == 0.0L) return {asinhl(y), kPi / 2.0L};  // z + √(z² − 1) = i·(y + √(y² + 1))
    // The principal √(z² − 1) equals √(z + 1)·√(z − 1) where Re z > 0 and its
    // negation where Re z < 0; (z − √(z+1)√(z−1)) is 1 / (z + √(z+1)√(z−1)).
    std::complex<long double> w = std::acosh(ToStd(z));
    if (x > 0.0L) return FromStd(w);
    return FromStd(-w);
}

}  // namespace tarvix
