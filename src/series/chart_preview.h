// The small chart of the main window: the points of the current series in
// run order mapped onto an image (real runs: x against the result; complex
// runs and parametric pairs: real against imaginary part, resp. x(t) against
// y(t)), the axis positions and the hint with the ranges.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "series/current_series.h"

namespace tarvix {

struct PreviewPoint {
    double X = 0.0;
    double Y = 0.0;
};

struct ChartPreview {
    std::vector<PreviewPoint> Points;  // pixels, in run order
    std::optional<double> AxisRow;     // the horizontal axis (the value 0)
    std::optional<double> AxisColumn;  // the vertical axis
    double XMin = 0.0, XMax = 0.0, YMin = 0.0, YMax = 0.0;
    std::string Hint;  // "Xmin = …" CR "Xmax = …" CR "Ymin = …" CR "Ymax = …"
};

// The preview on an image of width × height pixels; nothing without points.
// At most `maxPoints` points are kept (evenly spaced in run order) so a
// million-point run draws quickly.
std::optional<ChartPreview> BuildPreview(const CurrentSeries& series, bool complexDomain,
                                         int width, int height, std::size_t maxPoints = 40000);

}  // namespace tarvix
