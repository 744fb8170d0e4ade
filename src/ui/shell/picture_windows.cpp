// The table of windows for pictures: a name and how to open that window.
#include "ui/shell/picture_windows.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QComboBox>
#include <QTableWidget>
#include <QWidget>
#include <functional>

#include "ui/chart/chart_link.h"
#include "ui/help/help_form.h"
#include "ui/help/help_link.h"
#include "ui/lists/function_list_form.h"
#include "ui/worksheet/gem_form.h"
#include "ui/worksheet/gem_v_form.h"
#include "tasks/default_library.h"
#include "ui/language/language_hub.h"
#include "ui/language/tips_form.h"
#include "ui/lists/log_form.h"
#include "ui/main/main_form.h"
#include "ui/worksheet/mem_form.h"
#include "matrix/worksheet_search.h"
#include "ui/statistics/stat_form.h"
#include "ui/chart/param_dlg.h"
#include "ui/settings/disp_form.h"
#include "ui/settings/pref_form.h"
#include "ui/lists/var_form.h"
#include "ui/tasks/ed_form.h"
#include "ui/tasks/task_link.h"
#include "ui/tasks/task_runner.h"
// The library window and its search window.
#include "ui/library/expr_form.h"
#include "ui/library/find_form.h"
#include "ui/shell/data_paths.h"

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

// A sample 3×3 operand in the operations mode when the worksheet has no data
// of its own (no picture's file, or an empty one).
void EnsureSampleData(TGemForm& gem) {
    Worksheet& sheet = gem.Model();
    if (ActiveGridHasData(sheet)) return;
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(3);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) sheet.LeftGrid().SetCell(i, j, std::to_string(3 * i + j - 3));
    gem.RefreshFromModel();
}

bool EnglishInterface(TMainForm& form) {
    return LanguageOf(form).Language() == QLatin1String("ENGLISH");
}

// The library window on the shipped library of the interface's language
// (never the user's own) at the category found by `search` and its `row`.
TExprForm* OpenLibraryForPictureAt(TMainForm& form, const QString& search, int row) {
    const bool english = EnglishInterface(form);
    const QString file = english ? QString::fromUtf8(kShippedEnglishLibrary.data(),
                                                     static_cast<qsizetype>(kShippedEnglishLibrary.size()))
                                 : QStringLiteral("tarvix.exp");
    form.OpenLibraryFile(DataFolder() + QLatin1Char('/') + file, false);
    TExprForm* library = form.ExprForm();
    if (!library) return nullptr;
    library->FindComboBoxChange(search);
    library->Model().SelectRow(row);
    library->RefreshFromModel(false);
    return library;
}

// The library window with its formulas of plane figures shown.
TExprForm* OpenLibraryForPicture(TMainForm& form) {
    return OpenLibraryForPictureAt(
        form, EnglishInterface(form) ? QStringLiteral("Plane") : QStringLiteral("Rovinné"), 2);
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
    // The detailed chart holding the last run's series as a line; without a
    // series the empty chart.
    {"chart",
     [](TMainForm& form) -> QWidget* {
         TChartLink& charts = form.Charts();
         if (charts.HasCurrentSeries()) charts.AddSeriesToChart();
         TGrForm* chart = charts.EnsureForm();
         chart->show();
         return chart;
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
    // The same window as the regression view, with three x-y rows fitted.
    {"reg",
     [](TMainForm& form) -> QWidget* {
         form.StatisticsWindowClick();
         TStatForm* stat = form.StatForm();
         stat->SetRegressionMode(true);
         stat->Model().Table().SetRows({{"1", "2.1"}, {"2", "3.9"}, {"3", "6.2"}});
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
         EnsureSampleData(*gem);
         Worksheet& sheet = gem->Model();
         SearchRange(sheet, "2 .. 5");
         gem->RefreshFromModel();
         return gem;
     }},
    // The detailed chart of the worksheet's main diagonal (after a run; of
    // the sample operand when the picture's file gives none).
    {"gemchart",
     [](TMainForm& form) -> QWidget* {
         TGemForm* gem = OpenWorksheetForPicture(form);
         if (!gem) return nullptr;
         EnsureSampleData(*gem);
         if (gem->Model().RunEnabled()) gem->RunClick();
         gem->Action("Graf_DataHlavniDiagonaly")->trigger();
         return form.Charts().Form();
     }},
    // The settings windows: the expression editor with two evaluated lines,
    // the preferences on each of its tabs.
    {"editor",
     [](TMainForm& form) -> QWidget* {
         form.EditorVyrazuItemClick();
         TDispForm* editor = form.DispForm();
         editor->Memo()->setPlainText(
             QStringLiteral("r = 2,5\n' the area of the circle\npi*r^2"));
         for (const int line : {0, 3}) {
             QTextCursor cursor(editor->Memo()->document()->findBlockByNumber(line));
             cursor.movePosition(QTextCursor::EndOfBlock);
             editor->Memo()->setTextCursor(cursor);
             editor->EnterCaretLine();
         }
         return editor;
     }},
    {"prefs", [](TMainForm& form) -> QWidget* { return form.ShowPrefFormOnTab(0); }},
    {"prefs-functions", [](TMainForm& form) -> QWidget* { return form.ShowPrefFormOnTab(1); }},
    {"prefs-history", [](TMainForm& form) -> QWidget* { return form.ShowPrefFormOnTab(2); }},
    {"prefs-language", [](TMainForm& form) -> QWidget* { return form.ShowPrefFormOnTab(3); }},
    {"prefs-appearance", [](TMainForm& form) -> QWidget* { return form.ShowPrefFormOnTab(4); }},
    {"prefs-holidays", [](TMainForm& form) -> QWidget* { return form.ShowPrefFormOnTab(5); }},
    {"library", [](TMainForm& form) -> QWidget* { return OpenLibraryForPicture(form); }},
    // The search window with the hits of "obsah" ("area" in English).
    {"find",
     [](TMainForm& form) -> QWidget* {
         TExprForm* library = OpenLibraryForPicture(form);
         if (!library) return nullptr;
         TFindForm* find = library->CreateFindForm().release();  // the library window owns it
         find->ComboBox()->setEditText(EnglishInterface(form) ? QStringLiteral("area")
                                                              : QStringLiteral("obsah"));
         find->FindToolButtonClick();
         find->StringGrid()->setCurrentCell(1, 1);
         find->show();
         return find;
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
    // The help window at the worksheet's page, in the help's language, with
    // its contents filled.
    {"help",
     [](TMainForm& form) -> QWidget* {
         form.Help().ShowTopic({"worksheet.html", ""});
         THelpForm* help = form.Help().Form();
         if (help) help->WaitForContents(5000);
         return help;
     }},
    // The library window paused in the table task of the DEMO category:
    // stepped twice (F7), the next line marked in the editor.
    {"library-paused",
     [](TMainForm& form) -> QWidget* {
         TExprForm* library = OpenLibraryForPictureAt(form, QStringLiteral("DEMO"), 2);
         if (!library) return nullptr;
         TaskRunner& runner = form.Tasks().Runner();
         for (int press = 0; press < 2; ++press) {
             library->Action("StepItem")->trigger();
             for (int turn = 0; turn < 1000 && runner.Running(); ++turn)
                 QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
         }
         library->raise();
         library->activateWindow();
         return library;
     }},
    // The task output window after a short task printed into it.
    {"output",
     [](TMainForm& form) -> QWidget* {
         form.Tasks().RunProgram(TaskProgram(
             "PRINT \"Obsah kruhu o poloměru %g\", 2\nPRINT \"S = %g m2\", pi*2^2\n"
             "PRINT\nPRINT \"x = %g, y = %g\", 1.5, 2.25",
             "Obsah kruhu", {}));
         // The run goes on in slices between event-loop turns: it ends first.
         TaskRunner& runner = form.Tasks().Runner();
         for (int turn = 0; turn < 1000 && runner.Running(); ++turn) {
             QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
         }
         return form.Tasks().EdForm();
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
