// The inverse trigonometric functions: results in the angle unit, domains in
// both number domains, and the values on the branch cuts.
#include "functions_test_support.h"

namespace tarvix::testing {
namespace {

using InverseTrigonometricTest = FunctionsTest;

constexpr long double kPi = 3.14159265358979323846264338L;
constexpr long double kAtanhHalf = 0.549306144334054845697623L;

TEST_F(InverseTrigonometricTest, Values) {
    static const ValueCase cases[] = {
        {"arcsin(1)", kRealRad, kPi / 2, 0, kTight},
        {"arcsin(0-0.5)", kRealRad, -kPi / 6, 0, kTight},
        {"arcsin(0.5)", kRealDeg, 30, 0, kTight},
        {"arcsin(1)", kRealGrad, 100, 0, kTight},
        {"arccos(0-1)", kRealRad, kPi, 0, kTight},
        {"arccos(0.5)", kRealDeg, 60, 0, kTight},
        {"arccos(1)", kRealDeg, 0, 0, kExact},
        {"arctg(1)", kRealRad, kPi / 4, 0, kTight},
        {"arctg(1)", kRealDeg, 45, 0, kTight},
        {"arctg(1)", kRealGrad, 50, 0, kTight},
        {"arccotg(0)", kRealRad, kPi / 2, 0, kTight},
        {"arccotg(0-1)", kRealRad, 3 * kPi / 4, 0, kTight},
        {"arccotg(0-1)", kRealDeg, 135, 0, kTight},
        // pi/2 - arctg x would keep only a few digits here.
        {"arccotg(1E10)", kRealRad, 9.99999999999999999996667e-11L, 0, kTight},
        // Complex: arcsin and arccos in the unit, arctg and arccotg in radians.
        {"arcsin(0.5+1i)", kCplxRad, 0.349439062857213293627425L, 0.926133031350182424550124L,
         kTight},
        {"arcsin(0.5+1i)", kCplxDeg, 20.0213834987250068033306L, 53.0635139640226089725242L,
         kTight},
        {"arcsin(0.5)", kCplxDeg, 30, 0, kTight},
        {"arccos(1)", kCplxRad, 0, 0, kExact},
        {"arccos(1+1i)", kCplxRad, 0.904556894302381364127317L, -1.06127506190503565203302L,
         kTight},
        {"arctg(1)", kCplxDeg, kPi / 4, 0, kTight},
        {"arctg(2i)", kCplxRad, kPi / 2, kAtanhHalf, kTight},
        {"arctg(0-2i)", kCplxRad, kPi / 2, -kAtanhHalf, kTight},
        {"arccotg(2-0.5i)", kCplxRad, 0.444239885960074270487446L, 0.0964156202029961672379960L,
         kTight},
        {"arccotg(0.5i)", kCplxRad, -kPi / 2, -kAtanhHalf, kTight},
        {"arccotg(0)", kCplxRad, -kPi / 2, 0, kTight},
    };
    CheckValues(cases);
}

TEST_F(InverseTrigonometricTest, Errors) {
    const std::string strip = "{C} & {re: <-1,1>}";
    static const ErrorCase cases[] = {
        {"arcsin(2)", kRealRad, DomainText("arcsin(x)", "<-1, 1>"), 22},
        {"arcsin(0-1.0000001)", kRealDeg, DomainText("arcsin(x)", "<-1, 1>"), 22},
        {"arccos(0-1.5)", kRealRad, DomainText("arccos(x)", "<-1, 1>"), 22},
        {"arcsin(1)", kCplxRad, DomainText("arcsin(x)", strip), 22},
        {"arcsin(1+1i)", kCplxRad, DomainText("arcsin(x)", strip), 22},
        {"arcsin(0-1+0.5i)", kCplxDeg, DomainText("arcsin(x)", strip), 22},
        {"arccos(1.5+1i)", kCplxRad, DomainText("arccos(x)", strip), 22},
        {"arccos(0-2)", kCplxRad, DomainText("arccos(x)", strip), 22},
        {"arctg(1i)", kCplxRad, DomainText("arctg(x)", "{C} - {±i}"), 22},
        {"arctg(0-1i)", kCplxDeg, DomainText("arctg(x)", "{C} - {±i}"), 22},
        {"arccotg(1i)", kCplxRad, DomainText("arccotg(x)", "{C} - {±i}"), 22},
        {"arccotg(0-1i)", kCplxRad, DomainText("arccotg(x)", "{C} - {±i}"), 22},
    };
    CheckErrors(cases);
}

}  // namespace
}  // namespace tarvix::testing
