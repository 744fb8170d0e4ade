// TLogForm: the history window "Historie výpočtů". It shows the lines the
// history collects while the window is open; its tool bar selects the
// recording mode (three exclusive buttons), clears the history, copies the
// text and chooses the font. Placement and font come from the history's
// window state and go back into it when the window closes; the window is
// destroyed on close and its text is lost (the history file keeps its own).
//
// Keys: Ctrl+F4 closes it, Ctrl+Q asks for the main window's input line, F9
// asks to run the task named in the main window's input line.
//
// The history must outlive the window: an owner that holds both closes (or
// deletes) the window before the history goes.
#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "storage/history_log.h"

class QAction;
class QActionGroup;
class QPlainTextEdit;
class QToolBar;

namespace tarvix {

class TextCatalog;
class CalculatorSession;

class TLogForm : public QWidget {
    Q_OBJECT

public:
    TLogForm(HistoryLog& log, TextCatalog& texts, QWidget* parent);
    ~TLogForm() override;

    QPlainTextEdit* LogMemo() const { return memo_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QAction* ModeAction(HistoryMode mode) const;
    QAction* ClearAction() const { return clearAction_; }
    QAction* CopyAction() const { return copyAction_; }
    QAction* FontAction() const { return fontAction_; }
    // True once closed: the window is deleted when the event loop runs and
    // is not shown again; the history no longer reports to it.
    bool Closed() const { return closed_; }

    // Sets the captions and hints again from the text catalog.
    void ApplyTexts();
    // The font of the text, kept in the history's window state.
    void SetLogFont(const QFont& font);
    // Chooses a font for the font button; the default shows the font dialog.
    using FontChooser = std::function<std::optional<QFont>(const QFont& current)>;
    void SetFontChooser(FontChooser chooser) { fontChooser_ = std::move(chooser); }

signals:
    void FocusInputLineRequested();  // Ctrl+Q
    void RunTaskRequested();         // F9

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildToolBar();
    void BuildShortcuts();
    void SyncLines();
    void AdjustWidth();
    void ChooseFont();
    void CopyText();
    void RestorePlacement();
    void StorePlacement();

    HistoryLog& log_;
    TextCatalog& texts_;
    QToolBar* toolBar_ = nullptr;
    QActionGroup* modeGroup_ = nullptr;
    QAction* modeActions_[3] = {};
    QAction* clearAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* fontAction_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    int shownLines_ = 0;
    bool placementApplied_ = false;
    bool closed_ = false;
    FontChooser fontChooser_;
};

// The font and its colour as the history's window state describes them.
QFont LogFormFont(const HistoryWindowState& window);
void StoreLogFormFont(const QFont& font, HistoryWindowState& window);

// The main window's command for the history window: shows it (created on
// first use) or, when it is open, closes it and forgets it. A closed window
// is never shown again (it is deleted when the event loop runs): a new one is
// made and handed to `created`. Returns the window while open.
TLogForm* ToggleLogForm(QPointer<TLogForm>& form, HistoryLog& log, TextCatalog& texts,
                        QWidget* parent, const std::function<void(TLogForm&)>& created = {});
// At start: reopens the history window when it was open at the last exit.
void ReopenLogForm(QPointer<TLogForm>& form, CalculatorSession& session, TextCatalog& texts,
                   QWidget* parent, const std::function<void(TLogForm&)>& created = {});

}  // namespace tarvix
