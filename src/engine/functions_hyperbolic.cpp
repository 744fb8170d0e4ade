// The hyperbolic functions SINH, COSH, TGH, COTGH and their inverses, each
// inverse under two names (ARGSINH = ARCSINH, ...). All work in radians.
#include <cmath>
#include <complex>

#include "engine/complex_math.h"
#include "engine/functions_complex_kernels.h"
#include "engine/functions_families.h"

namespace tarvix {
namespace {

constexpr ComplexValue kOne{1.0L, 0.0L};

long double SinhReal(long double x) {
    return sinhl(x);
}
ComplexValue SinhComplex(const ComplexValue& z) {
    return {sinhl(z.Re) * cosl(z.Im), coshl(z.Re) * sinl(z.Im)};
}

long double CoshReal(long double x) {
    return coshl(x);
}
ComplexValue CoshComplex(const ComplexValue& z) {
    return {coshl(z.Re) * cosl(z.Im), sinhl(z.Re) * sinl(z.Im)};
}

long double TghReal(long double x) {
    return tanhl(x);
}

// tanh(x + iy) = (sinh x·cosh x + i·sin y·cos y) / (sinh² x + cos² y).
ComplexValue TghComplex(const ComplexValue& z) {
    ComplexValue t = TanQuotient(sinl(z.Im), cosl(z.Im), z.Re);
    return {t.Im, t.Re};
}

long double CotghReal(long double x) {
    long double t = tanhl(x);
    if (t == 0.0L) RaiseDomain("cotgh(x)", "{R} - {0}", 23);
    return 1.0L / t;
}

// coth(x + iy) = (sinh x·cosh x − i·sin y·cos y) / (sinh² x + sin² y).
ComplexValue CotghComplex(const ComplexValue& z) {
    ComplexValue t = TanQuotient(cosl(z.Im), sinl(z.Im), z.Re);
    return {t.Im, PositiveZero(-t.Re)};
}

long double ArgsinhReal(long double x) {
    return asinhl(x);
}

// ln(z + √(z² + 1)), the principal inverse except below −i on the imaginary
// axis, where this formula takes the value of the left half-plane.
ComplexValue ArgsinhComplex(const ComplexValue& z) {
    if (z.Re == 0.0L && z.Im < -1.0L) {
        return FromStd(std::asinh(std::complex<long double>(-0.0L, z.Im)));
    }
    return FromStd(std::asinh(ToStd(z)));
}

long double ArgcoshReal(long double x) {
    if (x < 1.0L) RaiseDomain("argcosh(x)", "<1, +oo)", 24);
    return acoshl(x);
}

// ln(z + √(z² − 1)).
ComplexValue ArgcoshComplex(const ComplexValue& z) {
    return AcoshLog(z);
}

long double ArgtghReal(long double x) {
    if (x <= -1.0L || x >= 1.0L) RaiseDomain("argtgh(x)", "(-1, 1)", 24);
    return atanhl(x);
}

// ½·ln(numerator / denominator), the defining formula of the inverse tangents;
// used at ±1, where one side of the quotient is zero and the complex helpers
// raise their errors (division by zero, logarithm of zero).
ComplexValue HalfLogQuotient(const ComplexValue& numerator, const ComplexValue& denominator) {
    ComplexValue l = CLn(CDiv(numerator, denominator));
    return {0.5L * l.Re, 0.5L * l.Im};
}

bool IsPlusMinusOne(const ComplexValue& z) {
    return z.Im == 0.0L && fabsl(z.Re) == 1.0L;
}

// ½·ln((1 + z)/(1 − z)); on the real axis beyond ±1 the imaginary part is +π/2.
ComplexValue ArgtghComplex(const ComplexValue& z) {
    if (IsPlusMinusOne(z)) return HalfLogQuotient(CAdd(kOne, z), CSub(kOne, z));
    return FromStd(std::atanh(ToStd(z)));
}

// ½·ln((x + 1)/(x − 1)) = ½·ln(1 + 2/(|x| − 1)) with the sign of x; |x| − 1 is
// exact near 1, where artanh(1/x) would lose digits to the rounding of 1/x.
long double ArgcotghReal(long double x) {
    if (x >= -1.0L && x <= 1.0L) RaiseDomain("argcotgh(x)", "(-oo, -1)", 24);
    return copysignl(0.5L * log1pl(2.0L / (fabsl(x) - 1.0L)), x);
}

// ½·ln((z + 1)/(z − 1)) = artanh(1/z); between −1 and 1 on the real axis the
// quotient is negative and the imaginary part is +π/2.
ComplexValue ArgcotghComplex(const ComplexValue& z) {
    if (z.Im == 0.0L) {
        if (IsPlusMinusOne(z)) return HalfLogQuotient(CAdd(z, kOne), CSub(z, kOne));
        if (fabsl(z.Re) < 1.0L) return {atanhl(z.Re), kPi / 2.0L};
        return {ArgcotghReal(z.Re), 0.0L};
    }
    return FromStd(std::atanh(ToStd(CDiv(kOne, z))));
}

constexpr OperationCallback kArgsinh = UnaryCallback<ArgsinhReal, ArgsinhComplex>;
constexpr OperationCallback kArgcosh = UnaryCallback<ArgcoshReal, ArgcoshComplex>;
constexpr OperationCallback kArgtgh = UnaryCallback<ArgtghReal, ArgtghComplex>;
constexpr OperationCallback kArgcotgh = UnaryCallback<ArgcotghReal, ArgcotghComplex>;

constexpr FunctionDef kOneArgument[] = {
    {"SINH", UnaryCallback<SinhReal, SinhComplex>},
    {"COSH", UnaryCallback<CoshReal, CoshComplex>},
    {"TGH", UnaryCallback<TghReal, TghComplex>},
    {"COTGH", UnaryCallback<CotghReal, CotghComplex>},
    {"ARGSINH", kArgsinh},
    {"ARCSINH", kArgsinh},
    {"ARGCOSH", kArgcosh},
    {"ARCCOSH", kArgcosh},
    {"ARGTGH", kArgtgh},
    {"ARCTGH", kArgtgh},
    {"ARGCOTGH", kArgcotgh},
    {"ARCCOTGH", kArgcotgh},
};

}  // namespace

FunctionFamily HyperbolicFunctions() {
    return {kOneArgument, {}};
}

}  // namespace tarvix
