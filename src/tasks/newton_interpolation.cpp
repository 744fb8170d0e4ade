// Newton's forward-difference interpolation of INTERP.
#include "tasks/newton_interpolation.h"

#include <algorithm>
#include <cmath>

namespace tarvix {
namespace {

// Spacing differences below this share of the step are rounding of the
// typed values.
constexpr long double kSpacingTolerance = 1e-9L;

bool EquallySpaced(const std::vector<long double>& x) {
    if (x.size() < 2) return true;
    const long double h = x[1] - x[0];
    if (h == 0.0L) return false;
    for (std::size_t j = 2; j < x.size(); ++j) {
        const long double expected = x[0] + static_cast<long double>(j) * h;
        if (std::fabs(x[j] - expected) > kSpacingTolerance * std::fabs(h)) return false;
    }
    return true;
}

}  // namespace

Interpolation NewtonResample(const std::vector<long double>& x, const std::vector<long double>& y,
                             long n) {
    Interpolation result;
    if (n > kMaxInterpolationSamples) {
        result.Fault = InterpolationFault::TooManySamples;
    } else if (n < 2) {
        result.Fault = InterpolationFault::TooFewSamples;
    } else if (x.size() > kMaxInterpolationNodes) {
        result.Fault = InterpolationFault::TooManyNodes;
    } else if (x.empty() || x.size() != y.size()) {
        result.Fault = InterpolationFault::Lengths;
    } else if (!EquallySpaced(x)) {
        result.Fault = InterpolationFault::NotEquidistant;
    }
    if (result.Fault != InterpolationFault::None) return result;

    // Forward differences Δ^i y0 (the difference table's top edge).
    std::vector<long double> table = y;
    std::vector<long double> differences;
    for (std::size_t i = 0; i < y.size(); ++i) {
        differences.push_back(table[0]);
        for (std::size_t j = 0; j + 1 < table.size() - i; ++j) table[j] = table[j + 1] - table[j];
    }
    const long double h = x.size() > 1 ? x[1] - x[0] : 1.0L;
    const long double step = (x.back() - x.front()) / static_cast<long double>(n - 1);
    result.Samples.reserve(static_cast<std::size_t>(n));
    for (long m = 0; m < n; ++m) {
        const long double at =
            m == n - 1 ? x.back() : x.front() + static_cast<long double>(m) * step;
        // P(x0 + s·h) = Σ C(s, i) · Δ^i y0, the binomial built term by term:
        // Π (x − xj) / (i! · h^i) with xj = x0 + j·h.
        const long double s = (at - x.front()) / h;
        long double binomial = 1.0L;
        long double value = differences[0];
        for (std::size_t i = 1; i < differences.size(); ++i) {
            binomial *= (s - static_cast<long double>(i - 1)) / static_cast<long double>(i);
            value += binomial * differences[i];
        }
        result.Samples.push_back(value);
    }
    return result;
}

}  // namespace tarvix
