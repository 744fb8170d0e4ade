// The language hooks.
#include "ui/settings/language_hook.h"

#include "storage/language_list.h"
#include "storage/xdg_paths.h"

namespace tarvix {
namespace {

LanguageLoader& Loader() {
    static LanguageLoader loader;
    return loader;
}

}  // namespace

std::vector<std::string> PreferenceLanguageNames(const std::filesystem::path& shippedFolder) {
    return AvailableLanguages({shippedFolder, DataFolder(XdgEnvironment::FromProcess())});
}

void SetLanguageLoader(LanguageLoader loader) { Loader() = std::move(loader); }

void LoadLanguageTexts(TextCatalog& texts, const std::string& language) {
    if (Loader()) Loader()(texts, language);
}

}  // namespace tarvix
