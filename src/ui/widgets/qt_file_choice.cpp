// Qt file dialogs for the file-choice port.
#include "ui/widgets/qt_file_choice.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace fs = std::filesystem;

QString QtFileFilter(std::string_view filter) {
    const QStringList parts = ToQ(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (description.contains(QLatin1Char('(')) ? description
                                                           : description + " (" + patterns + ")");
    }
    if (filters.isEmpty() && !parts.isEmpty()) filters << parts.front();
    return filters.join(QStringLiteral(";;"));
}

namespace {

std::optional<fs::path> ToPath(const QString& chosen) {
    if (chosen.isEmpty()) return std::nullopt;
    return fs::path(chosen.toStdString());
}

QString StartPath(const FileDialogRequest& request) {
    const QString folder = ToQ(request.Folder.string());
    if (request.FileName.empty()) return folder;
    return folder.isEmpty() ? ToQ(request.FileName) : QDir(folder).filePath(ToQ(request.FileName));
}

}  // namespace

std::optional<fs::path> QtFileChoice::ChooseFileToOpen(const FileDialogRequest& request) {
    if (hook_) return hook_(request, false);
    return ToPath(QFileDialog::getOpenFileName(parent_, ToQ(request.Caption), StartPath(request),
                                               QtFileFilter(request.Filter)));
}

std::optional<fs::path> QtFileChoice::ChooseFileToSave(const FileDialogRequest& request) {
    if (hook_) return hook_(request, true);
    QFileDialog dialog(parent_, ToQ(request.Caption), StartPath(request),
                       QtFileFilter(request.Filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(ToQ(request.DefaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return ToPath(dialog.selectedFiles().front());
}

}  // namespace tarvix
