// Axis arithmetic of the detailed chart: zoom by a step in one direction or
// about the centre, panning by the scroll bars, dragging an axis and the
// orthonormal scale. Every function returns nothing when its result would
// not be a usable range (not finite, or collapsed), so the caller keeps the
// axis as it was.
#pragma once

#include <optional>

namespace tarvix {

struct AxisRange {
    double Min = 0.0;
    double Max = 1.0;
    double Length() const { return Max - Min; }
    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

// A range that can be shown: both ends finite and Max > Min.
bool UsableRange(const AxisRange& range);

// The zoom factor for a step of `stepPercent` %: with `large` (buttons or
// Shift) 1/(1 + 5s/100) to zoom in and 1 + 5s/100 to zoom out, otherwise
// 1/(1 + s/100) and 1 + s/100. Zooming in and out are exact inverses.
double ZoomFactor(double stepPercent, bool zoomIn, bool large);

// Zoom in one direction: a range above 0 keeps its minimum, one around 0
// scales both ends, one below 0 keeps its maximum.
std::optional<AxisRange> ZoomRange(const AxisRange& range, double factor);

// The factor of zooming about the centre in both directions; its inverse
// zooms out, so a zoom in and a zoom out restore the range.
inline constexpr double kCentreZoomFactor = 1.0835;
std::optional<AxisRange> ZoomAboutCentre(const AxisRange& range, double factor);

// Panning with a scroll bar (positions 0 … 100, start 50): the axis moves by
// (position − previous)/50 × `extent` (the spread of the data in that
// direction), both ends by `sign` (−1 horizontal: the view moves left; +1
// vertical: up).
std::optional<AxisRange> PanRange(const AxisRange& range, int previous, int position,
                                  double extent, int sign);

// Dragging an axis from the value `press` to `release`: without `keepMax`
// the minimum stays and the value under the press moves to the release
// point; with it (Shift) the maximum stays. Equal values change nothing.
std::optional<AxisRange> DragRange(const AxisRange& range, double press, double release,
                                   bool keepMax);

// The orthonormal left axis: its minimum stays and its length becomes the
// bottom length scaled by the ratio of the axes' pixel lengths.
std::optional<AxisRange> OrthonormalLeft(const AxisRange& left, const AxisRange& bottom,
                                         double leftPixels, double bottomPixels);

}  // namespace tarvix
