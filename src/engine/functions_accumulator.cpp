// Functions built on the last result (SUM, SQRSUM) and the random function
// RANDOM.
#include <cmath>
#include <cstdint>
#include <random>

#include "engine/complex_math.h"
#include "engine/functions_families.h"

namespace tarvix {
namespace {

long double SumReal(long double x) {
    return x + EngineModes.LastValue.Re;
}
ComplexValue SumComplex(const ComplexValue& x) {
    return CAdd(x, EngineModes.LastValue);
}

long double SqrSumReal(long double x) {
    long double l = EngineModes.LastValue.Re;
    return l * l + x;
}

// The square of the conjugate of the last value, plus x.
ComplexValue SqrSumComplex(const ComplexValue& x) {
    const ComplexValue& l = EngineModes.LastValue;
    return {l.Re * l.Re - l.Im * l.Im + x.Re, x.Im - 2.0L * l.Re * l.Im};
}

// A uniform value in [0, 1) from 64 random bits of a Mersenne twister seeded
// once from the system's entropy source. The 64-bit significand holds
// every such integer exactly, so the scaled value never rounds up to 1; the
// guard keeps the bound should that ever change.
long double UniformUnit() {
    static std::mt19937_64 generator = [] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }();
    long double u = static_cast<long double>(generator()) * 0x1p-64L;
    return u < 1.0L ? u : nextafterl(1.0L, 0.0L);
}

// (x truncated toward zero)·u.
long double RandomReal(long double x) {
    return truncl(x) * UniformUnit();
}
ComplexValue RandomComplex(const ComplexValue& x) {
    return {RandomReal(x.Re), 0.0L};
}

constexpr FunctionDef kOneArgument[] = {
    {"SUM", UnaryCallback<SumReal, SumComplex>},
    {"SQRSUM", UnaryCallback<SqrSumReal, SqrSumComplex>},
    {"RANDOM", UnaryCallback<RandomReal, RandomComplex>},
};

}  // namespace

FunctionFamily AccumulatorFunctions() {
    return {kOneArgument, {}};
}

}  // namespace tarvix
