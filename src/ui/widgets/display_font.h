// The display font: DejaVu Sans Mono, compiled into the program as a Qt
// resource and registered as an application font on first use (no file is
// written anywhere).
#pragma once

#include <QFont>
#include <QString>

namespace tarvix {

// The family of the display font; the system's fixed font family when the
// resource cannot be registered.
QString DisplayFontFamily();
// The display font at a point size.
QFont DisplayFont(qreal pointSize);

}  // namespace tarvix
