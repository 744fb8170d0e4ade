// The inverse trigonometric functions ARCSIN, ARCCOS, ARCTG and ARCCOTG. Real
// results and the complex arcsin and arccos are angles of the current unit;
// the complex arctg and arccotg are in radians.
#include <cmath>
#include <complex>

#include "engine/complex_math.h"
#include "engine/functions_complex_kernels.h"
#include "engine/functions_families.h"

namespace tarvix {
namespace {

constexpr std::string_view kArcsinName = "arcsin(x)";
constexpr std::string_view kArccosName = "arccos(x)";
constexpr std::string_view kArctgName = "arctg(x)";
constexpr std::string_view kArccotgName = "arccotg(x)";
constexpr std::string_view kUnitInterval = "<-1, 1>";
constexpr std::string_view kComplexUnitStrip = "{C} & {re: <-1,1>}";
constexpr std::string_view kComplexWithoutI = "{C} - {±i}";

long double ArcsinReal(long double x) {
    if (x < -1.0L || x > 1.0L) RaiseDomain(kArcsinName, kUnitInterval, 22);
    return FromRadians(asinl(x));
}

// −i·ln(i·z + √(1 − z²)), the principal arcsine.
ComplexValue ArcsinComplex(const ComplexValue& z) {
    if (fabsl(z.Re) >= 1.0L) RaiseDomain(kArcsinName, kComplexUnitStrip, 22);
    if (z.Im == 0.0L) return {ArcsinReal(z.Re), 0.0L};
    return FromRadians(FromStd(std::asin(ToStd(z))));
}

long double ArccosReal(long double x) {
    if (x < -1.0L || x > 1.0L) RaiseDomain(kArccosName, kUnitInterval, 22);
    return FromRadians(acosl(x));
}

// −i·ln(z + √(z² − 1)).
ComplexValue ArccosComplex(const ComplexValue& z) {
    if (fabsl(z.Re) > 1.0L) RaiseDomain(kArccosName, kComplexUnitStrip, 22);
    if (z.Im == 0.0L) return {ArccosReal(z.Re), 0.0L};
    ComplexValue l = AcoshLog(z);
    return FromRadians(ComplexValue{l.Im, PositiveZero(-l.Re)});
}

bool IsPlusMinusI(const ComplexValue& z) {
    return z.Re == 0.0L && fabsl(z.Im) == 1.0L;
}

long double ArctgReal(long double x) {
    return FromRadians(atanl(x));
}

// −(i/2)·ln((i − z)/(i + z)), the principal arctangent.
ComplexValue ArctgComplex(const ComplexValue& z) {
    if (IsPlusMinusI(z)) RaiseDomain(kArctgName, kComplexWithoutI, 22);
    return FromStd(std::atan(ToStd(z)));
}

// π/2 − arctg x, in (0, π), without the cancellation of the difference.
long double ArccotgReal(long double x) {
    return FromRadians(atan2l(1.0L, x));
}

// (i/2)·ln((z − i)/(z + i)): arctg(1/z) except on the segment between −i and i,
// where the quotient is a negative real number and the real part is −π/2.
ComplexValue ArccotgComplex(const ComplexValue& z) {
    if (IsPlusMinusI(z)) RaiseDomain(kArccotgName, kComplexWithoutI, 22);
    if (z.Re == 0.0L && fabsl(z.Im) < 1.0L) return {-kPi / 2.0L, PositiveZero(-atanhl(z.Im))};
    return FromStd(std::atan(ToStd(CDiv({1.0L, 0.0L}, z))));
}

constexpr FunctionDef kOneArgument[] = {
    {"ARCSIN", UnaryCallback<ArcsinReal, ArcsinComplex>},
    {"ARCCOS", UnaryCallback<ArccosReal, ArccosComplex>},
    {"ARCTG", UnaryCallback<ArctgReal, ArctgComplex>},
    {"ARCCOTG", UnaryCallback<ArccotgReal, ArccotgComplex>},
};

}  // namespace

FunctionFamily InverseTrigonometricFunctions() {
    return {kOneArgument, {}};
}

}  // namespace tarvix
