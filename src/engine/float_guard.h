// Floating-point flag checks and range-checked integer conversions: the engine
// turns overflow, invalid operations, division by zero and integer range faults
// into engine errors instead of letting them pass silently.
#pragma once

#include <cfenv>
#include <cstdint>

#include "engine/complex_value.h"

namespace tarvix {

// Keeps the optimiser from moving the computation of v past this point (for
// example past a test of the floating-point flags).
inline void FloatBarrier(long double& v) { asm volatile("" : "+m"(v)); }

// The flags an evaluation tests: invalid operation, division by zero, overflow.
inline constexpr unsigned kTestedFloatFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// The tested flags now set in either unit (x87 or SSE). Read inline, without
// the library's call: it runs twice in every evaluation. The memory clobber
// keeps stores of results on their side of the test.
inline unsigned RaisedFloatFlags() noexcept {
#if defined(__x86_64__)
    unsigned short status = 0;
    unsigned int mxcsr = 0;
    asm volatile("fnstsw %0" : "=a"(status) : : "memory");
    asm volatile("stmxcsr %0" : "=m"(mxcsr) : : "memory");
    return (status | mxcsr) & kTestedFloatFlags;
#else
    return static_cast<unsigned>(std::fetestexcept(kTestedFloatFlags));
#endif
}

// Clears the tested flags of both units; a flag that is already clear is not
// written (see float_guard.cpp for why that matters).
void ClearTestedFloatFlags(unsigned raised) noexcept;
inline void ClearFloatFlags() noexcept {
    if (unsigned raised = RaisedFloatFlags()) ClearTestedFloatFlags(raised);
}

// Clears the flags and raises EArithmeticError for the first of `raised`
// (invalid, then division by zero, then overflow).
[[noreturn]] void RaiseFloatFlags(unsigned raised);
// Raises EArithmeticError when the overflow, invalid or division-by-zero flag is set.
inline void CheckFloatFlags() {
    if (unsigned raised = RaisedFloatFlags()) RaiseFloatFlags(raised);
}
// Raises EArithmeticError when a part of v is infinite or not a number.
void CheckFinite(const ComplexValue& v);

// Truncation toward zero into signed integers; values outside the range (and
// NaN) raise the range error before any conversion happens.
std::int64_t TruncToInt64(long double v);
std::int32_t TruncToInt32(long double v);
// True when truncl(v) fits the type.
bool FitsInt64(long double v) noexcept;
bool FitsInt32(long double v) noexcept;

[[noreturn]] void RaiseRangeError();
[[noreturn]] void RaiseIntOverflow();

}  // namespace tarvix
