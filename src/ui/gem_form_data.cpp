// TGemForm's data commands: the "&Data" menu (memory loads, generation), the
// area and grid edits of "Ú&pravy" and the structure and width commands of
// "&Rastr".
#include <QAction>
#include <QMenu>

#include "ui/gem_form.h"

namespace tarvix {

void TGemForm::BuildDataMenus() {
    QMenu* data = MenuNamed("DataMenu");
    data->addAction(NewAction("Data_NacistZPameti", "&Načíst z paměti do levé...", [this] { MemoryLoadClick(false); }));
    data->addAction(NewAction("Data_NacistZPametiDoPrave", "Načíst z paměti do &pravé...", [this] { MemoryLoadClick(true); }));
    data->addSeparator();
    data->addAction(NewAction("Data_Generovat", "&Generovat...", nullptr, "Shift+Ctrl+D"));
    data->addAction(NewAction("Data_RidkaMatice", "Ř&ídká matice", nullptr));
    auto check = [](QAction* a) {
        a->setCheckable(true);
        return a;
    };
    data->addAction(check(NewAction("Data_GenerovatFunkcniHodnoty", "Vyčíslovat &funkční hodnoty", [this] {
        sheet_.Options().GenerateFunctionValues = Action("Data_GenerovatFunkcniHodnoty")->isChecked();
    })));
    data->addAction(check(NewAction("Data_SymetrickyZapisovat", "&Symetricky zapisovat", [this] {
        sheet_.Options().SymmetricWrite = Action("Data_SymetrickyZapisovat")->isChecked();
    })));
}

void TGemForm::RefreshDataEnabled() {}

}  // namespace tarvix
