// Clipboard text through QGuiApplication's clipboard.
#include "ui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/qt_text.h"

namespace tarvix {

void QtClipboard::SetText(std::string_view text) {
    QGuiApplication::clipboard()->setText(ToQ(text));
}

std::string QtClipboard::Text() const {
    return ToStd(QGuiApplication::clipboard()->text());
}

}  // namespace tarvix
