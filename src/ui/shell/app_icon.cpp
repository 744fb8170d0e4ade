// Drawing the program's icon on a 64 × 64 grid.
#include "ui/shell/app_icon.h"

#include <QPainter>

#include "ui/widgets/display_font.h"

namespace tarvix {
namespace {

constexpr QColor kKeyColour(0xe8, 0xed, 0xf3);
constexpr QColor kDigitColour(0x1d, 0x2a, 0x1b);
// The grey keys: two columns of three rows.
constexpr QRectF kKeys[] = {{12, 28, 10, 8}, {27, 28, 10, 8}, {12, 40, 10, 8},
                            {27, 40, 10, 8}, {12, 52, 10, 6}, {27, 52, 10, 6}};

}  // namespace

QPixmap AppIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kBrandBody);
    p.drawRoundedRect(QRectF(6, 2, 52, 60), 8, 8);
    p.setBrush(kBrandDisplay);
    p.drawRoundedRect(QRectF(12, 8, 40, 14), 3, 3);
    p.setBrush(kKeyColour);
    for (const QRectF& key : kKeys) p.drawRoundedRect(key, 2, 2);
    p.setBrush(kBrandAccent);
    p.drawRoundedRect(QRectF(42, 28, 10, 30), 2, 2);
    if (size >= 32) {
        QFont font = DisplayFont(10);
        font.setPixelSize(10);
        p.setFont(font);
        p.setPen(kDigitColour);
        p.drawText(QRectF(12, 8, 37, 14), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("3.14"));
    }
    return pixmap;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(AppIconPixmap(size));
    return icon;
}

}  // namespace tarvix
