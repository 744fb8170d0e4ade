// TGemForm: the matrix worksheet window "Soustava lineárních rovnic" /
// "Operace s maticemi" bound to the Worksheet model. It shows the two grids
// (table views on WorksheetGridModel, cells drawn by WorksheetCellDelegate),
// the order control, the equations editor, the menus and tool bar of the
// operations, the status panels and the progress bar, and forwards the
// user's commands to the model. A run happens on the window's thread: the
// model's stop poll lets the window process its events at most every 30 ms,
// so the stop button, F2 and closing reach it while it runs.
//
// Files: gem_form.cpp (layout, grids, status bar, refresh, closing),
// gem_form_menus.cpp (menus and tool bar from tables), gem_form_run.cpp (run,
// stop, trace, watch, result views), gem_form_files.cpp (files and the
// recent-files menu), gem_form_data.cpp (generation, area and grid edits,
// column widths), gem_form_search.cpp (searches, marks, conversions),
// gem_form_output.cpp (number formats, result file, clipboard, spreadsheet,
// charts).
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "matrix/recent_files.h"
#include "matrix/worksheet.h"
#include "matrix/worksheet_generate.h"
#include "matrix/worksheet_charts.h"
#include "storage/data_file_commands.h"
#include "storage/worksheet_settings.h"

class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QSpinBox;
class QSplitter;
class QTableView;
class QToolBar;
class QToolButton;

namespace tarvix {

class QtDialogs;
class TextCatalog;
class TGemVForm;
class TMemForm;
class WorksheetCellDelegate;
class WorksheetGridModel;

// What the worksheet window needs from the program: the evaluator, the
// matrix memory, the main window's port, the message boxes, the texts, the
// file dialogs and the recent-files list; the trace goes to the calculation
// history while its window is open.
struct GemFormServices {
    TParser& Parser;
    MatrixMemory& Memory;
    // The generation settings and the random engine, kept for the program run.
    WorksheetDataState& DataState;
    WorksheetMainPort& Main;
    QtDialogs& Dialogs;
    TextCatalog& Texts;
    FileChoicePort& Files;
    RecentFiles& Recent;
    std::function<bool()> HistoryOpen = [] { return false; };
    std::function<void(std::string_view)> HistoryLine = [](std::string_view) {};
    std::function<void(bool)> ShowHistory = [](bool) {};
    std::function<std::filesystem::path()> LastFolder = [] { return std::filesystem::path(); };
    std::function<void(const std::filesystem::path&)> SetLastFolder =
        [](const std::filesystem::path&) {};
    std::string ProgramFolder;
    // The placements the main window keeps; none: the built-in size.
    GemFormPlacement* Placement = nullptr;
    GemVFormPlacement* VariantPlacement = nullptr;
};

class TGemForm : public QMainWindow, private WorksheetView, private SolveHooks {
    Q_OBJECT

public:
    TGemForm(const GemFormServices& services, QWidget* parent);
    ~TGemForm() override;

    Worksheet& Model() { return sheet_; }
    WorksheetDataState& DataState() { return services_.DataState; }
    QTableView* LStringGrid() const { return leftView_; }
    QTableView* RStringGrid() const { return rightView_; }
    QPlainTextEdit* Memo() const { return memo_; }
    QSpinBox* RozmerSpinEdit() const { return orderEdit_; }
    QSpinBox* ColWidthsEdit() const { return colWidthEdit_; }
    QProgressBar* ProgressBar() const { return progress_; }
    QString StatusText(int panel) const;
    QAction* Action(std::string_view name) const;
    TGemVForm* VariantForm() const;

    // The main window's menu commands: shows the window in a mode with the
    // mode's operation (1 or 3) selected, nothing run.
    void ShowInMode(WorksheetMode mode);
    // Sets every caption again from the text catalog.
    void ApplyTexts();

    // --- Commands (the menu tables name them)
    void SouborNovy();
    void SouborOtevrit();
    // Opens a file without the dialog; false after a message.
    bool OpenFile(const QString& path);
    void SouborUlozit();
    void SouborUlozitJako();
    // Saves to a file without the dialog; false after a message.
    bool SaveFile(const QString& path);
    void SouborSkryt();
    void SelectOperation(MatrixOperationCode code);
    void RunClick();   // F9, Alt+R
    void StopClick();  // F2, Alt+X
    void ToggleMode();
    void ResultCheckClick();
    void TriangleClick();
    void LuViewClick();
    void MoveResultLeftClick();
    void ShowTimeClick();
    void ConvertEquationsClick();
    void GridToEditorClick(bool rightGrid);
    void EditorToGridClick(bool rightGrid);
    void CompletionClick();
    void MemoryLoadClick(bool rightGrid);
    void ResultToMemoryClick();
    void VariantClick();
    // The matrix memory dialog for the expected result size (not shown yet).
    TMemForm* CreateMemoryDialog();
    // Every widget and enabled state from the model.
    void RefreshFromModel();
    // The detailed chart's "Přidat datovou řadu": the row, column or
    // diagonal chart used last, added as a line (nothing after a parametric
    // chart).
    void AddChartDataSeries();
    // Hands the placement of this window and of the variant window back
    // to the main window's values.
    void StorePlacement();
    // How the spreadsheet export opens its file (tests put a recorder here);
    // none: the desktop's default program.
    void SetDocumentOpener(std::function<bool(const QString&)> open) { openDocument_ = std::move(open); }

signals:
    // The window is going: the main window withdraws the CELL grid.
    void Closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RestorePlacement();
    // A window never placed before grows to show a 5×5 system with its
    // solution column without scrolling.
    void FitFirstPlacement();
    // gem_form.cpp
    QString Text(std::string_view key, std::string_view builtIn) const;
    QWidget* BuildCentre();
    void BuildStatusBar();
    void RefreshEnabled();
    void RefreshGrids();
    void RefreshTitle();
    void PushEditorToModel();
    void PullEditorFromModel();
    void OrderChanged(int n);
    void MoveAfterEnter(QTableView* view);
    void ShowInPreparation();
    ModalResult Ask(const std::string& text, MessageButtons buttons);
    bool ConfirmClose();
    // Modified data in the left grid: "Přejete si uložit data do souboru?";
    // false when the user cancels or the save does not happen.
    bool SaveChangesFirst();

    // gem_form_menus.cpp
    void BuildMenus();
    void BuildToolBar();
    QAction* NewAction(std::string_view name, std::string_view caption,
                       std::function<void()> command, std::string_view shortcut = {});
    void RefreshChecks();
    // The menu holding commands of several files (created by BuildMenus).
    QMenu* MenuNamed(std::string_view name) const;
    // The view of the active grid (the one that had the focus last).
    QTableView* ActiveView() const;
    WorksheetGridModel* GridModel(bool rightGrid) const;
    // Shows the model's grids, marks and sizes again after a data command.
    void AfterDataCommand();

    // gem_form_data.cpp: "&Data", the area and grid edits of "Ú&pravy", "&Rastr"
    void BuildDataMenus();
    void RefreshDataEnabled();
    // --- gem_form_data.cpp state
    // A data command while no computation runs, then the grids repainted.
    void DataCommand(const std::function<void()>& command);
    // A structural edit of the active grid, then the grids repainted.
    void EditCommand(bool (*edit)(Worksheet&));
    // The generation settings' radio and check items from the program's state.
    void RefreshGenerationChecks();
    void FocusGrid(bool rightGrid);
    void SelectAllClick();
    void CopyAreaClick();
    void PasteAreaClick();
    void ClearAreaClick();
    // Column widths: align to the borders, fit the texts, one width for all,
    // copy between the grids, widen one grid's panel.
    void AlignToBorders();
    void FitColumnWidths();
    void SetAllColumnWidths(QTableView* view, int width);
    // "&Rastrování": every column of the active grid as wide as the cursor's
    // cell, the cursor's column or the widest diagonal cell.
    void ColumnWidthsByCell();
    void ColumnWidthsByColumn();
    void ColumnWidthsByDiagonal();
    // The width edit changed: the left grid's data columns take it, the
    // right grid's share its width (or take it too in the equations mode
    // while the edit has the focus), the left grid's last column fills the rest.
    void ColumnWidthEdited(int width);
    void KeepLastColumnReadable();
    void WidenGrid(int how);  // 0 left, 1 right, 2 back to the normal split
    // The grid views' data behaviour, hooked once they exist: Alt+mouse over
    // a cell generates one value (Ctrl: complex), a bordered area switches
    // cell editing off, a double click on a corner widens that grid.
    void HookDataViews();
    bool dataViewsHooked_ = false;
    int rememberedLeftWidth_ = 0;

    // gem_form_search.cpp: "&Hledat" and "&Konverze"
    void BuildSearchMenus();
    void RefreshSearchEnabled();
    // --- gem_form_search.cpp state
    // Runs a search or conversion with the hourglass cursor (idle only).
    void SearchCommand(const std::function<void()>& command);
    // Both grids drawn again with the current marks.
    void RepaintMarks();
    // The cell cursor of the active grid on the found cell, scrolled into view.
    void ShowFoundCell(int row, int column);
    void SetSearchQuantityClick(int quantity);
    // The range input box's last text.
    std::string lastRangeText_;

    // gem_form_output.cpp: the number formats and outputs of "Ř&ešení", "&Graf"
    void BuildOutputMenus();
    void RefreshOutputEnabled();
    // --- gem_form_output.cpp state
    void OutputFormat(NumberFormat format);
    void OutputComplexForm(ComplexForm form);
    void ReseniUlozitDoSouboru();
    void ReseniKopirovatDoSchranky();
    void ReseniExportDoTabulky();
    void ChartClick(ChartSource source);
    std::unique_ptr<WorksheetCharts> charts_;

    // gem_form_run.cpp
    void Perform(const std::function<void()>& operation);
    void AfterRun(RunOutcome outcome);

    // WorksheetView
    void SetStatus(int panel, std::string_view text) override;
    void FocusCell(bool rightGrid, int row, int column) override;
    void SetRunning(bool running) override;
    void Refresh() override;
    // SolveHooks
    bool TraceActive() const override;
    void Trace(std::string_view line) override;
    void WatchElement(int row, int column, const ComplexValue& value) override;
    bool StopRequested() override;
    void Pass(int pass) override;
    void Row(int row) override;

    // gem_form_files.cpp
    FileDialogRequest FileRequest(std::string_view caption) const;
    void RecordRecent(const std::string& path);
    void RebuildRecentMenu();

    GemFormServices services_;
    Worksheet sheet_;

    // --- Actions and menus
    std::map<std::string, QAction*, std::less<>> actions_;
    std::map<std::string, QMenu*, std::less<>> menus_;
    QMenu* recentMenu_ = nullptr;
    QMenu* dropMenu_ = nullptr;

    // --- Widgets
    QToolBar* toolBar_ = nullptr;
    QToolButton* runButton_ = nullptr;
    QSpinBox* orderEdit_ = nullptr;
    QSpinBox* colWidthEdit_ = nullptr;  // the data columns' width
    QSplitter* gridSplitter_ = nullptr;
    QSplitter* mainSplitter_ = nullptr;
    QTableView* leftView_ = nullptr;
    QTableView* rightView_ = nullptr;
    WorksheetGridModel* leftModel_ = nullptr;
    WorksheetGridModel* rightModel_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QLabel* panels_[4] = {};
    QProgressBar* progress_ = nullptr;
    QPointer<TGemVForm> variantForm_;
    std::function<bool(const QString&)> openDocument_;

    // --- Run state
    bool running_ = false;
    bool stopRequested_ = false;
    bool closeAfterRun_ = false;
    bool refreshing_ = false;
    bool enterByColumns_ = true;
    bool luView_ = false;
    bool placementApplied_ = false;
    // The operation the run button starts: the model's current one, or the
    // mode's own (1 or 3) after the mode was chosen without an operation.
    MatrixOperationCode selected_ = op::Solve;
    void SelectForMode();
    QElapsedTimer pollTimer_;
};

}  // namespace tarvix
