// The splash window shown while the main window is being created.
#pragma once

#include <QString>
#include <memory>

class QSplashScreen;

namespace tarvix {

// Shows the splash window with the title and a subtitle; the caller closes it
// once the main window is up.
std::unique_ptr<QSplashScreen> ShowSplash(const QString& title, const QString& subtitle);

}  // namespace tarvix
