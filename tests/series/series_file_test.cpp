// The series file written by runs: layouts, separators, masks, complex
// values, the second parametric pass and file errors.
#include <gtest/gtest.h>

#include <sstream>

#include "series_test_support.h"
#include "storage/atomic_file.h"
#include "temp_folder.h"

namespace tarvix::testing {
namespace {

class SeriesFileTest : public SeriesTest {
protected:
    SeriesFileTest() {
        series.SetDataFilePath([this] { return folder / "data.fx"; });
    }
    std::string FileText() {
        const FileReadResult r = ReadWholeFile(folder / "data.txt");
        EXPECT_TRUE(r.ok());
        return r.bytes;
    }
    TempFolder folder;
};

TEST_F(SeriesFileTest, DefaultLayoutNextToTheDataFile) {
    FileSettings();
    Box(BoxId::X, "0..1:0.5");
    Run("X*2-1");
    EXPECT_EQ(FileText(),
              "1  0.000000000E+00 -1.000000000E+00\r\n"
              "2  5.000000000E-01  0.000000000E+00\r\n"
              "3  1.000000000E+00  1.000000000E+00\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "data.txt.part"));
}

TEST_F(SeriesFileTest, Layouts) {
    struct Case {
        std::function<void(DataSeriesSettings&)> Change;
        std::string_view Y;
        std::string_view FirstLine;
    } cases[] = {
        {[](auto& s) { s.Numbering = false; }, "", " 1.000000000E+00  2.000000000E+00"},
        {[](auto& s) { s.Ordinate = false; }, "", "01  2.000000000E+00"},
        {[](auto& s) {
             s.Ordinate = false;
             s.Numbering = false;
         },
         "", " 2.000000000E+00"},
        {[](auto& s) { s.ColumnSeparator = 1; }, "", "01; 1.000000000E+00; 2.000000000E+00"},
        {[](auto& s) { s.ColumnSeparator = 2; }, "", "01, 1.000000000E+00, 2.000000000E+00"},
        {[](auto& s) { s.ColumnSeparator = 3; }, "", "01\t 1.000000000E+00\t 2.000000000E+00"},
        {[](auto& s) { s.DecimalSeparator = 1; }, "", "01  1,000000000E+00  2,000000000E+00"},
        {[](auto& s) { s.FormatFloatMask = "0.00"; }, "", "01  1.00  2.00"},
        {[](auto& s) {
             s.FormatFloatMask = "nonsense";
             s.DefaultFloatMask = "0.0E+0";
         },
         "", "01  1.0E+0  2.0E+0"},
        {{}, "5..6:1", "01  1.000000000E+00  5.000000000E+00  7.000000000E+00"},
    };
    for (const Case& c : cases) {
        series.SetSettings({});
        FileSettings(c.Change);
        Box(BoxId::X, "1..10:1");
        Box(BoxId::Y, c.Y.empty() ? "0" : c.Y);
        Run("X+Y+1");
        const std::string text = FileText();
        EXPECT_EQ(text.substr(0, text.find("\r\n")), c.FirstLine);
    }
}

TEST_F(SeriesFileTest, NumberingWidthFollowsTheCount) {
    FileSettings();
    Box(BoxId::X, "1..150:1");
    Run("X");
    const std::string text = FileText();
    EXPECT_TRUE(text.starts_with("001 "));
    EXPECT_NE(text.find("\r\n150 "), std::string::npos);
}

TEST_F(SeriesFileTest, ComplexValues) {
    SetComplex();
    calc.SetImaginaryUnit('j');
    FileSettings();
    Box(BoxId::X, "0..1j:1j");
    Run("X*X+3");
    EXPECT_EQ(FileText(),
              "1  0.000000000E+00+0.000000000E+00j  3.000000000E+00+0.000000000E+00j\r\n"
              "2  0.000000000E+00+1.000000000E+00j  2.000000000E+00+0.000000000E+00j\r\n");
}

TEST_F(SeriesFileTest, ParametricSecondPassAppendsY) {
    FileSettings();
    Box(BoxId::X, "0..1:1");
    Run("X+1...X*3");
    EXPECT_EQ(FileText(),
              "1  0.000000000E+00  1.000000000E+00  0.000000000E+00\r\n"
              "2  1.000000000E+00  2.000000000E+00  3.000000000E+00\r\n");
}

TEST_F(SeriesFileTest, ParametricRunToAStream) {
    std::ostringstream out;
    series.SetSeriesStream(&out);
    FileSettings([](auto& s) { s.ColumnSeparator = 1; });
    Box(BoxId::X, "0..1:1");
    Run("X+1...X*3");
    EXPECT_EQ(out.str(),
              "1; 0.000000000E+00; 1.000000000E+00; 0.000000000E+00\n"
              "2; 1.000000000E+00; 2.000000000E+00; 3.000000000E+00\n");
}

TEST_F(SeriesFileTest, CommaTwiceIsRefusedAtTheStart) {
    FileSettings([](auto& s) {
        s.ColumnSeparator = 2;
        s.DecimalSeparator = 1;
    });
    Box(BoxId::X, "0..1:1");
    Run("X");
    EXPECT_EQ(dialogs.OnlyMessage(),
              "Čárka nemůže být zároveň oddělovačem sloupců a desetinným oddělovačem \n(soubor by "
              "nešlo přečíst)");
    EXPECT_FALSE(std::filesystem::exists(folder / "data.txt"));
    EXPECT_EQ(control.Begun, 0);
}

TEST_F(SeriesFileTest, UnknownColumnSeparatorWritesBlanks) {
    FileSettings([](auto& s) { s.ColumnSeparator = 7; });
    Box(BoxId::X, "1..1:1");
    Run("X");
    EXPECT_EQ(dialogs.OnlyMessage(), "ParamDlg.OddSloupcu switch not handled");
    EXPECT_EQ(FileText(), "1  1.000000000E+00  1.000000000E+00\r\n");
}

TEST_F(SeriesFileTest, StoppedAndFailedRunsKeepTheLinesSoFar) {
    FileSettings();
    Box(BoxId::X, "-2..2:1");
    EXPECT_EQ(Run("1/X"), CalcOutcome::Failed);
    EXPECT_EQ(FileText(),
              "1 -2.000000000E+00 -5.000000000E-01\r\n"
              "2 -1.000000000E+00 -1.000000000E+00\r\n");
}

TEST_F(SeriesFileTest, RefusedLargeRunKeepsTheOldFile) {
    WriteBytes(folder / "data.txt", "old");
    FileSettings();
    Box(BoxId::X, "1..200000:1");
    dialogs.Answers = {ModalResult::No};
    Run("X");
    EXPECT_EQ(FileText(), "old");
}

TEST_F(SeriesFileTest, UnwritableFileEndsTheRunWithAMessage) {
    FileSettings();
    series.SetSeriesFileOverride(folder / "missing" / "x.txt");
    Box(BoxId::X, "1..3:1");
    EXPECT_EQ(Run("X"), CalcOutcome::Failed);
    EXPECT_NE(dialogs.OnlyMessage().find("Chyba při zápisu do souboru"), std::string::npos);
    EXPECT_EQ(control.Begun, 0);
}

}  // namespace
}  // namespace tarvix::testing
