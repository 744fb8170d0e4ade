// Unit conversion through the base unit of a quantity.
#include "tools/unit_converter.h"

#include <cmath>
#include <string>

#include "engine/engine_modes.h"
#include "engine/number_literal.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"
#include "tools/tool_messages.h"

namespace tarvix {
namespace {

// Blanks (a no-break space too) removed, decimal commas made points.
std::string CleanDefinition(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') continue;
        if (c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
            ++i;
            continue;
        }
        out += c == ',' ? '.' : c;
    }
    return out;
}

bool HasX(std::string_view text) {
    return text.find_first_of("Xx") != std::string_view::npos;
}

}  // namespace

UnitConverter::UnitConverter(const UnitTable& table) : table_(table) {
    parser_.SetAutoRegisterVar(false);
    parser_.SetVariable("X", {});
}

long double UnitConverter::Convert(std::size_t category, std::size_t from, std::size_t to,
                                   long double value) {
    const UnitCategory& units = table_.Category(category);
    const long double base = ToBase(units.Units.at(from), value);
    const long double result = FromBase(units.Units.at(to), base);
    // A factor can take a finite value past the top of the range.
    if (!std::isfinite(base) || !std::isfinite(result))
        Raise<EArithmeticError>(msg::FloatOverflow);
    return result;
}

long double UnitConverter::ToBase(const UnitDefinition& unit, long double value) {
    const std::string_view definition = unit.Definition;
    return Apply(definition.substr(0, definition.find('@')), value, false);
}

long double UnitConverter::FromBase(const UnitDefinition& unit, long double base) {
    const std::string_view definition = unit.Definition;
    const std::size_t at = definition.find('@');
    if (at == std::string_view::npos && HasX(definition))
        throw ToolError(toolmsg::NoInverseFormula);
    return Apply(at == std::string_view::npos ? definition : definition.substr(at + 1), base, true);
}

long double UnitConverter::Apply(std::string_view definition, long double value, bool inverse) {
    const std::string text = CleanDefinition(definition);
    long double factor = 0.0L;
    if (ReadDecimal(text, factor)) return inverse ? value / factor : value * factor;
    if (!HasX(text)) throw ToolError(toolmsg::NoVariableX);
    // The engine's last value belongs to the calculator: put it back.
    const ComplexValue lastValue = EngineModes.LastValue;
    struct Restore {
        ComplexValue value;
        ~Restore() { EngineModes.LastValue = value; }
    } restore{lastValue};
    parser_.SetVariable("X", {value, 0.0L});
    parser_.SetExpression(text);
    return parser_.Evaluate().Re;
}

}  // namespace tarvix
