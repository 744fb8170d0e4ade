// The main window's shortcuts: every key pressed in one of its widgets is
// written as key text ("Ctrl+Shift+B") and looked up in the calculator's
// shortcut table before the widget sees it.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "calculator/shortcut_table.h"
#include "ui/main/main_form.h"
#include "ui/tasks/task_link.h"

namespace tarvix {
namespace {

struct KeyNameRow {
    int Key;
    std::string_view Name;
};
constexpr KeyNameRow kKeyNames[] = {
    {Qt::Key_PageUp, "PgUp"},    {Qt::Key_PageDown, "PgDn"}, {Qt::Key_Left, "Left"},
    {Qt::Key_Right, "Right"},    {Qt::Key_Up, "Up"},         {Qt::Key_Down, "Down"},
    {Qt::Key_Home, "Home"},      {Qt::Key_End, "End"},       {Qt::Key_Insert, "Ins"},
    {Qt::Key_Delete, "Del"},     {Qt::Key_Escape, "Esc"},    {Qt::Key_Return, "Enter"},
    {Qt::Key_Enter, "Enter"},    {Qt::Key_Tab, "Tab"},       {Qt::Key_Space, "Space"},
    {Qt::Key_Backspace, "BkSp"},
};

// The key's name as the shortcut texts write it; empty for a key without one
// (a modifier alone among them).
std::string KeyName(int key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return "F" + std::to_string(key - Qt::Key_F1 + 1);
    for (const KeyNameRow& row : kKeyNames) {
        if (row.Key == key) return std::string(row.Name);
    }
    if (key > ' ' && key < 0x7f) return std::string(1, static_cast<char>(key));
    return {};
}

}  // namespace

bool TMainForm::RunShortcut(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    const KeyModifiers held{(mods & Qt::ControlModifier) != 0, (mods & Qt::AltModifier) != 0,
                            (mods & Qt::ShiftModifier) != 0};
    const std::string name = KeyName(event->key());
    if (name.empty()) return false;
    const ShortcutEntry* entry = FindShortcut(ShortcutText(held, name));
    if (!entry) return false;
    const bool dropDownOpen = QApplication::activePopupWidget() != nullptr;
    if (!ShortcutAllowed(*entry, ShortcutContextOf(calculator_.Switches(), dropDownOpen)))
        return false;
    RunShortcutCommand(entry->Command);
    return true;
}

void TMainForm::RunShortcutCommand(ShortcutCommand command) {
    using enum ShortcutCommand;
    switch (command) {
        case MaximizeWindow:
            showMaximized();
            return;
        case MinimizeWindow:
            showMinimized();
            return;
        case ShowFunctionKeypad:
            if (compact_) SetCompactLayout(false);
            ShowPanelPage(0);
            return;
        case FocusInputLine:
            widgets_.ExprComboBox->setFocus(Qt::ShortcutFocusReason);
            widgets_.ExprComboBox->lineEdit()->selectAll();
            return;
        case FocusRegisterX:
        case FocusRegisterY:
            RegisterBox(command == FocusRegisterX ? BoxId::X : BoxId::Y)
                ->setFocus(Qt::ShortcutFocusReason);
            return;
        case HelpTopic:
            ShowHelpTopic(kShortcutHelpContext);
            return;
        case OpenConstants:
            ConstPanelClick();
            return;
        case SaveDataFile:
            SouborUlozitItemClick();
            return;
        case SeriesByVariable:
            RadaIteraciPromenneItemClick();
            return;
        case SeriesByParameter:
            RadaIteraciParametruItemClick();
            return;
        case SeriesExpansion:
            RadaRozvojemItemClick();
            return;
        case RunLibraryTask:
            Tasks().RunInputLineTask();
            return;
        default:
            break;
    }
    ApplySwitch([command](ModeSwitches& state) {
        return ApplyShortcutCommand(state, command).value_or(SwitchChanges{});
    });
}

}  // namespace tarvix
