// Choice of the engineering postfix and its use by the display text.
#include "calculator/eng_postfix.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "calculator/value_format.h"
#include "format_cases.h"

namespace tarvix::testing {
namespace {

struct SelectCase {
    const char* Label;
    ComplexValue Value;
    TNumericalScope Scope;
    int Expected;
};

TEST(SelectEngPostfix, Table) {
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    constexpr long double nan = std::numeric_limits<long double>::quiet_NaN();
    const std::vector<SelectCase> cases = {
        {"zero", {0.0L, 0.0L}, nsReal, 6},
        {"one", {1.0L, 0.0L}, nsReal, 6},
        {"999", {999.0L, 0.0L}, nsReal, 6},
        {"1000", {1000.0L, 0.0L}, nsReal, 7},
        {"-2000 by magnitude", {-2000.0L, 0.0L}, nsReal, 7},
        {"rounds up to 1000", {999.9999999999999L, 0.0L}, nsReal, 7},
        {"1e12", {1e12L, 0.0L}, nsReal, 10},
        {"1e15", {1e15L, 0.0L}, nsReal, 11},
        {"1e20 limited", {1e20L, 0.0L}, nsReal, 11},
        {"0.5", {0.5L, 0.0L}, nsReal, 5},
        {"0.01", {0.01L, 0.0L}, nsReal, 5},
        {"0.001 is milli", {0.001L, 0.0L}, nsReal, 5},
        {"just below 0.001 is milli", {0.000999999999999999999L, 0.0L}, nsReal, 5},
        {"0.0005", {0.0005L, 0.0L}, nsReal, 4},
        {"1e-6 is micro", {1e-6L, 0.0L}, nsReal, 4},
        {"1e-9 is nano", {1e-9L, 0.0L}, nsReal, 3},
        {"1e-15", {1e-15L, 0.0L}, nsReal, 1},
        {"1e-20 limited", {1e-20L, 0.0L}, nsReal, 1},
        {"real ignores imaginary", {600.0L, 800.0L}, nsReal, 6},
        {"complex modulus", {600.0L, 800.0L}, nsComplex, 7},
        {"complex pure imaginary", {0.0L, 0.002L}, nsComplex, 5},
        {"infinite", {inf, 0.0L}, nsReal, 6},
        {"NaN", {nan, 0.0L}, nsReal, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Label);
        EXPECT_EQ(SelectEngPostfix(c.Value, c.Scope), c.Expected);
    }
}

TEST(SelectEngPostfix, ThenFormatShowsOneToThreeDigits) {
    const std::vector<std::pair<long double, std::string>> cases = {
        {0.001L, "1m"},       {1e-6L, "1u"},      {1e-9L, "1n"},  {0.0005L, "500u"},
        {1000.0L, "1k"},      {1e20L, "100000P"}, {47e3L, "47k"}, {0.000999999999999999999L, "1m"},
        {-3.3e-12L, "-3,3p"}, {2.0L, "2 "},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(static_cast<double>(value));
        FormatOptions o = Options(Eng(6));
        o.Display.PostfixPosition = SelectEngPostfix({value, 0.0L}, nsReal);
        EXPECT_EQ(FormatValueText({value, 0.0L}, o), expected);
    }
}

TEST(EngPostfix, CharactersFactorsAndPositions) {
    EXPECT_EQ(EngPostfixChar(1), 'f');
    EXPECT_EQ(EngPostfixChar(4), 'u');
    EXPECT_EQ(EngPostfixChar(6), ' ');
    EXPECT_EQ(EngPostfixChar(11), 'P');
    EXPECT_EQ(EngPostfixChar(0), 'f');   // clamped
    EXPECT_EQ(EngPostfixChar(12), 'P');  // clamped
    EXPECT_EQ(EngPostfixFactor(5), 1e-3L);
    EXPECT_EQ(EngPostfixFactor(6), 1.0L);
    EXPECT_EQ(EngPostfixFactor(9), 1e9L);
    EXPECT_EQ(EngPostfixPosition('k'), 7);
    EXPECT_EQ(EngPostfixPosition(' '), 6);
    EXPECT_EQ(EngPostfixPosition('x'), 0);
    EXPECT_EQ(EngPostfixPosition('K'), 0);  // postfixes are case-sensitive
}

}  // namespace
}  // namespace tarvix::testing
