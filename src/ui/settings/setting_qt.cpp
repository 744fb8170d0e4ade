// Settings colours and fonts for Qt.
#include "ui/settings/setting_qt.h"

#include <QApplication>
#include <QPalette>

#include "storage/settings_color.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {

QColor ColorOfSetting(std::int64_t value) {
    const SettingColor color = DecodeSettingColor(value);
    if (!color.System) return QColor(color.Red, color.Green, color.Blue);
    const QPalette palette = QApplication::palette();
    switch (color.SystemRole) {
        case kSystemWindowBackground:
            return palette.color(QPalette::Base);
        case kSystem3dLight:
            return palette.color(QPalette::Light);
        default:
            return palette.color(QPalette::Text);
    }
}

std::int64_t SettingOfColor(const QColor& color) {
    SettingColor setting;
    setting.Red = static_cast<std::uint8_t>(color.red());
    setting.Green = static_cast<std::uint8_t>(color.green());
    setting.Blue = static_cast<std::uint8_t>(color.blue());
    return EncodeSettingColor(setting);
}

QFont FontOfSetting(const FontSetting& font) {
    QFont qfont(ToQ(font.Name));
    if (font.Size > 0) qfont.setPointSize(font.Size);
    qfont.setBold(font.Style & 1);
    qfont.setItalic(font.Style & 2);
    qfont.setUnderline(font.Style & 4);
    qfont.setStrikeOut(font.Style & 8);
    return qfont;
}

FontSetting SettingOfFont(const QFont& qfont, FontSetting font) {
    font.Name = ToStd(qfont.family());
    if (qfont.pointSize() > 0) font.Size = qfont.pointSize();
    font.Style = (qfont.bold() ? 1 : 0) | (qfont.italic() ? 2 : 0) | (qfont.underline() ? 4 : 0) |
                 (qfont.strikeOut() ? 8 : 0);
    return font;
}

}  // namespace tarvix
