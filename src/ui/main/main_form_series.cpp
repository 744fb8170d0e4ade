// The main window's series and vectors: the series hooks of the calculation
// command, the running state of a run (captions "Stop", disabled commands,
// busy cursor, progress on the display, pending events every ~30 ms), the
// menu "&Generovat řadu" with the parameter dialog, the vector items of the
// variable popup and of the menu "&Proměnné", and the bold labels of
// variables that hold a vector.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <chrono>

#include "series/data_pump.h"
#include "series/series_settings.h"
#include "ui/chart/param_dlg.h"
#include "ui/language/action_texts.h"
#include "ui/main/display_label.h"
#include "ui/main/main_form.h"
#include "ui/main/register_label.h"
#include "ui/widgets/qt_file_choice.h"
#include "ui/widgets/qt_text.h"
#include "ui/worksheet/gem_form.h"

namespace tarvix {
namespace {

constexpr std::string_view kPopupSection = texts::kVariablePopupSection;
// Pending events run at most this often while a series runs.
constexpr qint64 kEventsInterval = 30;

qint64 NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

void TMainForm::InitSeries() {
    series_->SetRunControl(this);
    InitStatistics();
    series_->SetDataFilePath([this] { return session_->Document().FullPath(); });
}

void TMainForm::LoadSeriesSettings() {
    series_->SetSettings(ReadDataSeriesSettings(session_->Values()));
    series_->SetVarAsVector(ReadVarAsVector(session_->Values()));
    RefreshRegisters();
    RefreshActions();
}

void TMainForm::SaveSeriesSettings() {
    WriteDataSeriesSettings(series_->Settings(), session_->Values());
    WriteVarAsVector(series_->VarAsVector(), session_->Values());
}

// --- Hooks of the calculation command

bool TMainForm::PrepareSeries(std::string_view typed, std::string& text) {
    return series_->PrepareSeries(typed, text);
}

bool TMainForm::BranchToSeries(Calculator& /*calculator*/, bool xRangeUsed) {
    return series_->BranchToSeries(xRangeUsed);
}

std::optional<ComplexValue> TMainForm::EvaluateSeriesExpansion(TParser& parser) {
    return series_->EvaluateSeriesExpansion(parser);
}

void TMainForm::ClearSeries() {
    series_->ClearSeries();
}

void TMainForm::ClearAllVectors() {
    series_->ClearAllVectors();
    RefreshVarLabels();
}

void TMainForm::RemoveVector(std::string_view name) {
    series_->RemoveVector(name);
    RefreshVarLabels();
}

// --- The running state

void TMainForm::BeginRun() {
    runState_.CalculateCaption = widgets_.VypocetButton->text();
    runState_.StopCaption = widgets_.StopSpeedButton->text();
    widgets_.VypocetButton->setText(ToQ(CatalogString(texts_, texts::MainFormStopCaption)));
    widgets_.StopSpeedButton->setText(ToQ(CatalogString(texts_, texts::MainFormStopButton)));
    widgets_.StopSpeedButton->setEnabled(true);
    widgets_.EnterSpeedButton->hide();
    // Every command that could change the series' data is off while it runs.
    runState_.Disabled.clear();
    auto off = [this](QObject* object) {
        if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isEnabled()) {
            widget->setEnabled(false);
            runState_.Disabled.emplace_back(widget);
        } else if (auto* action = qobject_cast<QAction*>(object); action && action->isEnabled()) {
            action->setEnabled(false);
            runState_.Disabled.emplace_back(action);
        }
    };
    off(widgets_.DataSpeedButton);
    off(widgets_.ResetSpeedButton);
    off(widgets_.SwitchesPanel);
    for (std::string_view name :
         {"OtevritToolButton", "UlozitToolButton", "KopirujToolButton", "PojmenujToolButton",
          "FunkceToolButton", "RozsahToolButton", "VypocetToolButton"})
        off(Action(name));
    for (std::string_view name : {"SouborMenu", "PromenneMenu", "FunkceMenu"}) {
        if (auto found = menus_.find(name); found != menus_.end()) off(found->second->menuAction());
    }
    // Busy, except over the button that stops the run.
    centralWidget()->setCursor(Qt::WaitCursor);
    widgets_.VypocetButton->setCursor(Qt::ArrowCursor);
    widgets_.StopSpeedButton->setCursor(Qt::ArrowCursor);
    runState_.LastEvents = NowMs();
}

void TMainForm::EndRun() {
    widgets_.VypocetButton->setText(runState_.CalculateCaption);
    widgets_.StopSpeedButton->setText(runState_.StopCaption);
    widgets_.StopSpeedButton->setEnabled(false);
    widgets_.EnterSpeedButton->show();
    for (const QPointer<QObject>& object : runState_.Disabled) {
        if (auto* widget = qobject_cast<QWidget*>(object.data())) widget->setEnabled(true);
        if (auto* action = qobject_cast<QAction*>(object.data())) action->setEnabled(true);
    }
    runState_.Disabled.clear();
    centralWidget()->unsetCursor();
}

void TMainForm::ProcessEvents() {
    const qint64 now = NowMs();
    if (now - runState_.LastEvents < kEventsInterval) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    runState_.LastEvents = NowMs();
}

void TMainForm::ShowProgress(std::string_view text) {
    widgets_.StaticTextDisplay->SetDisplayText(ToQ(text));
}

void TMainForm::PaintFourierProgress() {
    // The analysis runs without processing events: the display is painted
    // directly, at most every ~30 ms.
    const qint64 now = NowMs();
    if (now - runState_.LastEvents < kEventsInterval) return;
    runState_.LastEvents = now;
    widgets_.StaticTextDisplay->SetDisplayText(ToQ(calculator_.DisplayText()));
    widgets_.StaticTextDisplay->repaint();
}

void TMainForm::SetBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TMainForm::StopSpeedButtonClick() {
    series_->RequestStop();
}

void TMainForm::StopRuns() {
    if (series_->Running()) series_->RequestStop();
    if (TGemForm* gem = GemForm()) gem->StopClick();
}

// --- Menu "Generovat řadu"

std::unique_ptr<TParamDlg> TMainForm::MakeParamDlg() {
    PushTextsToModel();
    DataFileDocument& document = session_->Document();
    std::filesystem::path seriesFile = document.SeriesFile;
    if (seriesFile.is_relative()) seriesFile = document.Folder / seriesFile;
    const ParamDlgState state = OpenParamDlg(
        calculator_.InputText(), calculator_.RegisterAt(BoxId::X).Box,
        calculator_.RegisterAt(BoxId::Y).Box, series_->Settings(), document.Folder, seriesFile);
    auto confirm = [this](const std::string& file) {
        const std::string name = std::filesystem::path(file).filename().string();
        const ModalResult answer = calculator_.ShowMessageBox(
            FormatMessageText(series_->Texts().Text(seriesmsg::FileExists), {name}),
            MessageKind::Confirmation, kYesNoCancelButtons, kSeriesHelpContext);
        return answer == ModalResult::Yes  ? TParamDlg::kYes
               : answer == ModalResult::No ? TParamDlg::kNo
                                           : TParamDlg::kCancel;
    };
    auto browse = [this](const std::string& file) -> std::optional<std::string> {
        FileDialogRequest request;
        request.Caption = texts_.Text("Title", "SaveAsDlg", "Uložit jako");
        request.Filter = series_->Texts().Text(seriesmsg::TextFilesFilter) + " (*.txt)|*.txt";
        request.DefaultExtension = "txt";
        request.FileName = std::filesystem::path(file).filename().string();
        request.Folder = session_->Document().Folder;
        std::optional<std::filesystem::path> chosen = files_->ChooseFileToSave(request);
        if (!chosen) return std::nullopt;
        return chosen->string();
    };
    auto dialog = std::make_unique<TParamDlg>(state, calculator_.RegisterAt(BoxId::X).Label,
                                              calculator_.RegisterAt(BoxId::Y).Label, texts_,
                                              confirm, browse, this);
    dialog->SetHistories(series_->ParamHistories());
    dialog->SetDecimalSeparatorHandler([this](int index) {
        DataSeriesSettings settings = series_->Settings();
        settings.DecimalSeparator = index;
        series_->SetSettings(settings);
    });
    return dialog;
}

bool TMainForm::ShowParamDlg() {
    // A decimal separator chosen in the dialog applies at once; Storno
    // brings back the one before.
    const DataSeriesSettings settingsBefore = series_->Settings();
    std::unique_ptr<TParamDlg> dialog = MakeParamDlg();
    if (dialog->exec() != QDialog::Accepted) {
        series_->SetSettings(settingsBefore);
        return false;
    }
    RecordParamDlgHistories(series_->ParamHistories(), dialog->State(),
                            calculator_.Options().InputHistoryLimit);
    const ParamDlgResult result = AcceptParamDlg(dialog->State());
    DataFileDocument& document = session_->Document();
    series_->SetSettings(result.Settings);
    if (result.Input) calculator_.SetInputText(*result.Input);
    if (result.XBox) calculator_.SetRegisterBox(BoxId::X, *result.XBox);
    if (result.YBox) calculator_.SetRegisterBox(BoxId::Y, *result.YBox);
    if (!result.SeriesFile.empty()) {
        // The data file takes the series file's name with ".fx".
        document.SeriesFile = result.SeriesFile;
        std::filesystem::path data = result.SeriesFile;
        data.replace_extension(".fx");
        document.FileName = data.filename().string();
        if (data.has_parent_path()) document.Folder = data.parent_path();
        RefreshTitle();
    }
    RefreshFromModel();
    return true;
}

void TMainForm::RadaIteraciPromenneItemClick() {
    ShowParamDlg();
}

void TMainForm::RadaIteraciParametruItemClick() {
    PushTextsToModel();
    if (calculator_.InputText().find("...") == std::string::npos) calculator_.SetInputText("...");
    RefreshInputLine();
    ShowParamDlg();
    // An input line left as the bare "..." is no pair.
    if (calculator_.InputText() == "...") calculator_.SetInputText("");
    RefreshFromModel();
}

void TMainForm::RadaRozvojemItemClick() {
    ShowParamDlg();
    const std::string input = calculator_.InputText();
    if (input.find(":::") == std::string::npos) {
        const std::string& pattern = series_->Texts().Text(seriesmsg::ExpansionTemplate);
        const std::size_t mark = pattern.find(":::");
        calculator_.SetInputText(
            input.empty() || mark == std::string::npos ? pattern : input + pattern.substr(mark));
    }
    RefreshFromModel();
}

void TMainForm::RadaKomplexniItemClick() {
    ShowParamDlg();
}

// --- Vectors

void TMainForm::RunDataPump(int source, int destination, const std::string& name,
                            const std::string& file) {
    Perform([&] { pump_->Run(source, destination, name, file); });
}

void TMainForm::PromenneImportVektoruItemClick() {
    calculator_.ShowMessageBox(series_->Texts().Text(seriesmsg::UseVariablePopup),
                               MessageKind::Information, MessageButton::Ok | MessageButton::Help,
                               0);
}

void TMainForm::PromenneExportVektoruItemClick() {
    PromenneImportVektoruItemClick();
}

void TMainForm::PromenneSmazatVektoryItemClick() {
    Perform([this] { ClearAllVectors(); });
}

bool TMainForm::VectorsOn() const {
    return series_->VarAsVector();
}

bool TMainForm::HoldsVector(std::string_view name) const {
    return series_->Vectors().HasVector(name);
}

bool TMainForm::ImportEnabled(const VectorTransferItem& item) const {
    StatisticsPort& stats = series_->Statistics();
    switch (static_cast<DataEndpoint>(item.Source)) {
        case DataEndpoint::StatX:
            return stats.Exists() && !stats.Cell(1, 1).empty();
        case DataEndpoint::StatY:
            return stats.Exists() && !stats.Cell(1, 2).empty() && stats.XyChecked();
        case DataEndpoint::Chart:
            return series_->Chart().Exists();
        case DataEndpoint::Clipboard:
            return !QApplication::clipboard()->text().isEmpty();
        default:
            return true;
    }
}

void TMainForm::RunVectorTransfer(const VectorTransferItem& item, const std::string& name) {
    const auto source = static_cast<DataEndpoint>(item.Source);
    const auto destination = static_cast<DataEndpoint>(item.Destination);
    const bool txt = source == DataEndpoint::TxtFile || destination == DataEndpoint::TxtFile;
    if (txt || source == DataEndpoint::WafFile) {
        FileDialogRequest request;
        request.Filter =
            txt ? series_->Texts().Text(seriesmsg::TextFilesFilter) + " (*.txt)|*.txt"
                : std::string("Soubory waf (*.waf)|*.waf");
        request.Folder = session_->Document().LastFolder;
        const std::optional<std::filesystem::path> chosen =
            destination == DataEndpoint::TxtFile ? files_->ChooseFileToSave(request)
                                                 : files_->ChooseFileToOpen(request);
        if (chosen) RunDataPump(item.Source, item.Destination, name, chosen->string());
        return;
    }
    if (source == DataEndpoint::StatX || source == DataEndpoint::StatY) {
        // The statistics grid's first row is its header: one more is data.
        if (source == DataEndpoint::StatY) series_->Statistics().SetSelectedColumn(2);
        if (series_->Statistics().RowCount() <= 1) return;
    }
    RunDataPump(item.Source, item.Destination, name);
}

void TMainForm::AnalyzeVector(const std::string& name) {
    FourierVectorClick(name);
}

void TMainForm::AddVectorItems(QMenu& menu, BoxId box) {
    const std::string name = calculator_.RegisterAt(box).Label;
    const bool vectors = VectorsOn();
    const bool hasVector = vectors && HoldsVector(name);
    auto item = [this](QMenu* target, std::string_view objectName, const CatalogText& caption,
                       bool enabled, std::function<void()> command) {
        QAction* action = target->addAction(ToQ(CatalogString(texts_, caption)));
        action->setObjectName(ToQ(objectName));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, std::move(command));
    };

    QMenu* import = menu.addMenu(ToQ(CatalogString(texts_, texts::VariablePopupMenuImportVector)));
    import->menuAction()->setObjectName(QStringLiteral("ImportVektoruItem"));
    import->setEnabled(vectors);
    for (const VectorTransferItem& transfer : kVectorImportItems) {
        item(import, transfer.Name, {kPopupSection, transfer.Key, transfer.Caption},
             ImportEnabled(transfer), [=, this] { RunVectorTransfer(transfer, name); });
    }

    QMenu* exportMenu =
        menu.addMenu(ToQ(CatalogString(texts_, texts::VariablePopupMenuExportVector)));
    exportMenu->menuAction()->setObjectName(QStringLiteral("ExportVektoruItem"));
    exportMenu->setEnabled(hasVector);
    for (const VectorTransferItem& transfer : kVectorExportItems) {
        item(exportMenu, transfer.Name, {kPopupSection, transfer.Key, transfer.Caption}, true,
             [=, this] { RunVectorTransfer(transfer, name); });
    }
    item(&menu, "SmazatVektorItem", texts::VariablePopupMenuClearVector, hasVector,
         [=, this] { Perform([&] { RemoveVector(name); }); });
}

void TMainForm::RefreshVectorLabel(BoxId box) {
    TRegisterLabel* label = RegisterLabel(box);
    const std::string& name = calculator_.RegisterAt(box).Label;
    const bool vector = series_->VarAsVector() && series_->Vectors().HasVector(name);
    QFont font = label->font();
    if (font.bold() != vector) {
        font.setBold(vector);
        label->setFont(font);
    }
    if (vector) label->setToolTip(ToQ(series_->VectorHint(name)));
}

void TMainForm::RefreshSeriesActions() {
    const bool vectors = series_->VarAsVector();
    const bool any = vectors && series_->Vectors().AnyVector();
    if (QAction* a = Action("PromenneImportVektoruItem")) a->setEnabled(vectors);
    if (QAction* a = Action("PromenneExportVektoruItem")) a->setEnabled(any);
    if (QAction* a = Action("PromenneSmazatVektoryItem")) a->setEnabled(any);
    // After a run the display's hint tells how long it took.
    if (series_->LastCalculationWasRun() && !series_->ElapsedHint().empty())
        widgets_.StaticTextDisplay->setToolTip(ToQ(series_->ElapsedHint()));
}

}  // namespace tarvix
