// Locale-independent reading and writing of the typed profile values.
#include "storage/profile_values.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "storage/profile_syntax.h"

namespace tarvix {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Strips a leading sign; returns true when it was "-".
bool TakeSign(std::string_view& text) {
    if (text.empty() || (text.front() != '+' && text.front() != '-')) return false;
    bool negative = text.front() == '-';
    text.remove_prefix(1);
    return negative;
}

// Checks the strict decimal syntax that from_chars alone would not enforce
// (it also reads "inf", "nan" and hexadecimal forms).
bool IsDecimalSyntax(std::string_view text) {
    std::size_t i = 0;
    std::size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == text.size();
}

}  // namespace

std::optional<std::int64_t> ParseProfileInteger(std::string_view text) {
    text = TrimProfileBlanks(text);
    bool negative = TakeSign(text);
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    // from_chars would accept a second sign; the magnitude must be bare digits.
    if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
    std::uint64_t magnitude = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (negative) {
        if (magnitude > kMax + 1) return std::nullopt;
        return magnitude == kMax + 1 ? std::numeric_limits<std::int64_t>::min()
                                     : -static_cast<std::int64_t>(magnitude);
    }
    if (magnitude > kMax) return std::nullopt;
    return static_cast<std::int64_t>(magnitude);
}

std::optional<bool> ParseProfileBool(std::string_view text) {
    std::optional<std::int64_t> value = ParseProfileInteger(text);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::optional<long double> ParseProfileFloat(std::string_view text) {
    text = TrimProfileBlanks(text);
    std::string number(text);
    if (number.find('.') == std::string::npos) {
        if (std::size_t comma = number.find(','); comma != std::string::npos) number[comma] = '.';
    }
    std::string_view body = number;
    bool negative = TakeSign(body);
    if (!IsDecimalSyntax(body)) return std::nullopt;
    long double value = 0.0L;
    auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (error != std::errc{} || end != body.data() + body.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string ProfileIntegerText(std::int64_t value) {
    return std::to_string(value);
}

std::string ProfileBoolText(bool value) {
    return value ? "1" : "0";
}

std::optional<std::string> ProfileFloatText(long double value) {
    if (!std::isfinite(value)) return std::nullopt;
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc{}) return std::nullopt;
    return std::string(buffer, end);
}

}  // namespace tarvix
