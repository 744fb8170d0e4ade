// The trigonometric functions: exact zeros and poles decided in the angle unit,
// the range bound, and the complex formulas.
#include "functions_test_support.h"

namespace tarvix::testing {
namespace {

using TrigonometricTest = FunctionsTest;

constexpr long double kPi = 3.14159265358979323846264338L;

TEST_F(TrigonometricTest, Values) {
    static const ValueCase cases[] = {
        // Degrees: zeros, ones and poles' neighbours are exact in the unit.
        {"sin(180)", kRealDeg, 0, 0, kExact},
        {"sin(1980)", kRealDeg, 0, 0, kExact},
        {"sin(-180)", kRealDeg, 0, 0, kExact},
        {"sin(90)", kRealDeg, 1, 0, kExact},
        {"sin(-450)", kRealDeg, -1, 0, kExact},
        {"cos(90)", kRealDeg, 0, 0, kExact},
        {"cos(-270)", kRealDeg, 0, 0, kExact},
        {"cos(180)", kRealDeg, -1, 0, kExact},
        {"sin(30)", kRealDeg, 0.5L, 0, kTight},
        {"cos(60)", kRealDeg, 0.5L, 0, kTight},
        {"tg(45)", kRealDeg, 1, 0, kTight},
        {"tg(180)", kRealDeg, 0, 0, kExact},
        {"tg(-135)", kRealDeg, 1, 0, kTight},
        {"cotg(90)", kRealDeg, 0, 0, kExact},
        {"cotg(270)", kRealDeg, 0, 0, kExact},
        {"cotg(45)", kRealDeg, 1, 0, kTight},
        // Grads.
        {"sin(200)", kRealGrad, 0, 0, kExact},
        {"sin(100)", kRealGrad, 1, 0, kExact},
        {"cos(100)", kRealGrad, 0, 0, kExact},
        {"cos(-300)", kRealGrad, 0, 0, kExact},
        {"tg(50)", kRealGrad, 1, 0, kTight},
        {"tg(400)", kRealGrad, 0, 0, kExact},
        {"cotg(100)", kRealGrad, 0, 0, kExact},
        // Radians: the fractional part of x/pi decides.
        {"sin(pi)", kRealRad, 0, 0, kExact},
        {"sin(0)", kRealRad, 0, 0, kExact},
        {"cos(pi/2)", kRealRad, 0, 0, kExact},
        {"tg(pi)", kRealRad, 0, 0, kExact},
        {"cotg(pi/2)", kRealRad, 0, 0, kExact},
        {"sin(1)", kRealRad, 0.841470984807896506652502L, 0, kTight},
        // Close to pi but not pi: a true small value, not a forced zero (the
        // literal itself is rounded, hence the loose tolerance).
        {"sin(3.14159265358979)", kRealRad, 3.23846264338327950288e-15L, 0, 1e-3L},
        {"cos(2)", kRealRad, -0.416146836547142386997568L, 0, kTight},
        {"tg(1)", kRealRad, 1.55740772465490223050697L, 0, kTight},
        {"cotg(1)", kRealRad, 0.642092615934330703006420L, 0, kTight},
        // Complex: both parts of the argument are angles of the unit.
        {"sin(0.5+1i)", kCplxRad, 0.739792264456013728316903L, 1.03133607425455128307410L, kTight},
        {"cos(2-3i)", kCplxRad, -4.18962569096880723013256L, 9.10922789375533659797920L, kTight},
        {"sin(30+30i)", kCplxDeg, 0.570119160538214396070566L, 0.474455025938597089696763L, kTight},
        {"sin(90)", kCplxDeg, 1, 0, kExact},
        {"cos(90+1i)", kCplxDeg, 0, -0.0174541786295951111831482L, kTight},
        {"tg(0.5+1i)", kCplxRad, 0.195577310065933999348169L, 0.842966204845783228748768L, kTight},
        {"tg(90+1i)", kCplxDeg, 0, 57.3015971591129086704865L, kTight},
        {"tg(1+1000i)", kCplxRad, 4.68567487881526976914505e-869L, 1, kTight},
        {"tg(1-1000i)", kCplxRad, 4.68567487881526976914505e-869L, -1, kTight},
        {"tg(45)", kCplxDeg, 1, 0, kTight},
        {"cotg(1+1i)", kCplxRad, 0.217621561854402681365134L, -0.868014142895924948635849L, kTight},
        {"cotg(90)", kCplxDeg, 0, 0, kExact},
        {"cotg(1-1000i)", kCplxRad, 4.68567487881526976914505e-869L, 1, kTight},
    };
    CheckValues(cases);
}

TEST_F(TrigonometricTest, DegreesAndRadiansAgreeAwayFromZeros) {
    for (long double deg : {-721.5L, -30.0L, 0.25L, 12.0L, 89.9L, 135.0L, 200.0L, 359.0L}) {
        SCOPED_TRACE(FullText(deg));
        std::string arg = FullText(deg);
        long double s = EvalIn(kRealDeg, "sin(" + arg + ")").Re;
        long double c = EvalIn(kRealDeg, "cos(" + arg + ")").Re;
        long double rad = deg * (kPi / 180.0L);
        EXPECT_TRUE(IsClose(s, sinl(rad), 1e-17L));
        EXPECT_TRUE(IsClose(c, cosl(rad), 1e-17L));
        EXPECT_TRUE(IsClose(EvalIn(kRealDeg, "tg(" + arg + ")").Re, s / c, 1e-17L * fabsl(s / c)));
    }
}

TEST_F(TrigonometricTest, Errors) {
    const std::string range = "(-pi*1E18, +pi*1E18)";
    static const ErrorCase cases[] = {
        {"tg(90)", kRealDeg, DomainText("tg(x)", "{R} - {pi/2+k*pi}"), 21},
        {"tg(-270)", kRealDeg, DomainText("tg(x)", "{R} - {pi/2+k*pi}"), 21},
        {"tg(100)", kRealGrad, DomainText("tg(x)", "{R} - {pi/2+k*pi}"), 21},
        {"tg(pi/2)", kRealRad, DomainText("tg(x)", "{R} - {pi/2+k*pi}"), 21},
        {"cotg(180)", kRealDeg, DomainText("cotg(x)", "{R} - {k*pi}"), 21},
        {"cotg(0)", kRealDeg, DomainText("cotg(x)", "{R} - {k*pi}"), 21},
        {"cotg(200)", kRealGrad, DomainText("cotg(x)", "{R} - {k*pi}"), 21},
        {"cotg(pi)", kRealRad, DomainText("cotg(x)", "{R} - {k*pi}"), 21},
        {"tg(90)", kCplxDeg, DomainText("tg(x)", "{C} - {re: pi/2+k*pi}"), 21},
        {"tg(pi/2)", kCplxRad, DomainText("tg(x)", "{C} - {re: pi/2+k*pi}"), 21},
        {"cotg(180)", kCplxDeg, DomainText("cotg(x)", "{C} - {re: k*pi}"), 21},
        {"cotg(0)", kCplxRad, DomainText("cotg(x)", "{C} - {re: k*pi}"), 21},
        {"sin(4E18)", kRealRad, RangeText("sin(x)", range), 21},
        {"cos(0-4E18)", kRealRad, RangeText("cos(x)", range), 21},
        {"tg(4E18)", kRealRad, RangeText("tg(x)", range), 21},
        {"cotg(4E18)", kRealRad, RangeText("cotg(x)", range), 21},
        {"sin(2E20)", kRealDeg, RangeText("sin(x)", range), 21},
        {"sin(4E18+1i)", kCplxRad, RangeText("sin(x)", range), 21},
        {"tg(4E18+1i)", kCplxRad, RangeText("tg(x)", range), 21},
    };
    CheckErrors(cases);
}

TEST_F(TrigonometricTest, RangeBoundIsInRadians) {
    // 1.7e20 degrees is below pi*1e18 radians; 3.2e18 radians is above.
    EXPECT_NO_THROW(EvalIn(kRealDeg, "sin(1.7E20)"));
    EXPECT_NO_THROW(EvalIn(kRealRad, "sin(3.14159E18)"));
    EXPECT_THROW(EvalIn(kRealRad, "sin(3.2E18)"), EBadDomain);
}

}  // namespace
}  // namespace tarvix::testing
