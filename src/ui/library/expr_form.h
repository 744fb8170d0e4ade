// TExprForm: the expression library window "Knihovna výrazů - <file>" bound to
// the LibraryModel. On the left the tree of categories (TLibraryTreeView), on
// the right the grid of the selected category's rows (`StringGrid`: comment
// and expression) above the editor pane (`Memo`: the selected row's
// explanation, or a task's program). The tool bar, the three pop-up menus and
// the window's keys carry the commands; the structural ones work in edit mode
// only. "Použít výraz" hands the selected formula to the main window's
// calculator. The window reads its placement, widths, font and selection from
// the main window's settings and hands them back when it closes.
//
// Files: expr_form.cpp (layout, showing the model, selection, placement,
// closing), expr_form_actions.cpp (actions, tool bar, menus, keys),
// expr_form_commands.cpp (file, category, row and transfer commands,
// packages, searches), expr_form_editor.cpp (the editor pane's inserts, font
// and the variables dropped on it).
//
// Tasks: the run commands (actions "RunToCursorToolButton" F4,
// "RunToolButton" F9, "PauseToolButton" F8, "StopToolButton" F2 and
// "StepItem" F7) drive the program's task runner on the selected task row
// (expr_form_tasks.cpp); the editor pane highlights the task's text and
// marks the paused line and an error line.
#pragma once

#include <QMainWindow>
#include <QFont>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tasks/library_model.h"
#include "tasks/library_settings.h"
#include "ui/widgets/line_number_edit.h"

class QComboBox;
class QLabel;
class QMenu;
class QSplitter;
class QTableWidget;
class QTableWidgetItem;
class QToolBar;
class QToolButton;

namespace tarvix {

class Calculator;
class FileChoicePort;
class Settings;
class TextCatalog;
class TFindForm;
class TaskHighlighter;
class TaskRunner;
class TLibraryTreeView;
class LibraryTreeModel;
struct CategoryDrop;

// What the library window needs from the program.
struct ExprFormServices {
    Calculator& Calc;
    TextCatalog& Texts;
    FileChoicePort& Files;
    // The main window's settings: the window's own sections, the search
    // texts, the data folder and the history limit.
    Settings& Values;
    // Where a library file named without a folder lives (the user's data folder).
    std::filesystem::path UserFolder;
    // Runs an operation on the calculator; the main window shows its result.
    std::function<void(const std::function<void()>&)> Perform =
        [](const std::function<void()>& operation) { operation(); };
    // "Vložit proměnnou": the text of the variable selected in the variable
    // list window; nothing when that window was closed (it is opened now).
    std::function<std::optional<std::string>()> SelectedVariable = [] {
        return std::optional<std::string>();
    };
    // Whether a drag comes from the variable list window.
    std::function<bool(const QObject* source)> IsVariableDrag = [](const QObject*) {
        return false;
    };
    // The help of the window (and of a task keyword).
    std::function<void()> Help = [] {};
    // Alt+F1 in the editor pane: the help of the word at `caret` in `line`;
    // unset: the window's help.
    std::function<void(const QString& line, int caret)> KeywordHelp = {};
    // The runner of the task rows (nullptr: the run commands stay disabled)
    // and the folder of a task's files named without a folder.
    TaskRunner* Runner = nullptr;
    std::filesystem::path TaskFolder = {};
};

// The editor pane's font from the settings: the named family when the
// system has it, else the system's fixed-pitch font; the size and style bits.
QFont EditorFont(const ExprFormSettings& settings);

// The pane that the tool bar's new, cut, copy, paste and delete act on.
enum class LibraryPane : std::uint8_t { Tree, Grid, Editor };

class TExprForm : public QMainWindow {
    Q_OBJECT

public:
    TExprForm(ExprFormServices services, QWidget* parent);
    ~TExprForm() override;

    LibraryModel& Model() { return library_; }
    const ExprFormSettings& Placement() const { return placement_; }

    // Opens the library the settings name (LibraryFileName); a missing or
    // unreadable file is reported and leaves an empty library.
    void OpenConfiguredLibrary();
    // Opens a library file; `locked` (a file given at start): edit mode off,
    // the library menu and the save command disabled. A file that does not
    // read is reported and the library stays as it was. True when it opened.
    bool OpenLibrary(const std::filesystem::path& path, bool locked = false);
    bool Locked() const { return locked_; }

    // --- Widgets
    TLibraryTreeView* TreeView() const { return tree_; }
    QTableWidget* StringGrid() const { return grid_; }
    // The editor pane; its line numbers are shown for task rows.
    LineNumberEdit* Memo() const { return memo_; }
    QComboBox* FindComboBox() const { return findCombo_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QMenu* TreePopupMenu() const { return treeMenu_; }
    QMenu* GridPopupMenu() const { return gridMenu_; }
    QMenu* MemoPopupMenu() const { return memoMenu_; }
    // A command by its component name ("UseToolButton", "NovaKategorieItem" …).
    QAction* Action(std::string_view name) const;
    // The status bar's text (the selected category's path, or a message).
    QString StatusText() const;
    // The separator before the task run commands in the tool bar.
    QAction* RunToolsPlace() const { return runToolsPlace_; }
    // The pane the tool bar's commands act on (the one that had the focus last).
    LibraryPane ActivePane() const { return activePane_; }
    void SetActivePane(LibraryPane pane) { activePane_ = pane; }

    // Sets every caption again from the text catalog.
    void ApplyTexts();
    // Shows the model again: the tree (when its structure changed), the
    // selection, the grid, the editor pane, the caption and the commands.
    void RefreshFromModel(bool treeChanged = true);

    // --- Commands (the action table names them)
    void OpenToolButtonClick();
    // False when nothing was written (cancelled or failed).
    bool SaveToolButtonClick();
    void FindToolButtonClick();
    void EditToolButtonClick();
    void NewToolButtonClick();
    void CutToolButtonClick();
    void CopyToolButtonClick();
    void PasteToolButtonClick();
    void DeleteToolButtonClick();
    void EdResizeToolButtonClick();
    void UseToolButtonClick();
    void HelpToolButtonClick();
    void ImportKnihovnyClick();
    void ExportKnihovnyClick();
    // Tree
    void NovaKategorieClick();
    void NovaPodkategorieClick();
    void VyjmoutKategoriiClick();
    void KopirovatKategoriiClick();
    void VlozitKategoriiClick();
    void OdstranitKategoriiClick();
    void RozbalitVseClick();
    void SbalitVseClick();
    // Grid
    void NovyRadekClick();
    void VyjmoutRadekClick();
    void KopirovatRadekClick();
    void VlozitRadekClick();
    void OdstranitRadekClick();
    void ImportVyrazuClick();
    // Editor pane
    void VlozitRezimClick();
    void VlozitStavOkenClick();
    void VlozitPromennouClick();
    void VlozitIndexClick(int index);
    void PismoClick();
    // The incremental category search of FindComboBox; false when no
    // category begins with `text` (the selection stays).
    bool FindComboBoxChange(const QString& text);
    // The tree collapsed, `search` in the search box and searched, and the
    // found category's first row transferred as "Použít výraz" does; false
    // when nothing was found or the row holds no formula.
    bool ShowCategoryAndUse(const QString& search);
    // A category dropped in the tree; a grid row dragged to another place.
    void MoveCategory(LibraryNode* node, const CategoryDrop& place);
    void MoveRow(int from, int to);

    // The search window, not shown yet (FindToolButtonClick shows it modally).
    std::unique_ptr<TFindForm> CreateFindForm();
    // Answers the package dialogs instead of showing them: the checked
    // categories of the tree, or nothing for cancel.
    using PackageChooser = std::function<std::optional<std::vector<LibraryNodeId>>(
        const LibraryTree& tree, bool import)>;
    void SetPackageChooser(PackageChooser chooser) { packageChooser_ = std::move(chooser); }
    // Answers the font dialog instead of showing it.
    using FontChooser = std::function<std::optional<QFont>(const QFont& current)>;
    void SetFontChooser(FontChooser chooser) { fontChooser_ = std::move(chooser); }

    // Closing: with unsaved changes asks whether to save (Yes saves, No
    // discards, Cancel keeps the window). True when the window may close.
    bool CanClose();
    // Writes the library to its file (a save dialog when it has none); false
    // when nothing was written. Unlike the save command, also for a file
    // given at start (the close question's Yes).
    bool SaveLibrary();
    // The model's selected category and row shown as a search hit: the
    // category scrolled to the top of the tree when it was not in view.
    void ShowHit();
    bool EditorEnlarged() const { return editorEnlarged_; }

    // --- Tasks (expr_form_tasks.cpp)
    // Selects the first category whose name begins with `name` and runs its
    // task from the start; false when there is no such task or a run is active.
    bool RunCategory(std::string_view name);
    // The EQU category (created as a new subcategory when there is none, its
    // first row a task titled `title`) selected in edit mode with the editor
    // focused; a new row's two-line explanation becomes `equationTemplate`.
    void PrepareEquations(std::string_view title, std::string_view equationTemplate);
    // The marked lines of the editor pane (0-based; -1: none).
    int PausedLine() const { return pausedLine_; }
    int ErrorLine() const { return errorLine_; }
    // Hands the placement, widths, font, selection and library file back
    // to the main window's settings.
    void StorePlacement();

signals:
    // Another row (or category) became the selected one.
    void RowSelected();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // expr_form.cpp
    QString Text(std::string_view key, std::string_view builtIn) const;
    void ApplyLibraryTexts();
    QWidget* BuildCentre();
    void RestorePlacement();
    void RestoreSelection();
    // A structural change of the tree: the view is reset around it, the
    // expanded categories are expanded again and the selection shown.
    void TreeCommand(const std::function<bool()>& command);
    void RestoreExpansion();
    // A command on the selected category's rows, then the grid shown again.
    void RowCommand(const std::function<bool()>& command);
    void ShowSelection();
    void FillGrid();
    void FillMemo();
    void RefreshCommands();
    void RefreshTitle();
    void RefreshStatus();
    void TreeCurrentChanged();
    void GridCurrentChanged();
    void GridItemChanged(QTableWidgetItem* item);
    void MemoTextChanged();
    void GridRowMoved(int logical, int oldVisual, int newVisual);
    void ShowMessage(const std::string& text, int helpContext);
    void ReportOutcome(const LibraryFileOutcome& outcome);

    // expr_form_actions.cpp
    void BuildActions();
    void BuildToolBar();
    void BuildMenus();
    void BuildKeys();
    QAction* NewAction(std::string_view name, std::string_view caption,
                       std::function<void()> command, std::string_view shortcut = {});

    // expr_form_commands.cpp
    std::optional<std::filesystem::path> ChooseLibraryFile(bool save, const std::string& name);
    bool MayOverwrite(const std::filesystem::path& path);
    void CommitGridEdit();
    void SetEditorEnlarged(bool enlarged);
    std::optional<std::vector<LibraryNodeId>> ChoosePackage(const LibraryTree& tree, bool import);
    std::string ModeText() const;

    // expr_form_tasks.cpp
    void BindTasks();
    // The run commands' state; the runner gets the selected row's task when
    // the selection changed.
    void RefreshRunCommands();
    void BindSelectedTask();
    void ShowLineMarks();
    void KeywordHelpAtCaret();
    void TaskTextChanged();

    // expr_form_editor.cpp
    void InsertIntoMemo(const QString& text);
    void ApplyEditorFont(const QFont& font);
    // The editor pane's events: variables dropped from the variable list.
    bool MemoEvent(QObject* watched, QEvent* event);

    ExprFormServices services_;
    LibraryModel library_;
    ExprFormSettings placement_;
    bool placementApplied_ = false;
    bool locked_ = false;
    bool filling_ = false;  // widgets are being filled: their signals are not edits
    bool editorEnlarged_ = false;
    LibraryPane activePane_ = LibraryPane::Tree;
    std::set<LibraryNodeId> expanded_;  // the categories expanded in the tree

    // --- Widgets
    QToolBar* toolBar_ = nullptr;
    QToolButton* libraryButton_ = nullptr;
    QComboBox* findCombo_ = nullptr;
    QSplitter* mainSplitter_ = nullptr;   // tree | grid and editor
    QSplitter* rightSplitter_ = nullptr;  // grid above the editor
    TLibraryTreeView* tree_ = nullptr;
    LibraryTreeModel* treeModel_ = nullptr;
    QTableWidget* grid_ = nullptr;
    LineNumberEdit* memo_ = nullptr;
    QLabel* status_ = nullptr;
    QMenu* libraryMenu_ = nullptr;
    QMenu* treeMenu_ = nullptr;
    QMenu* gridMenu_ = nullptr;
    QMenu* memoMenu_ = nullptr;
    QMenu* indexMenu_ = nullptr;
    QAction* runToolsPlace_ = nullptr;
    QList<int> gridSizes_;  // the grid's and the editor's heights before the editor was enlarged

    // --- Actions by component name, with their caption keys and built-in texts
    struct ActionText {
        std::string Caption;
        std::string Hint;
    };
    std::map<std::string, QAction*, std::less<>> actions_;
    std::map<QAction*, ActionText> actionTexts_;

    PackageChooser packageChooser_;
    FontChooser fontChooser_;

    // --- Tasks
    QPointer<TaskRunner> runner_;
    QPointer<TaskHighlighter> highlighter_;
    // The selection (category id, row) the runner was last bound for.
    std::optional<std::pair<LibraryNodeId, int>> boundRow_;
    int pausedLine_ = -1;
    int errorLine_ = -1;
};

}  // namespace tarvix
