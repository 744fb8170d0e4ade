// The expression library and the main window's calculator: the formula
// transfer "Použít výraz" (expression into the input line, the explanation's
// variables into the register boxes and the evaluator), the mode line of new
// rows, and "Import výrazu" (the input line and the registers as a new row).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tasks/library_messages.h"
#include "tasks/library_tree.h"

namespace tarvix {

class Calculator;

// "mode " and the captions of the angle unit, the base and the domain
// separated by ","; then ",data" when "Enter vkládá data" is on, and in the
// complex domain ",imag=" and the imaginary unit: "mode rad,dec,real".
std::string ModeLine(const Calculator& calculator);

// An explanation line that defines a variable: name=value, a TAB, the unit
// in square brackets, a TAB, the description ("r=2\t[m]\tpoloměr"). The unit
// and the description may be missing.
struct VariableLine {
    std::string Name;
    std::string Value;
    std::string Unit;         // without its brackets
    std::string Description;
};

// The line read apart; nothing for an empty line, a comment (first
// character "'"), a line without "=", or a name that is not an identifier.
// (Mode lines are told apart before: IsModeStatement.)
std::optional<VariableLine> ParseVariableLine(std::string_view line);

// "Použít výraz" is enabled: the row is no task and its expression is
// neither empty nor the expression of a new row.
bool CanTransferFormula(const LibraryRow& row, const LibraryMessageTable& texts);

// "Použít výraz" on a row (false, nothing done, when it cannot be used):
// automatic registration on and the calculator reset without a question;
// the input line gets the quoted comment and the expression; the
// explanation's lines run in order: a mode line sets the modes, a variable
// line records the variable's label (description [unit]) and defines the
// variable: the first eight ones name the boxes X, Y, A … F and give them
// their value texts, the rest live only in the evaluator. Boxes left over
// are named "_X_" … "_F_" and hold "0". The labels end up sorted.
bool TransferFormula(Calculator& calculator, const LibraryRow& row,
                     const LibraryMessageTable& texts);

// "Import výrazu": the input line's expression and quoted comment, and an
// explanation of the mode line and one line per register box in the order
// X, Y, A … F: name=box text, TAB, [unit] (or "[-]"), TAB, description (or
// the placeholder text "text..").
LibraryRow ImportedExpressionRow(const Calculator& calculator, const LibraryMessageTable& texts);

}  // namespace tarvix
