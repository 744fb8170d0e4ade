// The worksheet model: mode, order, grids, files and the shared helpers of
// the run cycle.
#include "matrix/worksheet.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "calculator/message_box.h"
#include "calculator/text_trim.h"
#include "calculator/value_format.h"
#include "calculator/value_text.h"
#include "matrix/cell_values.h"
#include "storage/atomic_file.h"
#include "storage/line_reader.h"

namespace tarvix {

Worksheet::Worksheet(TParser& parser, MatrixMemory& memory, WorksheetMainPort& main,
                     DialogsPort& dialogs, const MatrixMessageTable& texts)
    : parser_(parser), memory_(memory), main_(main), dialogs_(dialogs), texts_(texts) {
    SetProgramFolder("");
    ResizeGrids();
}

void Worksheet::SetProgramFolder(const std::string& folder) {
    fileName_ = (std::filesystem::path(folder) / (texts_.Text(mxmsg::DefaultFileName) + ".txt")).string();
}

std::string Worksheet::Title() const {
    return texts_.Text(mode_ == WorksheetMode::Equations ? mxmsg::TitleEquations
                                                         : mxmsg::TitleOperations) +
           " - " + std::filesystem::path(fileName_).filename().string();
}

bool Worksheet::RunEnabled() const {
    if (left_.Rows() == 0) return false;
    for (int i = 1; i <= left_.Rows() && i <= left_.Cols(); ++i)
        if (TrimBlanks(left_.Cell(i, i)).empty()) return false;
    if (mode_ != WorksheetMode::Equations) return true;
    for (int i = 1; i <= left_.Rows(); ++i)
        if (!TrimBlanks(left_.Cell(i, left_.Cols())).empty()) return true;
    return false;
}

void Worksheet::SetView(WorksheetView* view) { view_ = view ? view : &inertView_; }
void Worksheet::SetHooks(SolveHooks* hooks) { hooks_ = hooks; }

void Worksheet::SetMode(WorksheetMode mode) {
    if (mode == mode_) return;
    mode_ = mode;
    if (mode == WorksheetMode::Operations && left_.Cols() == left_.Rows() + 1)
        left_.Resize(left_.Rows(), left_.Rows());  // the right-hand side is no operand
    ResizeGrids();
}

void Worksheet::SetOrder(int n) {
    if (!finished_ || n < 1 || n > kMaxMatrixOrder) return;
    order_ = n;
    marks_.Clear();
    left_.Resize(n, n);  // square again; ResizeGrids adds the right-hand side
    ResizeGrids();
}

// The left grid keeps its rows (and its columns in the operations mode); the
// equations mode has one right-hand-side column more and a one-column right grid.
void Worksheet::ResizeGrids() {
    const int rows = left_.Rows() > 0 ? left_.Rows() : order_;
    if (mode_ == WorksheetMode::Equations) {
        left_.Resize(rows, rows + 1);
        left_.SetColumnHeader(rows + 1, texts_.Text(mxmsg::HeaderVector));
        right_.Resize(rows, 1);
        right_.SetColumnHeader(1, texts_.Text(mxmsg::HeaderSolution));
    } else {
        const int cols = left_.Cols() > 0 ? left_.Cols() : order_;
        left_.Resize(rows, cols);
        right_.Resize(rows, cols);
    }
    order_ = std::max(rows, mode_ == WorksheetMode::Equations ? rows : left_.Cols());
    checkShown_ = triangleShown_ = false;
    view_->Refresh();
}

void Worksheet::SetCellCursor(int row, int column) {
    cursorRow_ = row;
    cursorColumn_ = column;
}

std::pair<int, int> Worksheet::Cursor(bool rightGrid) const {
    return rightGrid ? std::pair{rightCursorRow_, rightCursorColumn_}
                     : std::pair{cursorRow_, cursorColumn_};
}

void Worksheet::SetCursor(bool rightGrid, int row, int column) {
    if (rightGrid) {
        rightCursorRow_ = row;
        rightCursorColumn_ = column;
    } else {
        SetCellCursor(row, column);
    }
}

std::optional<GridArea> Worksheet::BorderedArea(bool rightGrid) const {
    const std::optional<GridArea>& area = rightGrid ? rightArea_ : leftArea_;
    if (!area) return std::nullopt;
    const TextGrid& grid = Grid(rightGrid);
    GridArea clipped{std::max(area->Top, 1), std::max(area->Left, 1),
                     std::min(area->Bottom, grid.Rows()), std::min(area->Right, grid.Cols())};
    if (!clipped.IsBordered()) return std::nullopt;
    return clipped;
}

void Worksheet::SetBorderedArea(bool rightGrid, std::optional<GridArea> area) {
    if (area && !area->IsBordered()) area.reset();
    (rightGrid ? rightArea_ : leftArea_) = area;
}

GridArea Worksheet::AreaOrAll(bool rightGrid) const {
    if (const std::optional<GridArea> area = BorderedArea(rightGrid)) return *area;
    const TextGrid& grid = Grid(rightGrid);
    return GridArea{1, 1, grid.Rows(), grid.Cols()};
}

bool Worksheet::CellMarked(bool rightGrid, int row, int column) const {
    if (!marks_.Highlight || !marks_.Exist()) return false;
    if (rightGrid != marks_.RightGrid && !marks_.BothGrids) return false;
    return marks_.Flag(row, column);
}

ComplexValue Worksheet::EvaluateCell(std::string_view text) const {
    return ReadCellValue(text, true, parser_, 0, 0, texts_);
}

void Worksheet::ForgetResults() {
    modified_ = true;
    source_ = sourceCopy_ = target_ = CMatrix();
    rhs_ = unknowns_ = check_ = CVector();
    factors_.Reset();
    inputRows_.clear();
    solutionRows_.clear();
    checkRows_.clear();
    triangleRows_.clear();
    hasSolution_ = hasMatrixResult_ = hasScalar_ = false;
    checkShown_ = triangleShown_ = false;
}

std::string Worksheet::CellText(const ComplexValue& v) const {
    return std::string(TrimBlanks(FormatValueText(v, Format())));
}

void Worksheet::Status(int panel, std::string_view text) { view_->SetStatus(panel, text); }

void Worksheet::ShowError(const std::string& text, MessageKind kind) {
    const FormatOptions format = Format();
    const MessageButtons buttons = kind == MessageKind::Error ? kCancelHelpButtons : kOkButton;
    dialogs_.ShowMessage(
        PrepareMessageBox(text, kind, buttons, EMatrixError::kHelpContext, TextsOf(format)));
}

std::string Worksheet::ElapsedText(long long ms) {
    const long long minutes = ms / 60000, seconds = ms / 1000 % 60, millis = ms % 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld,%03lld", minutes, seconds, millis);
    return text;
}

bool Worksheet::LoadFileData(const std::string& path, WorksheetMode mode, WorksheetFileData& data) {
    const std::string name = std::filesystem::path(path).filename().string();
    // Text worksheets are read under the common cap on a line's length.
    const FileReadResult read =
        FileFormatOf(path) == WorksheetFileFormat::Text ? ReadTextFile(path) : ReadWholeFile(path);
    if (read.status == FileReadStatus::Missing) {
        ShowError(texts_.Format(mxmsg::FileNotFound, {path}));
        return false;
    }
    if (!read.ok()) {
        ShowError(texts_.Format(mxmsg::ReadError, {name}));
        return false;
    }
    try {
        const WorksheetFileFormat format = FileFormatOf(path);
        data = format == WorksheetFileFormat::Text
                   ? ParseWorksheetText(read.bytes, mode, texts_)
                   : ParseWorksheetBinary(read.bytes, format, mode, Format(), texts_);
    } catch (const EMatrixError& error) {
        ShowError(error.what());
        return false;
    }
    return true;
}

void Worksheet::ApplyFile(const WorksheetFileData& data) {
    mode_ = data.Mode;
    left_.Resize(0, 0);
    left_.Resize(data.Rows, data.Cols);
    for (int i = 0; i < data.Rows; ++i)
        for (int j = 0; j < data.Cols; ++j) left_.SetCell(i + 1, j + 1, data.Cells[i][j]);
    order_ = std::max(data.Rows, data.Mode == WorksheetMode::Equations ? data.Rows : data.Cols);
    right_.Resize(0, 0);
    ResizeGrids();
    if (data.HasMemo) editor_ = data.Memo;
    factors_.Reset();
    hasSolution_ = hasMatrixResult_ = hasScalar_ = false;
}

bool Worksheet::OpenFile(const std::string& path) {
    if (!finished_) return false;
    WorksheetFileData data;
    if (!LoadFileData(path, mode_, data)) return false;
    ApplyFile(data);
    fileName_ = path;
    modified_ = false;
    return true;
}

bool Worksheet::OpenRightFile(const std::string& path) {
    if (!finished_) return false;
    WorksheetFileData data;
    if (!LoadFileData(path, WorksheetMode::Operations, data)) return false;
    int cols = data.Cols;
    if (data.Mode == WorksheetMode::Equations) --cols;  // the right-hand side is no operand
    right_.Resize(0, 0);
    right_.Resize(data.Rows, cols);
    for (int i = 0; i < data.Rows; ++i)
        for (int j = 0; j < cols; ++j) right_.SetCell(i + 1, j + 1, data.Cells[i][j]);
    view_->Refresh();
    return true;
}

bool Worksheet::SaveFile(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const WorksheetFileFormat format = FileFormatOf(path);
    std::string bytes;
    if (format == WorksheetFileFormat::Text) {
        WorksheetFileData data;
        data.Mode = mode_;
        data.Rows = left_.Rows();
        data.Cols = left_.Cols();
        data.Cells.resize(static_cast<std::size_t>(data.Rows));
        for (int i = 0; i < data.Rows; ++i)
            for (int j = 0; j < data.Cols; ++j) data.Cells[i].push_back(left_.Cell(i + 1, j + 1));
        data.Memo = editor_;
        data.HasMemo = !editor_.empty();
        bytes = WorksheetText(data);
    } else {
        try {
            for (int i = 1; i <= left_.Rows(); ++i)
                for (int j = 1; j <= left_.Cols(); ++j) {
                    const std::string& text = left_.Cell(i, j);
                    const ComplexValue v = ParseValueText(text.empty() ? "0" : text, parser_);
                    AppendBinaryValue(bytes, v, format, texts_);
                }
        } catch (const TarvixError& error) {
            ShowError(error.what());
            return false;
        }
    }
    if (!WriteFileAtomically(path, bytes).ok()) {
        ShowError(texts_.Format(mxmsg::WriteError, {name}));
        return false;
    }
    fileName_ = path;
    modified_ = false;
    return true;
}

}  // namespace tarvix
