// Number literal readers.
#include "engine/number_literal.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "engine/complex_value.h"
#include "engine/factorial.h"
#include "engine/name_utils.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsDecimalSyntax(std::string_view t) {
    std::size_t i = 0, n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(t[i])) ++i, ++digits;
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && IsDigit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && IsDigit(t[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == n;
}

locale_t CLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// Factor of an engineering postfix, 0 when c is none.
long double EngineeringFactor(char c) {
    switch (c) {
        case 'G': return 1e9L;
        case 'M': return 1e6L;
        case 'P': return 1e15L;
        case 'T': return 1e12L;
        case 'f': return 1e-15L;
        case 'k': return 1e3L;
        case 'm': return 1e-3L;
        case 'n': return 1e-9L;
        case 'p': return 1e-12L;
        case 'u': return 1e-6L;
        default: return 0.0L;
    }
}

// Postfixes allowed between a number and the imaginary unit.
long double ImaginaryPostfixFactor(char c) {
    if (c == 'g') return kPi / 200.0L;
    if (c == 'o') return kPi / 180.0L;
    return EngineeringFactor(c);
}

int DigitValue(char c, int base) {
    int v = -1;
    if (IsDigit(c)) v = c - '0';
    else if (base == 16 && c >= 'A' && c <= 'F') v = c - 'A' + 10;
    else if (base == 16 && c == 'e') v = 14;
    return v < base ? v : -1;
}

const char* BaseName(TNumericalBase base) {
    switch (base) {
        case nbHex: return "hex";
        case nbBin: return "bin";
        case nbOct: return "oct";
        case nbDec: break;
    }
    return "dec";
}

int Radix(TNumericalBase base) {
    switch (base) {
        case nbHex: return 16;
        case nbBin: return 2;
        case nbOct: return 8;
        case nbDec: break;
    }
    return 10;
}

bool ReadLocaleFloat(std::string_view t, long double& value) {
    if (t.empty() || t.front() == ' ') return false;
    std::string s(t);
    char* end = nullptr;
    errno = 0;
    long double v = strtold(s.c_str(), &end);
    if (end != s.c_str() + s.size()) return false;
    value = v;
    return true;
}

}  // namespace

bool ReadDecimal(std::string_view t, long double& value) {
    if (!IsDecimalSyntax(t)) return false;
    std::string s(t);
    long double v = strtold_l(s.c_str(), nullptr, CLocale());
    if (std::isinf(v)) Raise<EBadDomain>(msg::LiteralOverflow, {t}, 14);
    value = v;
    return true;
}

bool ReadInBase(std::string_view t, int base, long double& value) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == '+') ++i;
    bool negative = false;
    if (i < t.size() && t[i] == '-') negative = true, ++i;
    if (i >= t.size() || !IsDigit(t[i]) || DigitValue(t[i], base) < 0) return false;
    while (i < t.size() && t[i] == '0') ++i;
    std::uint64_t magnitude = 0;
    constexpr std::uint64_t kLimit = std::uint64_t(1) << 63;
    bool tooLarge = false;
    for (; i < t.size(); ++i) {
        int d = DigitValue(t[i], base);
        if (d < 0) return false;
        if (!tooLarge) {
            if (magnitude > (kLimit - 1 - std::uint64_t(d)) / std::uint64_t(base)) tooLarge = true;
            else magnitude = magnitude * std::uint64_t(base) + std::uint64_t(d);
        }
    }
    if (tooLarge) Raise<EBadDomain>(msg::RangeInt64Exceeded, {}, 14);
    long double v = static_cast<long double>(magnitude);
    value = negative ? -v : v;
    return true;
}

bool IsNumber(std::string_view t, const LiteralModes& modes, long double& value) {
    if (t.empty()) return false;
    if (t.size() == 2 && ToUpperAscii(t[0]) == 'P' && ToUpperAscii(t[1]) == 'I') {
        value = kPi;
        return true;
    }
    if (t == "e") {
        value = kE;
        return true;
    }
    if (!modes.PascalNumberformat) return ReadLocaleFloat(t, value);
    if (t.size() > 2 && t[0] == '0' && t[1] == 'x') {
        return ReadInBase("0" + ToUpperAscii(t.substr(2)), 16, value);
    }
    const char last = t.back();
    std::string_view body = t.substr(0, t.size() - 1);
    if (long double factor = EngineeringFactor(last); factor != 0.0L) {
        if (!ReadDecimal(body, value)) return false;
        value *= factor;
        return true;
    }
    const bool complex = modes.Scope == nsComplex;
    bool read = false;
    switch (last) {
        case '!':
            // The postfix follows fact(): real arguments only.
            if ((read = ReadDecimal(body, value))) {
                if (complex) RaiseNoComplex("x!", 20);
                value = Factorial(value);
            }
            break;
        case '%':
            if ((read = ReadDecimal(body, value))) value /= 100.0L;
            break;
        case 'b': read = ReadInBase(body, 2, value); break;
        case 'd': read = ReadDecimal(body, value); break;
        case 'h': read = ReadInBase(body, 16, value); break;
        case 'o':
            if (complex) {
                if ((read = ReadDecimal(body, value))) value *= kPi / 180.0L;
            } else {
                read = ReadInBase(body, 8, value);
            }
            break;
        case 'g':
            if (complex && (read = ReadDecimal(body, value))) value *= kPi / 200.0L;
            break;
        default:
            body = t;
            read = modes.Base == nbDec ? ReadDecimal(body, value)
                                       : ReadInBase(body, Radix(modes.Base), value);
            break;
    }
    if (read) return true;
    if (modes.Base != nbDec && IsDecimalSyntax(body)) {
        Raise<EBadDomain>(msg::InvalidDigitCharacter, {t, BaseName(modes.Base)}, 14);
    }
    return false;
}

bool IsImaginaryNumber(std::string_view t, const LiteralModes& modes, long double& value) {
    if (modes.Scope != nsComplex || t.empty()) return false;
    const char unit = modes.ImaginaryUnit;
    if (t.size() == 1 && t[0] == unit) {
        value = 1.0L;
        return true;
    }
    if (t.size() == 2 && t[0] == '-' && t[1] == unit) {
        value = -1.0L;
        return true;
    }
    const char last = t.back();
    if (t.size() < 2) return false;
    std::string_view before = t.substr(0, t.size() - 1);
    const char postfix = before.back();
    std::string_view beforePostfix = before.substr(0, before.size() - 1);
    const long double postfixFactor = ImaginaryPostfixFactor(postfix);
    if (last == unit) {
        if (ReadDecimal(before, value)) return true;
        if (postfixFactor != 0.0L && ReadDecimal(beforePostfix, value)) {
            value *= postfixFactor;
            return true;
        }
        return false;
    }
    if (last == 'i' || last == 'j') {
        std::string letter(1, last);
        if (IsDecimalSyntax(before)) Raise<EBadImaginaryUnit>(msg::BadImaginaryUnitIdentifier, {letter}, 113);
        if (postfixFactor != 0.0L && IsDecimalSyntax(beforePostfix))
            Raise<EBadImaginaryUnit>(msg::BadImaginaryUnitIdentifier, {letter}, 15);
    }
    return false;
}

}  // namespace tarvix
