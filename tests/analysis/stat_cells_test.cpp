// The compact cells of the statistics table: plain numbers rebuild their
// text exactly and give the value the cell reader would read; other texts
// stay as they were; rows move with their texts.
#include "analysis/stat_cells.h"

#include <gtest/gtest.h>

#include "analysis/cell_reader.h"
#include "analysis_test_support.h"

namespace tarvix {
namespace {

using testing::Pairs;
using testing::RowsOf;

TEST(StatCell, DecimalsRebuildTheirTextAndValue) {
    const char* decimals[] = {"0",
                              "-0",
                              "+7",
                              "0.5",
                              ".5",
                              "-.25",
                              "5.",
                              "10.50",
                              "1,25",
                              "0.000123",
                              "1000.250000",
                              "123456789012345",
                              "-99999999999999.5",
                              "0.000000000000000000000000001"};
    for (const char* text : decimals) {
        const std::optional<StatCell> cell = StatCell::Decimal(text);
        ASSERT_TRUE(cell) << text;
        std::string rebuilt;
        cell->AppendDecimal(rebuilt);
        EXPECT_EQ(rebuilt, text);
        const std::optional<long double> read = ReadPlainNumber(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(cell->Value(), *read) << text;
        EXPECT_EQ(std::signbit(cell->Value()), std::signbit(*read)) << text;
    }
    // Texts the digits cannot rebuild, or that are no plain decimals, stay texts.
    for (const char* text :
         {"", "007", "00.5", "1e5", "1E-07", " 1", "1 ", ".", "-", "+-1", "1.2.3", "2*3",
          "12345678901234567", "0.0000000000000000000000000001"}) {
        EXPECT_FALSE(StatCell::Decimal(text)) << text;
    }
}

TEST(StatCells, KeepTextsThroughRowCommands) {
    StatCells cells;
    cells.Append("1", "x+1");
    cells.Append("", "2,5");
    cells.Append("sin(1)", "");
    EXPECT_EQ(RowsOf(cells), Pairs({{"1", "x+1"}, {"", "2,5"}, {"sin(1)", ""}}));
    EXPECT_TRUE(cells.At(1, 0).IsDecimal());
    EXPECT_TRUE(cells.At(2, 0).IsText());
    EXPECT_TRUE(cells.IsEmpty(1, 1));

    cells.Erase(0);  // its text slot is free again and reused
    cells.Set(1, 0, "a");
    cells.Set(2, 1, "b");
    cells.Insert(1);
    cells.SwapColumns();
    EXPECT_EQ(RowsOf(cells), Pairs({{"2,5", "a"}, {"", ""}, {"b", "sin(1)"}}));
    cells.Set(2, 0, "3");    // a text becomes a number
    cells.Set(1, 2, "c d");  // a text replaced in place
    cells.Set(2, 2, "");
    EXPECT_EQ(RowsOf(cells), Pairs({{"2,5", "3"}, {"", ""}, {"c d", ""}}));
    cells.Set(1, 1, "   ");
    EXPECT_TRUE(cells.IsBlank(1, 1));
    EXPECT_FALSE(cells.IsEmpty(1, 1));
    cells.Resize(1);
    EXPECT_EQ(RowsOf(cells), Pairs({{"2,5", "3"}}));

    StatCells same;
    same.Append("2,5", "3");
    EXPECT_TRUE(cells == same);
    same.Set(2, 0, "3.0");
    EXPECT_FALSE(cells == same);
}

}  // namespace
}  // namespace tarvix
