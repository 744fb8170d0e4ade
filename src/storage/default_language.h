// The language the program starts in when the settings name none: CZECH under
// a Czech system locale; otherwise ENGLISH when its language file is there,
// else CZECH.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvix {

// The locale the user's messages are shown in: $LC_ALL, else $LC_MESSAGES,
// else $LANG (the first that is set and not empty).
std::string SystemLocaleName();

// "cs", "cs_CZ", "cs_CZ.UTF-8", "cs_CZ@euro" and the like.
bool IsCzechLocale(std::string_view localeName);

// `languageFolder` holds the language files (ENGLISH.lng).
std::string DefaultLanguage(std::string_view localeName,
                            const std::filesystem::path& languageFolder);

}  // namespace tarvix
