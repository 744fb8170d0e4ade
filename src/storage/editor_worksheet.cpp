// The expression editor's worksheet file and its commands.
#include "storage/editor_worksheet.h"

#include <system_error>

#include "calculator/calculator.h"
#include "engine/parser_messages.h"
#include "storage/atomic_file.h"
#include "storage/editor_texts.h"
#include "storage/text_codec.h"

namespace tarvix {
namespace fs = std::filesystem;

namespace {

constexpr int kReadErrorHelpContext = 103;
// A worksheet is a text typed by hand: a larger file is not one.
constexpr std::size_t kMaxWorksheetBytes = 16u << 20;

fs::path Absolute(const fs::path& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute.lexically_normal();
}

}  // namespace

fs::path WorksheetPath(std::string_view setting, const fs::path& folder) {
    const fs::path path(setting);
    return Absolute(path.is_absolute() ? path : folder / path);
}

EditorWorksheet::EditorWorksheet(ExpressionEditor& editor, Calculator& calculator,
                                 TextCatalog& texts, fs::path& lastFolder)
    : editor_(editor), calculator_(calculator), texts_(texts), lastFolder_(lastFolder) {}

void EditorWorksheet::ShowError(const CatalogText& text, const fs::path& path,
                                std::string_view reason) {
    std::string message = FormatMessageText(CatalogString(texts_, text), {path.string()});
    if (!reason.empty()) message += "%\\ " + std::string(reason);
    calculator_.ShowMessageBox(message, MessageKind::Error, kCancelHelpButtons,
                               kReadErrorHelpContext);
}

FileDialogRequest EditorWorksheet::DialogRequest(const CatalogText& caption) const {
    FileDialogRequest request;
    request.Caption = CatalogString(texts_, caption);
    request.Filter = CatalogString(texts_, texts::EditorTextFiles);
    request.DefaultExtension = "txt";
    request.Folder = lastFolder_;
    return request;
}

void EditorWorksheet::Restore(const fs::path& path) {
    path_ = Absolute(path);
    named_ = false;
    std::error_code error;
    if (fs::exists(path_, error)) OpenFile(path_);
}

bool EditorWorksheet::New(FileChoicePort& files, std::string_view defaultName) {
    if (AskToSave(files) == WorksheetCloseAnswer::Keep) return false;
    editor_.SetText({});
    editor_.SetModified(false);
    path_ = Absolute(lastFolder_ / fs::path(defaultName));
    named_ = false;
    return true;
}

bool EditorWorksheet::Open(FileChoicePort& files) {
    if (AskToSave(files) == WorksheetCloseAnswer::Keep) return false;
    std::optional<fs::path> chosen = files.ChooseFileToOpen(DialogRequest(texts::OpenDialog));
    if (!chosen) return false;
    return OpenFile(*chosen);
}

bool EditorWorksheet::OpenFile(const fs::path& path) {
    const fs::path target = Absolute(path);
    const FileReadResult read = ReadWholeFile(target, kMaxWorksheetBytes + 1);
    if (read.status == FileReadStatus::Missing) {
        ShowError(texts::FileNotFound, target);
        return false;
    }
    if (!read.ok()) {
        ShowError(texts::ReadingFromFile, target, read.error.message());
        return false;
    }
    if (read.bytes.size() > kMaxWorksheetBytes) {
        ShowError(texts::ReadingFromFile, target, CatalogString(texts_, texts::EditorFileTooLarge));
        return false;
    }
    editor_.SetText(DecodeText(read.bytes));
    editor_.SetModified(false);
    path_ = target;
    named_ = true;
    lastFolder_ = target.parent_path();
    return true;
}

bool EditorWorksheet::Save(FileChoicePort& files) {
    if (!named_) return SaveAs(files);
    return SaveFile(path_);
}

bool EditorWorksheet::SaveAs(FileChoicePort& files) {
    FileDialogRequest request = DialogRequest(texts::SaveAsDialog);
    request.FileName = path_.filename().string();
    std::optional<fs::path> chosen = files.ChooseFileToSave(request);
    if (!chosen) return false;
    const fs::path target = Absolute(*chosen);
    lastFolder_ = target.parent_path();
    std::error_code error;
    if (fs::exists(target, error)) {
        const std::string question = FormatMessageText(
            CatalogString(texts_, texts::AskForOverwriteFile), {target.filename().string()});
        if (calculator_.ShowMessageBox(question, MessageKind::Confirmation, kYesNoCancelButtons,
                                       0) != ModalResult::Yes) {
            return false;
        }
    }
    return SaveFile(target);
}

bool EditorWorksheet::SaveFile(const fs::path& path) {
    const fs::path target = Absolute(path);
    // The lines joined by CR LF: the file reads back as the same lines.
    std::string bytes;
    for (std::size_t i = 0; i < editor_.Lines().size(); ++i) {
        if (i > 0) bytes += "\r\n";
        bytes += editor_.Lines()[i];
    }
    const FileWriteResult written = WriteFileAtomically(target, bytes);
    if (!written.ok()) {
        ShowError(texts::WritingToFile, target, written.error.message());
        return false;
    }
    editor_.SetModified(false);
    path_ = target;
    named_ = true;
    return true;
}

WorksheetCloseAnswer EditorWorksheet::AskToSave(FileChoicePort& files) {
    if (!editor_.Modified()) return WorksheetCloseAnswer::Proceed;
    switch (calculator_.ShowMessageBox(CatalogString(texts_, texts::EditorAskForSave),
                                       MessageKind::Confirmation, kYesNoCancelButtons, 0)) {
        case ModalResult::Yes:
            return Save(files) ? WorksheetCloseAnswer::Proceed : WorksheetCloseAnswer::Keep;
        case ModalResult::No:
            return WorksheetCloseAnswer::Proceed;
        default:
            return WorksheetCloseAnswer::Keep;
    }
}

std::string EditorWorksheet::Caption(std::string_view title) const {
    return std::string(title) + " - " + path_.filename().string();
}

}  // namespace tarvix
