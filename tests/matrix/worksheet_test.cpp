// The worksheet model's run cycle: cell rules, results delivered to the
// grids, the editor, the memory and the main window, failures and stops that
// leave the previous state, the LU re-solve and the views of a result.
#include <filesystem>
#include <fstream>

#include "calculator/message_box.h"
#include "matrix/worksheet.h"
#include "matrix_test_support.h"

namespace tarvix::test {
namespace {

const MatrixMessageTable& Texts() { return BuiltInMatrixMessages(); }

class FakeMain : public WorksheetMainPort {
public:
    TNumericalScope scope = nsReal;
    std::string display = "2";
    std::string input;
    std::vector<std::pair<ComplexValue, std::string>> shown;

    FormatOptions CurrentFormat() const override {
        FormatOptions f;
        f.Scope = scope;
        return f;
    }
    void ShowScalarResult(const ComplexValue& v, std::string_view line) override {
        shown.emplace_back(v, std::string(line));
    }
    std::string DisplayText() const override { return display; }
    std::string InputText() const override { return input; }
};

class FakeDialogs : public DialogsPort {
public:
    std::vector<MessageBoxRequest> messages;
    std::optional<std::string> answer = std::string();
    ModalResult ShowMessage(const MessageBoxRequest& r) override {
        messages.push_back(r);
        return ModalResult::Yes;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view, std::string_view) override {
        return answer;
    }
};

class FakeView : public WorksheetView {
public:
    std::vector<std::string> status[4];
    std::tuple<bool, int, int> focus{false, 0, 0};
    void SetStatus(int panel, std::string_view text) override { status[panel].emplace_back(text); }
    void FocusCell(bool right, int row, int column) override { focus = {right, row, column}; }
};

class WorksheetTest : public ::testing::Test {
protected:
    WorksheetTest() : sheet(parser, memory, main, dialogs) { sheet.SetView(&view); }

    void Fill(TextGrid& grid, std::initializer_list<std::initializer_list<const char*>> rows) {
        int i = 1;
        for (const auto& row : rows) {
            int j = 1;
            for (const char* cell : row) grid.SetCell(i, j++, cell);
            ++i;
        }
    }
    void Sample() {
        sheet.SetMode(WorksheetMode::Equations);
        sheet.SetOrder(3);
        Fill(sheet.LeftGrid(), {{"2", "-3", "4", "1"}, {"5", "2", "-6", "2"}, {"3", "-2", "3", "3"}});
    }
    std::string LastMessage() const {
        return dialogs.messages.empty() ? std::string() : dialogs.messages.back().Text;
    }

    TParser parser;
    MatrixMemory memory;
    FakeMain main;
    FakeDialogs dialogs;
    FakeView view;
    Worksheet sheet;
};

TEST_F(WorksheetTest, SolveShowsSolutionCheckAndTime) {
    Sample();
    ASSERT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Done);
    EXPECT_EQ(sheet.SolutionRows(),
              (std::vector<std::string>{"1.1304347826087", "2.21739130434783", "1.34782608695652"}));
    EXPECT_EQ(sheet.CheckRows(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(sheet.RightGrid().Cell(2, 1), "2.21739130434783");
    EXPECT_EQ(sheet.RightGrid().ColumnHeader(1), Texts().Text(mxmsg::HeaderSolution));
    ASSERT_FALSE(view.status[2].empty());
    EXPECT_TRUE(view.status[2].back().starts_with("Doba výpočtu  00:00,"));
    EXPECT_EQ(view.status[3].back(), "Soustava rovnic");

    sheet.SetResultCheck(true);
    EXPECT_EQ(sheet.RightGrid().Cell(3, 1), "3");
    EXPECT_EQ(sheet.RightGrid().ColumnHeader(1), Texts().Text(mxmsg::HeaderCheck));
}

TEST_F(WorksheetTest, LuResolveNeedsACompletedSolveOfTheSameOrder) {
    Sample();
    EXPECT_EQ(sheet.SelectOperation(op::LuResolve), RunOutcome::Failed);
    EXPECT_EQ(LastMessage(), Texts().Text(mxmsg::NoGaussFactors));

    ASSERT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Done);
    Fill(sheet.LeftGrid(), {{"2", "-3", "4", "3"}, {"5", "2", "-6", "2"}, {"3", "-2", "3", "1"}});
    ASSERT_EQ(sheet.SelectOperation(op::LuResolve), RunOutcome::Done);
    EXPECT_EQ(sheet.SolutionRows(),
              (std::vector<std::string>{"-0.260869565217391", "-3.43478260869565", "-1.69565217391304"}));
    EXPECT_EQ(sheet.InputRows()[0], "2\t-3\t4\t3");

    // Another operation replaces the work area: the factors are gone.
    ASSERT_EQ(sheet.SelectOperation(op::Determinant), RunOutcome::Done);
    EXPECT_EQ(sheet.SelectOperation(op::LuResolve), RunOutcome::Failed);
    EXPECT_EQ(LastMessage(), Texts().Text(mxmsg::NoGaussFactors));
}

TEST_F(WorksheetTest, ScalarResultsGoToTheMainWindow) {
    Sample();
    ASSERT_EQ(sheet.SelectOperation(op::Determinant), RunOutcome::Done);
    EXPECT_EQ(sheet.Mode(), WorksheetMode::Equations);  // the determinant keeps the mode
    ASSERT_EQ(main.shown.size(), 1u);
    EXPECT_NEAR(static_cast<double>(main.shown[0].first.Re), 23.0, 1e-15);
    EXPECT_EQ(main.shown[0].second, "Determinant_matice");

    ASSERT_EQ(sheet.SelectOperation(op::Rank), RunOutcome::Done);
    EXPECT_EQ(main.shown.back().first.Re, 3);
    EXPECT_EQ(main.shown.back().second, "Hodnost_matice");
    EXPECT_EQ(dialogs.messages.back().Kind, MessageKind::Information);
    EXPECT_EQ(LastMessage(), "Hodnost matice = 3");
}

TEST_F(WorksheetTest, FailureLeavesDisplayAndGridsAlone) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"1", "2"}, {"2", "4"}});
    Fill(sheet.RightGrid(), {{"keep", ""}, {"", ""}});
    EXPECT_EQ(sheet.SelectOperation(op::Inverse), RunOutcome::Failed);
    EXPECT_EQ(dialogs.messages.back().Kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages.back().HelpContext, 204);
    EXPECT_EQ(sheet.RightGrid().Cell(1, 1), "keep");
    EXPECT_TRUE(main.shown.empty());
    EXPECT_TRUE(sheet.Finished());
}

TEST_F(WorksheetTest, CellRulesDependOnTheDomain) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"2*3", "0"}, {"0", "1,5"}});
    EXPECT_EQ(sheet.SelectOperation(op::Evaluate), RunOutcome::Failed);
    EXPECT_EQ(LastMessage(), Texts().Format(mxmsg::CellNotNumber, {"1", "1", "2*3"}));
    EXPECT_EQ(view.focus, std::make_tuple(false, 1, 1));

    main.scope = nsComplex;
    parser.SetNumericalScope(nsComplex);
    ASSERT_EQ(sheet.SelectOperation(op::Evaluate), RunOutcome::Done);
    EXPECT_EQ(sheet.RightGrid().Cell(1, 1), "6");
    EXPECT_EQ(sheet.RightGrid().Cell(2, 2), "1.5");
}

TEST_F(WorksheetTest, RightGridCellErrorFocusesTheRightGrid) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"1", "2"}, {"3", "4"}});
    Fill(sheet.RightGrid(), {{"1", "x"}, {"3", "4"}});
    EXPECT_EQ(sheet.SelectOperation(op::Sum), RunOutcome::Failed);
    EXPECT_EQ(view.focus, std::make_tuple(true, 1, 2));
}

TEST_F(WorksheetTest, ScalarMultipleUsesTheDisplayInBothDomains) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"1", "2"}, {"3", "4"}});
    ASSERT_EQ(sheet.SelectOperation(op::Scalar), RunOutcome::Done);
    EXPECT_EQ(sheet.RightGrid().RowText(2), "6\t8");
    main.scope = nsComplex;
    parser.SetNumericalScope(nsComplex);
    main.display = "2i";
    ASSERT_EQ(sheet.SelectOperation(op::Scalar), RunOutcome::Done);
    EXPECT_EQ(sheet.RightGrid().RowText(2), "6i\t8i");
}

TEST_F(WorksheetTest, DestinationsEditorMemoryAndLeft) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"1", "2"}, {"3", "4"}});
    sheet.Options().Destination = ResultDestination::Editor;
    ASSERT_EQ(sheet.SelectOperation(op::Square), RunOutcome::Done);
    EXPECT_EQ(sheet.Editor(), (std::vector<std::string>{"\t1\t2", "1\t7\t10", "2\t15\t22"}));

    sheet.Options().Destination = ResultDestination::Memory;
    sheet.Options().MemorySlot = memory.Add(2, 2, "square");
    ASSERT_EQ(sheet.SelectOperation(op::Square), RunOutcome::Done);
    EXPECT_EQ(*memory.At(0), M({{7, 10}, {15, 22}}));

    sheet.Options().Destination = ResultDestination::LeftGrid;
    ASSERT_EQ(sheet.SelectOperation(op::Square), RunOutcome::Done);
    EXPECT_EQ(sheet.LeftGrid().RowText(1), "7\t10");
}

TEST_F(WorksheetTest, MemoryTypeAndLoad) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"1", "2"}, {"3", "4"}});
    sheet.RightGrid().Resize(2, 3);
    ASSERT_EQ(sheet.SelectOperation(op::ProductLeft), RunOutcome::Done);  // empty cells are 0
    EXPECT_EQ(sheet.ExpectedResultSize(), std::make_pair(2, 3));
    sheet.SetCellCursor(1, 1);
    ASSERT_EQ(sheet.SelectOperation(op::Complement), RunOutcome::Done);
    EXPECT_EQ(sheet.ExpectedResultSize(), std::make_pair(1, 1));

    memory.Add(2, 2, "m");
    memory.Store(0, M({{0.5L, 1}, {1.5L, 2}}));
    ASSERT_TRUE(sheet.LoadFromMemory(0, false));
    EXPECT_EQ(sheet.LeftGrid().RowText(2), "1.5\t2");
    EXPECT_FALSE(sheet.LoadFromMemory(3, false));
}

TEST_F(WorksheetTest, InverseCheckColumnAndResultMovedLeft) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"2", "1"}, {"1", "1"}});
    ASSERT_EQ(sheet.SelectOperation(op::Inverse), RunOutcome::Done);
    EXPECT_EQ(sheet.RightGrid().RowText(1), "1\t-1");
    EXPECT_EQ(sheet.RightGrid().RowText(2), "-1\t2");
    EXPECT_EQ(sheet.CheckRows(), (std::vector<std::string>{"1", "1"}));
    sheet.SetResultCheck(true);
    EXPECT_EQ(sheet.LeftGrid().Cols(), 3);
    EXPECT_EQ(sheet.LeftGrid().ColumnHeader(3), "Kontrola");
    EXPECT_EQ(sheet.LeftGrid().Cell(2, 3), "1");
    sheet.SetResultCheck(false);
    EXPECT_EQ(sheet.LeftGrid().Cols(), 2);
    ASSERT_TRUE(sheet.MoveResultLeft());
    EXPECT_EQ(sheet.LeftGrid().RowText(2), "-1\t2");
}

TEST_F(WorksheetTest, TriangleViewShowsFactorsAndRestoresInput) {
    Sample();
    ASSERT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Done);
    sheet.SetTriangleView(true);
    EXPECT_EQ(sheet.LeftGrid().Cell(1, 1), "5");  // the pivot row first
    EXPECT_EQ(sheet.TriangleRows().size(), 3u);
    sheet.SetTriangleView(false);
    EXPECT_EQ(sheet.LeftGrid().RowText(1), "2\t-3\t4\t1");
}

// Stops at the first poll: the run ends without a result.
class StopHooks : public SolveHooks {
public:
    bool StopRequested() override { return true; }
};

TEST_F(WorksheetTest, StopLeavesNoResult) {
    Sample();
    StopHooks hooks;
    sheet.SetHooks(&hooks);
    EXPECT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Stopped);
    EXPECT_EQ(view.status[2].back(), Texts().Text(mxmsg::Stopped));
    EXPECT_TRUE(sheet.SolutionRows().empty());
    EXPECT_EQ(sheet.RightGrid().Cell(1, 1), "");
    EXPECT_TRUE(sheet.Finished());
    // The fast mode makes no poll at all.
    sheet.Options().FastMode = true;
    EXPECT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Done);
}

TEST_F(WorksheetTest, TwoPortAskForNodesAndCancelAborts) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(3);
    Fill(sheet.LeftGrid(), {{"2", "1", "0"}, {"1", "0", "1"}, {"0", "1", "2"}});
    dialogs.answer = "1, 3";
    ASSERT_EQ(sheet.SelectOperation(op::TwoPort), RunOutcome::Done);
    EXPECT_EQ(sheet.RightGrid().RowText(1), "2\t2");
    dialogs.answer.reset();
    Fill(sheet.RightGrid(), {{"kept"}});
    EXPECT_EQ(sheet.SelectOperation(op::TwoPort), RunOutcome::Cancelled);
    EXPECT_EQ(sheet.RightGrid().Cell(1, 1), "kept");
}

TEST_F(WorksheetTest, NodeVoltagesShowVoltagesLeftAndCurrentsRight) {
    sheet.SetMode(WorksheetMode::Equations);
    sheet.SetOrder(3);
    Fill(sheet.LeftGrid(), {{"2", "1", "0", "0"}, {"1", "0", "1", "0"}, {"0", "1", "2", "5"}});
    ASSERT_EQ(sheet.SelectOperation(op::NodeVoltages), RunOutcome::Done);
    EXPECT_EQ(sheet.Mode(), WorksheetMode::Operations);
    EXPECT_EQ(sheet.LeftGrid().ColumnHeader(4), "Napětí");
    EXPECT_EQ(sheet.RightGrid().ColumnHeader(1), "Proudy");
    EXPECT_EQ(sheet.SolutionRows()[1], "5");
    EXPECT_EQ(sheet.RightGrid().Cell(3, 3), "3.33333333333333");

    sheet.SetMode(WorksheetMode::Equations);
    Fill(sheet.LeftGrid(), {{"2", "1", "0", "1"}, {"1", "0", "1", "0"}, {"0", "1", "2", "5"}});
    EXPECT_EQ(sheet.SelectOperation(op::NodeVoltages), RunOutcome::Failed);
    EXPECT_EQ(LastMessage(), Texts().Text(mxmsg::OneNodeCurrent));
    EXPECT_EQ(view.focus, std::make_tuple(false, 3, 4));
}

TEST_F(WorksheetTest, TransformUsesTheInputLineFunctionOfX) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"1", "2"}, {"3", "4"}});
    EXPECT_EQ(sheet.SelectOperation(op::Transform), RunOutcome::Failed);
    EXPECT_EQ(LastMessage(), Texts().Text(mxmsg::NoTransformFunction));
    main.input = "X*10+1";
    ASSERT_EQ(sheet.SelectOperation(op::Transform), RunOutcome::Done);
    EXPECT_EQ(sheet.RightGrid().RowText(2), "31\t41");
}

// The transformation changes only the elements of the chosen area and
// content (judged on the left grid); the others are copied.
TEST_F(WorksheetTest, TransformFollowsTheChosenAreaAndContent) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(3);
    Fill(sheet.LeftGrid(), {{"1", "2", "3"}, {"4", "", "6"}, {"7", "8", "9"}});
    main.input = "X+100";
    struct Case {
        int Area, Content;
        std::optional<GridArea> Bordered;
        const char* Rows;
    };
    const Case cases[] = {
        {0, 2, {}, "101\t102\t103|104\t100\t106|107\t108\t109"},
        {3, 2, {}, "101\t2\t3|4\t100\t6|7\t8\t109"},      // diagonal
        {4, 2, {}, "1\t102\t103|4\t0\t106|7\t8\t9"},      // above it
        {2, 2, {}, "1\t2\t103|4\t0\t106|7\t8\t109"},      // the cursor's column
        {0, 0, {}, "1\t2\t3|4\t100\t6|7\t8\t9"},          // empty cells only
        {0, 1, {}, "101\t102\t103|104\t0\t106|107\t108\t109"},
        {8, 2, GridArea{2, 2, 3, 3}, "1\t2\t3|4\t100\t106|7\t108\t109"},
        {9, 1, GridArea{2, 2, 3, 3}, "101\t102\t103|104\t0\t6|107\t8\t9"},
    };
    sheet.SetCursor(false, 1, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Rows);
        sheet.Options().TransformArea = c.Area;
        sheet.Options().TransformContent = c.Content;
        sheet.SetBorderedArea(false, c.Bordered);
        ASSERT_EQ(sheet.SelectOperation(op::Transform), RunOutcome::Done);
        const std::string rows = sheet.RightGrid().RowText(1) + "|" + sheet.RightGrid().RowText(2) +
                                 "|" + sheet.RightGrid().RowText(3);
        EXPECT_EQ(rows, c.Rows);
    }
}

// A cell that does not read leaves no "Příprava dat..." in the status bar.
TEST_F(WorksheetTest, AFailedRunClearsTheRunStatus) {
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"2", "1", "3"}, {"1", "x+", "0"}});
    EXPECT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Failed);
    ASSERT_FALSE(view.status[2].empty());
    EXPECT_EQ(view.status[2].back(), "");
    EXPECT_EQ(view.focus, std::make_tuple(false, 2, 2));
}

TEST_F(WorksheetTest, EditorEquationsAndGridExchange) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.Editor() = {"x+y=1", "x-y=1"};
    ASSERT_TRUE(sheet.ConvertEquations(true));
    EXPECT_EQ(sheet.Mode(), WorksheetMode::Equations);
    EXPECT_EQ(sheet.LeftGrid().RowText(2), "1\t-1\t1");
    ASSERT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Done);
    EXPECT_EQ(sheet.SolutionRows(), (std::vector<std::string>{"1", "0"}));

    sheet.Editor() = {"x+y+z=1", "x=2"};
    EXPECT_FALSE(sheet.ConvertEquations(true));
    EXPECT_EQ(LastMessage(), Texts().Text(mxmsg::EquationCount));
    EXPECT_EQ(sheet.LeftGrid().RowText(2), "1\t-1\t1");  // unchanged

    sheet.GridToEditor(false);
    EXPECT_EQ(sheet.Editor(), (std::vector<std::string>{"\t1\t2\tVektor", "1\t1\t1\t1", "2\t1\t-1\t1"}));
    sheet.Editor()[2] = "2\t 7 \t8\t9\textra";
    sheet.EditorToGrid(false);
    EXPECT_EQ(sheet.LeftGrid().RowText(2), "7\t8\t9");
}

TEST_F(WorksheetTest, CellFunctionReadsTheLeftGrid) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"1", "2*3"}, {"3", "4"}});
    SetCellGrid(&sheet.LeftCellGrid());
    parser.SetExpression("CELL(1,2)+CELL(2,1)");
    const ComplexValue v = parser.Evaluate();
    SetCellGrid(nullptr);
    EXPECT_EQ(v.Re, 9);
    EXPECT_EQ(sheet.LeftCellGrid().RowCount(), 3);
}

TEST_F(WorksheetTest, TitleAndRunEnabled) {
    sheet.SetProgramFolder("/opt/tarvix");
    EXPECT_EQ(sheet.FileName(), "/opt/tarvix/soubor.txt");
    sheet.SetMode(WorksheetMode::Equations);
    sheet.SetOrder(2);
    EXPECT_EQ(sheet.Title(), "Soustava lineárních rovnic - soubor.txt");
    EXPECT_FALSE(sheet.RunEnabled());  // empty worksheet
    Fill(sheet.LeftGrid(), {{"1", "", ""}, {"", "2", ""}});
    EXPECT_FALSE(sheet.RunEnabled());  // no right-hand side
    sheet.LeftGrid().SetCell(2, 3, "5");
    EXPECT_TRUE(sheet.RunEnabled());
    sheet.LeftGrid().SetCell(2, 2, " ");
    EXPECT_FALSE(sheet.RunEnabled());
    sheet.SetMode(WorksheetMode::Operations);
    EXPECT_EQ(sheet.Title(), "Opearace s maticemi - soubor.txt");
}

TEST_F(WorksheetTest, FilesOpenAndSave) {
    const auto dir = std::filesystem::temp_directory_path() / "tarvix_worksheet_test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "sys.txt").string();
    {
        std::ofstream f(path, std::ios::binary);
        f << "3\\\r\n2\t-3\t4\t1\r\n5\t2\t-6\t2\r\n3\t-2\t3\t3\r\n";
    }
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetModified(true);
    ASSERT_TRUE(sheet.OpenFile(path));
    EXPECT_FALSE(sheet.Modified());
    EXPECT_EQ(sheet.FileName(), path);
    EXPECT_EQ(sheet.Mode(), WorksheetMode::Equations);
    EXPECT_EQ(sheet.LeftGrid().Cols(), 4);
    const std::string copy = (dir / "copy.re8").string();
    ASSERT_TRUE(sheet.SaveFile(copy));
    EXPECT_EQ(std::filesystem::file_size(copy), 96u);
    ASSERT_TRUE(sheet.OpenFile(copy));
    EXPECT_EQ(sheet.LeftGrid().RowText(2), "5\t2\t-6\t2");

    EXPECT_FALSE(sheet.OpenFile((dir / "missing.txt").string()));
    EXPECT_EQ(LastMessage(), "Nebyl nalezen soubor: \n\"" + (dir / "missing.txt").string() + "\"");
    EXPECT_EQ(sheet.LeftGrid().RowText(2), "5\t2\t-6\t2");  // unchanged
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tarvix::test
