// Finding the data folder, installed or in the build tree.
#include "ui/shell/data_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tarvix {

QString DataFolderFor(const QString& applicationDir) {
    const QString installed = QDir::cleanPath(applicationDir + QStringLiteral("/../share/tarvix"));
    if (QFileInfo(installed).isDir()) return installed;
    const QString source = QStringLiteral(TARVIX_SOURCE_DATA_DIR);
    if (QFileInfo(source).isDir()) return QDir::cleanPath(source);
    return {};
}

QString DataFolder() {
    return DataFolderFor(QCoreApplication::applicationDirPath());
}

}  // namespace tarvix
