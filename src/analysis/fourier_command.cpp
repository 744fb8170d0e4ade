// The Fourier command: analysis, current series and chart.
#include "analysis/fourier_command.h"

#include "analysis/fourier.h"

namespace tarvix {

std::vector<long double> RealParts(const ParserFloatArray& vector) {
    std::vector<long double> parts;
    parts.reserve(vector.size());
    for (const ComplexValue& v : vector) parts.push_back(v.Re);
    return parts;
}

bool RunHarmonicAnalysis(std::span<const long double> samples, CurrentSeries& series,
                         Calculator& calculator, AnalysisChartPort* chart,
                         const AnalysisMessageTable& texts) {
    HarmonicsOutcome outcome = AnalyzeHarmonics(samples);
    if (!outcome.Result) {
        calculator.ShowMessageBox(texts.Text(outcome.ErrorKey), MessageKind::Error,
                                  kCancelHelpButtons, kFourierHelpContext);
        return false;
    }
    series = HarmonicsSeries(*outcome.Result);
    if (chart) {
        chart->ShowAnalysisChart(HarmonicsChart(*outcome.Result, texts.Text(statmsg::FourierHeader),
                                                texts.Text(statmsg::FourierBottomAxis),
                                                texts.Text(statmsg::FourierLeftAxis)));
    }
    return true;
}

}  // namespace tarvix
