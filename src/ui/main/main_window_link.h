// How the main window's tool windows (the variable list, the function list)
// reach the main window they belong to: its input line and its function mode
// panel, found by their component names under the tool window's parent; the
// keys every tool window has; and the "Připravuje se.." information of
// commands not built yet.
#pragma once

class QLineEdit;
class QToolButton;
class QWidget;

namespace tarvix {

class Calculator;
class TextCatalog;

// The main window's input line, or nullptr when the tool window has no main
// window as its parent.
QLineEdit* MainInputLine(const QWidget* toolWindow);
// The main window's function mode panel ("insert" / "eval"), or nullptr.
QToolButton* MainModePanel(const QWidget* toolWindow);
// Brings the main window to the front and puts the focus into its input line
// (Ctrl+Q of the tool windows).
void FocusMainInputLine(const QWidget* toolWindow);
// The keys of every tool window: Ctrl+F4 hides it, Ctrl+Q puts the focus into
// the main window's input line.
void AddToolWindowKeys(QWidget* toolWindow);
// The information "Připravuje se.." for a command whose subsystem is not built yet.
void ShowInPreparation(Calculator& calculator, TextCatalog& texts);

}  // namespace tarvix
