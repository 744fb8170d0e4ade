// The main window's settings windows: the expression editor, the preferences
// dialog and what it applies (vectors, history, language, display,
// notification area, the start at login), and the notification-area icon.
#include <QApplication>
#include <QCoreApplication>

#include "storage/autostart_entry.h"
#include "storage/storage_texts.h"
#include "ui/lists/log_form.h"
#include "ui/main/display_label.h"
#include "ui/main/main_form.h"
#include "ui/settings/disp_form.h"
#include "ui/language/language_hub.h"
#include "ui/settings/pref_form.h"
#include "ui/settings/setting_qt.h"
#include "ui/settings/tray_icon.h"
#include "ui/shell/qt_translations.h"
#include "ui/widgets/qt_file_choice.h"
#include "ui/widgets/qt_text.h"

#include <QFrame>
#include <QToolButton>

namespace tarvix {
namespace {

constexpr int kPreferencesHelpContext = 8;

}  // namespace

void TMainForm::InitSettingsWindows() {
    tray_ = new TTrayIcon(*this);
    ApplyApplicationOptions();
    ApplyAppearance();
    if (session_->Values().Bool("DispForm", "Open")) EditorVyrazuItemClick();
}

void TMainForm::StartMinimized() {
    if (tray_) tray_->StartMinimized();
}

void TMainForm::EditorVyrazuItemClick() {
    const bool created = !dispForm_;
    ShowDispForm(dispForm_, calculator_, session_->Values(), texts_, *files_,
                 session_->Document().LastFolder, this);
    if (created) connect(dispForm_, &TDispForm::Evaluated, this, [this] { RefreshFromModel(); });
}

TDispForm* TMainForm::DispForm() const { return dispForm_; }

bool TMainForm::CloseDispForm(OpenWindows& open) {
    open.DispForm = dispForm_ && dispForm_->isVisible();
    if (!dispForm_) return true;
    if (!dispForm_->close()) return false;
    delete dispForm_;
    return true;
}

std::unique_ptr<TPrefForm> TMainForm::NewPrefForm() {
    PreferencesPort& port = *this;
    prefModel_ = std::make_unique<PreferencesModel>(calculator_, session_->History(),
                                                    session_->Values(), port);
    auto form = std::make_unique<TPrefForm>(
        *prefModel_, calculator_, session_->History(), texts_,
        LanguageNamesOfHub(), TTrayIcon::Available(), this);
    connect(form.get(), &TPrefForm::HelpRequested, this,
            [this] { ShowHelpTopic(kPreferencesHelpContext); });
    return form;
}

void TMainForm::NastaveniItemClick() {
    prefForm_ = NewPrefForm();
    prefForm_->exec();
    prefForm_.reset();
    prefModel_.reset();
}

TPrefForm* TMainForm::ShowPrefFormOnTab(int tab) {
    prefForm_ = NewPrefForm();
    prefForm_->Tabs()->setCurrentIndex(tab);
    prefForm_->show();
    return prefForm_.get();
}

// --- PreferencesPort

bool TMainForm::VarAsVector() const { return series_->VarAsVector(); }

bool TMainForm::VectorsExist() const { return series_->Vectors().AnyVector(); }

void TMainForm::ApplyVarAsVector(bool on) {
    if (!on) series_->ClearAllVectors();
    series_->SetVarAsVector(on);
    RefreshSeriesActions();
}

void TMainForm::ApplyHistoryMode(HistoryMode mode) {
    if (logForm_) {
        if (QAction* button = logForm_->ModeAction(mode)) button->setChecked(true);
    }
}

void TMainForm::ApplyLanguage(const std::string& language) {
    // The hub resets every text to the built-in one, lays the language file
    // over them, switches Qt's translations and re-applies every open window.
    ApplyLanguageReporting(*this, ToQ(language));
    if (logForm_) logForm_->ApplyTexts();
    if (dispForm_) dispForm_->ApplyTexts();
    PrepareVat();
}

std::vector<std::string> TMainForm::LanguageNamesOfHub() {
    std::vector<std::string> names;
    for (const QString& name : LanguageOf(*this).LanguageNames()) names.push_back(ToStd(name));
    return names;
}

void TMainForm::ApplyAppearance() {
    const DisplayAppearance appearance = ReadDisplayAppearance(session_->Values());
    // System colours keep the palette's (so a dark palette stays readable).
    const QPalette base = QApplication::palette();
    auto colorOr = [](std::int64_t value, const QColor& system) {
        return value > 0x7FFFFFFF ? system : ColorOfSetting(value);
    };
    QPalette frame = widgets_.DisplayFrame->palette();
    frame.setColor(QPalette::Base, colorOr(appearance.RealColor, base.color(QPalette::Base)));
    frame.setColor(QPalette::ToolTipBase,
                   colorOr(appearance.ComplexColor, base.color(QPalette::ToolTipBase)));
    widgets_.DisplayFrame->setPalette(frame);
    QPalette label = widgets_.StaticTextDisplay->palette();
    label.setColor(QPalette::Text, colorOr(appearance.RealFont.Color, base.color(QPalette::Text)));
    label.setColor(QPalette::ToolTipText,
                   colorOr(appearance.ComplexFont.Color, base.color(QPalette::ToolTipText)));
    widgets_.StaticTextDisplay->setPalette(label);
    for (const auto& [which, panel] : widgets_.SwitchPanels) {
        QPalette palette = panel->palette();
        palette.setColor(QPalette::ButtonText, ColorOfSetting(appearance.SwitchFontColor));
        panel->setPalette(palette);
    }
    calculator_.Switches().Display.HexPrefixStyle = appearance.HexPrefix;
    calculator_.RedisplayAns();
    RefreshFromModel();
}

void TMainForm::ApplyApplicationOptions() {
    const ApplicationOptions options = ReadApplicationOptions(session_->Values());
    if (tray_) tray_->Apply(options.ShowTrayIcon, options.MinimizeToTray);
}

bool TMainForm::SetStartAtLogin(bool on) {
    const std::filesystem::path entry = AutostartEntryPath(XdgEnvironment::FromProcess());
    const std::error_code error =
        entry.empty() ? std::make_error_code(std::errc::no_such_file_or_directory)
        : on          ? WriteAutostartEntry(entry, ToStd(QCoreApplication::applicationFilePath()))
                      : RemoveAutostartEntry(entry);
    if (!error) return true;
    std::string message =
        FormatMessageText(CatalogString(texts_, texts::WritingToFile), {entry.string()});
    message += "%\\ " + error.message();
    calculator_.ShowMessageBox(message, MessageKind::Error, kCancelButton, 0);
    return false;
}

void TMainForm::RefreshProgram() {
    SyncVatButton();
    RefreshSeriesActions();
    RefreshFromModel();
}

}  // namespace tarvix
