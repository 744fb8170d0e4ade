// Palette, grey scale, highlight and settings forms of the chart colours.
#include "series/chart_colors.h"

#include <algorithm>
#include <cmath>

namespace tarvix {

const SeriesPaletteColors& InitialSeriesPalette() {
    static const SeriesPaletteColors palette = {
        Rgb::FromHex(0xFF0000), Rgb::FromHex(0x00FF00), Rgb::FromHex(0x0000FF),
        Rgb::FromHex(0xFF00FF), Rgb::FromHex(0x00FFFF), Rgb::FromHex(0x800000),
        Rgb::FromHex(0x008000), Rgb::FromHex(0x000080), Rgb::FromHex(0x800080),
        Rgb::FromHex(0x008080), Rgb::FromHex(0xFFFF00), Rgb::FromHex(0x808000),
        Rgb::FromHex(0xFFFFFF), Rgb::FromHex(0xC0C0C0), Rgb::FromHex(0x808080),
        Rgb::FromHex(0x000000),
    };
    return palette;
}

Rgb GreyOf(Rgb color) {
    const auto g = static_cast<std::uint8_t>((color.R + color.G + color.B) / 3);
    return {g, g, g};
}

Rgb DarkenedBackground(Rgb background) {
    auto darken = [](std::uint8_t c) {
        return static_cast<std::uint8_t>(std::lround(0.9 * c));
    };
    return {darken(background.R), darken(background.G), darken(background.B)};
}

Rgb HighlightGrey(Rgb darkenedBackground) {
    const int m = std::max({darkenedBackground.R, darkenedBackground.G, darkenedBackground.B});
    const auto g = static_cast<std::uint8_t>(m + 50 > 255 ? m - 50 : m + 50);
    return {g, g, g};
}

std::int64_t ChartColorSetting(Rgb color) {
    return kChartColorMarker | color.Hex();
}

Rgb ColorFromBgrValue(std::int64_t value) {
    return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
            static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

std::int64_t BgrValue(Rgb color) {
    return (std::int64_t{color.B} << 16) | (std::int64_t{color.G} << 8) | color.R;
}

Rgb ChartColorFromSetting(std::int64_t value) {
    if (value & kChartColorMarker) return Rgb::FromHex(static_cast<std::uint32_t>(value & 0xFFFFFF));
    return ColorFromBgrValue(value);
}

Rgb CrossHairFromSetting(std::int64_t value, Rgb background) {
    if (value & kChartColorMarker) return Rgb::FromHex(static_cast<std::uint32_t>(value & 0xFFFFFF));
    const Rgb mask = ColorFromBgrValue(value);
    return {static_cast<std::uint8_t>(mask.R ^ background.R),
            static_cast<std::uint8_t>(mask.G ^ background.G),
            static_cast<std::uint8_t>(mask.B ^ background.B)};
}

}  // namespace tarvix
