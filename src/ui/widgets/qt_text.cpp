// UTF-8 and Qt strings, positions and hints.
#include "ui/widgets/qt_text.h"

#include <QAction>
#include <QWidget>
#include <algorithm>

namespace tarvix {

std::size_t Utf8Offset(const QString& text, int pos) {
    pos = std::clamp(pos, 0, static_cast<int>(text.size()));
    return static_cast<std::size_t>(text.left(pos).toUtf8().size());
}

int QtPosition(const QString& text, std::size_t offset) {
    const QByteArray bytes = text.toUtf8();
    offset = std::min(offset, static_cast<std::size_t>(bytes.size()));
    return static_cast<int>(QString::fromUtf8(bytes.left(static_cast<qsizetype>(offset))).size());
}

QString ShortHint(const QString& hint) {
    return hint.section(QLatin1Char('|'), 0, 0);
}

QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(ShortHint(hint));
    widget->setStatusTip(LongHint(hint));
}

void SetHint(QAction* action, const QString& hint) {
    action->setToolTip(ShortHint(hint));
    action->setStatusTip(LongHint(hint));
}

}  // namespace tarvix
