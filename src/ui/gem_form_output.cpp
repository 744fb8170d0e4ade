// TGemForm's outputs: the number formats of "Ř&ešení", the result file, the
// clipboard, the spreadsheet export and the charts of "&Graf".
#include <QAction>
#include <QMenu>

#include "ui/gem_form.h"

namespace tarvix {

void TGemForm::BuildOutputMenus() {
    MenuNamed("GrafMenu")->addAction(NewAction("Graf_3D", "&3D graf", nullptr));
}

void TGemForm::RefreshOutputEnabled() {}

}  // namespace tarvix
