// Conversions between the core's UTF-8 texts and Qt strings: the texts
// themselves, byte offsets against character positions, and hints written as
// "short|long" (tool tip and status line).
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

class QAction;
class QWidget;

namespace tarvix {

inline QString ToQ(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStd(const QString& text) {
    return text.toStdString();
}

// The byte offset in the UTF-8 form of `text` of the character position `pos`.
std::size_t Utf8Offset(const QString& text, int pos);
// The character position in `text` of a byte offset into its UTF-8 form.
int QtPosition(const QString& text, std::size_t offset);

// The short part of a hint (before the first "|") and the long one (after it,
// or the whole text when there is no "|").
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);
void SetHint(QWidget* widget, const QString& hint);
void SetHint(QAction* action, const QString& hint);

}  // namespace tarvix
