// The main window's lower area: the function keypad with its inv and hyp
// keys and mode switch buttons, the extra register page, and what the keys do.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "calculator/text_trim.h"
#include "ui/main/keypad_layout.h"
#include "ui/main/main_form.h"
#include "ui/main/postfix_spin_box.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

QFrame* VerticalLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

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
        connect(button, &QToolButton::clicked, this,
                [this, which] { SwitchClick(which, SwitchSource::KeypadButton); });
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

}  // namespace tarvix
