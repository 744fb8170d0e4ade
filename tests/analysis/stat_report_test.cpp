// Result texts, the report's layout and padding, the plain and clipboard texts.
#include "analysis/stat_report.h"

#include <gtest/gtest.h>

#include "analysis/analysis_messages.h"
#include "analysis_test_support.h"

namespace tarvix {
namespace {

using testing::Column;
using testing::Pairs;

class ReportTest : public ::testing::Test {
protected:
    ReportInput Input(StatTable& table, bool regression = false) {
        ParserCellReader reader(calc.Parser1(), false);
        StatOutcome out = ComputeStatistics(table.Rows(), {table.Xy(), regression}, reader);
        EXPECT_TRUE(out.Results);
        ReportInput in;
        in.Table = &table;
        in.Panels = PanelTexts(*out.Results, {});
        for (std::size_t i = 0; i < kResultRows; ++i)
            in.Labels[i] = texts.Text(ResultLabelKeys(regression)[i]);
        in.Comment = "Statistické hodnoty";
        in.DateTime = "10.12.2026 12:00:00";
        return in;
    }
    static ReportSelection Only(std::initializer_list<std::size_t> items) {
        ReportSelection s;
        s.Items.fill(false);
        for (std::size_t i : items) s.Items[i] = true;
        return s;
    }
    Calculator calc;
    AnalysisMessageTable texts;
};

TEST_F(ReportTest, LabelsArePaddedToTheLongestLabel) {
    StatTable table;
    table.SetRows(Column({"1", "2", "3", "4"}));
    ReportInput in = Input(table);
    in.Selection = Only({3, 4});
    EXPECT_EQ(BuildReport(in), "Počet hodnot       : 4\r\nMinimální hodnota  : 1\r\n");
}

TEST_F(ReportTest, FullSingleColumnReport) {
    StatTable table;
    table.SetRows(Column({"1", "2", "3", "4"}));
    ReportInput in = Input(table);
    const std::string report = BuildReport(in);
    EXPECT_TRUE(report.starts_with(
        "Statistické hodnoty\r\n10.12.2026 12:00:00\r\nData:\r\n1\r\n2\r\n3\r\n4\r\n\r\n"
        "Počet hodnot       : 4\r\n"))
        << report;
    EXPECT_NE(report.find("Rozptyl            : 1.25\r\n"), std::string::npos);
    EXPECT_NE(report.find("Harmonický průměr  : 1.92\r\n"), std::string::npos);
    EXPECT_NE(report.find("Směrodatná odchylka: 1.11803398874989\r\n"), std::string::npos);
}

TEST_F(ReportTest, TwoColumnsPadTheXValue) {
    StatTable table;
    table.SetXy(true);
    table.SetRows(Pairs({{"1", "10"}, {"2", "20"}}));
    ReportInput in = Input(table);
    in.Selection = Only({3, 6});
    // The widest x text of all two-value rows, selected or not, is the
    // coefficient of variation "0.333333333333333" (17): x padded to 19.
    EXPECT_EQ(BuildReport(in), "Počet hodnot       : 2" + std::string(18, ' ') +
                                   "2\r\nAritmetický průměr : 1.5" + std::string(16, ' ') +
                                   "15\r\n");
}

TEST_F(ReportTest, RegressionLinesCarryOneValue) {
    StatTable table;
    table.SetXy(true);
    table.SetRows(Pairs({{"1", "3"}, {"2", "5"}, {"3", "7"}}));
    ReportInput in = Input(table, true);
    in.Selection = Only({3, 14});
    // Regression labels are one shorter (18); the widest x text is the
    // harmonic mean "1.63636363636364" (16), so values are padded to 18.
    EXPECT_EQ(BuildReport(in), "Počet hodnot      : 3" + std::string(17, ' ') +
                                   "3\r\nRegresní funkce   : y = 2*x+1" + std::string(9, ' ') +
                                   "\r\n");
}

TEST_F(ReportTest, NothingSelectedIsEmpty) {
    StatTable table;
    table.SetRows(Column({"1", "2"}));
    ReportInput in = Input(table);
    in.Selection = Only({});
    EXPECT_EQ(BuildReport(in), "");
}

TEST(DataTexts, PlainAndClipboard) {
    StatTable table;
    table.SetXy(true);
    table.SetRows(Pairs({{"1", "2"}, {"3", "4"}, {"", ""}}));
    EXPECT_EQ(DataText(table), "1\t2\r\n3\t4\r\n");
    EXPECT_EQ(ClipboardText(table), "1\r\n3\r\n");
    table.SetXy(false);
    EXPECT_EQ(DataText(table), "1\r\n3\r\n");
}

TEST(FormatStatValue, RoundingDigitsAndSeparator) {
    EXPECT_EQ(FormatStatValue(2.5L, {true, 3, ','}), "2,5");
    EXPECT_EQ(FormatStatValue(1.0L / 3, {true, 3, ','}), "0,333");
    EXPECT_EQ(FormatStatValue(1.0L / 3, {false, 3, '.'}), "0.333333333333333");
}

}  // namespace
}  // namespace tarvix
