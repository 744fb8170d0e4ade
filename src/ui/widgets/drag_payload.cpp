// The main window's drag data and the drag cursors, drawn in code.
#include "ui/widgets/drag_payload.h"

#include <QDataStream>
#include <QDrag>
#include <QIODevice>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace tarvix {
namespace {

const QString kMimeType = QStringLiteral("application/x-tarvix-drag");
constexpr int kCursorSize = 32;

// An arrow pointer with a badge drawn by `badge` in its lower right quarter.
template <typename Badge>
QPixmap CursorPixmap(Badge badge) {
    QPixmap pixmap(kCursorSize, kCursorSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 17);
    arrow.lineTo(5, 13);
    arrow.lineTo(8, 19);
    arrow.lineTo(10, 18);
    arrow.lineTo(7, 12);
    arrow.lineTo(12, 12);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    const QRectF box(15, 15, 15, 15);
    p.setBrush(Qt::white);
    p.drawRect(box);
    badge(p, box);
    return pixmap;
}

QPixmap ExchangeCursor() {
    return CursorPixmap([](QPainter& p, const QRectF& box) {
        p.setPen(QPen(Qt::black, 1.5));
        const qreal l = box.left() + 3, r = box.right() - 3;
        const qreal y1 = box.top() + 5, y2 = box.bottom() - 5;
        p.drawLine(QPointF(l, y1), QPointF(r, y1));
        p.drawLine(QPointF(r - 3, y1 - 3), QPointF(r, y1));
        p.drawLine(QPointF(l, y2), QPointF(r, y2));
        p.drawLine(QPointF(l + 3, y2 + 3), QPointF(l, y2));
    });
}

QPixmap CopyCursor() {
    return CursorPixmap([](QPainter& p, const QRectF& box) {
        p.setPen(QPen(Qt::black, 2));
        const QPointF c = box.center();
        p.drawLine(QPointF(c.x() - 4, c.y()), QPointF(c.x() + 4, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - 4), QPointF(c.x(), c.y() + 4));
    });
}

QPixmap HandPressCursor() {
    QPixmap pixmap(kCursorSize, kCursorSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6, 10, 16, 14), 4, 4);  // the fist
    p.drawRoundedRect(QRectF(9, 2, 5, 12), 2, 2);    // the pointing finger
    return pixmap;
}

}  // namespace

QMimeData* MakeDragMime(const DragPayload& payload) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<quint8>(payload.Source) << static_cast<quint8>(payload.Box) << payload.Text;
    auto* mime = new QMimeData;
    mime->setData(kMimeType, bytes);
    return mime;
}

std::optional<DragPayload> ReadDragMime(const QMimeData* mime) {
    if (!mime || !mime->hasFormat(kMimeType)) return std::nullopt;
    QDataStream in(mime->data(kMimeType));
    quint8 source = 0;
    quint8 box = 0;
    DragPayload payload;
    in >> source >> box >> payload.Text;
    if (in.status() != QDataStream::Ok || source > static_cast<quint8>(DragSource::StatGrid) ||
        box > static_cast<quint8>(BoxId::Input))
        return std::nullopt;
    payload.Source = static_cast<DragSource>(source);
    payload.Box = static_cast<BoxId>(box);
    return payload;
}

Qt::DropAction RunDrag(QWidget* source, const DragPayload& payload) {
    auto* drag = new QDrag(source);
    drag->setMimeData(MakeDragMime(payload));
    drag->setDragCursor(ExchangeCursor(), kExchangeAction);
    drag->setDragCursor(CopyCursor(), kCopyAction);
    drag->setDragCursor(HandPressCursor(), kSameLabelAction);
    return drag->exec(kExchangeAction | kCopyAction | kSameLabelAction, kCopyAction);
}

}  // namespace tarvix
