// Languages of the user interface: where their files are, which ones there
// are, and applying one. Applying always starts again from the built-in Czech
// texts and lays the language file over them, so a key the file lacks keeps
// its built-in text and switching back to CZECH (without a CZECH.lng) restores
// the built-in interface.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "storage/language_file.h"
#include "storage/storage_texts.h"
#include "storage/text_catalog.h"
#include "storage/xdg_paths.h"

namespace tarvix {

// The built-in language.
inline constexpr std::string_view kBuiltInLanguage = "CZECH";

// The message of a language file that does not read ("%s": its problems,
// each on a line of its own).
inline constexpr CatalogText kLanguageFileRefused{
    "Msg", "Msg_LanguageFileRefused", "Jazykový soubor nelze použít, zůstává dosavadní jazyk:%s"};

// The folders searched for language and tips files, the user's first.
struct LanguageFolders {
    std::filesystem::path User;     // $XDG_DATA_HOME/tarvix/lang
    std::filesystem::path Shipped;  // <shipped data>/lang

    static LanguageFolders For(const XdgEnvironment& environment,
                               const std::filesystem::path& shippedDataFolder);
    // The folders of the running program.
    static LanguageFolders OfProcess();
};

// A language word as used in file names: upper-cased; empty when the word is
// not a plain name (letters, digits, "_" and "-").
std::string LanguageWord(std::string_view word);

// The file of the language ("ENGLISH.lng", the name's case ignored), the
// user's folder first; empty when there is none.
std::filesystem::path FindLanguageFile(const LanguageFolders& folders, std::string_view word);

// Every language there is a file of, and CZECH always; sorted, CZECH first.
std::vector<std::string> LanguageNames(const LanguageFolders& folders);

struct LanguageApplyResult {
    bool Ok = true;               // false: the file did not read, nothing changed
    bool FromFile = false;        // a language file was applied
    std::string Language;         // the language now in use
    std::string CountryId = "00420";
    std::vector<std::string> Problems;  // why the file was refused
};

// Applies a language that was read: every text back to built-in, then the
// file's texts over them (catalog and message tables); empty values are
// skipped, so no caption is ever emptied.
void ApplyLanguageTexts(TextCatalog& catalog, const LanguageFile& file);
// The built-in Czech texts everywhere.
void ApplyBuiltInLanguage(TextCatalog& catalog);

// Applies the language `word`: its file when there is one, else the built-in
// texts (a language without a file keeps Czech; that is not an error). A file
// that does not read changes nothing and reports its problems.
LanguageApplyResult ApplyLanguage(TextCatalog& catalog, const LanguageFolders& folders,
                                  std::string_view word);

}  // namespace tarvix
