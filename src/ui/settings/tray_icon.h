// TTrayIcon: the main window's icon in the notification area. Shown while the
// settings ask for it and the desktop has a notification area; with
// "minimise to the icon" a minimised main window leaves the task bar and a
// click on the icon brings it back.
#pragma once

#include <QObject>

class QSystemTrayIcon;
class QWidget;

namespace tarvix {

class TTrayIcon : public QObject {
    Q_OBJECT

public:
    explicit TTrayIcon(QWidget& window);

    // Whether the desktop has a notification area.
    static bool Available();
    void Apply(bool showIcon, bool minimizeToTray);
    bool IconShown() const;
    // Starts minimised: into the icon when it is shown, else minimised.
    void StartMinimized();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Restore();

    QWidget& window_;
    QSystemTrayIcon* icon_ = nullptr;
    bool minimizeToTray_ = false;
};

}  // namespace tarvix
