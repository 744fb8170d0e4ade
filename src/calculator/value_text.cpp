// Conversions between text lines and values.
#include "calculator/value_text.h"

#include "calculator/expression_probe.h"
#include "calculator/float_mask.h"
#include "calculator/text_trim.h"
#include "engine/input_text.h"
#include "engine/number_literal.h"

namespace tarvix {

ComplexValue ParseValueText(std::string_view text, TParser& parser) {
    std::string line = ConvertSeparators(text);
    if (line.find("..") != std::string::npos) return {};
    std::string_view value = TrimBlanks(std::string_view(line).substr(0, line.find(':')));
    if (value.empty()) return {};
    long double number = 0.0L;
    if (ReadDecimal(value, number)) return {number, 0.0L};
    ExpressionProbe probe(parser);
    probe.Compile(value);
    return probe.Evaluate();
}

std::string VectorElementText(const ComplexValue& value, const FormatOptions& options) {
    const FloatMask general{};
    std::string text = FormatFloat(value.Re, general, options.DecimalSeparator);
    if (options.Scope != nsComplex) return text;
    std::string im = FormatFloat(value.Im, general, options.DecimalSeparator);
    if (!im.starts_with('-')) text += '+';
    return text + im + options.ImaginaryUnit;
}

}  // namespace tarvix
