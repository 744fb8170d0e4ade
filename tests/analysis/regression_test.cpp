// The regression models through ComputeStatistics and their function texts.
#include "analysis/regression.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_messages.h"
#include "analysis/stat_report.h"
#include "analysis/statistics.h"
#include "analysis_test_support.h"

namespace tarvix {
namespace {

using testing::Pairs;

class RegressionTest : public ::testing::Test {
protected:
    StatOutcome Fit(RegressionModel model, const std::vector<StatRow>& rows) {
        ParserCellReader reader(calc.Parser1(), false);
        return ComputeStatistics(rows, {true, true, model}, reader);
    }
    std::string Text(const StatOutcome& out, StatNumberFormat format = {}) {
        return PanelTexts(*out.Results, format).Function;
    }
    Calculator calc;
};

struct ModelCase {
    RegressionModel Model;
    std::vector<StatRow> Rows;
    const char* Function;
};

TEST_F(RegressionTest, FunctionTextsOfTheModels) {
    const ModelCase cases[] = {
        {RegressionModel::Linear, Pairs({{"1", "3"}, {"2", "5"}, {"3", "7"}}), "y = 2*x+1"},
        {RegressionModel::Linear, Pairs({{"1", "1"}, {"2", "3"}}), "y = 2*x-1"},
        {RegressionModel::Logarithmic, Pairs({{"1", "2"}, {"e", "3"}}), "y = 1*ln(x)+2"},
        {RegressionModel::Exponential, Pairs({{"0", "1"}, {"1", "e"}}), "y = 1*exp(1*x)"},
        {RegressionModel::Power, Pairs({{"1", "1"}, {"2", "4"}}), "y = 1*x^(2)"},
    };
    for (const ModelCase& c : cases) {
        SCOPED_TRACE(c.Function);
        StatOutcome out = Fit(c.Model, c.Rows);
        ASSERT_TRUE(out.Results) << (out.Error ? out.Error->Key : "");
        EXPECT_EQ(Text(out), c.Function);
    }
}

TEST_F(RegressionTest, LinearCovarianceAndDetermination) {
    StatOutcome out = Fit(RegressionModel::Linear, Pairs({{"1", "3"}, {"2", "5"}, {"3", "7"}}));
    ASSERT_TRUE(out.Results);
    StatPanels p = PanelTexts(*out.Results, {});
    EXPECT_EQ(p.Covariance, "2");
    EXPECT_EQ(p.Variability, "1");
    EXPECT_TRUE(p.Regression);
    EXPECT_TRUE(p.X[9].empty());  // the last three rows show the regression instead
    EXPECT_EQ(p.X[0], "3");
}

TEST_F(RegressionTest, ConstantYGivesZeroDetermination) {
    StatOutcome out = Fit(RegressionModel::Linear, Pairs({{"1", "4"}, {"2", "4"}, {"5", "4"}}));
    ASSERT_TRUE(out.Results);
    EXPECT_EQ(out.Results->Fit->R2, 0.0L);
    EXPECT_EQ(out.Results->Fit->Slope, 0.0L);
}

TEST_F(RegressionTest, LargeOffsetsDoNotCancel) {
    StatOutcome out = Fit(RegressionModel::Linear,
                          Pairs({{"1e9+1", "3"}, {"1e9+2", "5"}, {"1e9+3", "7"}}));
    ASSERT_TRUE(out.Results);
    EXPECT_EQ(out.Results->Fit->Slope, 2.0L);
    EXPECT_EQ(out.Results->Fit->R2, 1.0L);
}

TEST_F(RegressionTest, EqualXIsAClearMessage) {
    for (auto rows : {Pairs({{"2", "1"}, {"2", "5"}}), Pairs({{"2", "1"}})}) {
        StatOutcome out = Fit(RegressionModel::Linear, rows);
        EXPECT_FALSE(out.Results);
        ASSERT_TRUE(out.Error);
        EXPECT_EQ(out.Error->Key, statmsg::EqualX);
    }
}

TEST_F(RegressionTest, LogarithmOfNonPositiveNamesTheRow) {
    StatOutcome out = Fit(RegressionModel::Logarithmic, Pairs({{"1", "1"}, {"0", "2"}, {"3", "3"}}));
    ASSERT_TRUE(out.Error);
    EXPECT_EQ(out.Error->Key, statmsg::LogOfX);
    EXPECT_EQ(out.Error->Argument, "2");
    out = Fit(RegressionModel::Exponential, Pairs({{"1", "1"}, {"2", "-2"}}));
    ASSERT_TRUE(out.Error);
    EXPECT_EQ(out.Error->Key, statmsg::LogOfY);
    EXPECT_EQ(out.Error->Column, 2);
}

TEST_F(RegressionTest, MissingYStopsButBlankRowsAreSkipped) {
    StatOutcome out = Fit(RegressionModel::Linear, Pairs({{"1", "3"}, {"2", ""}, {"3", "7"}}));
    ASSERT_TRUE(out.Error);
    EXPECT_EQ(out.Error->Key, statmsg::MissingData);
    EXPECT_EQ(out.Error->Row, 1);
    out = Fit(RegressionModel::Linear, Pairs({{"1", "3"}, {"2", "5"}, {"", ""}}));
    EXPECT_TRUE(out.Results);
}

TEST_F(RegressionTest, RoundedCoefficientsAndComma) {
    StatOutcome out = Fit(RegressionModel::Linear, Pairs({{"0", "0"}, {"3", "1"}}));
    ASSERT_TRUE(out.Results);
    EXPECT_EQ(Text(out, {true, 3, ','}), "y = 0,333*x+0");
}

TEST(RegressionFitTest, EvaluateFitFollowsTheModel) {
    RegressionFit fit{RegressionModel::Power, 2.0L, 0.0L, 0, 1};
    EXPECT_NEAR(static_cast<double>(EvaluateFit(fit, 3.0L)), 9.0, 1e-15);
    EXPECT_TRUE(std::isnan(EvaluateFit(fit, -1.0L)));
    fit.Model = RegressionModel::Exponential;
    fit.Slope = 1.0L;
    EXPECT_NEAR(static_cast<double>(EvaluateFit(fit, 1.0L)), std::exp(1.0), 1e-15);
    EXPECT_EQ(RegressionModelFromName("pow"), RegressionModel::Power);
    EXPECT_FALSE(RegressionModelFromName("quad"));
}

}  // namespace
}  // namespace tarvix
