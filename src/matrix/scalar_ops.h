// Element arithmetic shared by the real and the complex kernels, written out
// on the parts (no std::complex, whose product calls a slow library helper).
#pragma once

#include <cmath>

#include "engine/complex_value.h"

namespace tarvix {

inline bool IsZero(long double x) { return x == 0.0L; }
inline bool IsZero(const ComplexValue& z) { return z.Re == 0.0L && z.Im == 0.0L; }

// The pivot measure: |x|, or |re| + |im| for a complex value (no squares, so
// no overflow for large elements).
inline long double Magnitude(long double x) { return std::fabs(x); }
inline long double Magnitude(const ComplexValue& z) { return std::fabs(z.Re) + std::fabs(z.Im); }

inline long double Mul(long double a, long double b) { return a * b; }
inline ComplexValue Mul(const ComplexValue& a, const ComplexValue& b) {
    return {a.Re * b.Re - a.Im * b.Im, a.Re * b.Im + a.Im * b.Re};
}
inline ComplexValue Add(const ComplexValue& a, const ComplexValue& b) {
    return {a.Re + b.Re, a.Im + b.Im};
}
inline ComplexValue Sub(const ComplexValue& a, const ComplexValue& b) {
    return {a.Re - b.Re, a.Im - b.Im};
}

inline long double Div(long double a, long double b) { return a / b; }
// Smith's quotient: scaled by the larger part of the divisor, so that
// neither the squares of large parts overflow nor those of small ones vanish.
inline ComplexValue Div(const ComplexValue& a, const ComplexValue& b) {
    if (std::fabs(b.Re) >= std::fabs(b.Im)) {
        const long double r = b.Im / b.Re;
        const long double d = b.Re + b.Im * r;
        return {(a.Re + a.Im * r) / d, (a.Im - a.Re * r) / d};
    }
    const long double r = b.Re / b.Im;
    const long double d = b.Re * r + b.Im;
    return {(a.Re * r + a.Im) / d, (a.Im * r - a.Re) / d};
}

// acc -= a·b
inline void MulSub(long double& acc, long double a, long double b) { acc -= a * b; }
inline void MulSub(ComplexValue& acc, const ComplexValue& a, const ComplexValue& b) {
    acc.Re -= a.Re * b.Re - a.Im * b.Im;
    acc.Im -= a.Re * b.Im + a.Im * b.Re;
}
// acc += a·b
inline void MulAdd(long double& acc, long double a, long double b) { acc += a * b; }
inline void MulAdd(ComplexValue& acc, const ComplexValue& a, const ComplexValue& b) {
    acc.Re += a.Re * b.Re - a.Im * b.Im;
    acc.Im += a.Re * b.Im + a.Im * b.Re;
}

inline ComplexValue ToComplex(long double x) { return {x, 0.0L}; }
inline ComplexValue ToComplex(const ComplexValue& z) { return z; }

}  // namespace tarvix
