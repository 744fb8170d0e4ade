// Harmonic analysis by a direct discrete Fourier transform with an exact
// table of the N sampling angles (k·i taken modulo N).
#include "analysis/fourier.h"

#include <cmath>
#include <limits>

#include "analysis/analysis_messages.h"

namespace tarvix {

HarmonicsOutcome AnalyzeHarmonics(std::span<const long double> samples,
                                  const HarmonicsProgress& progress) {
    const std::size_t n = samples.size();
    if (n % 2 != 0 || n < kMinHarmonicSamples || n > kMaxHarmonicSamples)
        return {std::nullopt, statmsg::FourierCount};
    std::vector<long double> cosines(n);
    std::vector<long double> sines(n);
    for (std::size_t j = 0; j < n; ++j) {
        const long double angle = 2.0L * kPi * static_cast<long double>(j) / static_cast<long double>(n);
        cosines[j] = std::cos(angle);
        sines[j] = std::sin(angle);
    }
    const long double nn = static_cast<long double>(n);
    Harmonics h;
    long double magnitude = 0.0L;
    for (long double x : samples) {
        h.Mean += x;
        magnitude += std::fabs(x);
    }
    h.Mean /= nn;
    const std::size_t half = n / 2;
    h.Amplitudes.resize(half);
    for (std::size_t k = 1; k < half; ++k) {
        if (progress) progress(k, half - 1);
        long double a = 0.0L;
        long double b = 0.0L;
        std::size_t index = 0;  // k·i modulo N
        for (std::size_t i = 0; i < n; ++i) {
            a += samples[i] * cosines[index];
            b += samples[i] * sines[index];
            index += k;
            if (index >= n) index -= n;
        }
        a *= 2.0L / nn;
        b *= 2.0L / nn;
        h.Amplitudes[k - 1] = std::sqrt(a * a + b * b);
    }
    long double last = 0.0L;  // order N/2: cos(iπ) = ±1, sin(iπ) = 0
    for (std::size_t i = 0; i < n; ++i) last += (i % 2 == 0) ? samples[i] : -samples[i];
    h.Amplitudes[half - 1] = std::fabs(last / nn);

    // The fundamental counts as 0 when it is within the transform's rounding
    // of the signal's size.
    const long double a1 = h.Amplitudes[0];
    const long double noise = 64.0L * nn * std::numeric_limits<long double>::epsilon() *
                              (2.0L / nn) * magnitude;
    if (!(a1 > noise) || !std::isfinite(a1)) return {std::nullopt, statmsg::FourierZeroFundamental};
    h.Relative.assign(half, 0.0L);
    for (std::size_t k = 2; k <= half; ++k) h.Relative[k - 1] = h.Amplitudes[k - 1] / a1 * 100.0L;
    return {std::move(h), {}};
}

CurrentSeries HarmonicsSeries(const Harmonics& harmonics) {
    CurrentSeries series = CurrentSeries::Empty();
    const std::size_t half = harmonics.Relative.size();
    series.Y = harmonics.Relative;
    series.X.resize(half);
    for (std::size_t k = 0; k < half; ++k) series.X[k] = static_cast<long double>(k + 1);
    series.Rows = 1;
    series.Columns = half > 0 ? half - 1 : 0;
    series.Start = {1.0L, 0.0L};
    series.Step = {1.0L, 0.0L};
    series.Parametric = false;
    series.TwoDim = false;
    series.ValidPoints = half;
    return series;
}

AnalysisChart HarmonicsChart(const Harmonics& harmonics, std::string_view header,
                             std::string_view bottomTitle, std::string_view leftTitle) {
    AnalysisChart chart;
    chart.ReplaceAll = true;
    chart.Header = std::string(header);
    chart.BottomTitle = std::string(bottomTitle);
    chart.LeftTitle = std::string(leftTitle);
    ChartCurve bars;
    bars.Kind = CurveKind::Bars;
    const std::size_t half = harmonics.Relative.size();
    for (std::size_t k = 1; k < half; ++k) {
        bars.X.push_back(static_cast<long double>(k));
        bars.Y.push_back(harmonics.Relative[k - 1]);
    }
    chart.Curves.push_back(std::move(bars));
    return chart;
}

}  // namespace tarvix
