// Finding the data folder, installed or in the build tree.
#include "ui/shell/data_paths.h"

#include <QDir>

#include "storage/installation.h"

namespace tarvix {

namespace {

QString FolderText(const std::filesystem::path& folder) {
    return folder.empty() ? QString() : QDir::cleanPath(QString::fromStdString(folder.string()));
}

}  // namespace

QString DataFolderFor(const QString& applicationDir) {
    return FolderText(ShippedDataFolderFor(applicationDir.toStdString(), SourceDataFolder()));
}

QString DataFolder() {
    return FolderText(ShippedDataFolder());
}

}  // namespace tarvix
