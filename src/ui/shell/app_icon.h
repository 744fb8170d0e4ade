// The program's icon drawn in code after data/icons/tarvix.svg (the picture
// the desktop entry installs): a calculator with a green display, grey keys
// and an orange Enter key. Qt here has no SVG reader, so the window icon and
// the splash paint the same design.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

namespace tarvix {

inline constexpr QColor kBrandBody(0x2f, 0x3b, 0x4c);
inline constexpr QColor kBrandDisplay(0xc9, 0xe4, 0xc5);
inline constexpr QColor kBrandAccent(0xf0, 0xa0, 0x30);

// The icon's picture at a size in device pixels.
QPixmap AppIconPixmap(int size);
QIcon AppIcon();

}  // namespace tarvix
