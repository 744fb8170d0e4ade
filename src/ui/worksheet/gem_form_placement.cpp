// The placements of the worksheet window and of its variant window: taken
// from the values the main window keeps when a window is created (size and
// position at once, the pane sizes and the window state when it is first
// shown) and handed back when the window closes.
#include <QApplication>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <algorithm>
#include <optional>

#include "ui/worksheet/gem_form.h"
#include "ui/worksheet/gem_v_form.h"
#include "ui/widgets/window_placement.h"

namespace tarvix {

// --- The worksheet

void TGemForm::RestorePlacement() {
    const GemFormPlacement* p = services_.Placement;
    if (p) ApplyGeometry(*this, p->Left, p->Top, p->Width, p->Height);
}

void TGemForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placementApplied_ || !services_.Placement) return;
    placementApplied_ = true;
    const GemFormPlacement& p = *services_.Placement;
    SetFirstPane(*mainSplitter_, p.Height1);
    SetFirstPane(*gridSplitter_, p.Width1);
    ApplyState(*this, p.WindowState);
}

void TGemForm::StorePlacement() {
    if (variantForm_) variantForm_->StorePlacement();
    GemFormPlacement* p = services_.Placement;
    if (!p) return;
    if (StoreGeometry(*this, *p)) {
        p->Height1 = FirstPane(*mainSplitter_);
        p->Width1 = FirstPane(*gridSplitter_);
    }
}

// --- The variant window

void TGemVForm::RestorePlacement() {
    if (placement_)
        ApplyGeometry(*this, placement_->Left, placement_->Top, placement_->Width,
                      placement_->Height);
}

void TGemVForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placementApplied_ || !placement_) return;
    placementApplied_ = true;
    SetFirstPane(*split_, placement_->Width1);
    ApplyState(*this, placement_->WindowState);
}

void TGemVForm::StorePlacement() {
    if (placement_ && StoreGeometry(*this, *placement_)) placement_->Width1 = FirstPane(*split_);
}

}  // namespace tarvix
