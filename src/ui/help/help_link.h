// THelpLink: the program's way into the help. It belongs to the main window,
// keeps the help language, opens the help window at a help-context number,
// a task keyword, a window's page or the contents, and answers F1 and the
// windows' help requests in every window of the program.
//
// The language: SetLanguage(word) with the interface's language word
// ("CZECH", "ENGLISH" …) chooses the collection; a language without one gets
// the Czech help. The main window calls it when the settings are read, and
// whatever changes the interface language calls it again.
//
// Modal dialogs block every other window, so the help window opened from a
// modal dialog (a message box's "Nápověda") is lent to that dialog while it
// is shown and comes back to the main window afterwards.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>

#include "ui/help/help_topics.h"

class QWidget;

namespace tarvix {

class TextCatalog;
class THelpForm;

class THelpLink : public QObject {
    Q_OBJECT

public:
    // `home` is the main window: the help window's parent. `report` shows a
    // message (the help is missing).
    THelpLink(TextCatalog& texts, QWidget* home, std::function<void(const std::string&)> report);
    ~THelpLink() override;

    // The language of the help; an open help window changes at once.
    void SetLanguage(const QString& languageWord);
    QString Language() const { return language_; }

    // The page of a help context; the contents for 0 and for an unknown number.
    void ShowContext(int context);
    // The page of a task statement keyword (Alt+F1 in the task editor); for
    // another word the index at that word.
    void ShowKeyword(const QString& word);
    // Alt+F1 in the task editor: the topic of the keyword or statement at
    // `caret` (a position in `line`); for an expression line the index at the
    // word under the caret.
    void ShowAtCaret(const QString& line, int caret);
    // HELP(topic) of a task: a context number or a keyword; empty: the contents.
    void ShowTopicText(const QString& text);
    void ShowContents();
    // The page of the window `widget` belongs to (F1).
    void ShowWindowHelp(QWidget* widget);
    void ShowTopic(const HelpTopic& topic);

    // The help window while it exists.
    THelpForm* Form() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The help window with the current language's collection; nullptr (and
    // the message shown) when there is no collection.
    THelpForm* PreparedForm();
    void Present();
    // Keeps the help window usable while `modal` is open.
    void LendTo(QWidget* modal);
    void ComeHome();
    bool HandleKey(QObject* watched, QEvent* event);

    TextCatalog& texts_;
    QWidget* home_;
    std::function<void(const std::string&)> report_;
    QString language_ = QStringLiteral("CZECH");
    QPointer<THelpForm> form_;
    QPointer<QWidget> borrower_;  // the modal dialog the help window is lent to
};

}  // namespace tarvix
