// TGrImage: the small chart of the main window (GrImage on GrPanel). It
// draws the current series as a grey preview with QPainter, shows the
// ranges as its hint and the text "Vygenerujte datovou řadu" without a
// series. Its popup menu is the owner's; a double click asks for the
// detailed chart and a drag from it carries the series to the statistics.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>

#include "series/chart_preview.h"

class QMenu;

namespace tarvix {

class TGrImage : public QWidget {
    Q_OBJECT

public:
    explicit TGrImage(QWidget* parent = nullptr);

    // Draws the series (the end of a run); an empty series clears the image.
    void ShowSeries(const CurrentSeries& series, bool complexDomain);
    void Clear();
    bool HasSeries() const { return series_.has_value(); }
    void SetEmptyText(const QString& text);
    void SetPopupMenu(QMenu* menu) { popup_ = menu; }
    const std::optional<ChartPreview>& Preview() const { return preview_; }

signals:
    void DoubleClicked();
    // A drag left the image (the statistics grid takes the current series).
    void DragStarted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Rebuild();

    std::optional<CurrentSeries> series_;
    bool complex_ = false;
    std::optional<ChartPreview> preview_;
    QString emptyText_;
    QMenu* popup_ = nullptr;
    std::optional<QPoint> pressAt_;
};

}  // namespace tarvix
