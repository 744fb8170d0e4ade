// General number text without locale influence.
#include "engine/number_text.h"

#include <charconv>
#include <cmath>

namespace tarvix {

std::string GeneralText(long double value, int digits) {
    if (value == 0.0L) return "0";
    char buffer[64];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, r.ptr);
}

std::string ComplexGeneralText(const ComplexValue& value, char imaginaryUnit, int digits) {
    std::string re = GeneralText(value.Re, digits);
    std::string im = GeneralText(value.Im, digits);
    if (im == "0") return re;
    if (im == "1") im.clear();
    else if (im == "-1") im = "-";
    if (re == "0") return im + imaginaryUnit;
    if (im.empty() || im[0] != '-') im.insert(im.begin(), '+');
    return re + im + imaginaryUnit;
}

}  // namespace tarvix
