// AnalyzeHarmonics: the harmonic analysis of N samples taken over one
// period. The amplitude of every harmonic k = 1 … N/2 by a discrete Fourier
// transform, and each as a percentage of the fundamental's amplitude.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "analysis/analysis_chart.h"
#include "series/current_series.h"

namespace tarvix {

inline constexpr std::size_t kMinHarmonicSamples = 4;
inline constexpr std::size_t kMaxHarmonicSamples = 2048;

struct Harmonics {
    long double Mean = 0.0L;                // order 0
    std::vector<long double> Amplitudes;    // orders 1 … N/2
    std::vector<long double> Relative;      // N/2 values: 0 for order 1, then P_2 … P_(N/2)
};

struct HarmonicsOutcome {
    std::optional<Harmonics> Result;
    std::string_view ErrorKey;  // the message when there is no result
};

// Called before the sums of each order k = 1 … last (last = N/2 − 1).
using HarmonicsProgress = std::function<void(std::size_t order, std::size_t last)>;

// N must be even and 4 ≤ N ≤ 2048; a fundamental of amplitude 0 (relative
// to the signal's size) gives its message instead of a result.
HarmonicsOutcome AnalyzeHarmonics(std::span<const long double> samples,
                                  const HarmonicsProgress& progress = {});

// The current series of the result: Y the N/2 relative amplitudes, X the
// orders 1 … N/2, one row of N/2 − 1 columns (the order N/2 is kept but not
// drawn), start 1 and step 1, not parametric.
CurrentSeries HarmonicsSeries(const Harmonics& harmonics);

// The bar chart of orders 1 … N/2 − 1 with the texts given.
AnalysisChart HarmonicsChart(const Harmonics& harmonics, std::string_view header,
                             std::string_view bottomTitle, std::string_view leftTitle);

}  // namespace tarvix
