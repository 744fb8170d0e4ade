// Reading table rows from text: separators, refused lines and the answers.
#include "analysis/stat_import.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "analysis_test_support.h"
#include "storage/line_reader.h"

namespace tarvix {
namespace {

using testing::Pairs;
using testing::RowsOf;

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
        EXPECT_EQ(RowsOf(r.Rows), c.Rows);
        EXPECT_EQ(r.Xy, c.Xy);
        EXPECT_TRUE(questions.empty());
    }
}

TEST_F(ImportTest, TwoColumnsSkipABadLineAfterAsking) {
    ImportResult r = Read("1 2\n# #\n3 4");
    EXPECT_EQ(RowsOf(r.Rows), Pairs({{"1", "2"}, {"3", "4"}}));
    ASSERT_EQ(questions.size(), 1u);  // one question per line, not one per value
    EXPECT_EQ(questions[0].Line, 2u);
    EXPECT_FALSE(questions[0].EndsReading);
}

TEST_F(ImportTest, CancelEndsTheImportKeepingTheRowsRead) {
    ImportResult r = Read("1 2\n# #\n3 4\n# 5", false, false);
    EXPECT_EQ(RowsOf(r.Rows), Pairs({{"1", "2"}}));
    EXPECT_TRUE(r.Cancelled);
    EXPECT_EQ(questions.size(), 1u);
}

TEST_F(ImportTest, SingleColumnStopsAtTheFirstBadLine) {
    ImportResult r = Read("1\n#\n3");
    EXPECT_EQ(RowsOf(r.Rows), Pairs({{"1", ""}}));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].EndsReading);
}

// A value nested deeper than the evaluator allows is told apart from a bad
// number, in one column and in two; the plain values around it still read.
TEST_F(ImportTest, DeeplyNestedValuesAreToldApart) {
    const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
    ImportResult r = Read("1\n" + deep + "\n3");
    EXPECT_EQ(RowsOf(r.Rows), Pairs({{"1", ""}}));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].Problem, ImportProblem::TooDeep);
    EXPECT_TRUE(questions[0].EndsReading);
    r = Read("1;2\n3;" + deep + "\n5;6\n#;7");
    EXPECT_EQ(RowsOf(r.Rows), Pairs({{"1", "2"}, {"5", "6"}}));
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].Problem, ImportProblem::TooDeep);
    EXPECT_EQ(questions[0].Line, 2u);
    // The next refused value is a bad number again.
    EXPECT_EQ(questions[1].Problem, ImportProblem::BadValue);
}

TEST_F(ImportTest, RegressionRefusesLinesWithoutSeparator) {
    ImportResult r = Read("5\n1;2", true);
    EXPECT_EQ(RowsOf(r.Rows), Pairs({{"1", "2"}}));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].Problem, ImportProblem::UnknownSeparator);

    // A line without a separator after lines with one is no pair either
    // (it was read as y = 0 without a word).
    r = Read("1;2\n2\n3;4", true);
    EXPECT_EQ(RowsOf(r.Rows), Pairs({{"1", "2"}, {"3", "4"}}));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].Problem, ImportProblem::UnknownSeparator);
    EXPECT_EQ(questions[0].Line, 2u);
    EXPECT_EQ(questions[0].Text, "2");
    // Cancel ends the import there.
    r = Read("1;2\n2\n3;4", true, false);
    EXPECT_EQ(RowsOf(r.Rows), Pairs({{"1", "2"}}));
    EXPECT_TRUE(r.Cancelled);
    // Statistics mode keeps the old separator and the missing y reads 0.
    r = Read("1;2\n2\n3;4", false);
    EXPECT_EQ(RowsOf(r.Rows), Pairs({{"1", "2"}, {"2", "0"}, {"3", "4"}}));
    EXPECT_TRUE(questions.empty());
}

TEST_F(ImportTest, PlainNumbersKeepTheirTextExactly) {
    const char* texts[] = {"0.5",
                           ".5",
                           "-0",
                           "+7",
                           "10.50",
                           "1,25",
                           "5.",
                           "007",
                           "1e5",
                           "2*3",
                           "-.0",
                           "0.000000000000000000000000001",
                           "123456789012345",
                           "1234567890123456789"};
    for (const char* text : texts) {
        ImportResult r = Read(text);
        ASSERT_EQ(r.Rows.Size(), 1u) << text;
        EXPECT_EQ(r.Rows.Text(1, 0), text);
    }
}

class ImportFileTest : public ImportTest {
protected:
    ImportFileTest() {
        char pattern[] = "/tmp/tarvix-import-XXXXXX";
        folder = ::mkdtemp(pattern);
    }
    ~ImportFileTest() override { std::filesystem::remove_all(folder); }
    std::filesystem::path Write(std::string_view bytes) {
        const std::filesystem::path path = folder / "data.txt";
        std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
        return path;
    }
    ImportResult ReadFile(const std::filesystem::path& path, std::vector<int>* progress = nullptr) {
        questions.clear();
        ParserCellReader reader(calc.Parser1(), false);
        return ReadImportFile(
            path, false, 1, reader,
            [&](const ImportQuestion& q) {
                questions.push_back(q);
                return true;
            },
            [&](int p) {
                if (progress) progress->push_back(p);
            });
    }
    std::filesystem::path folder;
};

TEST_F(ImportFileTest, ReadsTheLinesOfAFile) {
    std::vector<int> progress;
    // cp1250 bytes in a line that is not a value are read as text ("č").
    ImportResult r = ReadFile(Write("1;2\r\n3;4\r\n\r\n5\r\n"), &progress);
    EXPECT_EQ(RowsOf(r.Rows), Pairs({{"1", "2"}, {"3", "4"}, {"5", "0"}}));
    EXPECT_TRUE(r.Xy);
    EXPECT_EQ(r.FileError, ImportFileError::None);
    EXPECT_EQ(progress.back(), 50);
    r = ReadFile(Write("1\n\xE8\n"));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].Text, "č");
}

TEST_F(ImportFileTest, ALineTooLongOrAMissingFileImportsNothing) {
    std::string bytes = "1\n2\n";
    bytes.append(kMaxLineLength + 1, '7');
    ImportResult r = ReadFile(Write(bytes));
    EXPECT_EQ(r.FileError, ImportFileError::LineTooLong);
    EXPECT_EQ(r.ErrorLine, 3u);
    EXPECT_TRUE(r.Rows.Empty());
    r = ReadFile("/dev/zero");
    EXPECT_EQ(r.FileError, ImportFileError::LineTooLong);
    EXPECT_EQ(r.ErrorLine, 1u);
    r = ReadFile(folder / "absent.txt");
    EXPECT_EQ(r.FileError, ImportFileError::Unreadable);
    EXPECT_EQ(r.ReadError, std::errc::no_such_file_or_directory);
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
    EXPECT_EQ(RowsOf(r.Rows), Pairs({{"", "7"}}));
}

}  // namespace
}  // namespace tarvix
