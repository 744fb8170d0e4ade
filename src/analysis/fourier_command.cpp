// The Fourier command: analysis, current series and chart.
#include "analysis/fourier_command.h"

#include "analysis/fourier.h"
#include "calculator/float_mask.h"

namespace tarvix {

std::vector<long double> RealParts(const ParserFloatArray& vector) {
    std::vector<long double> parts;
    parts.reserve(vector.size());
    for (const ComplexValue& v : vector) parts.push_back(v.Re);
    return parts;
}

std::string HarmonicsProgressText(std::size_t order, std::size_t last, char decimalSeparator) {
    const long double percent =
        last == 0 ? 100.0L : static_cast<long double>(order) / static_cast<long double>(last) * 100.0L;
    return FormatFloat(percent, FloatMask{MaskKind::Fixed, 2}, decimalSeparator) + " % ";
}

bool RunHarmonicAnalysis(std::span<const long double> samples, CurrentSeries& series,
                         Calculator& calculator, AnalysisChartPort* chart,
                         const AnalysisMessageTable& texts, const std::function<void()>& shown) {
    const char separator = calculator.Options().DecimalSeparator;
    HarmonicsOutcome outcome =
        AnalyzeHarmonics(samples, [&](std::size_t order, std::size_t last) {
            calculator.ShowMessageOnDisplay(HarmonicsProgressText(order, last, separator));
            if (shown) shown();
        });
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
