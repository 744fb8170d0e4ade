// Where the program's shipped data (language files, tips, help pages, the
// default expression library) are, as Qt strings: next to the installed
// executable in ../share/tarvix, or the source tree's data/ folder while
// developing (the rule itself is storage/installation.h).
#pragma once

#include <QString>

namespace tarvix {

// The data folder for an executable in `applicationDir`: `applicationDir`/../share/tarvix
// when it exists, else the source tree's data folder when it exists, else empty.
QString DataFolderFor(const QString& applicationDir);
// The data folder of the running program.
QString DataFolder();

}  // namespace tarvix
