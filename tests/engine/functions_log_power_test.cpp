// Exponentials, logarithms, roots and the power functions: values in both
// domains, domain errors and the floating-point faults of bad bases.
#include "functions_test_support.h"

namespace tarvix::testing {
namespace {

using LogarithmPowerTest = FunctionsTest;

constexpr long double kPi = 3.14159265358979323846264338L;

TEST_F(LogarithmPowerTest, Values) {
    static const ValueCase cases[] = {
        {"exp(1)", kRealRad, 2.71828182845904523536029L, 0, kTight},
        {"exp(0)", kRealRad, 1, 0, kExact},
        {"exp10(3)", kRealRad, 1000, 0, kTight},
        {"exp10(0-2)", kRealRad, 0.01L, 0, kTight},
        {"ln(1)", kRealRad, 0, 0, kExact},
        {"ln(e)", kRealRad, 1, 0, kTight},
        {"log(1000)", kRealRad, 3, 0, kTight},
        {"log2(8)", kRealRad, 3, 0, kExact},
        {"log2(0.125)", kRealRad, -3, 0, kExact},
        {"sqrt(2)", kRealRad, 1.41421356237309504880169L, 0, kTight},
        {"sqrt(0)", kRealRad, 0, 0, kExact},
        {"logN(2,8)", kRealRad, 3, 0, kExact},
        {"logN(0.5,8)", kRealRad, -3, 0, kExact},
        {"logN(10,1000)", kRealRad, 3, 0, kTight},
        {"power(2,10)", kRealRad, 1024, 0, kExact},
        {"power(0-8,1/3)", kRealRad, -2, 0, kTight},
        {"intpower(2,10.7)", kRealRad, 1024, 0, kExact},
        {"sqr(0-3)", kRealRad, 9, 0, kExact},
        // Complex.
        {"exp(0.5+1i)", kCplxRad, 0.890807904293128619556227L, 1.38735111132976335569714L, kTight},
        {"exp10(1i)", kCplxRad, -0.668201510190312946242331L, 0.743980336957493187658416L, kTight},
        {"ln(0-1)", kCplxRad, 0, kPi, kTight},
        {"ln(1i)", kCplxDeg, 0, kPi / 2, kTight},
        {"ln(e)", kCplxRad, 1, 0, kTight},
        {"log(0-1)", kCplxRad, 0, 1.36437635384184134748578L, kTight},
        {"log(0.5+1i)", kCplxRad, 0.0484550065040282071793917L, 0.480828578784234102703942L,
         kTight},
        {"log(1000)", kCplxRad, 3, 0, kTight},
        {"log2(0-1)", kCplxRad, 0, 4.53236014182719380962768L, kTight},
        {"log2(8)", kCplxRad, 3, 0, kExact},
        {"sqrt(0-4)", kCplxRad, 0, 2, kExact},
        {"sqrt(0.5+1i)", kCplxRad, 0.899453719973933636130614L, 0.555892970251421171992048L,
         kTight},
        {"logN(2,8)", kCplxRad, 3, 0, kExact},
        {"logN(2,0-8)", kCplxRad, 3, 4.53236014182719380962768L, kTight},
        {"logN(1i,0-1)", kCplxRad, 2, 0, kTight},
        {"logN(0-1,1i)", kCplxRad, 0.5L, 0, kTight},
        {"power(1i,2)", kCplxRad, -1, 0, kExact},
        {"sqr(1+1i)", kCplxRad, 0, 2, kExact},
    };
    CheckValues(cases);
}

TEST_F(LogarithmPowerTest, DomainErrors) {
    const std::string positive = "(0, +oo)";
    const std::string withoutZero = "{C} - {0}";
    static const ErrorCase cases[] = {
        {"ln(0)", kRealRad, DomainText("ln(x)", positive), 26},
        {"ln(0-1)", kRealRad, DomainText("ln(x)", positive), 26},
        {"log(0)", kRealRad, DomainText("log(x)", positive), 26},
        {"log2(0-2)", kRealRad, DomainText("log2(x)", positive), 26},
        {"sqrt(0-1)", kRealRad, DomainText("sqrt(x)", "<0, +oo)"), 20},
        {"logN(2,0-8)", kRealRad, DomainText("logN(x)", positive), 26},
        {"logN(2,0)", kRealRad, DomainText("logN(x)", positive), 26},
        {"ln(0)", kCplxRad, DomainText("ln(x)", withoutZero), 26},
        {"log(0i)", kCplxRad, DomainText("log(x)", withoutZero), 26},
        {"log2(0)", kCplxRad, DomainText("log2(x)", withoutZero), 26},
        {"logN(0,5)", kCplxRad, DomainText("logN(x)", withoutZero), 26},
        {"logN(2,0)", kCplxRad, DomainText("logN(x)", withoutZero), 26},
        {"logN(1,5)", kCplxRad, kDivisionByZeroText, 18},
        {"power(0,0)", kRealRad, "Argument funkce power(x;y)\nje neurčitý výraz 0^0", 20},
        {"intpower(0,0)", kRealRad, "Argument funkce intpower(x;y)\nje neurčitý výraz 0^0", 20},
    };
    CheckErrors(cases);
}

TEST_F(LogarithmPowerTest, BadBasesAndOverflowAreFloatingPointFaults) {
    static const ErrorCase cases[] = {
        {"logN(1,5)", kRealRad, "Dělení nulou v pohyblivé řádové čárce", 0},
        {"logN(0,5)", kRealRad, "Dělení nulou v pohyblivé řádové čárce", 0},
        {"logN(0-2,8)", kRealRad, "Neplatná operace s čísly s pohyblivou řádovou čárkou", 0},
        {"exp(20000)", kRealRad, "Přetečení rozsahu čísla s pohyblivou řádovou čárkou", 0},
        {"exp10(5000+1i)", kCplxRad, "Přetečení rozsahu čísla s pohyblivou řádovou čárkou", 0},
    };
    CheckErrors<EArithmeticError>(cases);
}

}  // namespace
}  // namespace tarvix::testing
