// The postfix spin box: positions shown as their characters.
#include "ui/main/postfix_spin_box.h"

#include "calculator/eng_postfix.h"

namespace tarvix {

TPostfixSpinBox::TPostfixSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(kMinEngPostfix, kMaxEngPostfix);
    setValue(kNoEngPostfix);
    setAlignment(Qt::AlignCenter);
}

QString TPostfixSpinBox::textFromValue(int value) const {
    const char c = EngPostfixChar(value);
    return c == ' ' ? QString() : QString(QLatin1Char(c));
}

int TPostfixSpinBox::valueFromText(const QString& text) const {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return kNoEngPostfix;
    const int position = EngPostfixPosition(trimmed.front().toLatin1());
    return position > 0 ? position : kNoEngPostfix;
}

QValidator::State TPostfixSpinBox::validate(QString& input, int& /*pos*/) const {
    if (input.isEmpty()) return QValidator::Acceptable;
    if (input.size() > 1) return QValidator::Invalid;
    const char c = input.front().toLatin1();
    return c != ' ' && EngPostfixPosition(c) > 0 ? QValidator::Acceptable : QValidator::Invalid;
}

}  // namespace tarvix
