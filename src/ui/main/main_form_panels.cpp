// The main window's display, input line, side buttons, the switch indicators
// of the status bar, and what they do: mode switches, rounding and
// engineering postfix, d:m:s, the pages of the lower area.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/main/display_label.h"
#include "ui/main/keypad_layout.h"
#include "ui/main/main_form.h"
#include "ui/main/postfix_spin_box.h"
#include "ui/widgets/display_font.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

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
        QToolButton* MainFormWidgets::*Member;
    };
    static constexpr SideRow kRows[] = {
        {"EnterSpeedButton", "E&nter", "Výpočet (se Shift v šestnáctkové soustavě)",
         &TMainForm::VypocetSpeedButtonClick, &MainFormWidgets::EnterSpeedButton},
        {"StopSpeedButton", "Stop", "Přerušit výpočet datové řady",
         &TMainForm::StopSpeedButtonClick, &MainFormWidgets::StopSpeedButton},
        {"DataSpeedButton", "&Data", "Přidat výsledek do datové řady statistiky",
         &TMainForm::DataSpeedButtonClick, &MainFormWidgets::DataSpeedButton},
        {"ViewSpeedButton", "Vie&w", "Zobrazit datovou řadu", &TMainForm::ViewSpeedButtonClick,
         &MainFormWidgets::ViewSpeedButton},
        {"StatSpeedButton", "stat", "Statická analýza", &TMainForm::StatSpeedButtonClick,
         &MainFormWidgets::StatSpeedButton},
        {"RegSpeedButton", "reg", "Regresní analýza", &TMainForm::RegSpeedButtonClick,
         &MainFormWidgets::RegSpeedButton},
        {"DPHSpeedButton", "DPH", "Daň z přidané hodnoty", nullptr, nullptr},
        {"ResetSpeedButton", " &Reset", "Odstranit uživatelské proměnné a vynulovat",
         &TMainForm::ResetSpeedButtonClick, &MainFormWidgets::ResetSpeedButton},
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
    connect(widgets_.EditPanel, &QToolButton::clicked, this, &TMainForm::EditorVyrazuItemClick);
    for (QToolButton* button : {widgets_.ConstPanel, widgets_.ConstPopupPanel}) {
        connect(button, &QToolButton::clicked, this, &TMainForm::ShowInPreparation);
    }
    for (const SwitchRow& row : kSwitches) {
        QToolButton* button = panelButton(row.PanelName, {}, row.PanelHint);
        // The mode panels keep their width when their caption changes.
        const QFontMetrics metrics(button->font());
        button->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("insert")) +
                                metrics.height());
        const ModeSwitch which = row.Switch;
        connect(button, &QToolButton::clicked, this,
                [this, which] { SwitchClick(which, SwitchSource::Panel); });
        widgets_.SwitchPanels[which] = button;
        layout->addWidget(button);
    }
    widgets_.SwitchesPanel = panel;
    widgets_.CommandPanels = commands;
    statusBar()->addWidget(commands);
    statusBar()->addPermanentWidget(panel);
}

void TMainForm::SwitchClick(ModeSwitch which, SwitchSource source) {
    const bool shift = ShiftHeld();
    ApplySwitch(
        [which, source, shift](ModeSwitches& s) { return RunSwitch(s, which, source, shift); });
}

void TMainForm::ApplySwitch(const std::function<SwitchChanges(ModeSwitches&)>& change) {
    Perform([this, &change] { calculator_.ApplySwitchChanges(change(calculator_.Switches())); });
}

void TMainForm::DmsSpeedButtonClick() {
    if (QApplication::keyboardModifiers() & Qt::ControlModifier) {
        FunkceObdobiItemClick();  // Ctrl+click: the period window instead
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
