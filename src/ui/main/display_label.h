// The result display StaticTextDisplay: a right-aligned label in the display
// font that shrinks the font when a long result would not fit, and starts a
// drag of its text.
#pragma once

#include <QLabel>
#include <QPoint>

namespace tarvix {

class TDisplayLabel : public QLabel {
    Q_OBJECT

public:
    explicit TDisplayLabel(QWidget* parent = nullptr);

    // The text as the calculator shows it (a trailing blank included).
    void SetDisplayText(const QString& text);
    const QString& DisplayText() const { return text_; }
    // The largest point size; long texts get smaller ones.
    void SetBasePointSize(qreal pointSize);

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FitFont();

    QString text_;
    qreal basePointSize_ = 22;
    QPoint pressPos_;
    bool pressed_ = false;
};

}  // namespace tarvix
