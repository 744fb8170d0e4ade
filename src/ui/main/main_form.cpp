// The main window: construction, the binding to the model (texts handed over
// before each operation, every widget brought up to date after it), the
// ports the model reaches the window through, and its events.
#include "ui/main/main_form.h"
#include "ui/main/main_window_link.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QVBoxLayout>

#include "storage/default_language.h"
#include "ui/chart/analysis_chart_link.h"
#include "ui/chart/chart_link.h"
#include "ui/language/language_hub.h"
#include "ui/library/expr_form.h"
#include "ui/lists/function_list_form.h"
#include "ui/lists/log_form.h"
#include "ui/lists/var_form.h"
#include "ui/main/display_label.h"
#include "ui/main/main_form_matrix.h"
#include "ui/settings/disp_form.h"
#include "ui/settings/pref_form.h"
#include "ui/shell/app_icon.h"
#include "ui/shell/data_paths.h"
#include "ui/shell/qt_translations.h"
#include "ui/tasks/task_link.h"
#include "ui/widgets/qt_file_choice.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// Replaces a combo box's drop-down list by `entries` when it differs, keeping
// the edit text and its selection.
void SetComboItems(QComboBox* combo, const std::vector<std::string>& entries) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries) items << ToQ(entry);
    QStringList current;
    for (int i = 0; i < combo->count(); ++i) current << combo->itemText(i);
    if (items == current) return;
    QLineEdit* edit = combo->lineEdit();
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    const int selStart = edit->selectionStart();
    const int selLength = static_cast<int>(edit->selectedText().size());
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    edit->setText(text);
    if (selStart >= 0) {
        edit->setSelection(selStart, selLength);
    } else {
        edit->setCursorPosition(cursor);
    }
}

void SetEditText(QLineEdit* edit, const std::string& text) {
    const QString wanted = ToQ(text);
    if (edit->text() != wanted) edit->setText(wanted);
}

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      dialogs_(calculator_.Texts(), this),
      inputFilter_(calculator_, *this, this),
      series_(std::make_unique<SeriesController>(calculator_)),
      pump_(std::make_unique<DataPump>(*series_, calculator_, clipboard_)) {
    setObjectName(QStringLiteral("TMainForm"));
    setWindowIcon(AppIcon());

    calculator_.SetDialogs(&dialogs_);
    calculator_.SetClipboard(&clipboard_);
    calculator_.SetView(this);
    calculator_.SetHooks(this);
    dialogs_.SetHelpHandler([this](int context) { ShowHelpTopic(context); });
    // The display and the "%g" texts use the desktop's decimal separator.
    CalculatorOptions options = calculator_.Options();
    options.DecimalSeparator =
        QLocale::system().decimalPoint() == QStringLiteral(",") ? ',' : '.';
    calculator_.SetOptions(options);
    // Until the settings file is read at start, the window starts in degrees.
    calculator_.SetAngleUnits(auDeg);

    BuildMenus();
    BuildToolBar();
    BuildDisplayPopupMenu();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("CentralPanel"));
    auto* layout = new QVBoxLayout(central);
    layout->setSpacing(8);
    layout->addWidget(BuildDisplay());
    layout->addWidget(BuildInputRow());
    widgets_.MainPanel = new QWidget(central);
    widgets_.MainPanel->setObjectName(QStringLiteral("MainPanel"));
    auto* main = new QHBoxLayout(widgets_.MainPanel);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(12);
    main->addWidget(BuildRegisterGrid({BoxId::X, BoxId::A, BoxId::Y, BoxId::B}), 1);
    main->addWidget(BuildSideButtons());
    layout->addWidget(widgets_.MainPanel);
    layout->addWidget(BuildKeypad(), 1);
    setCentralWidget(central);
    BuildSwitchesPanel();
    BuildTools();
    // "&Ukázka grafu funkce KP" takes its expression from the expression library.
    if (QAction* example = Action("GrafUkazkaKPItem")) {
        disconnect(example, &QAction::triggered, nullptr, nullptr);
        connect(example, &QAction::triggered, this, [this] { Tasks().ComplexChartExample(); });
    }

    // Tab order: the input line, the registers in their loading order, then
    // the calculate button; the keypad follows in its own order.
    QWidget* previous = widgets_.ExprComboBox;
    for (BoxId box : kRegisterLoadOrder) {
        setTabOrder(previous, RegisterBox(box));
        previous = RegisterBox(box);
    }
    setTabOrder(previous, widgets_.VypocetButton);

    // The window sees every key of its widgets first (its shortcuts).
    qApp->installEventFilter(this);
    inputFilter_.Watch(widgets_.ExprComboBox, BoxId::Input);
    for (BoxId box : kRegisterLoadOrder) inputFilter_.Watch(RegisterBox(box), box);

    session_ = std::make_unique<CalculatorSession>(
        calculator_, texts_,
        SessionPaths::FromEnvironment(XdgEnvironment::FromProcess(),
                                      LanguageFolders::OfProcess().Shipped));
    files_ = std::make_unique<QtFileChoice>(this);
    InstallLanguage(*this);  // the language hub and the tip of the day
    InitSeries();
    BuildHelp();
    // Qt's dialogs speak the interface's language: the built-in one until a
    // language is applied (the language hub installs its translations then).
    InstallQtTranslations(kBuiltInLanguage);
    BuildChart();

    ApplyTexts();
    RefreshFromModel();
    RefreshTitle();
    widgets_.ExprComboBox->setFocus();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // A series run is on the stack below the event loop: it stops first.
    if (series_->Running()) {
        series_->RequestStop();
        event->ignore();
        return;
    }
    if (!CloseTasks()) {
        event->ignore();
        return;
    }
    // The library window asks about its unsaved changes; Cancel keeps both open.
    if (!CloseExprForm()) {
        event->ignore();
        return;
    }
    OpenWindows open{logForm_ && logForm_->isVisible(), false};
    // The expression editor may keep the program open (its unsaved worksheet).
    if (!CloseDispForm(open)) {
        event->ignore();
        return;
    }
    if (varForm_) varForm_->close();
    if (funcForm_) funcForm_->close();
    if (logForm_) logForm_->close();
    delete logForm_;
    // The detailed chart hands its placement and colours to the settings.
    if (chart_ && chart_->Form()) chart_->Form()->close();
    if (statForm_) {
        WriteStatSettings();
        delete statForm_;
    }
    SaveSeriesSettings();
    StoreToolWindows();
    StoreMatrixSettings();
    session_->Save(open);
    QMainWindow::closeEvent(event);
}

TMainForm::~TMainForm() {
    // The model and the session are members: they go before the base class
    // destroys the child widgets, and children still signal while they go
    // (the focused input line activates its text on losing the focus). So
    // the windows that refer to the model go first, and every connection
    // from a child to this window is cut before any member is destroyed.
    qApp->removeEventFilter(this);
    tasks_.reset();
    if (matrix_) delete matrix_->Form;
    delete exprForm_;
    delete logForm_;
    delete dispForm_;
    prefForm_.reset();
    delete varForm_;
    delete funcForm_;
    series_->SetChart(nullptr);
    chart_.reset();
    delete statForm_;
    DestroyTools();
    for (QObject* child : findChildren<QObject*>()) {
        QObject::disconnect(child, nullptr, this, nullptr);
        child->removeEventFilter(this);
    }
    calculator_.SetView(nullptr);
    calculator_.SetHooks(nullptr);
    calculator_.SetDialogs(nullptr);
    calculator_.SetClipboard(nullptr);
}

QLabel* TMainForm::StaticTextDisplay() const {
    return widgets_.StaticTextDisplay;
}

QComboBox* TMainForm::RegisterBox(BoxId box) const {
    return widgets_.Boxes[static_cast<std::size_t>(box) % kRegisterCount];
}

TRegisterLabel* TMainForm::RegisterLabel(BoxId box) const {
    return widgets_.Labels[static_cast<std::size_t>(box) % kRegisterCount];
}

QLineEdit* TMainForm::BoxEdit(BoxId box) const {
    return box == BoxId::Input ? widgets_.ExprComboBox->lineEdit() : RegisterBox(box)->lineEdit();
}

std::optional<BoxId> TMainForm::BoxOfEdit(const QObject* edit) const {
    // The combo box is the focus widget; its line edit takes the drops.
    if (edit == widgets_.ExprComboBox || edit == widgets_.ExprComboBox->lineEdit())
        return BoxId::Input;
    for (BoxId box : kRegisterLoadOrder) {
        if (edit == RegisterBox(box) || edit == BoxEdit(box)) return box;
    }
    return std::nullopt;
}

QString TMainForm::Text(std::string_view section, std::string_view key, std::string_view builtIn) {
    return ToQ(texts_.Text(section, key, builtIn));
}

void TMainForm::CalculateText(const QString& text) {
    widgets_.ExprComboBox->lineEdit()->setText(text);
    VypocetButtonClick();
}

// --- Binding to the model

void TMainForm::Perform(const std::function<void()>& operation) {
    if (performDepth_ > 0) {
        // Inside another operation (a dialog of it is open): the outer one
        // hands the texts over and refreshes.
        operation();
        return;
    }
    const QScopedValueRollback depth(performDepth_, 1);
    pendingFocus_.reset();
    PushTextsToModel();
    try {
        operation();
    } catch (const std::exception& error) {
        calculator_.ReportError(error);
    }
    RefreshFromModel();
    pendingFocus_.reset();
}

void TMainForm::PushTextsToModel() {
    calculator_.SetInputText(ToStd(widgets_.ExprComboBox->lineEdit()->text()));
    for (BoxId box : kRegisterLoadOrder) {
        const std::string text = ToStd(BoxEdit(box)->text());
        if (text != calculator_.RegisterAt(box).Box) calculator_.SetRegisterBox(box, text);
    }
}

void TMainForm::RefreshFromModel() {
    const QScopedValueRollback guard(refreshing_, true);
    RefreshDisplay();
    RefreshInputLine();
    RefreshRegisters();
    RefreshSwitches();
    RefreshRenamingMode();
    RefreshActions();
    ApplyPendingFocus();
}

void TMainForm::RefreshDisplay() {
    widgets_.StaticTextDisplay->SetDisplayText(ToQ(calculator_.DisplayText()));
    widgets_.StaticTextDisplay->setToolTip(ToQ(calculator_.DisplayHint()));
    const bool complex = calculator_.NumericalScope() == nsComplex;
    widgets_.DisplayFrame->setBackgroundRole(complex ? QPalette::ToolTipBase : QPalette::Base);
    widgets_.StaticTextDisplay->setForegroundRole(complex ? QPalette::ToolTipText : QPalette::Text);
    widgets_.PromennePanel->setToolTip(ToQ(calculator_.VariablesHint()));
}

void TMainForm::RefreshInputLine() {
    SetComboItems(widgets_.ExprComboBox, calculator_.InputHistory());
    SetEditText(widgets_.ExprComboBox->lineEdit(), calculator_.InputText());
    const std::string hint = calculator_.ExpressionHint();
    widgets_.VyrazSpeedButton->setToolTip(
        hint.empty() ? Text("ExprGroup", "VyrazSpeedButtonHint", "Zadané výrazy") : ToQ(hint));
}

void TMainForm::ApplyPendingFocus() {
    if (!pendingFocus_) return;
    QLineEdit* edit = BoxEdit(pendingFocus_->Box);
    if (!edit->isEnabled() || !edit->isVisibleTo(this)) return;
    edit->setFocus();
    const QString text = edit->text();
    const TextSelection& selection = pendingFocus_->Selection;
    if (selection.Length < 0) {
        edit->selectAll();
        return;
    }
    const int start = QtPosition(text, selection.Start);
    const int end = QtPosition(text, selection.Start + static_cast<std::size_t>(selection.Length));
    edit->setSelection(start, end - start);
}

// --- Ports

bool TMainForm::IsActive() const {
    return isActiveWindow();
}

void TMainForm::FocusBox(BoxId box, TextSelection selection) {
    if (box == BoxId::Input) {
        SetEditText(BoxEdit(box), calculator_.InputText());
    } else {
        SetEditText(BoxEdit(box), calculator_.RegisterAt(box).Box);
    }
    pendingFocus_ = PendingFocus{box, selection};
    ApplyPendingFocus();
}

void TMainForm::SelectFocusedText() {
    if (std::optional<BoxId> box = BoxOfEdit(QApplication::focusWidget())) {
        pendingFocus_ = PendingFocus{*box, TextSelection::All()};
        ApplyPendingFocus();
    }
}

void TMainForm::ShowExtraRegisters() {
    ShowPanelPage(1);
}

void TMainForm::RefreshVariableList() {
    if (varForm_ && varForm_->isVisible()) varForm_->Refresh();
}

void TMainForm::RefreshVarLabels() {
    if (!refreshing_) RefreshRegisters();
}

void TMainForm::ShowInPreparation() {
    tarvix::ShowInPreparation(calculator_, texts_);
}

// --- Keys of the boxes

void TMainForm::CalculateFromBox() {
    VypocetButtonClick();
}

void TMainForm::OpenConstantsMenu() {
    ConstPopupPanelClick();
}

void TMainForm::ToggleSpaceAsBrackets() {
    CalculatorOptions options = calculator_.Options();
    options.SpaceAsBrackets = !options.SpaceAsBrackets;
    calculator_.SetOptions(options);
}

void TMainForm::CopyDisplayText() {
    calculator_.CopyDisplayToClipboard();
}

void TMainForm::BoxTyped(BoxId box) {
    if (box != BoxId::Input && calculator_.RenamingMode()) RefreshRegisters();
}

// --- Events

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() == this && !refreshing_) {
                return RunShortcut(static_cast<QKeyEvent*>(event));
            }
            break;
        }
        case QEvent::Hide:
        case QEvent::Show:
            // Asked of the object itself: a window in its destructor is no
            // longer a TFuncForm, and the guarded pointer must not be cast to one.
            if (qobject_cast<TFuncForm*>(watched)) RefreshActions();
            break;
        case QEvent::StatusTip:
            // The command panels live in the status bar's message area: their
            // own status tip would hide them under the pointer. Their hints
            // show as tool tips.
            if (widgets_.CommandPanels && watched != widgets_.CommandPanels &&
                widgets_.CommandPanels->isAncestorOf(qobject_cast<QWidget*>(watched))) {
                return true;
            }
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return RegisterDragEvent(watched, event);
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && widgets_.StaticTextDisplay) RefreshDisplay();
}

}  // namespace tarvix
