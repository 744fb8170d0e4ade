// The notification-area icon.
#include "ui/settings/tray_icon.h"

#include <QEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace tarvix {

TTrayIcon::TTrayIcon(QWidget& window) : QObject(&window), window_(window) {
    icon_ = new QSystemTrayIcon(window.windowIcon(), this);
    icon_->setObjectName(QStringLiteral("TrayIcon"));
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason) {
        Restore();
    });
    window.installEventFilter(this);
}

bool TTrayIcon::Available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TTrayIcon::Apply(bool showIcon, bool minimizeToTray) {
    minimizeToTray_ = minimizeToTray;
    icon_->setToolTip(window_.windowTitle());
    icon_->setVisible(showIcon && Available());
}

bool TTrayIcon::IconShown() const {
    return icon_->isVisible();
}

void TTrayIcon::StartMinimized() {
    if (IconShown() && minimizeToTray_) {
        window_.hide();
    } else {
        window_.showMinimized();
    }
}

void TTrayIcon::Restore() {
    window_.showNormal();
    window_.raise();
    window_.activateWindow();
}

bool TTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowStateChange &&
        window_.isMinimized() && minimizeToTray_ && IconShown()) {
        // Hidden after the state change has finished.
        QTimer::singleShot(0, &window_, [this] {
            if (window_.isMinimized()) window_.hide();
        });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvix
