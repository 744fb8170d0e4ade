// The table of windows for pictures: a name and how to open that window.
#include "ui/shell/picture_windows.h"

#include <QWidget>
#include <functional>

#include "ui/chart/chart_link.h"
#include "ui/lists/function_list_form.h"
#include "ui/worksheet/gem_form.h"
#include "ui/worksheet/gem_v_form.h"
#include "ui/language/language_hub.h"
#include "ui/language/tips_form.h"
#include "ui/lists/log_form.h"
#include "ui/main/main_form.h"
#include "ui/worksheet/mem_form.h"
#include "matrix/worksheet_search.h"
#include "ui/statistics/stat_form.h"
#include "ui/chart/param_dlg.h"
#include "ui/lists/var_form.h"

namespace tarvix {
namespace {

QString& PictureWorksheetFile() {
    static QString file;
    return file;
}

// The worksheet in the mode of its file (or the equations mode), with the
// picture's file opened.
TGemForm* OpenWorksheetForPicture(TMainForm& form) {
    form.SoustavaRovnicItemClick();
    TGemForm* gem = form.GemForm();
    if (gem && !PictureWorksheetFile().isEmpty()) gem->OpenFile(PictureWorksheetFile());
    return gem;
}

struct PictureWindow {
    const char* Name;
    std::function<QWidget*(TMainForm&)> Open;
};

// The window of class W that is a child of the main window, once opened.
template <typename W>
QWidget* ChildWindow(TMainForm& form) {
    return form.findChild<W*>();
}

const PictureWindow kPictureWindows[] = {
    {"main", [](TMainForm& form) -> QWidget* { return &form; }},
    {"mini",
     [](TMainForm& form) -> QWidget* {
         form.SetCompactLayout(true);
         return &form;
     }},
    {"var",
     [](TMainForm& form) {
         form.PromennePanelClick();
         return ChildWindow<TVarForm>(form);
     }},
    {"func",
     [](TMainForm& form) {
         form.FunkceSpeedButtonClick();
         return ChildWindow<TFuncForm>(form);
     }},
    {"log",
     [](TMainForm& form) {
         form.HistorieItemClick();
         return ChildWindow<TLogForm>(form);
     }},
    // The detailed chart holding the last run's series as a line.
    {"chart",
     [](TMainForm& form) -> QWidget* {
         form.Charts().AddSeriesToChart();
         return form.Charts().Form();
     }},
    {"stat",
     [](TMainForm& form) -> QWidget* {
         form.StatisticsWindowClick();
         TStatForm* stat = form.StatForm();
         for (const char* value : {"1", "2", "3", "4"}) stat->Model().Table().Append(value);
         stat->RefreshTable();
         stat->AktualizovatButtonClick();
         return stat;
     }},
    {"param",
     [](TMainForm& form) -> QWidget* {
         TParamDlg* dialog = form.MakeParamDlg().release();  // the main window owns it
         dialog->show();
         return dialog;
     }},
    // The tools' windows (main_form_tools.cpp).
    {"conv", [](TMainForm& form) { return form.OpenToolWindowForPicture(QStringLiteral("conv")); }},
    {"date", [](TMainForm& form) { return form.OpenToolWindowForPicture(QStringLiteral("date")); }},
    {"const",
     [](TMainForm& form) { return form.OpenToolWindowForPicture(QStringLiteral("const")); }},
    {"constmenu",
     [](TMainForm& form) { return form.OpenToolWindowForPicture(QStringLiteral("constmenu")); }},
    {"holidays",
     [](TMainForm& form) { return form.OpenToolWindowForPicture(QStringLiteral("holidays")); }},
    {"vat", [](TMainForm& form) { return form.OpenToolWindowForPicture(QStringLiteral("vat")); }},
    {"worksheet", [](TMainForm& form) -> QWidget* { return OpenWorksheetForPicture(form); }},
    {"gemv",
     [](TMainForm& form) -> QWidget* {
         TGemForm* gem = OpenWorksheetForPicture(form);
         if (!gem) return nullptr;
         if (gem->Model().RunEnabled()) gem->RunClick();
         gem->VariantClick();
         return gem->VariantForm();
     }},
    // The worksheet with the cells of the range 2 .. 5 marked (a sample 3×3
    // operand when the picture's file gives none).
    {"gemsearch",
     [](TMainForm& form) -> QWidget* {
         TGemForm* gem = OpenWorksheetForPicture(form);
         if (!gem) return nullptr;
         Worksheet& sheet = gem->Model();
         if (!ActiveGridHasData(sheet)) {
             sheet.SetMode(WorksheetMode::Operations);
             sheet.SetOrder(3);
             for (int i = 1; i <= 3; ++i)
                 for (int j = 1; j <= 3; ++j) sheet.LeftGrid().SetCell(i, j, std::to_string(3 * i + j - 3));
         }
         SearchRange(sheet, "2 .. 5");
         gem->RefreshFromModel();
         return gem;
     }},
    // The detailed chart of the worksheet's main diagonal (after a run).
    {"gemchart",
     [](TMainForm& form) -> QWidget* {
         TGemForm* gem = OpenWorksheetForPicture(form);
         if (!gem) return nullptr;
         if (gem->Model().RunEnabled()) gem->RunClick();
         gem->Action("Graf_DataHlavniDiagonaly")->trigger();
         return form.Charts().Form();
     }},
    {"tips",
     [](TMainForm& form) {
         ShowTips(form);
         return ChildWindow<TTipsForm>(form);
     }},
    {"mem",
     [](TMainForm& form) -> QWidget* {
         TGemForm* gem = OpenWorksheetForPicture(form);
         if (!gem) return nullptr;
         TMemForm* dialog = gem->CreateMemoryDialog();
         dialog->show();
         return dialog;
     }},
};

}  // namespace

QWidget* OpenWindowForPicture(TMainForm& form, const QString& name) {
    for (const PictureWindow& window : kPictureWindows) {
        if (name == QLatin1String(window.Name)) return window.Open(form);
    }
    return nullptr;
}

void SetPictureWorksheetFile(const QString& file) { PictureWorksheetFile() = file; }

QStringList PictureWindowNames() {
    QStringList names;
    for (const PictureWindow& window : kPictureWindows) names << QLatin1String(window.Name);
    return names;
}

}  // namespace tarvix
