// The status bar of the detailed chart: eight panels describing the point
// under the cross-hair or the scanned point, with distances to the reference
// point while measuring. Every number comes from the chart's own series
// (their start, step and parameter) and is formatted "%1.5g".
#pragma once

#include <array>
#include <optional>
#include <string>

#include "series/chart_model.h"

namespace tarvix {

struct ChartPointer {
    double X = 0.0;  // axis values under the mouse, or the scanned point
    double Y = 0.0;
    int Index = 0;          // position of the point track bar
    bool Scanning = false;  // x and y are those of point `Index`
};

struct ChartReference {
    double X = 0.0;
    double Y = 0.0;
    int Index = 0;
};

using ChartStatusTexts = std::array<std::string, 8>;

// The x and y labels of a series: "x=" and "y=" for real values; for complex
// values "x=" (or "re=" in the plane) and "mo=", "ar=", "re=" or "im=".
std::string XLabel(ChartAxes axes);
std::string YLabel(ChartAxes axes);

// The iteration variable at point `index` of a series.
long double PointParameter(const ChartSeries& series, int index);

// Panels: 0 "i=" index + 1 "\" count; 1 x; 2 y; 3 "p=" parameter; 4 blank;
// 5–7 the distances to `reference` while measuring. Without series only
// the labels are shown.
ChartStatusTexts StatusTexts(const ChartModel& model, const ChartPointer& pointer,
                             const std::optional<ChartReference>& reference);

// "%1.5g".
std::string StatusNumber(long double value);

}  // namespace tarvix
