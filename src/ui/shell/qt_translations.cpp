// Qt's translation files (Debian qt6-translations-l10n) for the language word
// of the interface.
#include "ui/shell/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
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

}  // namespace

bool InstallQtTranslations(std::string_view languageWord) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    for (QTranslator* old : app->findChildren<QTranslator*>(QLatin1String(kTranslatorName))) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const char* code = nullptr;
    for (const LanguageCode& language : kLanguageCodes) {
        if (EqualsNoCase(language.Word, languageWord)) code = language.Code;
    }
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
