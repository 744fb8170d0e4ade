// The main window's data file and session: loading them at start, the title
// that names the data file, saving the working state, the commands of the
// file menu and the history window.
#include "ui/language/language_hub.h"
#include "ui/lists/log_form.h"
#include "ui/help/help_link.h"
#include "ui/settings/disp_form.h"
#include "ui/settings/pref_form.h"
#include "ui/main/main_form.h"
#include "ui/main/main_window_link.h"
#include "ui/shell/qt_translations.h"
#include "ui/tasks/task_link.h"
#include "ui/widgets/qt_file_choice.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// The history window's F9 runs the task the input line names, as F9 of the
// task output window does; its Ctrl+Q returns to the input line. Bound once,
// when the window has just been created.
std::function<void(TLogForm&)> LogFormKeyBinder(TMainForm& form) {
    return [&form](TLogForm& log) {
        QObject::connect(&log, &TLogForm::RunTaskRequested, &form.Tasks(),
                         &TTaskLink::RunInputLineTask);
        QObject::connect(&log, &TLogForm::FocusInputLineRequested, &log,
                         [&log] { FocusMainInputLine(&log); });
    };
}

}  // namespace

void TMainForm::LoadSession(const QString& firstArgument) {
    session_->Load();
    LoadSeriesSettings();
    // The settings' language, or the one chosen for this run (--lang).
    ApplyStartLanguage(*this);
    Help().SetLanguage(LanguageOf(*this).Language());
    connect(&LanguageOf(*this), &TLanguageHub::LanguageChanged, this,
            [this](const QString& language) { Help().SetLanguage(language); });
    if (!firstArgument.isEmpty()) session_->DataFile().OpenArgument(firstArgument.toStdString());
    RefreshFromModel();
    RefreshTitle();
    SyncVatButton();
    ReopenLogForm(logForm_, *session_, texts_, this, LogFormKeyBinder(*this));
    InitSettingsWindows();
    StartLibrary(firstArgument);
    ShowStartTips(*this);
}

void TMainForm::RefreshTitle() {
    // The title names the data file, "data.fx" until it has a name of its own.
    const std::string title = ToStd(Text("Title", "MainForm", "Tarvix 2.2"));
    setWindowTitle(ToQ(session_->DataFile().WindowCaption(title)));
}

void TMainForm::SaveWorkingState() {
    SaveSeriesSettings();
    StoreToolWindows();
    StoreMatrixSettings();
    if (dispForm_) dispForm_->StoreSettings();
    session_->Save(OpenWindows{logForm_ && logForm_->isVisible(), dispForm_ && dispForm_->isVisible()});
}

void TMainForm::RecordCalculation(std::string_view expression, std::string_view result) {
    session_->History().RecordCalculation(calculator_, expression, result);
}

void TMainForm::ResetDataFileName() {
    session_->Document().ResetName();
    RefreshTitle();
}

void TMainForm::SouborNovyItemClick() {
    Perform([this] { session_->DataFile().New(); });
    RefreshTitle();
}

void TMainForm::SouborOtevritItemClick() {
    Perform([this] { session_->DataFile().Open(*files_); });
    RefreshTitle();
}

void TMainForm::SouborUlozitItemClick() {
    Perform([this] { session_->DataFile().Save(*files_); });
    RefreshTitle();
}

void TMainForm::SouborUlozitJakoItemClick() {
    Perform([this] { session_->DataFile().SaveAs(*files_); });
    RefreshTitle();
}

void TMainForm::HistorieItemClick() {
    ToggleLogForm(logForm_, session_->History(), texts_, this, LogFormKeyBinder(*this));
}

}  // namespace tarvix
