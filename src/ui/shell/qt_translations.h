// Qt's own texts (the standard open, save, colour, font and print dialogs,
// the buttons of its message boxes) and Qt's locale (the month and day names
// of calendars, the numbers of spin boxes) in the language of the interface.
#pragma once

#include <string_view>

namespace tarvix {

// Loads Qt's translations for the interface language named by its language
// word ("CZECH", "ENGLISH", …) and drops those of the previous language.
// English, and a language Qt has no translation for, leave Qt's built-in
// English texts. Returns whether a translation was loaded. The locale
// follows the language in every case (ApplyInterfaceLocale).
bool InstallQtTranslations(std::string_view languageWord);

// Qt's default locale for the interface language: the desktop's own locale
// when it speaks that language (its country's formats), else the language's
// usual one; an unknown language word leaves the desktop's locale. Widgets
// created afterwards take it; the display's decimal separator stays the
// desktop's.
void ApplyInterfaceLocale(std::string_view languageWord);

}  // namespace tarvix
