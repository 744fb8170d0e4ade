// The series and vector options of tarvix-cli: register boxes, the vector
// option, settings keys, the series file, vector imports and exports, WAF
// recordings and the final list of registers; and what the headless
// evaluator does with them before and after its lines.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculator/calculator.h"
#include "series/data_pump.h"
#include "series/series_controller.h"

namespace tarvix {

struct CliSeriesOptions {
    std::vector<std::pair<BoxId, std::string>> Boxes;          // --box NAME=TEXT
    bool Vectors = false;                                      // --vectors
    std::vector<std::pair<std::string, std::string>> Sets;     // --set Section/Key=Value (cli_settings.h)
    std::string SeriesFile;                                    // --series-file FILE ("-": stdout)
    std::vector<std::pair<std::string, std::string>> Imports;  // --import-vector NAME=FILE
    std::vector<std::pair<std::string, std::string>> Exports;  // --export-vector NAME=FILE
    std::vector<std::string> WafFiles;                         // --import-waf FILE
    bool PrintBoxes = false;                                   // --boxes
};

enum class OptionTaken : std::uint8_t { No, Yes, BadArgument };

// Takes one of the options above but --set, which every family takes
// (cli_settings.h); `next` gives the following word (and ends the program
// with a usage error when there is none).
OptionTaken TakeSeriesOption(std::string_view option, const std::function<std::string_view()>& next,
                             CliSeriesOptions& options);

// The usage lines of these options.
inline constexpr std::string_view kSeriesUsage =
    "                  [--box X|Y|A..F=TEXT] [--vectors] [--set Section/Key=Value]\n"
    "                  [--series-file FILE|-] [--import-vector NAME=FILE]\n"
    "                  [--export-vector NAME=FILE] [--import-waf FILE] [--boxes]\n";

class CliSeries {
public:
    CliSeries(Calculator& calculator, SeriesController& series, const CliSeriesOptions& options,
              std::ostream& out, std::ostream& err);

    // Before the lines: the vector option, the settings keys, the series
    // file, the imports, then the boxes. False when something failed (the
    // message is on standard error).
    bool Prepare();
    // Before each line.
    void NextLine() { series_.ForgetLastCalculation(); }
    // After a line that took a series run: the display's text is its result.
    bool LineWasRun(CalcOutcome outcome) const;
    // After the lines: the exports, then the registers. False when an export failed.
    bool Finish();

private:
    bool ApplySettingsKeys();

    Calculator& calc_;
    SeriesController& series_;
    const CliSeriesOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    // The headless evaluator's clipboard lives only while it runs.
    class MemoryClipboard : public ClipboardPort {
    public:
        void SetText(std::string_view text) override { text_ = text; }
        std::string Text() const override { return text_; }

    private:
        std::string text_;
    } clipboard_;
    DataPump pump_;
};

}  // namespace tarvix
