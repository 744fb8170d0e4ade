// Formatting the values of PRINT and MSG by a user's format.
#include "tasks/print_format.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "calculator/float_mask.h"
#include "calculator/value_text.h"

namespace tarvix {
namespace {

// Widths and precisions beyond this are refused (they would only make
// enormous lines).
constexpr int kMaxWidth = 200;

struct Conversion {
    bool LeftAlign = false;
    bool PlusSign = false;
    bool BlankSign = false;
    bool ZeroPad = false;
    bool Alternate = false;
    int Width = 0;
    int Precision = -1;
    char Letter = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads digits at `pos`; false past kMaxWidth.
bool ReadNumber(std::string_view format, std::size_t& pos, int& value) {
    value = 0;
    while (pos < format.size() && IsDigit(format[pos])) {
        value = value * 10 + (format[pos++] - '0');
        if (value > kMaxWidth) return false;
    }
    return true;
}

// Reads the conversion after a "%" at `pos` (which points past the "%").
std::optional<Conversion> ReadConversion(std::string_view format, std::size_t& pos) {
    Conversion c;
    for (; pos < format.size(); ++pos) {
        const char f = format[pos];
        if (f == '-') {
            c.LeftAlign = true;
        } else if (f == '+') {
            c.PlusSign = true;
        } else if (f == ' ') {
            c.BlankSign = true;
        } else if (f == '0') {
            c.ZeroPad = true;
        } else if (f == '#') {
            c.Alternate = true;
        } else {
            break;
        }
    }
    if (!ReadNumber(format, pos, c.Width)) return std::nullopt;
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        if (!ReadNumber(format, pos, c.Precision)) return std::nullopt;
    }
    if (pos >= format.size()) return std::nullopt;
    static constexpr std::string_view kLetters = "gGfFeEdiuxXos";
    c.Letter = format[pos++];
    if (kLetters.find(c.Letter) == std::string_view::npos) return std::nullopt;
    return c;
}

// Walks the format: literal text goes to `literal`, each conversion to
// `convert`. False when a conversion is invalid.
template <class Literal, class Convert>
bool WalkFormat(std::string_view format, Literal literal, Convert convert) {
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t percent = format.find('%', pos);
        if (percent == std::string_view::npos) {
            literal(format.substr(pos));
            break;
        }
        literal(format.substr(pos, percent - pos));
        pos = percent + 1;
        if (pos < format.size() && format[pos] == '%') {
            literal("%");
            ++pos;
            continue;
        }
        if (pos < format.size() && format[pos] == '\\') {
            literal("%");  // the line break marker "%\ " stays for the message box
            continue;
        }
        std::optional<Conversion> c = ReadConversion(format, pos);
        if (!c) return false;
        if (!convert(*c)) return false;
    }
    return true;
}

std::string SignPrefix(bool negative, const Conversion& c) {
    if (negative) return "-";
    if (c.PlusSign) return "+";
    if (c.BlankSign) return " ";
    return "";
}

// Sign (or prefix) and digits padded to the width.
std::string Pad(std::string prefix, std::string body, const Conversion& c, bool zeroAllowed) {
    const std::size_t length = prefix.size() + body.size();
    const std::size_t width = static_cast<std::size_t>(c.Width);
    if (length >= width) return prefix + body;
    const std::size_t fill = width - length;
    if (c.LeftAlign) return prefix + body + std::string(fill, ' ');
    if (c.ZeroPad && zeroAllowed) return prefix + std::string(fill, '0') + body;
    return std::string(fill, ' ') + prefix + body;
}

std::string FloatText(long double x, const Conversion& c, char separator) {
    FloatMask mask;
    switch (c.Letter) {
        case 'f':
        case 'F':
            mask.Kind = MaskKind::Fixed;
            break;
        case 'e':
        case 'E':
            mask.Kind = MaskKind::Exponent;
            break;
        default:
            mask.Kind = MaskKind::General;
            break;
    }
    mask.Precision = c.Precision;
    std::string text = FormatFloat(x, mask, separator);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.erase(0, 1);
    return Pad(SignPrefix(negative, c), text, c, std::isfinite(x));
}

std::string DigitsOf(std::uint64_t value, int base, bool upper) {
    char buffer[72];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, value, base);
    std::string digits(buffer, r.ptr);
    if (upper) {
        for (char& ch : digits) {
            if (ch >= 'a' && ch <= 'f') ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    return digits;
}

// A whole-number conversion; nothing when the value does not fit.
std::optional<std::string> IntegerText(long double x, const Conversion& c) {
    if (!std::isfinite(x)) return std::nullopt;
    const long double rounded = std::round(x);
    constexpr long double kTwo63 = 9223372036854775808.0L;
    constexpr long double kTwo64 = 18446744073709551616.0L;
    const bool isSigned = c.Letter == 'd' || c.Letter == 'i';
    if (rounded < -kTwo63 || rounded >= (isSigned ? kTwo63 : kTwo64)) return std::nullopt;

    std::string prefix;
    std::uint64_t magnitude = 0;
    if (isSigned) {
        const bool negative = rounded < 0.0L;
        magnitude = static_cast<std::uint64_t>(negative ? -rounded : rounded);
        prefix = SignPrefix(negative, c);
    } else if (rounded < 0.0L) {
        // Two's complement of the 64-bit pattern.
        magnitude = ~static_cast<std::uint64_t>(-rounded) + 1u;
    } else {
        magnitude = static_cast<std::uint64_t>(rounded);
    }
    int base = 10;
    if (c.Letter == 'x' || c.Letter == 'X') base = 16;
    if (c.Letter == 'o') base = 8;
    std::string digits = DigitsOf(magnitude, base, c.Letter == 'X');
    if (c.Precision >= 0 && static_cast<int>(digits.size()) < c.Precision) {
        digits.insert(0, static_cast<std::size_t>(c.Precision) - digits.size(), '0');
    }
    if (c.Alternate && magnitude != 0) {
        if (base == 16) prefix += c.Letter == 'X' ? "0X" : "0x";
        if (base == 8 && digits.front() != '0') prefix += "0";
    }
    return Pad(prefix, digits, c, c.Precision < 0);
}

}  // namespace

PrintFormatResult FormatPrintText(std::string_view format, std::span<const ComplexValue> values,
                                  const FormatOptions& options) {
    PrintFormatResult result;
    if (values.empty()) {
        result.Text = format;
        return result;
    }
    std::size_t conversions = 0;
    const bool valid = WalkFormat(
        format, [](std::string_view) {},
        [&](const Conversion&) {
            ++conversions;
            return true;
        });
    if (!valid) {
        result.Fault = PrintFormatFault::Invalid;
        return result;
    }
    if (conversions != values.size()) {
        result.Fault = PrintFormatFault::CountMismatch;
        return result;
    }

    std::size_t next = 0;
    WalkFormat(
        format, [&](std::string_view text) { result.Text += text; },
        [&](const Conversion& c) {
            const ComplexValue& value = values[next++];
            switch (c.Letter) {
                case 's': {
                    std::string text = VectorElementText(value, options);
                    if (c.Precision >= 0 && text.size() > static_cast<std::size_t>(c.Precision)) {
                        text.resize(static_cast<std::size_t>(c.Precision));
                    }
                    result.Text += Pad("", text, c, false);
                    return true;
                }
                case 'd':
                case 'i':
                case 'u':
                case 'x':
                case 'X':
                case 'o': {
                    std::optional<std::string> text = IntegerText(value.Re, c);
                    if (!text) {
                        result.Fault = PrintFormatFault::IntegerRange;
                        result.FaultValue = FormatFloat(value.Re, FloatMask{}, '.');
                        return false;
                    }
                    result.Text += *text;
                    return true;
                }
                default:
                    result.Text += FloatText(value.Re, c, options.DecimalSeparator);
                    return true;
            }
        });
    if (result.Fault != PrintFormatFault::None) result.Text.clear();
    return result;
}

}  // namespace tarvix
