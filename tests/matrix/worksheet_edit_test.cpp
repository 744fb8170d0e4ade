// Editing the worksheet's grids: area text for the clipboard, the paste
// parser (LF, CR LF and CR), clearing and selecting, and the structural
// edits (symmetrise, transpose, right-hand sides, grid exchanges, insert and
// remove, areas, omit, renumber) with the marks they empty.
#include "matrix/worksheet_area.h"
#include "matrix/worksheet_fill_option.h"
#include "matrix/worksheet_structure.h"
#include "worksheet_data_fixture.h"

namespace tarvix::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class FakeClipboard : public ClipboardPort {
public:
    std::string text;
    void SetText(std::string_view t) override { text = t; }
    std::string Text() const override { return text; }
};

class WorksheetEditTest : public WorksheetDataTest {
protected:
    // A 4×4 operations grid with cells "ij".
    void Numbered(int n = 4) {
        Setup(WorksheetMode::Operations, n);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) sheet.LeftGrid().SetCell(i, j, std::to_string(i * 10 + j));
    }
};

TEST_F(WorksheetEditTest, CopyAreaJoinsCellsByTabsAndEndsRowsWithCrLf) {
    Numbered(3);
    FakeClipboard clipboard;
    EXPECT_FALSE(PasteEnabled(state, clipboard));
    sheet.SetBorderedArea(false, GridArea{2, 2, 3, 3});
    CopyArea(sheet, state, clipboard);
    EXPECT_EQ(clipboard.text, "22\t23\r\n32\t33\r\n");
    EXPECT_TRUE(PasteEnabled(state, clipboard));
    sheet.SetBorderedArea(false, std::nullopt);
    EXPECT_EQ(AreaText(sheet), "11\t12\t13\r\n21\t22\t23\r\n31\t32\t33\r\n");
}

TEST_F(WorksheetEditTest, PasteEndsLinesAtLfCrLfAndCr) {
    for (const char* text : {"1\t2\t3\n4\t5\t6", "1\t2\t3\r\n4\t5\t6\r\n", "1\t2\t3\r4\t5\t6\r"}) {
        Setup(WorksheetMode::Operations, 2, {{"a", "b"}, {"c", "d"}});
        sheet.SetCursor(false, 1, 1);
        ASSERT_TRUE(PasteAreaText(sheet, text));
        EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"1", "2"}, {"4", "5"}})) << text;
    }
}

TEST_F(WorksheetEditTest, PasteFillsTheRectangleOnly) {
    struct Case {
        const char* text;
        std::optional<GridArea> area;
        std::pair<int, int> cursor;
        Rows expected;
    };
    const Case cases[] = {
        // A short line leaves the rest of its row; extra lines are ignored.
        {"1\n4\t5\t6\n7\n8", std::nullopt, {1, 1}, {{"1", "b", "c"}, {"4", "5", "6"}, {"7", "h", "i"}}},
        // From the cursor cell to the last row and column.
        {"1\t2\t3\n4\t5", std::nullopt, {2, 2}, {{"a", "b", "c"}, {"d", "1", "2"}, {"g", "4", "5"}}},
        // The bordered area bounds the rectangle; the text running out stops the paste.
        {"1\t2\t3\r\n4", GridArea{1, 1, 2, 2}, {3, 3}, {{"1", "2", "c"}, {"4", "e", "f"}, {"g", "h", "i"}}},
        // An empty field empties its cell.
        {"\t9", std::nullopt, {1, 1}, {{"", "9", "c"}, {"d", "e", "f"}, {"g", "h", "i"}}},
    };
    for (const Case& c : cases) {
        Setup(WorksheetMode::Operations, 3, {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
        sheet.SetBorderedArea(false, c.area);
        sheet.SetCursor(false, c.cursor.first, c.cursor.second);
        PasteAreaText(sheet, c.text);
        EXPECT_EQ(Cells(sheet.LeftGrid()), c.expected) << c.text;
    }
}

TEST_F(WorksheetEditTest, ClearAndSelectAll) {
    Setup(WorksheetMode::Equations, 2, {{"1", "2", "3"}, {"4", "5", "6"}});
    EXPECT_EQ(SelectAll(sheet), (GridArea{1, 1, 2, 2}));  // without the right-hand side
    EXPECT_EQ(sheet.BorderedArea(false), (GridArea{1, 1, 2, 2}));
    ASSERT_TRUE(ClearArea(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"", "", "3"}, {"", "", "6"}}));
    sheet.SetBorderedArea(false, std::nullopt);
    ClearArea(sheet);
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"", "", ""}, {"", "", ""}}));
    EXPECT_TRUE(sheet.Modified());
}

TEST_F(WorksheetEditTest, RemovingATwoByTwoAreaLeavesTheCorners) {
    Numbered();
    Mark();
    sheet.SetBorderedArea(false, GridArea{2, 2, 3, 3});
    ASSERT_TRUE(RemoveArea(sheet));
    EXPECT_EQ(sheet.Order(), 2);
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"11", "14"}, {"41", "44"}}));
    EXPECT_EQ(sheet.RightGrid().Rows(), 2);
    EXPECT_FALSE(sheet.Marks().Exist());
    EXPECT_TRUE(sheet.Modified());
    // The whole grid as area: one row and column must stay.
    sheet.SetBorderedArea(false, GridArea{1, 1, 2, 2});
    EXPECT_FALSE(RemoveArea(sheet));
}

TEST_F(WorksheetEditTest, KeepOnlyTheAreaInEquationsKeepsTheRightHandSide) {
    Setup(WorksheetMode::Equations, 3, {{"a", "b", "c", "r1"}, {"d", "e", "f", "r2"}, {"g", "h", "i", "r3"}});
    sheet.SetBorderedArea(false, GridArea{2, 2, 3, 3});
    ASSERT_TRUE(KeepOnlyArea(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"e", "f", "r2"}, {"h", "i", "r3"}}));
    EXPECT_EQ(sheet.LeftGrid().ColumnHeader(3), BuiltInMatrixMessages().Text(mxmsg::HeaderVector));
}

TEST_F(WorksheetEditTest, TransposeKeepsTheRightHandSideInEquations) {
    Setup(WorksheetMode::Equations, 2, {{"a", "b", "r1"}, {"c", "d", "r2"}});
    Mark();
    ASSERT_TRUE(Transpose(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"a", "c", "r1"}, {"b", "d", "r2"}}));
    EXPECT_FALSE(sheet.Marks().Exist());

    // Operations: the whole grid, rows and columns exchanged.
    Setup(WorksheetMode::Operations, 2);
    sheet.LeftGrid().Resize(2, 3);
    const char* texts[2][3] = {{"1", "2", "3"}, {"4", "5", "6"}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) sheet.LeftGrid().SetCell(i + 1, j + 1, texts[i][j]);
    ASSERT_TRUE(Transpose(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"1", "4"}, {"2", "5"}, {"3", "6"}}));
}

TEST_F(WorksheetEditTest, SymmetriseCopiesTheUpperTriangleDown) {
    Setup(WorksheetMode::Equations, 3, {{"a", "b", "c", "r"}, {"x", "d", "e", "r"}, {"y", "z", "f", "r"}});
    ASSERT_TRUE(Symmetrise(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()),
              (Rows{{"a", "b", "c", "r"}, {"b", "d", "e", "r"}, {"c", "e", "f", "r"}}));
}

TEST_F(WorksheetEditTest, RightHandSidesIntoTheCursorColumn) {
    Setup(WorksheetMode::Equations, 2, {{"a", "b", "r1"}, {"c", "d", "r2"}});
    sheet.SetCursor(false, 1, 2);
    ASSERT_TRUE(CopyRhsToCursorColumn(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"a", "r1", "r1"}, {"c", "r2", "r2"}}));
    sheet.SetMode(WorksheetMode::Operations);
    EXPECT_FALSE(CopyRhsToCursorColumn(sheet));
}

TEST_F(WorksheetEditTest, GridExchanges) {
    Setup(WorksheetMode::Operations, 2, {{"1", "2"}, {"3", "4"}});
    sheet.RightGrid().Resize(1, 3);
    sheet.RightGrid().SetCell(1, 3, "r");
    Mark();
    ASSERT_TRUE(ExchangeGrids(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"", "", "r"}}));
    EXPECT_EQ(Cells(sheet.RightGrid()), (Rows{{"1", "2"}, {"3", "4"}}));
    EXPECT_TRUE(sheet.Marks().Exist());  // sizes differ: the marks stay
    ASSERT_TRUE(AssignLeftFromRight(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"1", "2"}, {"3", "4"}}));
    sheet.LeftGrid().SetCell(1, 1, "x");
    ASSERT_TRUE(AssignRightFromLeft(sheet));
    EXPECT_EQ(sheet.RightGrid().Cell(1, 1), "x");
    EXPECT_FALSE(sheet.Marks().Exist());
    sheet.SetMode(WorksheetMode::Equations);
    EXPECT_FALSE(ExchangeGrids(sheet));
}

TEST_F(WorksheetEditTest, InsertAndRemoveRowsColumnsAndNodes) {
    Numbered(3);
    sheet.SetCursor(false, 2, 2);
    ASSERT_TRUE(InsertRow(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()),
              (Rows{{"11", "12", "13"}, {"", "", ""}, {"21", "22", "23"}, {"31", "32", "33"}}));
    ASSERT_TRUE(RemoveRow(sheet));
    ASSERT_TRUE(InsertColumn(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"11", "", "12", "13"}, {"21", "", "22", "23"}, {"31", "", "32", "33"}}));
    ASSERT_TRUE(RemoveColumn(sheet));
    ASSERT_TRUE(InsertNode(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"11", "", "12", "13"},
                                             {"", "", "", ""},
                                             {"21", "", "22", "23"},
                                             {"31", "", "32", "33"}}));
    EXPECT_EQ(sheet.Cursor(false), (std::pair{2, 2}));
    ASSERT_TRUE(RemoveNode(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"11", "12", "13"}, {"21", "22", "23"}, {"31", "32", "33"}}));
    EXPECT_EQ(sheet.LeftGrid().ColumnHeader(3), "3");

    Setup(WorksheetMode::Operations, 1);
    EXPECT_FALSE(RemoveRow(sheet));
    EXPECT_FALSE(RemoveColumn(sheet));
    EXPECT_FALSE(RemoveNode(sheet));
}

TEST_F(WorksheetEditTest, RemoveColumnKeepsTheRightHandSide) {
    Setup(WorksheetMode::Equations, 2, {{"a", "b", "r1"}, {"c", "d", "r2"}});
    sheet.SetCursor(false, 1, 3);
    EXPECT_FALSE(RemoveColumn(sheet));
    sheet.SetCursor(false, 1, 1);
    ASSERT_TRUE(RemoveColumn(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"b", "r1"}, {"d", "r2"}}));
    EXPECT_EQ(sheet.LeftGrid().ColumnHeader(2), BuiltInMatrixMessages().Text(mxmsg::HeaderVector));
}

TEST_F(WorksheetEditTest, RemoveDiagonalOfASquareGrid) {
    Numbered(3);
    ASSERT_TRUE(RemoveDiagonal(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"12", "13"}, {"21", "23"}}));
    Setup(WorksheetMode::Equations, 3);
    EXPECT_FALSE(RemoveDiagonal(sheet));
}

TEST_F(WorksheetEditTest, OmitLowerRowsAndRightColumns) {
    Numbered(3);
    sheet.SetCursor(false, 2, 1);
    ASSERT_TRUE(OmitLowerRows(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"11", "12", "13"}, {"21", "22", "23"}}));
    EXPECT_EQ(sheet.Order(), 3);  // the order stays: the matrix is rectangular
    sheet.SetCursor(false, 1, 1);
    ASSERT_TRUE(OmitRightColumns(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"11"}, {"21"}}));

    Setup(WorksheetMode::Equations, 3, {{"a", "b", "c", "r1"}, {"d", "e", "f", "r2"}, {"g", "h", "i", "r3"}});
    sheet.SetCursor(false, 1, 1);
    ASSERT_TRUE(OmitRightColumns(sheet));
    EXPECT_EQ(Cells(sheet.LeftGrid()), (Rows{{"a", "r1"}, {"d", "r2"}, {"g", "r3"}}));
}

TEST_F(WorksheetEditTest, RenumberKeepsTheRightHandSideName) {
    Setup(WorksheetMode::Equations, 2);
    sheet.LeftGrid().SetColumnHeader(1, "a");
    ASSERT_TRUE(Renumber(sheet));
    EXPECT_EQ(sheet.LeftGrid().ColumnHeader(1), "1");
    EXPECT_EQ(sheet.LeftGrid().ColumnHeader(3), BuiltInMatrixMessages().Text(mxmsg::HeaderVector));
}

TEST_F(WorksheetEditTest, FillOptionOfTheCommandLine) {
    struct Case {
        const char* option;
        bool ok;
        const char* errorPart;
    };
    const Case cases[] = {
        {"random", true, ""},
        {"random:area=4,symmetric", true, ""},
        {"random:content=0", true, ""},
        {"band", true, ""},
        {"identity", true, ""},
        {"diagonal", true, ""},
        {"triangular", true, ""},
        {"complex", false, "complex domain"},
        {"function", false, "Nebyl zadán"},
        {"sparse", false, "unknown kind 'sparse'"},
        {"random:area=10", false, "area must be"},
        {"random:content=x", false, "content must be"},
        {"random:wide", false, "unknown argument 'wide'"},
    };
    for (const Case& c : cases) {
        Setup(WorksheetMode::Equations, 3);
        std::string error;
        EXPECT_EQ(ApplyFill(sheet, state, c.option, error), c.ok) << c.option;
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.option << ": " << error;
        if (c.ok) {
            EXPECT_FALSE(sheet.LeftGrid().Cell(1, 1).empty()) << c.option;
        }
    }
    Setup(WorksheetMode::Equations, 3);
    std::string error;
    ASSERT_TRUE(ApplyFill(sheet, state, "identity", error));
    EXPECT_EQ(sheet.LeftGrid().Cell(2, 4), "1");
    EXPECT_TRUE(sheet.LeftGrid().Cell(2, 1).empty());
    ASSERT_TRUE(ApplyFill(sheet, state, "random:area=4,symmetric", error));
    EXPECT_EQ(sheet.LeftGrid().Cell(2, 2), "1");  // not in the area: kept
    EXPECT_EQ(sheet.LeftGrid().Cell(3, 1), sheet.LeftGrid().Cell(1, 3));
    main.format.Scope = nsComplex;
    ASSERT_TRUE(ApplyFill(sheet, state, "complex", error)) << error;
    EXPECT_TRUE(sheet.LeftGrid().Cell(1, 1).ends_with("i"));
    main.input = "X*Y";
    main.format.Scope = nsReal;
    ASSERT_TRUE(ApplyFill(sheet, state, "function", error)) << error;
    EXPECT_EQ(sheet.LeftGrid().Cell(3, 2), "6");
    // The fill's settings do not stay behind in the program's state.
    EXPECT_FALSE(state.Settings.FunctionValues);
}

}  // namespace
}  // namespace tarvix::test
