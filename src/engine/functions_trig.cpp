// The trigonometric functions SIN, COS, TG and COTG in the current angle unit.
#include <cmath>

#include "engine/complex_math.h"
#include "engine/functions_angle.h"
#include "engine/functions_complex_kernels.h"
#include "engine/functions_families.h"

namespace tarvix {
namespace {

constexpr std::string_view kSinName = "sin(x)";
constexpr std::string_view kCosName = "cos(x)";
constexpr std::string_view kTgName = "tg(x)";
constexpr std::string_view kCotgName = "cotg(x)";

long double SinReal(long double x) {
    return AngleSine(x, kSinName);
}

ComplexValue SinComplex(const ComplexValue& z) {
    SineCosine sc = AngleSineCosine(z.Re, kSinName);
    long double y = ToRadians(z.Im);
    return {PositiveZero(coshl(y) * sc.Sin), PositiveZero(sinhl(y) * sc.Cos)};
}

long double CosReal(long double x) {
    return AngleCosine(x, kCosName);
}

ComplexValue CosComplex(const ComplexValue& z) {
    SineCosine sc = AngleSineCosine(z.Re, kCosName);
    long double y = ToRadians(z.Im);
    return {PositiveZero(coshl(y) * sc.Cos), PositiveZero(-sinhl(y) * sc.Sin)};
}

long double TgReal(long double x) {
    SineCosine sc = AngleSineCosine(x, kTgName);
    if (sc.Cos == 0.0L) RaiseDomain(kTgName, "{R} - {pi/2+k*pi}", 21);
    return PositiveZero(sc.Sin / sc.Cos);
}

// tan(x + iy) = (sin x·cos x + i·sinh y·cosh y) / (cos² x + sinh² y); the
// denominator is half of cosh 2y + cos 2x and vanishes only at the real poles.
ComplexValue TgComplex(const ComplexValue& z) {
    SineCosine sc = AngleSineCosine(z.Re, kTgName);
    long double y = ToRadians(z.Im);
    if (sc.Cos == 0.0L && y * y == 0.0L) RaiseDomain(kTgName, "{C} - {re: pi/2+k*pi}", 21);
    if (y == 0.0L) return {PositiveZero(sc.Sin / sc.Cos), 0.0L};
    return TanQuotient(sc.Sin, sc.Cos, y);
}

long double CotgReal(long double x) {
    SineCosine sc = AngleSineCosine(x, kCotgName);
    if (sc.Sin == 0.0L) RaiseDomain(kCotgName, "{R} - {k*pi}", 21);
    return PositiveZero(sc.Cos / sc.Sin);
}

// cot(x + iy) = (sin x·cos x − i·sinh y·cosh y) / (sin² x + sinh² y).
ComplexValue CotgComplex(const ComplexValue& z) {
    SineCosine sc = AngleSineCosine(z.Re, kCotgName);
    long double y = ToRadians(z.Im);
    if (sc.Sin == 0.0L && y * y == 0.0L) RaiseDomain(kCotgName, "{C} - {re: k*pi}", 21);
    if (y == 0.0L) return {PositiveZero(sc.Cos / sc.Sin), 0.0L};
    ComplexValue t = TanQuotient(sc.Cos, sc.Sin, y);
    return {t.Re, -t.Im};
}

constexpr FunctionDef kOneArgument[] = {
    {"SIN", UnaryCallback<SinReal, SinComplex>},
    {"COS", UnaryCallback<CosReal, CosComplex>},
    {"TG", UnaryCallback<TgReal, TgComplex>},
    {"COTG", UnaryCallback<CotgReal, CotgComplex>},
};

}  // namespace

FunctionFamily TrigonometricFunctions() {
    return {kOneArgument, {}};
}

}  // namespace tarvix
