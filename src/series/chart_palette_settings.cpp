// The series palette read from and written to the settings.
#include "series/chart_palette_settings.h"

#include <string>

#include "storage/settings_store.h"

namespace tarvix {
namespace {
constexpr std::string_view kSection = "ChartSeriesColor";
}  // namespace

SeriesPaletteColors ReadChartPalette(const Settings& settings) {
    SeriesPaletteColors palette{};
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        palette[i] = ColorFromBgrValue(settings.HexColor(kSection, std::to_string(i)));
    return palette;
}

void WriteChartPalette(const SeriesPaletteColors& palette, Settings& settings) {
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        settings.SetHexColor(kSection, std::to_string(i), BgrValue(palette[i]));
}

}  // namespace tarvix
