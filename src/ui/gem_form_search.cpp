// TGemForm's searches ("&Hledat": extremes, ranges, marks) and cell
// conversions ("&Konverze").
#include <QAction>
#include <QMenu>

#include "ui/gem_form.h"

namespace tarvix {

void TGemForm::BuildSearchMenus() {
    MenuNamed("HledatMenu")->addAction(NewAction("Hledat_Najdi", "&Najdi...", nullptr));
}

void TGemForm::RefreshSearchEnabled() {}

}  // namespace tarvix
