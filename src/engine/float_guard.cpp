// Floating-point flag tests and integer conversions with range checks.
#include "engine/float_guard.h"

#include <cfenv>
#include <cmath>

#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {

void ClearFloatFlags() noexcept {
#if defined(__x86_64__)
    // The library's feclearexcept saves and reloads the whole x87 environment;
    // clearing the status word and the SSE flags directly is much cheaper and
    // matters once per evaluation.
    asm volatile("fnclex");
    unsigned int mxcsr = 0;
    asm volatile("stmxcsr %0" : "=m"(mxcsr));
    mxcsr &= ~0x3Fu;
    asm volatile("ldmxcsr %0" : : "m"(mxcsr));
#else
    std::feclearexcept(FE_ALL_EXCEPT);
#endif
}

void CheckFloatFlags() {
    int flags = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (flags == 0) return;
    std::feclearexcept(FE_ALL_EXCEPT);
    if (flags & FE_INVALID) Raise<EArithmeticError>(msg::FloatInvalid);
    if (flags & FE_DIVBYZERO) Raise<EArithmeticError>(msg::FloatZeroDivide);
    Raise<EArithmeticError>(msg::FloatOverflow);
}

void CheckFinite(const ComplexValue& v) {
    if (std::isnan(v.Re) || std::isnan(v.Im)) Raise<EArithmeticError>(msg::FloatInvalid);
    if (std::isinf(v.Re) || std::isinf(v.Im)) Raise<EArithmeticError>(msg::FloatOverflow);
}

bool FitsInt64(long double v) noexcept {
    long double t = truncl(v);
    return t >= -0x1p63L && t < 0x1p63L;  // false for NaN
}

bool FitsInt32(long double v) noexcept {
    long double t = truncl(v);
    return t >= -2147483648.0L && t <= 2147483647.0L;
}

void RaiseRangeError() { Raise<EArithmeticError>(msg::RangeError); }
void RaiseIntOverflow() { Raise<EArithmeticError>(msg::IntOverflow); }

std::int64_t TruncToInt64(long double v) {
    if (!FitsInt64(v)) RaiseRangeError();
    return static_cast<std::int64_t>(truncl(v));
}

std::int32_t TruncToInt32(long double v) {
    if (!FitsInt32(v)) RaiseRangeError();
    return static_cast<std::int32_t>(truncl(v));
}

}  // namespace tarvix
