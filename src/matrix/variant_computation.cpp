// Variant computations over the worksheet's LU factors.
#include "matrix/variant_computation.h"

#include <chrono>
#include <filesystem>

#include "calculator/message_box.h"
#include "storage/atomic_file.h"
#include "storage/line_reader.h"

namespace tarvix {

VariantComputation::VariantComputation(Worksheet& sheet, DialogsPort& dialogs, WorksheetView* view)
    : sheet_(sheet), dialogs_(dialogs), view_(view ? view : &inertView_) {
    ResizeGrids(sheet_.LeftGrid().Rows());
}

void VariantComputation::ResizeGrids(int rows) {
    const MatrixMessageTable& texts = sheet_.Texts();
    variants_.Resize(rows, count_);
    solutions_.Resize(rows, count_);
    for (int p = 1; p <= count_; ++p) {
        variants_.SetColumnHeader(p, texts.Format(mxmsg::VariantHeader, {std::to_string(p)}));
        solutions_.SetColumnHeader(p, texts.Format(mxmsg::VariantResultHeader, {std::to_string(p)}));
    }
}

void VariantComputation::SetCount(int count) {
    if (count < 1 || count > kMaxVariants) return;
    count_ = count;
    ResizeGrids(sheet_.LeftGrid().Rows());
}

void VariantComputation::TakeRightHandSide() {
    if (sheet_.Mode() != WorksheetMode::Equations) return;
    const TextGrid& left = sheet_.LeftGrid();
    ResizeGrids(left.Rows());
    for (int i = 1; i <= left.Rows(); ++i) variants_.SetCell(i, 1, left.Cell(i, left.Cols()));
}

RunOutcome VariantComputation::Run() {
    const auto start = std::chrono::steady_clock::now();
    TextGrid& left = sheet_.LeftGrid();
    if (variants_.Rows() != left.Rows()) ResizeGrids(left.Rows());
    solutions_.ClearCells();
    RunOutcome outcome = RunOutcome::Done;
    for (int p = 1; p <= count_; ++p) {
        if (stopRequested_) {
            outcome = RunOutcome::Stopped;
            break;
        }
        for (int i = 1; i <= left.Rows(); ++i) left.SetCell(i, left.Cols(), variants_.Cell(i, p));
        outcome = sheet_.ResolveWithFactors();
        if (outcome != RunOutcome::Done) break;
        const std::vector<std::string>& x = sheet_.SolutionRows();
        for (int i = 1; i <= solutions_.Rows() && i <= static_cast<int>(x.size()); ++i)
            solutions_.SetCell(i, p, x[i - 1]);
        lastVariant_ = p;
        view_->SetStatus(0, sheet_.Texts().Format(mxmsg::VariantStatus, {std::to_string(p)}));
    }
    stopRequested_ = false;
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    lastRunTime_ = Worksheet::ElapsedText(ms);
    view_->SetStatus(2, sheet_.Texts().Format(mxmsg::ElapsedTime, {lastRunTime_}));
    view_->Refresh();
    return outcome;
}

bool VariantComputation::OpenFile(const std::string& path) {
    const MatrixMessageTable& texts = sheet_.Texts();
    auto show = [&](const std::string& text, MessageKind kind) {
        dialogs_.ShowMessage(PrepareMessageBox(text, kind, kOkButton, EMatrixError::kHelpContext,
                                               TextsOf(sheet_.Format())));
    };
    const FileReadResult read = ReadTextFile(path);
    if (!read.ok()) {
        show(read.status == FileReadStatus::Missing
                 ? texts.Format(mxmsg::FileNotFound, {path})
                 : texts.Format(mxmsg::ReadError, {std::filesystem::path(path).filename().string()}),
             MessageKind::Error);
        return false;
    }
    WorksheetFileData data;
    try {
        data = ParseWorksheetText(read.bytes, WorksheetMode::Operations, texts);
    } catch (const EMatrixError& error) {
        show(error.what(), MessageKind::Error);
        return false;
    }
    const int n = data.Rows;
    if (n < 1) {
        show(texts.Format(mxmsg::ReadError, {std::filesystem::path(path).filename().string()}),
             MessageKind::Error);
        return false;
    }
    sheet_.SetMode(WorksheetMode::Equations);
    sheet_.SetOrder(n);
    TextGrid& left = sheet_.LeftGrid();
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n && j < data.Cols; ++j) left.SetCell(i + 1, j + 1, data.Cells[i][j]);
    count_ = std::clamp(data.Cols - n, 1, kMaxVariants);
    ResizeGrids(n);
    variants_.ClearCells();
    for (int i = 0; i < n; ++i)
        for (int p = 0; p < count_ && n + p < data.Cols; ++p)
            variants_.SetCell(i + 1, p + 1, data.Cells[i][n + p]);
    if (data.HasMemo) sheet_.Editor() = data.Memo;
    show(texts.Text(mxmsg::VariantReminder), MessageKind::Warning);
    view_->Refresh();
    return true;
}

bool VariantComputation::SaveFile(const std::string& path) {
    const TextGrid& left = sheet_.LeftGrid();
    const int n = left.Rows();
    WorksheetFileData data;
    data.Mode = WorksheetMode::Operations;
    data.Rows = n;
    data.Cols = n + count_;
    data.Cells.assign(static_cast<std::size_t>(n), {});
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) data.Cells[i - 1].push_back(left.Cell(i, j));
        for (int p = 1; p <= count_; ++p)
            data.Cells[i - 1].push_back(variants_.Rows() >= i ? variants_.Cell(i, p) : std::string());
    }
    data.Memo = sheet_.Editor();
    data.HasMemo = !data.Memo.empty();
    if (!WriteFileAtomically(path, WorksheetText(data)).ok()) {
        dialogs_.ShowMessage(PrepareMessageBox(
            sheet_.Texts().Format(mxmsg::WriteError, {std::filesystem::path(path).filename().string()}),
            MessageKind::Error, kOkButton, EMatrixError::kHelpContext, TextsOf(sheet_.Format())));
        return false;
    }
    return true;
}

}  // namespace tarvix
