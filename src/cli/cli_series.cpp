// The series and vector options of the headless evaluator.
#include "cli/cli_series.h"

#include "calculator/text_trim.h"
#include "cli/cli_settings.h"
#include "engine/name_utils.h"
#include "series/series_settings.h"
#include "storage/settings_apply.h"

namespace tarvix {
namespace {

// "NAME=TEXT" split at the first "="; nothing without "=" or a name.
std::optional<std::pair<std::string, std::string>> SplitAssignment(std::string_view text) {
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos || eq == 0) return std::nullopt;
    return std::make_pair(std::string(text.substr(0, eq)), std::string(text.substr(eq + 1)));
}

std::optional<BoxId> RegisterByLetter(std::string_view name) {
    static constexpr std::string_view kLetters = "XYABCDEF";
    if (name.size() != 1) return std::nullopt;
    const std::size_t i = kLetters.find(ToUpperAscii(name[0]));
    if (i == std::string_view::npos) return std::nullopt;
    return kRegisterLoadOrder[i];
}

}  // namespace

OptionTaken TakeSeriesOption(std::string_view a, const std::function<std::string_view()>& next,
                             CliSeriesOptions& o) {
    if (a == "--vectors") {
        o.Vectors = true;
    } else if (a == "--boxes") {
        o.PrintBoxes = true;
    } else if (a == "--series-file") {
        o.SeriesFile = next();
        if (o.SeriesFile.empty()) return OptionTaken::BadArgument;
    } else if (a == "--import-waf") {
        o.WafFiles.emplace_back(next());
    } else if (a == "--box") {
        auto parts = SplitAssignment(next());
        std::optional<BoxId> box = parts ? RegisterByLetter(parts->first) : std::nullopt;
        if (!box) return OptionTaken::BadArgument;
        o.Boxes.emplace_back(*box, parts->second);
    } else if (a == "--import-vector" || a == "--export-vector") {
        auto parts = SplitAssignment(next());
        if (!parts || parts->second.empty()) return OptionTaken::BadArgument;
        (a == "--import-vector" ? o.Imports : o.Exports).push_back(*parts);
    } else {
        return OptionTaken::No;
    }
    return OptionTaken::Yes;
}

CliSeries::CliSeries(Calculator& calculator, SeriesController& series,
                     const CliSeriesOptions& options, std::ostream& out, std::ostream& err)
    : calc_(calculator),
      series_(series),
      options_(options),
      out_(out),
      err_(err),
      pump_(series, calculator, clipboard_) {}

bool CliSeries::ApplySettingsKeys() {
    // The keys go through a settings document as if read from the file: the
    // calculator's current state is written out, the keys replaced, and the
    // whole read back and applied.
    Settings current;
    CaptureSettings(calc_, current);
    WriteDataSeriesSettings(series_.Settings(), current);
    WriteVarAsVector(series_.VarAsVector(), current);
    const std::optional<Settings> read = OverlaySettingsKeys(current, options_.Sets, err_);
    if (!read) return false;
    std::vector<std::string> warnings;
    ApplySettings(*read, calc_, warnings);
    series_.SetSettings(ReadDataSeriesSettings(*read));
    series_.SetVarAsVector(ReadVarAsVector(*read));
    return true;
}

bool CliSeries::Prepare() {
    if (options_.Vectors) series_.SetVarAsVector(true);
    if (!options_.Sets.empty() && !ApplySettingsKeys()) return false;
    if (!options_.SeriesFile.empty()) {
        DataSeriesSettings s = series_.Settings();
        s.CreateFile = true;
        series_.SetSettings(s);
        if (options_.SeriesFile == "-")
            series_.SetSeriesStream(&out_);
        else
            series_.SetSeriesFileOverride(options_.SeriesFile);
    }
    try {
        for (const std::string& file : options_.WafFiles) pump_.Run(1, 4, "", file);
        for (const auto& [name, file] : options_.Imports) pump_.Run(0, 4, name, file);
    } catch (const std::exception& e) {
        calc_.ReportError(e);
        return false;
    }
    // After the imports: a recording's follow-up calculation zeroes X, Y, A and B.
    for (const auto& [box, text] : options_.Boxes) calc_.SetRegisterBox(box, text);
    return true;
}

bool CliSeries::LineWasRun(CalcOutcome outcome) const {
    return outcome == CalcOutcome::Stopped && series_.LastCalculationWasRun() &&
           series_.LastRun() != RunEnd::NotRun;
}

bool CliSeries::Finish() {
    bool ok = true;
    for (const auto& [name, file] : options_.Exports) {
        try {
            pump_.Run(4, 0, name, file);
        } catch (const std::exception& e) {
            calc_.ReportError(e);
            ok = false;
        }
    }
    if (options_.PrintBoxes) {
        for (BoxId id : kRegisterLoadOrder) {
            const std::string& name = calc_.RegisterAt(id).Label;
            out_ << name << '=' << TrimBlanks(calc_.FormatValue(calc_.Parser1().GetVariable(name)))
                 << '\n';
        }
    }
    return ok;
}

}  // namespace tarvix
