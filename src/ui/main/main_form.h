// TMainForm: the calculator's main window bound to the Calculator model. It
// shows the model's state (display, input line, registers, switches, keypad
// modifiers, options, renaming mode) and passes the user's actions to it; the
// model reaches back through the dialogs, clipboard, view and hook ports that
// this window implements.
//
// The members are grouped by role: the model and its ports, the actions and
// menus (built from tables in main_form_menus.cpp), and the widgets (display
// and input line in main_form.cpp, switches and keypad in
// main_form_panels.cpp, registers in main_form_registers.cpp).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"
#include "series/chart_examples.h"
#include "series/series_controller.h"
#include "storage/calculator_session.h"
#include "storage/preferences.h"
#include "storage/text_catalog.h"
#include "ui/main/main_form_widgets.h"
#include "ui/main/input_event_filter.h"
#include "ui/widgets/qt_clipboard.h"
#include "ui/widgets/qt_dialogs.h"
#include "ui/statistics/stat_form.h"
#include "ui/statistics/stat_form_port.h"
#include "ui/lists/vector_transfers.h"

class QActionGroup;
class QComboBox;
class QFrame;
class QLabel;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QToolBar;
class QToolButton;

namespace tarvix {

class TConstForm;
class TDispForm;
class TPrefForm;
class TTrayIcon;
class TConvForm;
class TDisplayLabel;
class TExprForm;
class TFuncForm;
class TGemForm;
class THelpLink;
struct MainMatrixState;
class TLogForm;
class TParamDlg;
class TMainFormTools;
class QtFileChoice;
class TPostfixSpinBox;
class TRegisterLabel;
class TTaskLink;
class TVarForm;
struct UserConst;

class DataPump;
class TChartLink;
class AnalysisChartLink;

class TMainForm : public QMainWindow,
                  private CalculatorView,
                  private CalculatorHooks,
                  private RunControlPort,
                  private InputKeyTarget,
                  private StatFormHost,
                  private VarFormVectorPort,
                  private PreferencesPort {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    Calculator& Model() { return calculator_; }
    TextCatalog& Texts() { return texts_; }
    QtDialogs& Dialogs() { return dialogs_; }

    QComboBox* ExprComboBox() const { return widgets_.ExprComboBox; }
    QLabel* StaticTextDisplay() const;
    QPushButton* VypocetButton() const { return widgets_.VypocetButton; }
    QComboBox* RegisterBox(BoxId box) const;
    TRegisterLabel* RegisterLabel(BoxId box) const;
    QAction* Action(std::string_view name) const;

    // Puts a text into the input line and runs the calculation command.
    void CalculateText(const QString& text);
    // Sets every caption again from the text catalog (after a language change).
    void ApplyTexts();
    // "&Mini okno": the compact layout without the keypad area and tool bar.
    void SetCompactLayout(bool compact);
    bool CompactLayout() const { return compact_; }

    // --- Commands of the menus, tool bar and buttons (the menu tables name them)
    void VypocetButtonClick();
    void VypocetSpeedButtonClick();
    void KopirujClick();
    void PromennePanelClick();
    void FunkceSpeedButtonClick();
    void ClearPanelClick();
    void ResetSpeedButtonClick();
    void PromenneZmenitNazevItemClick();
    void AutoRegisterClick();
    void NumberInsteadAnsClick();
    void EnterInsertsDataClick();
    void StayOnTopClick();
    void MiniWindowClick();
    void AboutClick();
    void HelpTopicClick();
    void ExitClick();
    void VyrazSpeedButtonClick();
    void FunctionModeInsertClick();
    void FunctionModeEvalClick();
    void StatisticsWindowClick();
    void SouborNovyItemClick();
    void SouborOtevritItemClick();
    void SouborUlozitItemClick();
    void SouborUlozitJakoItemClick();
    void HistorieItemClick();
    // "&Matice": the worksheet in the equations or the operations mode.
    void SoustavaRovnicItemClick();
    void OperaceSMaticemiItemClick();
    // The worksheet window while it exists.
    TGemForm* GemForm() const;
    // --- Statistics (main_form_stat.cpp)
    void StatSpeedButtonClick();
    void RegSpeedButtonClick();
    void AnalyzaStatistickaItemClick();
    // "&Zadávat řadu...": "stat" pressed, then the statistics grid in edit
    // mode ready for typing.
    void SouborZadavatRaduItemClick();
    void AnalyzaRegresniItemClick();
    void DataSpeedButtonClick();
    void ViewSpeedButtonClick();
    // Creates the statistics window when needed and shows it.
    void ShowStatForm();
    TStatForm* StatForm() const { return statForm_; }
    // "&Fourierova" of the menu "&Analýza": the current series' values.
    void AnalyzaFourierovaItemClick();
    // "&Fourierova analýza" of a variable: its vector's real parts.
    void FourierVectorClick(const std::string& name);

    // --- Series and vectors (main_form_series.cpp)
    SeriesController& Series() { return *series_; }
    void RadaIteraciPromenneItemClick();
    void RadaIteraciParametruItemClick();
    void RadaRozvojemItemClick();
    void RadaKomplexniItemClick();
    void PromenneImportVektoruItemClick();
    void PromenneExportVektoruItemClick();
    void PromenneSmazatVektoryItemClick();
    void StopSpeedButtonClick();
    // The parameter dialog; true when it was closed with OK.
    bool ShowParamDlg();
    // The parameter dialog for the current input line and boxes, not yet shown.
    std::unique_ptr<TParamDlg> MakeParamDlg();
    // A transfer of the variable popup (codes of series/data_pump.h).
    void RunDataPump(int source, int destination, const std::string& name,
                     const std::string& file = {});

    // --- Charts (main_form_chart.cpp)
    TChartLink& Charts();
    // The chart panel with the small chart in place of the function keys.
    void ShowChartPanel();
    // "Př&enést data do statistiky": the current series into the statistics window.
    void SeriesToStatistics();
    // An example dialog of the menu "&Graf", then the example's run.
    void GrafExampleClick(ExampleList list);
    void RunExample(ExampleList list, const TKrivka& example, const QString& name);

    // Start-up after the window exists: the settings file, the ".fx" first
    // argument and the windows that were open at the last exit.
    void LoadSession(const QString& firstArgument);
    // Writes the settings file as the exit does, without closing anything
    // (the session manager's save request before a logout).
    void SaveWorkingState();
    // A quit request: the long runs on the stack (a series run, a worksheet
    // solver) stop at their next step.
    void StopRuns();
    CalculatorSession& Session() { return *session_; }
    QtFileChoice& Files() { return *files_; }

    // --- Tools: conversion, period, constants, VAT (main_form_tools.cpp)
    void FunkcePrevodyItemClick();
    void FunkceObdobiItemClick();
    void UzivatelskeKonstantyItemClick();
    // "const": with Shift the chosen built-in constant, else the user constants.
    void ConstPanelClick();
    // ">": the menu of the built-in constants.
    void ConstPopupPanelClick();
    void DPHSpeedButtonClick();
    QMenu* ConstPopupMenu() const;
    QToolButton* DPHSpeedButton() const;
    TConvForm* ConvForm() const;
    TConstForm* ConstForm() const;
    // A text into the focused register box, else into the input line,
    // replacing the selection.
    void InsertConstantText(const QString& text);
    // A text into the input line at the selection it had when it last lost
    // the focus; the main window is activated.
    void InsertIntoInputLine(const QString& text);
    // A user constant whose shortcut the key press is: its value goes into
    // the input line; true when one matched (the key is consumed).
    bool InsertUserConstant(int key, Qt::KeyboardModifiers modifiers);
    std::vector<UserConst> UserConstants() const;
    void SetUserConstants(const std::vector<UserConst>& constants);
    // The holiday list of the settings (the language's built-in list when empty).
    std::vector<std::string> HolidayLines() const override;
    void SetHolidayLines(std::vector<std::string> lines);
    // Opens a tool window for a picture: "conv", "date", "const", "holidays",
    // "vat" (the main window in VAT mode); nullptr for another name.
    QWidget* OpenToolWindowForPicture(const QString& name);

    // --- Help (main_form_help.cpp)
    // The help window at the page of a help context (0: the contents); the
    // help button of every message box comes here.
    void ShowHelpTopic(int context);
    // The page of a task statement keyword (Alt+F1 in the task editor).
    void ShowHelpForKeyword(const QString& word);
    // HELP(topic) of a task: a help-context number or a keyword.
    void ShowHelpText(const QString& topic);
    // "&Obsah" of the menu "&Nápověda".
    void HelpContentsClick();
    // The help language, the help window, F1 in every window.
    THelpLink& Help() { return *help_; }
    // --- Settings windows: the expression editor, the preferences, the
    // notification-area icon (main_form_settings.cpp)
    void EditorVyrazuItemClick();
    void NastaveniItemClick();
    TDispForm* DispForm() const;
    // The preferences dialog shown without waiting, on one of its tabs (for
    // pictures): "prefs", "prefs-functions", "prefs-history",
    // "prefs-language", "prefs-appearance", "prefs-holidays".
    TPrefForm* ShowPrefFormOnTab(int tab);
    // Starts minimised (the autostart entry's --minimized).
    void StartMinimized();
    // --- Tasks (main_form_tasks.cpp): the runner, the output window, RUN name
    TTaskLink& Tasks();
    void FunkcePruvodceItemClick();
    void FunkceResitSoustavuItemClick();
    // A model operation run as the window's own commands run theirs: the
    // widgets' texts handed over first, the window brought up to date after.
    void RunModelOperation(const std::function<void()>& operation) { Perform(operation); }
    // --- Expression library (ui/library/main_form_library.cpp)
    // "&Knihovna výrazů": the library window on the library the settings name.
    void FunkceKnihovnaItemClick();
    // The library window on a file; a file given at start is `locked` (edit
    // mode off, the library menu and the save command disabled).
    void OpenLibraryFile(const QString& file, bool locked);
    TExprForm* ExprForm() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // --- Binding to the model (main_form.cpp)
    // Runs a model operation with the widgets' texts handed over first and
    // the whole window brought up to date afterwards; errors are shown.
    void Perform(const std::function<void()>& operation);
    void PushTextsToModel();
    void RefreshFromModel();
    void RefreshDisplay();
    void RefreshInputLine();
    void ApplyPendingFocus();
    QLineEdit* BoxEdit(BoxId box) const;
    std::optional<BoxId> BoxOfEdit(const QObject* edit) const;
    QString Text(std::string_view section, std::string_view key, std::string_view builtIn);
    void ShowInPreparation();

    // CalculatorView
    bool IsActive() const override;
    void FocusBox(BoxId box, TextSelection selection) override;
    void SelectFocusedText() override;
    void ShowExtraRegisters() override;
    // CalculatorHooks (the subsystems not built yet keep the inert defaults)
    void RunTask(std::string_view name) override;
    void RefreshVariableList() override;
    void RefreshVarLabels() override;
    void RecordCalculation(std::string_view expression, std::string_view result) override;
    void ResetDataFileName() override;
    void RefreshTitle();
    // CalculatorHooks of the statistics window and its host (main_form_stat.cpp)
    void AppendStatisticsData(const ComplexValue& value) override;
    void ClearStatistics() override;
    std::string DisplayValueText() override;
    void PutIntoInputLine(std::string_view text) override;
    const CurrentSeries* HostSeries() override;
    void StatFormClosing() override;
    FileChoicePort& StatFiles() override;
    ClipboardPort& StatClipboard() override { return clipboard_; }
    AnalysisChartPort* StatChart() override;
    std::filesystem::path& StatLastFolder() override;
    ParserFloatArray VectorOf(std::string_view name) override;
    void SetStatButtons(bool stat, bool reg);
    void RefreshDataButton();
    void ReadStatSettings();
    void InitStatistics();
    bool FourierEnabled() const;
    void PaintFourierProgress();
    QString FourierHint();
    void WriteStatSettings();
    // InputKeyTarget
    void CalculateFromBox() override;
    void OpenConstantsMenu() override;
    void ToggleSpaceAsBrackets() override;
    void CopyDisplayText() override;
    void BoxTyped(BoxId box) override;

    // --- Series and vectors (main_form_series.cpp)
    void InitSeries();
    void LoadSeriesSettings();
    void SaveSeriesSettings();
    void RefreshSeriesActions();
    void RefreshVectorLabel(BoxId box);
    void AddVectorItems(QMenu& menu, BoxId box);
    // VarFormVectorPort: the vector transfers of a variable, shared by the
    // register popup and the variable list window
    bool VectorsOn() const override;
    bool HoldsVector(std::string_view name) const override;
    bool ImportEnabled(const VectorTransferItem& item) const override;
    void RunVectorTransfer(const VectorTransferItem& item, const std::string& name) override;
    void AnalyzeVector(const std::string& name) override;
    // CalculatorHooks of the series
    bool PrepareSeries(std::string_view typed, std::string& text) override;
    bool BranchToSeries(Calculator& calculator, bool xRangeUsed) override;
    std::optional<ComplexValue> EvaluateSeriesExpansion(TParser& parser) override;
    void ClearSeries() override;
    void ClearAllVectors() override;
    void RemoveVector(std::string_view name) override;
    // RunControlPort: the running state of the window
    void BeginRun() override;
    void EndRun() override;
    void ProcessEvents() override;
    void ShowProgress(std::string_view text) override;
    void SetBusy(bool busy) override;

    // --- Charts (main_form_chart.cpp)
    void BuildChart();
    void RefreshChartActions();
    // The worksheet's chart commands: the series becomes the current series
    // and goes to the detailed chart under `title`; the complex quantity
    // (0 modulus … 4 Gaussian plane) checks the chart items.
    void ChartWorksheetSeries(CurrentSeries series, std::string_view title, bool bars);
    void SetChartQuantity(int quantity);
    // --- Help (main_form_help.cpp)
    void BuildHelp();
    // --- Tools (main_form_tools.cpp)
    void BuildTools();
    void SyncVatButton();
    void PrepareVat();
    void VatCalculation(Calculator& calculator) override;
    void ReleaseVat() override;
    void ConstantChosen(int index);
    // The user constants window's rows go to the settings before they are written.
    void StoreToolWindows();
    // The tools' windows and their key watcher go before the model.
    void DestroyTools();

    // --- Menus, tool bar and captions (main_form_menus.cpp)
    void BuildMenus();
    void BuildToolBar();
    void BuildDisplayPopupMenu();
    // An action bound to its caption; an empty command shows "Připravuje se..".
    QAction* NewAction(std::string_view name, std::string_view section, std::string_view key,
                       std::string_view caption, std::function<void()> command);
    std::function<void()> Command(void (TMainForm::*handler)());
    void BindText(QObject* target, std::string_view section, std::string_view key,
                  std::string_view builtIn, bool hint = false);
    void RefreshActions();

    // --- Switches, keypad, rounding and postfix (main_form_panels.cpp)
    QWidget* BuildDisplay();
    QWidget* BuildInputRow();
    QWidget* BuildSideButtons();
    QWidget* BuildKeypad();
    void BuildSwitchesPanel();
    // The window's least width shows every status-bar panel whole.
    void KeepStatusBarReadable();
    QToolButton* NewButton(QWidget* parent, std::string_view name, std::string_view section,
                           std::string_view caption, std::string_view hint = {});
    // A switch button or panel clicked: the switch runs (Shift runs the base backwards).
    void SwitchClick(ModeSwitch which, SwitchSource source);
    void ApplySwitch(const std::function<SwitchChanges(ModeSwitches&)>& change);
    void KeypadKeyClick(KeypadKey key);
    void ModifierClick();
    void DmsSpeedButtonClick();
    void ShowPanelPage(int page);
    void RefreshSwitches();
    bool RunShortcut(QKeyEvent* event);
    void RunShortcutCommand(ShortcutCommand command);

    // --- Registers (main_form_registers.cpp)
    QWidget* BuildRegisterGrid(std::initializer_list<BoxId> boxes);
    void RefreshRegisters();
    void RefreshRenamingMode();
    void RegisterLabelClick(BoxId box);
    void ShowVarPopupMenu(BoxId box, const QPoint& at);
    bool RegisterDragEvent(QObject* watched, QEvent* event);

    // --- Matrix worksheet (main_form_matrix.cpp)
    MainMatrixState& Matrix();
    void OpenWorksheet(bool equations);
    // The worksheet's placements and recent files into the settings.
    void StoreMatrixSettings();

    // --- Settings windows (main_form_settings.cpp)
    void InitSettingsWindows();
    // Closes the expression editor before the exit; false when the user kept it.
    bool CloseDispForm(OpenWindows& open);
    std::unique_ptr<TPrefForm> NewPrefForm();
    // The preferences' language list: every language file there is, CZECH always.
    std::vector<std::string> LanguageNamesOfHub();
    // PreferencesPort
    bool VarAsVector() const override;
    bool VectorsExist() const override;
    void ApplyVarAsVector(bool on) override;
    void ApplyHistoryMode(HistoryMode mode) override;
    void ApplyLanguage(const std::string& language) override;
    void ApplyAppearance() override;
    void ApplyApplicationOptions() override;
    bool SetStartAtLogin(bool on) override;
    void RefreshProgram() override;
    // --- Expression library (ui/library/main_form_library.cpp)
    TExprForm* CreateExprForm();
    // The task link's library hooks: RUN name, the equations and the
    // library's editor go through the library window.
    void BindLibraryTasks();
    // Start-up: the default library copied at first start, an ".exp" first
    // argument opened in the library window.
    void StartLibrary(const QString& firstArgument);
    // The library window goes first at exit; false when it stays open (the
    // user kept its unsaved changes).
    bool CloseExprForm();

    // --- Model, texts and ports
    TextCatalog texts_;
    Calculator calculator_;
    QtDialogs dialogs_;
    QtClipboard clipboard_;
    TInputEventFilter inputFilter_;

    // --- Actions and menus
    std::map<std::string, QAction*, std::less<>> actions_;
    std::map<std::string, QMenu*, std::less<>> menus_;
    QMenu* displayPopupMenu_ = nullptr;
    struct TextBinding {
        QPointer<QObject> Target;
        std::string Section;
        std::string Key;
        std::string BuiltIn;
        bool Hint = false;
    };
    std::vector<TextBinding> textBindings_;

    // --- Widgets
    MainFormWidgets widgets_;

    // --- Other windows, created on first use
    QPointer<TVarForm> varForm_;
    QPointer<TFuncForm> funcForm_;
    QPointer<TLogForm> logForm_;
    QPointer<TStatForm> statForm_;
    QPointer<TDispForm> dispForm_;
    std::unique_ptr<PreferencesModel> prefModel_;
    std::unique_ptr<TPrefForm> prefForm_;
    TTrayIcon* tray_ = nullptr;
    QPointer<TExprForm> exprForm_;
    std::unique_ptr<StatFormPort> statPort_;  // the statistics grid for the series
    // --- Series, vectors and the running state of a run
    std::unique_ptr<SeriesController> series_;
    std::unique_ptr<DataPump> pump_;
    // --- The charts: the detailed chart window, the small chart, the "&Graf" state
    std::unique_ptr<TChartLink> chart_;
    // The analyses' charts (statistics, regression, Fourier) drawn by chart_.
    std::unique_ptr<AnalysisChartLink> analysisChart_;
    struct RunState {
        QString CalculateCaption;
        QString StopCaption;
        std::vector<QPointer<QObject>> Disabled;  // widgets and actions switched off
        qint64 LastEvents = 0;                    // when pending events last ran (ms)
    } runState_;
    std::unique_ptr<MainMatrixState> matrix_;  // memory, recent files, the worksheet
    TMainFormTools* tools_ = nullptr;  // a child object: conversion, constants, VAT
    THelpLink* help_ = nullptr;        // a child object: the help window and F1
    // --- The working state on disk (settings, data file, history)
    std::unique_ptr<CalculatorSession> session_;
    std::unique_ptr<QtFileChoice> files_;
    // --- Tasks, created on first use (main_form_tasks.cpp)
    std::unique_ptr<TTaskLink> tasks_;
    bool CloseTasks();

    // --- Window state
    bool compact_ = false;
    bool refreshing_ = false;  // widget signals caused by a refresh are not user actions
    int performDepth_ = 0;     // model operations in progress
    int panelPage_ = 0;        // the lower area's page while it is shown
    struct PendingFocus {
        BoxId Box;
        TextSelection Selection;
    };
    std::optional<PendingFocus> pendingFocus_;
};

}  // namespace tarvix
