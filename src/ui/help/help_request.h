// How a window asks for its help page: its "Nápověda" button sends a help
// request to the window, as F1 does; the help link of the main window answers
// it with the window's page (help_windows.h).
#pragma once

class QWidget;

namespace tarvix {

// Asks for the help page of the window `widget` belongs to.
void RequestHelp(QWidget* widget);

}  // namespace tarvix
