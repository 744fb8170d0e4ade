// Evaluating the expression editor's lines.
#include "storage/expression_editor.h"

#include <algorithm>

#include "calculator/calculator.h"
#include "calculator/expression_probe.h"
#include "calculator/text_trim.h"
#include "calculator/word_operators.h"
#include "engine/input_text.h"
#include "engine/name_utils.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"
#include "storage/text_codec.h"

namespace tarvix {
namespace {

constexpr int kSyntaxHelpContext = 11;

// Tabs count as blanks, as in the input line.
std::string WithBlanks(std::string_view line) {
    std::string text(line);
    std::ranges::replace(text, '\t', ' ');
    return text;
}

std::string TrimmedRight(std::string_view line) {
    const std::string text = WithBlanks(line);
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

// A value as the display writes it: a number with its sign, decimal
// separator, exponent, imaginary unit, engineering postfix or hexadecimal
// digits and suffix. An expression (a name, brackets, operators) is not one.
constexpr std::string_view kNumberStart = "0123456789+-.,";
constexpr std::string_view kNumberCharacters = "0123456789+-., EeijfpnumkMGTPABCDFh";

bool IsResultLine(std::string_view line) {
    const std::string text = WithBlanks(line);
    const std::string_view value = TrimBlanks(text);
    if (value.empty() || kNumberStart.find(value.front()) == std::string_view::npos) return false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        const bool hexPrefix = c == 'x' && i == 1 && value[0] == '0';
        if (!hexPrefix && kNumberCharacters.find(c) == std::string_view::npos) return false;
    }
    return true;
}

}  // namespace

std::optional<EditorLineParts> ParseEditorLine(std::string_view line) {
    const std::string text = WithBlanks(line);
    std::string_view rest = TrimBlanks(text);
    rest = TrimBlanks(rest.substr(0, rest.find('\'')));
    if (rest.ends_with('=')) rest.remove_suffix(1);
    const std::string compact = RemoveBlanksKeepingWordOperators(ConvertSeparators(rest));
    if (compact.empty()) return std::nullopt;
    const std::size_t equals = compact.find('=');
    if (equals == std::string::npos) return EditorLineParts{{}, compact};
    return EditorLineParts{compact.substr(0, equals), compact.substr(equals + 1)};
}

ExpressionEditor::ExpressionEditor(Calculator& calculator) : calculator_(calculator) {}

std::string ExpressionEditor::Text() const {
    std::string text;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines_[i];
    }
    return text;
}

void ExpressionEditor::SetText(std::string_view text) {
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(text)) lines.emplace_back(line);
    // A final line end leaves an empty last line in an editor.
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) lines.emplace_back();
    if (lines == lines_) return;
    lines_ = std::move(lines);
    modified_ = true;
}

std::string ExpressionEditor::Evaluate(const EditorLineParts& parts) {
    if (!parts.Name.empty() && !IsValidIdentifier(parts.Name)) {
        Raise<ESyntaxError>(msg::InvalidVarName, {parts.Name}, kSyntaxHelpContext);
    }
    if (parts.Expression.empty()) Raise<ESyntaxError>(msg::Parse, {}, kSyntaxHelpContext);
    ComplexValue value;
    {
        // The input line's compiled expression stays as it was; an unknown
        // name is an error, never a new variable.
        ExpressionProbe probe(calculator_.Parser1());
        probe.Compile(parts.Expression);
        value = probe.Evaluate();
    }
    if (!parts.Name.empty()) calculator_.Parser1().SetVariable(parts.Name, value);
    calculator_.ShowEvaluatedValue(value);
    const std::string shown(TrimBlanks(calculator_.DisplayText()));
    if (!parts.Name.empty()) {
        if (std::optional<BoxId> box = calculator_.Registers().FindLabel(parts.Name)) {
            calculator_.SetRegisterBox(*box, shown);
        }
    }
    calculator_.Hooks().RefreshVariableList();
    return shown;
}

EditorResult ExpressionEditor::EnterLine(std::size_t line) {
    EditorResult result;
    result.Line = line;
    if (line >= lines_.size()) return result;
    const std::optional<EditorLineParts> parts = ParseEditorLine(lines_[line]);
    if (!parts) return result;
    std::string shown;
    try {
        shown = Evaluate(*parts);
    } catch (const std::exception& error) {
        result.Outcome = EditorOutcome::Failed;
        result.Error = error.what();
        return result;
    }
    const std::string evaluated = TrimmedRight(lines_[line]);
    const bool endsWithEquals = evaluated.ends_with('=');
    result.Status = evaluated + (endsWithEquals ? " " : " = ") + shown;
    lines_[line] = endsWithEquals ? evaluated : evaluated + " =";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(line) + 1, shown);
    modified_ = true;
    result.Outcome = EditorOutcome::Evaluated;
    result.ResultLine = line + 1;
    return result;
}

EditorResult ExpressionEditor::RecalculateAll() {
    EditorResult result;
    std::vector<std::string> lines = lines_;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!TrimmedRight(lines[i]).ends_with('=')) continue;
        const std::optional<EditorLineParts> parts = ParseEditorLine(lines[i]);
        if (!parts) continue;
        result.Line = i;
        std::string shown;
        try {
            shown = Evaluate(*parts);
        } catch (const std::exception& error) {
            result.Outcome = EditorOutcome::Failed;
            result.Error = error.what();
            return result;
        }
        result.Status = TrimmedRight(lines[i]) + " " + shown;
        const auto below = lines.begin() + static_cast<std::ptrdiff_t>(i) + 1;
        if (i + 1 < lines.size() && IsResultLine(lines[i + 1])) {
            lines[i + 1] = shown;
        } else {
            lines.insert(below, shown);
        }
        result.Outcome = EditorOutcome::Evaluated;
        result.ResultLine = ++i;
    }
    if (lines != lines_) {
        lines_ = std::move(lines);
        modified_ = true;
    }
    return result;
}

}  // namespace tarvix
