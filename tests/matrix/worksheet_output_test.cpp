// The worksheet's outputs: the result file in its text and binary forms
// (the worksheet's own file name untouched), write errors, the clipboard
// text of the results, and reformatting the active grid without losing the
// values behind the texts silently.
#include "matrix/worksheet_output.h"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "worksheet_data_fixture.h"

namespace tarvix::test {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class ResultFileTest : public WorksheetDataTest {
protected:
    ResultFileTest() {
        dir = fs::temp_directory_path() /
              ("tarvix_result_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(dir);
    }
    ~ResultFileTest() override { fs::remove_all(dir); }

    // A 2×2 inverse in the right grid: 1 −1 / −1 2.
    void Inverse() {
        sheet.SetMode(WorksheetMode::Operations);
        sheet.SetOrder(2);
        Fill(sheet.LeftGrid(), {{"2", "1"}, {"1", "1"}});
        ASSERT_EQ(sheet.SelectOperation(op::Inverse), RunOutcome::Done);
    }
    // The system with the solution 1, 2, 3.
    void Solve() {
        sheet.SetMode(WorksheetMode::Equations);
        sheet.SetOrder(3);
        Fill(sheet.LeftGrid(), {{"2", "1", "1", "7"}, {"1", "3", "2", "13"}, {"1", "1", "4", "15"}});
        ASSERT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Done);
    }

    fs::path dir;
};

TEST_F(ResultFileTest, OperationsTextHasTheRowCountAndTheWholeResultGrid) {
    Inverse();
    const std::string fileBefore = sheet.FileName();
    const fs::path path = dir / "result.txt";
    std::string error;
    ASSERT_TRUE(WriteResultFile(sheet, path.string(), error)) << error;
    EXPECT_EQ(ReadBytes(path), "2\r\n1\t-1\r\n-1\t2\r\n");
    EXPECT_EQ(sheet.FileName(), fileBefore);
}

TEST_F(ResultFileTest, EquationsTextHoldsOneSolutionPerLineWithoutHeader) {
    Solve();
    const fs::path path = dir / "solution";  // no extension: the text form
    ASSERT_TRUE(SaveResultFile(sheet, path.string()));
    EXPECT_EQ(ReadBytes(path), "1\r\n2\r\n3\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ResultFileTest, BinaryFormsHoldTheNumericResultLittleEndian) {
    struct Case {
        const char* Extension;
        bool Operations;
        std::size_t Size;
    };
    for (const Case& c : {Case{".re4", true, 16}, Case{".re8", true, 32}, Case{".cp4", true, 32},
                          Case{".cp8", true, 64}, Case{".re4", false, 12}, Case{".re8", false, 24},
                          Case{".CP4", false, 24}, Case{".cp8", false, 48}}) {
        SCOPED_TRACE(std::string(c.Extension) + (c.Operations ? " operations" : " equations"));
        if (c.Operations)
            Inverse();
        else
            Solve();
        const std::string fileBefore = sheet.FileName();
        const fs::path path = dir / (std::string("result") + c.Extension);
        std::string error;
        ASSERT_TRUE(WriteResultFile(sheet, path.string(), error)) << error;
        const std::string bytes = ReadBytes(path);
        ASSERT_EQ(bytes.size(), c.Size);
        EXPECT_EQ(sheet.FileName(), fileBefore);
        // The second element: −1 of the inverse, 2 of the solution.
        const std::string_view ext(c.Extension);
        const std::size_t width = ext.back() == '4' ? 4 : 8;
        const std::size_t stride = width * (ext[1] == 'c' || ext[1] == 'C' ? 2 : 1);
        double second = 0;
        if (width == 4) {
            std::uint32_t bits = 0;
            for (int b = 3; b >= 0; --b) bits = (bits << 8) | static_cast<unsigned char>(bytes[stride + b]);
            second = std::bit_cast<float>(bits);
        } else {
            std::uint64_t bits = 0;
            for (int b = 7; b >= 0; --b) bits = (bits << 8) | static_cast<unsigned char>(bytes[stride + b]);
            second = std::bit_cast<double>(bits);
        }
        EXPECT_NEAR(second, c.Operations ? -1.0 : 2.0, 1e-6);
    }
}

TEST_F(ResultFileTest, BinaryWithoutANumericResultWritesNothing) {
    sheet.SetMode(WorksheetMode::Operations);
    Fill(sheet.RightGrid(), {{"1", "2"}, {"3", "4"}});
    const fs::path path = dir / "typed.re8";
    EXPECT_FALSE(SaveResultFile(sheet, path.string()));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(LastMessage(), FormatMessageText(Texts().Text(mxmsg::NoResultValues)));
}

// A single holds at most about 3.4e38 and a double 1.8e308; beyond that
// the file would hold an infinity that cannot be read back. The value is
// named and nothing is written: an earlier file stays as it was.
TEST_F(ResultFileTest, ValueBeyondTheBinaryRangeIsRefusedAndTheFileKept) {
    struct Case {
        const char* Extension;
        const char* Cell;
        bool Complex;
        const char* Value;    // as the message names it
        const char* Largest;  // the form's largest value
    };
    for (const Case& c : {Case{".re4", "1e39", false, "1E39", "3.402823E38"},
                          Case{".cp4", "2-4e38i", true, "-4E38", "3.402823E38"},
                          Case{".re8", "-1e400", false, "-1E400", "1.797693E308"},
                          Case{".cp8", "2e308+1", true, "2E308", "1.797693E308"}}) {
        SCOPED_TRACE(c.Extension);
        Domain(c.Complex ? nsComplex : nsReal);
        Left({{c.Cell, "1"}, {"0", "1"}});
        ASSERT_EQ(sheet.SelectOperation(op::Evaluate), RunOutcome::Done);
        const fs::path path = dir / (std::string("old") + c.Extension);
        std::ofstream(path, std::ios::binary) << "earlier";
        dialogs.messages.clear();
        EXPECT_FALSE(SaveResultFile(sheet, path.string()));
        EXPECT_EQ(LastMessage(), FormatMessageText(Texts().Format(
                                     mxmsg::BinaryRange, {c.Value, c.Extension, c.Largest})));
        EXPECT_EQ(ReadBytes(path), "earlier");
    }
    // The largest single itself fits.
    Domain(nsReal);
    Left({{"3.40282346638528859811704183484516925e38"}});
    ASSERT_EQ(sheet.SelectOperation(op::Evaluate), RunOutcome::Done);
    std::string error;
    EXPECT_TRUE(WriteResultFile(sheet, (dir / "largest.re4").string(), error)) << error;
    EXPECT_EQ(ReadBytes(dir / "largest.re4"), std::string("\xff\xff\x7f\x7f", 4));
}

// Saving the worksheet itself in a binary form refuses such a cell the same way.
TEST_F(ResultFileTest, WorksheetSaveRefusesACellBeyondTheBinaryRange) {
    Left({{"1", "1e39"}, {"2", "3"}});
    const fs::path path = dir / "sheet.re4";
    std::ofstream(path, std::ios::binary) << "earlier";
    const std::string fileBefore = sheet.FileName();
    EXPECT_FALSE(sheet.SaveFile(path.string()));
    EXPECT_EQ(LastMessage(),
              FormatMessageText(Texts().Format(mxmsg::BinaryRange, {"1E39", ".re4", "3.402823E38"})));
    EXPECT_EQ(ReadBytes(path), "earlier");
    EXPECT_EQ(sheet.FileName(), fileBefore);
}

TEST_F(ResultFileTest, WriteErrorNamesTheFileWithoutItsFolder) {
    Inverse();
    const fs::path path = dir / "missing-folder" / "out.txt";
    EXPECT_FALSE(SaveResultFile(sheet, path.string()));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(LastMessage(), FormatMessageText(Texts().Format(mxmsg::WriteError, {"out.txt"})));
    EXPECT_EQ(dialogs.messages.back().HelpContext, 205);
    EXPECT_EQ(dialogs.messages.back().Kind, MessageKind::Error);
}

TEST_F(ResultFileTest, ClipboardTextOfBothModes) {
    Solve();
    EXPECT_EQ(ResultClipboardText(sheet), "1\r\n2\r\n3\r\n");
    Inverse();
    EXPECT_EQ(ResultClipboardText(sheet), "1\t-1\r\n-1\t2\r\n");
}

TEST_F(ResultFileTest, GridRowsAreTrimmed) {
    TextGrid grid;
    Fill(grid, {{" 1 ", "2"}, {"", " x+1"}});
    EXPECT_EQ(GridRowsText(grid), "1\t2\r\n\tx+1\r\n");
    std::string error;
    EXPECT_TRUE(WriteGridRowsFile(grid, (dir / "v.txt").string(), Texts(), error));
    EXPECT_EQ(ReadBytes(dir / "v.txt"), "1\t2\r\n\tx+1\r\n");
    EXPECT_FALSE(WriteGridRowsFile(grid, (dir / "no" / "v.txt").string(), Texts(), error));
    EXPECT_EQ(error, Texts().Format(mxmsg::WriteError, {"v.txt"}));
}

// --- Reformatting

class ReformatTest : public WorksheetDataTest {
protected:
    ReformatTest() {
        sheet.SetMode(WorksheetMode::Operations);
        sheet.SetOrder(2);
    }
    void FixedThreeDigits() {
        main.format.Display.RoundingOn = true;
        main.format.Display.Digits = 3;
    }
};

TEST_F(ReformatTest, EmptyCellsBecomeZeroAndExpressionsTheirValues) {
    Fill(sheet.LeftGrid(), {{"", "1/4"}, {"2,5", "pi"}});
    const std::string expression = parser.Expression();
    ASSERT_TRUE(ApplyNumberFormat(sheet, NumberFormat::Norm));
    EXPECT_EQ(sheet.LeftGrid().RowText(1), "0\t0.25");
    EXPECT_EQ(sheet.LeftGrid().RowText(2), "2.5\t3.14159265358979");
    EXPECT_TRUE(dialogs.messages.empty());  // 15 significant digits lose nothing
    EXPECT_EQ(parser.Expression(), expression);
    EXPECT_TRUE(sheet.Modified());
}

TEST_F(ReformatTest, OnlyTheActiveGridIsReformatted) {
    Fill(sheet.LeftGrid(), {{"1/2", ""}, {"", ""}});
    Fill(sheet.RightGrid(), {{"1/4", ""}, {"", ""}});
    sheet.SetActiveGrid(true);
    ASSERT_TRUE(ReformatActiveGrid(sheet));
    EXPECT_EQ(sheet.RightGrid().RowText(1), "0.25\t0");
    EXPECT_EQ(sheet.LeftGrid().RowText(1), "1/2\t");
}

TEST_F(ReformatTest, DigitsAreLostOnlyAfterTheQuestion) {
    struct Case {
        ModalResult Answer;
        bool Written;
        const char* Row1;
    };
    for (const Case& c : {Case{ModalResult::Yes, true, "1.235\t2.000"},
                          Case{ModalResult::No, true, "1.23456\t2.000"},
                          Case{ModalResult::Cancel, false, "1.23456\t2"}}) {
        SCOPED_TRACE(static_cast<int>(c.Answer));
        main.format.Display = {};
        Fill(sheet.LeftGrid(), {{"1.23456", "2"}, {"0.5", "-1"}});
        FixedThreeDigits();
        dialogs.messages.clear();
        dialogs.reply = c.Answer;
        EXPECT_EQ(ApplyNumberFormat(sheet, NumberFormat::Fix), c.Written);
        EXPECT_EQ(main.format.Display.Format, NumberFormat::Fix);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].Text, FormatMessageText(Texts().Format(mxmsg::ReformatLoss, {"1"})));
        EXPECT_EQ(sheet.LeftGrid().RowText(1), c.Row1);
    }
}

TEST_F(ReformatTest, EvaluationErrorChangesNothing) {
    Fill(sheet.LeftGrid(), {{"", "1/4"}, {"2+", "3"}});
    EXPECT_FALSE(ReformatActiveGrid(sheet));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(sheet.LeftGrid().RowText(1), "\t1/4");
    EXPECT_EQ(sheet.LeftGrid().RowText(2), "2+\t3");
}

TEST_F(ReformatTest, ComplexFormsKeepTheValues) {
    Complex();
    Fill(sheet.LeftGrid(), {{"3+4i", "i"}, {"-2", "1/3"}});
    ASSERT_TRUE(ApplyComplexForm(sheet, ComplexForm::Exponential));
    EXPECT_EQ(main.format.Display.Complex, ComplexForm::Exponential);
    EXPECT_TRUE(dialogs.messages.empty()) << LastMessage();
    const ComplexValue v = sheet.EvaluateCell(sheet.LeftGrid().Cell(1, 1));
    EXPECT_NEAR(static_cast<double>(v.Re), 3.0, 1e-13);
    EXPECT_NEAR(static_cast<double>(v.Im), 4.0, 1e-13);
    ASSERT_TRUE(ApplyComplexForm(sheet, ComplexForm::Component));
    EXPECT_EQ(sheet.LeftGrid().Cell(1, 1), "3+4i");
    EXPECT_EQ(sheet.LeftGrid().Cell(2, 1), "-2");
}

}  // namespace
}  // namespace tarvix::test
