// Exponentials, logarithms and roots: EXP, EXP10, LN, LOG, LOG2, SQRT and the
// logarithm to a given base LOGN.
#include <cmath>
#include <complex>

#include "engine/complex_math.h"
#include "engine/functions_complex_kernels.h"
#include "engine/functions_families.h"

namespace tarvix {
namespace {

constexpr std::string_view kPositiveReals = "(0, +oo)";
constexpr std::string_view kComplexWithoutZero = "{C} - {0}";
constexpr std::string_view kLogNName = "logN(x)";

long double ExpReal(long double x) {
    return expl(x);
}
ComplexValue ExpComplex(const ComplexValue& z) {
    long double m = expl(z.Re);
    return {m * cosl(z.Im), m * sinl(z.Im)};
}

long double Exp10Real(long double x) {
    return exp10l(x);
}
ComplexValue Exp10Complex(const ComplexValue& z) {
    long double m = exp10l(z.Re);
    long double v = z.Im * kLn10;
    return {m * cosl(v), m * sinl(v)};
}

// A logarithm of the real domain: arguments ≤ 0 raise the domain error.
template <FunctionName Name, RealFunction Log>
long double RealLog(long double x) {
    if (x <= 0.0L) RaiseDomain(Name.View(), kPositiveReals, 26);
    return Log(x);
}

// The principal logarithm times Factor (1, log10 e or log2 e). On the positive
// real axis the base's own logarithm gives the value directly, exact for the
// base's powers; elsewhere the library's complex logarithm keeps ln |z| accurate
// also where |z| is close to 1.
// The factor of a logarithm to base e, 10 or 2 (an index: a floating-point
// template argument is not portable across compilers yet).
enum LogBase { kBaseE, kBase10, kBase2 };
constexpr long double kLogFactor[] = {1.0L, kLog10E, kLog2E};

template <FunctionName Name, RealFunction Log, LogBase Base>
ComplexValue ComplexLog(const ComplexValue& z) {
    constexpr long double Factor = kLogFactor[Base];
    if (IsZero(z)) RaiseDomain(Name.View(), kComplexWithoutZero, 26);
    if (z.Re > 0.0L && z.Im == 0.0L) return {Log(z.Re), 0.0L};
    std::complex<long double> l = std::log(ToStd(z));
    return {l.real() * Factor, l.imag() * Factor};
}

long double SqrtReal(long double x) {
    if (x < 0.0L) RaiseDomain("sqrt(x)", "<0, +oo)", 20);
    return sqrtl(x);
}

// log2 y / log2 x: exact where both are powers of two (logN(2;8) = 3). A base
// that is not positive, or 1, surfaces as a floating-point error.
long double LogNReal(long double x, long double y) {
    if (y <= 0.0L) RaiseDomain(kLogNName, kPositiveReals, 26);
    return log2l(y) / log2l(x);
}

bool IsPositiveReal(const ComplexValue& z) {
    return z.Re > 0.0L && z.Im == 0.0L;
}

// ln y / ln x with the whole complex base; a base of 1 raises "Dělení nulou".
ComplexValue LogNComplex(const ComplexValue& x, const ComplexValue& y) {
    if (IsZero(x) || IsZero(y)) RaiseDomain(kLogNName, kComplexWithoutZero, 26);
    if (IsPositiveReal(x) && IsPositiveReal(y) && x.Re != 1.0L) {
        return {log2l(y.Re) / log2l(x.Re), 0.0L};
    }
    return CDiv(FromStd(std::log(ToStd(y))), FromStd(std::log(ToStd(x))));
}

constexpr FunctionDef kOneArgument[] = {
    {"EXP", UnaryCallback<ExpReal, ExpComplex>},
    {"EXP10", UnaryCallback<Exp10Real, Exp10Complex>},
    {"LN", UnaryCallback<RealLog<"ln(x)", logl>, ComplexLog<"ln(x)", logl, kBaseE>>},
    {"LOG", UnaryCallback<RealLog<"log(x)", log10l>, ComplexLog<"log(x)", log10l, kBase10>>},
    {"LOG2", UnaryCallback<RealLog<"log2(x)", log2l>, ComplexLog<"log2(x)", log2l, kBase2>>},
    {"SQRT", UnaryCallback<SqrtReal, CSqrt>},
};

constexpr FunctionDef kTwoArguments[] = {
    {"LOGN", BinaryCallback<LogNReal, LogNComplex>},
};

}  // namespace

FunctionFamily LogarithmPowerFunctions() {
    return {kOneArgument, kTwoArguments};
}

}  // namespace tarvix
