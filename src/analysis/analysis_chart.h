// The way from the analyses to the detailed chart window: a chart request
// (curves of points, lines or bars with the header and axis titles) that
// the chart window draws. The analyses build the request; the chart window
// implements the port; tests fake it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvix {

enum class CurveKind : std::uint8_t { Line, Points, Bars };

struct ChartCurve {
    std::string Title;
    CurveKind Kind = CurveKind::Line;
    std::vector<long double> X;
    std::vector<long double> Y;
};

struct AnalysisChart {
    // True: the curves replace every series of the chart; false: they are
    // added ("Přidat řadu do grafu").
    bool ReplaceAll = false;
    std::string Header;       // first line of the chart header; empty keeps it
    // The axis titles; empty: those of real data ("osa x", "osa y"), as for
    // any series added, never what an earlier chart left.
    std::string BottomTitle;
    std::string LeftTitle;
    std::vector<ChartCurve> Curves;
};

class AnalysisChartPort {
public:
    virtual ~AnalysisChartPort() = default;
    // Creates the chart window when needed, draws the request and shows it.
    virtual void ShowAnalysisChart(const AnalysisChart& chart) = 0;
};

}  // namespace tarvix
