// Cell texts as numbers, with a fast path for plain numbers (imports and
// computations of a million rows stay quick).
#include "analysis/cell_reader.h"

#include <cmath>
#include <cstdint>
#include <exception>

#include "calculator/value_text.h"
#include "engine/number_literal.h"
#include "engine/parser_errors.h"

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
    // Up to 19 significant digits and a decimal exponent within ±27: the
    // digits are exact in 64 bits and so is the power of ten, so one
    // multiplication or division gives the correctly rounded value.
    {
        std::size_t i = 0;
        const std::size_t n = text.size();
        bool negative = false;
        if (buffer[i] == '+' || buffer[i] == '-') negative = buffer[i++] == '-';
        std::uint64_t digits = 0;
        int significant = 0;
        int scale = 0;
        bool any = false;
        bool exact = true;
        for (; i < n && buffer[i] >= '0' && buffer[i] <= '9'; ++i, any = true) {
            if (significant < 19) {
                digits = digits * 10 + static_cast<unsigned>(buffer[i] - '0');
                if (digits != 0) ++significant;
            } else {
                exact = false;
            }
        }
        if (i < n && buffer[i] == '.') {
            for (++i; i < n && buffer[i] >= '0' && buffer[i] <= '9'; ++i, any = true) {
                if (significant < 19) {
                    digits = digits * 10 + static_cast<unsigned>(buffer[i] - '0');
                    if (digits != 0) ++significant;
                    --scale;
                } else {
                    exact = false;
                }
            }
        }
        if (any && exact && i == n && scale >= -27) {
            static constexpr long double kPowers[] = {
                1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
                1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
                1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
            const long double value = static_cast<long double>(digits) / kPowers[-scale];
            return negative ? -value : value;
        }
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
    tooDeep_ = false;
    if (std::optional<long double> plain = ReadPlainNumber(text)) return ComplexValue{*plain, 0.0L};
    try {
        ComplexValue value = ParseValueText(text, parser_);
        if (!std::isfinite(value.Re) || !std::isfinite(value.Im)) return std::nullopt;
        return value;
    } catch (const ETooManyNestings&) {
        tooDeep_ = true;
        return std::nullopt;
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
