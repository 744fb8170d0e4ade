// Fusion style with a dark palette.
#include "ui/shell/dark_palette.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace tarvix {

void ApplyDarkPalette() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark;
    const QColor window(0x2b, 0x2d, 0x30);
    const QColor base(0x1e, 0x1f, 0x22);
    const QColor text(0xe6, 0xe6, 0xe6);
    const QColor disabledText(0x80, 0x80, 0x80);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window.lighter(115));
    dark.setColor(QPalette::ToolTipBase, QColor(0x3b, 0x3a, 0x2a));
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, disabledText);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window.lighter(120));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::red);
    dark.setColor(QPalette::Light, window.lighter(160));
    dark.setColor(QPalette::Midlight, window.lighter(135));
    dark.setColor(QPalette::Mid, window.darker(120));
    dark.setColor(QPalette::Dark, window.darker(160));
    dark.setColor(QPalette::Shadow, Qt::black);
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xc7));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x6c, 0xa8, 0xf0));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, disabledText);
    }
    QApplication::setPalette(dark);
}

}  // namespace tarvix
