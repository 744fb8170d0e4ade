// The headless worksheet: a worksheet model driven by the command line, the
// main window's part played by the calculator model, questions answered from
// the --arg texts, results printed.
#include "cli/cli_worksheet.h"

#include <charconv>
#include <deque>
#include <iostream>

#include "calculator/calculator.h"
#include "calculator/message_box.h"
#include "calculator/mode_switches.h"
#include "calculator/text_trim.h"
#include "matrix/worksheet.h"
#include "matrix/worksheet_convert.h"
#include "matrix/worksheet_fill_option.h"
#include "matrix/worksheet_output.h"

namespace tarvix {
namespace {

// Answers of the current step, taken in order.
class ArgQueue {
public:
    void Reset(const std::vector<std::string>& args) { args_.assign(args.begin(), args.end()); }
    bool Empty() const { return args_.empty(); }
    std::string Take() {
        if (args_.empty()) return {};
        std::string a = args_.front();
        args_.pop_front();
        return a;
    }

private:
    std::deque<std::string> args_;
};

class CliWorksheetDialogs : public DialogsPort {
public:
    explicit CliWorksheetDialogs(ArgQueue& args) : args_(args) {}
    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        std::cout.flush();
        std::cerr << request.Text << '\n';
        if (request.Kind == MessageKind::Error || request.Kind == MessageKind::Warning) failed_ = true;
        if (request.Buttons.Has(MessageButton::Yes)) return ModalResult::Yes;
        return request.Buttons.Has(MessageButton::Ok) ? ModalResult::Ok : ModalResult::Cancel;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view, std::string_view) override {
        return args_.Take();
    }
    bool Failed() const { return failed_; }
    void Reset() { failed_ = false; }

private:
    ArgQueue& args_;
    bool failed_ = false;
};

// The main window: the calculator's formatting and Ans; the display and the
// input line read from the step's answers; the scalar result kept for printing.
class CliMainPort : public WorksheetMainPort {
public:
    CliMainPort(Calculator& calculator, ArgQueue& args) : calculator_(calculator), args_(args) {}
    FormatOptions CurrentFormat() const override { return calculator_.CurrentFormatOptions(); }
    void ShowScalarResult(const ComplexValue& value, std::string_view) override {
        calculator_.Parser1().SetVariable("ANS", value);
        scalar_ = std::string(TrimBlanks(calculator_.FormatValue(value)));
    }
    // Without an answer the calculator's own display and input line serve.
    std::string DisplayText() const override {
        return args_.Empty() ? calculator_.DisplayText() : args_.Take();
    }
    std::string InputText() const override {
        return args_.Empty() ? calculator_.InputText() : args_.Take();
    }

    std::string XVariableName() const override { return calculator_.RegisterAt(BoxId::X).Label; }
    std::string YVariableName() const override { return calculator_.RegisterAt(BoxId::Y).Label; }
    void SelectNumberFormat(NumberFormat format) override {
        calculator_.ApplySwitchChanges(
            tarvix::SelectNumberFormat(calculator_.Switches(), format, SwitchSource::MenuItem));
    }
    void SelectComplexForm(ComplexForm form) override { calculator_.Display().Complex = form; }
    void ToggleRounding() override {
        calculator_.ApplySwitchChanges(tarvix::ToggleRounding(calculator_.Switches()));
    }
    void SelectComplexDomain() override {
        calculator_.ApplySwitchChanges(
            SelectDomain(calculator_.Switches(), nsComplex, SwitchSource::MenuItem));
    }

    std::string TakeScalar() { return std::exchange(scalar_, {}); }

private:
    Calculator& calculator_;
    ArgQueue& args_;
    std::string scalar_;
};

bool ParseCell(std::string_view text, int& row, int& column) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    auto read = [](std::string_view s, int& v) {
        s = TrimBlanks(s);
        auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        return !s.empty() && ec == std::errc() && end == s.data() + s.size();
    };
    return read(text.substr(0, comma), row) && read(text.substr(comma + 1), column);
}

void PrintGrid(const TextGrid& grid) {
    for (int i = 1; i <= grid.Rows(); ++i) std::cout << grid.RowText(i) << '\n';
}

// The fills and conversions before an operation, in the order given; the
// first failure ends the run with its message.
bool ApplyPrep(Worksheet& sheet, WorksheetDataState& state,
               const std::vector<WorksheetCliPrep>& prep) {
    for (const WorksheetCliPrep& item : prep) {
        std::string error;
        const bool done = item.Fill ? ApplyFill(sheet, state, item.Text, error)
                                    : ApplyConversion(sheet, *ConversionFromName(item.Text), error);
        if (!done) {
            std::cerr << FormatMessageText(error) << '\n';
            return false;
        }
    }
    return true;
}

bool HasResultGrid(MatrixOperationCode code) {
    return code == op::Inverse || code == op::NodeVoltages ||
           (IsRightOperandOp(code) && code != op::Rank);
}

// --rhs "v1;v2;…": one value per equation, in order, each non-empty. The
// values replace the right-hand-side column only when they fit it exactly;
// otherwise a message and false, and the grid is unchanged.
bool ReplaceRhs(Worksheet& sheet, MatrixOperationCode code, std::string_view operation,
                std::string_view values) {
    if (!NeedsEquationsMode(code)) {
        std::cerr << "--rhs gives the right-hand sides of solve, lu or nodal, not of " << operation
                  << '\n';
        return false;
    }
    // solve and nodal switch to the equations mode anyway; lu in the
    // operations mode refuses to run with its own message.
    if (code != op::LuResolve) sheet.SetMode(WorksheetMode::Equations);
    if (sheet.Mode() != WorksheetMode::Equations) return true;
    if (TrimBlanks(values).empty()) {
        std::cerr << "--rhs is empty (one value per equation, separated by \";\")\n";
        return false;
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t k = 0; k <= values.size(); ++k)
        if (k == values.size() || values[k] == ';') {
            parts.emplace_back(TrimBlanks(values.substr(start, k - start)));
            start = k + 1;
        }
    TextGrid& left = sheet.LeftGrid();
    if (static_cast<int>(parts.size()) != left.Rows()) {
        std::cerr << "--rhs has " << parts.size() << (parts.size() == 1 ? " value" : " values")
                  << ", the system has " << left.Rows()
                  << (left.Rows() == 1 ? " equation" : " equations")
                  << " (one value each, separated by \";\")\n";
        return false;
    }
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (parts[i].empty()) {
            std::cerr << "--rhs: value " << i + 1 << " is empty\n";
            return false;
        }
    for (int row = 1; row <= left.Rows(); ++row)
        left.SetCell(row, left.Cols(), std::move(parts[static_cast<std::size_t>(row - 1)]));
    return true;
}

}  // namespace

int RunWorksheetCli(const WorksheetCliRequest& request, Calculator& calculator) {
    if (request.Steps.empty()) {
        std::cerr << "--worksheet needs at least one --op\n";
        return 2;
    }
    if (!request.PendingPrep.empty()) {
        std::cerr << (request.PendingPrep.front().Fill ? "--fill" : "--cell-convert")
                  << " needs an --op after it (--op eval only evaluates the cells)\n";
        return 2;
    }
    if (request.HasPendingRhs) {
        std::cerr << "--rhs needs an --op after it (it replaces the right-hand sides of the next "
                     "operation)\n";
        return 2;
    }
    for (const WorksheetCliStep& step : request.Steps)
        for (const WorksheetCliPrep& prep : step.Prep)
            if (!prep.Fill && !ConversionFromName(prep.Text)) {
                std::cerr << "unknown cell conversion: " << prep.Text << '\n';
                return 2;
            }
    std::vector<MatrixOperationCode> codes;
    for (const WorksheetCliStep& step : request.Steps) {
        const std::optional<MatrixOperationCode> code = OperationFromName(step.Operation);
        if (!code) {
            std::cerr << "unknown worksheet operation: " << step.Operation << '\n';
            return 2;
        }
        codes.push_back(*code);
    }
    ArgQueue args;
    CliWorksheetDialogs dialogs(args);
    CliMainPort main(calculator, args);
    MatrixMemory memory;
    Worksheet sheet(calculator.Parser1(), memory, main, dialogs);
    WorksheetDataState dataState;  // one random engine for the run
    sheet.SetMode(NeedsEquationsMode(codes.front()) ? WorksheetMode::Equations
                                                    : WorksheetMode::Operations);
    if (!sheet.OpenFile(request.File)) return 1;
    if (!request.RightFile.empty() && !sheet.OpenRightFile(request.RightFile)) return 1;
    if (request.Order > 0) sheet.SetOrder(request.Order);

    int status = 0;
    for (std::size_t s = 0; s < request.Steps.size(); ++s) {
        const WorksheetCliStep& step = request.Steps[s];
        const MatrixOperationCode code = codes[s];
        dialogs.Reset();
        args.Reset(step.Args);
        if (step.HasRhs && !ReplaceRhs(sheet, code, step.Operation, step.Rhs)) return 1;
        if (!ApplyPrep(sheet, dataState, step.Prep)) return 1;
        if (code == op::Subdeterminant || code == op::Complement) {
            int row = 0, column = 0;
            if (!ParseCell(args.Take(), row, column)) {
                std::cerr << "--arg ROW,COLUMN needed for " << step.Operation << '\n';
                return 2;
            }
            sheet.SetCellCursor(row, column);
        }
        const RunOutcome outcome = sheet.SelectOperation(code);
        if (outcome != RunOutcome::Done) {
            status = 1;
            continue;
        }
        if (HasResultGrid(code)) PrintGrid(sheet.RightGrid());
        if (code == op::Solve || code == op::LuResolve || code == op::NodeVoltages) {
            for (std::size_t i = 0; i < sheet.SolutionRows().size(); ++i)
                std::cout << sheet.SolutionRows()[i] << '\t' << sheet.CheckRows()[i] << '\n';
        }
        const std::string scalar = main.TakeScalar();
        if (!scalar.empty()) std::cout << scalar << '\n';
        if (dialogs.Failed()) status = 1;
    }
    if (!request.ResultFile.empty()) {
        std::string error;
        if (!WriteResultFile(sheet, request.ResultFile, error)) {
            std::cerr << FormatMessageText(error) << '\n';
            status = 1;
        }
    }
    return status;
}

}  // namespace tarvix
