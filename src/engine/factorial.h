// The factorial shared by fact(x) and the literal suffix "!".
#pragma once

namespace tarvix {

// Trunc(x)! for 0 <= x <= 1754; otherwise the range error naming "x!".
long double Factorial(long double x);

}  // namespace tarvix
