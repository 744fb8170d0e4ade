// The statistics, regression and Fourier options of the headless evaluator.
#include "cli/cli_stat.h"

#include <cmath>

#include "analysis/analysis_messages.h"
#include "analysis/cell_reader.h"
#include "analysis/fourier.h"
#include "analysis/stat_window.h"
#include "storage/line_reader.h"

namespace tarvix {
namespace {

// The report with CR LF line ends as lines of standard output.
void PrintLines(std::ostream& out, std::string_view text) {
    for (std::size_t cr; (cr = text.find('\r')) != std::string_view::npos;) {
        out.write(text.data(), static_cast<std::streamsize>(cr));
        text.remove_prefix(cr + 1);
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

bool RunStat(Calculator& calc, const CliStatOptions& options, const Settings& settings,
             std::ostream& out) {
    StatWindow window(calc);
    window.ReadSettings(settings);
    if (options.Model) {
        window.SetRegressionMode(true);
        window.SetModel(*options.Model);
    }
    if (!window.ImportFilePath(options.StatFile)) return false;
    if (options.Xy && !window.Table().Xy()) window.SetXy(true);
    if (!window.HasResults()) return false;
    window.ResetReportComment();
    window.Selection().Items[ReportSelection::DateTime] = false;
    PrintLines(out, window.Report());
    return true;
}

bool RunFourier(Calculator& calc, const std::string& file, std::ostream& out) {
    AnalysisMessageTable texts;
    auto show = [&](std::string_view key, std::initializer_list<std::string_view> args, int help) {
        calc.ShowMessageBox(FormatMessageText(texts.Text(key), args), MessageKind::Error,
                            kCancelHelpButtons, help);
        return false;
    };
    LineReader lines{std::filesystem::path(file)};
    if (!lines.Opened()) return show(statmsg::FileReadError, {file}, kStatHelpContext);
    ParserCellReader reader(calc.Parser1(), false);
    std::vector<long double> samples;
    std::string line;
    LineRead read;
    while ((read = lines.NextText(line)) == LineRead::Line) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        std::optional<ComplexValue> value = reader.ReadValue(line);
        if (!value && reader.TooDeep()) {
            calc.ShowMessageBox(ParserMessages().Text(msg::Nestings), MessageKind::Error,
                                kCancelHelpButtons, kFourierHelpContext);
            return false;
        }
        if (!value) return show(statmsg::BadNumber, {line}, kStatCellHelpContext);
        samples.push_back(value->Re);
    }
    if (read == LineRead::TooLong)
        return show(statmsg::LineTooLong, {std::to_string(lines.LineNumber()), file},
                    kStatHelpContext);
    if (read == LineRead::Failed) return show(statmsg::FileReadError, {file}, kStatHelpContext);
    HarmonicsOutcome outcome = AnalyzeHarmonics(samples);
    if (!outcome.Result) return show(outcome.ErrorKey, {}, kFourierHelpContext);
    const StatNumberFormat format{true, 10, calc.Options().DecimalSeparator};
    const std::vector<long double>& relative = outcome.Result->Relative;
    for (std::size_t k = 0; k < relative.size(); ++k) {
        // Ten digits and a floor of 1e-9 % drop the transform's rounding, so
        // silent orders read 0.
        const long double v = std::fabs(relative[k]) < 1e-9L ? 0.0L : relative[k];
        out << k + 1 << ' ' << FormatStatValue(v, format) << '\n';
    }
    return true;
}

}  // namespace

OptionTaken TakeStatOption(std::string_view option, const std::function<std::string_view()>& next,
                           CliStatOptions& options) {
    if (option == "--stat") {
        options.StatFile = next();
    } else if (option == "--xy") {
        options.Xy = true;
    } else if (option == "--regress") {
        options.Model = RegressionModelFromName(next());
        if (!options.Model) return OptionTaken::BadArgument;
    } else if (option == "--fourier") {
        options.FourierFile = next();
    } else {
        return OptionTaken::No;
    }
    return OptionTaken::Yes;
}

bool RunCliStat(Calculator& calculator, const CliStatOptions& options, const Settings& settings,
                std::ostream& out) {
    bool ok = true;
    if (!options.StatFile.empty()) ok = RunStat(calculator, options, settings, out) && ok;
    if (!options.FourierFile.empty()) ok = RunFourier(calculator, options.FourierFile, out) && ok;
    return ok;
}

}  // namespace tarvix
