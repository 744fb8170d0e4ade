// Opening the first command-line argument by its type.
#include "ui/shell/start_file.h"

#include <system_error>

#include "engine/name_utils.h"
#include "matrix/worksheet_file.h"
#include "storage/data_file_commands.h"
#include "ui/main/main_form.h"
#include "ui/worksheet/gem_form.h"

namespace tarvix {

StartFileKind StartFileKindOf(const std::filesystem::path& file) {
    std::error_code error;
    if (file.empty() || !std::filesystem::is_regular_file(file, error)) return StartFileKind::None;
    if (DataFileArgument(file.string())) return StartFileKind::DataFile;
    if (EqualsNoCase(file.extension().string(), ".exp")) return StartFileKind::Library;
    if (FileFormatOf(file.string()) != WorksheetFileFormat::Text) return StartFileKind::Worksheet;
    return StartFileKind::None;
}

void OpenStartWorksheet(TMainForm& form, const QString& file) {
    if (StartFileKindOf(file.toStdString()) != StartFileKind::Worksheet) return;
    form.SoustavaRovnicItemClick();
    if (TGemForm* gem = form.GemForm()) gem->OpenFile(file);
}

}  // namespace tarvix
