// The detailed chart's series palette in the settings file: section
// `ChartSeriesColor`, keys "0" … "15", each colour a value with red in the
// low byte and blue in the high byte, as older settings files carry it.
#pragma once

#include "series/chart_colors.h"

namespace tarvix {

class Settings;

SeriesPaletteColors ReadChartPalette(const Settings& settings);
void WriteChartPalette(const SeriesPaletteColors& palette, Settings& settings);

}  // namespace tarvix
