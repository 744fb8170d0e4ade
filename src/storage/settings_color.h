// Colours as the settings file stores them: an integer holding blue, green
// and red from the high to the low byte, or a system colour (0x80000000 and
// the index of the colour role).
#pragma once

#include <cstdint>

namespace tarvix {

// System colour roles the settings use.
inline constexpr int kSystemWindowBackground = 0x05;
inline constexpr int kSystemWindowText = 0x08;
inline constexpr int kSystem3dLight = 0x16;

struct SettingColor {
    bool System = false;
    int SystemRole = 0;  // when System
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    friend bool operator==(const SettingColor&, const SettingColor&) = default;
};

SettingColor DecodeSettingColor(std::int64_t value);
std::int64_t EncodeSettingColor(const SettingColor& color);

}  // namespace tarvix
