// The main window's Fourier commands ("&Fourierova" of the menu "&Analýza",
// the variable popup and the variable list): the analysis of the samples,
// then, only when it succeeds, the current series replaced by the relative
// amplitudes and the bar chart drawn. A failed analysis shows its message
// and leaves the current series as it was.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "analysis/analysis_chart.h"
#include "analysis/analysis_messages.h"
#include "calculator/calculator.h"
#include "series/current_series.h"

namespace tarvix {

// The real parts of a vector's elements.
std::vector<long double> RealParts(const ParserFloatArray& vector);

// The progress of order k of `last` as the display shows it: the percentage
// with two decimals and " % " ("50,00 % ").
std::string HarmonicsProgressText(std::size_t order, std::size_t last, char decimalSeparator);

// True when the analysis succeeded. The display shows the progress of the
// orders and keeps the last one; `shown` is called after each display text
// (the window paints it).
bool RunHarmonicAnalysis(std::span<const long double> samples, CurrentSeries& series,
                         Calculator& calculator, AnalysisChartPort* chart,
                         const AnalysisMessageTable& texts,
                         const std::function<void()>& shown = {});

}  // namespace tarvix
