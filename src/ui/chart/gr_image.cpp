// TGrImage: the main window's small chart.
#include "ui/chart/gr_image.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {
const QColor kAxisGrey(222, 222, 222);
const QColor kCurveGrey(140, 140, 140);
constexpr int kEmptyTextTop = 36;
}  // namespace

TGrImage::TGrImage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GrImage"));
    setMinimumSize(120, 70);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    emptyText_ = QStringLiteral("Vygenerujte datovou řadu");
    setCursor(Qt::PointingHandCursor);
}

void TGrImage::ShowSeries(const CurrentSeries& series, bool complexDomain) {
    if (series.IsEmpty()) {
        Clear();
        return;
    }
    series_ = series;
    complex_ = complexDomain;
    Rebuild();
}

void TGrImage::Clear() {
    series_.reset();
    preview_.reset();
    setToolTip(QString());
    update();
}

void TGrImage::SetEmptyText(const QString& text) {
    emptyText_ = text;
    update();
}

void TGrImage::Rebuild() {
    preview_.reset();
    if (series_) preview_ = BuildPreview(*series_, complex_, width(), height());
    setToolTip(preview_ ? ToQ(preview_->Hint).replace(QLatin1Char('\r'), QLatin1Char('\n'))
                        : QString());
    update();
}

void TGrImage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (series_) Rebuild();
}

void TGrImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (!preview_) {
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect line(0, kEmptyTextTop, width(), fontMetrics().height());
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop, emptyText_);
        return;
    }
    painter.setPen(kAxisGrey);
    if (preview_->AxisRow) painter.drawLine(QPointF(0, *preview_->AxisRow), QPointF(width(), *preview_->AxisRow));
    if (preview_->AxisColumn)
        painter.drawLine(QPointF(*preview_->AxisColumn, 0), QPointF(*preview_->AxisColumn, height()));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(kCurveGrey);
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(preview_->Points.size()));
    for (const PreviewPoint& p : preview_->Points) line << QPointF(p.X, p.Y);
    if (line.size() == 1) painter.drawPoint(line.front());
    else painter.drawPolyline(line);
}

void TGrImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressAt_ = event->position().toPoint();
    QWidget::mousePressEvent(event);
}

void TGrImage::mouseMoveEvent(QMouseEvent* event) {
    if (pressAt_ && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - *pressAt_).manhattanLength() >=
            QApplication::startDragDistance()) {
        pressAt_.reset();
        if (series_) emit DragStarted();
    }
}

void TGrImage::mouseDoubleClickEvent(QMouseEvent* event) {
    // The double click ends the drag its first press began.
    pressAt_.reset();
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
}

void TGrImage::contextMenuEvent(QContextMenuEvent* event) {
    if (popup_) popup_->popup(event->globalPos());
}

}  // namespace tarvix
