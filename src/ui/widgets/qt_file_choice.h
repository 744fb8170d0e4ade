// The file-choice port of the data file commands as Qt file dialogs. Filters
// are written "description|pattern|description|pattern…"; the save dialog
// leaves the overwrite question to the command. A hook can answer instead of
// the dialogs, so tests never block on a modal window.
#pragma once

#include <QString>
#include <functional>

#include "storage/data_file_commands.h"

class QWidget;

namespace tarvix {

// "Datové soubory (*.fx)|*.fx" as a Qt filter: "Datové soubory (*.fx)".
QString QtFileFilter(std::string_view filter);

class QtFileChoice : public FileChoicePort {
public:
    explicit QtFileChoice(QWidget* parent) : parent_(parent) {}

    // Answers instead of the dialogs (save tells the save dialog from the open one).
    using Hook =
        std::function<std::optional<std::filesystem::path>(const FileDialogRequest&, bool save)>;
    void SetHook(Hook hook) { hook_ = std::move(hook); }

    std::optional<std::filesystem::path> ChooseFileToOpen(
        const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> ChooseFileToSave(
        const FileDialogRequest& request) override;

private:
    QWidget* parent_;
    Hook hook_;
};

}  // namespace tarvix
