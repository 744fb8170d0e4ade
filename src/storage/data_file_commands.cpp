// The File menu's data file commands.
#include "storage/data_file_commands.h"

#include <system_error>

#include "engine/name_utils.h"
#include "engine/parser_messages.h"

namespace tarvix {
namespace fs = std::filesystem;

namespace {

constexpr int kReadErrorHelpContext = 103;

fs::path Absolute(const fs::path& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute;
}

}  // namespace

std::optional<fs::path> DataFileArgument(std::string_view firstArgument) {
    if (firstArgument.empty()) return std::nullopt;
    const fs::path path(firstArgument);
    std::error_code error;
    if (!EqualsNoCase(path.extension().string(), ".fx") || !fs::is_regular_file(path, error)) {
        return std::nullopt;
    }
    return path;
}

DataFileCommands::DataFileCommands(Calculator& calculator, TextCatalog& texts,
                                   DataFileDocument& document)
    : calculator_(calculator), texts_(texts), document_(document) {}

void DataFileCommands::ShowError(std::string text) {
    calculator_.ShowMessageBox(text, MessageKind::Error, kCancelButton, 0);
}

FileDialogRequest DataFileCommands::DialogRequest(const CatalogText& caption) const {
    FileDialogRequest request;
    request.Caption = CatalogString(texts_, caption);
    request.Filter = CatalogString(texts_, texts::DataFiles);
    request.Folder = document_.LastFolder;
    return request;
}

void DataFileCommands::New() {
    document_.ResetName();
    calculator_.Reset(false);
}

bool DataFileCommands::Open(FileChoicePort& files) {
    std::optional<fs::path> chosen = files.ChooseFileToOpen(DialogRequest(texts::OpenDialog));
    if (!chosen) return false;
    document_.LastFolder = Absolute(*chosen).parent_path();
    return OpenFile(*chosen);
}

bool DataFileCommands::OpenFile(const fs::path& path) {
    const fs::path target = Absolute(DataFilePath(path));
    DataFileLoad load = LoadDataFile(target, calculator_);
    if (!load.Status.Ok()) {
        const std::string shown = target.string();
        std::string text;
        switch (load.Status.Error) {
            case DataFileError::Missing:
                text = FormatMessageText(CatalogString(texts_, texts::FileNotFound), {shown});
                break;
            case DataFileError::NotDataFile:
                text = FormatMessageText(CatalogString(texts_, texts::ReadingFromFile), {shown}) +
                       "%\\ " + CatalogString(texts_, texts::NotDataFile);
                break;
            default:
                text = FormatMessageText(CatalogString(texts_, texts::ReadingFromFile), {shown}) +
                       "%\\ " + load.Status.Detail;
                break;
        }
        calculator_.ShowMessageBox(text, MessageKind::Error, kCancelHelpButtons,
                                   kReadErrorHelpContext);
        return false;
    }
    ApplyDataFile(load.Prepared, calculator_);
    document_.FileName = target.filename().string();
    document_.Folder = target.parent_path();
    document_.LastFolder = document_.Folder;
    document_.SeriesFile = fs::path(target).replace_extension(".txt");
    return true;
}

bool DataFileCommands::OpenArgument(std::string_view firstArgument) {
    std::optional<fs::path> path = DataFileArgument(firstArgument);
    return path && OpenFile(*path);
}

bool DataFileCommands::Save(FileChoicePort& files) {
    if (calculator_.RenamingMode()) calculator_.ToggleRenaming();
    if (document_.Untitled()) return SaveAs(files);
    return SaveFile(DataFilePath(document_.FullPath()));
}

bool DataFileCommands::SaveAs(FileChoicePort& files) {
    if (calculator_.RenamingMode()) calculator_.ToggleRenaming();
    FileDialogRequest request = DialogRequest(texts::SaveAsDialog);
    request.DefaultExtension = "fx";
    request.FileName = document_.FileName;
    std::optional<fs::path> chosen = files.ChooseFileToSave(request);
    if (!chosen) return false;
    const fs::path target = Absolute(DataFilePath(*chosen));
    document_.LastFolder = target.parent_path();
    std::error_code error;
    if (fs::exists(target, error)) {
        const std::string question = FormatMessageText(
            CatalogString(texts_, texts::AskForOverwriteFile), {target.filename().string()});
        if (calculator_.ShowMessageBox(question, MessageKind::Confirmation, kYesNoCancelButtons,
                                       0) != ModalResult::Yes) {
            return false;
        }
    }
    if (!SaveFile(target)) return false;
    document_.FileName = target.filename().string();
    document_.Folder = target.parent_path();
    return true;
}

bool DataFileCommands::SaveFile(const fs::path& path) {
    const DataFileStatus status = SaveDataFile(path, calculator_);
    switch (status.Error) {
        case DataFileError::None:
            calculator_.SetInputHistory(ExpressionsWithInput(calculator_));
            return true;
        case DataFileError::RepeatedName:
            ShowError(FormatMessageText(calculator_.Texts().Text(calcmsg::DuplicateVariable),
                                        {status.Detail}));
            return false;
        default:
            ShowError(FormatMessageText(CatalogString(texts_, texts::WritingToFile),
                                        {Absolute(path).string()}) +
                      "%\\ " + status.Detail);
            return false;
    }
}

std::string DataFileCommands::WindowCaption(std::string_view title) const {
    return std::string(title) + " - " + document_.FileName;
}

}  // namespace tarvix
