// The main window's display, input line, side buttons, the lower area with
// its pages (function keypad, extra registers), the switch indicators of the
// status bar, and what they do: mode switches, function keys with inv and
// hyp, rounding and engineering postfix, d:m:s.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "calculator/text_trim.h"
#include "ui/display_font.h"
#include "ui/display_label.h"
#include "ui/main_form.h"
#include "ui/postfix_spin_box.h"
#include "ui/qt_text.h"

namespace tarvix {
namespace {

// Where each function key sits on the keypad's 3 × 4 grid, and the caption
// of the keys whose built-in face is a picture.
struct KeyFace {
    KeypadKey Key;
    std::string_view Caption;
    int Row;
    int Column;
};
constexpr KeyFace kKeyFaces[] = {
    {KeypadKey::Sin, "sin", 0, 0},      {KeypadKey::Cos, "cos", 0, 1},
    {KeypadKey::Tan, "tg", 0, 2},       {KeypadKey::Sqrt, "√x", 0, 3},
    {KeypadKey::Log, "log", 1, 0},      {KeypadKey::Ln, "ln", 1, 1},
    {KeypadKey::Factorial, "n!", 1, 2}, {KeypadKey::Reciprocal, "1/x", 1, 3},
    {KeypadKey::Exp10, "10^x", 2, 0},   {KeypadKey::Exp, "e^x", 2, 1},
    {KeypadKey::Power, "y^x", 2, 2},    {KeypadKey::Square, "x²", 2, 3},
};

struct SwitchRow {
    ModeSwitch Switch;
    std::string_view ButtonName;
    std::string_view Caption;
    std::string_view Hint;
    std::string_view PanelName;
    std::string_view PanelHint;
};
constexpr SwitchRow kSwitches[] = {
    {ModeSwitch::AngleUnit, "DrgrSpeedButton", "d-r-g", "Deg-rad-grad", "DrgrPanel",
     "Úhlové jednotky (Ctrl+A)"},
    {ModeSwitch::Base, "BaseSpeedButton", "base", "dec-hex-bin-oct", "BasePanel",
     "Číselná soustava (Ctrl+B, zpět Ctrl+Shift+B)"},
    {ModeSwitch::Domain, "NumbSpeedButton", "num", "real-cplx", "NumbPanel",
     "Reálná nebo komplexní čísla"},
    {ModeSwitch::NumberFormat, "FormSpeedButton", "form", "norm-fix-sci-eng", "FormPanel",
     "Formát zobrazení (Ctrl+F)"},
    {ModeSwitch::FunctionMode, "ModeSpeedButton", "mode", "insert-eval", "ModePanel",
     "Vkládání funkcí do výrazu (Ctrl+M)"},
};

// The switches as operations on the state, from a given place.
SwitchChanges RunSwitch(ModeSwitches& state, ModeSwitch which, SwitchSource source, bool shift) {
    switch (which) {
        case ModeSwitch::AngleUnit:
            return SwitchAngleUnits(state, source);
        case ModeSwitch::Base:
            return SwitchBase(state, source, shift);
        case ModeSwitch::Domain:
            return SwitchDomain(state, source);
        case ModeSwitch::NumberFormat:
            return SwitchNumberFormat(state, source);
        case ModeSwitch::FunctionMode:
            return SwitchFunctionMode(state, source);
    }
    return {};
}

std::string_view ModifierSuffix(KeypadModifiers modifiers) {
    constexpr std::string_view kSuffixes[] = {"", "Inv", "Hyp", "InvHyp"};
    return kSuffixes[(modifiers.Inv ? 1 : 0) + (modifiers.Hyp ? 2 : 0)];
}

bool ShiftHeld() {
    return QApplication::keyboardModifiers() & Qt::ShiftModifier;
}

// Gives a button of a group the common key size, so the keypad is an even grid
// at any font size.
void SetKeySize(QToolButton* button) {
    const QFontMetrics metrics(button->font());
    button->setMinimumSize(metrics.horizontalAdvance(QStringLiteral("d:m:s")) + metrics.height(),
                           metrics.height() * 2);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QFrame* VerticalLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

QToolButton* TMainForm::NewButton(QWidget* parent, std::string_view name, std::string_view section,
                                  std::string_view caption, std::string_view hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(ToQ(name));
    BindText(button, section, name, caption);
    if (!hint.empty()) BindText(button, section, std::string(name) + "Hint", hint, true);
    return button;
}

QWidget* TMainForm::BuildDisplay() {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("DisplayFrame"));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    frame->setBackgroundRole(QPalette::Base);
    widgets_.DisplayFrame = frame;

    auto* display = new TDisplayLabel(frame);
    display->setObjectName(QStringLiteral("StaticTextDisplay"));
    display->setMargin(6);
    display->SetBasePointSize(qMax(9.0, font().pointSizeF()) * 3.0);
    display->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(display, &QWidget::customContextMenuRequested, this, [this, display](QPoint at) {
        RefreshActions();
        displayPopupMenu_->popup(display->mapToGlobal(at));
    });
    widgets_.StaticTextDisplay = display;

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(display);
    return frame;
}

QWidget* TMainForm::BuildInputRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    widgets_.VyrazSpeedButton = NewButton(row, "VyrazSpeedButton", "ExprGroup", "&Výraz");
    connect(widgets_.VyrazSpeedButton, &QToolButton::clicked, this,
            &TMainForm::VyrazSpeedButtonClick);
    layout->addWidget(widgets_.VyrazSpeedButton);

    auto* combo = new QComboBox(row);
    combo->setObjectName(QStringLiteral("ExprComboBox"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(20);
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    combo->setFont(DisplayFont(qMax(9.0, font().pointSizeF()) * 1.15));
    combo->setMinimumContentsLength(24);
    combo->lineEdit()->setAcceptDrops(true);
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!refreshing_) calculator_.SetInputText(ToStd(text));
    });
    connect(combo, &QComboBox::textActivated, this, [this](const QString& text) {
        if (!refreshing_) calculator_.SetInputText(ToStd(text));
    });
    widgets_.ExprComboBox = combo;
    layout->addWidget(combo, 1);

    auto* calc = new QPushButton(row);
    calc->setObjectName(QStringLiteral("VypocetButton"));
    calc->setDefault(true);
    calc->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(calc, &QPushButton::clicked, this, &TMainForm::VypocetButtonClick);
    widgets_.VypocetButton = calc;
    layout->addWidget(calc);
    return row;
}

QWidget* TMainForm::BuildSideButtons() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("SideButtons"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    struct SideRow {
        std::string_view Name;
        std::string_view Caption;
        std::string_view Hint;
        void (TMainForm::*Handler)();
        QToolButton* Widgets::*Member;
    };
    static constexpr SideRow kRows[] = {
        {"EnterSpeedButton", "E&nter", "Výpočet (se Shift v šestnáctkové soustavě)",
         &TMainForm::VypocetSpeedButtonClick, &Widgets::EnterSpeedButton},
        {"StopSpeedButton", "Stop", "Přerušit výpočet datové řady", nullptr,
         &Widgets::StopSpeedButton},
        {"DataSpeedButton", "&Data", "Přidat výsledek do datové řady statistiky",
         &TMainForm::DataSpeedButtonClick, &Widgets::DataSpeedButton},
        {"ViewSpeedButton", "Vie&w", "Zobrazit datovou řadu", &TMainForm::ViewSpeedButtonClick,
         &Widgets::ViewSpeedButton},
        {"StatSpeedButton", "stat", "Statická analýza", &TMainForm::StatSpeedButtonClick,
         &Widgets::StatSpeedButton},
        {"RegSpeedButton", "reg", "Regresní analýza", &TMainForm::RegSpeedButtonClick,
         &Widgets::RegSpeedButton},
        {"DPHSpeedButton", "DPH", "Daň z přidané hodnoty", nullptr, nullptr},
        {"ResetSpeedButton", " &Reset", "Odstranit uživatelské proměnné a vynulovat",
         &TMainForm::ResetSpeedButtonClick, &Widgets::ResetSpeedButton},
    };
    int index = 0;
    for (const SideRow& row : kRows) {
        QToolButton* button = NewButton(panel, row.Name, "Buttons", row.Caption, row.Hint);
        SetKeySize(button);
        const auto handler = row.Handler;
        connect(button, &QToolButton::clicked, this, [this, handler] {
            if (handler) {
                (this->*handler)();
            } else {
                ShowInPreparation();
            }
        });
        if (row.Member) widgets_.*row.Member = button;
        grid->addWidget(button, index / 4, index % 4);
        ++index;
    }
    widgets_.StatSpeedButton->setCheckable(true);
    widgets_.RegSpeedButton->setCheckable(true);
    // No long computation runs yet: Stop waits for the series runs.
    widgets_.StopSpeedButton->setEnabled(false);
    widgets_.SideButtons = panel;
    return panel;
}

QWidget* TMainForm::BuildKeypad() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("LowerArea"));
    widgets_.LowerArea = area;
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    // The page buttons: keypad, chart, extra registers.
    auto* pages = new QVBoxLayout;
    pages->setSpacing(4);
    widgets_.FnSpeedButton =
        NewButton(area, "FnSpeedButton", "Buttons", "Fn ", "Funkční klávesnice (Ctrl+P)");
    widgets_.GrSpeedButton =
        NewButton(area, "GrSpeedButton", "Buttons", "graf", "Graf datové řady");
    widgets_.PromSpeedButton =
        NewButton(area, "PromSpeedButton", "Buttons", "abc", "Registry C, D, E, F");
    for (QToolButton* button :
         {widgets_.FnSpeedButton, widgets_.GrSpeedButton, widgets_.PromSpeedButton}) {
        button->setCheckable(true);
        SetKeySize(button);
        pages->addWidget(button);
    }
    pages->addStretch();
    connect(widgets_.FnSpeedButton, &QToolButton::clicked, this, [this] { ShowPanelPage(0); });
    connect(widgets_.PromSpeedButton, &QToolButton::clicked, this, [this] { ShowPanelPage(1); });
    connect(widgets_.GrSpeedButton, &QToolButton::clicked, this, &TMainForm::ShowChartPanel);
    layout->addLayout(pages);
    layout->addWidget(VerticalLine(area));

    widgets_.PanelStack = new QStackedWidget(area);
    widgets_.PanelStack->setObjectName(QStringLiteral("PanelStack"));
    layout->addWidget(widgets_.PanelStack, 1);

    auto* fn = new QWidget(widgets_.PanelStack);
    fn->setObjectName(QStringLiteral("FnPanel"));
    widgets_.FnPanel = fn;
    auto* fnLayout = new QHBoxLayout(fn);
    fnLayout->setContentsMargins(0, 0, 0, 0);
    fnLayout->setSpacing(8);

    // Left: the function keys. Right: inv, hyp, d:m:s and the function list;
    // the five switches; rounding and the engineering postfix.
    auto* keys = new QGridLayout;
    keys->setSpacing(4);
    for (const KeyFace& face : kKeyFaces) {
        const std::string_view name = KeypadButtonName(face.Key);
        const std::string_view modelCaption = KeypadCaption(face.Key);
        QToolButton* button = NewButton(
            fn, name, "FnTable", modelCaption.empty() ? face.Caption : TrimBlanks(modelCaption));
        SetKeySize(button);
        const KeypadKey key = face.Key;
        connect(button, &QToolButton::clicked, this, [this, key] { KeypadKeyClick(key); });
        widgets_.KeypadButtons[key] = button;
        keys->addWidget(button, face.Row, face.Column);
    }
    fnLayout->addLayout(keys, 4);
    fnLayout->addWidget(VerticalLine(fn));

    auto* modes = new QGridLayout;
    modes->setSpacing(4);
    widgets_.InvSpeedButton = NewButton(fn, "InvSpeedButton", "FnTable", "inv", "Inverzní");
    widgets_.HypSpeedButton = NewButton(fn, "HypSpeedButton", "FnTable", "hyp", "Hyperbolický");
    widgets_.DmsSpeedButton =
        NewButton(fn, "DmsSpeedButton", "FnTable", "d:m:s", "deg:min:sec<-->float");
    widgets_.FunkceSpeedButton = NewButton(fn, "FunkceSpeedButton", "FnTable", "Fn");
    widgets_.InvSpeedButton->setCheckable(true);
    widgets_.HypSpeedButton->setCheckable(true);
    widgets_.FunkceSpeedButton->setCheckable(true);
    connect(widgets_.InvSpeedButton, &QToolButton::clicked, this, &TMainForm::ModifierClick);
    connect(widgets_.HypSpeedButton, &QToolButton::clicked, this, &TMainForm::ModifierClick);
    connect(widgets_.DmsSpeedButton, &QToolButton::clicked, this, &TMainForm::DmsSpeedButtonClick);
    connect(widgets_.FunkceSpeedButton, &QToolButton::clicked, this,
            &TMainForm::FunkceSpeedButtonClick);
    int column = 0;
    for (QToolButton* button : {widgets_.InvSpeedButton, widgets_.HypSpeedButton,
                                widgets_.DmsSpeedButton, widgets_.FunkceSpeedButton}) {
        SetKeySize(button);
        modes->addWidget(button, 0, column, 1, column == 3 ? 2 : 1);
        ++column;
    }
    column = 0;
    for (const SwitchRow& row : kSwitches) {
        QToolButton* button = NewButton(fn, row.ButtonName, "Switches", row.Caption, row.Hint);
        SetKeySize(button);
        const ModeSwitch which = row.Switch;
        connect(button, &QToolButton::clicked, this, [this, which] {
            const bool shift = ShiftHeld();
            ApplySwitch([which, shift](ModeSwitches& s) {
                return RunSwitch(s, which, SwitchSource::KeypadButton, shift);
            });
        });
        widgets_.SwitchButtons[which] = button;
        modes->addWidget(button, 1, column++);
    }

    widgets_.RndSpeedButton =
        NewButton(fn, "RndSpeedButton", "RndGroup", "rnd",
                  "Zaokrouhlovat|Zaokrouhlovat výsledek na zadaný počet platných/desetinných míst");
    widgets_.RndSpeedButton->setCheckable(true);
    SetKeySize(widgets_.RndSpeedButton);
    connect(widgets_.RndSpeedButton, &QToolButton::clicked, this,
            [this] { ApplySwitch([](ModeSwitches& s) { return ToggleRounding(s); }); });
    widgets_.RndEdit = new QSpinBox(fn);
    widgets_.RndEdit->setObjectName(QStringLiteral("RndEdit"));
    widgets_.RndEdit->setRange(kMinRoundingDigits, kMaxRoundingDigits);
    widgets_.RndEdit->setAlignment(Qt::AlignCenter);
    widgets_.RndEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    BindText(widgets_.RndEdit, "RndGroup", "RndEditHint", "Počet platných/desetinných míst", true);
    connect(widgets_.RndEdit, &QSpinBox::valueChanged, this, [this](int digits) {
        if (refreshing_) return;
        ApplySwitch(
            [digits](ModeSwitches& s) { return StepRoundingDigits(s, digits - s.Display.Digits); });
    });
    modes->addWidget(widgets_.RndSpeedButton, 2, 0);
    modes->addWidget(widgets_.RndEdit, 2, 1);

    widgets_.EngSpeedButton =
        NewButton(fn, "EngSpeedButton", "EngGroup", "eng",
                  "Inženýrská notace|Zobrazovat výsledek v postfixové inženýrské notaci");
    widgets_.EngSpeedButton->setCheckable(true);
    SetKeySize(widgets_.EngSpeedButton);
    connect(widgets_.EngSpeedButton, &QToolButton::clicked, this,
            [this] { ApplySwitch([](ModeSwitches& s) { return ToggleEngPostfix(s); }); });
    widgets_.LEngPanel = NewButton(fn, "LEngPanel", "EngGroup", "<", "Menší předpona (Alt+PgUp)");
    widgets_.REngPanel = NewButton(fn, "REngPanel", "EngGroup", ">", "Větší předpona (Alt+PgDn)");
    for (QToolButton* arrow : {widgets_.LEngPanel, widgets_.REngPanel}) {
        arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    widgets_.LEngPanel->setArrowType(Qt::LeftArrow);
    widgets_.REngPanel->setArrowType(Qt::RightArrow);
    connect(widgets_.LEngPanel, &QToolButton::clicked, this,
            [this] { ApplySwitch([](ModeSwitches& s) { return StepPostfixPosition(s, -1); }); });
    connect(widgets_.REngPanel, &QToolButton::clicked, this,
            [this] { ApplySwitch([](ModeSwitches& s) { return StepPostfixPosition(s, 1); }); });
    widgets_.EngEdit = new TPostfixSpinBox(fn);
    widgets_.EngEdit->setObjectName(QStringLiteral("EngEdit"));
    widgets_.EngEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    widgets_.EngEdit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    BindText(widgets_.EngEdit, "EngGroup", "EngEditHint", "Předpona jednotky: fpnum kMGTP", true);
    connect(widgets_.EngEdit, &QSpinBox::valueChanged, this, [this](int position) {
        if (refreshing_) return;
        ApplySwitch([position](ModeSwitches& s) {
            return StepPostfixPosition(s, position - s.Display.PostfixPosition);
        });
    });
    auto* postfix = new QHBoxLayout;
    postfix->setSpacing(2);
    postfix->addWidget(widgets_.LEngPanel);
    postfix->addWidget(widgets_.EngEdit, 1);
    postfix->addWidget(widgets_.REngPanel);
    modes->addWidget(widgets_.EngSpeedButton, 2, 2);
    modes->addLayout(postfix, 2, 3, 1, 2);
    for (int c = 0; c < 5; ++c) modes->setColumnStretch(c, 1);
    fnLayout->addLayout(modes, 5);
    widgets_.PanelStack->addWidget(fn);

    widgets_.ExtraRegisterPanel = BuildRegisterGrid({BoxId::C, BoxId::D, BoxId::E, BoxId::F});
    widgets_.ExtraRegisterPanel->setObjectName(QStringLiteral("ExtraRegisterPanel"));
    auto* extraPage = new QWidget(widgets_.PanelStack);
    auto* extraLayout = new QVBoxLayout(extraPage);
    extraLayout->setContentsMargins(0, 0, 0, 0);
    widgets_.ExtraRegisterPanel->setParent(extraPage);
    extraLayout->addWidget(widgets_.ExtraRegisterPanel);
    extraLayout->addStretch();
    widgets_.PanelStack->addWidget(extraPage);
    ShowPanelPage(0);
    return area;
}

void TMainForm::BuildSwitchesPanel() {
    auto* panel = new QWidget(statusBar());
    panel->setObjectName(QStringLiteral("SwitchesPanel"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto panelButton = [this, panel](std::string_view name, std::string_view caption,
                                     std::string_view hint) {
        QToolButton* button = NewButton(panel, name, "Switches", caption, hint);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    auto* commands = new QWidget(statusBar());
    commands->setObjectName(QStringLiteral("CommandPanels"));
    auto* commandLayout = new QHBoxLayout(commands);
    commandLayout->setContentsMargins(0, 0, 0, 0);
    commandLayout->setSpacing(2);
    widgets_.PromennePanel = panelButton("PromennePanel", "variable", "Seznam proměnných");
    widgets_.ClearPanel = panelButton("ClearPanel", "clear", "Vynulovat proměnné");
    widgets_.EditPanel = panelButton("EditPanel", "edit", "Editor výrazů");
    widgets_.ConstPanel = panelButton("ConstPanel", "const", "Vložit vybranou konstantu");
    widgets_.ConstPopupPanel = panelButton("ConstPopupPanel", ">", "Vybrat konstantu...");
    for (QToolButton* button : {widgets_.PromennePanel, widgets_.ClearPanel, widgets_.EditPanel,
                                widgets_.ConstPanel, widgets_.ConstPopupPanel}) {
        button->setParent(commands);
        commandLayout->addWidget(button);
    }
    connect(widgets_.PromennePanel, &QToolButton::clicked, this, &TMainForm::PromennePanelClick);
    connect(widgets_.ClearPanel, &QToolButton::clicked, this, &TMainForm::ClearPanelClick);
    for (QToolButton* button :
         {widgets_.EditPanel, widgets_.ConstPanel, widgets_.ConstPopupPanel}) {
        connect(button, &QToolButton::clicked, this, &TMainForm::ShowInPreparation);
    }
    for (const SwitchRow& row : kSwitches) {
        QToolButton* button = panelButton(row.PanelName, {}, row.PanelHint);
        // The mode panels keep their width when their caption changes.
        const QFontMetrics metrics(button->font());
        button->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("insert")) +
                                metrics.height());
        const ModeSwitch which = row.Switch;
        connect(button, &QToolButton::clicked, this, [this, which] {
            const bool shift = ShiftHeld();
            ApplySwitch([which, shift](ModeSwitches& s) {
                return RunSwitch(s, which, SwitchSource::Panel, shift);
            });
        });
        widgets_.SwitchPanels[which] = button;
        layout->addWidget(button);
    }
    widgets_.SwitchesPanel = panel;
    widgets_.CommandPanels = commands;
    statusBar()->addWidget(commands);
    statusBar()->addPermanentWidget(panel);
}

void TMainForm::ApplySwitch(const std::function<SwitchChanges(ModeSwitches&)>& change) {
    Perform([this, &change] { calculator_.ApplySwitchChanges(change(calculator_.Switches())); });
}

void TMainForm::FunctionModeInsertClick() {
    ApplySwitch([](ModeSwitches& s) { return SelectFunctionMode(s, FunctionMode::Insert); });
}

void TMainForm::FunctionModeEvalClick() {
    ApplySwitch([](ModeSwitches& s) { return SelectFunctionMode(s, FunctionMode::Eval); });
}

void TMainForm::ModifierClick() {
    KeypadModifiers& modifiers = calculator_.Switches().Modifiers;
    modifiers.Inv = widgets_.InvSpeedButton->isChecked();
    modifiers.Hyp = widgets_.HypSpeedButton->isChecked();
    RefreshSwitches();
}

void TMainForm::KeypadKeyClick(KeypadKey key) {
    Perform([this, key] {
        ModeSwitches& switches = calculator_.Switches();
        const KeypadModifiers modifiers = switches.Modifiers;
        switches.Modifiers = {};  // every function key releases inv and hyp
        const bool complex = switches.Scope == nsComplex;
        switch (KeypadActionFor(key, complex, calculator_.InputReadsAsValue())) {
            case KeypadAction::ToggleComplexForm:
                switches.Display.Complex = switches.Display.Complex == ComplexForm::Component
                                               ? ComplexForm::Exponential
                                               : ComplexForm::Component;
                calculator_.RedisplayAns();
                break;
            case KeypadAction::Evaluate: {
                const std::string operand(TrimBlanks(calculator_.InputText()));
                const std::string base = calculator_.Options().UseNumberInsteadOfAns
                                             ? std::string(TrimBlanks(calculator_.DisplayText()))
                                             : std::string("Ans");
                calculator_.EvaluateAppliedText(KeypadAppliedText(key, modifiers, operand, base));
                break;
            }
            case KeypadAction::Insert: {
                QLineEdit* edit = widgets_.ExprComboBox->lineEdit();
                const QString text = edit->text();
                KeypadEdit state{ToStd(text), Utf8Offset(text, edit->cursorPosition()), 0};
                if (edit->hasSelectedText()) {
                    const int start = edit->selectionStart();
                    state.SelStart = Utf8Offset(text, start);
                    state.SelLength =
                        Utf8Offset(text, start + static_cast<int>(edit->selectedText().size())) -
                        state.SelStart;
                }
                const KeypadEdit next = InsertKeypadFunction(state, key, modifiers);
                calculator_.SetInputText(next.Text);
                pendingFocus_ = PendingFocus{
                    BoxId::Input, TextSelection{next.SelStart, static_cast<long>(next.SelLength)}};
                break;
            }
        }
    });
}

void TMainForm::DmsSpeedButtonClick() {
    if (QApplication::keyboardModifiers() & Qt::ControlModifier) {
        ShowInPreparation();  // the date calculation
        return;
    }
    Perform([this] { calculator_.ConvertDms(); });
}

void TMainForm::ShowPanelPage(int page) {
    panelPage_ = page;
    widgets_.PanelStack->setCurrentIndex(page);
    widgets_.FnSpeedButton->setChecked(page == 0);
    widgets_.PromSpeedButton->setChecked(page == 1);
    widgets_.GrSpeedButton->setChecked(page == 2);
}

void TMainForm::RefreshSwitches() {
    const ModeSwitches& switches = calculator_.Switches();
    const DisplayModes& display = switches.Display;
    const bool renaming = calculator_.RenamingMode();
    const QPalette& normal = palette();
    for (const auto& [which, panel] : widgets_.SwitchPanels) {
        panel->setText(ToQ(SwitchCaption(switches, which)));
        // A non-decimal base and the complex domain are marked like a hint.
        const bool marked = (which == ModeSwitch::Base && display.Base != nbDec) ||
                            (which == ModeSwitch::Domain && switches.Scope == nsComplex);
        QPalette colours = normal;
        if (marked) {
            colours.setColor(QPalette::Button, normal.color(QPalette::ToolTipBase));
            colours.setColor(QPalette::ButtonText, normal.color(QPalette::ToolTipText));
        }
        panel->setPalette(colours);
    }
    widgets_.InvSpeedButton->setChecked(switches.Modifiers.Inv);
    widgets_.HypSpeedButton->setChecked(switches.Modifiers.Hyp);
    for (const auto& [key, button] : widgets_.KeypadButtons) {
        const std::string_view hint = KeypadHint(key, switches.Modifiers);
        if (hint.empty()) continue;
        const std::string_view suffix =
            hint == KeypadHint(key, {}) ? std::string_view() : ModifierSuffix(switches.Modifiers);
        button->setToolTip(Text(
            "FnTable", std::string(KeypadButtonName(key)) + "Hint" + std::string(suffix), hint));
    }

    widgets_.RndSpeedButton->setChecked(display.RoundingOn);
    widgets_.EngSpeedButton->setChecked(display.EngPostfixOn);
    widgets_.RndEdit->setValue(display.Digits);
    widgets_.EngEdit->setValue(display.PostfixPosition);
    const bool buttons = RoundingButtonsEnabled(display) && !renaming;
    widgets_.RndSpeedButton->setEnabled(buttons);
    widgets_.EngSpeedButton->setEnabled(buttons);
    widgets_.RndEdit->setEnabled(RoundingControlsEnabled(display) && !renaming);
    const bool postfix = PostfixControlsEnabled(display) && !renaming;
    for (QWidget* control :
         std::initializer_list<QWidget*>{widgets_.EngEdit, widgets_.LEngPanel, widgets_.REngPanel})
        control->setEnabled(postfix);
}

}  // namespace tarvix
