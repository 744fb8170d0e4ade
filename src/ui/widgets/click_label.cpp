// A clickable label with a chosen state.
#include "ui/widgets/click_label.h"

#include <QMouseEvent>

namespace tarvix {

TClickLabel::TClickLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void TClickLabel::SetChosen(bool chosen) {
    chosen_ = chosen;
    QFont f = font();
    f.setUnderline(chosen);
    setFont(f);
    setForegroundRole(chosen ? QPalette::Link : QPalette::WindowText);
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace tarvix
