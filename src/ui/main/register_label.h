// A register label (StaticTextX … StaticTextF): shows the variable name of
// its register (cut on the right with "…" when it is wider than the label;
// the hint names it in full), reports a click, and drags its name; while it
// is being dragged it is highlighted.
#pragma once

#include <QLabel>
#include <QPoint>

#include "calculator/registers.h"

namespace tarvix {

class TRegisterLabel : public QLabel {
    Q_OBJECT

public:
    TRegisterLabel(BoxId box, QWidget* parent = nullptr);
    BoxId Box() const { return box_; }
    // Highlights the label while its box has the focus.
    void SetActive(bool active);
    // Shows a name. The label keeps room for a name of up to eight wide
    // letters (the window grows rather than cut it); a longer one is cut.
    void SetName(const QString& name);
    // Whether the name is wider than the label and shown cut.
    bool Elided() const;

signals:
    // Pressed and released without dragging.
    void Clicked(tarvix::BoxId box);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetDragging(bool dragging);

    BoxId box_;
    QPoint pressPos_;
    bool pressed_ = false;
};

}  // namespace tarvix
