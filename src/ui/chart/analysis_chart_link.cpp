// AnalysisChartLink: the analyses' charts in the detailed chart window.
#include "ui/chart/analysis_chart_link.h"

#include <algorithm>

#include "ui/chart/chart_link.h"

namespace tarvix {

std::vector<ChartSeries> ChartSeriesOf(const AnalysisChart& chart) {
    std::vector<ChartSeries> list;
    for (const ChartCurve& curve : chart.Curves) {
        const std::size_t n = std::min(curve.X.size(), curve.Y.size());
        if (n == 0) continue;
        ChartSeries s;
        s.Kind = curve.Kind == CurveKind::Bars ? ChartKind::Bar : ChartKind::Line;
        s.Dots = curve.Kind == CurveKind::Points;
        s.X.reserve(n);
        s.Y.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            s.X.push_back(static_cast<double>(curve.X[i]));
            s.Y.push_back(static_cast<double>(curve.Y[i]));
        }
        s.XStart = curve.X[0];
        // Bars are as wide as the distance of their first two x values.
        s.XStep = n > 1 ? curve.X[1] - curve.X[0] : 1.0L;
        list.push_back(std::move(s));
    }
    return list;
}

void AnalysisChartLink::ShowAnalysisChart(const AnalysisChart& chart) {
    std::vector<ChartSeries> series = ChartSeriesOf(chart);
    if (series.empty()) return;  // nothing to draw: the chart stays as it is
    TGrForm* form = charts_.EnsureForm();
    ChartModel& model = form->Model();
    // The header follows the title of the chart, after the request's own line.
    if (!chart.Header.empty()) model.Header = chart.Header + charts_.Shared().Title;
    else if (chart.ReplaceAll || model.Empty()) model.Header = charts_.Shared().Title;
    // Real data unless the request names its axes: an earlier chart's titles
    // (a complex part, the Fourier orders) do not describe it.
    model.SetAxisTitles(ChartAxes::Real);
    if (!chart.BottomTitle.empty()) model.XTitle = chart.BottomTitle;
    if (!chart.LeftTitle.empty()) model.YTitle = chart.LeftTitle;
    if (!form->AddSeriesList(std::move(series), chart.ReplaceAll)) {
        form->close();
        return;
    }
    form->RefreshSeries();
    form->raise();
}

}  // namespace tarvix
