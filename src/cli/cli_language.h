// --lang WORD: the interface language of one run of tarvix-cli (messages of
// the calculator, the tasks, the library and the tools). The option is taken
// out of the arguments before any family reads them; a language without a
// file keeps the built-in Czech texts.
#pragma once

#include <ostream>
#include <vector>

#include "storage/text_catalog.h"

namespace tarvix {

// Removes every "--lang WORD" from args (up to a "--") and applies the last
// word to `texts` and the message tables. A language file that does not read
// is reported on `err` and the built-in texts stay. False for a --lang
// without its word.
bool TakeLanguageOption(std::vector<char*>& args, TextCatalog& texts, std::ostream& err);

}  // namespace tarvix
