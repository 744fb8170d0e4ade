// ParseValueText on the evaluator and VectorElementText.
#include "calculator/value_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine_modes.h"
#include "engine/parser.h"
#include "engine/parser_errors.h"
#include "format_cases.h"

namespace tarvix::testing {
namespace {

class ParseValueTextTest : public ::testing::Test {
  protected:
    void SetUp() override { EngineModes = EngineModesBlock{}; }
    void TearDown() override { EngineModes = EngineModesBlock{}; }

    TParser parser;
};

TEST_F(ParseValueTextTest, Table) {
    parser.SetVariable("A", {3.0L, 0.0L});
    const std::vector<std::pair<const char*, long double>> cases = {
        {"", 0.0L},
        {"   ", 0.0L},
        {"2.5", 2.5L},
        {"2,5", 2.5L},
        {"  -1,5E3 ", -1500.0L},
        {".5", 0.5L},
        {"1e3", 1000.0L},
        {"1..5", 0.0L},
        {"50..2500:10", 0.0L},
        {"1,,5", 0.0L},  // becomes "1..5", a range
        {"3:5", 3.0L},
        {"10:ANS", 10.0L},
        {"1+1", 2.0L},
        {"power(1,5;2)", 2.25L},
        {"power(2;0,5)*power(2;0,5)", 2.0L},
        {"A*2", 6.0L},
        {"a*2:1", 6.0L},
        {"sqr(4)", 16.0L},
        {"500u", 0.0005L},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        ComplexValue v = ParseValueText(text, parser);
        EXPECT_NEAR(v.Re, expected, 1e-15L);
        EXPECT_EQ(v.Im, 0.0L);
    }
}

TEST_F(ParseValueTextTest, PlainNumberIsDecimalInAnyBase) {
    parser.SetNumericalBase(nbHex);
    EXPECT_EQ(ParseValueText("10", parser).Re, 10.0L);
    EXPECT_EQ(ParseValueText("10+0", parser).Re, 16.0L);  // an expression follows the base
}

TEST_F(ParseValueTextTest, ComplexValues) {
    parser.SetNumericalScope(nsComplex);
    EXPECT_EQ(ParseValueText("3+4i", parser), (ComplexValue{3.0L, 4.0L}));
    EXPECT_EQ(ParseValueText("0,5-1,5i", parser), (ComplexValue{0.5L, -1.5L}));
    ComplexValue polar = ParseValueText("2*e^90oi ", parser);
    EXPECT_NEAR(polar.Re, 0.0L, 1e-15L);
    EXPECT_NEAR(polar.Im, 2.0L, 1e-15L);
}

TEST_F(ParseValueTextTest, NeverCreatesVariables) {
    ASSERT_TRUE(parser.AutoRegisterVar());
    EXPECT_THROW(ParseValueText("q+1", parser), EMathParserError);
    EXPECT_FALSE(parser.VariableExists("q"));
    EXPECT_TRUE(parser.AutoRegisterVar());
}

TEST_F(ParseValueTextTest, RestoresTheCompiledExpression) {
    parser.SetExpression("x1*2");  // creates x1 (automatic registration)
    parser.SetVariable("x1", {21.0L, 0.0L});
    parser.Evaluate();
    const ComplexValue last = parser.LastValue();

    EXPECT_EQ(ParseValueText("5*5", parser).Re, 25.0L);
    EXPECT_EQ(parser.Expression(), "x1*2");
    EXPECT_TRUE(parser.IsUsedVariable("x1"));
    EXPECT_EQ(parser.LastValue(), last);
    EXPECT_EQ(EngineModes.LastValue, last);
    EXPECT_EQ(parser.Evaluate().Re, 42.0L);

    // Also after a failing text.
    EXPECT_THROW(ParseValueText("5*(", parser), EMathParserError);
    EXPECT_THROW(ParseValueText("1/0", parser), EMathParserError);
    EXPECT_EQ(parser.Expression(), "x1*2");
    EXPECT_EQ(parser.Evaluate().Re, 42.0L);
    EXPECT_TRUE(parser.AutoRegisterVar());
}

TEST_F(ParseValueTextTest, CompileErrorTakenByAHandlerStillRaises) {
    int reported = 0;
    parser.SetOnParserError([&](TParser&, const EMathParserError&) { ++reported; });
    EXPECT_THROW(ParseValueText("5*(", parser), ESyntaxError);
    EXPECT_EQ(reported, 1);
}

TEST_F(ParseValueTextTest, WithoutPreviousExpressionLeavesNoneCompiled) {
    EXPECT_EQ(ParseValueText("2*3", parser).Re, 6.0L);
    EXPECT_FALSE(parser.IsCompiled());
    EXPECT_EQ(parser.Expression(), "");
}

TEST(VectorElementText, Table) {
    const std::vector<std::tuple<ComplexValue, FormatOptions, std::string>> cases = {
        {{1.0L / 3.0L, 0.0L}, Options(), "0,333333333333333"},
        {{1.0L / 3.0L, 0.0L}, Options(Norm(), '.'), "0.333333333333333"},
        {{1e20L, 0.0L}, Options(), "1E20"},
        {{0.000001L, 5.0L}, Options(), "1E-6"},   // real domain: real part only
        {{-2.5L, 0.0L}, Options(Fix()), "-2,5"},  // display modes do not apply
        {{3.0L, -4.0L}, ComplexOptions(), "3-4i"},
        {{3.0L, 4.0L}, ComplexOptions(Norm(), auDeg, 'j'), "3+4j"},
        {{3.0L, 0.0L}, ComplexOptions(), "3+0i"},
        {{0.0L, -0.0L}, ComplexOptions(), "0+0i"},
        {{0.5L, 1.5L}, ComplexOptions(), "0,5+1,5i"},
        {{1e-7L, -1e20L}, ComplexOptions(), "1E-7-1E20i"},
    };
    for (const auto& [value, options, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(VectorElementText(value, options), expected);
    }
}

TEST_F(ParseValueTextTest, ElementTextReadsBack) {
    parser.SetNumericalScope(nsComplex);
    const FormatOptions options = ComplexOptions();
    for (ComplexValue v : {ComplexValue{1.0L / 3.0L, -2.0L / 3.0L}, ComplexValue{1e20L, 1e-6L},
                           ComplexValue{-7.25L, 0.0L}, ComplexValue{0.0L, 2.0L}}) {
        std::string text = VectorElementText(v, options);
        SCOPED_TRACE(text);
        ComplexValue back = ParseValueText(text, parser);
        EXPECT_EQ(VectorElementText(back, options), text);
    }
}

}  // namespace
}  // namespace tarvix::testing
