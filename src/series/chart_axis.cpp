// Zoom, pan, drag and orthonormal arithmetic of the chart axes.
#include "series/chart_axis.h"

#include <cmath>

namespace tarvix {

bool UsableRange(const AxisRange& range) {
    return std::isfinite(range.Min) && std::isfinite(range.Max) && range.Max > range.Min &&
           std::isfinite(range.Max - range.Min);
}

namespace {
std::optional<AxisRange> IfUsable(const AxisRange& range) {
    if (!UsableRange(range)) return std::nullopt;
    return range;
}
}  // namespace

double ZoomFactor(double stepPercent, bool zoomIn, bool large) {
    const double grow = 1.0 + (large ? 5.0 : 1.0) * stepPercent / 100.0;
    return zoomIn ? 1.0 / grow : grow;
}

std::optional<AxisRange> ZoomRange(const AxisRange& range, double factor) {
    if (!std::isfinite(factor) || factor <= 0.0) return std::nullopt;
    const double length = range.Length();
    if (range.Min > 0.0) return IfUsable({range.Min, range.Min + factor * length});
    if (range.Max >= 0.0) return IfUsable({factor * range.Min, factor * range.Max});
    return IfUsable({range.Max - factor * length, range.Max});
}

std::optional<AxisRange> ZoomAboutCentre(const AxisRange& range, double factor) {
    if (!std::isfinite(factor) || factor <= 0.0) return std::nullopt;
    const double centre = range.Min + range.Length() / 2.0;
    const double half = range.Length() / 2.0 * factor;
    return IfUsable({centre - half, centre + half});
}

std::optional<AxisRange> PanRange(const AxisRange& range, int previous, int position,
                                  double extent, int sign) {
    const double shift = static_cast<double>(position - previous) / 50.0 * extent * sign;
    return IfUsable({range.Min + shift, range.Max + shift});
}

std::optional<AxisRange> DragRange(const AxisRange& range, double press, double release,
                                   bool keepMax) {
    if (press == release) return std::nullopt;
    if (keepMax) {
        const double min = range.Max - range.Length() * (press - range.Max) / (release - range.Max);
        return IfUsable({min, range.Max});
    }
    const double max = range.Min + range.Length() * (press - range.Min) / (release - range.Min);
    return IfUsable({range.Min, max});
}

std::optional<AxisRange> OrthonormalLeft(const AxisRange& left, const AxisRange& bottom,
                                         double leftPixels, double bottomPixels) {
    if (bottomPixels <= 0.0 || leftPixels <= 0.0) return std::nullopt;
    return IfUsable({left.Min, left.Min + std::fabs(leftPixels / bottomPixels * bottom.Length())});
}

}  // namespace tarvix
