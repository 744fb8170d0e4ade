// Formatting by a series-file number mask. The digits come from std::to_chars
// (correctly rounded); a double is used when it holds the requested digits
// exactly enough (at most 15 significant digits inside the double range),
// the 80-bit value otherwise.
#include "series/file_number_mask.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tarvix {
namespace {

bool IsPlaceholder(char c) {
    return c == '0' || c == '#';
}

// Digits of |x| in scientific form with `precision` digits after the first:
// the digit string (no point) and the decimal exponent of the first digit.
void ScientificDigits(long double x, int precision, std::string& digits, int& exponent) {
    char buffer[128];
    std::to_chars_result r;
    const long double ax = std::fabs(x);
    if (precision <= 14 && (ax == 0.0L || (ax >= DBL_MIN && ax <= DBL_MAX))) {
        r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(ax),
                          std::chars_format::scientific, precision);
    } else {
        r = std::to_chars(buffer, buffer + sizeof buffer, ax, std::chars_format::scientific,
                          precision);
    }
    const char* p = buffer;
    digits.clear();
    for (; p < r.ptr && *p != 'e'; ++p) {
        if (*p != '.') digits.push_back(*p);
    }
    exponent = 0;
    if (p < r.ptr) std::from_chars(p + (p[1] == '+' ? 2 : 1), r.ptr, exponent);
}

// Digits of |x| in fixed form with `decimals` digits after the point.
std::string FixedDigits(long double x, int decimals) {
    char buffer[5100];
    const long double ax = std::fabs(x);
    std::to_chars_result r;
    // The double carries 15 significant digits: enough while the integer and
    // the decimal digits together stay within them.
    if (decimals <= 15 && ax < std::pow(10.0L, 15 - decimals) && (ax == 0.0L || ax >= DBL_MIN)) {
        r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(ax),
                          std::chars_format::fixed, decimals);
    } else {
        r = std::to_chars(buffer, buffer + sizeof buffer, ax, std::chars_format::fixed, decimals);
    }
    return std::string(buffer, r.ptr);
}

}  // namespace

std::optional<FileNumberMask> FileNumberMask::Parse(std::string_view mask) {
    FileNumberMask m;
    std::size_t i = 0;
    while (i < mask.size() && !IsPlaceholder(mask[i]) && mask[i] != '.') m.prefix_ += mask[i++];
    for (; i < mask.size() && (IsPlaceholder(mask[i]) || mask[i] == ','); ++i) {
        if (mask[i] == ',') continue;  // thousands separators are not written
        ++m.intDigits_;
        if (mask[i] == '0') ++m.intZeros_;
    }
    if (i < mask.size() && mask[i] == '.') {
        ++i;
        for (; i < mask.size() && IsPlaceholder(mask[i]); ++i) {
            if (mask[i] == '0') {
                if (m.fracZeros_ != m.fracDigits_) return std::nullopt;  // "0" after "#"
                ++m.fracZeros_;
            }
            ++m.fracDigits_;
        }
    }
    if (m.intDigits_ + m.fracDigits_ == 0) return std::nullopt;
    if (i + 1 < mask.size() && (mask[i] == 'E' || mask[i] == 'e') &&
        (mask[i + 1] == '+' || mask[i + 1] == '-')) {
        m.exponent_ = true;
        m.expLetter_ = mask[i];
        m.expPlus_ = mask[i + 1] == '+';
        i += 2;
        for (; i < mask.size() && mask[i] == '0'; ++i) ++m.expDigits_;
        if (m.expDigits_ == 0 || m.expDigits_ > 4) return std::nullopt;
    }
    for (; i < mask.size(); ++i) {
        if (IsPlaceholder(mask[i]) || mask[i] == '.') return std::nullopt;
        m.suffix_ += mask[i];
    }
    return m;
}

void FileNumberMask::AppendMagnitude(std::string& out, long double x, char decimalSeparator) const {
    out += prefix_;
    if (std::isnan(x)) {
        out += "NAN";
    } else if (std::isinf(x)) {
        out += "INF";
    } else if (exponent_) {
        // The mantissa has as many integer digits as the mask has "0"s before
        // the point (at least one).
        const int intCount = intZeros_ > 0 ? intZeros_ : 1;
        std::string digits;
        int exponent = 0;
        ScientificDigits(x, intCount + fracDigits_ - 1, digits, exponent);
        if (x != 0.0L) exponent -= intCount - 1;
        out.append(digits, 0, intCount);
        std::size_t end = digits.size();
        const std::size_t minEnd = intCount + fracZeros_;
        while (end > minEnd && digits[end - 1] == '0') --end;
        if (end > static_cast<std::size_t>(intCount)) {
            out += decimalSeparator;
            out.append(digits, intCount, end - intCount);
        }
        out += expLetter_;
        if (exponent < 0)
            out += '-';
        else if (expPlus_)
            out += '+';
        char buffer[16];
        auto r = std::to_chars(buffer, buffer + sizeof buffer, std::abs(exponent));
        for (int pad = expDigits_ - static_cast<int>(r.ptr - buffer); pad > 0; --pad) out += '0';
        out.append(buffer, r.ptr);
    } else {
        const std::string text = FixedDigits(x, fracDigits_);
        const std::size_t point = text.find('.');
        std::string_view whole(text.data(), point == std::string::npos ? text.size() : point);
        if (whole == "0" && intZeros_ == 0) whole = {};
        for (int pad = intZeros_ - static_cast<int>(whole.size()); pad > 0; --pad) out += '0';
        out += whole;
        if (point != std::string::npos) {
            std::size_t end = text.size();
            const std::size_t minEnd = point + 1 + fracZeros_;
            while (end > minEnd && text[end - 1] == '0') --end;
            if (end > point + 1) {
                out += decimalSeparator;
                out.append(text, point + 1, end - point - 1);
            }
        }
    }
    out += suffix_;
}

void FileNumberMask::AppendSigned(std::string& out, long double x, char decimalSeparator) const {
    const std::size_t start = out.size();
    out += ' ';
    AppendMagnitude(out, x, decimalSeparator);
    if (!std::signbit(x) || x == 0.0L) return;
    // A negative value whose text has a non-zero digit gets its "-".
    for (std::size_t i = start + 1; i < out.size(); ++i) {
        const char c = out[i];
        if (c == expLetter_ && exponent_) break;
        if (c >= '1' && c <= '9') {
            out[start] = '-';
            return;
        }
    }
}

}  // namespace tarvix
