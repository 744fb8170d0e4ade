// TQuitController: a quit request ends every event loop; the main window is
// closed after the main loop has returned.
#include "ui/shell/quit_controller.h"

#include <QApplication>
#include <QWidget>

namespace tarvix {

void TQuitController::Request() {
    requested_ = true;
    if (stop_) stop_();
    // Ends the main loop and every nested loop (modal dialogs, menus); a loop
    // started later returns at once. Before the main loop runs nothing ends:
    // Exec() does not enter it.
    QCoreApplication::exit(0);
}

int TQuitController::Exec() {
    const int status = requested_ ? 0 : QApplication::exec();
    // A quit request ended the loop with the window open: it closes now,
    // with nothing else on the stack. A window the user closed is not
    // closed twice.
    if (window_ && window_->isVisible()) window_->close();
    return status;
}

}  // namespace tarvix
