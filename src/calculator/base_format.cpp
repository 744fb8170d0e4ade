// 64-bit integer patterns in hexadecimal, binary and octal.
#include "calculator/base_format.h"

#include <cstdint>

#include "engine/float_guard.h"

namespace tarvix {
namespace {

struct BaseRow {
    TNumericalBase Base;
    int BitsPerDigit;
    char Suffix;
};
constexpr BaseRow kBases[] = {
    {nbHex, 4, 'h'},
    {nbBin, 1, 'b'},
    {nbOct, 3, 'o'},
};

constexpr char kDigits[] = "0123456789ABCDEF";

// Digits of the pattern from the top, leading zeros removed ("0" for zero).
std::string PatternDigits(std::uint64_t pattern, int bitsPerDigit) {
    const std::uint64_t mask = (std::uint64_t(1) << bitsPerDigit) - 1;
    std::string reversed;
    do {
        reversed += kDigits[pattern & mask];
        pattern >>= bitsPerDigit;
    } while (pattern != 0);
    return std::string(reversed.rbegin(), reversed.rend());
}

}  // namespace

std::string BaseText(long double x, TNumericalBase base, bool hexPrefixStyle,
                     const CalculatorMessageTable& texts) {
    for (const auto& row : kBases) {
        if (row.Base != base) continue;
        // FitsInt64 is false for NaN and infinities; the conversion below only
        // runs on values it has accepted.
        if (!FitsInt64(x)) return texts.Text(calcmsg::BaseRangeExceeded);
        auto pattern = static_cast<std::uint64_t>(TruncToInt64(x));
        std::string digits = PatternDigits(pattern, row.BitsPerDigit);
        if (base == nbHex && hexPrefixStyle) return "0x" + digits;
        if (digits[0] > '9') digits.insert(digits.begin(), '0');
        return digits + row.Suffix;
    }
    return {};
}

}  // namespace tarvix
