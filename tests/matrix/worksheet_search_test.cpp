// The worksheet's searches: range texts, range marks by area and quantity,
// warnings and errors that keep the earlier marks, extreme searches of each
// kind (ties, non-finite values, the right-hand side, the value shown with
// Ans and the cursor moved) and the marked cells listed in the editor.
#include "matrix/worksheet_search.h"

#include <cmath>
#include <limits>

#include "worksheet_data_fixture.h"

namespace tarvix::test {
namespace {

const MatrixMessageTable& Texts() {
    return BuiltInMatrixMessages();
}

std::vector<std::pair<int, int>> Flagged(const FoundMarks& marks) {
    std::vector<std::pair<int, int>> cells;
    for (int i = 1; i <= marks.Rows; ++i)
        for (int j = 1; j <= marks.Cols; ++j)
            if (marks.Flag(i, j)) cells.emplace_back(i, j);
    return cells;
}

using CellList = std::vector<std::pair<int, int>>;

struct SplitCase {
    const char* text;
    std::optional<std::pair<std::string, std::string>> bounds;
};

TEST(RangeTextTest, SplitsAtDotsFirstThenBlankTabOrSemicolon) {
    using P = std::pair<std::string, std::string>;
    const SplitCase cases[] = {
        {"2 .. 5", P{"2", "5"}},
        {"2..5", P{"2", "5"}},
        {"2;5", P{"2", "5"}},
        {"2 5", P{"2", "5"}},
        {"2\t5", P{"2", "5"}},
        {"  -1,5 ..  sqrt(4) ", P{"-1,5", "sqrt(4)"}},
        {"max(1;2)..7", P{"max(1;2)", "7"}},  // ".." wins over the ";" inside
        {"-3 -1", P{"-3", "-1"}},
        {"2-5", std::nullopt},
        {"2..", std::nullopt},
        {"..5", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const SplitCase& c : cases) EXPECT_EQ(SplitRangeText(c.text), c.bounds) << c.text;
}

class SearchTest : public WorksheetDataTest {
protected:
    void Numbers3x3() { Left({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}); }
};

TEST_F(SearchTest, TheFourRangeSpellingsMarkTheSameCells) {
    Numbers3x3();
    for (const char* text : {"2 .. 5", "2..5", "2;5", "2 5"}) {
        sheet.ClearMarks();
        ASSERT_TRUE(SearchRange(sheet, text)) << text;
        EXPECT_EQ(Flagged(sheet.Marks()), (CellList{{1, 2}, {1, 3}, {2, 1}, {2, 2}})) << text;
        EXPECT_TRUE(sheet.Marks().FoundAny);
        EXPECT_TRUE(sheet.Marks().Highlight);
        EXPECT_FALSE(sheet.Marks().RightGrid);
        EXPECT_TRUE(sheet.CellMarked(false, 2, 2));
        EXPECT_FALSE(sheet.CellMarked(false, 2, 3));
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SearchTest, NoSeparatorWarnsAndKeepsTheEarlierMarks) {
    Numbers3x3();
    ASSERT_TRUE(SearchRange(sheet, "8..9"));
    EXPECT_FALSE(SearchRange(sheet, "2-5"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].Text, "Min. a max. hodnotu nutno oddělit dvěma tečkami");
    EXPECT_EQ(dialogs.messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(Flagged(sheet.Marks()), (CellList{{3, 2}, {3, 3}}));
}

TEST_F(SearchTest, AMalformedBoundShowsItsErrorAndKeepsTheEarlierMarks) {
    Numbers3x3();
    ASSERT_TRUE(SearchRange(sheet, "8..9"));
    for (const char* text : {"2..5+", "nonsense 5", "2..(3"}) {
        dialogs.messages.clear();
        EXPECT_FALSE(SearchRange(sheet, text)) << text;
        ASSERT_EQ(dialogs.messages.size(), 1u) << text;
        EXPECT_EQ(dialogs.messages[0].Kind, MessageKind::Error) << text;
        EXPECT_FALSE(dialogs.messages[0].Text.empty());
        EXPECT_EQ(Flagged(sheet.Marks()), (CellList{{3, 2}, {3, 3}})) << text;
    }
}

TEST_F(SearchTest, ACellThatCannotBeEvaluatedEndsTheSearchWithItsError) {
    Domain(nsComplex);
    Left({{"1", "2"}, {"3", "sin("}});
    EXPECT_FALSE(SearchRange(sheet, "1..2"));
    EXPECT_EQ(dialogs.messages.back().Kind, MessageKind::Error);
    EXPECT_FALSE(sheet.Marks().Exist());
    EXPECT_FALSE(SearchExtreme(sheet, ExtremeKind::Overall, false));
    EXPECT_TRUE(main.shown.empty());
}

TEST_F(SearchTest, ARangeWithoutHitsLeavesTheHighlightOff) {
    Numbers3x3();
    ASSERT_TRUE(SearchRange(sheet, "10..20"));
    EXPECT_TRUE(sheet.Marks().Exist());
    EXPECT_FALSE(sheet.Marks().FoundAny);
    EXPECT_FALSE(sheet.Marks().Highlight);
    EXPECT_FALSE(FoundToEditor(sheet));
}

TEST_F(SearchTest, TheRangeSearchesTheBorderedAreaOfTheActiveGrid) {
    Numbers3x3();
    Fill(sheet.RightGrid(), {{"5", "1"}, {"5", "5"}});
    sheet.SetActiveGrid(true);
    sheet.SetBorderedArea(true, GridArea{1, 1, 2, 1});
    ASSERT_TRUE(SearchRange(sheet, "5..5"));
    EXPECT_TRUE(sheet.Marks().RightGrid);
    EXPECT_EQ(Flagged(sheet.Marks()), (CellList{{1, 1}, {2, 1}}));
    EXPECT_TRUE(sheet.CellMarked(true, 1, 1));
    EXPECT_FALSE(sheet.CellMarked(false, 1, 1));  // marks in the searched grid only
    sheet.Marks().BothGrids = true;
    EXPECT_TRUE(sheet.CellMarked(false, 1, 1));
}

TEST_F(SearchTest, TheEquationsRightHandSideIsSearchedOnlyInsideABorderedArea) {
    sheet.SetMode(WorksheetMode::Equations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"1", "2", "99"}, {"3", "4", "100"}});
    ASSERT_TRUE(SearchRange(sheet, "0..1000"));
    EXPECT_EQ(Flagged(sheet.Marks()), (CellList{{1, 1}, {1, 2}, {2, 1}, {2, 2}}));

    sheet.SetCursor(false, 1, 1);
    ASSERT_TRUE(SearchExtreme(sheet, ExtremeKind::RowWise, true));
    EXPECT_EQ(main.shown.back().Re, 2.0L);
    sheet.SetBorderedArea(false, GridArea{1, 1, 2, 3});
    ASSERT_TRUE(SearchExtreme(sheet, ExtremeKind::RowWise, true));
    EXPECT_EQ(main.shown.back().Re, 99.0L);
}

TEST_F(SearchTest, ComplexCellsCompareTheChosenQuantity) {
    Domain(nsComplex);
    Left({{"3+4i", "-6"}, {"2i", "1"}});
    struct Case {
        int quantity;
        const char* range;
        CellList marked;
    };
    const Case cases[] = {
        {0, "4.5..6", {{1, 1}, {1, 2}}},   // modulus 5 and 6
        {1, "89..181", {{1, 2}, {2, 1}}},  // argument 180 and 90 degrees
        {2, "0.5..3", {{1, 1}, {2, 2}}},   // real part: 3 and 1
        {3, "2..4", {{1, 1}, {2, 1}}},     // imaginary part: 4 and 2
        {4, "5.5..6", {{1, 2}}},           // the Gaussian plane compares the modulus
    };
    for (const Case& c : cases) {
        sheet.SetSearchQuantity(c.quantity);
        ASSERT_TRUE(SearchRange(sheet, c.range)) << c.quantity;
        EXPECT_EQ(Flagged(sheet.Marks()), c.marked) << c.quantity;
    }
}

TEST_F(SearchTest, TheRangePromptNamesTheQuantityAndTheBoxRemembersTheText) {
    Numbers3x3();
    std::string last;
    dialogs.answer = "2..3";
    ASSERT_TRUE(AskAndSearchRange(sheet, last));
    EXPECT_EQ(dialogs.caption, "Hledat v rozmezí");
    EXPECT_EQ(dialogs.prompt, "Meze:  minimum .. maximum");
    EXPECT_EQ(dialogs.defaultText, "");
    EXPECT_EQ(last, "2..3");

    Domain(nsComplex);
    sheet.SetSearchQuantity(3);
    dialogs.answer = std::nullopt;  // cancelled: nothing changes
    EXPECT_FALSE(AskAndSearchRange(sheet, last));
    EXPECT_EQ(dialogs.prompt, "Meze (imagin. složka):  minimum .. maximum");
    EXPECT_EQ(dialogs.defaultText, "2..3");
    EXPECT_EQ(Flagged(sheet.Marks()), (CellList{{1, 2}, {1, 3}}));
    dialogs.answer = "  ";
    EXPECT_FALSE(AskAndSearchRange(sheet, last));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SearchTest, TheMarkedCellsGoToTheEditorRowByRow) {
    Left({{"1", "2,5", "3"}, {"4", "2", "6"}});
    sheet.Editor() = {"old line"};
    ASSERT_TRUE(SearchRange(sheet, "2..3"));
    ASSERT_TRUE(FoundToEditor(sheet));
    EXPECT_EQ(sheet.Editor(),
              (std::vector<std::string>{"I=1\tJ=2\t2,5", "I=1\tJ=3\t3", "I=2\tJ=2\t2"}));
}

TEST(ExtremeIndexTest, OnlyFiniteValuesTakePartAndTiesKeepTheFirst) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    struct Case {
        std::vector<long double> values;
        bool maximum;
        std::optional<std::size_t> index;
    };
    const Case cases[] = {
        {{3, 1, 1}, false, 1},      {{3, 7, 7}, true, 1},
        {{nan, 3, 1, 1}, false, 2}, {{nan, 3, 1, 1}, true, 1},
        {{4, nan, 2}, false, 2},    {{inf, 2, 5}, true, 2},
        {{-inf, 2, 5}, false, 1},   {{nan, inf}, false, std::nullopt},
        {{}, true, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ExtremeIndex(c.values, c.maximum), c.index);
}

TEST_F(SearchTest, TheMinimumOfThreeOneOneFindsTheFirstOneAndShowsIt) {
    Left({{"3", "1", "1"}});
    const auto found = SearchExtreme(sheet, ExtremeKind::Overall, false);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Cell, (CellPosition{1, 2}));
    ASSERT_EQ(main.shown.size(), 1u);
    EXPECT_EQ(main.shown[0].Re, 1.0L);
    EXPECT_EQ(main.shown[0].Im, 0.0L);
    EXPECT_EQ(sheet.Cursor(false), std::pair(1, 2));
}

TEST_F(SearchTest, EachKindSearchesItsCellsAndMovesTheCursor) {
    Left({{"5", "2", "9"}, {"4", "8", "1"}, {"7", "3", "6"}});
    struct Case {
        ExtremeKind kind;
        bool maximum;
        CellPosition cell;
        long double value;
    };
    const Case cases[] = {
        {ExtremeKind::RowWise, false, {2, 3}, 1},    {ExtremeKind::RowWise, true, {2, 2}, 8},
        {ExtremeKind::ColumnWise, false, {1, 2}, 2}, {ExtremeKind::ColumnWise, true, {2, 2}, 8},
        {ExtremeKind::Diagonal, false, {1, 1}, 5},   {ExtremeKind::Diagonal, true, {2, 2}, 8},
        {ExtremeKind::Overall, false, {2, 3}, 1},    {ExtremeKind::Overall, true, {1, 3}, 9},
    };
    for (const Case& c : cases) {
        sheet.SetCursor(false, 2, 2);
        const auto found = SearchExtreme(sheet, c.kind, c.maximum);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->Cell, c.cell);
        EXPECT_EQ(main.shown.back().Re, c.value);
        EXPECT_EQ(sheet.Cursor(false), std::pair(c.cell.Row, c.cell.Column));
    }
}

TEST_F(SearchTest, AFirstCellWithoutFiniteQuantityIsSkipped) {
    Domain(nsComplex);
    // The modulus of the first cell is beyond the extended range.
    Left({{"1e4932+1e4932i", "6", "2"}});
    const auto low = SearchExtreme(sheet, ExtremeKind::Overall, false);
    ASSERT_TRUE(low);
    EXPECT_EQ(low->Cell, (CellPosition{1, 3}));
    const auto high = SearchExtreme(sheet, ExtremeKind::Overall, true);
    ASSERT_TRUE(high);
    EXPECT_EQ(high->Cell, (CellPosition{1, 2}));

    Left({{"1e4932+1e4932i"}});
    EXPECT_FALSE(SearchExtreme(sheet, ExtremeKind::Overall, true));
    EXPECT_EQ(LastMessage(), Texts().Text(mxmsg::NoFiniteCell));
}

TEST_F(SearchTest, TheArgumentFollowsTheEvaluatorsAngleUnit) {
    const ComplexValue i{0.0L, 1.0L};
    EXPECT_EQ(SearchedQuantity(i, true, 1, auDeg), 90.0L);
    EXPECT_EQ(SearchedQuantity(i, true, 1, auRad), atan2l(1.0L, 0.0L));
    EXPECT_NEAR(static_cast<double>(SearchedQuantity(i, true, 1, auGrad)), 100.0, 1e-15);
    EXPECT_EQ(SearchedQuantity({3.0L, 4.0L}, true, 0, auDeg), 5.0L);
    EXPECT_EQ(SearchedQuantity({3.0L, 4.0L}, true, 4, auDeg), 5.0L);
    EXPECT_EQ(SearchedQuantity({3.0L, 4.0L}, false, 1, auDeg), 3.0L);  // real domain: the value

    Domain(nsComplex);
    parser.SetAngleUnits(auRad);
    Left({{"1", "-1"}});
    sheet.SetSearchQuantity(1);
    ASSERT_TRUE(SearchExtreme(sheet, ExtremeKind::Overall, true));
    EXPECT_EQ(main.shown.back().Re, atan2l(0.0L, -1.0L));
}

TEST_F(SearchTest, EnabledStatesFollowDataAndGrids) {
    Left({{"", ""}, {"", ""}});
    EXPECT_FALSE(ActiveGridHasData(sheet));
    sheet.LeftGrid().SetCell(2, 2, " 0 ");
    EXPECT_TRUE(ActiveGridHasData(sheet));
    EXPECT_FALSE(BothGridsMarkable(sheet));  // no marks yet
    ASSERT_TRUE(SearchRange(sheet, "0..0"));
    Fill(sheet.RightGrid(), {{"1", "2"}, {"3", "4"}});
    EXPECT_TRUE(BothGridsMarkable(sheet));
    Fill(sheet.RightGrid(), {{"1", "2"}});
    EXPECT_FALSE(BothGridsMarkable(sheet));
}

}  // namespace
}  // namespace tarvix::test
