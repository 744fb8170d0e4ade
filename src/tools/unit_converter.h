// Conversion of a value between two units of one quantity. Factors divide and
// multiply; formulas in X run on the converter's own evaluator, so the
// calculator's X register is never touched.
#pragma once

#include <cstddef>
#include <string_view>

#include "engine/parser.h"
#include "tools/unit_table.h"

namespace tarvix {

class UnitConverter {
public:
    explicit UnitConverter(const UnitTable& table = UnitTable::BuiltIn());

    const UnitTable& Table() const { return table_; }
    // The value of unit `from` in unit `to` of the category. Raises ToolError
    // for a definition without X or a formula without its inverse, the
    // evaluator's errors of a formula, and the engine's overflow error when
    // the value leaves the range of numbers.
    long double Convert(std::size_t category, std::size_t from, std::size_t to, long double value);
    // The value in the category's base unit, and back.
    long double ToBase(const UnitDefinition& unit, long double value);
    long double FromBase(const UnitDefinition& unit, long double base);

private:
    long double Apply(std::string_view definition, long double value, bool inverse);

    const UnitTable& table_;
    TParser parser_;
};

}  // namespace tarvix
