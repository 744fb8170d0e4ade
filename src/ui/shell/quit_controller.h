// TQuitController: ends the program on a quit request (SIGTERM, SIGINT,
// SIGHUP, the session's end) at any moment: during the start-up, before the
// main loop runs; inside it; with modal dialogs or a long run on the stack;
// and again on a second request. A request is remembered, ends every event
// loop that runs (nested dialog loops included) and stops long runs; the
// main loop is not entered after it. The main window is closed once, from
// the bottom of the stack, so its close writes the settings exactly once.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace tarvix {

class TQuitController : public QObject {
    Q_OBJECT

public:
    explicit TQuitController(QObject* parent = nullptr) : QObject(parent) {}

    // A quit request; safe to repeat.
    void Request();
    bool Requested() const { return requested_; }

    // Called by each request to stop long computations that run on the
    // event loop's stack (a series run, a solver).
    void SetStopHook(std::function<void()> stop) { stop_ = std::move(stop); }
    // The main window whose close writes the settings, set once its session
    // is loaded (before that there is nothing to write: the file on disk
    // already holds the settings).
    void SetMainWindow(QWidget* window) { window_ = window; }

    // The main loop, unless a quit was requested before it; afterwards the
    // main window is closed when it is still open. Returns the loop's status.
    int Exec();

private:
    bool requested_ = false;
    std::function<void()> stop_;
    QPointer<QWidget> window_;
};

}  // namespace tarvix
