// The status panel texts of the detailed chart.
#include "series/chart_status.h"

#include "engine/number_text.h"

namespace tarvix {

std::string StatusNumber(long double value) { return GeneralText(value, 5); }

std::string XLabel(ChartAxes axes) { return axes == ChartAxes::GaussPlane ? "re=" : "x="; }

std::string YLabel(ChartAxes axes) {
    switch (axes) {
        case ChartAxes::Real: return "y=";
        case ChartAxes::Modulus: return "mo=";
        case ChartAxes::Argument: return "ar=";
        case ChartAxes::RealPart: return "re=";
        case ChartAxes::ImagPart:
        case ChartAxes::GaussPlane: return "im=";
    }
    return "y=";
}

long double PointParameter(const ChartSeries& series, int index) {
    return static_cast<long double>(index) * series.XStep + series.XStart;
}

namespace {
// "dx=" for real values, "d(mo)=" for a part of complex values.
std::string DistanceLabel(const std::string& label, ChartAxes axes) {
    const std::string symbol = label.substr(0, label.size() - 1);
    if (axes == ChartAxes::Real) return "d" + symbol + "=";
    return "d(" + symbol.substr(0, 2) + ")=";
}
}  // namespace

ChartStatusTexts StatusTexts(const ChartModel& model, const ChartPointer& pointer,
                             const std::optional<ChartReference>& reference) {
    ChartStatusTexts t;
    const ChartSeries* s = model.SelectedSeries();
    const ChartAxes axes = s ? s->Axes : ChartAxes::Real;
    const std::string xl = XLabel(axes);
    const std::string yl = YLabel(axes);
    const std::size_t count = s ? s->X.size() : 0;
    t[0] = "i=" + std::to_string(pointer.Index + 1) + "\\" + std::to_string(count);
    t[1] = xl;
    t[2] = yl;
    t[3] = "p=";
    t[5] = DistanceLabel(xl, axes);
    t[6] = DistanceLabel(yl, axes);
    t[7] = "dp=";
    if (!s) return t;
    t[1] += StatusNumber(pointer.X);
    t[2] += StatusNumber(pointer.Y);
    if (pointer.Scanning) {
        t[3] += StatusNumber(PointParameter(*s, pointer.Index));
    } else if (s->Parameter) {
        t[3] += StatusNumber(*s->Parameter);
    }
    if (reference) {
        t[5] += StatusNumber(static_cast<long double>(pointer.X) - reference->X);
        t[6] += StatusNumber(static_cast<long double>(pointer.Y) - reference->Y);
        t[7] += StatusNumber(static_cast<long double>(pointer.Index - reference->Index) * s->XStep);
    }
    return t;
}

}  // namespace tarvix
