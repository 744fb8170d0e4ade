// Cell text to value.
#include "matrix/cell_values.h"

#include <algorithm>

#include "calculator/expression_probe.h"
#include "calculator/text_trim.h"
#include "engine/input_text.h"
#include "engine/number_literal.h"

namespace tarvix {

ComplexValue ReadCellValue(std::string_view text, bool evaluate, TParser& parser, int row,
                           int column, const MatrixMessageTable& texts) {
    std::string trimmed(TrimBlanks(text));
    std::erase(trimmed, '\t');
    if (!evaluate) {
        if (trimmed.empty()) return {};
        std::string number = trimmed;
        std::replace(number.begin(), number.end(), ',', '.');
        long double value = 0.0L;
        if (ReadDecimal(number, value)) return {value, 0.0L};
        throw EMatrixError(texts.Format(mxmsg::CellNotNumber,
                                        {std::to_string(row), std::to_string(column), trimmed}),
                           row, column);
    }
    if (trimmed.empty()) trimmed = "0";
    try {
        ExpressionProbe probe(parser);
        probe.Compile(ConvertSeparators(trimmed));
        return probe.Evaluate();
    } catch (const TarvixError& error) {
        throw EMatrixError(error.what(), row, column);
    }
}

}  // namespace tarvix
