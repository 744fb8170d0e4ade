// The common size of the main window's keys.
#include "ui/main/keypad_layout.h"

#include <QFontMetrics>
#include <QToolButton>

namespace tarvix {

void SetKeySize(QToolButton* button) {
    const QFontMetrics metrics(button->font());
    button->setMinimumSize(metrics.horizontalAdvance(QStringLiteral("d:m:s")) + metrics.height(),
                           metrics.height() * 2);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

}  // namespace tarvix
