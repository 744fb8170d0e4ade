// Engineering postfix characters, factors and selection.
#include "calculator/eng_postfix.h"

#include <algorithm>
#include <cmath>

#include "calculator/decimal_digits.h"

namespace tarvix {
namespace {

// Factors of the positions 1..11.
constexpr long double kFactors[] = {1e-15L, 1e-12L, 1e-9L, 1e-6L, 1e-3L, 1.0L,
                                    1e3L,   1e6L,   1e9L,  1e12L, 1e15L};
static_assert(std::size(kFactors) == kEngPostfixAlphabet.size());

std::size_t IndexOf(int position) {
    return static_cast<std::size_t>(std::clamp(position, kMinEngPostfix, kMaxEngPostfix) - 1);
}

int FloorDiv3(int e) {
    return e >= 0 ? e / 3 : -((-e + 2) / 3);
}

}  // namespace

char EngPostfixChar(int position) {
    return kEngPostfixAlphabet[IndexOf(position)];
}

long double EngPostfixFactor(int position) {
    return kFactors[IndexOf(position)];
}

int EngPostfixPosition(char c) {
    std::size_t i = kEngPostfixAlphabet.find(c);
    return i == std::string_view::npos ? 0 : static_cast<int>(i) + 1;
}

int SelectEngPostfix(const ComplexValue& value, TNumericalScope scope) {
    long double m = scope == nsComplex ? hypotl(value.Re, value.Im) : fabsl(value.Re);
    if (!std::isfinite(m) || m == 0.0L) return kNoEngPostfix;
    int exponent = SignificantDigits(m).Exponent;
    return std::clamp(kNoEngPostfix + FloorDiv3(exponent), kMinEngPostfix, kMaxEngPostfix);
}

}  // namespace tarvix
