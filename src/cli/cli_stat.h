// The analysis options of tarvix-cli: --stat FILE imports a statistics
// file as the statistics window does and prints the report of the file
// export (the items the window's settings select, never the date and time);
// --xy takes two columns;
// --regress lin|log|exp|pow computes the regression with that model;
// --fourier FILE analyses one sample per line and prints each order with its
// relative amplitude. Messages go through the calculator's dialogs port.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "analysis/regression.h"
#include "calculator/calculator.h"
#include "cli/cli_series.h"
#include "storage/settings_store.h"

namespace tarvix {

struct CliStatOptions {
    std::string StatFile;                   // --stat FILE
    bool Xy = false;                        // --xy
    std::optional<RegressionModel> Model;   // --regress lin|log|exp|pow
    std::string FourierFile;                // --fourier FILE

    bool Requested() const { return !StatFile.empty() || !FourierFile.empty(); }
};

// Takes one of the options above; `next` gives the following word.
OptionTaken TakeStatOption(std::string_view option, const std::function<std::string_view()>& next,
                           CliStatOptions& options);

inline constexpr std::string_view kStatUsage =
    "                  [--stat FILE [--xy] [--regress lin|log|exp|pow]] [--fourier FILE]\n";

// After the lines: the statistics report, then the harmonic analysis. False
// when one of them failed (its message has been shown). The report follows
// the statistics window's settings (section StatForm: result rounding,
// rounding of the data, "x-y", report items; the date and time never).
bool RunCliStat(Calculator& calculator, const CliStatOptions& options, const Settings& settings,
                std::ostream& out);

}  // namespace tarvix
