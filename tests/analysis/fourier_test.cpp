// Harmonic analysis: relative amplitudes, limits, the zero fundamental and
// the current series and chart it produces.
#include "analysis/fourier.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_messages.h"

namespace tarvix {
namespace {

std::vector<long double> Sampled(std::size_t n, long double (*f)(long double)) {
    std::vector<long double> samples(n);
    for (std::size_t i = 0; i < n; ++i) samples[i] = f(i * 2.0L * kPi / n);
    return samples;
}

TEST(AnalyzeHarmonics, MixedHarmonics) {
    auto samples = Sampled(16, [](long double t) {
        return std::sin(t) + 0.5L * std::sin(2 * t) + 0.25L * std::cos(3 * t);
    });
    HarmonicsOutcome out = AnalyzeHarmonics(samples);
    ASSERT_TRUE(out.Result);
    const std::vector<long double> expected = {0, 50, 25, 0, 0, 0, 0, 0};
    ASSERT_EQ(out.Result->Relative.size(), 8u);
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_NEAR(static_cast<double>(out.Result->Relative[k]), static_cast<double>(expected[k]),
                    1e-12)
            << "order " << k + 1;
}

TEST(AnalyzeHarmonics, SquareWaveAndPhase) {
    HarmonicsOutcome out = AnalyzeHarmonics(std::vector<long double>{1, 1, 1, 1, -1, -1, -1, -1});
    ASSERT_TRUE(out.Result);
    EXPECT_NEAR(static_cast<double>(out.Result->Relative[1]), 0.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(out.Result->Relative[2]), 41.42135623730950, 1e-10);
    // A shifted phase of the second harmonic gives the same bar.
    auto shifted = Sampled(16, [](long double t) { return std::sin(t) + 0.5L * std::cos(2 * t + 1); });
    HarmonicsOutcome phase = AnalyzeHarmonics(shifted);
    ASSERT_TRUE(phase.Result);
    EXPECT_NEAR(static_cast<double>(phase.Result->Relative[1]), 50.0, 1e-12);
}

TEST(AnalyzeHarmonics, SampleCountLimits) {
    auto sine = [](long double t) { return std::sin(t); };
    EXPECT_TRUE(AnalyzeHarmonics(Sampled(2048, sine)).Result);
    EXPECT_TRUE(AnalyzeHarmonics(Sampled(4, sine)).Result);
    for (std::size_t n : {2050u, 7u, 2u, 0u}) {
        HarmonicsOutcome out = AnalyzeHarmonics(Sampled(n, sine));
        EXPECT_FALSE(out.Result) << n;
        EXPECT_EQ(out.ErrorKey, statmsg::FourierCount) << n;
    }
}

TEST(AnalyzeHarmonics, ZeroFundamentalIsAMessage) {
    HarmonicsOutcome out = AnalyzeHarmonics(std::vector<long double>(8, 3.0L));
    EXPECT_FALSE(out.Result);
    EXPECT_EQ(out.ErrorKey, statmsg::FourierZeroFundamental);
    out = AnalyzeHarmonics(Sampled(8, [](long double t) { return std::sin(2 * t); }));
    EXPECT_EQ(out.ErrorKey, statmsg::FourierZeroFundamental);
}

TEST(AnalyzeHarmonics, SeriesAndChart) {
    HarmonicsOutcome out = AnalyzeHarmonics(std::vector<long double>{1, 1, 1, 1, -1, -1, -1, -1});
    ASSERT_TRUE(out.Result);
    CurrentSeries s = HarmonicsSeries(*out.Result);
    EXPECT_EQ(s.Y.size(), 4u);
    EXPECT_EQ(s.ValidPoints, 4u);
    EXPECT_EQ(s.Rows, 1u);
    EXPECT_EQ(s.Columns, 3u);
    EXPECT_EQ(s.Start.Re, 1.0L);
    EXPECT_FALSE(s.Parametric);
    AnalysisChart chart = HarmonicsChart(*out.Result, "Fourierova analýza:  ", "b", "amplituda [%1.h]");
    ASSERT_EQ(chart.Curves.size(), 1u);
    EXPECT_EQ(chart.Curves[0].Kind, CurveKind::Bars);
    EXPECT_EQ(chart.Curves[0].X, (std::vector<long double>{1, 2, 3}));
    EXPECT_EQ(chart.LeftTitle, "amplituda [%1.h]");
    EXPECT_TRUE(chart.ReplaceAll);
}

}  // namespace
}  // namespace tarvix

#include "analysis/fourier_command.h"
#include "analysis_test_support.h"
#include "calculator_test_support.h"

namespace tarvix {
namespace {

TEST(RunHarmonicAnalysis, SuccessReplacesTheSeriesAndDrawsBars) {
    Calculator calc;
    testing::FakeChart chart;
    AnalysisMessageTable texts;
    CurrentSeries series = CurrentSeries::Empty();
    series.Parametric = true;
    const ParserFloatArray vector = {{1, 9}, {1, 0}, {1, 0}, {1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}};
    ASSERT_TRUE(RunHarmonicAnalysis(RealParts(vector), series, calc, &chart, texts));
    EXPECT_FALSE(series.Parametric);
    EXPECT_EQ(series.Y.size(), 4u);
    ASSERT_EQ(chart.Charts.size(), 1u);
    EXPECT_EQ(chart.Charts[0].Header, "Fourierova analýza:  ");
    EXPECT_EQ(chart.Charts[0].BottomTitle, "řád harmonické");
    EXPECT_EQ(chart.Charts[0].LeftTitle, "amplituda [%1.h]");
}

// The display shows each order's progress, painted after each text, and
// keeps the last one.
TEST(RunHarmonicAnalysis, ProgressOfTheOrdersOnTheDisplay) {
    Calculator calc;
    calc.ShowMessageOnDisplay("16 hodnot 100% ");
    testing::FakeChart chart;
    AnalysisMessageTable texts;
    CurrentSeries series = CurrentSeries::Empty();
    std::vector<std::string> shown;
    const std::vector<long double> samples = {1, 1, 1, 1, 1, 1, 1, 1, -1, -1, -1, -1, -1, -1, -1, -1};
    ASSERT_TRUE(RunHarmonicAnalysis(samples, series, calc, &chart, texts,
                                    [&] { shown.push_back(calc.DisplayText()); }));
    EXPECT_EQ(shown, (std::vector<std::string>{"14.29 % ", "28.57 % ", "42.86 % ", "57.14 % ",
                                               "71.43 % ", "85.71 % ", "100.00 % "}));
    EXPECT_EQ(calc.DisplayText(), "100.00 % ");
    EXPECT_EQ(HarmonicsProgressText(1, 3, ','), "33,33 % ");
}

TEST(RunHarmonicAnalysis, FailureKeepsTheSeriesAndShowsTheMessage) {
    Calculator calc;
    testing::ScriptedDialogs dialogs;
    calc.SetDialogs(&dialogs);
    testing::FakeChart chart;
    AnalysisMessageTable texts;
    CurrentSeries series = CurrentSeries::Empty();
    series.Y = {7, 8};
    series.ValidPoints = 2;
    const std::vector<long double> odd(7, 1.0L);
    EXPECT_FALSE(RunHarmonicAnalysis(odd, series, calc, &chart, texts));
    EXPECT_EQ(series.Y, (std::vector<long double>{7, 8}));
    EXPECT_TRUE(chart.Charts.empty());
    EXPECT_EQ(dialogs.OnlyMessage(), "Počet vzorků musí být sudé číslo 4 až 2048");
    EXPECT_EQ(dialogs.Messages[0].HelpContext, 4);
}

}  // namespace
}  // namespace tarvix
