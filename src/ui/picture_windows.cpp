// The table of windows for pictures: a name and how to open that window.
#include "ui/picture_windows.h"

#include <QWidget>
#include <functional>

#include "ui/function_list_form.h"
#include "ui/log_form.h"
#include "ui/main_form.h"
#include "ui/stat_form.h"
#include "ui/param_dlg.h"
#include "ui/var_form.h"

namespace tarvix {
namespace {

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
};

}  // namespace

QWidget* OpenWindowForPicture(TMainForm& form, const QString& name) {
    for (const PictureWindow& window : kPictureWindows) {
        if (name == QLatin1String(window.Name)) return window.Open(form);
    }
    return nullptr;
}

QStringList PictureWindowNames() {
    QStringList names;
    for (const PictureWindow& window : kPictureWindows) names << QLatin1String(window.Name);
    return names;
}

}  // namespace tarvix
