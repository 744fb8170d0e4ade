// Factorial in 80-bit floating point, multiplied from the top down.
#include "engine/factorial.h"

#include <cmath>

#include "engine/parser_errors.h"

namespace tarvix {

long double Factorial(long double x) {
    if (std::isnan(x) || x < 0.0L || x > 1754.0L) RaiseRange("x!", "<0, 1754>", 20);
    int m = static_cast<int>(truncl(x));
    long double result = 1.0L;
    for (int k = m; k >= 2; --k) result *= static_cast<long double>(k);
    return result;
}

}  // namespace tarvix
