// Floating-point flag checks and range-checked integer conversions: the engine
// turns overflow, invalid operations, division by zero and integer range faults
// into engine errors instead of letting them pass silently.
#pragma once

#include <cstdint>

#include "engine/complex_value.h"

namespace tarvix {

// Keeps the optimiser from moving the computation of v past this point (for
// example past a test of the floating-point flags).
inline void FloatBarrier(long double& v) { asm volatile("" : "+m"(v)); }

void ClearFloatFlags() noexcept;
// Raises EArithmeticError when the overflow, invalid or division-by-zero flag is set.
void CheckFloatFlags();
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
