// Qt's translation files (Debian qt6-translations-l10n) for the language word
// of the interface.
#include "ui/shell/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "engine/name_utils.h"

namespace tarvix {
namespace {

struct LanguageCode {
    std::string_view Word;
    const char* Code;  // Qt's file suffix
};

constexpr LanguageCode kLanguageCodes[] = {
    {"CZECH", "cs"},   {"SLOVAK", "sk"},  {"GERMAN", "de"},    {"POLISH", "pl"},
    {"FRENCH", "fr"},  {"SPANISH", "es"}, {"ITALIAN", "it"},   {"HUNGARIAN", "hu"},
    {"RUSSIAN", "ru"}, {"UKRAINIAN", "uk"}, {"PORTUGUESE", "pt_PT"}, {"DUTCH", "nl"},
};

constexpr char kTranslatorName[] = "TarvixQtTranslator";

// Qt's code of a language word; nullptr when Qt has no translation for it.
const char* QtLanguageCode(std::string_view languageWord) {
    for (const LanguageCode& language : kLanguageCodes) {
        if (EqualsNoCase(language.Word, languageWord)) return language.Code;
    }
    return nullptr;
}

}  // namespace

void ApplyInterfaceLocale(std::string_view languageWord) {
    // English needs no translation of Qt's texts but has a locale of its own.
    const char* code = EqualsNoCase(languageWord, "ENGLISH") ? "en" : QtLanguageCode(languageWord);
    const QLocale system = QLocale::system();
    if (!code) {
        QLocale::setDefault(system);
        return;
    }
    const QLocale wanted{QString::fromLatin1(code)};
    // The desktop's locale (its own formats) is kept only where it really
    // speaks the wanted language: a locale mixed from categories (messages in
    // Czech, dates from "C") would name the months in English.
    const bool systemSpeaksIt =
        system.language() == wanted.language() &&
        system.standaloneMonthName(12) == wanted.standaloneMonthName(12);
    QLocale::setDefault(systemSpeaksIt ? system : wanted);
}

bool InstallQtTranslations(std::string_view languageWord) {
    ApplyInterfaceLocale(languageWord);
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    for (QTranslator* old : app->findChildren<QTranslator*>(QLatin1String(kTranslatorName))) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const char* code = QtLanguageCode(languageWord);
    if (!code) return false;
    // "qt_xx" bundles the base module and the others the program uses.
    auto* translator = new QTranslator(app);
    translator->setObjectName(QLatin1String(kTranslatorName));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qt_") + QLatin1String(code), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace tarvix
