// The cell value rules: how a worksheet cell's text becomes a number. In the
// complex domain (or with function values generated) and always for the
// right-hand side of the equations mode, the trimmed text ("0" when empty,
// "," read as ".", ";" as ",") is evaluated as an expression, leaving no
// trace on the evaluator; otherwise an empty cell is 0 and any other text must
// be a plain number (decimal point or comma), never an expression.
#pragma once

#include <string_view>

#include "engine/complex_value.h"
#include "engine/parser.h"
#include "matrix/matrix_messages.h"

namespace tarvix {

// Raises the evaluator's error, or for a text that is no number in the plain
// rule the cell message naming the 1-based cell; the error carries the cell.
ComplexValue ReadCellValue(std::string_view text, bool evaluate, TParser& parser, int row,
                           int column, const MatrixMessageTable& texts);

}  // namespace tarvix
