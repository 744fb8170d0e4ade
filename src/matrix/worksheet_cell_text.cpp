// Exact cell texts of values in the component and exponential forms.
#include "matrix/worksheet_cell_text.h"

#include <charconv>
#include <cmath>

#include "engine/complex_math.h"
#include "matrix/worksheet_search.h"

namespace tarvix {
namespace {

// Magnitudes below this count as zero in the exponential form (as on the display).
constexpr long double kPolarZero = 1e-15L;

std::string_view AngleMark(TAngleUnits units) {
    switch (units) {
        case auDeg:
            return "o";
        case auGrad:
            return "g";
        case auRad:
            break;
    }
    return "";
}

}  // namespace

std::string ExactNumberText(long double x) {
    if (x == 0.0L) return "0";
    char buffer[64];
    // Without a precision, to_chars writes the shortest text that round-trips.
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general);
    return std::string(buffer, result.ptr);
}

std::string ExactComponentText(const ComplexValue& v, char imaginaryUnit) {
    if (v.Im == 0.0L) return ExactNumberText(v.Re);
    const std::string im = ExactNumberText(v.Im) + imaginaryUnit;
    if (v.Re == 0.0L) return im;
    return ExactNumberText(v.Re) + (im.starts_with('-') ? "" : "+") + im;
}

std::string ExactExponentialText(const ComplexValue& v, TAngleUnits units, char imaginaryUnit) {
    if (v.Im == 0.0L) return ExactNumberText(v.Re);
    const long double r = hypotl(v.Re, v.Im);
    if (r < kPolarZero) return "0";
    const long double phi = ArcTan2(v.Im, v.Re);
    if (fabsl(phi) < kPolarZero) return ExactNumberText(r);
    std::string modulus = ExactNumberText(r) + '*';
    if (modulus == "1*") modulus.clear();
    return modulus + "e^" + ExactNumberText(phi * RadiansToUnits(units)) +
           std::string(AngleMark(units)) + imaginaryUnit;
}

}  // namespace tarvix
