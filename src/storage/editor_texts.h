// The replaceable texts of the expression editor (catalog section DispForm):
// section, key and built-in Czech text, as storage_texts.h keeps them.
#pragma once

#include "storage/storage_texts.h"

namespace tarvix::texts {

inline constexpr CatalogText EditorCaption{"Title", "DispForm", "Editor výrazů"};
// The localised word for a worksheet; the default file is it and "1.txt".
inline constexpr CatalogText EditorWorksheetWord{"DispForm", "WorkSheet", "Sešit"};
inline constexpr CatalogText EditorTextFiles{"DispForm", "TextFiles",
                                             "Textové soubory (*.txt)|*.txt"};
inline constexpr CatalogText EditorAskForSave{"DispForm", "AskForSave",
                                              "Přejete si uložit data do souboru?"};
inline constexpr CatalogText EditorFileTooLarge{"DispForm", "FileTooLarge",
                                                "Soubor je příliš velký (nejvýše 16 MB)"};

}  // namespace tarvix::texts
