// Colours of the detailed chart: the RGB value type, the 16-colour series
// palette, grey scale, the highlight colours of a selected series, and the
// form in which the settings file keeps chart colours.
#pragma once

#include <array>
#include <cstdint>

namespace tarvix {

struct Rgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    // 0xRRGGBB.
    static constexpr Rgb FromHex(std::uint32_t value) {
        return {static_cast<std::uint8_t>((value >> 16) & 0xFF),
                static_cast<std::uint8_t>((value >> 8) & 0xFF),
                static_cast<std::uint8_t>(value & 0xFF)};
    }
    constexpr std::uint32_t Hex() const {
        return (std::uint32_t{R} << 16) | (std::uint32_t{G} << 8) | B;
    }
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr std::size_t kPaletteSize = 16;
using SeriesPaletteColors = std::array<Rgb, kPaletteSize>;

// Red, lime, blue, fuchsia, aqua, maroon, green, navy, purple, teal, yellow,
// olive, white, silver, gray, black.
const SeriesPaletteColors& InitialSeriesPalette();

// The grey of a colour: g = (R + G + B) / 3 (integer division) on all three.
Rgb GreyOf(Rgb color);
// The background of the unselected series while one is highlighted:
// each component × 0.9, rounded.
Rgb DarkenedBackground(Rgb background);
// The selected series while highlighted: grey m + 50 from the largest
// component m of the darkened background, or m − 50 when m + 50 > 255.
Rgb HighlightGrey(Rgb darkenedBackground);

// A colour value in the platform's old order: red in the low byte, blue in
// the high byte (0x0000FF is red), and back.
Rgb ColorFromBgrValue(std::int64_t value);
std::int64_t BgrValue(Rgb color);

// The settings file keeps chart colours as the visible colour in RGB order
// with the marker bit below. A value without the marker was written by the
// older program: blue in the high byte and, for the cross-hair, the XOR mask
// against the background; it is converted once when it is read.
inline constexpr std::int64_t kChartColorMarker = 0x01000000;
std::int64_t ChartColorSetting(Rgb color);
Rgb ChartColorFromSetting(std::int64_t value);
// The cross-hair colour: an old value is the mask that, XORed with the
// background, gave the colour the user saw.
Rgb CrossHairFromSetting(std::int64_t value, Rgb background);

}  // namespace tarvix
