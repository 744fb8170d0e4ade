// The main window's tools: the unit conversion and period windows, the
// built-in constants menu and the user constants (window and shortcuts), and
// the VAT mode of the registers X, Y, A, B.
#include "ui/main/main_form_tools.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <algorithm>

#include "storage/settings_store.h"
#include "tools/constants_table.h"
#include "tools/holiday_calendar.h"
#include "ui/language/action_texts.h"
#include "ui/main/main_form.h"
#include "ui/tools/const_form.h"
#include "ui/tools/conv_form.h"
#include "ui/tools/date_form.h"
#include "ui/tools/holiday_list_dialog.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

constexpr std::string_view kMsg = "Msg";
// The field names of the VAT mode: catalog keys and built-in texts.
constexpr std::string_view kVatNameKeys[4] = {"Msg_VatBase", "Msg_VatRate", "Msg_VatTax",
                                              "Msg_VatTotal"};

}  // namespace

TMainFormTools::TMainFormTools(TMainForm& form) : QObject(&form), Vat(form.Model()), form_(form) {
    qApp->installEventFilter(this);
}

TMainFormTools::~TMainFormTools() {
    qApp->removeEventFilter(this);
    delete ConvForm;
    delete ConstForm;
}

bool TMainFormTools::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::FocusOut)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &form_) return false;
    if (type == QEvent::FocusOut) {
        QLineEdit* input = form_.ExprComboBox()->lineEdit();
        // The combo box holds the focus for its line edit.
        if (widget == input || widget == form_.ExprComboBox()) RememberInputSelection();
        return false;
    }
    if (QApplication::activePopupWidget()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        // A user constant's shortcut wins over the window's own shortcuts:
        // accepting the override turns it into a key press.
        const QString text = TConstForm::ShortcutText(key->key(), key->modifiers());
        if (text.isEmpty()) return false;
        const std::vector<UserConst> constants = form_.UserConstants();
        if (!FindUserConstByShortcut(constants, ToStd(text))) return false;
        event->accept();
        return true;
    }
    return form_.InsertUserConstant(key->key(), key->modifiers());
}

void TMainFormTools::RememberInputSelection() {
    const QLineEdit* input = form_.ExprComboBox()->lineEdit();
    const bool selected = input->hasSelectedText();
    InputSelectionStart = selected ? input->selectionStart() : input->cursorPosition();
    InputSelectionLength = selected ? static_cast<int>(input->selectedText().size()) : 0;
}

// --- Building

void TMainForm::BuildTools() {
    tools_ = new TMainFormTools(*this);

    // Menu items and buttons built before the tools existed.
    auto rewire = [this](std::string_view name, void (TMainForm::*handler)()) {
        QAction* action = Action(name);
        if (!action) return;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, handler);
    };
    rewire("FunkcePrevodyItem", &TMainForm::FunkcePrevodyItemClick);
    rewire("FunkceObdobiItem", &TMainForm::FunkceObdobiItemClick);
    rewire("wUzivatelskeKonstantyItem", &TMainForm::UzivatelskeKonstantyItemClick);
    for (auto [button, handler] :
         {std::pair{widgets_.ConstPanel, &TMainForm::ConstPanelClick},
          std::pair{widgets_.ConstPopupPanel, &TMainForm::ConstPopupPanelClick}}) {
        disconnect(button, &QToolButton::clicked, nullptr, nullptr);
        connect(button, &QToolButton::clicked, this, handler);
    }
    if (QToolButton* dph = DPHSpeedButton()) {
        disconnect(dph, &QToolButton::clicked, nullptr, nullptr);
        dph->setCheckable(true);
        connect(dph, &QToolButton::clicked, this, &TMainForm::DPHSpeedButtonClick);
    }

    // The built-in constants: radio items, the first one chosen.
    QMenu* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ConstPopupMenu"));
    tools_->ConstPopupMenu = menu;
    tools_->ConstGroup = new QActionGroup(menu);
    const auto constants = BuiltInConstants();
    for (std::size_t i = 0; i < constants.size(); ++i) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QStringLiteral("Const_") + QLatin1Char(constants[i].Key));
        action->setCheckable(true);
        action->setChecked(i == 0);
        tools_->ConstGroup->addAction(action);
        const int index = static_cast<int>(i);
        connect(action, &QAction::triggered, this, [this, index] { ConstantChosen(index); });
    }
    // Captions (with their replaceable names) are set each time the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        const auto list = BuiltInConstants();
        const QList<QAction*> actions = menu->actions();
        for (qsizetype i = 0; i < actions.size(); ++i) {
            const BuiltInConstant& c = list[static_cast<std::size_t>(i)];
            const std::string name =
                texts_.Text("ConstPopupMenu", "Const_" + std::string(1, c.Key), c.Name);
            actions[i]->setText(QLatin1Char('&') + ToQ(ConstantCaption(c, name)));
        }
    });
}

QMenu* TMainForm::ConstPopupMenu() const {
    return tools_->ConstPopupMenu;
}

QToolButton* TMainForm::DPHSpeedButton() const {
    return findChild<QToolButton*>(QStringLiteral("DPHSpeedButton"));
}

void TMainForm::StoreToolWindows() {
    if (tools_ && tools_->ConstForm) tools_->ConstForm->Store();
}

void TMainForm::DestroyTools() {
    delete tools_;
    tools_ = nullptr;
}

TConvForm* TMainForm::ConvForm() const {
    return tools_->ConvForm;
}

TConstForm* TMainForm::ConstForm() const {
    return tools_->ConstForm;
}

// --- Conversion and period

void TMainForm::FunkcePrevodyItemClick() {
    if (!tools_->ConvForm) {
        tools_->ConvForm = new TConvForm(tools_->Conversion, *this, this);
        tools_->ConvForm->PrevedButtonClick();
    }
    tools_->ConvForm->show();
    tools_->ConvForm->raise();
    tools_->ConvForm->activateWindow();
}

std::vector<std::string> TMainForm::HolidayLines() const {
    const Settings& settings = session_->Values();
    const std::vector<std::string>& lines = settings.List("Holidays");
    if (!lines.empty()) return lines;
    return DefaultHolidayLines(settings.String("Localization", "Language"));
}

void TMainForm::SetHolidayLines(std::vector<std::string> lines) {
    session_->Values().SetList("Holidays", std::move(lines));
}

void TMainForm::FunkceObdobiItemClick() {
    HolidayStore store{
        [this] { return HolidayLines(); },
        [this](std::vector<std::string> lines) { SetHolidayLines(std::move(lines)); }};
    TDateForm form(calculator_, texts_, std::move(store), this);
    form.exec();
}

// --- Constants

std::vector<UserConst> TMainForm::UserConstants() const {
    return ReadUserConsts(session_->Values().List("UserConsts"));
}

void TMainForm::SetUserConstants(const std::vector<UserConst>& constants) {
    session_->Values().SetList("UserConsts", WriteUserConsts(constants));
}

void TMainForm::UzivatelskeKonstantyItemClick() {
    // A tool window does not always take the focus from the input line.
    if (widgets_.ExprComboBox->hasFocus()) tools_->RememberInputSelection();
    if (!tools_->ConstForm) tools_->ConstForm = new TConstForm(*this, this);
    tools_->ConstForm->show();
    tools_->ConstForm->raise();
    tools_->ConstForm->activateWindow();
}

void TMainForm::ConstPanelClick() {
    if ((QApplication::keyboardModifiers() & Qt::ShiftModifier) == 0) {
        UzivatelskeKonstantyItemClick();
        return;
    }
    const QList<QAction*> actions = tools_->ConstPopupMenu->actions();
    int index = 0;
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (actions[i]->isChecked()) index = static_cast<int>(i);
    }
    InsertConstantText(ToQ(BuiltInConstants()[static_cast<std::size_t>(index)].Value));
}

void TMainForm::ConstPopupPanelClick() {
    QToolButton* anchor = widgets_.ConstPopupPanel;
    tools_->ConstPopupMenu->exec(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

void TMainForm::ConstantChosen(int index) {
    const QList<QAction*> actions = tools_->ConstPopupMenu->actions();
    if (index < 0 || index >= actions.size()) index = 0;
    actions[index]->setChecked(true);
    const BuiltInConstant& constant = BuiltInConstants()[static_cast<std::size_t>(index)];
    const std::string name =
        texts_.Text("ConstPopupMenu", "Const_" + std::string(1, constant.Key), constant.Name);
    widgets_.ConstPanel->setToolTip(
        ConstPanelHint(ToQ(ConstantCaption(constant, name)), ToQ(constant.Value),
                       ToQ(CatalogString(texts_, texts::ConstPopupMenuDefaultHint))));
    InsertConstantText(ToQ(constant.Value));
}

QString ConstPanelHint(const QString& caption, const QString& value, const QString& fallback) {
    const qsizetype colon = caption.indexOf(QLatin1Char(':'));
    if (colon < 0) return fallback;
    return caption.mid(3, std::max<qsizetype>(colon - 3, 0)) + QStringLiteral(": ") + value;
}

void TMainForm::InsertConstantText(const QString& text) {
    std::optional<BoxId> box = BoxOfEdit(QApplication::focusWidget());
    if (!box) box = BoxId::Input;
    QLineEdit* edit = BoxEdit(*box);
    edit->setFocus();
    edit->insert(text);
}

void TMainForm::InsertIntoInputLine(const QString& text) {
    activateWindow();
    QLineEdit* edit = BoxEdit(BoxId::Input);
    edit->setFocus();
    const int length = static_cast<int>(edit->text().size());
    const int start = std::min(tools_->InputSelectionStart, length);
    const int count = std::min(tools_->InputSelectionLength, length - start);
    if (count > 0) {
        edit->setSelection(start, count);
    } else {
        edit->setCursorPosition(start);
    }
    edit->insert(text);
}

bool TMainForm::InsertUserConstant(int key, Qt::KeyboardModifiers modifiers) {
    const QString shortcut = TConstForm::ShortcutText(key, modifiers);
    if (shortcut.isEmpty()) return false;
    const std::vector<UserConst> constants = UserConstants();
    const UserConst* constant = FindUserConstByShortcut(constants, ToStd(shortcut));
    if (!constant) return false;
    QLineEdit* edit = BoxEdit(BoxId::Input);
    const QString value = ToQ(constant->Value);
    if (!edit->hasFocus() && !edit->hasSelectedText()) {
        const int length = static_cast<int>(edit->text().size());
        const int start = std::min(tools_->InputSelectionStart, length);
        const int count = std::min(tools_->InputSelectionLength, length - start);
        edit->setSelection(start, count);
        edit->insert(value);
        tools_->InputSelectionStart = start + static_cast<int>(value.size());
        tools_->InputSelectionLength = 0;
    } else {
        edit->insert(value);
    }
    return true;
}

// --- VAT

void TMainForm::PrepareVat() {
    VatFieldNames names;
    for (std::size_t i = 0; i < 4; ++i)
        names.Names[i] = texts_.Text(kMsg, kVatNameKeys[i], names.Names[i]);
    tools_->Vat.SetNames(std::move(names));
    tools_->Vat.SetSettings(ReadVatSettings(session_->Values()));
    for (const MessageEntry& entry : tools_->Messages.Entries())
        tools_->Messages.Replace(entry.Key, texts_.Text(kMsg, entry.Key, entry.Default));
    tools_->Vat.SetMessages(&tools_->Messages);
}

void TMainForm::SyncVatButton() {
    PrepareVat();
    if (QToolButton* button = DPHSpeedButton()) button->setChecked(tools_->Vat.IsOn());
}

void TMainForm::DPHSpeedButtonClick() {
    PrepareVat();
    const bool down = DPHSpeedButton()->isChecked();
    Perform([this, down] {
        VatMode& vat = tools_->Vat;
        if (!down) {
            if (!vat.IsOn()) return;
            vat.SwitchOff();
            FocusBox(BoxId::Input, TextSelection::All());
        } else if (!vat.IsOn()) {
            vat.SwitchOn();
            FocusBox(BoxId::X, TextSelection::All());
        } else {
            vat.Compute(BoxOfEdit(QApplication::focusWidget()));
        }
        RefreshVariableList();
    });
    SyncVatButton();
}

void TMainForm::VatCalculation(Calculator& calculator) {
    // A running task calculates line after line: the texts and settings
    // prepared before (at start, by the settings, the VAT button) serve them.
    if (!calculator.TaskRunning()) PrepareVat();
    if (!tools_->Vat.IsOn()) return;
    if (QToolButton* button = DPHSpeedButton()) button->setChecked(true);
    tools_->Vat.Compute(BoxOfEdit(QApplication::focusWidget()));
    tools_->Vat.RefreshRateList();
}

void TMainForm::ReleaseVat() {
    if (QToolButton* button = DPHSpeedButton()) button->setChecked(false);
}

// --- Pictures

QWidget* TMainForm::OpenToolWindowForPicture(const QString& name) {
    if (name == QLatin1String("conv")) {
        FunkcePrevodyItemClick();
        return tools_->ConvForm;
    }
    if (name == QLatin1String("const")) {
        UzivatelskeKonstantyItemClick();
        return tools_->ConstForm;
    }
    if (name == QLatin1String("constmenu")) {
        tools_->ConstPopupMenu->popup(mapToGlobal(QPoint(20, 20)));
        return tools_->ConstPopupMenu;
    }
    if (name == QLatin1String("date")) {
        HolidayStore store{[this] { return HolidayLines(); },
                           [this](std::vector<std::string> l) { SetHolidayLines(std::move(l)); }};
        auto* form = new TDateForm(calculator_, texts_, std::move(store), this);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->SetDates({2003, 1, 1}, {2003, 1, 31});
        form->show();
        return form;
    }
    if (name == QLatin1String("holidays")) {
        auto* dialog = new THolidayListDialog(HolidayLines(), texts_, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return dialog;
    }
    if (name == QLatin1String("vat")) {
        activateWindow();
        QApplication::processEvents();
        DPHSpeedButton()->setChecked(true);
        DPHSpeedButtonClick();
        RegisterBox(BoxId::X)->lineEdit()->setText(QStringLiteral("99,97"));
        RegisterBox(BoxId::X)->setFocus();
        VypocetButtonClick();
        return this;
    }
    return nullptr;
}

}  // namespace tarvix
