// AnalysisChartLink: the analyses' charts (the statistics window's data and
// regression curve, the Fourier harmonics) drawn in the detailed chart
// window that TChartLink owns. A request's curves become chart series of
// their kind; its header replaces the chart's when given, and the axis
// titles are its own or else those of real data.
#pragma once

#include <vector>

#include "analysis/analysis_chart.h"
#include "series/chart_model.h"

namespace tarvix {

class TChartLink;

// The chart series of a request's curves (points marked, bars or lines).
std::vector<ChartSeries> ChartSeriesOf(const AnalysisChart& chart);

class AnalysisChartLink : public AnalysisChartPort {
public:
    explicit AnalysisChartLink(TChartLink& charts) : charts_(charts) {}

    void ShowAnalysisChart(const AnalysisChart& chart) override;

private:
    TChartLink& charts_;
};

}  // namespace tarvix
