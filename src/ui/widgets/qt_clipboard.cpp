// Clipboard text through QGuiApplication's clipboard.
#include "ui/widgets/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/widgets/qt_text.h"

namespace tarvix {

void QtClipboard::SetText(std::string_view text) {
    QGuiApplication::clipboard()->setText(ToQ(text));
}

std::string QtClipboard::Text() const {
    return ToStd(QGuiApplication::clipboard()->text());
}

}  // namespace tarvix
