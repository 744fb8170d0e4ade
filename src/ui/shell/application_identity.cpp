// The application name and desktop entry of the program.
#include "ui/shell/application_identity.h"

#include <QGuiApplication>

namespace tarvix {

void SetApplicationIdentity() {
    QGuiApplication::setApplicationName(QStringLiteral("tarvix"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvix"));
}

}  // namespace tarvix
