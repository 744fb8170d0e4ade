// Producing and rounding the decimal digits of a real number.
#include "calculator/decimal_digits.h"

#include <charconv>

namespace tarvix {
namespace {

DecimalDigits Zero() {
    return DecimalDigits{};
}

}  // namespace

DecimalDigits SignificantDigits(long double x) {
    if (x == 0.0L) return Zero();
    // Scientific text "[-]d.dddddddddddddde±x" with 15 significant digits.
    char buffer[64];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific,
                           kMaxSignificantDigits - 1);
    std::string_view text(buffer, static_cast<std::size_t>(r.ptr - buffer));
    DecimalDigits d;
    d.Digits.clear();
    std::size_t i = 0;
    if (text[i] == '-') {
        d.Negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] != '.') d.Digits += text[i];
    }
    ++i;  // 'e'
    bool negativeExponent = text[i] == '-';
    ++i;  // sign
    int exponent = 0;
    std::from_chars(text.data() + i, text.data() + text.size(), exponent);
    d.Exponent = negativeExponent ? -exponent : exponent;
    return d;
}

void RoundDigits(DecimalDigits& d, int count) {
    if (count >= static_cast<int>(d.Digits.size())) return;
    if (count < 0 || (count == 0 && d.Digits[0] < '5')) {
        d = Zero();
        return;
    }
    bool up = d.Digits[static_cast<std::size_t>(count)] >= '5';
    d.Digits.resize(static_cast<std::size_t>(count));
    if (!up) return;
    int i = count - 1;
    while (i >= 0 && d.Digits[static_cast<std::size_t>(i)] == '9') {
        d.Digits[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++d.Digits[static_cast<std::size_t>(i)];
    } else {
        // All nines (or nothing kept): the carry becomes a new leading 1.
        d.Digits.insert(d.Digits.begin(), '1');
        if (count > 0) d.Digits.pop_back();
        ++d.Exponent;
    }
}

void StripTrailingZeros(DecimalDigits& d) {
    while (d.Digits.size() > 1 && d.Digits.back() == '0') d.Digits.pop_back();
}

char DigitAt(const DecimalDigits& d, int power) {
    int index = d.Exponent - power;
    if (index < 0 || index >= static_cast<int>(d.Digits.size())) return '0';
    return d.Digits[static_cast<std::size_t>(index)];
}

}  // namespace tarvix
