// tarvix-cli: the headless evaluator. Each argument (or each line of standard
// input) is typed into the calculator's input line and goes through its
// calculation command: assignments, input-line commands, registers, Ans and
// the history work as in the main window. The display text, trimmed, goes to
// standard output; messages and questions go to standard error.
//
// Questions are answered as --answer says (default no). A calculation that
// registers new variables asks whether to put them into the register boxes
// and evaluates nothing, as in the window; the user would then calculate
// again, and so does the cli once (unless the answer was cancel, which leaves
// the line without a result). Assignments create their target without the
// question, so x=2*3 is evaluated at once.
//
// --open FILE.fx loads a data file (modes, registers, variables) before the
// lines run; --save FILE.fx writes the state to a data file after them. Both
// replace the extension by ".fx".
//
// The series and vector options (cli_series.h) set the register boxes, the
// vector option, settings keys and the series file before the lines, import
// vectors and recordings, and export vectors and list the registers after
// them. A line that runs a series prints the display's final text ("5 hodnot
// 100% "). Words starting with "--" are options: an unknown one is a usage
// error (status 2), never an expression.
//
// --worksheet FILE runs matrix operations on a worksheet file instead of
// lines (cli_worksheet.h); the mode and format options apply to it.
//
// --set SECTION/KEY=VALUE is taken by every family (cli_settings.h): the
// keys are checked before anything runs; the calculator takes them before
// the lines or the worksheet run, the statistics report takes section
// StatForm (the statistics window's rounding and report items), --vat the
// rates and rounding units of section Localization.
//
// The exit status is 1 when any line failed: an error message, or a line
// left without a result by a cancelled question; also when the data file
// does not open (no line runs then) or cannot be saved.
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/mode_switches.h"
#include "calculator/text_trim.h"
#include "cli/cli_help.h"
#include "cli/cli_language.h"
#include "cli/cli_series.h"
#include "cli/cli_settings.h"
#include "cli/cli_stat.h"
#include "cli/cli_library.h"
#include "cli/cli_editor.h"
#include "cli/cli_task.h"
#include "cli/cli_tools.h"
#include "cli/cli_worksheet.h"
#include "series/series_hooks.h"
#include "storage/data_file_commands.h"
#include "storage/line_reader.h"
#include "storage/text_catalog.h"

namespace {

using namespace tarvix;

void Usage() {
    std::cerr << "usage: tarvix-cli [--cplx|--real] [--deg|--rad|--grad] [--base dec|hex|bin|oct]\n"
                 "                  [--imag i|j] [--format norm|fix|sci|eng] [--rnd N] [--eng]\n"
                 "                  [--polar] [--hexprefix] [--sep C] [--answer yes|no|cancel]\n"
                 "                  [--open FILE.fx] [--save FILE.fx]\n"
              << kSeriesUsage << kStatUsage
              << "                  [EXPR ...]\n"
                 "       tarvix-cli [mode options] --worksheet FILE [--right FILE2] [--order N]\n"
                 "                  [--fill KIND[:ARGS]]... [--cell-convert KIND]...\n"
                 "                  --op OP [--arg TEXT]... [--rhs \"v1;v2;...\" --op OP]...\n"
                 "                  [--result-file FILE]\n"
                 "Without EXPR, one expression per line is read from standard input.\n"
                 "Tools: --convert, --period, --move-date, --constants, --vat (tarvix-cli --vat -h).\n"
                 "--set Section/Key=Value applies to every form, the tools included.\n";
}

[[noreturn]] void BadUsage() {
    Usage();
    std::exit(2);
}

// Messages to standard error; error messages mark the line as failed;
// questions (a Yes button) are answered as configured.
class CliDialogs : public DialogsPort {
public:
    explicit CliDialogs(ModalResult answer) : answer_(answer) {}

    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        std::cout.flush();
        std::cerr << request.Text << '\n';
        if (request.Kind == MessageKind::Error) failed_ = true;
        if (request.Buttons.Has(MessageButton::Yes)) {
            questionCancelled_ = answer_ == ModalResult::Cancel;
            return answer_;
        }
        return request.Buttons.Has(MessageButton::Ok) ? ModalResult::Ok : ModalResult::Cancel;
    }

    std::optional<std::string> AskText(std::string_view, std::string_view prompt,
                                       std::string_view) override {
        std::cerr << prompt << '\n';
        return std::nullopt;
    }

    // Starts a new line: forgets its failure and cancelled question.
    void NextLine() { failed_ = questionCancelled_ = false; }
    bool Failed() const { return failed_; }
    bool QuestionCancelled() const { return questionCancelled_; }

private:
    ModalResult answer_;
    bool failed_ = false;
    bool questionCancelled_ = false;
};

struct CliSettings {
    ModalResult Answer = ModalResult::No;
    char Separator = '.';
    char ImaginaryUnit = 'i';
    std::string OpenFile;  // data file loaded before the lines
    std::string SaveFile;  // data file written after the lines
    std::vector<std::string> Lines;
    CliSeriesOptions Series;
    WorksheetCliRequest Worksheet;  // --worksheet and its options
    CliStatOptions Stat;
};

int ReadDigits(std::string_view text) {
    int value = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < kMinRoundingDigits ||
        value > kMaxRoundingDigits)
        BadUsage();
    return value;
}

ModalResult ReadAnswer(std::string_view text) {
    if (text == "yes") return ModalResult::Yes;
    if (text == "no") return ModalResult::No;
    if (text == "cancel") return ModalResult::Cancel;
    BadUsage();
}

// Reads the options into the calculator's mode switches (with the coupling of
// the switches: a later option wins over an earlier one it excludes).
CliSettings ParseArguments(int argc, char** argv, ModeSwitches& modes) {
    CliSettings settings;
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        auto next = [&]() -> std::string_view {
            if (i + 1 >= argc) BadUsage();
            return argv[++i];
        };
        const auto source = SwitchSource::MenuItem;
        bool badWorksheetOption = false;
        if (TakeWorksheetOption(a, next, settings.Worksheet, badWorksheetOption)) {
            if (badWorksheetOption) BadUsage();
        } else if (a == "--cplx")
            SelectDomain(modes, nsComplex, source);
        else if (a == "--real")
            SelectDomain(modes, nsReal, source);
        else if (a == "--deg")
            SelectAngleUnits(modes, auDeg, source);
        else if (a == "--rad")
            SelectAngleUnits(modes, auRad, source);
        else if (a == "--grad")
            SelectAngleUnits(modes, auGrad, source);
        else if (a == "--base") {
            std::optional<TNumericalBase> base = BaseFromCaption(next());
            if (!base) BadUsage();
            SelectBase(modes, *base, source);
        } else if (a == "--format") {
            std::optional<NumberFormat> format = NumberFormatFromCaption(next());
            if (!format) BadUsage();
            SelectNumberFormat(modes, *format, source);
        } else if (a == "--rnd") {
            modes.Display.Digits = ReadDigits(next());
            if (!modes.Display.RoundingOn) ToggleRounding(modes);
        } else if (a == "--eng") {
            if (!modes.Display.EngPostfixOn) ToggleEngPostfix(modes);
        } else if (a == "--polar") {
            modes.Display.Complex = ComplexForm::Exponential;
        } else if (a == "--hexprefix") {
            modes.Display.HexPrefixStyle = true;
        } else if (a == "--imag") {
            std::string_view u = next();
            if (u != "i" && u != "j") BadUsage();
            settings.ImaginaryUnit = u[0];
        } else if (a == "--sep") {
            std::string_view c = next();
            if (c.size() != 1) BadUsage();
            settings.Separator = c[0];
        } else if (a == "--open") {
            settings.OpenFile = next();
        } else if (a == "--save") {
            settings.SaveFile = next();
        } else if (a == "--answer") {
            settings.Answer = ReadAnswer(next());
        } else if (a == "--help" || a == "-h") {
            PrintCliHelp(std::cout);  // the option reference (cli_help.h)
            std::exit(0);
        } else if (a == "--version") {
            PrintCliVersion(std::cout);
            std::exit(0);
        } else if (a == "--") {
            for (++i; i < argc; ++i) settings.Lines.emplace_back(argv[i]);
        } else if (OptionTaken taken = TakeSeriesOption(a, next, settings.Series);
                   taken != OptionTaken::No) {
            if (taken == OptionTaken::BadArgument) BadUsage();
        } else if (OptionTaken taken = TakeStatOption(a, next, settings.Stat);
                   taken != OptionTaken::No) {
            if (taken == OptionTaken::BadArgument) BadUsage();
        } else if (a.starts_with("--")) {
            BadUsage();
        } else {
            settings.Lines.emplace_back(a);
        }
    }
    return settings;
}

// Tabs count as blanks; a carriage return at the end of a line is dropped.
std::string CleanLine(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::ranges::replace(line, '\t', ' ');
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    // --lang WORD: the texts of this run (cli_language.h).
    TextCatalog texts;
    if (!TakeLanguageOption(args, texts, std::cerr)) BadUsage();
    const TakenSettingsKeys keys = TakeSettingsKeys(args);
    if (keys.Bad) BadUsage();
    // The defaults with the keys: what the families without a calculator
    // state of their own read (the tools, the statistics window's section).
    const std::optional<Settings> keyed = OverlaySettingsKeys(Settings{}, keys.Keys, std::cerr);
    if (!keyed) return 1;
    args.push_back(nullptr);  // the closing null of an argument list
    int count = static_cast<int>(args.size()) - 1;
    // The tools' options (--convert, --period, …) run on their own.
    if (std::optional<int> status = RunToolCommand(count, args.data(), *keyed, texts))
        return *status;
    const TaskCliRequest task = TakeTaskOptions(count, args.data());  // --task (cli_task.h)
    // --library FILE.exp --run NAME: a task of the library (cli_library.h).
    const std::optional<LibraryTaskChoice> libraryTask = TakeLibraryTask(count, args.data());
    if (libraryTask && !libraryTask->Program) return libraryTask->Status;
    const bool runsTask = task.Active() || libraryTask.has_value();
    // --library FILE.exp and its other options run on their own (cli_library.h).
    if (std::optional<int> status = RunLibraryCommand(count, args.data())) return *status;
    // --editor FILE --line N: Enter on worksheet lines (cli_editor.h).
    const EditorCliRequest editor = TakeEditorOptions(count, args.data());
    Calculator calculator;
    ModeSwitches modes = calculator.Switches();
    modes.AngleUnits = auDeg;  // the cli's default angle unit
    CliSettings settings = ParseArguments(count, args.data(), modes);
    settings.Series.Sets = keys.Keys;
    calculator.Switches() = modes;
    calculator.ApplySwitchChanges({});
    calculator.SetImaginaryUnit(settings.ImaginaryUnit);

    CalculatorOptions options = calculator.Options();
    options.DecimalSeparator = settings.Separator;
    calculator.SetOptions(options);
    CliDialogs dialogs(settings.Answer);
    calculator.SetDialogs(&dialogs);
    DataFileDocument document;
    DataFileCommands dataFile(calculator, texts, document);
    if (!settings.OpenFile.empty() && !dataFile.OpenFile(settings.OpenFile)) return 1;
    SeriesController series(calculator);
    SeriesHooks seriesHooks(series);
    calculator.SetHooks(&seriesHooks);
    series.SetDataFilePath([&document] { return document.FullPath(); });
    CliSeries cliSeries(calculator, series, settings.Series, std::cout, std::cerr);
    // The settings keys, boxes and imports apply to the worksheet as to the lines.
    if (!cliSeries.Prepare()) return 1;
    if (settings.Worksheet.Active()) return RunWorksheetCli(settings.Worksheet, calculator);
    if (editor.Active()) return RunEditorCli(editor, calculator, std::cout, std::cerr);
    if (runsTask) {
        const int status =
            libraryTask ? RunTaskProgramCli(*libraryTask->Program, task, calculator, series, dialogs,
                                            std::cout, std::cerr)
                        : RunTaskCli(task, calculator, series, dialogs, std::cout, std::cerr);
        if (status != 0) return status;
    }

    int status = 0;
    auto runLine = [&](const std::string& raw) {
        const std::string line = CleanLine(raw);
        if (TrimBlanks(line).empty()) return;
        dialogs.NextLine();
        cliSeries.NextLine();
        calculator.SetInputText(line);
        CalcOutcome outcome = calculator.Calculate();
        if (outcome == CalcOutcome::NewVariables && !dialogs.QuestionCancelled()) {
            outcome = calculator.Calculate();
        }
        if (outcome == CalcOutcome::Evaluated) {
            std::cout << TrimBlanks(calculator.DisplayText()) << '\n';
        } else if (cliSeries.LineWasRun(outcome)) {
            std::cout << calculator.DisplayText() << '\n';
        }
        if (dialogs.Failed() || outcome == CalcOutcome::Failed ||
            outcome == CalcOutcome::NewVariables) {
            status = 1;
        }
    };
    if (settings.Lines.empty() && !settings.Stat.Requested() && !runsTask) {
        // Standard input is evaluated line by line as it arrives, so an endless
        // producer (`yes 1 | tarvix-cli`) runs in constant memory.
        LineReader input(STDIN_FILENO);
        std::string line;
        LineRead read;
        while ((read = input.Next(line)) == LineRead::Line) runLine(line);
        if (read == LineRead::TooLong) {
            std::cerr << "tarvix-cli: line " << input.LineNumber()
                      << " of the standard input is longer than 16 MB\n";
            return 1;
        }
    }
    for (const std::string& raw : settings.Lines) runLine(raw);
    if (settings.Stat.Requested()) {
        dialogs.NextLine();
        if (!RunCliStat(calculator, settings.Stat, *keyed, std::cout) || dialogs.Failed())
            status = 1;
    }
    if (runsTask && settings.Series.Vectors) PrintTaskVectors(series, calculator, std::cout);
    if (!cliSeries.Finish()) status = 1;
    if (!settings.SaveFile.empty() && !dataFile.SaveFile(DataFilePath(settings.SaveFile))) {
        status = 1;
    }
    return status;
}
