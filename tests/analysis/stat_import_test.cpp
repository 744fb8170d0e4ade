// Reading table rows from text: separators, refused lines and the answers.
#include "analysis/stat_import.h"

#include <gtest/gtest.h>

#include "analysis_test_support.h"

namespace tarvix {
namespace {

using testing::Pairs;

class ImportTest : public ::testing::Test {
protected:
    ImportResult Read(std::string_view text, bool regression = false, bool answer = true) {
        questions.clear();
        ParserCellReader reader(calc.Parser1(), false);
        return ReadImportText(text, regression, 1, reader, [&](const ImportQuestion& q) {
            questions.push_back(q);
            return answer;
        });
    }
    Calculator calc;
    std::vector<ImportQuestion> questions;
};

struct ImportCase {
    const char* Text;
    std::vector<StatRow> Rows;
    bool Xy;
};

TEST_F(ImportTest, SeparatorsAndColumns) {
    const ImportCase cases[] = {
        {"1;2\r\n3;4\r\n5\r\n", Pairs({{"1", "2"}, {"3", "4"}, {"5", "0"}}), true},
        {"1;;2", Pairs({{"1", "2"}}), true},
        {"1;2;3", Pairs({{"1", "2"}}), true},
        {"1\t2,5\n", Pairs({{"1", "2,5"}}), true},
        {"1 2\n\n  3 4  ", Pairs({{"1", "2"}, {"3", "4"}}), true},
        {"1\n2\n3", Pairs({{"1", ""}, {"2", ""}, {"3", ""}}), false},
        {"1,5", Pairs({{"1,5", ""}}), false},
        {"", {}, false},
    };
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.Text);
        ImportResult r = Read(c.Text);
        EXPECT_EQ(r.Rows, c.Rows);
        EXPECT_EQ(r.Xy, c.Xy);
        EXPECT_TRUE(questions.empty());
    }
}

TEST_F(ImportTest, TwoColumnsSkipABadLineAfterAsking) {
    ImportResult r = Read("1 2\n# #\n3 4");
    EXPECT_EQ(r.Rows, Pairs({{"1", "2"}, {"3", "4"}}));
    ASSERT_EQ(questions.size(), 1u);  // one question per line, not one per value
    EXPECT_EQ(questions[0].Line, 2u);
    EXPECT_FALSE(questions[0].EndsReading);
}

TEST_F(ImportTest, CancelEndsTheImportKeepingTheRowsRead) {
    ImportResult r = Read("1 2\n# #\n3 4\n# 5", false, false);
    EXPECT_EQ(r.Rows, Pairs({{"1", "2"}}));
    EXPECT_TRUE(r.Cancelled);
    EXPECT_EQ(questions.size(), 1u);
}

TEST_F(ImportTest, SingleColumnStopsAtTheFirstBadLine) {
    ImportResult r = Read("1\n#\n3");
    EXPECT_EQ(r.Rows, Pairs({{"1", ""}}));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].EndsReading);
}

TEST_F(ImportTest, RegressionRefusesLinesWithoutSeparator) {
    ImportResult r = Read("5\n1;2", true);
    EXPECT_EQ(r.Rows, Pairs({{"1", "2"}}));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].Problem, ImportProblem::UnknownSeparator);
}

TEST_F(ImportTest, ProgressCountsLines) {
    std::vector<int> seen;
    ParserCellReader reader(calc.Parser1(), false);
    ReadImportText("1\n2\n3\n4", false, 1, reader, [](const ImportQuestion&) { return true; },
                   [&](int p) { seen.push_back(p); });
    EXPECT_EQ(seen, (std::vector<int>{13, 25, 38, 50}));
}

TEST_F(ImportTest, SecondColumnTakesSingleValues) {
    ParserCellReader reader(calc.Parser1(), false);
    ImportResult r = ReadImportText("7", false, 2, reader, [](const ImportQuestion&) { return true; });
    EXPECT_EQ(r.Rows, Pairs({{"", "7"}}));
}

}  // namespace
}  // namespace tarvix
