// The tools' options of tarvix-cli:
//   --convert CATEGORY FROM TO VALUE      the value in unit TO (VALUE may be an
//                                         expression; names as in the unit table
//                                         or in the --lang language, case and
//                                         runs of blanks ignored)
//   --period START END [--first-day] [--shift HOURS]
//                                         lengths and counts of the period
//                                         (dates YYYY-MM-DD, Czech holidays)
//   --move-date DATE [--days N] [--weeks N] [--months N] [--years N] [--back]
//   --constants                           the built-in constants
//   --vat FIELD=VALUE ...                 the VAT mode: each value typed into its
//                                         field (bezDPH, sazba, DPH, celkem or X,
//                                         Y, A, B), computed from the last one
//   --sep C                               decimal separator of --convert and --vat
#include "cli/cli_tools.h"

#include <charconv>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/float_mask.h"
#include "engine/name_utils.h"
#include "tools/constants_table.h"
#include "tools/date_period.h"
#include "tools/tool_messages.h"
#include "tools/unit_conversion_model.h"
#include "tools/unit_converter.h"
#include "tools/unit_names.h"
#include "tools/vat_mode.h"

namespace tarvix {
namespace {

constexpr std::string_view kToolOptions[] = {"--convert", "--period", "--move-date", "--constants",
                                             "--vat"};

struct UsageError {};
struct HelpRequest {};

struct ToolArguments {
    std::string_view Command;
    std::vector<std::string_view> Operands;  // positional arguments after the command
    bool FirstDay = false;
    bool Back = false;
    std::string_view Shift;
    PeriodShift Move;
    char Separator = '.';
    std::vector<std::string_view> VatEntries;
};

long ReadCount(std::string_view text) {
    long value = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > 32767)
        throw UsageError{};
    return value;
}

ToolArguments Parse(int argc, char** argv) {
    ToolArguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        auto next = [&]() -> std::string_view {
            if (i + 1 >= argc) throw UsageError{};
            return argv[++i];
        };
        auto setCommand = [&](std::string_view command) {
            if (!args.Command.empty() && args.Command != command) throw UsageError{};
            args.Command = command;
        };
        if (a == "--convert" || a == "--period" || a == "--move-date" || a == "--constants") {
            setCommand(a);
        } else if (a == "--vat") {
            setCommand(a);
            args.VatEntries.push_back(next());
        } else if (a == "--first-day") {
            args.FirstDay = true;
        } else if (a == "--shift") {
            args.Shift = next();
        } else if (a == "--back") {
            args.Back = true;
        } else if (a == "--days") {
            args.Move.Days = ReadCount(next());
        } else if (a == "--weeks") {
            args.Move.Weeks = ReadCount(next());
        } else if (a == "--months") {
            args.Move.Months = ReadCount(next());
        } else if (a == "--years") {
            args.Move.Years = ReadCount(next());
        } else if (a == "--sep") {
            const std::string_view c = next();
            if (c.size() != 1) throw UsageError{};
            args.Separator = c[0];
        } else if (a == "--help" || a == "-h") {
            throw HelpRequest{};
        } else if (a.starts_with("--") && a.size() > 2) {
            throw UsageError{};
        } else {
            args.Operands.push_back(a);
        }
    }
    return args;
}

void Usage() {
    std::cerr << "usage: tarvix-cli --convert CATEGORY FROM TO VALUE [--sep C]\n"
                 "       tarvix-cli --period START END [--first-day] [--shift HOURS]\n"
                 "       tarvix-cli --move-date DATE [--days N] [--weeks N] [--months N]\n"
                 "                  [--years N] [--back]\n"
                 "       tarvix-cli --constants\n"
                 "       tarvix-cli --vat FIELD=VALUE [--vat FIELD=VALUE ...] [--sep C]\n"
                 "Dates are YYYY-MM-DD between 1900-01-01 and 2099-12-31.\n";
}

// "%1.7g", values below 1e-6 as 0.
std::string ExactText(long double value) {
    if (value < 1e-6L) value = 0.0L;
    return FormatFloat(value, FloatMask{MaskKind::General, 7}, '.');
}

CivilDate ReadDate(std::string_view text) {
    const std::optional<CivilDate> date = ParseIsoDate(text);
    if (!date) throw ToolError(toolmsg::BadDate, {text});
    if (!InDateRange(*date)) throw ToolError(toolmsg::DateOutOfRange, {text});
    return *date;
}

int Convert(const ToolArguments& args, TextCatalog& texts) {
    if (args.Operands.size() != 4) throw UsageError{};
    const UnitTable& table = UnitTable::BuiltIn();
    const UnitNames names(table, texts);
    const std::optional<std::size_t> category = names.FindCategory(args.Operands[0]);
    if (!category) throw ToolError(toolmsg::UnknownCategory, {args.Operands[0]});
    const std::optional<std::size_t> from = names.FindUnit(*category, args.Operands[1]);
    if (!from) throw ToolError(toolmsg::UnknownUnit, {args.Operands[1]});
    const std::optional<std::size_t> to = names.FindUnit(*category, args.Operands[2]);
    if (!to) throw ToolError(toolmsg::UnknownUnit, {args.Operands[2]});
    Calculator calculator;  // the evaluator of the value, in the cli's degrees
    calculator.SetAngleUnits(auDeg);
    const long double value = ReadConversionInput(args.Operands[3], calculator.Parser1());
    UnitConverter converter(table);
    const long double result = converter.Convert(*category, *from, *to, value);
    std::cout << FormatFloat(result, FloatMask{}, args.Separator) << '\n';
    return 0;
}

int Period(const ToolArguments& args) {
    if (args.Operands.size() != 2) throw UsageError{};
    const CivilDate start = ReadDate(args.Operands[0]);
    const CivilDate end = ReadDate(args.Operands[1]);
    long double shift = 8.5L;
    if (!args.Shift.empty()) {
        std::string text(args.Shift);
        for (char& c : text) {
            if (c == ',') c = '.';
        }
        const std::optional<long double> hours = ReadFloatText(text, '.');
        if (!hours || *hours < 0.0L) throw UsageError{};
        shift = *hours;
    }
    const HolidayCalendar calendar(ParseHolidayLines(DefaultHolidayLines("CZECH")).Days);
    const std::optional<PeriodResult> period =
        ComputePeriod(start, end, args.FirstDay, shift, calendar);
    if (!period) {
        std::cout << "days: -\n";  // the start lies after the end: no results
        return 0;
    }
    static constexpr std::string_view kWeekdays[7] = {"sunday",   "monday", "tuesday", "wednesday",
                                                      "thursday", "friday", "saturday"};
    auto integer = [](long double value) { return static_cast<long>(value); };
    std::cout << "days: " << period->Days << '\n'
              << "weeks: " << integer(period->Weeks) << '\n'
              << "weeks exact: " << ExactText(period->Weeks) << '\n'
              << "months: " << period->WholeMonths << '\n'
              << "months exact: " << ExactText(period->Months) << '\n'
              << "years: " << integer(period->Years) << '\n'
              << "years exact: " << ExactText(period->Years) << '\n';
    // Monday first, as the window lists them.
    for (int i = 1; i <= 7; ++i) {
        const int day = i % 7;
        std::cout << kWeekdays[day] << ": " << period->WeekdayCounts[day] << '\n';
    }
    std::cout << "working days: " << period->WorkingDays << '\n'
              << "rest days: " << period->RestDays << '\n'
              << "holidays: " << period->Holidays << '\n'
              << "working hours: " << FormatFloat(period->WorkingHours, FloatMask{}, '.') << '\n';
    return 0;
}

int MoveDateCommand(const ToolArguments& args) {
    if (args.Operands.size() != 1) throw UsageError{};
    const CivilDate moved = MoveDate(ReadDate(args.Operands[0]), args.Move, args.Back);
    std::cout << IsoDateText(moved) << '\n';
    return 0;
}

int Constants(const ToolArguments& args) {
    if (!args.Operands.empty()) throw UsageError{};
    for (const BuiltInConstant& constant : BuiltInConstants()) {
        std::cout << constant.Key << '\t' << constant.Name << '\t' << constant.Value << '\n';
    }
    return 0;
}

// Messages of the calculator to standard error; errors make the run fail.
class ToolDialogs : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        std::cerr << request.Text << '\n';
        if (request.Kind == MessageKind::Error) failed = true;
        return ModalResult::Ok;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }
    bool failed = false;
};

class VatHooks : public CalculatorHooks {
public:
    explicit VatHooks(VatMode& mode) : mode_(mode) {}
    void VatCalculation(Calculator&) override {
        if (mode_.IsOn()) mode_.Compute(focus);
    }
    std::optional<BoxId> focus;

private:
    VatMode& mode_;
};

int Vat(const ToolArguments& args, const Settings& values) {
    if (!args.Operands.empty() || args.VatEntries.empty()) throw UsageError{};
    Calculator calculator;
    CalculatorOptions options = calculator.Options();
    options.DecimalSeparator = args.Separator;
    calculator.SetOptions(options);
    ToolDialogs dialogs;
    calculator.SetDialogs(&dialogs);
    VatMode mode(calculator);
    mode.SetSettings(ReadVatSettings(values));
    VatHooks hooks(mode);
    calculator.SetHooks(&hooks);
    mode.SwitchOn();

    static constexpr std::string_view kLetters[4] = {"X", "Y", "A", "B"};
    for (std::string_view entry : args.VatEntries) {
        const std::size_t equals = entry.find('=');
        if (equals == std::string_view::npos) throw UsageError{};
        const std::string_view field = entry.substr(0, equals);
        std::optional<BoxId> box;
        for (std::size_t i = 0; i < kVatBoxes.size(); ++i) {
            if (EqualsNoCase(field, mode.Names().Names[i]) || EqualsNoCase(field, kLetters[i]))
                box = kVatBoxes[i];
        }
        if (!box) throw UsageError{};
        calculator.SetRegisterBox(*box, entry.substr(equals + 1));
        hooks.focus = box;
    }
    const CalcOutcome outcome = calculator.Calculate();
    for (std::size_t i = 0; i < kVatBoxes.size(); ++i) {
        std::cout << mode.Names().Names[i] << '=' << calculator.RegisterAt(kVatBoxes[i]).Box
                  << '\n';
    }
    return outcome == CalcOutcome::Failed || dialogs.failed ? 1 : 0;
}

}  // namespace

std::optional<int> RunToolCommand(int argc, char** argv, const Settings& settings,
                                  TextCatalog& texts) {
    bool found = false;
    for (int i = 1; i < argc && !found; ++i) {
        for (std::string_view option : kToolOptions) found = found || option == argv[i];
    }
    if (!found) return std::nullopt;
    try {
        const ToolArguments args = Parse(argc, argv);
        if (args.Command == "--convert") return Convert(args, texts);
        if (args.Command == "--period") return Period(args);
        if (args.Command == "--move-date") return MoveDateCommand(args);
        if (args.Command == "--constants") return Constants(args);
        return Vat(args, settings);
    } catch (const HelpRequest&) {
        Usage();
        return 0;
    } catch (const UsageError&) {
        Usage();
        return 2;
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << e.what() << '\n';
        return 1;
    }
}

}  // namespace tarvix
