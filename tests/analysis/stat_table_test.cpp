// The row commands of the statistics table.
#include "analysis/stat_table.h"

#include <gtest/gtest.h>

#include "analysis_test_support.h"

namespace tarvix {
namespace {

using testing::Pairs;

TEST(StatTable, EditModeAddsTheFirstRowAndAppendReusesAnEmptyLastRow) {
    StatTable t;
    t.SetEditMode(true);
    ASSERT_EQ(t.RowCount(), 1);
    t.Append("5");
    EXPECT_EQ(t.RowCount(), 1);
    t.Append("6");
    EXPECT_EQ(t.Rows(), Pairs({{"5", ""}, {"6", ""}}));
    EXPECT_EQ(t.CurrentRow(), 1);
    EXPECT_TRUE(t.HasData());
    EXPECT_TRUE(t.DataModified());
}

TEST(StatTable, InsertMovesPairsTogether) {
    StatTable t;
    t.SetXy(true);
    t.SetRows(Pairs({{"1", "10"}, {"2", "20"}}));
    t.SetCurrentRow(1);
    t.Insert("9");
    EXPECT_EQ(t.Rows(), Pairs({{"1", "10"}, {"9", ""}, {"2", "20"}}));
}

TEST(StatTable, DeletingTheOnlyRowLeavesAnEmptyRow) {
    StatTable t;
    t.SetRows(Pairs({{"1", "2"}, {"3", "4"}}));
    t.SetCurrentRow(0);
    EXPECT_FALSE(t.DeleteRow());
    EXPECT_EQ(t.Rows(), Pairs({{"3", "4"}}));
    EXPECT_TRUE(t.DeleteRow());
    EXPECT_EQ(t.Rows(), Pairs({{"", ""}}));
}

TEST(StatTable, DeleteAllClearsModified) {
    StatTable t;
    t.SetRows(Pairs({{"1", ""}, {"2", ""}}));
    t.DeleteAll();
    EXPECT_EQ(t.RowCount(), 1);
    EXPECT_FALSE(t.DataModified());
    EXPECT_FALSE(t.HasData());
}

TEST(StatTable, ArrowsOnTheLastRow) {
    StatTable t;
    t.SetEditMode(true);
    EXPECT_FALSE(t.DownOnLastRow());  // empty x: no new row
    t.SetCell(1, 0, "1");
    EXPECT_TRUE(t.DownOnLastRow());
    EXPECT_EQ(t.RowCount(), 2);
    EXPECT_TRUE(t.UpOnLastRow());
    EXPECT_EQ(t.RowCount(), 1);
    EXPECT_FALSE(t.UpOnLastRow());  // row 1 stays
}

TEST(StatTable, SwapAndFilledCount) {
    StatTable t;
    t.SetRows(Pairs({{"1", "2"}, {"", ""}}));
    t.SwapColumns();
    EXPECT_EQ(t.Rows()[0], (StatRow{"2", "1"}));
    EXPECT_EQ(t.FilledRowCount(), 1);
    t.WriteColumn(2, {"a", "b", "c"});
    EXPECT_EQ(t.RowCount(), 3);
    EXPECT_EQ(t.Cell(2, 2), "c");
    EXPECT_EQ(t.Cell(1, 0), "2");
}

}  // namespace
}  // namespace tarvix
