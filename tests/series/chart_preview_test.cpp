// The main window's small chart: points mapped onto the image, the axes at
// the value 0 and the hint with the ranges.
#include <gtest/gtest.h>

#include "series/chart_preview.h"

namespace tarvix {
namespace {

CurrentSeries Line(std::vector<long double> x, std::vector<long double> y) {
    CurrentSeries s = CurrentSeries::ForRun(1, x.size(), {}, {1, 0}, {}, {}, false, false);
    s.X = std::move(x);
    s.Y = std::move(y);
    s.ValidPoints = s.Y.size();
    return s;
}

TEST(ChartPreview, RealSeriesFitsTheImageWithItsHint) {
    const auto p = BuildPreview(Line({-1, 0, 1, 2}, {-2, 0, 2, 4}), false, 200, 100);
    ASSERT_TRUE(p);
    ASSERT_EQ(p->Points.size(), 4u);
    for (const PreviewPoint& pt : p->Points) {
        EXPECT_GE(pt.X, 0.0);
        EXPECT_LE(pt.X, 200.0);
        EXPECT_GE(pt.Y, 0.0);
        EXPECT_LE(pt.Y, 100.0);
    }
    EXPECT_LT(p->Points[3].Y, p->Points[0].Y);  // larger values higher up
    ASSERT_TRUE(p->AxisRow);
    EXPECT_DOUBLE_EQ(*p->AxisRow, p->Points[1].Y);
    ASSERT_TRUE(p->AxisColumn);
    EXPECT_DOUBLE_EQ(*p->AxisColumn, p->Points[1].X);
    EXPECT_EQ(p->Hint, "Xmin = -1\rXmax = 2\rYmin = -2\rYmax = 4");
}

TEST(ChartPreview, ComplexPlaneKeepsEqualScalesAndFlatRangesDraw) {
    CurrentSeries s = CurrentSeries::ForRun(1, 3, {}, {1, 0}, {}, {}, false, true);
    s.Re[0] = {0, 10, 20};
    s.Im[0] = {0, 1, 2};
    s.ValidPoints = 3;
    const auto p = BuildPreview(s, true, 200, 100);
    ASSERT_TRUE(p);
    const double sx = (p->Points[2].X - p->Points[0].X) / 20.0;
    const double sy = (p->Points[0].Y - p->Points[2].Y) / 2.0;
    EXPECT_NEAR(sx, sy, 1e-12);
    // A constant series still draws (scale from its value), without axes at 0.
    const auto flat = BuildPreview(Line({1, 2}, {5, 5}), false, 200, 100);
    ASSERT_TRUE(flat);
    EXPECT_FALSE(flat->AxisRow);
    EXPECT_FALSE(BuildPreview(CurrentSeries::Empty(), false, 200, 100));
}

TEST(ChartPreview, LongRunsAreThinnedButKeepTheirEnds) {
    std::vector<long double> x(100001), y(100001);
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = y[i] = static_cast<long double>(i);
    const auto p = BuildPreview(Line(x, y), false, 160, 90, 1000);
    ASSERT_TRUE(p);
    EXPECT_LE(p->Points.size(), 1002u);
    EXPECT_NEAR(p->Points.back().X, p->Points.front().X + 0.96 * 160, 1e-9);
}

}  // namespace
}  // namespace tarvix
