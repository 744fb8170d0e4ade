// Number masks: fixed, general and exponent notation from decimal digits.
#include "calculator/float_mask.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "calculator/decimal_digits.h"
#include "calculator/text_trim.h"
#include "engine/number_literal.h"
#include "engine/parser_errors.h"

namespace tarvix {
namespace {

constexpr int kDefaultFixedDecimals = 2;
// Below this magnitude the general mask switches to exponent notation.
constexpr int kSmallestFixedExponent = -5;
constexpr int kMinExponentDigits = 3;

std::string Sign(const DecimalDigits& d) {
    return d.Negative && !d.IsZero() ? "-" : "";
}

std::string IntegerText(long long value) {
    char buffer[24];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

// Digits laid out in fixed notation with exactly `decimals` places after the separator.
std::string FixedLayout(const DecimalDigits& d, int decimals, char separator) {
    std::string text = Sign(d);
    for (int power = std::max(d.Exponent, 0); power >= 0; --power) text += DigitAt(d, power);
    if (decimals > 0) {
        text += separator;
        for (int power = -1; power >= -decimals; --power) text += DigitAt(d, power);
    }
    return text;
}

// d.ddd followed by "E", the exponent's sign when `plusSign` or negative, and
// the exponent padded to `exponentDigits`.
std::string ExponentLayout(const DecimalDigits& d, char separator, bool plusSign,
                           int exponentDigits) {
    std::string text = Sign(d);
    text += d.Digits[0];
    if (d.Digits.size() > 1) {
        text += separator;
        text.append(d.Digits, 1);
    }
    text += 'E';
    if (d.Exponent < 0)
        text += '-';
    else if (plusSign)
        text += '+';
    std::string exponent = IntegerText(std::abs(d.Exponent));
    if (static_cast<int>(exponent.size()) < exponentDigits) {
        text.append(static_cast<std::size_t>(exponentDigits) - exponent.size(), '0');
    }
    return text + exponent;
}

int SignificantPrecision(int precision) {
    if (precision < 0 || precision > kMaxSignificantDigits) return kMaxSignificantDigits;
    return std::max(precision, 1);
}

std::string GeneralText(long double x, int precision, char separator) {
    int digits = SignificantPrecision(precision);
    DecimalDigits d = SignificantDigits(x);
    RoundDigits(d, digits);
    StripTrailingZeros(d);
    if (d.IsZero()) return "0";
    if (d.Exponent >= digits || d.Exponent < kSmallestFixedExponent) {
        return ExponentLayout(d, separator, false, 1);
    }
    int decimals = std::max(static_cast<int>(d.Digits.size()) - 1 - d.Exponent, 0);
    return FixedLayout(d, decimals, separator);
}

std::string FixedText(long double x, int precision, char separator) {
    int decimals = precision < 0 ? kDefaultFixedDecimals : precision;
    DecimalDigits d = SignificantDigits(x);
    if (d.Exponent >= kMaxSignificantDigits) return GeneralText(x, -1, separator);
    RoundDigits(d, d.Exponent + 1 + decimals);
    if (d.Exponent >= kMaxSignificantDigits) return GeneralText(x, -1, separator);
    return FixedLayout(d, decimals, separator);
}

std::string ExponentText(long double x, int precision, char separator) {
    int digits = SignificantPrecision(precision);
    DecimalDigits d = SignificantDigits(x);
    RoundDigits(d, digits);
    d.Digits.resize(static_cast<std::size_t>(digits), '0');
    return ExponentLayout(d, separator, true, kMinExponentDigits);
}

std::string NonFiniteText(long double x) {
    if (std::isnan(x)) return "NAN";
    return x < 0.0L ? "-INF" : "INF";
}

}  // namespace

std::string FormatFloat(long double x, const FloatMask& mask, char decimalSeparator) {
    if (!std::isfinite(x)) return NonFiniteText(x);
    switch (mask.Kind) {
        case MaskKind::Fixed:
            return FixedText(x, mask.Precision, decimalSeparator);
        case MaskKind::Exponent:
            return ExponentText(x, mask.Precision, decimalSeparator);
        case MaskKind::General:
            break;
    }
    return GeneralText(x, mask.Precision, decimalSeparator);
}

namespace {

struct MaskLetter {
    MaskKind Kind;
    char Letter;
};
constexpr MaskLetter kMaskLetters[] = {
    {MaskKind::General, 'g'},
    {MaskKind::Fixed, 'f'},
    {MaskKind::Exponent, 'e'},
};

}  // namespace

std::string FloatMaskText(const FloatMask& mask) {
    char letter = 'g';
    for (const auto& m : kMaskLetters) {
        if (m.Kind == mask.Kind) letter = m.Letter;
    }
    std::string text = "%";
    if (mask.Precision >= 0) text += "1." + IntegerText(mask.Precision);
    return text + letter;
}

std::optional<FloatMask> ParseFloatMask(std::string_view text) {
    if (text.size() < 2 || text.front() != '%') return std::nullopt;
    std::string_view body = text.substr(1, text.size() - 2);
    FloatMask mask;
    bool known = false;
    for (const auto& m : kMaskLetters) {
        if (m.Letter == text.back()) {
            mask.Kind = m.Kind;
            known = true;
        }
    }
    if (!known) return std::nullopt;
    if (body.empty()) return mask;
    // An optional width before the ".", which plays no part in these masks.
    std::size_t dot = body.find('.');
    if (dot == std::string_view::npos) return std::nullopt;
    for (char c : body.substr(0, dot)) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    std::string_view precision = body.substr(dot + 1);
    int value = 0;
    auto r = std::from_chars(precision.data(), precision.data() + precision.size(), value);
    if (precision.empty() || precision[0] < '0' || precision[0] > '9' || r.ec != std::errc{} ||
        r.ptr != precision.data() + precision.size()) {
        return std::nullopt;
    }
    mask.Precision = value;
    return mask;
}

std::optional<long double> ReadFloatText(std::string_view text, char decimalSeparator) {
    std::string plain(TrimBlanks(text));
    std::ranges::replace(plain, decimalSeparator, '.');
    long double value = 0.0L;
    try {
        if (!ReadDecimal(plain, value)) return std::nullopt;
    } catch (const TarvixError&) {
        return std::nullopt;  // beyond the extended range
    }
    return value;
}

}  // namespace tarvix
