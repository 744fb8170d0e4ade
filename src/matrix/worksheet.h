// The matrix worksheet's model: the two grids and the equations editor as
// text, the working mode and order, the numeric work area, the run cycle
// that reads the cells, runs an operation code with timing, stop, trace and
// watch, and delivers the results (left grid, right grid, editor, memory, and
// scalars to the main window). The worksheet window only shows this state
// and forwards its commands.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "calculator/calculator_ports.h"
#include "engine/cell_link.h"
#include "engine/parser.h"
#include "matrix/found_marks.h"
#include "matrix/gauss_solver.h"
#include "matrix/grid_area.h"
#include "matrix/matrix_memory.h"
#include "matrix/matrix_messages.h"
#include "matrix/operation_codes.h"
#include "matrix/solve_hooks.h"
#include "matrix/text_grid.h"
#include "matrix/worksheet_file.h"
#include "matrix/worksheet_ports.h"

namespace tarvix {

enum class RunOutcome { Done, Failed, Stopped, Cancelled };

class Worksheet {
public:
    Worksheet(TParser& parser, MatrixMemory& memory, WorksheetMainPort& main, DialogsPort& dialogs,
              const MatrixMessageTable& texts = BuiltInMatrixMessages());
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    void SetView(WorksheetView* view);
    const MatrixMessageTable& Texts() const { return texts_; }
    // The main window's formatting modes and domain.
    FormatOptions Format() const { return main_.CurrentFormat(); }
    // The window's hooks: trace lines, watched cells, event processing on the
    // stop poll, progress. The options decide which of them are called.
    void SetHooks(SolveHooks* hooks);
    WorksheetOptions& Options() { return options_; }

    // --- Mode, order, grids, editor
    WorksheetMode Mode() const { return mode_; }
    void SetMode(WorksheetMode mode);
    int Order() const { return order_; }
    // 1..400; keeps the cell texts that still fit.
    void SetOrder(int n);
    TextGrid& LeftGrid() { return left_; }
    const TextGrid& LeftGrid() const { return left_; }
    TextGrid& RightGrid() { return right_; }
    const TextGrid& RightGrid() const { return right_; }
    std::vector<std::string>& Editor() { return editor_; }
    // The left grid's cell cursor (1-based), the element of the complement
    // and subdeterminant.
    void SetCellCursor(int row, int column);
    std::pair<int, int> CellCursor() const { return {cursorRow_, cursorColumn_}; }

    // --- Active grid, cursors and bordered areas. The window mirrors its
    // grids' focus, cell cursors and selections here before each command;
    // the data commands work on the active grid.
    bool ActiveIsRight() const { return activeRight_; }
    void SetActiveGrid(bool rightGrid) { activeRight_ = rightGrid; }
    TextGrid& ActiveGrid() { return activeRight_ ? right_ : left_; }
    const TextGrid& ActiveGrid() const { return activeRight_ ? right_ : left_; }
    TextGrid& Grid(bool rightGrid) { return rightGrid ? right_ : left_; }
    const TextGrid& Grid(bool rightGrid) const { return rightGrid ? right_ : left_; }
    // The cell cursor of a grid (1-based); the left one is CellCursor.
    std::pair<int, int> Cursor(bool rightGrid) const;
    void SetCursor(bool rightGrid, int row, int column);
    // The selection of a grid when it covers more than one cell.
    std::optional<GridArea> BorderedArea(bool rightGrid) const;
    void SetBorderedArea(bool rightGrid, std::optional<GridArea> area);
    // The bordered area clipped to the grid, or the whole data part.
    GridArea AreaOrAll(bool rightGrid) const;
    // The left grid of the equations mode ends with the right-hand side.
    bool HasRhsColumn(bool rightGrid) const {
        return !rightGrid && mode_ == WorksheetMode::Equations;
    }

    // --- Search marks (emptied by generation, structural edits and order changes)
    FoundMarks& Marks() { return marks_; }
    const FoundMarks& Marks() const { return marks_; }
    void ClearMarks() { marks_.Clear(); }
    // Whether a cell is drawn marked: highlight on and the cell flagged in
    // the searched grid (or in either grid when marks show in both).
    bool CellMarked(bool rightGrid, int row, int column) const;

    // What the searches and charts compare of a complex cell: 0 modulus,
    // 1 argument, 2 real part, 3 imaginary part, 4 points in the Gaussian
    // plane (charts only). The window mirrors it in the main window's items.
    int SearchQuantity() const { return searchQuantity_; }
    void SetSearchQuantity(int quantity) { searchQuantity_ = quantity; }

    // --- Cell values for the data commands
    // A value as a cell text in the main window's display format, trailing
    // blanks removed.
    std::string FormatCell(const ComplexValue& v) const { return CellText(v); }
    // A cell text evaluated as an expression (trimmed, empty as "0", "," as
    // ".", ";" as ","), leaving the evaluator's own expression untouched;
    // raises the evaluator's error.
    ComplexValue EvaluateCell(std::string_view text) const;
    TParser& Parser() { return parser_; }
    WorksheetMainPort& Main() { return main_; }
    DialogsPort& Dialogs() { return dialogs_; }
    MatrixMemory& Memory() { return memory_; }
    // The user changed cells: modified, numeric work arrays and the
    // intermediate text lists emptied (they no longer describe the grids).
    void ForgetResults();
    // Text lines that describe the generated input rows.
    std::vector<std::string>& MutableInputRows() { return inputRows_; }

    // --- Equations editor (worksheet_editor.cpp)
    // The editor's equations into the left grid (the menu command also
    // switches to the equations mode); false after a message, nothing changed.
    bool ConvertEquations(bool fromMenu);
    // A grid into the editor: the header row, then one line per row, cells
    // joined by tabs.
    void GridToEditor(bool rightGrid);
    // Editor lines 2 onward into the grid's rows; each line's first field
    // (the row number) is skipped; what does not fit is ignored.
    void EditorToGrid(bool rightGrid);

    // The left grid as CELL(row;column) reads it: the window registers it
    // with SetCellGrid while it exists and withdraws it when it closes.
    CellGrid& LeftCellGrid() { return cellLink_; }

    // --- Window state
    // The mode's title, " - " and the file name without its folder.
    std::string Title() const;
    // The current file; before any is chosen "soubor.txt" in the program folder.
    const std::string& FileName() const { return fileName_; }
    void SetProgramFolder(const std::string& folder);
    // The user changed cells since the last open or save.
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    // The run (and stop) command: every diagonal cell of the left grid holds
    // text and, in the equations mode, some right-hand side does.
    bool RunEnabled() const;

    // --- Files (messages through the dialogs port; false leaves all unchanged)
    bool OpenFile(const std::string& path);
    // A file's matrix into the right grid (its header's mode is ignored).
    bool OpenRightFile(const std::string& path);
    bool SaveFile(const std::string& path);

    // --- Running
    MatrixOperationCode CurrentOperation() const { return current_; }
    // Records the code, switches the mode it needs and runs it (code 2: the LU re-solve).
    RunOutcome SelectOperation(MatrixOperationCode code);
    // Repeats the current operation.
    RunOutcome Run();
    // Code 2: the right-hand-side column again with the factors of the last solve.
    RunOutcome ResolveWithFactors();
    void RequestStop() { stopRequested_ = true; }
    bool Finished() const { return finished_; }

    // --- Results
    const CMatrix& SourceMatrix() const { return source_; }
    const CMatrix& SourceCopy() const { return sourceCopy_; }
    const CMatrix& TargetMatrix() const { return target_; }
    const CVector& RhsVector() const { return rhs_; }
    const CVector& UnknownsVector() const { return unknowns_; }
    const CVector& CheckVector() const { return check_; }
    const std::vector<std::string>& InputRows() const { return inputRows_; }
    const std::vector<std::string>& SolutionRows() const { return solutionRows_; }
    const std::vector<std::string>& CheckRows() const { return checkRows_; }
    const std::vector<std::string>& TriangleRows() const { return triangleRows_; }
    // Whether the last run left a solution (code 1, 2, 25) or an inverse (code 3).
    bool HasSolution() const { return hasSolution_; }
    bool HasMatrixResult() const { return hasMatrixResult_; }
    bool HasScalarResult() const { return hasScalar_; }
    const ComplexValue& ScalarResult() const { return scalar_; }
    const std::string& LastRunTime() const { return lastRunTime_; }

    // --- Matrix memory
    // The size the current operation's result will have (the memory
    // dialog's type field): the left grid's data area, one column in the
    // equations mode; products and divisions take the right grid's rows or
    // columns as they need; the complement is one row and column smaller.
    std::pair<int, int> ExpectedResultSize() const;
    // A stored matrix into a grid in full precision; false for a bad entry.
    bool LoadFromMemory(int index, bool rightGrid);

    // --- Views of a result
    // The check column instead of the solution (equations mode) or as an
    // extra left-grid column "Kontrola" (inverse).
    void SetResultCheck(bool on);
    bool ResultCheckShown() const { return checkShown_; }
    // The triangulated rows (U with the L multipliers and the transformed
    // right-hand side) in the left grid; off restores the input rows.
    void SetTriangleView(bool on);
    bool TriangleViewShown() const { return triangleShown_; }
    // The matrix result into the left grid in full precision.
    bool MoveResultLeft();

    // "nn:ss,zzz" of a number of milliseconds.
    static std::string ElapsedText(long long milliseconds);

private:
    class RunHooks;
    class LeftCellLink : public CellGrid {
    public:
        explicit LeftCellLink(const TextGrid& grid) : grid_(grid) {}
        int RowCount() const override { return grid_.Rows() + 1; }
        int ColumnCount() const override { return grid_.Cols() + 1; }
        std::string CellText(int row, int col) const override {
            return grid_.Contains(row, col) ? grid_.Cell(row, col) : std::string();
        }

    private:
        const TextGrid& grid_;
    };
    struct GridCellError;

    bool Complex() const { return Format().Scope == nsComplex; }
    std::string CellText(const ComplexValue& v) const;
    void Status(int panel, std::string_view text);
    void ShowError(const std::string& text, MessageKind kind = MessageKind::Error);
    void ResizeGrids();
    void ApplyFile(const WorksheetFileData& data);
    bool LoadFileData(const std::string& path, WorksheetMode mode, WorksheetFileData& data);

    // worksheet_run.cpp
    RunOutcome RunGuarded(MatrixOperationCode code);
    void PrepareOperands(MatrixOperationCode code);
    CMatrix ReadGrid(const TextGrid& grid, int rows, int cols, bool rightGrid);
    ComplexValue ReadCell(const TextGrid& grid, int row, int column, bool evaluate, bool rightGrid);
    void Compute(MatrixOperationCode code, const MatrixContext& context);
    void ComputeTwoPort(const MatrixContext& context);
    void ComputeTransform(const MatrixContext& context);
    void ShowScalar(const ComplexValue& value, std::string_view inputLine);
    void ShowElapsed(std::chrono::steady_clock::time_point start);

    // worksheet_results.cpp
    void DeliverMatrix(const CMatrix& result);
    void WriteMatrix(TextGrid& grid, const CMatrix& m, int extraColumns);
    void ShowSolution();
    void ShowInverse();
    void ShowNodeVoltages();
    void ComputeCheck(bool inverse);

    TParser& parser_;
    MatrixMemory& memory_;
    WorksheetMainPort& main_;
    DialogsPort& dialogs_;
    const MatrixMessageTable& texts_;
    WorksheetView inertView_;
    WorksheetView* view_ = &inertView_;
    SolveHooks* hooks_ = nullptr;
    WorksheetOptions options_;

    WorksheetMode mode_ = WorksheetMode::Equations;
    int order_ = 2;
    TextGrid left_;
    TextGrid right_;
    LeftCellLink cellLink_{left_};
    std::vector<std::string> editor_;
    int cursorRow_ = 1;
    int cursorColumn_ = 1;
    int rightCursorRow_ = 1;
    int rightCursorColumn_ = 1;
    bool activeRight_ = false;
    std::optional<GridArea> leftArea_;
    std::optional<GridArea> rightArea_;
    FoundMarks marks_;
    int searchQuantity_ = 0;

    std::string fileName_;
    bool modified_ = false;
    MatrixOperationCode current_ = op::Solve;
    bool finished_ = true;
    bool stopRequested_ = false;

    CMatrix source_;
    CMatrix sourceCopy_;
    CMatrix target_;
    CVector rhs_;
    CVector unknowns_;
    CVector check_;
    GaussFactors factors_;
    std::vector<std::string> inputRows_;
    std::vector<std::string> solutionRows_;
    std::vector<std::string> checkRows_;
    std::vector<std::string> triangleRows_;
    bool hasSolution_ = false;
    bool hasMatrixResult_ = false;
    bool hasScalar_ = false;
    ComplexValue scalar_{};
    bool checkShown_ = false;
    bool triangleShown_ = false;
    std::string lastRunTime_;
};

}  // namespace tarvix
