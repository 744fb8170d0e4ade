// FACT and BINOM: the factorial and the binomial coefficient, real mode only.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/calculus_callbacks.h"
#include "engine/engine_modes.h"
#include "engine/factorial.h"
#include "engine/float_guard.h"
#include "engine/parser_errors.h"

namespace tarvix {
namespace {

constexpr char kBinomName[] = "binom(n;k)";

// n over k for 0 <= k <= n: n·(n−1)·…·(c+1) / (n−c)! with c = max(k, n−k),
// multiplying and dividing in turn so that the running value stays near the
// size of the result.
long double BinomialCoefficient(std::int32_t n, std::int32_t k) {
    if (k == 0 || k == n) return 1.0L;
    const std::int32_t c = std::max(k, n - k);
    long double q = n;
    long double divisor = n - c;
    for (std::int32_t d = n - 1; d > c; --d) {
        q = q * static_cast<long double>(d) / divisor;
        divisor -= 1.0L;
        // Past the top of the range the value stays infinite; the evaluator
        // reports the overflow.
        if (std::isinf(q)) break;
    }
    return q;
}

}  // namespace

void OpFact(const OperationRec& r) {
    if (EngineModes.ComplexMode) RaiseNoComplex("x!", 20);
    *r.Dest = {Factorial(r.Arg1->Re), 0.0L};
}

void OpBinom(const OperationRec& r) {
    if (EngineModes.ComplexMode) RaiseNoComplex(kBinomName, 28);
    const std::int32_t n = TruncToInt32(r.Arg1->Re);
    const std::int32_t k = TruncToInt32(r.Arg2->Re);
    if (n < 0) RaiseRange(kBinomName, "<0, 1754>", 20);
    if (k < 0 || k > n) RaiseRange(kBinomName, "k = <0..n>", 20);
    *r.Dest = {BinomialCoefficient(n, k), 0.0L};
}

}  // namespace tarvix
