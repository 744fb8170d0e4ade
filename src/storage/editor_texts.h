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

// The tool bar: "caption|hint".
inline constexpr CatalogText EditorNew{"DispForm", "NewSheet", "Nový sešit|Založení nového sešitu"};
inline constexpr CatalogText EditorOpen{"DispForm", "OpenSheet",
                                        "Otevřít sešit|Otevření existujícího sešitu"};
inline constexpr CatalogText EditorSave{"DispForm", "SaveSheet",
                                        "Uložit sešit|Uložení sešitu do souboru"};
inline constexpr CatalogText EditorCut{"DispForm", "Cut",
                                       "Vyjmout|Vyjmutí vybraného textu a jeho umístění do schránky"};
inline constexpr CatalogText EditorCopy{"DispForm", "Copy",
                                        "Kopírovat|Kopírování vybraného textu do schránky"};
inline constexpr CatalogText EditorPaste{"DispForm", "Paste", "Vložit|Vložení textu ze schránky"};
inline constexpr CatalogText EditorDelete{"DispForm", "Delete",
                                          "Odstranit|Odstranění vybraného textu"};
inline constexpr CatalogText EditorUndo{"DispForm", "Undo",
                                        "Obnovit|Obnovení smazaného nebo přepsaného textu"};
inline constexpr CatalogText EditorFont{"DispForm", "Font", "Písmo|Nastavení druhu písma"};
inline constexpr CatalogText EditorBackground{"DispForm", "Background",
                                              "Pozadí|Nastavení barvy pozadí"};
inline constexpr CatalogText EditorRecalculate{
    "DispForm", "RecalculateAll",
    "Přepočítat vše|Nové vyhodnocení všech výrazů a přepsání jejich výsledků"};
inline constexpr CatalogText EditorClose{"DispForm", "Close", "Zavřít|Zavření editoru"};

// Every text above (for the language file template).
inline constexpr const CatalogText* kEditorAll[] = {
    &EditorCaption,      &EditorWorksheetWord, &EditorTextFiles,  &EditorAskForSave,
    &EditorFileTooLarge, &EditorNew,           &EditorOpen,       &EditorSave,
    &EditorCut,          &EditorCopy,          &EditorPaste,      &EditorDelete,
    &EditorUndo,         &EditorFont,          &EditorBackground, &EditorRecalculate,
    &EditorClose,
};

}  // namespace tarvix::texts
