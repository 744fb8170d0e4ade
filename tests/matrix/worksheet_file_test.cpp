// Worksheet files: headers, rows, the editor part and the binary forms.
#include <bit>
#include <cstdint>

#include "matrix/worksheet_file.h"
#include "matrix_test_support.h"

namespace tarvix::test {
namespace {

const MatrixMessageTable& Texts() { return BuiltInMatrixMessages(); }

TEST(WorksheetText, HeaderDecidesModeAndShape) {
    struct Case {
        const char* text;
        WorksheetMode mode;
        int rows, cols;
    };
    const Case cases[] = {
        {"3\\4\r\n1\t2\t3\t4\r\n", WorksheetMode::Operations, 3, 4},
        {"3\\\r\n1\t2\t3\t4\r\n", WorksheetMode::Equations, 3, 4},
        {"2\n1;2;3\n4;5;6\n", WorksheetMode::Equations, 2, 3},
        {"\\3\n1\t2\t3\n", WorksheetMode::Operations, 3, 3},
        // No header: rows as they come, the current mode kept.
        {"1\t2\n3\t4\n\n", WorksheetMode::Operations, 2, 2},
    };
    for (const Case& c : cases) {
        const WorksheetFileData d = ParseWorksheetText(c.text, WorksheetMode::Operations, Texts());
        EXPECT_EQ(d.Mode, c.mode) << c.text;
        EXPECT_EQ(d.Rows, c.rows) << c.text;
        EXPECT_EQ(d.Cols, c.cols) << c.text;
    }
}

TEST(WorksheetText, CellsMemoAndEmptyFirstCell) {
    const WorksheetFileData d =
        ParseWorksheetText("2\\\r\n\t-3\t1 \r\n 5;2;2\r\n<memo>\r\n' comment\r\n2a - 3b = 1\r\n",
                           WorksheetMode::Operations, Texts());
    ASSERT_EQ(d.Rows, 2);
    EXPECT_EQ(d.Cells[0], (std::vector<std::string>{"", "-3", "1"}));
    EXPECT_EQ(d.Cells[1], (std::vector<std::string>{"5", "2", "2"}));
    EXPECT_TRUE(d.HasMemo);
    EXPECT_EQ(d.Memo, (std::vector<std::string>{"' comment", "2a - 3b = 1"}));
}

TEST(WorksheetText, OrderAboveTheLimitIsRefused) {
    EXPECT_EQ(MessageOf([] { ParseWorksheetText("401\\\n", WorksheetMode::Equations, Texts()); }),
              Texts().Format(mxmsg::DimensionRange, {"400"}));
    // The range starts at 1 (a 1 × 1 system is allowed) and names the limit.
    EXPECT_EQ(OrderRangeMessage(Texts()), "Rozměr matice musí být v rozmezí 1..400");
    EXPECT_EQ(ParseWorksheetText("1\\\n5\t10\n", WorksheetMode::Equations, Texts()).Rows, 1);
}

TEST(WorksheetText, WrittenTextReadsBack) {
    WorksheetFileData d;
    d.Mode = WorksheetMode::Operations;
    d.Rows = 2;
    d.Cols = 3;
    d.Cells = {{"1", "2", "3"}, {"4", "", "6"}};
    d.Memo = {"note"};
    d.HasMemo = true;
    const std::string text = WorksheetText(d);
    EXPECT_EQ(text, "2\\3\r\n1\t2\t3\r\n4\t\t6\r\n<MEMO>\r\nnote\r\n");
    const WorksheetFileData back = ParseWorksheetText(text, WorksheetMode::Equations, Texts());
    EXPECT_EQ(back.Cells, d.Cells);
    EXPECT_EQ(back.Mode, WorksheetMode::Operations);
    EXPECT_EQ(back.Memo, d.Memo);
}

std::string Doubles(std::initializer_list<double> values) {
    std::string bytes;
    for (double v : values) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        for (int b = 0; b < 8; ++b) bytes += static_cast<char>((bits >> (8 * b)) & 0xFF);
    }
    return bytes;
}

TEST(WorksheetBinary, SizeJudgedInTheMode) {
    const FormatOptions format;
    const std::string nine = Doubles({1, 2, 3, 4, 5, 6, 7, 8, 0});  // 72 bytes
    const WorksheetFileData ops =
        ParseWorksheetBinary(nine, WorksheetFileFormat::Real8, WorksheetMode::Operations, format, Texts());
    EXPECT_EQ(ops.Rows, 3);
    EXPECT_EQ(ops.Cols, 3);
    EXPECT_EQ(ops.Cells[2], (std::vector<std::string>{"7", "8", ""}));  // 0 is an empty cell

    const std::string twelve = Doubles({2, -3, 4, 1, 5, 2, -6, 2, 3, -2, 3, 3});  // 96 bytes
    const WorksheetFileData eq =
        ParseWorksheetBinary(twelve, WorksheetFileFormat::Real8, WorksheetMode::Equations, format, Texts());
    EXPECT_EQ(eq.Rows, 3);
    EXPECT_EQ(eq.Cols, 4);
    EXPECT_EQ(eq.Cells[1], (std::vector<std::string>{"5", "2", "-6", "2"}));

    EXPECT_EQ(MessageOf([&] {
                  ParseWorksheetBinary("", WorksheetFileFormat::Real8, WorksheetMode::Operations,
                                       format, Texts());
              }),
              Texts().Format(mxmsg::DimensionRange, {"400"}));
    EXPECT_EQ(FileFormatOf("a.CP4"), WorksheetFileFormat::Complex4);
    EXPECT_EQ(FileFormatOf("a.txt"), WorksheetFileFormat::Text);
}

}  // namespace
}  // namespace tarvix::test
