// The interface language of the running program, from one place: applying a
// language (its file over the built-in Czech texts, Qt's own dialogs too) and
// telling every window at once. Every open window re-applies its texts: the
// windows listed in language_hub.cpp and any widget with an invokable
// `ApplyTexts()`; other objects connect to LanguageChanged.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <string_view>

#include "storage/language.h"

namespace tarvix {

class TMainForm;

class TLanguageHub : public QObject {
    Q_OBJECT

public:
    TLanguageHub(TextCatalog& texts, LanguageFolders folders, QObject* parent);

    // Every language there is a file of; CZECH always.
    QStringList LanguageNames() const;
    // Applies the language and re-applies the texts of every window. A file
    // that does not read leaves everything as it was (the result says why).
    LanguageApplyResult ApplyLanguage(const QString& name);
    // The language now in use.
    QString Language() const { return language_; }

    // A language chosen for this run only (tarvix --lang): the start applies
    // it instead of the settings' one, and the settings are not changed.
    void SetRunLanguage(const QString& name) { runLanguage_ = name; }
    QString RunLanguage() const { return runLanguage_; }
    // The language the start applies: the run's, else the settings' word.
    QString StartLanguage(const QString& settingsLanguage) const;

    const LanguageFolders& Folders() const { return folders_; }

    // Calls ApplyTexts() of every widget of the application that has one and
    // sets again every text bound by BindCatalogText.
    void ReapplyWindowTexts();

signals:
    void LanguageChanged(const QString& language);

private:
    TextCatalog& texts_;
    LanguageFolders folders_;
    QString language_ = QStringLiteral("CZECH");
    QString runLanguage_;
};

// Binds the text of an action or widget to a catalog key: it is set now and
// again on every language change (for captions set once where they are made).
void BindCatalogText(QObject* target, TextCatalog& texts, std::string_view section,
                     std::string_view key, std::string_view builtIn);

// The hub of the main window (its child object), made by InstallLanguage.
TLanguageHub& LanguageOf(TMainForm& form);
// Called once while the main window is built: the hub, and the help menu's
// "&Tip dne" bound to the tip window.
void InstallLanguage(TMainForm& form);
// At start: the settings' language, or this run's (--lang); a language file
// that does not read is reported in a message and the built-in texts stay.
void ApplyStartLanguage(TMainForm& form);
// Applies a language and re-applies every window's texts; a language file that
// does not read is reported in a message and changes nothing (false).
bool ApplyLanguageReporting(TMainForm& form, const QString& name);
// "&Tip dne": the tip window of the main window.
void ShowTips(TMainForm& form);
// At start: the tip window when Help/TipsOfTheDay is on.
void ShowStartTips(TMainForm& form);

}  // namespace tarvix
