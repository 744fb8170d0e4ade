// The help link of the main window: language, help window, F1 and help requests.
#include "ui/help/help_link.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "calculator/message_box.h"
#include "storage/storage_texts.h"
#include "ui/help/help_collection.h"
#include "ui/help/help_form.h"
#include "ui/help/help_texts.h"
#include "ui/help/help_windows.h"
#include "ui/widgets/qt_dialogs.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

bool IsHelpKey(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

THelpLink::THelpLink(TextCatalog& texts, QWidget* home,
                     std::function<void(const std::string&)> report)
    : QObject(home), texts_(texts), home_(home), report_(std::move(report)) {
    setObjectName(QStringLiteral("HelpLink"));
    qApp->installEventFilter(this);
}

THelpLink::~THelpLink() {
    qApp->removeEventFilter(this);
    delete form_;
}

THelpForm* THelpLink::Form() const {
    return form_;
}

void THelpLink::SetLanguage(const QString& languageWord) {
    const QString word = languageWord.trimmed().toUpper();
    language_ = word.isEmpty() ? QStringLiteral("CZECH") : word;
    if (form_) PreparedForm();
}

THelpForm* THelpLink::PreparedForm() {
    const QString shipped = HelpCollectionFile(language_);
    QString error;
    const QString working = shipped.isEmpty()
                                ? QString()
                                : PrepareWorkingCollection(shipped, HelpCacheFolder(), &error);
    if (!form_) form_ = new THelpForm(texts_, home_);
    if (working.isEmpty() || !form_->SetCollection(working)) {
        std::string text = CatalogString(texts_, texts::HelpNotFound);
        if (!shipped.isEmpty()) text += "\n" + ToStd(shipped);
        if (report_) report_(text);
        return nullptr;
    }
    return form_;
}

void THelpLink::ShowTopic(const HelpTopic& topic) {
    // The help window is prepared once per language; a shown window keeps it.
    THelpForm* form = form_ && form_->Engine() ? form_.data() : PreparedForm();
    if (!form) return;
    form->ShowTopic(topic);
    Present();
}

void THelpLink::ShowContext(int context) {
    ShowTopic(TopicOfContext(context).value_or(kHelpContentsTopic));
}

void THelpLink::ShowKeyword(const QString& word) {
    if (const std::optional<HelpTopic> topic = TopicOfKeyword(ToStd(word))) {
        ShowTopic(*topic);
        return;
    }
    ShowTopic(kHelpContentsTopic);
    if (form_ && form_->Engine()) form_->ShowIndexFor(word.trimmed());
}

void THelpLink::ShowAtCaret(const QString& line, int caret) {
    const std::string text = ToStd(line);
    // The caret counts the line's characters; the tables read its UTF-8 bytes.
    const std::size_t position = ToStd(line.left(std::max(caret, 0))).size();
    if (const std::optional<HelpTopic> topic = TopicAtCaret(text, position)) {
        ShowTopic(*topic);
        return;
    }
    ShowKeyword(ToQ(WordAt(text, position)));
}

void THelpLink::ShowTopicText(const QString& text) {
    if (text.trimmed().isEmpty()) {
        ShowContents();
        return;
    }
    if (const std::optional<HelpTopic> topic = TopicOfText(ToStd(text))) {
        ShowTopic(*topic);
        return;
    }
    ShowKeyword(text);
}

void THelpLink::ShowContents() {
    ShowTopic(kHelpContentsTopic);
}

void THelpLink::ShowWindowHelp(QWidget* widget) {
    QWidget* window = widget ? widget->window() : home_;
    // A message box answers with its own help topic, as its button does.
    if (auto* message = qobject_cast<TMessageDialog*>(window)) {
        if (QAbstractButton* help = message->Button(MessageButton::Help)) {
            help->click();
            return;
        }
    }
    ShowTopic(TopicOfWindow(window));
}

void THelpLink::Present() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != form_ && !form_->isAncestorOf(modal)) {
        LendTo(modal);
    }
    if (form_->isMinimized()) form_->showNormal();
    form_->show();
    form_->raise();
    form_->activateWindow();
}

void THelpLink::LendTo(QWidget* modal) {
    if (borrower_ == modal) return;
    // A child window of the modal dialog is not blocked by it.
    const QRect geometry = form_->geometry();
    form_->setParent(modal, Qt::Window);
    form_->setGeometry(geometry);
    borrower_ = modal;
}

void THelpLink::ComeHome() {
    borrower_ = nullptr;
    if (!form_ || form_->parentWidget() == home_) return;
    const bool visible = form_->isVisible();
    const QRect geometry = form_->geometry();
    form_->setParent(home_, Qt::Window);
    form_->setGeometry(geometry);
    if (visible) form_->show();
}

bool THelpLink::HandleKey(QObject* watched, QEvent* event) {
    if (!IsHelpKey(event)) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // F1 stays a key of the window (no shortcut takes it), so that the
        // key press below reaches this filter.
        event->accept();
        return true;
    }
    ShowWindowHelp(widget);
    return true;
}

bool THelpLink::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            if (HandleKey(watched, event)) return true;
            break;
        case QEvent::HelpRequest:
            if (auto* widget = qobject_cast<QWidget*>(watched)) {
                ShowWindowHelp(widget);
                return true;
            }
            break;
        case QEvent::Hide:
            // The dialog the help window was lent to is closing: the help
            // window returns to the main window before the dialog goes.
            if (watched == borrower_ && !event->spontaneous()) ComeHome();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvix
