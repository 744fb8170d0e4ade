// The formula transfer, the mode line and the import of the main window's expression.
#include "tasks/formula_transfer.h"

#include <algorithm>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/input_commands.h"
#include "calculator/mode_switches.h"
#include "calculator/value_text.h"
#include "engine/name_utils.h"
#include "storage/profile_syntax.h"
#include "tasks/mode_statement.h"

namespace tarvix {
namespace {

std::string Trimmed(std::string_view text) {
    return std::string(TrimProfileBlanks(text));
}

// The names the boxes take when the explanation has no line for them.
constexpr std::string_view kUnusedBoxNames[kRegisterCount] = {"_X_", "_Y_", "_A_", "_B_",
                                                              "_C_", "_D_", "_E_", "_F_"};

// The text between the first and the last double quote of the input line.
std::string QuotedComment(std::string_view input) {
    const std::size_t open = input.find('"');
    const std::size_t close = input.rfind('"');
    if (open == std::string_view::npos || close == open) return {};
    return std::string(input.substr(open + 1, close - open - 1));
}

void SortVarInfos(VarInfoList& infos) {
    std::vector<std::string> lines = infos.Lines();
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return CompareNoCase(a, b) < 0;
    });
    infos.SetLines(std::move(lines));
}

}  // namespace

std::string ModeLine(const Calculator& calculator) {
    std::string line = "mode ";
    line += AngleUnitsCaption(calculator.AngleUnits());
    line += ",";
    line += BaseCaption(calculator.NumericalBase());
    line += ",";
    line += ScopeCaption(calculator.NumericalScope());
    if (calculator.Options().EnterInsertsData) line += ",data";
    if (calculator.NumericalScope() == nsComplex) {
        line += ",imag=";
        line += calculator.ImaginaryUnit();
    }
    return line;
}

std::optional<VariableLine> ParseVariableLine(std::string_view line) {
    const std::string_view text = TrimProfileBlanks(line);
    if (text.empty() || text.front() == '\'') return std::nullopt;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    VariableLine variable;
    variable.Name = Trimmed(text.substr(0, equals));
    if (!IsValidIdentifier(variable.Name)) return std::nullopt;

    const std::string_view rest = text.substr(equals + 1);
    if (const std::size_t open = rest.find('['); open != std::string_view::npos) {
        const std::size_t close = rest.find(']', open + 1);
        variable.Value = Trimmed(rest.substr(0, open));
        variable.Unit = Trimmed(rest.substr(open + 1, close == std::string_view::npos
                                                          ? std::string_view::npos
                                                          : close - open - 1));
        if (close != std::string_view::npos) variable.Description = Trimmed(rest.substr(close + 1));
    } else {
        const std::size_t tab = rest.find('\t');
        variable.Value = Trimmed(rest.substr(0, tab));
        if (tab != std::string_view::npos) variable.Description = Trimmed(rest.substr(tab + 1));
    }
    return variable;
}

bool CanTransferFormula(const LibraryRow& row, const LibraryMessageTable& texts) {
    const std::string_view expression = TrimProfileBlanks(row.Expression);
    return !IsTaskRow(row) && !expression.empty() &&
           expression != texts.Text(libmsg::NewExpression);
}

bool TransferFormula(Calculator& calculator, const LibraryRow& row,
                     const LibraryMessageTable& texts) {
    if (!CanTransferFormula(row, texts)) return false;

    CalculatorOptions options = calculator.Options();
    options.AutoRegister = true;
    calculator.SetOptions(options);
    calculator.Reset(false);
    calculator.SetInputText(row.Comment.empty() ? row.Expression
                                                : "\"" + row.Comment + "\" " + row.Expression);

    // The boxes get new names: the variables of their letters go.
    TParser& parser = calculator.Parser1();
    for (BoxId box : kRegisterLoadOrder) parser.DeleteVariable(calculator.RegisterAt(box).Label);

    std::size_t boxes = 0;
    std::string_view lines = row.Explanation;
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        const std::string_view line = lines.substr(0, end);
        lines = end == std::string_view::npos ? std::string_view{} : lines.substr(end + 1);
        if (IsModeStatement(line)) {
            ApplyModeStatement(calculator, ParseModeStatement(line));
            continue;
        }
        std::optional<VariableLine> variable = ParseVariableLine(line);
        if (!variable) continue;
        ComplexValue value{};
        try {
            value = ParseValueText(variable->Value, parser);
        } catch (const std::exception&) {
            // As when the registers are loaded: a value that does not convert
            // is 0; the calculation reports the box when it reads it.
        }
        try {
            parser.SetVariable(variable->Name, value);
        } catch (const std::exception&) {
            continue;  // a name the evaluator refuses (the imaginary unit)
        }
        calculator.VarInfos().Set(variable->Name,
                                  ComposeVarInfo(variable->Description, variable->Unit));
        if (boxes < kRegisterCount) {
            const BoxId box = kRegisterLoadOrder[boxes++];
            calculator.SetRegisterLabel(box, variable->Name);
            calculator.SetRegisterBox(box, variable->Value);
        }
    }
    for (; boxes < kRegisterCount; ++boxes) {
        const BoxId box = kRegisterLoadOrder[boxes];
        calculator.SetRegisterLabel(box, kUnusedBoxNames[boxes]);
        calculator.SetRegisterBox(box, "0");
        parser.SetVariable(kUnusedBoxNames[boxes], {});
    }

    SortVarInfos(calculator.VarInfos());
    calculator.Hooks().RefreshVarLabels();
    calculator.Hooks().RefreshVariableList();
    return true;
}

LibraryRow ImportedExpressionRow(const Calculator& calculator, const LibraryMessageTable& texts) {
    LibraryRow row;
    const std::string& input = calculator.InputText();
    row.Comment = QuotedComment(input);
    row.Expression = std::string(StripDescription(input));
    row.Explanation = ModeLine(calculator);
    for (BoxId box : kRegisterLoadOrder) {
        const Register& reg = calculator.RegisterAt(box);
        const std::optional<std::string> info = calculator.VarInfos().Value(reg.Label);
        const std::string unit = info ? VarInfoUnit(*info) : std::string();
        const std::string description = info ? VarInfoDescription(*info) : std::string();
        row.Explanation += "\n" + reg.Label + "=" + reg.Box + "\t[" + (unit.empty() ? "-" : unit) +
                           "]\t" +
                           (description.empty() ? texts.Text(libmsg::NoDescription) : description);
    }
    return row;
}

}  // namespace tarvix
