// TDispForm: the expression editor "Editor výrazů", a free-text worksheet
// beside the main window. Enter on a line evaluates it with the main
// evaluator (ExpressionEditor); the worksheet file, its tool bar commands and
// the question before changes are lost are EditorWorksheet's. Placement, font,
// colours, the worksheet file and whether the window was open are kept in the
// settings section DispForm.
//
// Keys in the text: Enter evaluates the caret's line, Ctrl+S saves, Ctrl+Ins
// inserts an empty line at the caret, Ctrl+Del moves the caret to the start
// of its line.
#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "storage/editor_worksheet.h"
#include "storage/expression_editor.h"
#include "storage/settings_store.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QToolBar;

namespace tarvix {

class TextCatalog;

class TDispForm : public QWidget {
    Q_OBJECT

public:
    TDispForm(Calculator& calculator, Settings& settings, TextCatalog& texts,
              FileChoicePort& files, std::filesystem::path& lastFolder, QWidget* parent);

    QPlainTextEdit* Memo() const { return memo_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QLabel* StatusLine() const { return status_; }
    // A tool bar action by its object name ("NovyButton", "PrepocitatButton", ...).
    QAction* ToolAction(const QString& name) const;
    ExpressionEditor& Model() { return editor_; }
    EditorWorksheet& Worksheet() { return worksheet_; }

    void ApplyTexts();
    // Enter on the caret's line; "Přepočítat vše".
    void EnterCaretLine();
    void RecalculateAll();
    // Writes the placement, font, colours and file into the settings.
    void StoreSettings();

    // Chooses a font or a colour for the tool bar; the defaults show Qt's dialogs.
    using FontChooser = std::function<std::optional<QFont>(const QFont&)>;
    using ColorChooser = std::function<std::optional<QColor>(const QColor&)>;
    void SetChoosers(FontChooser font, ColorChooser color);

signals:
    // A line was evaluated: the main window shows the display again.
    void Evaluated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildToolBar();
    void ShowModelText(int caretLine);
    void TextEdited();
    void ShowOutcome(const EditorResult& result);
    void RefreshCaption();
    void ChooseFont();
    void ChooseBackground();
    void ApplyColors();

    Calculator& calculator_;
    Settings& settings_;
    TextCatalog& texts_;
    FileChoicePort& files_;
    ExpressionEditor editor_;
    EditorWorksheet worksheet_;
    QToolBar* toolBar_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QLabel* status_ = nullptr;
    std::map<QString, QAction*> actions_;
    bool syncing_ = false;  // the text is being set from the model
    bool placementApplied_ = false;
    FontChooser fontChooser_;
    ColorChooser colorChooser_;
};

// The main window's command: shows the editor (created on first use) or
// raises it.
TDispForm* ShowDispForm(QPointer<TDispForm>& form, Calculator& calculator, Settings& settings,
                        TextCatalog& texts, FileChoicePort& files,
                        std::filesystem::path& lastFolder, QWidget* parent);

}  // namespace tarvix
