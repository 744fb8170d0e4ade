// The result display: fitting the font, and the drag of the shown text.
#include "ui/main/display_label.h"

#include <QApplication>
#include <QMouseEvent>

#include "ui/widgets/display_font.h"
#include "ui/widgets/drag_payload.h"

namespace tarvix {
namespace {

// The smallest font, as a share of the base size.
constexpr qreal kSmallestShare = 0.4;

}  // namespace

TDisplayLabel::TDisplayLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    setFont(DisplayFont(basePointSize_));
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void TDisplayLabel::SetBasePointSize(qreal pointSize) {
    basePointSize_ = pointSize;
    FitFont();
    updateGeometry();
}

void TDisplayLabel::SetDisplayText(const QString& text) {
    text_ = text;
    setText(text);
    FitFont();
}

QSize TDisplayLabel::minimumSizeHint() const {
    const QFontMetrics metrics(DisplayFont(basePointSize_));
    const QMargins m = contentsMargins();
    return {metrics.horizontalAdvance(QLatin1Char('0')) * 12 + m.left() + m.right(),
            metrics.height() + m.top() + m.bottom() + 2 * margin()};
}

void TDisplayLabel::FitFont() {
    const int room = contentsRect().width() - 2 * margin();
    qreal size = basePointSize_;
    QFont font = DisplayFont(size);
    while (room > 0 && size > basePointSize_ * kSmallestShare &&
           QFontMetrics(font).horizontalAdvance(text_) > room) {
        size -= 0.5;
        font.setPointSizeF(size);
    }
    if (font != this->font()) setFont(font);
}

void TDisplayLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    FitFont();
}

void TDisplayLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    pressPos_ = event->position().toPoint();
    QLabel::mousePressEvent(event);
}

void TDisplayLabel::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - pressPos_).manhattanLength() >=
            QApplication::startDragDistance()) {
        pressed_ = false;
        RunDrag(this, {DragSource::Display, BoxId::Input, text_});
        return;
    }
    QLabel::mouseMoveEvent(event);
}

}  // namespace tarvix
