// ExpressionEditor: the expression editor's worksheet without a window. It
// holds the text as lines and the modified flag, and evaluates a line on
// Enter with the main evaluator: the result goes to the main display and Ans,
// an assignment sets its variable (and the register box whose label it is),
// and the display text is written on a new line below the evaluated one.
// "Přepočítat vše" evaluates every evaluated line again from the top and
// replaces the result lines below them.
//
// A line goes through the input line's text rules: a decimal comma is
// accepted and ";" separates arguments (ConvertSeparators), and blanks are
// removed the way the calculation command removes them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

class Calculator;

// What a line asks to evaluate: the variable to assign (empty for none) and
// the expression, both as the compiler reads them.
struct EditorLineParts {
    std::string Name;
    std::string Expression;
};

// The rules of an editor line: trimmed; everything from the first apostrophe
// on is a comment; one trailing "=" is dropped; separators converted and
// blanks removed; a "=" splits the name from the expression. Nothing when no
// expression is left (an empty or comment-only line).
std::optional<EditorLineParts> ParseEditorLine(std::string_view line);

enum class EditorOutcome {
    Nothing,    // nothing to evaluate on the line
    Evaluated,  // the text changed
    Failed,     // an evaluation error; the text is unchanged
};

struct EditorResult {
    EditorOutcome Outcome = EditorOutcome::Nothing;
    std::string Status;          // the status bar's text after an evaluation
    std::string Error;           // the evaluator's message when it failed
    std::size_t Line = 0;        // the line evaluated (or that failed), from 0
    std::size_t ResultLine = 0;  // the line holding the result
};

class ExpressionEditor {
public:
    explicit ExpressionEditor(Calculator& calculator);

    const std::vector<std::string>& Lines() const { return lines_; }
    // The text with "\n" between the lines.
    std::string Text() const;
    // Replaces the text (CR LF, LF and CR end lines); sets the modified flag
    // when the text differs.
    void SetText(std::string_view text);
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Enter on a line (from 0). A line past the end evaluates nothing.
    EditorResult EnterLine(std::size_t line);
    // "Přepočítat vše": every line that ends with "=" and holds an expression
    // is evaluated again, from the top; the line below it is replaced by the
    // result when it reads as a value the display writes (a number, not an
    // expression), else the result is inserted. The first error stops it and leaves the text as it
    // was (variables assigned by the lines before it keep their values).
    EditorResult RecalculateAll();

private:
    // Evaluates the parts and shows the result; the displayed text, trimmed.
    std::string Evaluate(const EditorLineParts& parts);

    Calculator& calculator_;
    std::vector<std::string> lines_;
    bool modified_ = false;
};

}  // namespace tarvix
