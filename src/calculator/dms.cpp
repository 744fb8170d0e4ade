// Degrees-minutes-seconds conversions.
#include "calculator/dms.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "calculator/text_trim.h"
#include "engine/float_guard.h"
#include "engine/number_literal.h"
#include "engine/parser_errors.h"

namespace tarvix {
namespace {

constexpr long double kMillisecondsPerDegree = 3600000.0L;
constexpr int kHelpContext = 13;

// One part: its own "-" when the angle is negative and the part is not zero,
// then the digits padded with zeros to `width`.
std::string Part(std::int64_t value, int width, bool negative) {
    char buffer[24];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string digits(buffer, r.ptr);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return (negative && value != 0 ? "-" : "") + digits;
}

[[noreturn]] void RaiseNotConvertible(std::string_view text, const CalculatorMessageTable& texts) {
    throw TarvixError(FormatMessageText(texts.Text(calcmsg::NonConvertibleString), {text}),
                      kHelpContext);
}

// A piece of the text as a decimal number; an empty optional piece is 0.
bool ReadPiece(std::string_view piece, bool required, long double& value) {
    value = 0.0L;
    if (piece.empty()) return !required;
    try {
        return ReadDecimal(piece, value);
    } catch (const TarvixError&) {
        return false;  // beyond the extended range
    }
}

}  // namespace

std::string DmsText(long double degrees, char decimalSeparator) {
    long double total = roundl(fabsl(degrees) * kMillisecondsPerDegree);
    // Rejects NaN, infinities and angles whose milliseconds exceed 64 bits.
    const std::int64_t ms = TruncToInt64(total);
    const bool negative = degrees < 0.0L;
    return Part(ms / 3600000, 1, negative) + ':' + Part(ms / 60000 % 60, 2, negative) + ':' +
           Part(ms / 1000 % 60, 2, negative) + decimalSeparator + Part(ms % 1000, 3, negative);
}

long double ParseDms(std::string_view text, const CalculatorMessageTable& texts) {
    std::string t(text);
    std::ranges::replace(t, ',', '.');
    std::string_view s = TrimBlanks(t);

    std::size_t colon = s.find(':');
    if (colon == std::string_view::npos) RaiseNotConvertible(text, texts);
    std::string_view degrees = s.substr(0, colon);
    std::string_view rest = s.substr(colon + 1);
    // Minutes carry no fraction of their own: a "." needs the seconds before it.
    if (rest.find(':') == std::string_view::npos && rest.find('.') != std::string_view::npos) {
        RaiseNotConvertible(text, texts);
    }
    std::size_t secondColon = rest.find(':');
    std::string_view minutes = rest.substr(0, secondColon);
    std::string_view tail =
        secondColon == std::string_view::npos ? std::string_view() : rest.substr(secondColon + 1);
    std::size_t dot = tail.find('.');
    std::string_view seconds = tail.substr(0, dot);
    std::string_view thousandths =
        dot == std::string_view::npos ? std::string_view() : tail.substr(dot + 1);

    long double d = 0, m = 0, sec = 0, z = 0;
    if (!ReadPiece(degrees, true, d) || !ReadPiece(minutes, false, m) ||
        !ReadPiece(seconds, false, sec) || !ReadPiece(thousandths, false, z)) {
        RaiseNotConvertible(text, texts);
    }
    return d + m / 60.0L + sec / 3600.0L + z / kMillisecondsPerDegree;
}

}  // namespace tarvix
