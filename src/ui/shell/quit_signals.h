// Ends the program normally when the desktop or a terminal asks it to:
// SIGTERM (logout, kill), SIGINT (Ctrl+C in a terminal) and SIGHUP (the
// terminal went away) are turned into a call on the event loop through a
// self-pipe, so the quit runs the same path as closing the main window and
// the settings are written.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tarvix {

class TQuitSignals : public QObject {
    Q_OBJECT

public:
    // Installs the handlers; `quit` runs on the event loop once per signal.
    explicit TQuitSignals(std::function<void(int signal)> quit, QObject* parent = nullptr);
    // Restores the default handlers.
    ~TQuitSignals() override;

    // Whether the handlers are in place (false when the pipe could not be made).
    bool Installed() const { return notifier_ != nullptr; }

private:
    void ReadSignal();

    std::function<void(int)> quit_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tarvix
