// Window placement helpers shared by the windows that remember theirs.
#include "ui/widgets/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QSplitter>
#include <algorithm>

namespace tarvix {

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

}  // namespace tarvix
