// SUM and SQRSUM, built on the last result, and RANDOM.
#include "functions_test_support.h"

namespace tarvix::testing {
namespace {

using LastValueTest = FunctionsTest;

TEST_F(LastValueTest, SumAccumulatesOverEvaluations) {
    SetMode(kRealRad);
    parser.SetLastValue({0});
    parser.SetVariable("x", {1});
    parser.SetExpression("sum(x)");
    for (long double expected : {1.0L, 2.0L, 3.0L}) EXPECT_EQ(parser.Evaluate().Re, expected);
}

TEST_F(LastValueTest, SumAndSqrSumInBothDomains) {
    struct Case {
        const char* Expression;
        Mode M;
        ComplexValue Last;
        ComplexValue Expected;
    };
    static const Case cases[] = {
        {"sum(2)", kRealRad, {3, 5}, {5, 0}},
        {"sum(3+4i)", kCplxRad, {1, 2}, {4, 6}},
        {"sqrsum(1)", kRealRad, {3, 5}, {10, 0}},
        // The square of the conjugate of the last value, plus x.
        {"sqrsum(10+20i)", kCplxRad, {1, 2}, {7, 16}},
        {"sqrsum(0)", kCplxRad, {0, 3}, {-9, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Expression);
        SetMode(c.M);
        parser.SetLastValue(c.Last);
        EXPECT_EQ(Eval(c.Expression), c.Expected);
    }
}

TEST_F(LastValueTest, RandomIsUniformBelowTheTruncatedBound) {
    SetMode(kRealRad);
    parser.SetExpression("random(10.9)");
    long double sum = 0, lowest = 10, highest = 0;
    constexpr int kSamples = 4000;
    for (int i = 0; i < kSamples; ++i) {
        long double v = parser.Evaluate().Re;
        ASSERT_GE(v, 0.0L);
        ASSERT_LT(v, 10.0L);
        sum += v;
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    // Loose bounds: a working generator misses them with negligible probability.
    EXPECT_NEAR(static_cast<double>(sum / kSamples), 5.0, 0.5);
    EXPECT_LT(lowest, 0.1L);
    EXPECT_GT(highest, 9.9L);

    parser.SetExpression("random(0-3)");
    for (int i = 0; i < 100; ++i) {
        long double v = parser.Evaluate().Re;
        ASSERT_LE(v, 0.0L);
        ASSERT_GT(v, -3.0L);
    }
    EXPECT_EQ(Eval("random(0.9)").Re, 0.0L);
}

TEST_F(LastValueTest, RandomInComplexModeUsesTheRealPart) {
    SetMode(kCplxRad);
    parser.SetExpression("random(5+7i)");
    for (int i = 0; i < 100; ++i) {
        ComplexValue v = parser.Evaluate();
        ASSERT_GE(v.Re, 0.0L);
        ASSERT_LT(v.Re, 5.0L);
        ASSERT_EQ(v.Im, 0.0L);
    }
}

}  // namespace
}  // namespace tarvix::testing
