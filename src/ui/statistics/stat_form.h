// TStatForm: the statistics window "Statistická analýza" (and, with "reg"
// down, "Regresní analýza") bound to its model StatWindow. The grid
// DataStringGrid is a QTableView on StatTableModel; the result panels show
// the model's texts; the buttons, the grid's popup menu and the keys run the
// model's commands. The main window reaches it through ShowStatForm and the
// host port below.
#pragma once

#include <QPointer>
#include <QPoint>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <string_view>

#include "analysis/stat_window.h"

class QAction;
class QCheckBox;
class QGridLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QMimeData;
class QSplitter;
class QTableView;
class QToolButton;

namespace tarvix {

class StatTableModel;
class TextCatalog;

// What the statistics window needs of the main window.
class StatFormHost {
public:
    virtual ~StatFormHost() = default;
    // The trimmed display text when the display shows a value, else empty.
    virtual std::string DisplayValueText() = 0;
    // "Pře&nést do výrazu": the text becomes the main input line.
    virtual void PutIntoInputLine(std::string_view text) = 0;
    // The main window's current series; nullptr when there is none.
    virtual const CurrentSeries* HostSeries() = 0;
    // The window is being closed (the "stat" and "reg" buttons go up).
    virtual void StatFormClosing() = 0;
    // The main window's file dialogs, clipboard, chart and last-used folder.
    virtual FileChoicePort& StatFiles() = 0;
    virtual ClipboardPort& StatClipboard() = 0;
    virtual AnalysisChartPort* StatChart() = 0;
    virtual std::filesystem::path& StatLastFolder() = 0;
    // The vector of a variable (a register label dropped on the grid); empty
    // when the variable holds none.
    virtual ParserFloatArray VectorOf(std::string_view /*name*/) { return {}; }
};

class TStatForm : public QWidget, private StatWindowView {
    Q_OBJECT

public:
    TStatForm(Calculator& calculator, TextCatalog& texts, StatFormHost& host, QWidget* parent);
    ~TStatForm() override;

    StatWindow& Model() { return model_; }
    QTableView* DataStringGrid() const { return grid_; }
    // The text of the grid's current cell (column 0 counts as column 1).
    QString CurrentCellText() const;
    QAction* Action(std::string_view name) const;
    QLabel* ResultLabel(bool xPanel, int row) const { return (xPanel ? xValues_ : yValues_)[row]; }
    QLineEdit* RegresniRovniceEdit() const { return function_; }
    QComboBox* RegKindComboBox() const { return kind_; }
    QCheckBox* XyCheckBox() const { return xy_; }
    // The width of the grid panel; a width set before the window is first
    // shown is applied once the panels have been laid out.
    int GridPanelWidth() const;
    void SetGridPanelWidth(int width);

    // Statistics or regression mode (the main window's "stat" and "reg").
    void SetRegressionMode(bool on);
    // Captions, headers, labels and enabling again (activation, language).
    void ApplyTexts();

    // --- Commands
    void PridatButtonClick(bool fromDisplay);
    void VlozitButtonClick(bool fromDisplay);
    void VyjmoutButtonClick();
    void VyjmoutVseClick();
    void AktualizovatButtonClick();
    void EditovatClick();
    // "&Zadávat řadu...": edit mode on, the window active and the grid's x
    // cell of the current row ready for typing.
    void StartEntering();
    void ZamenitSloupceItemClick();
    void PrenestDoVyrazuClick();
    void ImportSouborClick();
    void ImportDatovaRadaClick();
    void ImportSchrankaClick();
    void ExportSouborClick();
    void UlozitButtonClick();
    void ExportGrafItemClick();
    void ExportSchrankaWindowsItemClick();
    void SkrytClick();
    void UkoncitClick();
    // Shows the model's results (or clears the panels).
    void ShowResults();
    // The grid again after the model's table was changed directly.
    void RefreshTable() { TableReset(); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // StatWindowView
    void ShowProgress(int percent) override;
    void ProcessEvents() override;
    void FocusCell(int row, int column) override;
    bool ChooseReportItems() override;
    void TableReset() override;
    void ResultsChanged() override { ShowResults(); }

    void BuildWidgets();
    QWidget* BuildResults();
    QWidget* BuildButtons();
    void BuildPopupMenu();
    QAction* NewAction(std::string_view name, std::string_view key, std::string_view caption,
                       std::function<void()> command, std::string_view shortcut = {});
    QAction* NewAction(std::string_view name, std::string_view key, std::string_view caption,
                       void (TStatForm::*handler)(), std::string_view shortcut = {});
    QString Text(std::string_view key, std::string_view builtIn) const;
    void RefreshCommands();
    void RefreshColumns();
    // Column 0 as wide as the row numbers need, the grid never narrower
    // than the number column and its value columns with their headers.
    void RefreshNumberColumn();
    void RefreshOptions();
    void OptionsChanged();
    void SyncCurrentRow();
    void SetCurrent(int row, int column);
    // Up or Down on the last row in edit mode: a row appended or the empty
    // last row dropped, the cell cursor on the new last row. False when the
    // key is an ordinary move.
    bool ArrowOnLastRow(int key);
    // Up or Down from a cell editor that has just committed its text.
    void ArrowFromEditor(int key);
    // A drag from the main window dropped on the grid at a viewport point.
    bool DropOnGrid(const QMimeData* mime, const QPoint& at);

    Calculator& calculator_;
    TextCatalog& texts_;
    StatFormHost& host_;
    StatWindow model_;
    StatTableModel* tableModel_ = nullptr;
    std::map<std::string, QAction*, std::less<>> actions_;

    // --- Widgets
    QTableView* grid_ = nullptr;
    QSplitter* splitter_ = nullptr;
    std::optional<QPoint> dragStart_;  // a left press in the grid, until the mouse moves
    int pendingPanelWidth_ = 0;
    QMenu* popup_ = nullptr;
    QGridLayout* results_ = nullptr;
    QLabel* labelHeader_ = nullptr;
    QLabel* xHeader_ = nullptr;
    QLabel* yHeader_ = nullptr;
    std::array<QLabel*, kResultRows> labels_{};
    std::array<QLabel*, kResultRows> xValues_{};
    std::array<QLabel*, kResultRows> yValues_{};
    QLabel* covariance_ = nullptr;
    QLabel* variability_ = nullptr;
    QLineEdit* function_ = nullptr;
    QComboBox* kind_ = nullptr;
    QCheckBox* xy_ = nullptr;
    QCheckBox* edit_ = nullptr;
    QCheckBox* rndData_ = nullptr;
    QCheckBox* rndStat_ = nullptr;
    QSpinBox* rndEdit_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* pridat_ = nullptr;
    QPushButton* aktualizovat_ = nullptr;
    std::map<std::string, QPushButton*, std::less<>> buttons_;
    bool refreshing_ = false;
    bool closing_ = false;
};

}  // namespace tarvix
