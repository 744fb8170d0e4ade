// TFuncForm: the function list window "Seznam funkcí", a tool window docked
// under or above the main window. It lists the functions in eight columns,
// shows the help text of the function under the pointer in its status bar,
// and on a click writes the function into the main window's input line: an
// empty call at the remembered caret ("insert") or around the whole input
// ("eval"). The decisions are those of calculator/function_list.h.
#pragma once

#include <QWidget>
#include <optional>

#include "calculator/keypad_texts.h"

class QLabel;
class QListWidget;
class QStatusBar;

namespace tarvix {

class Calculator;
class TextCatalog;

class TFuncForm : public QWidget {
    Q_OBJECT

public:
    TFuncForm(Calculator& calculator, TextCatalog& texts, QWidget* parent);

    // Sets the caption and the status texts from the text catalog again.
    void ApplyTexts();

    QListWidget* FnListBox() const { return fnListBox_; }
    QStatusBar* StatusBar1() const { return statusBar1_; }
    // Panel 0: the function mode; panel 1: the help text.
    QString StatusText(int panel) const;
    // The item the pointer last highlighted; -1 before any.
    int Highlighted() const { return highlighted_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormActivate();
    void FnListBoxMouseMove(const QPoint& pos);
    void FnListBoxClick();
    void StatusBar1DblClick();
    void Highlight(int index);
    void RememberCaret();
    void ShowFunctionMode();
    void PlaceNextToMainWindow();
    void FitColumns();
    int RowHeight() const;
    int MinColumnWidth() const;  // the longest name's
    int RowCount() const;        // rows of the eight columns
    QString Text(std::string_view key, std::string_view builtIn) const;

    Calculator& calculator_;
    TextCatalog& texts_;

    QListWidget* fnListBox_ = nullptr;
    QStatusBar* statusBar1_ = nullptr;
    QLabel* modePanel_ = nullptr;
    QLabel* helpPanel_ = nullptr;

    int highlighted_ = -1;
    // The input line's caret and selection, remembered while the pointer
    // moves over the list (the input line loses them when the list is clicked).
    std::optional<KeypadEdit> rememberedCaret_;
};

}  // namespace tarvix
