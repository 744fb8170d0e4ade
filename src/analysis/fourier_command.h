// The main window's Fourier commands ("&Fourierova" of the menu "&Analýza",
// the variable popup and the variable list): the analysis of the samples,
// then, only when it succeeds, the current series replaced by the relative
// amplitudes and the bar chart drawn. A failed analysis shows its message
// and leaves the current series as it was.
#pragma once

#include <span>
#include <vector>

#include "analysis/analysis_chart.h"
#include "analysis/analysis_messages.h"
#include "calculator/calculator.h"
#include "series/current_series.h"

namespace tarvix {

// The real parts of a vector's elements.
std::vector<long double> RealParts(const ParserFloatArray& vector);

// True when the analysis succeeded.
bool RunHarmonicAnalysis(std::span<const long double> samples, CurrentSeries& series,
                         Calculator& calculator, AnalysisChartPort* chart,
                         const AnalysisMessageTable& texts);

}  // namespace tarvix
