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

#include "ui/gem_form.h"
#include "ui/gem_v_form.h"

namespace tarvix {
namespace {

// Size and position; a window without a remembered position is centred.
void ApplyGeometry(QWidget& window, std::optional<std::int64_t> left,
                   std::optional<std::int64_t> top, int width, int height) {
    window.resize(std::max(width, 100), std::max(height, 80));
    if (left && top) {
        window.move(static_cast<int>(*left), static_cast<int>(*top));
    } else if (const QScreen* screen = QApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() -
                    QPoint(window.width() / 2, window.height() / 2));
    }
}

void ApplyState(QWidget& window, int state) {
    if (state == kWindowMinimized) window.showMinimized();
    if (state == kWindowMaximized) window.showMaximized();
}

// The window's state; size and position only when it is neither minimised
// nor maximised, so that a restored window comes back where it was.
template <typename Placement>
bool StoreGeometry(const QWidget& window, Placement& p) {
    if (window.isMinimized()) {
        p.WindowState = kWindowMinimized;
        return false;
    }
    if (window.isMaximized()) {
        p.WindowState = kWindowMaximized;
        return false;
    }
    p.WindowState = kWindowNormal;
    p.Left = window.x();
    p.Top = window.y();
    p.Width = window.width();
    p.Height = window.height();
    return true;
}

// The first pane gets the given size, the second the rest.
void SetFirstPane(QSplitter& splitter, int size) {
    const QList<int> sizes = splitter.sizes();
    if (sizes.size() != 2 || size <= 0) return;
    const int total = sizes[0] + sizes[1];
    if (total <= 0) return;
    const int first = std::min(size, total);
    splitter.setSizes({first, total - first});
}

int FirstPane(const QSplitter& splitter) {
    const QList<int> sizes = splitter.sizes();
    return sizes.isEmpty() ? 0 : sizes[0];
}

}  // namespace

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
