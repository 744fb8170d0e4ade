// Every replaceable text of the program with its built-in Czech text: the
// message tables, the texts declared in the texts headers (those asked only
// inside an action too) and every caption the windows ask the catalog for
// when each window of the picture table is opened. It is the
// template a translator starts from (`tarvix --language-template FILE`,
// build target `language_template`) and the list the English file is
// checked against.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "storage/language_file.h"

namespace tarvix {

class TMainForm;

// The entries of every message table, in the sections of their keys
// ("Error_…" in Error, "Err_…" in Err, "Msg_…" in Msg).
std::vector<LanguageEntry> MessageTableTexts();

// Opens every window of the picture table from `form` and returns every text
// with its built-in value (message tables first, then the catalog sorted by
// section and key; each key once).
std::vector<LanguageEntry> BuiltInTexts(TMainForm& form);

// Writes the built-in texts as the language file CZECH.lng; false with a
// reason in `error` when the file cannot be written.
bool WriteLanguageTemplate(TMainForm& form, const std::filesystem::path& file, std::string& error);

}  // namespace tarvix
