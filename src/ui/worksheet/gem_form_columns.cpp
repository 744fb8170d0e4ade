// TGemForm's column widths: the width edit of the tool bar, the commands of
// "&Rastrování" (all columns as wide as a cell, a column or the diagonal), the
// alignment to the grids' borders, the fitting to the texts, the widening, and
// the least width of the left grid's last column after a generation.
#include <QHeaderView>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <algorithm>
#include <vector>

#include "ui/widgets/qt_text.h"
#include "ui/worksheet/gem_form.h"

namespace tarvix {
namespace {

int ScrollBarWidth(const QTableView* view) {
    const QScrollBar* bar = view->verticalScrollBar();
    return bar && bar->isVisible() ? bar->width() : 0;
}

int TextWidth(const QTableView* view, const std::string& text) {
    return view->fontMetrics().horizontalAdvance(ToQ(text));
}

}  // namespace

void TGemForm::ColumnWidthsByCell() {
    QTableView* view = ActiveView();
    const auto [row, column] = sheet_.Cursor(sheet_.ActiveIsRight());
    const TextGrid& grid = sheet_.ActiveGrid();
    if (grid.Contains(row, column)) SetAllColumnWidths(view, TextWidth(view, grid.Cell(row, column)) + 8);
}

void TGemForm::ColumnWidthsByColumn() {
    QTableView* view = ActiveView();
    const int column = sheet_.Cursor(sheet_.ActiveIsRight()).second;
    if (column >= 1 && column <= view->model()->columnCount())
        SetAllColumnWidths(view, view->columnWidth(column - 1));
}

void TGemForm::ColumnWidthsByDiagonal() {
    QTableView* view = ActiveView();
    const TextGrid& grid = sheet_.ActiveGrid();
    int widest = 10;
    for (int i = 1; i <= grid.Rows() && i <= grid.Cols(); ++i)
        widest = std::max(widest, TextWidth(view, grid.Cell(i, i)));
    SetAllColumnWidths(view, widest + 8);
}

void TGemForm::SetAllColumnWidths(QTableView* view, int width) {
    width = std::max(width, 10);
    for (int c = 0; c < view->model()->columnCount(); ++c) view->setColumnWidth(c, width);
}

// After a generation into the left grid its last column (the right-hand
// side in the equations mode) is at least 40 pixels wide.
void TGemForm::KeepLastColumnReadable() {
    if (GenerationTargetIsRight(sheet_)) return;
    QTableView* left = LStringGrid();
    const int last = left->model()->columnCount() - 1;
    if (last >= 0 && left->columnWidth(last) < 40) left->setColumnWidth(last, 40);
}

void TGemForm::ColumnWidthEdited(int width) {
    SetAllColumnWidths(LStringGrid(), width);
    QTableView* right = RStringGrid();
    if (sheet_.Mode() == WorksheetMode::Equations && colWidthEdit_->hasFocus()) {
        SetAllColumnWidths(right, width);
    } else if (const int columns = right->model()->columnCount(); columns > 0) {
        SetAllColumnWidths(right, (right->viewport()->width() - ScrollBarWidth(right)) / columns);
    }
    // The last column of the left grid fills what is left, never below the width.
    QTableView* left = LStringGrid();
    const int columns = left->model()->columnCount();
    if (columns < 1) return;
    const int rest = left->viewport()->width() - width * (columns - 1);
    left->setColumnWidth(columns - 1, std::max(width, rest));
}

// The left grid's data columns share its width; in the equations mode the
// right grid's columns share the right grid's width.
void TGemForm::AlignToBorders() {
    // Never narrower than a short number, so that a large order scrolls
    // instead of squeezing its columns.
    auto share = [](QTableView* view) {
        const int columns = view->model()->columnCount();
        if (columns < 1) return 0;
        const int free = view->width() - view->verticalHeader()->width() - 2 * columns - ScrollBarWidth(view);
        return std::max(free / columns, view->fontMetrics().horizontalAdvance(QStringLiteral("-0.0000")) + 6);
    };
    const int width = share(LStringGrid());
    SetAllColumnWidths(LStringGrid(), width);
    if (colWidthEdit_) {
        const QSignalBlocker quiet(colWidthEdit_);
        colWidthEdit_->setValue(width);
    }
    SetAllColumnWidths(RStringGrid(), share(RStringGrid()));
}

// Each column as wide as its widest text (at least 10) and 6 pixels; what is
// left of the grid's width is shared among the columns.
void TGemForm::FitColumnWidths() {
    QTableView* view = ActiveView();
    const TextGrid& grid = sheet_.ActiveGrid();
    std::vector<int> widths(static_cast<std::size_t>(grid.Cols()), 10);
    for (int j = 1; j <= grid.Cols(); ++j) {
        for (int i = 1; i <= grid.Rows(); ++i)
            widths[j - 1] = std::max(widths[j - 1], TextWidth(view, grid.Cell(i, j)));
        widths[j - 1] += 6;
    }
    int total = view->verticalHeader()->width() + ScrollBarWidth(view);
    for (int w : widths) total += w;
    const int free = view->width() - total;
    const int extra = free > 0 && !widths.empty() ? free / static_cast<int>(widths.size()) - 2 : 0;
    for (std::size_t c = 0; c < widths.size(); ++c)
        view->setColumnWidth(static_cast<int>(c), widths[c] + std::max(0, extra));
}

void TGemForm::WidenGrid(int how) {
    QList<int> sizes = gridSplitter_->sizes();
    if (sizes.size() != 2) return;
    const int total = sizes[0] + sizes[1];
    if (how != 2 && rememberedLeftWidth_ == 0) rememberedLeftWidth_ = sizes[0];
    int left = 0;
    switch (how) {
        case 0: left = total - 23 - ScrollBarWidth(RStringGrid()); break;
        case 1: left = ScrollBarWidth(LStringGrid()) + 22; break;
        default:
            left = sheet_.Mode() == WorksheetMode::Operations || rememberedLeftWidth_ == 0
                       ? total / 2
                       : rememberedLeftWidth_;
            rememberedLeftWidth_ = 0;
            break;
    }
    left = std::clamp(left, 0, total);
    gridSplitter_->setSizes({left, total - left});
    if (how == 2) AlignToBorders();
}

}  // namespace tarvix
