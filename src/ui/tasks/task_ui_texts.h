// The replaceable texts of the task windows: the run status texts of the
// library window's status bar, the task output window's captions, hints and
// status bar, and the input box of INPUT.
#pragma once

#include "storage/storage_texts.h"

namespace tarvix::texts {

inline constexpr CatalogText TaskInitialized{"ExprForm", "TaskInitialized",
                                             " Běh úlohy inicializován..."};
inline constexpr CatalogText TaskInterrupted{"ExprForm", "TaskInterrupted",
                                             " !! Běh úlohy přerušen !!"};
inline constexpr CatalogText TaskFinished{"ExprForm", "TaskFinished",
                                          " >>> Úloha byla dokončena <<<"};

// "&Ukázka grafu funkce KP" looks for the library category of this name.
inline constexpr CatalogText ComplexDemoCategory{"MainForm", "ComplexDemoCategory",
                                                 "komplexní hyperbolický sinus"};

inline constexpr CatalogText EdCaption{"EdForm", "Caption", "Tarvix - "};
inline constexpr CatalogText EdClear{"EdForm", "ClearButton", "Vymazat|Vymaže obsah okna"};
inline constexpr CatalogText EdSave{"EdForm", "SaveButton", "Uložit|Uloží obsah okna do souboru"};
inline constexpr CatalogText EdPrint{"EdForm", "PrintButton", "Tisk|Vytiskne obsah okna"};
inline constexpr CatalogText EdFont{"EdForm", "FontButton", "Písmo|Nastaví atributy písma"};
inline constexpr CatalogText EdClose{"EdForm", "CloseButton", "Zavřít|Zavře okno"};
inline constexpr CatalogText EdPosition{"EdForm", "Position", "Řádek: %3d   Sloupec: %3d"};
inline constexpr CatalogText TextFiles{"Msg", "Msg_TextFiles", "Textové soubory"};

// Every text above (for the language file template).
inline constexpr const CatalogText* kTaskUiAll[] = {
    &TaskInitialized, &TaskInterrupted, &TaskFinished, &ComplexDemoCategory,
    &EdCaption,       &EdClear,         &EdSave,       &EdPrint,
    &EdFont,          &EdClose,         &EdPosition,   &TextFiles,
};

}  // namespace tarvix::texts
