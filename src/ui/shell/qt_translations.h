// Qt's own texts (the standard open, save, colour, font and print dialogs,
// the buttons of its message boxes) in the language of the interface.
#pragma once

#include <string_view>

namespace tarvix {

// Loads Qt's translations for the interface language named by its language
// word ("CZECH", "ENGLISH", …) and drops those of the previous language.
// English, and a language Qt has no translation for, leave Qt's built-in
// English texts. Returns whether a translation was loaded.
bool InstallQtTranslations(std::string_view languageWord);

}  // namespace tarvix
