// The main window's charts: the chart panel with the small chart GrImage,
// the menu "&Graf" (example dialogs, complex chart modes, the detailed
// chart's commands) and the detailed chart as the series engine's chart.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "series/chart_examples.h"
#include "ui/chart/analysis_chart_link.h"
#include "ui/chart/chart_examples_dialog.h"
#include "ui/chart/chart_link.h"
#include "ui/worksheet/gem_form.h"
#include "ui/main/main_form.h"
#include "ui/widgets/qt_file_choice.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// The page of the lower area that holds the small chart.
constexpr int kChartPage = 2;

struct ModeItem {
    const char* Name;
    ComplexChartMode Mode;
};
constexpr ModeItem kModeItems[] = {
    {"ModulItem", ComplexChartMode::Modulus},
    {"ArgumentItem", ComplexChartMode::Argument},
    {"RealnaSlozkaItem", ComplexChartMode::RealPart},
    {"ImaginarniSlozkaItem", ComplexChartMode::ImagPart},
    {"GaussovaKomplexniRovinaItem", ComplexChartMode::GaussPlane},
};

// The hints of the menu "&Graf" and of its example items.
struct HintRow {
    const char* Name;  // an action; empty: the menu itself
    const char* Key;   // catalog key in the section "GraphMenu"
    const char* Hint;
};
constexpr HintRow kGrafHints[] = {
    {"", "GraphHint", "Příklady grafů analytických funkcí"},
    {"GrafIteraciPromenneItem", "ExampleVariableHint",
     "Graf funkce dané analytickými rovnicemi v ortogonální souřadnicové soustavě"},
    {"GrafIteraciParametruItem", "ExampleParameterHint",
     "Graf funkce dané parametrickými rovnicemi v ortonormální souřadnicové soustavě"},
    {"GrafRozvojemItem", "ExampleExpansionHint",
     "Graf funkce dané analytickým rozvojem nekonečné řady"},
};

}  // namespace

void TMainForm::BuildChart() {
    chart_ = std::make_unique<TChartLink>(ChartHost{
        calculator_, texts_, *files_, this, [this] { return &session_->Values(); },
        [this] { return session_->Document().LastFolder; },
        [this]() -> const CurrentSeries& { return series_->Series(); },
        [this](CurrentSeries derivative) { series_->Series() = std::move(derivative); },
        [this] { ShowPanelPage(kChartPage); }, [this] { SeriesToStatistics(); },
        [this] {
            TGemForm* gem = GemForm();
            if (!gem) return false;
            gem->AddChartDataSeries();
            return true;
        }});
    series_->SetChart(chart_.get());
    analysisChart_ = std::make_unique<AnalysisChartLink>(*chart_);

    auto* page = new QWidget(widgets_.PanelStack);
    page->setObjectName(QStringLiteral("GrPanel"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart_->CreateImage(page));
    widgets_.PanelStack->insertWidget(kChartPage, page);

    // The commands of the menu "&Graf".
    auto bind = [this](const char* name, std::function<void()> command) {
        QAction* action = Action(name);
        if (!action) return;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, [command] { command(); });
    };
    bind("GrafIteraciPromenneItem", [this] { GrafExampleClick(ExampleList::Cartesian); });
    bind("GrafIteraciParametruItem", [this] { GrafExampleClick(ExampleList::Parametric); });
    bind("GrafRozvojemItem", [this] { GrafExampleClick(ExampleList::Expansion); });
    bind("GrafDetailniItem", [this] { chart_->DetailedChart(); });
    bind("GrafPridatRaduItem", [this] { chart_->AddSeriesToChart(); });
    bind("GrafOdebratRaduItem", [this] { chart_->RemoveSeries(); });
    bind("GrafVyjmoutRadyItem", [this] { chart_->RemoveAllSeries(); });
    for (const ModeItem& item : kModeItems) {
        const ComplexChartMode mode = item.Mode;
        bind(item.Name, [this, mode] {
            chart_->SetComplexMode(mode);
            RefreshChartActions();
        });
    }
    for (const HintRow& row : kGrafHints) {
        QAction* target = *row.Name ? Action(row.Name) : nullptr;
        if (!*row.Name && menus_.count("GrafMenu")) target = menus_["GrafMenu"]->menuAction();
        if (target) BindText(target, "GraphMenu", row.Key, row.Hint, true);
    }
    if (QMenu* menu = menus_.count("GrafMenu") ? menus_["GrafMenu"] : nullptr) {
        menu->setToolTipsVisible(true);
        connect(menu, &QMenu::aboutToShow, this, &TMainForm::RefreshChartActions);
    }
    connect(chart_.get(), &TChartLink::ChartChanged, this, &TMainForm::RefreshChartActions);
    RefreshChartActions();
}

void TMainForm::RefreshChartActions() {
    if (!chart_) return;
    const bool current = chart_->HasCurrentSeries();
    const bool charted = chart_->ChartHasSeries();
    const bool modes = chart_->ComplexDomain() && current;
    for (const ModeItem& item : kModeItems) {
        if (QAction* action = Action(item.Name)) {
            action->setEnabled(modes);
            action->setChecked(chart_->Shared().ComplexMode == item.Mode);
        }
    }
    if (QAction* action = Action("GrafOdebratRaduItem")) action->setEnabled(charted);
    if (QAction* action = Action("GrafVyjmoutRadyItem")) action->setEnabled(charted);
}

void TMainForm::ChartWorksheetSeries(CurrentSeries series, std::string_view title, bool bars) {
    series_->Series() = std::move(series);
    ChartShared& shared = chart_->Shared();
    shared.Title = std::string(title);
    TGrForm* form = chart_->EnsureForm();
    form->AddCurrentSeries(series_->Series(), chart_->ComplexDomain(), false,
                           bars ? ChartKind::Bar : ChartKind::Line);
    shared.Title.clear();
    chart_->RedrawImage();
    RefreshChartActions();
}

void TMainForm::SetChartQuantity(int quantity) {
    if (quantity < 0 || quantity >= static_cast<int>(std::size(kModeItems))) return;
    chart_->Shared().ComplexMode = kModeItems[quantity].Mode;
    RefreshChartActions();
}

void TMainForm::SeriesToStatistics() {
    // The current series into the statistics window, which is created and shown.
    ShowStatForm();
    statForm_->ImportDatovaRadaClick();
    RefreshDataButton();
}

void TMainForm::ShowChartPanel() { ShowPanelPage(kChartPage); }

void TMainForm::GrafExampleClick(ExampleList list) {
    TChartExamplesDialog dialog(list, chart_->Choice(list), texts_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    RunExample(list, dialog.Selected(), dialog.SelectedName());
}

void TMainForm::RunExample(ExampleList list, const TKrivka& example, const QString& name) {
    const ExampleSetup setup = SetupOf(example, list, ToStd(name));
    PushTextsToModel();
    TParser& parser = calculator_.Parser1();
    for (const std::string& variable : setup.Variables) {
        if (!parser.VariableExists(variable)) parser.SetVariable(variable, {});
    }
    calculator_.SetInputText(setup.InputLine);
    for (std::size_t i = 0; i < kRegisterCount; ++i) {
        calculator_.SetRegisterLabel(kRegisterLoadOrder[i], setup.Labels[i]);
        calculator_.SetRegisterBox(kRegisterLoadOrder[i], setup.Boxes[i]);
    }
    chart_->PrepareExample(setup);
    if (calculator_.NumericalScope() == nsComplex) calculator_.SetNumericalScope(nsReal);
    calculator_.SetAngleUnits(auRad);
    RefreshFromModel();
    VypocetButtonClick();
}

TChartLink& TMainForm::Charts() { return *chart_; }

}  // namespace tarvix
