// Zoom, pan, drag and orthonormal arithmetic of the chart axes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "series/chart_axis.h"

namespace tarvix {
namespace {

struct ZoomCase {
    AxisRange Before;
    AxisRange After;
};

TEST(ChartAxis, ZoomInFromTheButtonWithStep5) {
    const double f = ZoomFactor(5.0, true, true);
    EXPECT_DOUBLE_EQ(f, 0.8);
    const ZoomCase cases[] = {
        {{2.0, 10.0}, {2.0, 8.4}},     // above 0: the minimum stays
        {{-4.0, 6.0}, {-3.2, 4.8}},    // around 0: both ends scale
        {{-10.0, -2.0}, {-8.4, -2.0}}, // below 0: the maximum stays
        {{0.0, 5.0}, {0.0, 4.0}},
    };
    for (const ZoomCase& c : cases) {
        const auto r = ZoomRange(c.Before, f);
        ASSERT_TRUE(r);
        EXPECT_NEAR(r->Min, c.After.Min, 1e-12);
        EXPECT_NEAR(r->Max, c.After.Max, 1e-12);
    }
}

TEST(ChartAxis, SmallStepsFromKeysAreOnePercentPerPercent) {
    EXPECT_DOUBLE_EQ(ZoomFactor(5.0, false, false), 1.05);
    EXPECT_DOUBLE_EQ(ZoomFactor(5.0, true, false), 1.0 / 1.05);
    EXPECT_DOUBLE_EQ(ZoomFactor(100.0, false, true), 6.0);
}

TEST(ChartAxis, ZoomInAndOutAreInverses) {
    const AxisRange ranges[] = {{2.0, 10.0}, {-4.0, 6.0}, {-10.0, -2.0}, {-1e-6, 3e-6}};
    for (const double step : {0.1, 5.0, 100.0}) {
        for (const AxisRange& range : ranges) {
            for (const bool large : {false, true}) {
                const auto in = ZoomRange(range, ZoomFactor(step, true, large));
                ASSERT_TRUE(in);
                const auto back = ZoomRange(*in, ZoomFactor(step, false, large));
                ASSERT_TRUE(back);
                EXPECT_NEAR(back->Min, range.Min, 1e-12 * range.Length());
                EXPECT_NEAR(back->Max, range.Max, 1e-12 * range.Length());
            }
        }
        const auto centre = ZoomAboutCentre({-3.0, 7.0}, 1.0 / kCentreZoomFactor);
        ASSERT_TRUE(centre);
        EXPECT_NEAR(centre->Min + centre->Max, 4.0, 1e-12);  // the centre stays
        const auto back = ZoomAboutCentre(*centre, kCentreZoomFactor);
        ASSERT_TRUE(back);
        EXPECT_NEAR(back->Min, -3.0, 1e-12);
        EXPECT_NEAR(back->Max, 7.0, 1e-12);
    }
}

TEST(ChartAxis, UnusableResultsAreRefused) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(ZoomRange({2.0, 10.0}, 0.0));  // collapses
    EXPECT_FALSE(ZoomRange({2.0, 10.0}, std::nan("")));
    EXPECT_FALSE(ZoomRange({1.0, 1e308}, 1e10));  // overflows
    EXPECT_FALSE(ZoomAboutCentre({-1e308, 1e308}, 2.0));
    EXPECT_FALSE(PanRange({0.0, 1.0}, 50, 60, inf, -1));
    EXPECT_FALSE(DragRange({0.0, 10.0}, 5.0, 0.0, false));  // release on the fixed end
    EXPECT_FALSE(DragRange({0.0, 10.0}, 4.0, 4.0, false));  // equal values: nothing
    EXPECT_FALSE(DragRange({0.0, 10.0}, 0.0, 5.0, false));  // collapses to [0, 0]
}

TEST(ChartAxis, PanMovesBothEndsByTheDataSpread) {
    // Horizontal: moving the bar right by 10 shifts left by 10/50 of the spread.
    auto r = PanRange({0.0, 10.0}, 50, 60, 20.0, -1);
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->Min, -4.0);
    EXPECT_DOUBLE_EQ(r->Max, 6.0);
    r = PanRange({0.0, 10.0}, 50, 25, 4.0, +1);
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->Min, -2.0);
    EXPECT_DOUBLE_EQ(r->Max, 8.0);
}

TEST(ChartAxis, DragMovesThePressedValueToTheRelease) {
    // Without Shift the minimum stays: value 5 moves to where 2.5 was.
    auto r = DragRange({0.0, 10.0}, 5.0, 2.5, false);
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->Min, 0.0);
    EXPECT_DOUBLE_EQ(r->Max, 20.0);
    // With Shift the maximum stays.
    r = DragRange({0.0, 10.0}, 5.0, 7.5, true);
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->Max, 10.0);
    EXPECT_DOUBLE_EQ(r->Min, -10.0);
}

TEST(ChartAxis, OrthonormalLeftAxisHasTheBottomScale) {
    const auto r = OrthonormalLeft({-1.0, 1.0}, {-2.0, 2.0}, 300.0, 400.0);
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->Min, -1.0);
    EXPECT_DOUBLE_EQ(r->Max, 2.0);  // 4 units over 400 px, 3 units over 300 px
    EXPECT_FALSE(OrthonormalLeft({-1.0, 1.0}, {-2.0, 2.0}, 300.0, 0.0));
}

}  // namespace
}  // namespace tarvix
