// TClickLabel: a label that reports clicks and double clicks, and can be
// drawn as the chosen one (blue and underlined), as the tools' windows use
// their category and unit labels.
#pragma once

#include <QLabel>

namespace tarvix {

class TClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit TClickLabel(QWidget* parent = nullptr);
    void SetChosen(bool chosen);
    bool Chosen() const { return chosen_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool chosen_ = false;
};

}  // namespace tarvix
