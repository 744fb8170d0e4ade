// The hooks of the language files: the folders the language list reads, and
// loading a language's texts into the catalog. The language files' own code
// installs the loader; without one a language change applies the built-in
// texts and Qt's translations only.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tarvix {

class TextCatalog;

// The languages of the preferences' list: the "*.lng" names of the shipped
// language folder and of the user's data folder, CZECH always present.
std::vector<std::string> PreferenceLanguageNames(const std::filesystem::path& shippedFolder);

// Loads `language`'s texts into the catalog (the catalog holds the built-in
// texts when it is called).
using LanguageLoader = std::function<void(TextCatalog& texts, const std::string& language)>;
void SetLanguageLoader(LanguageLoader loader);
void LoadLanguageTexts(TextCatalog& texts, const std::string& language);

}  // namespace tarvix
