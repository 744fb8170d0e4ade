// Result texts, the report and the plain data texts of the statistics window.
#include "analysis/stat_report.h"

#include <algorithm>

#include "analysis/analysis_messages.h"
#include "calculator/float_mask.h"

namespace tarvix {

std::string FormatStatValue(long double value, const StatNumberFormat& format) {
    FloatMask mask;
    if (format.Rounding) mask.Precision = std::clamp(format.Digits, 1, 15);
    return FormatFloat(value, mask, format.DecimalSeparator);
}

namespace {

std::array<std::string, kResultRows> ColumnTexts(const ColumnStats& s, const StatNumberFormat& f) {
    return {std::to_string(s.Count),
            FormatStatValue(s.Minimum, f),
            FormatStatValue(s.Maximum, f),
            FormatStatValue(s.AriAverage, f),
            FormatStatValue(s.GeoAverage, f),
            FormatStatValue(s.SqrAverage, f),
            FormatStatValue(s.HarAverage, f),
            FormatStatValue(s.Sum, f),
            FormatStatValue(s.SumOfSquares, f),
            FormatStatValue(s.Dispersion, f),
            FormatStatValue(s.StdDeviation, f),
            FormatStatValue(s.Variation, f)};
}

constexpr std::size_t kRegressionRows = 3;

}  // namespace

StatPanels PanelTexts(const StatResults& results, const StatNumberFormat& format) {
    StatPanels panels;
    if (!results.TwoColumns) {
        panels.Y = ColumnTexts(results.X, format);
        return panels;
    }
    panels.X = ColumnTexts(results.X, format);
    panels.Y = ColumnTexts(results.Y, format);
    if (results.Fit) {
        panels.Regression = true;
        for (std::size_t i = kResultRows - kRegressionRows; i < kResultRows; ++i) {
            panels.X[i].clear();
            panels.Y[i].clear();
        }
        panels.Covariance = FormatStatValue(results.Fit->Covariance, format);
        panels.Variability = FormatStatValue(results.Fit->R2, format);
        panels.Function = FunctionText(
            *results.Fit, [&](long double v) { return FormatStatValue(v, format); });
    }
    return panels;
}

const std::array<std::string_view, kResultRows>& ResultLabelKeys(bool regression) {
    using namespace statmsg;
    static const std::array<std::string_view, kResultRows> statistics = {
        Count, Minimum,      Maximum,    AriAverage, GeoAverage,   SqrAverage,
        HarAverage, Sum, SumOfSquares, Dispersion, StdDeviation, Variation};
    static const std::array<std::string_view, kResultRows> regressionKeys = {
        Count, Minimum,      Maximum,    AriAverage,  GeoAverage,  SqrAverage,
        HarAverage, Sum, SumOfSquares, Covariance, Variability, RegressionFunction};
    return regression ? regressionKeys : statistics;
}

const std::array<std::string_view, kReportItems>& ReportItemSettingsKeys() {
    static const std::array<std::string_view, kReportItems> keys = {
        "Header",     "DateTime",   "DataSerie", "Count",        "Minimum",
        "Maximum",    "AriAverage", "GeoAverage", "SqrAverage",  "HarAverage",
        "Sum",        "SumOfSquares", "Dispersion", "StdDeviation", "Variation"};
    return keys;
}

const std::array<std::string_view, kReportItems>& ReportItemTextKeys(bool regression) {
    using namespace statmsg;
    static std::array<std::string_view, kReportItems> statistics{};
    static std::array<std::string_view, kReportItems> regressionKeys{};
    if (statistics[0].empty()) {
        statistics[0] = regressionKeys[0] = ReportHeader;
        statistics[1] = regressionKeys[1] = ReportDateTime;
        statistics[2] = regressionKeys[2] = ReportDataSerie;
        for (std::size_t i = 0; i < kResultRows; ++i) {
            statistics[3 + i] = ResultLabelKeys(false)[i];
            regressionKeys[3 + i] = ResultLabelKeys(true)[i];
        }
    }
    return regression ? regressionKeys : statistics;
}

std::size_t Utf8Length(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::vector<std::string> DataLines(const StatTable& table) {
    std::vector<std::string> lines;
    const int rows = table.FilledRowCount();
    lines.reserve(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        const StatRow& row = table.Rows()[r];
        lines.push_back(table.Xy() ? row.X + '\t' + row.Y : row.X);
    }
    return lines;
}

namespace {

void Pad(std::string& text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    if (length < width) text.append(width - length, ' ');
}

}  // namespace

std::string BuildReport(const ReportInput& in) {
    constexpr std::string_view kEnd = "\r\n";
    const StatPanels& p = in.Panels;
    const bool xy = in.Table && in.Table->Xy();
    std::string out;
    const auto& items = in.Selection.Items;
    if (items[ReportSelection::Header]) out.append(in.Comment).append(kEnd);
    if (items[ReportSelection::DateTime]) out.append(in.DateTime).append(kEnd);
    if (items[ReportSelection::DataSerie]) {
        out.append(in.DataHeader).append(kEnd);
        if (in.Table) in.Table->AppendDataLines(out, kEnd);
        out.append(kEnd);
    }
    std::size_t labelWidth = 0;
    for (const std::string& label : in.Labels) labelWidth = std::max(labelWidth, Utf8Length(label));
    const std::size_t firstRegression = kResultRows - 3;
    std::size_t xWidth = 0;
    for (std::size_t i = 0; i < kResultRows; ++i) {
        if (!p.X[i].empty() && !p.Y[i].empty()) xWidth = std::max(xWidth, Utf8Length(p.X[i]));
    }
    for (std::size_t i = 0; i < kResultRows; ++i) {
        if (!items[ReportSelection::FirstResult + i]) continue;
        std::string value;
        if (p.Regression && i >= firstRegression) {
            if (!xy) continue;
            value = i == firstRegression       ? p.Covariance
                    : i == firstRegression + 1 ? p.Variability
                                               : p.Function;
            Pad(value, xWidth + 2);
        } else if (xy) {
            value = p.X[i];
            Pad(value, xWidth + 2);
            value += p.Y[i];
        } else {
            value = p.Y[i];
        }
        std::string line = in.Labels[i];
        Pad(line, labelWidth);
        out.append(line).append(": ").append(value).append(kEnd);
    }
    return out;
}

std::string DataText(const StatTable& table) {
    std::string out;
    table.AppendDataLines(out, "\r\n");
    return out;
}

std::string ClipboardText(const StatTable& table) {
    std::string out;
    const int rows = table.FilledRowCount();
    for (int r = 0; r < rows; ++r) out.append(table.Rows()[r].X).append("\r\n");
    return out;
}

}  // namespace tarvix
