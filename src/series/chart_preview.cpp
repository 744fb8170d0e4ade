// Mapping the current series onto the main window's small chart.
#include "series/chart_preview.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/number_text.h"

namespace tarvix {
namespace {

// Scale of an axis: 96 % of the pixels over the range; a range of width 0
// gets the scale 2·min (min > 0) or −2·min, or 1 at 0.
double ScaleOf(double pixels, double lo, double hi) {
    const double width = std::fabs(hi - lo);
    if (width > 0.0) return 0.96 * pixels / width;
    const double s = lo > 0.0 ? 2.0 * lo : -2.0 * lo;
    return s > 0.0 ? s : 1.0;
}

}  // namespace

std::optional<ChartPreview> BuildPreview(const CurrentSeries& series, bool complexDomain,
                                         int width, int height, std::size_t maxPoints) {
    std::vector<PreviewPoint> values;
    if (complexDomain || series.Parametric) {
        for (std::size_t r = 0; r < series.Re.size() && r < series.Im.size(); ++r) {
            const std::size_t n = std::min(series.Re[r].size(), series.Im[r].size());
            for (std::size_t j = 0; j < n; ++j)
                values.push_back({static_cast<double>(series.Re[r][j]),
                                  static_cast<double>(series.Im[r][j])});
        }
    } else {
        const std::size_t n = std::min(series.RealCount(), series.X.size());
        values.reserve(n);
        for (std::size_t k = 0; k < n; ++k)
            values.push_back({static_cast<double>(series.X[k]), static_cast<double>(series.Y[k])});
    }
    std::erase_if(values, [](const PreviewPoint& p) {
        return !std::isfinite(p.X) || !std::isfinite(p.Y);
    });
    if (values.empty() || width <= 0 || height <= 0) return std::nullopt;

    ChartPreview preview;
    preview.XMin = preview.YMin = std::numeric_limits<double>::infinity();
    preview.XMax = preview.YMax = -preview.XMin;
    for (const PreviewPoint& p : values) {
        preview.XMin = std::min(preview.XMin, p.X);
        preview.XMax = std::max(preview.XMax, p.X);
        preview.YMin = std::min(preview.YMin, p.Y);
        preview.YMax = std::max(preview.YMax, p.Y);
    }
    double sx = ScaleOf(width, preview.XMin, preview.XMax);
    double sy = ScaleOf(height, preview.YMin, preview.YMax);
    const bool plane = complexDomain || series.Parametric;
    if (plane) sx = sy = std::min(sx, sy);
    // Centred: the margins split what the scaled ranges leave free.
    const double left = (width - (preview.XMax - preview.XMin) * sx) / 2.0;
    const double bottom = (height - (preview.YMax - preview.YMin) * sy) / 2.0;
    auto column = [&](double x) { return left + (x - preview.XMin) * sx; };
    auto row = [&](double y) { return height - bottom - (y - preview.YMin) * sy; };

    const std::size_t stride = std::max<std::size_t>(1, (values.size() + maxPoints - 1) / maxPoints);
    preview.Points.reserve(values.size() / stride + 2);
    for (std::size_t k = 0; k < values.size(); k += stride)
        preview.Points.push_back({column(values[k].X), row(values[k].Y)});
    if ((values.size() - 1) % stride != 0)
        preview.Points.push_back({column(values.back().X), row(values.back().Y)});

    if (preview.YMin <= 0.0 && preview.YMax >= 0.0) preview.AxisRow = row(0.0);
    if (preview.XMin <= 0.0 && preview.XMax >= 0.0) preview.AxisColumn = column(0.0);
    preview.Hint = "Xmin = " + GeneralText(preview.XMin) + "\rXmax = " + GeneralText(preview.XMax) +
                   "\rYmin = " + GeneralText(preview.YMin) + "\rYmax = " + GeneralText(preview.YMax);
    return preview;
}

}  // namespace tarvix
