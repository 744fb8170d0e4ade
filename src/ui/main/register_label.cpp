// Register labels: click, drag and highlighting.
#include "ui/main/register_label.h"

#include <QApplication>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "ui/widgets/drag_payload.h"

namespace tarvix {

TRegisterLabel::TRegisterLabel(BoxId box, QWidget* parent) : QLabel(parent), box_(box) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    setAcceptDrops(true);
    setCursor(Qt::PointingHandCursor);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setMargin(2);
}

void TRegisterLabel::SetActive(bool active) {
    setForegroundRole(active ? QPalette::Highlight : QPalette::WindowText);
    QFont bold = font();
    bold.setBold(active);
    setFont(bold);
}

void TRegisterLabel::SetName(const QString& name) {
    setText(name);
    // Measured in bold: the label of the focused box is bold.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int least = metrics.horizontalAdvance(QStringLiteral("MMM"));
    const int most = metrics.horizontalAdvance(QStringLiteral("MMMMMMMM"));
    const int wanted = metrics.horizontalAdvance(name) + 2 * margin() + 2;
    setMinimumWidth(std::clamp(wanted, least, most));
    setMaximumWidth(most);
}

bool TRegisterLabel::Elided() const {
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width() - 2 * margin();
}

void TRegisterLabel::paintEvent(QPaintEvent* event) {
    if (!Elided()) {
        QLabel::paintEvent(event);
        return;
    }
    // QLabel would keep the right end of a right-aligned text and lose the
    // start of the name; the start matters more.
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), 0, -margin(), 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                          shown, foregroundRole());
}

void TRegisterLabel::SetDragging(bool dragging) {
    setAutoFillBackground(dragging);
    setBackgroundRole(dragging ? QPalette::Light : QPalette::Window);
}

void TRegisterLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    pressPos_ = event->position().toPoint();
    QLabel::mousePressEvent(event);
}

void TRegisterLabel::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - pressPos_).manhattanLength() >=
            QApplication::startDragDistance()) {
        pressed_ = false;
        SetDragging(true);
        RunDrag(this, {DragSource::RegisterLabel, box_, text()});
        SetDragging(false);
        return;
    }
    QLabel::mouseMoveEvent(event);
}

void TRegisterLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton;
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit Clicked(box_);
}

}  // namespace tarvix
