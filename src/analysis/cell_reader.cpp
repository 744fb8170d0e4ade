// Cell texts as numbers, with a fast path for plain numbers (imports and
// computations of a million rows stay quick).
#include "analysis/cell_reader.h"

#include <cmath>
#include <exception>

#include "calculator/value_text.h"
#include "engine/number_literal.h"

namespace tarvix {

std::optional<long double> ReadPlainNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    char buffer[64];
    if (text.empty() || text.size() >= sizeof buffer) return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == ',') c = '.';
        if (!((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
            return std::nullopt;
        buffer[i] = c;
    }
    long double value = 0.0L;
    try {
        if (!ReadDecimal(std::string_view(buffer, text.size()), value)) return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;  // beyond the extended range
    }
    return value;
}

std::optional<ComplexValue> ParserCellReader::ReadValue(std::string_view text) {
    if (std::optional<long double> plain = ReadPlainNumber(text)) return ComplexValue{*plain, 0.0L};
    try {
        ComplexValue value = ParseValueText(text, parser_);
        if (!std::isfinite(value.Re) || !std::isfinite(value.Im)) return std::nullopt;
        return value;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<long double> ParserCellReader::Read(std::string_view text) {
    std::optional<ComplexValue> value = ReadValue(text);
    if (!value) return std::nullopt;
    if (complex_) return std::hypot(value->Re, value->Im);
    return value->Re;
}

}  // namespace tarvix
