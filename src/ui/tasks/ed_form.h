// TEdForm: the task output window (form name "EdForm"). PRINT adds lines to
// its text box `REdit`; the caption is "Tarvix - " and the task's title. Its
// tool bar empties the text, saves it as a text file (atomically, asking
// before an existing file is replaced), prints it and chooses the font; the
// status bar shows the caret's line and column. Placement, window state and
// font come from the settings section `EdForm` and go back there when the
// window closes; closing destroys it.
//
// Keys: Ctrl+F4 hides it, Ctrl+Q asks for the main window's input line, F9
// asks to run the task named in the main window's input line.
#pragma once

#include <QFont>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calculator/message_box.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QToolBar;

namespace tarvix {

class FileChoicePort;
class Settings;
class TextCatalog;

struct EdFormContext {
    explicit EdFormContext(TextCatalog& texts) : Texts(texts) {}

    TextCatalog& Texts;
    Settings* Values = nullptr;  // the settings (section EdForm); may be nullptr
    FileChoicePort* Files = nullptr;
    std::filesystem::path* LastFolder = nullptr;  // where the save dialog starts
    // The message box (the overwrite question, a write error).
    std::function<ModalResult(std::string_view text, MessageKind kind, MessageButtons buttons)> Ask;
};

class TEdForm : public QWidget {
    Q_OBJECT

public:
    TEdForm(EdFormContext context, QWidget* parent);
    ~TEdForm() override;

    QPlainTextEdit* REdit() const { return edit_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QAction* ClearAction() const { return clearAction_; }
    QAction* SaveAction() const { return saveAction_; }
    QAction* PrintAction() const { return printAction_; }
    QAction* FontAction() const { return fontAction_; }
    QString StatusText() const;

    // The caption "Tarvix - " and the title.
    void SetTitle(const QString& title);
    void AddLine(const QString& line);
    bool HasLines() const;
    std::vector<std::string> Lines() const;

    // "Vymazat": empties the text; saving and printing are disabled.
    void Clear();
    // "Uložit": the save dialog, the overwrite question, then SaveTo.
    void Save();
    // Writes the lines to the file atomically; a failure is reported.
    bool SaveTo(const std::filesystem::path& path);
    void Print();
    // The font of the text (remembered for the settings).
    void SetTextFont(const QFont& font);
    using FontChooser = std::function<std::optional<QFont>(const QFont& current)>;
    void SetFontChooser(FontChooser chooser) { fontChooser_ = std::move(chooser); }

    // Sets the captions and hints again from the text catalog.
    void ApplyTexts();

signals:
    void FocusInputLineRequested();  // Ctrl+Q
    void RunTaskRequested();         // F9

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildToolBar();
    void BuildShortcuts();
    void ChooseFont();
    void RefreshPosition();
    void TextChanged();
    void LoadSettings();
    void StoreSettings();

    EdFormContext context_;
    QToolBar* toolBar_ = nullptr;
    QPlainTextEdit* edit_ = nullptr;
    QLabel* position_ = nullptr;
    QAction* clearAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* fontAction_ = nullptr;
    QAction* closeAction_ = nullptr;
    QString title_;
    FontChooser fontChooser_;
};

}  // namespace tarvix
