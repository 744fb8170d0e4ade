// Moduli, angles, parts and comparisons: ABS, ARG, RE, IM, CONJUG, ZERO, the
// constant function "1", MAX, MIN, RADIUS, PHASE (= ARCTG2) and HYPOT.
#include <cmath>

#include "engine/complex_math.h"
#include "engine/functions_families.h"

namespace tarvix {
namespace {

long double AbsReal(long double x) {
    return fabsl(x);
}
ComplexValue AbsComplex(const ComplexValue& z) {
    return {CAbs(z), 0.0L};
}

long double ArgReal(long double) {
    return 0.0L;
}
ComplexValue ArgComplex(const ComplexValue& z) {
    return {FromRadians(ArcTan2(z.Im, z.Re)), 0.0L};
}

long double Identity(long double x) {
    return x;
}
ComplexValue ReComplex(const ComplexValue& z) {
    return {z.Re, 0.0L};
}

long double ImReal(long double) {
    return 0.0L;
}
// The imaginary component as an imaginary number, so that re(z) + im(z) = z.
ComplexValue ImComplex(const ComplexValue& z) {
    return {0.0L, z.Im};
}

ComplexValue ConjugComplex(const ComplexValue& z) {
    return {z.Re, PositiveZero(-z.Im)};
}

long double ZeroReal(long double x) {
    return x == 0.0L ? 0.0L : 1.0L;
}
ComplexValue ZeroComplex(const ComplexValue& z) {
    return {IsZero(z) ? 0.0L : 1.0L, 0.0L};
}

long double OneReal(long double) {
    return 1.0L;
}
ComplexValue OneComplex(const ComplexValue&) {
    return {1.0L, 0.0L};
}

// On equality MAX keeps the first argument and MIN the second.
long double MaxReal(long double x, long double y) {
    return x >= y ? x : y;
}
ComplexValue MaxComplex(const ComplexValue& x, const ComplexValue& y) {
    return CAbs(x) >= CAbs(y) ? x : y;
}
long double MinReal(long double x, long double y) {
    return x < y ? x : y;
}
ComplexValue MinComplex(const ComplexValue& x, const ComplexValue& y) {
    return CAbs(x) < CAbs(y) ? x : y;
}

// √(x² + y²) without intermediate overflow or underflow.
long double HypotReal(long double x, long double y) {
    return hypotl(x, y);
}

// The modulus of the first argument; the second is not used.
ComplexValue RadiusComplex(const ComplexValue& x, const ComplexValue&) {
    return {CAbs(x), 0.0L};
}

// The four-quadrant angle of the point [x, y].
long double PhaseReal(long double x, long double y) {
    return FromRadians(ArcTan2(y, x));
}
// The angle of the first argument; the second is not used.
ComplexValue PhaseComplex(const ComplexValue& x, const ComplexValue&) {
    return ArgComplex(x);
}

// The distance of the two points.
ComplexValue HypotComplex(const ComplexValue& x, const ComplexValue& y) {
    return {hypotl(x.Re - y.Re, x.Im - y.Im), 0.0L};
}

constexpr OperationCallback kPhase = BinaryCallback<PhaseReal, PhaseComplex>;

constexpr FunctionDef kOneArgument[] = {
    {"ABS", UnaryCallback<AbsReal, AbsComplex>},
    {"ARG", UnaryCallback<ArgReal, ArgComplex>},
    {"RE", UnaryCallback<Identity, ReComplex>},
    {"IM", UnaryCallback<ImReal, ImComplex>},
    {"CONJUG", UnaryCallback<Identity, ConjugComplex>},
    {"ZERO", UnaryCallback<ZeroReal, ZeroComplex>},
    {"1", UnaryCallback<OneReal, OneComplex>},
};

constexpr FunctionDef kTwoArguments[] = {
    {"MAX", BinaryCallback<MaxReal, MaxComplex>},
    {"MIN", BinaryCallback<MinReal, MinComplex>},
    {"RADIUS", BinaryCallback<HypotReal, RadiusComplex>},
    {"PHASE", kPhase},
    {"ARCTG2", kPhase},
    {"HYPOT", BinaryCallback<HypotReal, HypotComplex>},
};

}  // namespace

FunctionFamily ComplexPartFunctions() {
    return {kOneArgument, kTwoArguments};
}

}  // namespace tarvix
