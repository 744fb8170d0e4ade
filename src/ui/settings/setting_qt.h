// Colours and fonts of the settings as Qt's: a system colour takes the
// application palette's role, a font its family, point size and style bits.
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

#include "storage/preferences.h"

namespace tarvix {

QColor ColorOfSetting(std::int64_t value);
std::int64_t SettingOfColor(const QColor& color);
QFont FontOfSetting(const FontSetting& font);
// The font; its colour stays as it was in `font`.
FontSetting SettingOfFont(const QFont& qfont, FontSetting font);

}  // namespace tarvix
