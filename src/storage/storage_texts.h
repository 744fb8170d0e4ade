// The replaceable texts of the data file commands, the settings and the
// history window: catalog section, key and built-in Czech text. "%s" is
// filled with FormatMessageText, "%\ " is a line break.
#pragma once

#include <string>
#include <string_view>

#include "storage/text_catalog.h"

namespace tarvix {

struct CatalogText {
    std::string_view Section;
    std::string_view Key;
    std::string_view BuiltIn;
};

inline const std::string& CatalogString(TextCatalog& catalog, const CatalogText& text) {
    return catalog.Text(text.Section, text.Key, text.BuiltIn);
}

namespace texts {
inline constexpr CatalogText DataFiles{"Msg", "Msg_DataFiles", "Datové soubory (*.fx)|*.fx"};
inline constexpr CatalogText AskForOverwriteFile{"Msg", "Msg_AskForOverwriteFile",
                                                 "Soubor \"%s\" existuje. %\\ Má se přepsat?"};
inline constexpr CatalogText WritingToFile{"Msg", "Msg_WritingToFile",
                                           "Chyba při zápisu do souboru %\\ \"%s\""};
inline constexpr CatalogText ReadingFromFile{"Msg", "Msg_ReadingFromFile",
                                             "Chyba při čtení ze souboru %\\ \"%s\""};
inline constexpr CatalogText FileNotFound{"Msg", "Msg_FileNotFound", "Soubor \"%s\" nebyl nalezen"};
inline constexpr CatalogText NotDataFile{"Msg", "Msg_NotDataFile",
                                         "Soubor neobsahuje data kalkulačky"};
inline constexpr CatalogText OpenDialog{"Title", "OpenDlg", "Otevřít"};
inline constexpr CatalogText SaveAsDialog{"Title", "SaveAsDlg", "Uložit jako"};

// The history window.
inline constexpr CatalogText LogFormCaption{"Title", "LogForm", "Historie výpočtů"};
inline constexpr CatalogText LogResults{"LogForm", "Results", "Výsledky"};
inline constexpr CatalogText LogExpressionsResults{"LogForm", "ExpressionsResults",
                                                   "Výrazy a výsledky"};
inline constexpr CatalogText LogExpressionsVariablesResults{
    "LogForm", "ExpressionsVariablesResults", "Výrazy, proměnné a výsledky"};
inline constexpr CatalogText LogClear{"LogForm", "Clear", "Vymazat"};
inline constexpr CatalogText LogCopy{"LogForm", "Copy", "Kopírovat"};
inline constexpr CatalogText LogFont{"LogForm", "Font", "Písmo"};

// Every text above (for the language file template).
inline constexpr const CatalogText* kAll[] = {
    &DataFiles,      &AskForOverwriteFile,   &WritingToFile,
    &ReadingFromFile, &FileNotFound,         &NotDataFile,
    &OpenDialog,     &SaveAsDialog,          &LogFormCaption,
    &LogResults,     &LogExpressionsResults, &LogExpressionsVariablesResults,
    &LogClear,       &LogCopy,               &LogFont,
};
}  // namespace texts

}  // namespace tarvix
