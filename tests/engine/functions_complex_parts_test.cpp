// Moduli, angles, parts and comparisons: ABS, ARG, RE, IM, CONJUG, ZERO, "1",
// MAX, MIN, RADIUS, PHASE, ARCTG2 and HYPOT in both domains.
#include "functions_test_support.h"

namespace tarvix::testing {
namespace {

using ComplexPartsTest = FunctionsTest;

constexpr long double kPi = 3.14159265358979323846264338L;

TEST_F(ComplexPartsTest, RealMode) {
    static const ValueCase cases[] = {
        {"abs(0-3)", kRealRad, 3, 0, kExact},
        {"arg(0-1)", kRealDeg, 0, 0, kExact},
        {"re(5)", kRealRad, 5, 0, kExact},
        {"im(5)", kRealRad, 0, 0, kExact},
        {"conjug(5)", kRealRad, 5, 0, kExact},
        {"zero(0)", kRealRad, 0, 0, kExact},
        {"zero(0.1)", kRealRad, 1, 0, kExact},
        {"1(7)", kRealRad, 1, 0, kExact},
        {"max(3,3)", kRealRad, 3, 0, kExact},
        {"max(2,5)", kRealRad, 5, 0, kExact},
        {"max(0-2,0-5)", kRealRad, -2, 0, kExact},
        {"min(3,3)", kRealRad, 3, 0, kExact},
        {"min(2,5)", kRealRad, 2, 0, kExact},
        {"radius(3,4)", kRealRad, 5, 0, kExact},
        {"hypot(3,4)", kRealRad, 5, 0, kExact},
        {"hypot(1E4000,1E4000)", kRealRad, 1.41421356237309504880169e4000L, 0, kTight},
        {"phase(0,1)", kRealDeg, 90, 0, kTight},
        {"phase(0-1,0)", kRealDeg, 180, 0, kTight},
        {"phase(1,1)", kRealRad, kPi / 4, 0, kTight},
        {"arctg2(0-1,0-1)", kRealDeg, -135, 0, kTight},
        {"arctg2(0,1)", kRealGrad, 100, 0, kTight},
    };
    CheckValues(cases);
}

TEST_F(ComplexPartsTest, ComplexMode) {
    static const ValueCase cases[] = {
        {"abs(3+4i)", kCplxRad, 5, 0, kExact},
        {"arg(0-1)", kCplxDeg, 180, 0, kTight},
        {"arg(0-1i)", kCplxDeg, -90, 0, kTight},
        {"arg(1+1i)", kCplxRad, kPi / 4, 0, kTight},
        {"re(2+3i)", kCplxRad, 2, 0, kExact},
        {"im(2+3i)", kCplxRad, 0, 3, kExact},
        {"conjug(2+3i)", kCplxRad, 2, -3, kExact},
        {"conjug(2)", kCplxRad, 2, 0, kExact},
        {"zero(0)", kCplxRad, 0, 0, kExact},
        {"zero(1i)", kCplxRad, 1, 0, kExact},
        {"1(2+3i)", kCplxRad, 1, 0, kExact},
        {"max(3,4i)", kCplxRad, 0, 4, kExact},
        {"min(3,4i)", kCplxRad, 3, 0, kExact},
        {"max(3,0-3)", kCplxRad, 3, 0, kExact},
        {"min(3,0-3)", kCplxRad, -3, 0, kExact},
        {"radius(3+4i,100)", kCplxRad, 5, 0, kExact},
        {"phase(1i,5)", kCplxDeg, 90, 0, kTight},
        {"arctg2(1+1i,0)", kCplxRad, kPi / 4, 0, kTight},
        {"hypot(1+1i,4+5i)", kCplxRad, 5, 0, kExact},
    };
    CheckValues(cases);
}

TEST_F(ComplexPartsTest, PartsAddUpToTheValue) {
    SetMode(kCplxRad);
    parser.SetVariable("z", {2, -3});
    EXPECT_EQ(Eval("re(z)+im(z)"), (ComplexValue{2, -3}));
    EXPECT_EQ(Eval("z*conjug(z)"), (ComplexValue{13, 0}));
}

}  // namespace
}  // namespace tarvix::testing
