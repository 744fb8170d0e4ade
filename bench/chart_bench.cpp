// Speed of the detailed chart: replotting a chart of 1,000,000 points
// offscreen (sorted line data drawn with adaptive sampling), and adding 16
// series of 100,000 points each through the chart window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <qcustomplot.h>

#include "series/chart_model.h"
#include "ui/chart/gr_form.h"

using namespace tarvix;

namespace {

class NoFiles : public FileChoicePort {
public:
    std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest&) override {
        return std::nullopt;
    }
};

CurrentSeries SineSeries(std::size_t points, long double scale) {
    CurrentSeries s = CurrentSeries::ForRun(1, points, {0, 0}, {0.001L, 0}, {}, {}, false, false);
    for (std::size_t j = 0; j < points; ++j) {
        const long double x = static_cast<long double>(j) * 0.001L;
        s.X.push_back(x);
        s.Y.push_back(scale * std::sin(x) + 0.1L * std::sin(37.0L * x));
    }
    s.ValidPoints = points;
    return s;
}

struct Chart {
    Calculator calc;
    TextCatalog texts;
    NoFiles files;
    ChartShared shared;
    std::unique_ptr<TGrForm> form;

    Chart() {
        form = std::make_unique<TGrForm>(GrFormContext{calc, texts, shared, files, nullptr, {}});
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->resize(800, 600);
    }
};

void BM_Replot1MillionPoints(benchmark::State& state) {
    Chart chart;
    chart.form->AddCurrentSeries(SineSeries(1000000, 1.0L), false, false, ChartKind::Line);
    QApplication::processEvents();
    for (auto _ : state) {
        chart.form->Chart()->replot(QCustomPlot::rpImmediateRefresh);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_Replot1MillionPoints)->Unit(benchmark::kMillisecond);

void BM_Replot1MillionPointsZoomed(benchmark::State& state) {
    Chart chart;
    chart.form->AddCurrentSeries(SineSeries(1000000, 1.0L), false, false, ChartKind::Line);
    chart.form->SetMoveMode(MoveMode::Horizontal);
    chart.form->ZoomIn();
    QApplication::processEvents();
    for (auto _ : state) {
        chart.form->Chart()->replot(QCustomPlot::rpImmediateRefresh);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Replot1MillionPointsZoomed)->Unit(benchmark::kMillisecond);

void BM_Add16SeriesOf100k(benchmark::State& state) {
    std::vector<CurrentSeries> runs;
    for (int i = 0; i < 16; ++i) runs.push_back(SineSeries(100000, 1.0L + i));
    for (auto _ : state) {
        Chart chart;
        for (const CurrentSeries& run : runs)
            chart.form->AddCurrentSeries(run, false, false, ChartKind::Line);
        QApplication::processEvents();
        benchmark::DoNotOptimize(chart.form->Model().Count());
    }
}
BENCHMARK(BM_Add16SeriesOf100k)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
