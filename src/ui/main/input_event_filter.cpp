// Key handling of the input line and the register boxes.
#include "ui/main/input_event_filter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "calculator/calculator.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// A character the typing rules take: printable ASCII (other characters go to
// the box as typed).
bool IsRuleCharacter(const QString& text) {
    if (text.size() != 1) return false;
    const char16_t c = text.front().unicode();
    return c >= u' ' && c < 0x7f;
}

EditState StateOf(const QLineEdit* edit) {
    EditState state;
    const QString text = edit->text();
    state.Text = ToStd(text);
    if (edit->hasSelectedText()) {
        const int start = edit->selectionStart();
        state.SelStart = Utf8Offset(text, start);
        state.SelLength = Utf8Offset(text, start + static_cast<int>(edit->selectedText().size())) -
                          state.SelStart;
    } else {
        state.SelStart = Utf8Offset(text, edit->cursorPosition());
    }
    return state;
}

}  // namespace

TInputEventFilter::TInputEventFilter(Calculator& calculator, InputKeyTarget& target,
                                     QObject* parent)
    : QObject(parent), calculator_(calculator), target_(target) {}

void TInputEventFilter::Watch(QComboBox* combo, BoxId box) {
    QLineEdit* edit = combo->lineEdit();
    for (QObject* object : {static_cast<QObject*>(combo), static_cast<QObject*>(edit)}) {
        boxes_[object] = Watched{edit, box};
        object->installEventFilter(this);
        connect(object, &QObject::destroyed, this, [this, object] { boxes_.erase(object); });
    }
}

bool TInputEventFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto found = boxes_.find(watched);
    if (found == boxes_.end()) return false;
    return KeyPress(found->second.Edit, found->second.Box, static_cast<QKeyEvent*>(event));
}

bool TInputEventFilter::KeyPress(QLineEdit* edit, BoxId box, QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    const bool shift = mods & Qt::ShiftModifier;
    const bool alt = mods & Qt::AltModifier;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (ctrl || alt) return false;
            target_.CalculateFromBox();
            return true;
        case Qt::Key_Space:
            if (ctrl || shift) {
                target_.ToggleSpaceAsBrackets();
                return true;
            }
            break;
        case Qt::Key_Insert:
            if (ctrl && shift) {
                target_.CopyDisplayText();
                return true;
            }
            break;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (ctrl) {
                QWidget* next = event->key() == Qt::Key_Down ? edit->nextInFocusChain()
                                                             : edit->previousInFocusChain();
                // The boxes' own combo box sits next to its line edit in the chain.
                while (next && (next == edit->parentWidget() || !next->isEnabled() ||
                                !next->isVisible() || next->focusPolicy() == Qt::NoFocus))
                    next = event->key() == Qt::Key_Down ? next->nextInFocusChain()
                                                        : next->previousInFocusChain();
                if (next)
                    next->setFocus(event->key() == Qt::Key_Down ? Qt::TabFocusReason
                                                                : Qt::BacktabFocusReason);
                return true;
            }
            break;
        case Qt::Key_F:
            if (ctrl && shift) {
                QFont font = edit->font();
                font.setBold(!font.bold());
                edit->setFont(font);
                return true;
            }
            break;
        default:
            break;
    }
    if (ctrl || alt) return false;
    const QString text = event->text();
    if (text == QLatin1String("#")) {
        target_.OpenConstantsMenu();
        return true;
    }
    if (!IsRuleCharacter(text)) return false;
    TypeCharacter(edit, box, static_cast<char>(text.front().unicode()));
    return true;
}

void TInputEventFilter::TypeCharacter(QLineEdit* edit, BoxId box, char typed) {
    const EditState next = calculator_.TypeIntoBox(box, StateOf(edit), typed);
    const QString text = ToQ(next.Text);
    if (edit->text() != text) {
        // One undoable step, so Ctrl+Z takes the character back.
        edit->selectAll();
        edit->insert(text);
    }
    const int start = QtPosition(text, next.SelStart);
    const int end = QtPosition(text, next.SelStart + next.SelLength);
    if (end > start) {
        edit->setSelection(start, end - start);
    } else {
        edit->setCursorPosition(start);
    }
    target_.BoxTyped(box);
}

}  // namespace tarvix
