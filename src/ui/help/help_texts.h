// The replaceable texts of the help window: catalog section, key and the
// built-in Czech text.
#pragma once

#include "storage/storage_texts.h"

namespace tarvix::texts {

inline constexpr CatalogText HelpFormCaption{"Title", "HelpForm", "Nápověda"};
inline constexpr CatalogText HelpContentsTab{"HelpForm", "ContentsTab", "&Obsah"};
inline constexpr CatalogText HelpIndexTab{"HelpForm", "IndexTab", "&Rejstřík"};
inline constexpr CatalogText HelpSearchTab{"HelpForm", "SearchTab", "&Hledat"};
inline constexpr CatalogText HelpLookFor{"HelpForm", "LookFor", "&Vyhledat:"};
inline constexpr CatalogText HelpBack{"HelpForm", "Back",
                                      "Zpět|Předchozí stránka (Alt+šipka vlevo)"};
inline constexpr CatalogText HelpForward{"HelpForm", "Forward",
                                         "Vpřed|Následující stránka (Alt+šipka vpravo)"};
inline constexpr CatalogText HelpHome{"HelpForm", "Home", "Obsah|Úvodní stránka nápovědy"};
inline constexpr CatalogText HelpZoomIn{"HelpForm", "ZoomIn", "Větší písmo|Zvětšit písmo (Ctrl++)"};
inline constexpr CatalogText HelpZoomOut{"HelpForm", "ZoomOut",
                                         "Menší písmo|Zmenšit písmo (Ctrl+-)"};
inline constexpr CatalogText HelpTopics{"HelpForm", "Topics", "Témata"};
inline constexpr CatalogText HelpNotFound{"Msg", "Msg_HelpNotFound",
                                          "Soubor nápovědy nebyl nalezen"};

// Every text above (for the language file template).
inline constexpr const CatalogText* kHelpAll[] = {
    &HelpFormCaption, &HelpContentsTab, &HelpIndexTab, &HelpSearchTab, &HelpLookFor, &HelpBack,
    &HelpForward,     &HelpHome,        &HelpZoomIn,   &HelpZoomOut,   &HelpTopics,  &HelpNotFound,
};

}  // namespace tarvix::texts
