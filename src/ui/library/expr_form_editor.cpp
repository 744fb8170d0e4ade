// The library window's editor pane: the texts its menu inserts (the mode
// line, the states of the open windows, a variable, an index character), its
// font, and the variables dropped on it from the variable list window.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "calculator/calculator.h"
#include "tasks/explanation_inserts.h"
#include "tasks/formula_transfer.h"
#include "tasks/library_text.h"
#include "ui/library/expr_form.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// Tabs align the unit and the description of variable lines.
constexpr int kTabStopCharacters = 8;

// The open top-level windows as the window states line names them: the
// class name without its namespace and its leading "T" ("TVarForm" is "VarForm").
std::vector<OpenWindow> OpenTopLevelWindows() {
    std::vector<OpenWindow> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible()) continue;
        QString name = QString::fromLatin1(widget->metaObject()->className());
        name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
        if (name.startsWith(QLatin1Char('T'))) name.remove(0, 1);
        OpenWindow window;
        window.FormName = ToStd(name);
        window.Show = widget->isMinimized()   ? WindowShow::Minimized
                      : widget->isMaximized() ? WindowShow::Maximized
                                              : WindowShow::Normal;
        window.Left = widget->x();
        window.Top = widget->y();
        window.Width = widget->width();
        window.Height = widget->height();
        windows.push_back(std::move(window));
    }
    return windows;
}

}  // namespace

QFont EditorFont(const ExprFormSettings& settings) {
    const QString family = ToQ(settings.FontName);
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family)
                                                  : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (settings.FontSize > 0) font.setPointSize(settings.FontSize);
    font.setBold(settings.FontStyle & 1);
    font.setItalic(settings.FontStyle & 2);
    font.setUnderline(settings.FontStyle & 4);
    font.setStrikeOut(settings.FontStyle & 8);
    return font;
}

void TExprForm::ApplyEditorFont(const QFont& font) {
    memo_->setFont(font);
    memo_->setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) *
                              kTabStopCharacters);
}

void TExprForm::PismoClick() {
    std::optional<QFont> chosen;
    if (fontChooser_) {
        chosen = fontChooser_(memo_->font());
    } else {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, memo_->font(), this);
        if (ok) chosen = font;
    }
    if (!chosen) return;
    ApplyEditorFont(*chosen);
    placement_.FontName = ToStd(chosen->family());
    if (chosen->pointSize() > 0) placement_.FontSize = chosen->pointSize();
    placement_.FontStyle = (chosen->bold() ? 1 : 0) | (chosen->italic() ? 2 : 0) |
                           (chosen->underline() ? 4 : 0) | (chosen->strikeOut() ? 8 : 0);
}

// --- Inserts

void TExprForm::InsertIntoMemo(const QString& text) {
    // Through the editor, so that "&Zpět" takes it back; the library takes
    // the new text from the editor.
    if (!library_.EditMode() || !library_.CurrentRow() || text.isEmpty()) return;
    // An edit block of its own: the undo takes back this insert alone, not
    // the typing before it.
    QTextCursor cursor = memo_->textCursor();
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    memo_->setTextCursor(cursor);
    memo_->setFocus();
}

void TExprForm::VlozitRezimClick() {
    InsertIntoMemo(ToQ(ModeText()));
}

void TExprForm::VlozitStavOkenClick() {
    if (!library_.EditMode() || !library_.CurrentRow()) return;
    QString text;
    for (const std::string& line : WindowStateLines(OpenTopLevelWindows()))
        text += ToQ(line) + QLatin1Char('\n');
    QTextCursor cursor = memo_->textCursor();
    cursor.clearSelection();
    cursor.movePosition(QTextCursor::StartOfBlock);
    memo_->setTextCursor(cursor);
    InsertIntoMemo(text);
}

void TExprForm::VlozitPromennouClick() {
    if (!library_.EditMode() || !library_.CurrentRow()) return;
    const std::optional<std::string> variable = services_.SelectedVariable();
    if (!variable) {
        services_.Calc.ShowMessageBox(library_.Texts().Text(libmsg::SelectVariable),
                                      MessageKind::Information, kOkButton, 0);
        return;
    }
    InsertIntoMemo(ToQ(*variable));
}

void TExprForm::VlozitIndexClick(int index) {
    const auto& characters = IndexCharacters();
    if (index < 0 || static_cast<std::size_t>(index) >= characters.size()) return;
    InsertIntoMemo(ToQ(characters[static_cast<std::size_t>(index)]));
}

// --- Variables dropped from the variable list

bool TExprForm::MemoEvent(QObject* watched, QEvent* event) {
    if (watched != memo_->viewport()) return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (!services_.IsVariableDrag(drop->source())) return false;
    if (!library_.EditMode() || !library_.CurrentRow()) {
        drop->ignore();
        return true;
    }
    // The caret follows the pointer; the variable goes where it is dropped.
    memo_->setTextCursor(memo_->cursorForPosition(drop->position().toPoint()));
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) VlozitPromennouClick();
    return true;
}

}  // namespace tarvix
