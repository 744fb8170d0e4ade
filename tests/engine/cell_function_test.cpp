// CELL(row;column) against a fake worksheet grid: reading and evaluating cell
// texts, the index checks, cells that reach other cells, and the port.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "calculus_test_support.h"
#include "engine/cell_link.h"
#include "engine/parser_messages.h"
#include "engine_fixture.h"

namespace tarvix::testing {
namespace {

// A grid of rows × columns including the header row and column; header cells
// hold their index, data cells what the test put there (empty otherwise).
class FakeGrid : public CellGrid {
  public:
    FakeGrid(int rows, int columns) : rows_(rows), columns_(columns) {}
    int RowCount() const override { return rows_; }
    int ColumnCount() const override { return columns_; }
    std::string CellText(int row, int col) const override {
        ++reads_;
        if (row == 0) return std::to_string(col);
        if (col == 0) return std::to_string(row);
        auto it = cells_.find({row, col});
        return it == cells_.end() ? std::string() : it->second;
    }
    void Set(int row, int col, std::string text) { cells_[{row, col}] = std::move(text); }
    int Reads() const { return reads_; }

  private:
    int rows_;
    int columns_;
    std::map<std::pair<int, int>, std::string> cells_;
    mutable int reads_ = 0;
};

// Registers a 3 × 4 data grid for the test and withdraws it afterwards.
class CellTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        SetCellGrid(&grid);
    }
    void TearDown() override {
        SetCellGrid(nullptr);
        EngineTest::TearDown();
    }

    FakeGrid grid{4, 5};
};

TEST(CellLink, RegisterAndWithdraw) {
    FakeGrid grid(2, 2);
    EXPECT_EQ(CurrentCellGrid(), nullptr);
    SetCellGrid(&grid);
    EXPECT_EQ(CurrentCellGrid(), &grid);
    SetCellGrid(nullptr);
    EXPECT_EQ(CurrentCellGrid(), nullptr);
}

TEST(CellLink, PreparesTextLikeTheInputLine) {
    EXPECT_EQ(PrepareCellText(" 1,5 + binom( 5 ; 2 ) "), "1.5+binom(5,2)");
    EXPECT_EQ(PrepareCellText("max(1,5;2)"), "max(1.5,2)");
    EXPECT_EQ(PrepareCellText(""), "");
}

TEST_F(EngineTest, CellWithoutWorksheetAsksToOpenIt) {
    ASSERT_EQ(CurrentCellGrid(), nullptr);
    parser.SetExpression("CELL(1,1)");
    ExpectEngineError<EBadDomain>([&] { parser.Evaluate(); },
                                  "Prosím otevřete formulář pro maticový počet", 203);
}

struct CellValueCase {
    const char* CellText;
    long double Expected;
};

class CellValueTest : public CellTest, public ::testing::WithParamInterface<CellValueCase> {};

TEST_P(CellValueTest, EvaluatesPreparedCellText) {
    const CellValueCase& c = GetParam();
    grid.Set(2, 3, c.CellText);
    EXPECT_EQ(Real("CELL(2,3)"), c.Expected) << c.CellText;
}

INSTANTIATE_TEST_SUITE_P(Cell, CellValueTest,
                         ::testing::Values(CellValueCase{"2*3", 6}, CellValueCase{"1,5", 1.5L},
                                           CellValueCase{" 2 + 3 ", 5},
                                           CellValueCase{"binom(5;2)", 10}, CellValueCase{"-4", -4},
                                           CellValueCase{"", 0}));

TEST_F(CellTest, TruncatesIndicesAndReadsTheRightCell) {
    grid.Set(1, 1, "11");
    grid.Set(1, 2, "12");
    grid.Set(2, 1, "21");
    grid.Set(3, 4, "34");
    EXPECT_EQ(Real("CELL(1,1)"), 11.0L);
    EXPECT_EQ(Real("CELL(1,2)"), 12.0L);
    EXPECT_EQ(Real("CELL(2,1)"), 21.0L);
    EXPECT_EQ(Real("CELL(3.9,4.9)"), 34.0L);
    EXPECT_EQ(Real("CELL(1,1)+CELL(2,1)*2"), 53.0L);
}

TEST_F(CellTest, ReadsTheCellAgainOnEachEvaluation) {
    grid.Set(1, 1, "2");
    parser.SetVariable("x", {10.0L, 0.0L});
    parser.SetExpression("CELL(1,1)+x");
    EXPECT_EQ(parser.Evaluate().Re, 12.0L);
    grid.Set(1, 1, "3");
    EXPECT_EQ(parser.Evaluate().Re, 13.0L);
    EXPECT_EQ(parser.Expression(), "CELL(1,1)+x");
}

struct IndexCase {
    const char* Text;
    std::string Message;
};

class CellIndexTest : public CellTest, public ::testing::WithParamInterface<IndexCase> {};

TEST_P(CellIndexTest, RejectsIndexOutsideData) {
    const IndexCase& c = GetParam();
    const int readsBefore = grid.Reads();
    parser.SetExpression(c.Text);
    ExpectEngineError<EBadDomain>([&] { parser.Evaluate(); }, c.Message, 203);
    EXPECT_EQ(grid.Reads(), readsBefore) << "no cell may be read";
}

INSTANTIATE_TEST_SUITE_P(
    Cell, CellIndexTest,
    ::testing::Values(IndexCase{"CELL(4,1)", "Řádkový index mimo rozsah 1..3"},
                      IndexCase{"CELL(0,1)", "Řádkový index mimo rozsah 1..3"},
                      IndexCase{"CELL(-1,1)", "Řádkový index mimo rozsah 1..3"},
                      IndexCase{"CELL(0.5,1)", "Řádkový index mimo rozsah 1..3"},
                      IndexCase{"CELL(1,5)", "Sloupcový index mimo rozsah 1..4"},
                      IndexCase{"CELL(1,0)", "Sloupcový index mimo rozsah 1..4"},
                      // The row is checked first.
                      IndexCase{"CELL(9,9)", "Řádkový index mimo rozsah 1..3"},
                      IndexCase{"CELL(0,0)", "Řádkový index mimo rozsah 1..3"}));

TEST_F(CellTest, IndexBeyondInt32IsRangeError) {
    parser.SetExpression("CELL(1e10,1)");
    ExpectEngineError<EArithmeticError>([&] { parser.Evaluate(); },
                                        ParserMessages().Text(msg::RangeError), 0);
}

TEST_F(CellTest, ErrorsOfTheCellTextPropagate) {
    grid.Set(1, 1, "2*");
    parser.SetExpression("CELL(1,1)");
    ExpectEngineError<ESyntaxError>([&] { parser.Evaluate(); }, "Syntaktická chyba ve výrazu", 11);
    grid.Set(1, 1, "1/0");
    ExpectEngineError<EBadDomain>([&] { parser.Evaluate(); }, "Dělení nulou", 18);
}

TEST_F(CellTest, CellsReachOtherCells) {
    grid.Set(1, 1, "CELL(1;2)+1");
    grid.Set(1, 2, "CELL(2;2)*CELL(3;3)");
    grid.Set(2, 2, "4");
    grid.Set(3, 3, "CELL(3;4)+1");
    grid.Set(3, 4, "2");
    EXPECT_EQ(Real("CELL(1,1)"), 13.0L);
    EXPECT_EQ(Real("CELL(1,1)*CELL(1,2)"), 156.0L);
}

struct RecursionCase {
    const char* Name;
    std::map<std::pair<int, int>, std::string> Cells;
};

class CellRecursionTest : public CellTest, public ::testing::WithParamInterface<RecursionCase> {};

TEST_P(CellRecursionTest, FailsAndRecovers) {
    for (const auto& [at, text] : GetParam().Cells) grid.Set(at.first, at.second, text);
    parser.SetExpression("1+CELL(1,1)");
    ExpectEngineError<EBadDomain>([&] { parser.Evaluate(); }, "Buňka matice odkazuje sama na sebe",
                                  203);
    // Nothing is left half-entered: once the loop is broken the cells work.
    grid.Set(1, 1, "CELL(3;3)+1");
    grid.Set(3, 3, "5");
    EXPECT_EQ(parser.Evaluate().Re, 7.0L);
}

INSTANTIATE_TEST_SUITE_P(
    Cell, CellRecursionTest,
    ::testing::Values(RecursionCase{"Itself", {{{1, 1}, "CELL(1;1)"}}},
                      RecursionCase{"ItselfInASum", {{{1, 1}, "2+CELL(1;1)*3"}}},
                      RecursionCase{"ThroughAnother",
                                    {{{1, 1}, "CELL(2;2)"}, {{2, 2}, "CELL(1;1)"}}},
                      RecursionCase{"ThroughAChain",
                                    {{{1, 1}, "CELL(1;2)"},
                                     {{1, 2}, "CELL(2;1)+CELL(2;2)"},
                                     {{2, 1}, "1"},
                                     {{2, 2}, "CELL(1;1)"}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CellTest, KeepsFloatingPointFaultsOfTheCallingList) {
    grid.Set(1, 1, "2");
    // 1/(1e4000·1e4000) overflows on the way to a finite 0 before the cell runs.
    parser.SetExpression("1/(1e4000*1e4000)+CELL(1,1)");
    ExpectEngineError<EArithmeticError>([&] { parser.Evaluate(); },
                                        ParserMessages().Text(msg::FloatOverflow), 0);
}

TEST_F(CellTest, WorksInsideTheCalculus) {
    grid.Set(1, 1, "3");
    parser.SetVariable("x", {2.0L, 0.0L});
    EXPECT_TRUE(IsClose(Real("DERIV(x*CELL(1,1),x)"), 3.0L, 1e-9L));
}

TEST_F(CellTest, ReadsComplexValuesInComplexMode) {
    grid.Set(1, 1, "2+3i");
    parser.SetNumericalScope(nsComplex);
    parser.SetExpression("CELL(1,1)");
    EXPECT_EQ(parser.Evaluate(), (ComplexValue{2.0L, 3.0L}));
}

}  // namespace
}  // namespace tarvix::testing
