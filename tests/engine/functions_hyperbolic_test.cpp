// The hyperbolic functions and their inverses under both names: values,
// domains, the values on the branch cuts and the singular points.
#include "functions_test_support.h"

namespace tarvix::testing {
namespace {

using HyperbolicTest = FunctionsTest;

constexpr long double kPi = 3.14159265358979323846264338L;
constexpr long double kAtanhHalf = 0.549306144334054845697623L;
constexpr long double kAcosh2 = 1.31695789692481670862505L;

TEST_F(HyperbolicTest, Values) {
    static const ValueCase cases[] = {
        // Hyperbolic functions ignore the angle unit.
        {"sinh(1)", kRealDeg, 1.17520119364380145688238L, 0, kTight},
        {"cosh(0)", kRealRad, 1, 0, kExact},
        {"tgh(0.5)", kRealGrad, 0.462117157260009758502318L, 0, kTight},
        {"cotgh(1)", kRealRad, 1.31303528549933130363616L, 0, kTight},
        {"argsinh(0-1)", kRealRad, -0.881373587019543025232609L, 0, kTight},
        {"arcsinh(0-1)", kRealRad, -0.881373587019543025232609L, 0, kTight},
        {"argcosh(1)", kRealRad, 0, 0, kExact},
        {"arccosh(2)", kRealRad, kAcosh2, 0, kTight},
        {"argtgh(0.5)", kRealRad, kAtanhHalf, 0, kTight},
        {"arctgh(0-0.5)", kRealRad, -kAtanhHalf, 0, kTight},
        {"argcotgh(2)", kRealRad, kAtanhHalf, 0, kTight},
        {"arccotgh(0-2)", kRealRad, -kAtanhHalf, 0, kTight},
        // Close to 1, where artanh(1/x) would lose digits to the rounding of 1/x.
        {"argcotgh(1.00000095367431640625)", kRealRad, 7.27804563429794800704265L, 0, kTight},
        {"sinh(0.5+1i)", kCplxDeg, 0.281548995135334393822562L, 0.948864531437168080523896L,
         kTight},
        {"cosh(0-2+3i)", kCplxRad, -3.72454550491532256547397L, -0.511822569987384608834464L,
         kTight},
        {"tgh(1000+1i)", kCplxRad, 1, 4.68567487881526976914505e-869L, kTight},
        {"tgh(0-1000+1i)", kCplxRad, -1, 4.68567487881526976914505e-869L, kTight},
        {"cotgh(0.5+1i)", kCplxRad, 0.599828866643342290068370L, -0.464110186344714939232521L,
         kTight},
        {"cotgh(1000+1i)", kCplxRad, 1, -4.68567487881526976914505e-869L, kTight},
        // The branch cuts take the values of the defining logarithms.
        {"argsinh(2i)", kCplxRad, kAcosh2, kPi / 2, kTight},
        {"arcsinh(0-2i)", kCplxRad, -kAcosh2, -kPi / 2, kTight},
        {"argcosh(0-2)", kCplxRad, -kAcosh2, kPi, kTight},
        {"argcosh(0.5)", kCplxRad, 0, kPi / 3, kTight},
        {"arccosh(0)", kCplxRad, 0, kPi / 2, kTight},
        {"argcosh(2)", kCplxRad, kAcosh2, 0, kTight},
        {"argtgh(2)", kCplxRad, kAtanhHalf, kPi / 2, kTight},
        {"argtgh(0-2)", kCplxRad, -kAtanhHalf, kPi / 2, kTight},
        {"argcotgh(0.5)", kCplxRad, kAtanhHalf, kPi / 2, kTight},
        {"argcotgh(0)", kCplxRad, 0, kPi / 2, kTight},
        {"argcotgh(2)", kCplxRad, kAtanhHalf, 0, kTight},
    };
    CheckValues(cases);
}

TEST_F(HyperbolicTest, DomainErrors) {
    static const ErrorCase cases[] = {
        {"cotgh(0)", kRealRad, DomainText("cotgh(x)", "{R} - {0}"), 23},
        {"argcosh(0.5)", kRealRad, DomainText("argcosh(x)", "<1, +oo)"), 24},
        {"arccosh(0-1)", kRealRad, DomainText("argcosh(x)", "<1, +oo)"), 24},
        {"argtgh(1)", kRealRad, DomainText("argtgh(x)", "(-1, 1)"), 24},
        {"arctgh(0-1)", kRealRad, DomainText("argtgh(x)", "(-1, 1)"), 24},
        {"argcotgh(0.5)", kRealRad, DomainText("argcotgh(x)", "(-oo, -1)"), 24},
        {"argcotgh(1)", kRealRad, DomainText("argcotgh(x)", "(-oo, -1)"), 24},
        {"arccotgh(0-1)", kRealRad, DomainText("argcotgh(x)", "(-oo, -1)"), 24},
        // Complex ±1: the defining quotient divides by zero or takes ln(0).
        {"argtgh(1)", kCplxRad, kDivisionByZeroText, 18},
        {"argtgh(0-1)", kCplxRad, DomainText("ln(x)", "{C} - {0}"), 26},
        {"argcotgh(1)", kCplxRad, kDivisionByZeroText, 18},
        {"arccotgh(0-1)", kCplxRad, DomainText("ln(x)", "{C} - {0}"), 26},
    };
    CheckErrors(cases);
}

TEST_F(HyperbolicTest, FloatingPointFaults) {
    static const ErrorCase cases[] = {
        {"sinh(20000)", kRealRad, "Přetečení rozsahu čísla s pohyblivou řádovou čárkou", 0},
        {"cosh(0-20000+1i)", kCplxRad, "Přetečení rozsahu čísla s pohyblivou řádovou čárkou", 0},
        {"cotgh(0)", kCplxRad, "Neplatná operace s čísly s pohyblivou řádovou čárkou", 0},
    };
    CheckErrors<EArithmeticError>(cases);
}

}  // namespace
}  // namespace tarvix::testing
