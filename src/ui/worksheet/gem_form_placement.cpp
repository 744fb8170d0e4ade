// The placements of the worksheet window and of its variant window: taken
// from the values the main window keeps when a window is created (size and
// position at once, the pane sizes and the window state when it is first
// shown) and handed back when the window closes.
#include <QApplication>
#include <QScreen>
#include <QShowEvent>
#include <QHeaderView>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <algorithm>
#include <optional>

#include "ui/worksheet/gem_form.h"
#include "ui/worksheet/gem_v_form.h"
#include "ui/widgets/window_placement.h"

namespace tarvix {

// --- The worksheet

void TGemForm::RestorePlacement() {
    const GemFormPlacement* p = services_.Placement;
    if (!p) return;
    ApplyGeometry(*this, p->Left, p->Top, p->Width, p->Height);
    // `RWidth`: the width of the right grid's columns, new ones included.
    if (p->RWidth > 0) rightView_->horizontalHeader()->setDefaultSectionSize(p->RWidth);
}

void TGemForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placementApplied_ || !services_.Placement) return;
    placementApplied_ = true;
    const GemFormPlacement& p = *services_.Placement;
    SetFirstPane(*mainSplitter_, p.Height1);
    SetFirstPane(*gridSplitter_, p.Width1);
    if (!p.Left || !p.Top) FitFirstPlacement();
    ApplyState(*this, p.WindowState);
}

void TGemForm::FitFirstPlacement() {
    auto gridWidth = [](const QTableView* view, int columns) {
        return view->verticalHeader()->sizeHint().width() +
               columns * view->horizontalHeader()->defaultSectionSize() + 2 * view->frameWidth();
    };
    const int left = gridWidth(leftView_, 6);  // five columns and the right-hand side
    const int right = gridWidth(rightView_, 1);
    const int rows = leftView_->horizontalHeader()->sizeHint().height() +
                     5 * leftView_->verticalHeader()->defaultSectionSize() +
                     2 * leftView_->frameWidth();
    const QList<int> across = gridSplitter_->sizes();
    const QList<int> down = mainSplitter_->sizes();
    if (across.size() != 2 || down.size() != 2) return;
    QSize size(width() + std::max(0, left - across[0]) + std::max(0, right - across[1]),
               height() + std::max(0, rows - down[0]));
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
    gridSplitter_->setSizes({std::max(left, across[0]), std::max(right, across[1])});
    mainSplitter_->setSizes({std::max(rows, down[0]), down[1]});
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TGemForm::StorePlacement() {
    if (variantForm_) variantForm_->StorePlacement();
    GemFormPlacement* p = services_.Placement;
    if (!p) return;
    if (StoreGeometry(*this, *p)) {
        p->Height1 = FirstPane(*mainSplitter_);
        p->Width1 = FirstPane(*gridSplitter_);
    }
    p->RWidth = rightView_->model()->columnCount() > 0
                    ? rightView_->columnWidth(0)
                    : rightView_->horizontalHeader()->defaultSectionSize();
}

// --- The variant window

void TGemVForm::RestorePlacement() {
    if (!placement_) return;
    ApplyGeometry(*this, placement_->Left, placement_->Top, placement_->Width, placement_->Height);
    // `LUpDown` and `RUpDown`: the column widths of the variants and of the
    // solutions (the width controls keep them within their range).
    leftWidthEdit_->setValue(placement_->LUpDown);
    rightWidthEdit_->setValue(placement_->RUpDown);
}

void TGemVForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placementApplied_ || !placement_) return;
    placementApplied_ = true;
    SetFirstPane(*split_, placement_->Width1);
    ApplyState(*this, placement_->WindowState);
}

void TGemVForm::StorePlacement() {
    if (!placement_) return;
    if (StoreGeometry(*this, *placement_)) placement_->Width1 = FirstPane(*split_);
    placement_->LUpDown = leftWidthEdit_->value();
    placement_->RUpDown = rightWidthEdit_->value();
}

}  // namespace tarvix
