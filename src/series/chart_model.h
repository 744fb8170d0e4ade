// ChartModel: the data of the detailed chart window. An ordered list of
// series, each with its own points in insertion order and what the status
// bar needs to describe them (x start and step, the Y parameter, what the
// axes show, the palette slot); the selection; header and axis titles; the
// colours with grey scale; the linear transformation and the derivative.
// ChartShared holds what outlives the window (palette, title, orthonormal
// choice, the complex chart mode); the main window owns it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "series/chart_colors.h"
#include "series/chart_xy_file.h"
#include "series/current_series.h"

namespace tarvix {

// How a series is drawn.
enum class ChartKind { Line, Bar };

// How a series of complex values is drawn.
enum class ComplexChartMode { Modulus, Argument, RealPart, ImagPart, GaussPlane };

// What the axes of a series show: real values against x, one part of
// complex values against x, or a plane (real part against imaginary part).
enum class ChartAxes { Real, Modulus, Argument, RealPart, ImagPart, GaussPlane };

struct ChartSeries {
    std::vector<double> X;
    std::vector<double> Y;
    ChartKind Kind = ChartKind::Line;
    // The points keep their order (parametric curves, the Gauss plane): the
    // series is drawn as a curve, never sorted by x.
    bool Ordered = false;
    // Only the points are marked, no line joins them (measured data).
    bool Dots = false;
    // The iteration variable of point j is XStart + j·XStep.
    long double XStart = 0.0L;
    long double XStep = 1.0L;
    // The Y value of a two-dimensional run's row.
    std::optional<long double> Parameter;
    ChartAxes Axes = ChartAxes::Real;
    std::size_t ColorIndex = 0;
};

// Program-wide chart state (lives for the program run).
struct ChartShared {
    SeriesPaletteColors Palette = InitialSeriesPalette();
    SeriesPaletteColors SavedPalette = InitialSeriesPalette();
    std::string Title;  // ChartTitle: the header of series added next
    bool Orthonormal = false;
    ComplexChartMode ComplexMode = ComplexChartMode::GaussPlane;
};

// Raised by model operations that refuse; `Key` names the message.
struct ChartRefusal {
    std::string_view Key;
};

class ChartModel {
public:
    explicit ChartModel(ChartShared& shared) : shared_(shared) {}

    // --- Series
    const std::vector<ChartSeries>& Series() const { return series_; }
    std::size_t Count() const { return series_.size(); }
    bool Empty() const { return series_.empty(); }
    // The selected series, -1 when there is none.
    int Selected() const { return selected_; }
    const ChartSeries* SelectedSeries() const;
    // An index outside the list is ignored.
    void Select(int index);

    // AddCurrentSeries: the current series as new series of the chart, one
    // per row (one per Y value of a two-dimensional run). Real domain: y of
    // x = Start + j·Step; complex domain: the part of `mode` against x, or
    // the Gauss plane; parametric: x(t) against y(t). The last one becomes
    // selected, the header becomes the shared title and the axis titles
    // follow the kind of data. Returns whether the chart has series.
    bool AddCurrentSeries(const CurrentSeries& current, bool complexDomain, bool replace,
                          ChartKind kind);
    // One series of points (a vector sent to the chart, x-y data).
    void AddPoints(ChartSeries series);
    // Removes the selected series (the selection moves back when it was the
    // last one); returns whether series remain.
    bool RemoveSelected();
    void Clear();
    // x-y data from a file: every series is replaced by one line series,
    // `fileName` becomes the header.
    void LoadXy(XyData data, std::string fileName);

    // --- Texts
    // The axis titles are this pattern with the axis symbol ("osa %s").
    std::string AxisTitlePattern = "osa %s";
    // The axis titles of data whose axes show `axes` ("osa x", "osa ar" …).
    void SetAxisTitles(ChartAxes axes);
    std::string Header;
    std::string XTitle;
    std::string YTitle;

    // --- Colours
    Rgb SeriesColor(std::size_t index) const;
    const SeriesPaletteColors& Palette() const { return shared_.Palette; }
    // New palette colours (the colour dialog's custom colours).
    void SetPalette(const SeriesPaletteColors& palette);
    Rgb Background() const { return background_; }
    void SetBackground(Rgb color) { background_ = grey_ ? GreyOf(color) : color; }
    Rgb CrossHair() const { return crossHair_; }
    void SetCrossHair(Rgb color) { crossHair_ = grey_ ? GreyOf(color) : color; }
    Rgb HeaderColor() const { return grey_ ? GreyOf(kHeaderColor) : kHeaderColor; }
    bool GreyScale() const { return grey_; }
    // Grey scale on: every colour becomes its grey and the originals are
    // kept; off: the kept colours return.
    void SetGreyScale(bool on);
    // The initial palette, background and cross-hair colour.
    void RestoreColors(Rgb background, Rgb crossHair);

    // --- Transformation and derivative
    // Every point of series `index` becomes (px + kx·x, py + ky·y); a
    // constant of 0 is taken as 1.
    void Transform(std::size_t index, long double kx, long double ky, long double px,
                   long double py);
    // The difference quotients of the selected series as a new current
    // series (one row, x from the series' own start and step). Raises
    // ChartRefusal when there are fewer than two points or two points share x.
    CurrentSeries Derivative() const;

    // The smallest and largest x and y over all series (panning).
    double XExtent() const;
    double YExtent() const;

    static constexpr Rgb kHeaderColor{0, 0, 128};

private:
    void AddRow(const CurrentSeries& current, std::size_t row, bool complexDomain, ChartKind kind);

    ChartShared& shared_;
    std::vector<ChartSeries> series_;
    int selected_ = -1;
    Rgb background_{255, 255, 240};
    Rgb crossHair_{0, 0, 255};
    bool grey_ = false;
    Rgb savedBackground_{};
    Rgb savedCrossHair_{};
};

}  // namespace tarvix
