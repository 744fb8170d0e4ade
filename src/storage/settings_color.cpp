// Converting the settings' colour integers.
#include "storage/settings_color.h"

namespace tarvix {

namespace {
constexpr std::int64_t kSystemFlag = 0x80000000;
}

SettingColor DecodeSettingColor(std::int64_t value) {
    SettingColor color;
    if (value & kSystemFlag) {
        color.System = true;
        color.SystemRole = static_cast<int>(value & 0xFF);
        return color;
    }
    color.Red = static_cast<std::uint8_t>(value & 0xFF);
    color.Green = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    color.Blue = static_cast<std::uint8_t>((value >> 16) & 0xFF);
    return color;
}

std::int64_t EncodeSettingColor(const SettingColor& color) {
    if (color.System) return kSystemFlag | (color.SystemRole & 0xFF);
    return color.Red | (std::int64_t{color.Green} << 8) | (std::int64_t{color.Blue} << 16);
}

}  // namespace tarvix
