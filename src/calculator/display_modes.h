// The display modes of the main window: number format, rounding, engineering
// postfix, display base, hexadecimal prefix style and complex form, with the
// captions that the mode panels show and files store.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "calculator/float_mask.h"
#include "engine/engine_modes.h"

namespace tarvix {

// Member order is the kind number of the format switch (0 norm … 3 eng).
enum class NumberFormat : std::uint8_t { Norm, Fix, Sci, Eng };
enum class ComplexForm : std::uint8_t { Component, Exponential };

inline constexpr int kMinRoundingDigits = 0;
inline constexpr int kMaxRoundingDigits = 15;

struct DisplayModes {
    NumberFormat Format = NumberFormat::Norm;  // "norm"
    bool RoundingOn = false;                   // rounding button
    int Digits = 3;                            // rounding digits N, 0..15
    // The engineering postfix button. The format switch presses it together
    // with "eng" and releases it with any other format; rounding and the
    // postfix exclude each other. The formatter only reads the flag.
    bool EngPostfixOn = false;
    int PostfixPosition = 6;                       // P, 1..11 in "fpnum kMGTP"; 6 is no postfix
    TNumericalBase Base = nbDec;                   // "dec"
    bool HexPrefixStyle = false;                   // "0xFF" instead of "0FFh"
    ComplexForm Complex = ComplexForm::Component;  // component or exponential form

    friend bool operator==(const DisplayModes&, const DisplayModes&) = default;
};

// The format string of the number format: norm and eng "%g", fix "%f", sci
// "%e"; with rounding on, fix and sci carry the digits N (clamped to 0..15) as
// their precision, for example %1.3f.
FloatMask NumberMask(const DisplayModes& modes);

// Captions "norm", "fix", "sci", "eng" and "dec", "hex", "bin", "oct".
std::string_view NumberFormatCaption(NumberFormat format);
std::optional<NumberFormat> NumberFormatFromCaption(std::string_view caption);
std::string_view BaseCaption(TNumericalBase base);
std::optional<TNumericalBase> BaseFromCaption(std::string_view caption);

}  // namespace tarvix
