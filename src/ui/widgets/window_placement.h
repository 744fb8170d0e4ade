// Placing a window from remembered values and reading them back: size and
// position (a window without a remembered position is centred), the window
// state, and the first pane of a two-pane splitter.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

#include "storage/worksheet_settings.h"

class QSplitter;

namespace tarvix {

void ApplyGeometry(QWidget& window, std::optional<std::int64_t> left,
                   std::optional<std::int64_t> top, int width, int height);
// Minimised or maximised (the state values of the settings).
void ApplyState(QWidget& window, int state);

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

// The first pane gets the given size, the second the rest (nothing before
// the splitter has been laid out).
void SetFirstPane(QSplitter& splitter, int size);
int FirstPane(const QSplitter& splitter);

}  // namespace tarvix
