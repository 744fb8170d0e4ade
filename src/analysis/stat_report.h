// The statistics window's outputs as text: the result texts of its panels
// (FormatStatValue), the report selection of section `StatForm`, the plain
// data lines, the report of the file export and the clipboard text.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/statistics.h"

namespace tarvix {

class MessageTable;

inline constexpr std::size_t kResultRows = 12;

// "Zaokrouhlovat vypočtené hodnoty" with N digits, and the decimal separator.
struct StatNumberFormat {
    bool Rounding = false;
    int Digits = 6;  // 1 … 15
    char DecimalSeparator = '.';
};

// A result as text: N significant digits with rounding, else "%g".
std::string FormatStatValue(long double value, const StatNumberFormat& format);

// The texts of the two result panels; an empty text shows nothing. Without
// two columns the statistics of column 1 are in the y panel. In regression
// mode the last three rows of both panels are empty and the regression
// texts are set.
struct StatPanels {
    std::array<std::string, kResultRows> X;
    std::array<std::string, kResultRows> Y;
    bool Regression = false;
    std::string Covariance;
    std::string Variability;
    std::string Function;
};

StatPanels PanelTexts(const StatResults& results, const StatNumberFormat& format);

// The message keys of the twelve row labels (statistics, or regression with
// the last three replaced).
const std::array<std::string_view, kResultRows>& ResultLabelKeys(bool regression);

// --- Report selection
inline constexpr std::size_t kReportItems = 15;
// Settings keys of section `StatForm`, in the order of the selection list.
const std::array<std::string_view, kReportItems>& ReportItemSettingsKeys();
// Message keys of the list's item texts.
const std::array<std::string_view, kReportItems>& ReportItemTextKeys(bool regression);

struct ReportSelection {
    std::array<bool, kReportItems> Items{true, true, true, true, true, true, true, true,
                                          true, true, true, true, true, true, true};
    enum Index : std::size_t { Header = 0, DateTime = 1, DataSerie = 2, FirstResult = 3 };
};

// The data lines as the cells stand: x, or x TAB y with two columns; empty
// rows at the end are left out.
std::vector<std::string> DataLines(const StatTable& table);

struct ReportInput {
    const StatTable* Table = nullptr;
    StatPanels Panels;
    std::array<std::string, kResultRows> Labels;  // without ":"
    std::string Comment;
    std::string DateTime;
    std::string DataHeader = "Data:";
    ReportSelection Selection;
};

// The report, lines ended by CR LF: comment, date and time, "Data:" with the
// data lines and an empty line, then each selected result as its label
// padded to the longest label, ": " and the value (two columns: the x value
// padded to the longest two-column x text + 2, then the y value).
std::string BuildReport(const ReportInput& input);

// The plain export: the data lines ended by CR LF.
std::string DataText(const StatTable& table);

// The clipboard export: column 1 of every row, each followed by CR LF.
std::string ClipboardText(const StatTable& table);

// Characters (code points) of a UTF-8 text.
std::size_t Utf8Length(std::string_view text);

}  // namespace tarvix
