// The engineering postfix edit EngEdit with its up-down: a spin box over the
// positions 1 … 11 of "fpnum kMGTP" that shows the postfix character (nothing
// for position 6, no postfix) and accepts only postfix characters.
#pragma once

#include <QSpinBox>

namespace tarvix {

class TPostfixSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit TPostfixSpinBox(QWidget* parent = nullptr);

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;
};

}  // namespace tarvix
