// The detailed chart's model: adding the current series, selection, colours,
// transformation, derivative and the status texts.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "series/chart_messages.h"
#include "series/chart_model.h"
#include "series/chart_palette_settings.h"
#include "series/chart_status.h"
#include "storage/settings_store.h"
#include "storage/settings_table.h"

namespace tarvix {
namespace {

// A real run: `rows` rows (a Y range when rows > 1) of y = f(x, row).
CurrentSeries RealRun(std::size_t rows, std::size_t columns, long double start, long double step,
                      long double (*f)(long double, std::size_t)) {
    CurrentSeries s = CurrentSeries::ForRun(rows, columns, {start, 0}, {step, 0}, {1.0L, 0},
                                            {1.0L, 0}, rows > 1, false);
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t j = 0; j < columns; ++j) {
            const long double x = start + static_cast<long double>(j) * step;
            s.X.push_back(x);
            s.Y.push_back(f(x, r));
        }
    }
    s.ValidPoints = rows * columns;
    return s;
}

long double Square(long double x, std::size_t) { return x * x; }
long double ScaledSine(long double x, std::size_t row) {
    return static_cast<long double>(row + 1) * std::sin(x);
}

// A complex run of one row: values re + i·im given.
CurrentSeries ComplexRun(const std::vector<std::pair<long double, long double>>& values) {
    CurrentSeries s = CurrentSeries::ForRun(1, values.size(), {0, 0}, {0.5L, 0}, {}, {}, false,
                                            true);
    for (const auto& [re, im] : values) {
        s.Re[0].push_back(re);
        s.Im[0].push_back(im);
    }
    s.ValidPoints = values.size();
    return s;
}

class ChartModelTest : public ::testing::Test {
protected:
    ChartShared shared;
    ChartModel model{shared};
};

TEST_F(ChartModelTest, AddingTwiceGivesRedAndLimeWithTheLastSelected) {
    const CurrentSeries run = RealRun(1, 5, 0.0L, 0.25L, Square);
    EXPECT_TRUE(model.AddCurrentSeries(run, false, false, ChartKind::Line));
    EXPECT_TRUE(model.AddCurrentSeries(run, false, false, ChartKind::Line));
    ASSERT_EQ(model.Count(), 2u);
    EXPECT_EQ(model.Selected(), 1);
    EXPECT_EQ(model.SeriesColor(0), Rgb::FromHex(0xFF0000));
    EXPECT_EQ(model.SeriesColor(1), Rgb::FromHex(0x00FF00));
    EXPECT_EQ(model.Series()[0].X, (std::vector<double>{0, 0.25, 0.5, 0.75, 1}));
    EXPECT_EQ(model.Series()[0].Y[4], 1.0);
    EXPECT_EQ(model.XTitle, "osa x");
    EXPECT_EQ(model.YTitle, "osa y");
}

TEST_F(ChartModelTest, TheSeventeenthSeriesIsRedAgainAndReplaceStartsOver) {
    const CurrentSeries run = RealRun(1, 3, 0.0L, 1.0L, Square);
    for (int i = 0; i < 17; ++i) model.AddCurrentSeries(run, false, false, ChartKind::Line);
    EXPECT_EQ(model.SeriesColor(16), Rgb::FromHex(0xFF0000));
    EXPECT_EQ(model.SeriesColor(15), Rgb::FromHex(0x000000));
    model.AddCurrentSeries(run, false, true, ChartKind::Bar);
    EXPECT_EQ(model.Count(), 1u);
    EXPECT_EQ(model.Series()[0].Kind, ChartKind::Bar);
}

TEST_F(ChartModelTest, WithoutDataNothingIsAdded) {
    EXPECT_FALSE(model.AddCurrentSeries(CurrentSeries::Empty(), false, false, ChartKind::Line));
    model.AddCurrentSeries(RealRun(1, 2, 0, 1, Square), false, false, ChartKind::Line);
    shared.Title = "changed";
    EXPECT_TRUE(model.AddCurrentSeries(CurrentSeries::Empty(), true, false, ChartKind::Line));
    EXPECT_EQ(model.Count(), 1u);
    EXPECT_NE(model.Header, "changed");  // nothing was touched
}

TEST_F(ChartModelTest, TwoDimensionalRunAddsOneSeriesPerYValue) {
    CurrentSeries run = RealRun(3, 361, 0.0L, 1.0L, ScaledSine);
    run.YStart = {1.0L, 0};
    run.YStep = {1.0L, 0};
    model.AddCurrentSeries(run, false, false, ChartKind::Line);
    ASSERT_EQ(model.Count(), 3u);
    for (std::size_t r = 0; r < 3; ++r) {
        const ChartSeries& s = model.Series()[r];
        EXPECT_EQ(s.X.size(), 361u);
        ASSERT_TRUE(s.Parameter);
        EXPECT_EQ(*s.Parameter, static_cast<long double>(r + 1));
        EXPECT_NEAR(s.Y[90], (r + 1) * std::sin(90.0), 1e-12);
    }
    EXPECT_EQ(model.SeriesColor(2), Rgb::FromHex(0x0000FF));
    // The parameter of the selected series is in the status bar.
    model.Select(1);
    const ChartStatusTexts t = StatusTexts(model, {1.5, -0.25, 0, false}, std::nullopt);
    EXPECT_EQ(t[1], "x=1.5");
    EXPECT_EQ(t[2], "y=-0.25");
    EXPECT_EQ(t[3], "p=2");
}

TEST_F(ChartModelTest, AStoppedRunAddsOnlyItsValidPoints) {
    CurrentSeries run = RealRun(2, 4, 0, 1, Square);
    run.ValidPoints = 6;  // the second row stopped after two points
    model.AddCurrentSeries(run, false, false, ChartKind::Line);
    ASSERT_EQ(model.Count(), 2u);
    EXPECT_EQ(model.Series()[1].Y.size(), 2u);
}

TEST_F(ChartModelTest, ParametricRunsAreOrderedLinesEvenWhenBarsAreAsked) {
    CurrentSeries run = ComplexRun({{1, 0}, {0, 1}, {-1, 0}, {0, -1}});
    run.Parametric = true;
    model.AddCurrentSeries(run, false, false, ChartKind::Bar);
    const ChartSeries& s = model.Series()[0];
    EXPECT_EQ(s.Kind, ChartKind::Line);
    EXPECT_TRUE(s.Ordered);
    EXPECT_EQ(s.X, (std::vector<double>{1, 0, -1, 0}));
    EXPECT_EQ(s.Y, (std::vector<double>{0, 1, 0, -1}));
    EXPECT_EQ(model.XTitle, "osa x");
}

struct ComplexCase {
    ComplexChartMode Mode;
    const char* XTitle;
    const char* YTitle;
    double Y1;  // of the point 3+4i
    const char* XLabel;
    const char* YLabel;
    const char* DyLabel;
};

TEST_F(ChartModelTest, ComplexModesAndTheirStatusTexts) {
    const ComplexCase cases[] = {
        {ComplexChartMode::Modulus, "osa x", "osa mo", 5.0, "x=", "mo=", "d(mo)="},
        {ComplexChartMode::Argument, "osa x", "osa ar", std::atan2(4.0, 3.0), "x=", "ar=",
         "d(ar)="},
        {ComplexChartMode::RealPart, "osa x", "osa re", 3.0, "x=", "re=", "d(re)="},
        {ComplexChartMode::ImagPart, "osa x", "osa im", 4.0, "x=", "im=", "d(im)="},
        {ComplexChartMode::GaussPlane, "osa re", "osa im", 4.0, "re=", "im=", "d(im)="},
    };
    for (const ComplexCase& c : cases) {
        SCOPED_TRACE(c.YTitle);
        shared.ComplexMode = c.Mode;
        model.AddCurrentSeries(ComplexRun({{1, 0}, {3, 4}}), true, true, ChartKind::Line);
        EXPECT_EQ(model.XTitle, c.XTitle);
        EXPECT_EQ(model.YTitle, c.YTitle);
        const ChartSeries& s = model.Series()[0];
        EXPECT_NEAR(s.Y[1], c.Y1, 1e-15);
        EXPECT_EQ(s.X[1], c.Mode == ComplexChartMode::GaussPlane ? 3.0 : 0.5);
        // Scanning point 1 while measuring from point 0.
        const ChartStatusTexts t = StatusTexts(model, {s.X[1], s.Y[1], 1, true},
                                               ChartReference{s.X[0], s.Y[0], 0});
        EXPECT_EQ(t[0], "i=2\\2");
        EXPECT_EQ(t[1], std::string(c.XLabel) + StatusNumber(s.X[1]));
        EXPECT_EQ(t[2], std::string(c.YLabel) + StatusNumber(s.Y[1]));
        EXPECT_EQ(t[3], "p=0.5");
        EXPECT_EQ(t[6], std::string(c.DyLabel) + StatusNumber(s.Y[1] - s.Y[0]));
        EXPECT_EQ(t[7], "dp=0.5");
    }
}

TEST_F(ChartModelTest, StatusNumbersHaveFiveDigits) {
    EXPECT_EQ(StatusNumber(123456.0L), "1.2346e+05");
    EXPECT_EQ(StatusNumber(std::numbers::pi_v<long double>), "3.1416");
    const ChartStatusTexts empty = StatusTexts(model, {}, std::nullopt);
    EXPECT_EQ(empty[0], "i=1\\0");
    EXPECT_EQ(empty[1], "x=");
    EXPECT_EQ(empty[5], "dx=");
}

TEST_F(ChartModelTest, RemovingMovesTheSelectionBack) {
    const CurrentSeries run = RealRun(1, 2, 0, 1, Square);
    for (int i = 0; i < 3; ++i) model.AddCurrentSeries(run, false, false, ChartKind::Line);
    model.Select(0);
    EXPECT_TRUE(model.RemoveSelected());
    EXPECT_EQ(model.Selected(), 0);
    EXPECT_EQ(model.SeriesColor(1), Rgb::FromHex(0x00FF00));  // colours follow the position
    model.Select(1);
    EXPECT_TRUE(model.RemoveSelected());
    EXPECT_EQ(model.Selected(), 0);
    EXPECT_FALSE(model.RemoveSelected());
    EXPECT_TRUE(model.Empty());
    EXPECT_EQ(model.Selected(), -1);
}

TEST_F(ChartModelTest, GreyScaleAndBack) {
    model.SetBackground({255, 255, 240});
    model.SetCrossHair({0, 0, 255});
    model.SetGreyScale(true);
    EXPECT_EQ(model.Palette()[0], (Rgb{85, 85, 85}));
    EXPECT_EQ(model.Palette()[13], (Rgb{192, 192, 192}));
    EXPECT_EQ(model.Background(), (Rgb{250, 250, 250}));
    EXPECT_EQ(model.CrossHair(), (Rgb{85, 85, 85}));
    model.SetGreyScale(false);
    EXPECT_EQ(model.Palette(), InitialSeriesPalette());
    EXPECT_EQ(model.Background(), (Rgb{255, 255, 240}));
    EXPECT_EQ(model.CrossHair(), (Rgb{0, 0, 255}));
    // A palette chosen while grey shows grey and returns afterwards.
    SeriesPaletteColors custom = InitialSeriesPalette();
    custom[0] = {30, 60, 90};
    model.SetGreyScale(true);
    model.SetPalette(custom);
    EXPECT_EQ(model.Palette()[0], (Rgb{60, 60, 60}));
    model.SetGreyScale(false);
    EXPECT_EQ(model.Palette()[0], (Rgb{30, 60, 90}));
    model.RestoreColors({1, 2, 3}, {4, 5, 6});
    EXPECT_EQ(model.Palette(), InitialSeriesPalette());
    EXPECT_EQ(model.Background(), (Rgb{1, 2, 3}));
}

TEST(ChartColors, HighlightAndSettingsForms) {
    const Rgb dark = DarkenedBackground({255, 255, 240});
    EXPECT_EQ(dark, (Rgb{230, 230, 216}));
    EXPECT_EQ(HighlightGrey(dark), (Rgb{180, 180, 180}));
    EXPECT_EQ(HighlightGrey({10, 20, 30}), (Rgb{80, 80, 80}));
    // The new form round-trips; an old value is blue-high and converted.
    EXPECT_EQ(ChartColorFromSetting(ChartColorSetting({1, 2, 3})), (Rgb{1, 2, 3}));
    EXPECT_EQ(ChartColorFromSetting(0xF0FFFF), (Rgb{255, 255, 240}));
    // The old default cross-hair mask (pure blue) against the old background.
    EXPECT_EQ(CrossHairFromSetting(16711680, {255, 255, 240}), (Rgb{255, 255, 15}));
    EXPECT_EQ(CrossHairFromSetting(ChartColorSetting({0, 0, 255}), {255, 255, 240}),
              (Rgb{0, 0, 255}));
    // A fresh settings file gives a visible pure-blue cross-hair.
    const SettingSpec* fresh = FindSetting("GrForm", "CrossHairColor");
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(CrossHairFromSetting(fresh->IntDefault, {255, 255, 240}), (Rgb{0, 0, 255}));
}

TEST_F(ChartModelTest, TransformationTakesAZeroConstantAsOne) {
    model.AddCurrentSeries(RealRun(1, 3, 0, 1, Square), false, false, ChartKind::Line);
    model.Transform(0, 0.0L, 2.0L, 10.0L, -1.0L);
    EXPECT_EQ(model.Series()[0].X, (std::vector<double>{10, 11, 12}));
    EXPECT_EQ(model.Series()[0].Y, (std::vector<double>{-1, 1, 7}));
    model.Transform(5, 2, 2, 2, 2);  // no such series: nothing happens
    EXPECT_EQ(model.Series()[0].X[0], 10.0);
}

TEST_F(ChartModelTest, DerivativeGivesTheDifferenceQuotients) {
    ChartSeries s;
    s.X = {0, 1, 2};
    s.Y = {0, 1, 4};
    s.XStart = 0;
    s.XStep = 1;
    model.AddPoints(s);
    const CurrentSeries d = model.Derivative();
    EXPECT_EQ(d.Rows, 1u);
    EXPECT_EQ(d.Columns, 2u);
    EXPECT_EQ(d.ValidPoints, 2u);
    EXPECT_FALSE(d.TwoDim);
    EXPECT_FALSE(d.Parametric);
    EXPECT_EQ(d.Y, (TArrayOfExtended{1.0L, 3.0L}));
    // Drawn back at x = start + j·step.
    model.AddCurrentSeries(d, false, false, ChartKind::Line);
    EXPECT_EQ(model.Series()[1].X, (std::vector<double>{0, 1}));
}

TEST_F(ChartModelTest, DerivativeRefusesEqualXAndShortSeries) {
    ChartSeries s;
    s.X = {0, 1, 1};
    s.Y = {0, 1, 4};
    model.AddPoints(s);
    try {
        model.Derivative();
        FAIL();
    } catch (const ChartRefusal& r) {
        EXPECT_EQ(r.Key, chartmsg::DerivativeEqualX);
    }
    s.X = {0};
    s.Y = {0};
    model.AddPoints(s);
    try {
        model.Derivative();
        FAIL();
    } catch (const ChartRefusal& r) {
        EXPECT_EQ(r.Key, chartmsg::DerivativeTooShort);
    }
}

TEST_F(ChartModelTest, XyDataReplacesEverySeries) {
    model.AddCurrentSeries(RealRun(2, 3, 0, 1, Square), false, false, ChartKind::Line);
    model.LoadXy({{1, 2, 4}, {5, 6, 7}}, "points.txt");
    ASSERT_EQ(model.Count(), 1u);
    EXPECT_EQ(model.Header, "points.txt");
    EXPECT_EQ(model.Series()[0].Y, (std::vector<double>{5, 6, 7}));
    EXPECT_DOUBLE_EQ(model.XExtent(), 3.0);
    EXPECT_DOUBLE_EQ(model.YExtent(), 2.0);
}

// The settings keep the palette with red in the low byte; without the keys
// it is the chart's built-in palette, and a written palette reads back.
TEST(ChartPaletteSettings, DefaultsAreTheBuiltInPaletteAndRoundTrip) {
    Settings values;
    EXPECT_EQ(ReadChartPalette(values), InitialSeriesPalette());
    EXPECT_EQ(values.HexColor("ChartSeriesColor", "0"), 0x0000FF);  // red
    values.SetHexColor("ChartSeriesColor", "3", 0x804020);
    EXPECT_EQ(ReadChartPalette(values)[3], (Rgb{0x20, 0x40, 0x80}));
    SeriesPaletteColors palette = InitialSeriesPalette();
    palette[15] = {1, 2, 3};
    WriteChartPalette(palette, values);
    EXPECT_EQ(values.HexColor("ChartSeriesColor", "15"), 0x030201);
    EXPECT_EQ(ReadChartPalette(values), palette);
}

}  // namespace
}  // namespace tarvix
