// Builders of formatting options shared by the calculator's formatting tests.
#pragma once

#include "calculator/format_options.h"

namespace tarvix::testing {

inline FormatOptions Options(DisplayModes modes = {}, char separator = ',') {
    FormatOptions o;
    o.Display = modes;
    o.DecimalSeparator = separator;
    return o;
}

inline FormatOptions ComplexOptions(DisplayModes modes = {}, TAngleUnits units = auDeg,
                                    char unit = 'i', char separator = ',') {
    FormatOptions o = Options(modes, separator);
    o.Scope = nsComplex;
    o.AngleUnits = units;
    o.ImaginaryUnit = unit;
    return o;
}

inline DisplayModes Norm() {
    return {};
}
inline DisplayModes Rounded(NumberFormat format, int digits) {
    return {.Format = format, .RoundingOn = true, .Digits = digits};
}
inline DisplayModes Fix() {
    return {.Format = NumberFormat::Fix};
}
inline DisplayModes Sci() {
    return {.Format = NumberFormat::Sci};
}
inline DisplayModes Eng(int position) {
    return {.Format = NumberFormat::Eng, .EngPostfixOn = true, .PostfixPosition = position};
}
inline DisplayModes InBase(TNumericalBase base, bool prefix = false) {
    return {.Base = base, .HexPrefixStyle = prefix};
}
inline DisplayModes Polar(DisplayModes modes = {}) {
    modes.Complex = ComplexForm::Exponential;
    return modes;
}

}  // namespace tarvix::testing
