// The main window's statistics commands: the "stat", "reg", "&Data" and
// "Vie&w" buttons, the menu items "&Statistická" and "&Regresní", the
// statistics window's creation and settings (section `StatForm`), the
// calculator's statistics hooks and the host side of the statistics window.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QToolButton>

#include "analysis/fourier_command.h"
#include "calculator/text_trim.h"
#include "series/series_controller.h"
#include "storage/settings_store.h"
#include "ui/chart/analysis_chart_link.h"
#include "ui/main/main_form.h"
#include "ui/widgets/qt_file_choice.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_placement.h"

namespace tarvix {
namespace {

constexpr std::string_view kStat = "StatForm";
// The hint of the Fourier analysis items (menu "&Analýza", register popup).
constexpr std::string_view kFourierHintKey = "FourierHint";
constexpr std::string_view kFourierHint = "Fourierova analýza neharmonického periodického signálu";

}  // namespace

void TMainForm::InitStatistics() {
    statPort_ = std::make_unique<StatFormPort>([this](bool create) -> TStatForm* {
        if (!statForm_ && create) ShowStatForm();
        return statForm_;
    });
    series_->SetStatistics(statPort_.get());
    if (QAction* fourier = Action("AnalyzaFourierovaItem"))
        BindText(fourier, "AnalysisMenu", kFourierHintKey, kFourierHint, true);
    if (auto menu = menus_.find("AnalyzaMenu"); menu != menus_.end())
        menu->second->setToolTipsVisible(true);
}

QString TMainForm::FourierHint() {
    return Text("AnalysisMenu", kFourierHintKey, kFourierHint);
}

const CurrentSeries* TMainForm::HostSeries() {
    if (!series_ || series_->Series().IsEmpty()) return nullptr;
    return &series_->Series();
}

bool TMainForm::FourierEnabled() const {
    if (!series_ || !series_->VarAsVector() || calculator_.NumericalScope() != nsReal) return false;
    if (series_->Series().RealCount() > 0) return true;
    for (BoxId box : kRegisterLoadOrder)
        if (series_->Vectors().HasVector(calculator_.RegisterAt(box).Label)) return true;
    return false;
}

void TMainForm::AnalyzaFourierovaItemClick() {
    const CurrentSeries& current = series_->Series();
    const std::size_t n = current.RealCount();
    if (n == 0) return;
    const std::vector<long double> samples(current.Y.begin(), current.Y.begin() + n);
    AnalysisMessageTable texts;
    RunHarmonicAnalysis(samples, series_->Series(), calculator_, analysisChart_.get(), texts,
                        [this] { PaintFourierProgress(); });
    RefreshDisplay();
    RefreshActions();
}

void TMainForm::FourierVectorClick(const std::string& name) {
    const ParserFloatArray& vector = series_->Vectors().FindVector(name);
    if (vector.empty()) return;
    AnalysisMessageTable texts;
    RunHarmonicAnalysis(RealParts(vector), series_->Series(), calculator_,
                        analysisChart_.get(), texts, [this] { PaintFourierProgress(); });
    RefreshDisplay();
    RefreshActions();
}

void TMainForm::ReadStatSettings() {
    if (!statForm_) return;
    const Settings& s = session_->Values();
    statForm_->Model().ReadSettings(s);
    ApplyGeometry(*statForm_, s.OptionalInteger(kStat, "Left"), s.OptionalInteger(kStat, "Top"),
                  std::max(300, s.Int(kStat, "Width")), std::max(240, s.Int(kStat, "Height")));
    statForm_->SetGridPanelWidth(s.Int(kStat, "LeftPanelWidth"));
}

void TMainForm::WriteStatSettings() {
    if (!statForm_) return;
    Settings& s = session_->Values();
    statForm_->Model().WriteSettings(s);
    if (!statForm_->isMinimized() && !statForm_->isMaximized()) {
        s.SetOptionalInteger(kStat, "Left", statForm_->x());
        s.SetOptionalInteger(kStat, "Top", statForm_->y());
        s.SetInteger(kStat, "Width", statForm_->width());
        s.SetInteger(kStat, "Height", statForm_->height());
    }
    s.SetInteger(kStat, "LeftPanelWidth", statForm_->GridPanelWidth());
}

void TMainForm::ShowStatForm() {
    if (!statForm_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        statForm_ = new TStatForm(calculator_, texts_, *this, this);
        ReadStatSettings();
        statForm_->SetRegressionMode(widgets_.RegSpeedButton->isChecked());
        QApplication::restoreOverrideCursor();
    }
    statForm_->show();
    statForm_->raise();
    RefreshDataButton();
}

void TMainForm::SetStatButtons(bool stat, bool reg) {
    if (widgets_.StatSpeedButton) widgets_.StatSpeedButton->setChecked(stat);
    if (widgets_.RegSpeedButton) widgets_.RegSpeedButton->setChecked(reg);
    if (QAction* a = Action("AnalyzaStatistickaItem")) a->setChecked(stat);
    if (QAction* a = Action("AnalyzaRegresniItem")) a->setChecked(reg);
}

void TMainForm::StatSpeedButtonClick() {
    ModeSwitches& switches = calculator_.Switches();
    switches.Modifiers = {};
    RefreshSwitches();
    const bool down = widgets_.StatSpeedButton->isChecked();
    SetStatButtons(down, false);
    if (down) {
        ShowStatForm();
        statForm_->SetRegressionMode(false);
        statForm_->Model().SetXy(false);
        statForm_->ApplyTexts();
        statForm_->ShowResults();
    } else if (statForm_) {
        statForm_->close();
    }
}

void TMainForm::RegSpeedButtonClick() {
    ModeSwitches& switches = calculator_.Switches();
    switches.Modifiers = {};
    RefreshSwitches();
    const bool down = widgets_.RegSpeedButton->isChecked();
    SetStatButtons(false, down);
    if (down) {
        ShowStatForm();
        statForm_->SetRegressionMode(true);
    } else if (statForm_) {
        statForm_->close();
    }
}

void TMainForm::AnalyzaStatistickaItemClick() {
    widgets_.StatSpeedButton->setChecked(!widgets_.StatSpeedButton->isChecked());
    StatSpeedButtonClick();
}

void TMainForm::SouborZadavatRaduItemClick() {
    widgets_.StatSpeedButton->setChecked(true);
    StatSpeedButtonClick();
    if (statForm_) statForm_->StartEntering();
}

void TMainForm::AnalyzaRegresniItemClick() {
    widgets_.RegSpeedButton->setChecked(!widgets_.RegSpeedButton->isChecked());
    RegSpeedButtonClick();
}

void TMainForm::StatisticsWindowClick() { ShowStatForm(); }

void TMainForm::DataSpeedButtonClick() {
    if (!statForm_) ShowStatForm();
    PushTextsToModel();
    if (calculator_.DisplayShowsValue()) statForm_->PridatButtonClick(true);
    RefreshDataButton();
}

void TMainForm::ViewSpeedButtonClick() {
    if (!statForm_) {
        ShowStatForm();
        return;
    }
    statForm_->setVisible(!statForm_->isVisible());
}

void TMainForm::RefreshDataButton() {
    if (!widgets_.DataSpeedButton) return;
    const bool has = statForm_ && statForm_->Model().Table().HasData();
    widgets_.DataSpeedButton->setStyleSheet(has ? QStringLiteral("color: rgb(0,0,255)")
                                                : QString());
}

void TMainForm::AppendStatisticsData(const ComplexValue& /*value*/) {
    // "&Enter vkládá data": the display's text, as "&Data" appends it.
    if (!statForm_) ShowStatForm();
    if (calculator_.DisplayShowsValue()) statForm_->PridatButtonClick(true);
    RefreshDataButton();
}

void TMainForm::ClearStatistics() {
    if (statForm_) statForm_->VyjmoutVseClick();
    RefreshDataButton();
}

std::string TMainForm::DisplayValueText() {
    if (!calculator_.DisplayShowsValue()) return {};
    return std::string(TrimBlanks(calculator_.DisplayText()));
}

void TMainForm::PutIntoInputLine(std::string_view text) {
    calculator_.SetInputText(text);
    RefreshFromModel();
}

void TMainForm::StatFormClosing() {
    WriteStatSettings();
    SetStatButtons(false, false);
    RefreshDataButton();
}

FileChoicePort& TMainForm::StatFiles() { return *files_; }

std::filesystem::path& TMainForm::StatLastFolder() { return session_->Document().LastFolder; }

ParserFloatArray TMainForm::VectorOf(std::string_view name) {
    return series_->Vectors().FindVector(std::string(name));
}

AnalysisChartPort* TMainForm::StatChart() { return analysisChart_.get(); }

}  // namespace tarvix
