// The chart's series, selection, colours, transformation and derivative.
#include "series/chart_model.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/parser_messages.h"
#include "series/chart_messages.h"

namespace tarvix {
namespace {

// The axis symbols of the titles.
struct AxisSymbols {
    const char* X;
    const char* Y;
};

AxisSymbols SymbolsOf(ChartAxes axes) {
    switch (axes) {
        case ChartAxes::Real: return {"x", "y"};
        case ChartAxes::Modulus: return {"x", "mo"};
        case ChartAxes::Argument: return {"x", "ar"};
        case ChartAxes::RealPart: return {"x", "re"};
        case ChartAxes::ImagPart: return {"x", "im"};
        case ChartAxes::GaussPlane: return {"re", "im"};
    }
    return {"x", "y"};
}

ChartAxes AxesOf(ComplexChartMode mode) {
    switch (mode) {
        case ComplexChartMode::Modulus: return ChartAxes::Modulus;
        case ComplexChartMode::Argument: return ChartAxes::Argument;
        case ComplexChartMode::RealPart: return ChartAxes::RealPart;
        case ComplexChartMode::ImagPart: return ChartAxes::ImagPart;
        case ComplexChartMode::GaussPlane: return ChartAxes::GaussPlane;
    }
    return ChartAxes::GaussPlane;
}

bool HasRowData(const CurrentSeries& s) {
    for (std::size_t r = 0; r < s.Re.size() && r < s.Im.size(); ++r) {
        if (!s.Re[r].empty() && !s.Im[r].empty()) return true;
    }
    return false;
}

}  // namespace

const ChartSeries* ChartModel::SelectedSeries() const {
    if (selected_ < 0 || static_cast<std::size_t>(selected_) >= series_.size()) return nullptr;
    return &series_[static_cast<std::size_t>(selected_)];
}

void ChartModel::Select(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < series_.size()) selected_ = index;
}

bool ChartModel::AddCurrentSeries(const CurrentSeries& current, bool complexDomain, bool replace,
                                  ChartKind kind) {
    const bool rowData = complexDomain || current.Parametric;
    const bool exists = rowData ? HasRowData(current) : current.RealCount() > 0;
    if (!exists) return !series_.empty();

    Header = shared_.Title;
    SetAxisTitles(!complexDomain ? ChartAxes::Real : AxesOf(shared_.ComplexMode));
    if (replace) Clear();
    const std::size_t rows = std::max<std::size_t>(current.Rows, 1);
    for (std::size_t r = 0; r < rows; ++r) AddRow(current, r, complexDomain, kind);
    selected_ = series_.empty() ? -1 : static_cast<int>(series_.size()) - 1;
    return !series_.empty();
}

void ChartModel::SetAxisTitles(ChartAxes axes) {
    const AxisSymbols symbols = SymbolsOf(axes);
    XTitle = FormatMessageText(AxisTitlePattern, {symbols.X});
    YTitle = FormatMessageText(AxisTitlePattern, {symbols.Y});
}

void ChartModel::AddRow(const CurrentSeries& current, std::size_t row, bool complexDomain,
                        ChartKind kind) {
    ChartSeries s;
    s.XStart = current.Start.Re;
    s.XStep = current.Step.Re;
    if (current.TwoDim) s.Parameter = current.YStart.Re + static_cast<long double>(row) * current.YStep.Re;
    s.Axes = complexDomain ? AxesOf(shared_.ComplexMode) : ChartAxes::Real;
    const bool plane = current.Parametric || s.Axes == ChartAxes::GaussPlane;
    s.Ordered = plane;
    // A curve whose points keep their order is never drawn as bars.
    s.Kind = plane ? ChartKind::Line : kind;

    if (complexDomain || current.Parametric) {
        if (row >= current.Re.size() || row >= current.Im.size()) return;
        const auto& re = current.Re[row];
        const auto& im = current.Im[row];
        const std::size_t n = std::min(re.size(), im.size());
        if (n == 0) return;
        s.X.reserve(n);
        s.Y.reserve(n);
        for (std::size_t j = 0; j < n; ++j) {
            if (plane) {
                s.X.push_back(static_cast<double>(re[j]));
                s.Y.push_back(static_cast<double>(im[j]));
                continue;
            }
            s.X.push_back(static_cast<double>(s.XStart + static_cast<long double>(j) * s.XStep));
            long double y = 0.0L;
            switch (s.Axes) {
                case ChartAxes::Modulus: y = std::hypot(re[j], im[j]); break;
                case ChartAxes::Argument: y = std::atan2(im[j], re[j]); break;
                case ChartAxes::RealPart: y = re[j]; break;
                default: y = im[j]; break;
            }
            s.Y.push_back(static_cast<double>(y));
        }
    } else {
        const std::size_t begin = row * current.Columns;
        const std::size_t valid = current.RealCount();
        if (begin >= valid) return;
        const std::size_t n = std::min(current.Columns, valid - begin);
        s.X.reserve(n);
        s.Y.reserve(n);
        for (std::size_t j = 0; j < n; ++j) {
            s.X.push_back(static_cast<double>(s.XStart + static_cast<long double>(j) * s.XStep));
            s.Y.push_back(static_cast<double>(current.Y[begin + j]));
        }
    }
    AddPoints(std::move(s));
}

void ChartModel::AddPoints(ChartSeries series) {
    series.ColorIndex = series_.size() % kPaletteSize;
    series_.push_back(std::move(series));
    selected_ = static_cast<int>(series_.size()) - 1;
}

bool ChartModel::RemoveSelected() {
    if (series_.empty() || selected_ < 0) return !series_.empty();
    const auto index = static_cast<std::size_t>(selected_);
    series_.erase(series_.begin() + static_cast<std::ptrdiff_t>(index));
    // Colours follow the position in the list.
    for (std::size_t i = index; i < series_.size(); ++i) series_[i].ColorIndex = i % kPaletteSize;
    if (static_cast<std::size_t>(selected_) >= series_.size()) --selected_;
    return !series_.empty();
}

void ChartModel::Clear() {
    series_.clear();
    selected_ = -1;
}

void ChartModel::LoadXy(XyData data, std::string fileName) {
    Clear();
    Header = std::move(fileName);
    ChartSeries s;
    s.X = std::move(data.X);
    s.Y = std::move(data.Y);
    s.XStart = s.X.empty() ? 0.0L : s.X.front();
    s.XStep = s.X.size() > 1 ? (static_cast<long double>(s.X.back()) - s.X.front()) /
                                   static_cast<long double>(s.X.size() - 1)
                             : 1.0L;
    AddPoints(std::move(s));
}

Rgb ChartModel::SeriesColor(std::size_t index) const {
    if (index >= series_.size()) return shared_.Palette[index % kPaletteSize];
    return shared_.Palette[series_[index].ColorIndex];
}

void ChartModel::SetPalette(const SeriesPaletteColors& palette) {
    if (!grey_) {
        shared_.Palette = palette;
        return;
    }
    shared_.SavedPalette = palette;
    for (std::size_t i = 0; i < kPaletteSize; ++i) shared_.Palette[i] = GreyOf(palette[i]);
}

void ChartModel::SetGreyScale(bool on) {
    if (on == grey_) return;
    grey_ = on;
    if (on) {
        shared_.SavedPalette = shared_.Palette;
        for (Rgb& c : shared_.Palette) c = GreyOf(c);
        savedBackground_ = background_;
        savedCrossHair_ = crossHair_;
        background_ = GreyOf(background_);
        crossHair_ = GreyOf(crossHair_);
    } else {
        shared_.Palette = shared_.SavedPalette;
        background_ = savedBackground_;
        crossHair_ = savedCrossHair_;
    }
}

void ChartModel::RestoreColors(Rgb background, Rgb crossHair) {
    grey_ = false;
    shared_.Palette = InitialSeriesPalette();
    shared_.SavedPalette = InitialSeriesPalette();
    background_ = background;
    crossHair_ = crossHair;
}

void ChartModel::Transform(std::size_t index, long double kx, long double ky, long double px,
                           long double py) {
    if (index >= series_.size()) return;
    if (kx == 0.0L) kx = 1.0L;
    if (ky == 0.0L) ky = 1.0L;
    ChartSeries& s = series_[index];
    for (double& x : s.X) x = static_cast<double>(px + kx * x);
    for (double& y : s.Y) y = static_cast<double>(py + ky * y);
}

CurrentSeries ChartModel::Derivative() const {
    const ChartSeries* s = SelectedSeries();
    if (!s || s->X.size() < 2) throw ChartRefusal{chartmsg::DerivativeTooShort};
    const std::size_t n = s->X.size();
    CurrentSeries d = CurrentSeries::ForRun(1, n - 1, {s->XStart, 0.0L}, {s->XStep, 0.0L}, {}, {},
                                            false, false);
    for (std::size_t i = 1; i < n; ++i) {
        const long double dx = static_cast<long double>(s->X[i]) - s->X[i - 1];
        if (dx == 0.0L) throw ChartRefusal{chartmsg::DerivativeEqualX};
        d.X.push_back(s->XStart + static_cast<long double>(i - 1) * s->XStep);
        d.Y.push_back((static_cast<long double>(s->Y[i]) - s->Y[i - 1]) / dx);
    }
    d.ValidPoints = n - 1;
    return d;
}

namespace {
double Extent(const std::vector<ChartSeries>& series, bool ofX) {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const ChartSeries& s : series) {
        for (double v : ofX ? s.X : s.Y) {
            if (!std::isfinite(v)) continue;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    return hi >= lo ? hi - lo : 0.0;
}
}  // namespace

double ChartModel::XExtent() const { return Extent(series_, true); }
double ChartModel::YExtent() const { return Extent(series_, false); }

}  // namespace tarvix
