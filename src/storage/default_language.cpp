// Choosing the default language from the locale.
#include "storage/default_language.h"

#include <cstdlib>
#include <system_error>

#include "engine/name_utils.h"

namespace tarvix {

std::string SystemLocaleName() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return "";
}

bool IsCzechLocale(std::string_view localeName) {
    if (localeName.size() < 2 || !EqualsNoCase(localeName.substr(0, 2), "cs")) return false;
    return localeName.size() == 2 || localeName[2] == '_' || localeName[2] == '.' ||
           localeName[2] == '@' || localeName[2] == '-';
}

std::string DefaultLanguage(std::string_view localeName,
                            const std::filesystem::path& languageFolder) {
    if (IsCzechLocale(localeName)) return "CZECH";
    std::error_code error;
    if (!languageFolder.empty() &&
        std::filesystem::is_regular_file(languageFolder / "ENGLISH.lng", error)) {
        return "ENGLISH";
    }
    return "CZECH";
}

}  // namespace tarvix
