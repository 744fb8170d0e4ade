// The splash window: the icon, the title and a subtitle on the icon's colours.
#include "ui/shell/splash.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QSplashScreen>

#include "ui/shell/app_icon.h"

namespace tarvix {

std::unique_ptr<QSplashScreen> ShowSplash(const QString& title, const QString& subtitle) {
    const qreal ratio = qApp->devicePixelRatio();
    const QSize size(380, 180);
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, kBrandBody.lighter(130));
    gradient.setColorAt(1, kBrandBody);
    p.fillRect(QRect(QPoint(), size), gradient);
    QPixmap icon = AppIconPixmap(static_cast<int>(96 * ratio));
    icon.setDevicePixelRatio(ratio);
    p.drawPixmap(QPoint(28, 42), icon);
    QFont big = qApp->font();
    big.setPixelSize(36);
    big.setBold(true);
    p.setFont(big);
    p.setPen(Qt::white);
    p.drawText(QRect(144, 50, 220, 48), Qt::AlignLeft | Qt::AlignVCenter, title);
    QFont small = qApp->font();
    small.setPixelSize(15);
    p.setFont(small);
    p.setPen(kBrandDisplay);
    p.drawText(QRect(146, 98, 220, 28), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    p.end();
    auto splash = std::make_unique<QSplashScreen>(pixmap);
    splash->show();
    return splash;
}

}  // namespace tarvix
