// The replaceable texts of the statistics window, the regression, the
// Fourier analysis and the statistics import and export (built-in Czech),
// keyed as in the language file's `Msg` section.
#pragma once

#include <string_view>

#include "engine/parser_messages.h"

namespace tarvix {

namespace statmsg {
// Captions and headers.
inline constexpr std::string_view CaptionStatistics = "Msg_StatCaptionStatistics";
inline constexpr std::string_view CaptionRegression = "Msg_StatCaptionRegression";
inline constexpr std::string_view HeaderStatistics = "Msg_StatHeaderStatistics";
inline constexpr std::string_view HeaderRegression = "Msg_StatHeaderRegression";
inline constexpr std::string_view HeaderData = "Msg_StatHeaderData";
inline constexpr std::string_view RowNumber = "Msg_StatRowNumber";
inline constexpr std::string_view ValueColumn = "Msg_StatValueColumn";  // "Hodnota %s"
// The twelve result labels and the three regression labels.
inline constexpr std::string_view Count = "Msg_StatCount";
inline constexpr std::string_view Minimum = "Msg_StatMinimum";
inline constexpr std::string_view Maximum = "Msg_StatMaximum";
inline constexpr std::string_view AriAverage = "Msg_StatAriAverage";
inline constexpr std::string_view GeoAverage = "Msg_StatGeoAverage";
inline constexpr std::string_view SqrAverage = "Msg_StatSqrAverage";
inline constexpr std::string_view HarAverage = "Msg_StatHarAverage";
inline constexpr std::string_view Sum = "Msg_StatSum";
inline constexpr std::string_view SumOfSquares = "Msg_StatSumOfSquares";
inline constexpr std::string_view Dispersion = "Msg_StatDispersion";
inline constexpr std::string_view StdDeviation = "Msg_StatStdDeviation";
inline constexpr std::string_view Variation = "Msg_StatVariation";
inline constexpr std::string_view Covariance = "Msg_StatCovariance";
inline constexpr std::string_view Variability = "Msg_StatVariability";
inline constexpr std::string_view RegressionFunction = "Msg_StatRegressionFunction";
// Report items that are not result labels.
inline constexpr std::string_view ReportHeader = "Msg_StatReportHeader";
inline constexpr std::string_view ReportDateTime = "Msg_StatReportDateTime";
inline constexpr std::string_view ReportDataSerie = "Msg_StatReportDataSerie";
inline constexpr std::string_view ReportDataLine = "Msg_StatReportDataLine";  // "Data:"
// Regression models.
inline constexpr std::string_view ModelLinear = "Msg_StatModelLinear";
inline constexpr std::string_view ModelLogarithmic = "Msg_StatModelLogarithmic";
inline constexpr std::string_view ModelExponential = "Msg_StatModelExponential";
inline constexpr std::string_view ModelPower = "Msg_StatModelPower";
// Messages.
inline constexpr std::string_view BadNumber = "Msg_StatBadNumber";  // "%s" the text
inline constexpr std::string_view BadLine = "Msg_StatBadLine";      // "%s" line number, "%s" text
inline constexpr std::string_view MissingData = "Msg_StatMissingData";
inline constexpr std::string_view UnknownSeparator = "Msg_StatUnknownSeparator";
inline constexpr std::string_view NoSeries = "Msg_StatNoSeries";
inline constexpr std::string_view ExportQuestion = "Msg_StatExportQuestion";
inline constexpr std::string_view FileExists = "Msg_StatFileExists";
inline constexpr std::string_view FileWriteError = "Msg_StatFileWriteError";
inline constexpr std::string_view FileReadError = "Msg_StatFileReadError";
// "%s" the line number, "%s" the file: a line longer than 16 MB.
inline constexpr std::string_view LineTooLong = "Msg_StatLineTooLong";
inline constexpr std::string_view OutOfRange = "Msg_StatOutOfRange";
inline constexpr std::string_view EqualX = "Msg_StatEqualX";
inline constexpr std::string_view LogOfX = "Msg_StatLogOfX";  // "%s" the row
inline constexpr std::string_view LogOfY = "Msg_StatLogOfY";  // "%s" the row
inline constexpr std::string_view TextFiles = "Msg_TextFiles";
// Fourier analysis.
inline constexpr std::string_view FourierCount = "Msg_FourierCount";
inline constexpr std::string_view FourierZeroFundamental = "Msg_FourierZeroFundamental";
inline constexpr std::string_view FourierHeader = "Msg_FourierHeader";
inline constexpr std::string_view FourierBottomAxis = "Msg_FourierBottomAxis";
inline constexpr std::string_view FourierLeftAxis = "Msg_FourierLeftAxis";
inline constexpr std::string_view RegressionData = "Msg_StatRegressionData";
inline constexpr std::string_view RegressionCurve = "Msg_StatRegressionCurve";
}  // namespace statmsg

class AnalysisMessageTable : public MessageTable {
public:
    AnalysisMessageTable();
};

// Help contexts: cell errors, the window and its import, the regression
// window, the missing series and the Fourier count.
inline constexpr int kStatCellHelpContext = 13;
inline constexpr int kStatHelpContext = 35;
inline constexpr int kRegressionHelpContext = 36;
inline constexpr int kNoSeriesHelpContext = 33;
inline constexpr int kFourierHelpContext = 4;

}  // namespace tarvix
