// Display text of real and complex values.
#include "calculator/value_format.h"

#include <algorithm>
#include <cmath>

#include "calculator/base_format.h"
#include "calculator/display_justify.h"
#include "calculator/eng_postfix.h"
#include "calculator/float_mask.h"
#include "calculator/text_trim.h"

namespace tarvix {
namespace {

// Magnitudes below this count as zero in the exponential complex form.
constexpr long double kPolarZero = 1e-15L;

struct AngleRow {
    TAngleUnits Units;
    long double PerRadian;
    const char* Mark;
};
constexpr AngleRow kAngles[] = {
    {auDeg, 180.0L / kPi, "o"},
    {auRad, 1.0L, ""},
    {auGrad, 200.0L / kPi, "g"},
};

const AngleRow& AngleRowOf(TAngleUnits units) {
    for (const auto& row : kAngles) {
        if (row.Units == units) return row;
    }
    return kAngles[0];
}

bool EndsInDigit(const std::string& text) {
    return !text.empty() && text.back() >= '0' && text.back() <= '9';
}

// x taken to `digits` significant digits through the exponent mask and read
// back, as the rounding switch of the display does.
long double RoundToSignificant(long double x, int digits) {
    if (!std::isfinite(x)) return x;
    std::string text = FormatFloat(x, FloatMask{MaskKind::Exponent, digits}, '.');
    return ReadFloatText(text, '.').value_or(x);
}

std::string Real(long double x, const FormatOptions& options) {
    return std::string(TrimBlanks(FormatReal(x, options)));
}

std::string ComponentText(const ComplexValue& v, const FormatOptions& options) {
    const char unit = options.ImaginaryUnit;
    if (v.Im == 0.0L) return Real(v.Re, options) + ' ';
    std::string im = Real(v.Im, options);
    if (v.Re == 0.0L) return im + unit + ' ';
    // A negative imaginary part brings its own "-".
    std::string sign = im.starts_with('-') ? "" : "+";
    return Real(v.Re, options) + sign + im + unit + ' ';
}

std::string ExponentialText(const ComplexValue& v, const FormatOptions& options) {
    if (v.Im == 0.0L) return Real(v.Re, options) + ' ';
    long double r = hypotl(v.Re, v.Im);
    if (r < kPolarZero) return "0 ";
    long double phi = atan2l(v.Im, v.Re);
    if (fabsl(phi) < kPolarZero) return Real(r, options) + ' ';
    const AngleRow& angle = AngleRowOf(options.AngleUnits);
    std::string modulus = Real(r, options) + '*';
    if (modulus == "1*") modulus.clear();
    return modulus + "e^" + Real(phi * angle.PerRadian, options) + angle.Mark +
           options.ImaginaryUnit + ' ';
}

}  // namespace

std::string FormatReal(long double x, const FormatOptions& options) {
    const DisplayModes& modes = options.Display;
    if (modes.Base != nbDec) return BaseText(x, modes.Base, modes.HexPrefixStyle, TextsOf(options));
    char postfix = ' ';
    if (modes.EngPostfixOn) {
        postfix = EngPostfixChar(modes.PostfixPosition);
        x /= EngPostfixFactor(modes.PostfixPosition);
    }
    if (modes.RoundingOn && modes.Format != NumberFormat::Fix) {
        x = RoundToSignificant(x, std::clamp(modes.Digits, kMinRoundingDigits, kMaxRoundingDigits));
    }
    std::string text = FormatFloat(x, NumberMask(modes), options.DecimalSeparator) + postfix;
    text.erase(0, text.find_first_not_of(' '));
    return JustifyDisplayText(text, options);
}

std::string FormatValueText(const ComplexValue& value, const FormatOptions& options) {
    if (options.Scope != nsComplex) {
        std::string text = Real(value.Re, options);
        return EndsInDigit(text) ? text + ' ' : text;
    }
    if (options.Display.Complex == ComplexForm::Exponential) return ExponentialText(value, options);
    return ComponentText(value, options);
}

}  // namespace tarvix
