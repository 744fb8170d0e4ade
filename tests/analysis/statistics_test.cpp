// Descriptive statistics and ComputeStatistics over table texts.
#include "analysis/statistics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_messages.h"
#include "analysis_test_support.h"

namespace tarvix {
namespace {

using testing::Column;
using testing::Pairs;

struct DescribeCase {
    const char* Name;
    std::vector<long double> Values;
    ColumnStats Expected;
};

constexpr long double kTolerance = 1e-15L;

void ExpectNear(long double actual, long double expected, const char* what) {
    const long double scale = std::max(1.0L, std::fabs(expected));
    EXPECT_LE(std::fabs(actual - expected), kTolerance * scale)
        << what << ": " << static_cast<double>(actual) << " vs " << static_cast<double>(expected);
}

TEST(DescribeValues, TableOfCases) {
    const long double geo1234 = std::pow(24.0L, 0.25L);
    const DescribeCase cases[] = {
        {"1 2 3 4",
         {1, 2, 3, 4},
         {4, 1, 4, 2.5L, geo1234, std::sqrt(7.5L), 1.92L, 10, 30, 1.25L, std::sqrt(1.25L),
          std::sqrt(1.25L) / 2.5L}},
        {"a zero: geometric and harmonic 0",
         {1, 0, 3},
         {3, 0, 3, 4.0L / 3, 0, std::sqrt(10.0L / 3), 0, 4, 10, 14.0L / 9,
          std::sqrt(14.0L / 9), std::sqrt(14.0L / 9) / (4.0L / 3)}},
        {"two negatives: geometric 4",
         {-2, -8},
         {2, -8, -2, -5, 4, std::sqrt(34.0L), -3.2L, -10, 68, 9, 3, -0.6L}},
        {"one negative: geometric 0",
         {-2, 8},
         {2, -2, 8, 3, 0, std::sqrt(34.0L), 2 / (-0.5L + 0.125L), 6, 68, 25, 5, 5.0L / 3}},
        {"large offset keeps its variance",
         {1e10L + 1, 1e10L + 2, 1e10L + 3, 1e10L + 4},
         {4, 1e10L + 1, 1e10L + 4, 1e10L + 2.5L, 0, 0, 0, 4e10L + 10, 0, 1.25L,
          std::sqrt(1.25L), 0}},
        {"empty", {}, {}},
    };
    for (const DescribeCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ColumnStats s = DescribeValues(c.Values);
        const ColumnStats& e = c.Expected;
        EXPECT_EQ(s.Count, e.Count);
        ExpectNear(s.Minimum, e.Minimum, "minimum");
        ExpectNear(s.Maximum, e.Maximum, "maximum");
        ExpectNear(s.AriAverage, e.AriAverage, "mean");
        ExpectNear(s.Dispersion, e.Dispersion, "variance");
        ExpectNear(s.StdDeviation, e.StdDeviation, "deviation");
        ExpectNear(s.Sum, e.Sum, "sum");
        if (std::string_view(c.Name) == "large offset keeps its variance") continue;
        ExpectNear(s.GeoAverage, e.GeoAverage, "geometric");
        ExpectNear(s.SqrAverage, e.SqrAverage, "quadratic");
        ExpectNear(s.HarAverage, e.HarAverage, "harmonic");
        ExpectNear(s.SumOfSquares, e.SumOfSquares, "squares");
        ExpectNear(s.Variation, e.Variation, "variation");
    }
}

TEST(DescribeValues, GeometricMeanOfHugeValuesDoesNotOverflow) {
    std::vector<long double> values(1000, 1e300L);
    ColumnStats s = DescribeValues(values);
    EXPECT_NEAR(static_cast<double>(s.GeoAverage / 1e300L), 1.0, 1e-12);
    EXPECT_TRUE(IsFinite(s));
}

TEST(DescribeValues, HarmonicMeanZeroWhenReciprocalsCancel) {
    ColumnStats s = DescribeValues(std::vector<long double>{2, -2});
    EXPECT_EQ(s.HarAverage, 0.0L);
}

class ComputeTest : public ::testing::Test {
protected:
    StatOutcome Run(const std::vector<StatRow>& rows, StatOptions options = {}) {
        ParserCellReader reader(calc.Parser1(), calc.NumericalScope() == nsComplex);
        return ComputeStatistics(rows, options, reader);
    }
    Calculator calc;
};

TEST_F(ComputeTest, ReadsExpressionsDecimalCommaAndSkipsEmptyCells) {
    StatOutcome out = Run(Column({"1", "", "2*1", "3,0", " 4 "}));
    ASSERT_TRUE(out.Results);
    EXPECT_EQ(out.Results->X.Count, 4u);
    EXPECT_EQ(out.Results->X.Sum, 10.0L);
    EXPECT_FALSE(out.Results->TwoColumns);
}

TEST_F(ComputeTest, OnlyEmptyCellsGiveZeroCount) {
    StatOutcome out = Run(Column({"", ""}));
    ASSERT_TRUE(out.Results);
    EXPECT_EQ(out.Results->X.Count, 0u);
    EXPECT_EQ(out.Results->X.AriAverage, 0.0L);
}

TEST_F(ComputeTest, ComplexValueCountsByModulusInComplexDomain) {
    calc.SetNumericalScope(nsComplex);
    StatOutcome out = Run(Column({"3+4i", "5"}));
    ASSERT_TRUE(out.Results) << (out.Error ? out.Error->Key : "");
    EXPECT_EQ(out.Results->X.Sum, 10.0L);
}

TEST_F(ComputeTest, TwoColumnsCountEmptyYForXOnly) {
    StatOutcome out = Run(Pairs({{"1", "10"}, {"2", ""}, {"", "30"}}), {true});
    ASSERT_TRUE(out.Results);
    EXPECT_EQ(out.Results->X.Count, 2u);
    EXPECT_EQ(out.Results->Y.Count, 1u);
    EXPECT_EQ(out.Results->Y.Sum, 10.0L);
}

TEST_F(ComputeTest, FaultyCellStopsBeforeAnyResultAndNamesTheCell) {
    StatOutcome out = Run(Pairs({{"1", "2"}, {"3", "#"}}), {true});
    EXPECT_FALSE(out.Results);
    ASSERT_TRUE(out.Error);
    EXPECT_EQ(out.Error->Key, statmsg::MissingData);
    EXPECT_EQ(out.Error->Row, 1);
    EXPECT_EQ(out.Error->Column, 2);
}

TEST_F(ComputeTest, OverflowIsAMessageNotInfinity) {
    StatOutcome out = Run(Column({"1e4000", "1e4000"}));
    EXPECT_FALSE(out.Results);
    ASSERT_TRUE(out.Error);
    EXPECT_EQ(out.Error->Key, statmsg::OutOfRange);
}

TEST_F(ComputeTest, ProgressEndsAtHundred) {
    std::vector<int> seen;
    ParserCellReader reader(calc.Parser1(), false);
    ComputeStatistics(Column({"1", "2", "3", "4"}), {}, reader, [&](int p) { seen.push_back(p); });
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

}  // namespace
}  // namespace tarvix

#include "engine/number_literal.h"

namespace tarvix {
namespace {

TEST(ReadPlainNumber, FastPathAgreesWithTheEngine) {
    for (const char* text : {"0", "1", "-2.5", "+3.25", "0.1", "123456.789012", "0.000001234",
                             "9999999999999999999", "1234567890.123456789", "1e5", "-1.5E-3",
                             "12345678901234567890123", "0.3333333333333333333333"}) {
        long double expected = 0.0L;
        ASSERT_TRUE(ReadDecimal(text, expected)) << text;
        std::optional<long double> fast = ReadPlainNumber(text);
        ASSERT_TRUE(fast) << text;
        EXPECT_EQ(*fast, expected) << text;
    }
    EXPECT_EQ(ReadPlainNumber(" 1,5 "), 1.5L);
    for (const char* text : {"", "-", ".", "1..2", "1+2", "e5", "x"})
        EXPECT_FALSE(ReadPlainNumber(text)) << text;
}

}  // namespace
}  // namespace tarvix
