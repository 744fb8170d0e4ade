// The expression editor's worksheet file: the current file as a full path,
// whether the user has given it a name, and the commands of the editor's
// tool bar on files (new, open, save, save as) with the question before
// changes are lost. Messages go through the calculator's dialogs port, file
// choices through the file-choice port; the last-used folder is the data
// file's (the main window's document).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "storage/data_file_commands.h"
#include "storage/expression_editor.h"
#include "storage/text_catalog.h"

namespace tarvix {

// The worksheet file of the settings (DispForm/WorkSheet) as a full path: a
// relative name is taken in `folder`.
std::filesystem::path WorksheetPath(std::string_view setting, const std::filesystem::path& folder);

// What closing (or replacing) the worksheet may do.
enum class WorksheetCloseAnswer {
    Proceed,  // saved, not modified, or the user chose not to save
    Keep,     // cancelled: the worksheet stays
};

class EditorWorksheet {
public:
    EditorWorksheet(ExpressionEditor& editor, Calculator& calculator, TextCatalog& texts,
                    std::filesystem::path& lastFolder);

    const std::filesystem::path& FilePath() const { return path_; }
    // A file the user chose (opened or saved); an unnamed worksheet asks for
    // a name when it is saved.
    bool Named() const { return named_; }
    // At start: the file of the settings; its text is loaded when it exists
    // (it is then the named current file), else the worksheet stays empty
    // under that name. A file that does not read is reported.
    void Restore(const std::filesystem::path& path);
    // "Nový sešit": asks before losing changes, then an empty unnamed
    // worksheet with the default name in the last-used folder.
    bool New(FileChoicePort& files, std::string_view defaultName);
    // "Otevřít sešit": asks before losing changes, then the open dialog in the
    // last-used folder and OpenFile.
    bool Open(FileChoicePort& files);
    // Reads the whole file first; a missing or unreadable file shows a message
    // and changes nothing. Otherwise its lines replace the text, its folder
    // becomes the last-used folder and the modified flag is cleared.
    bool OpenFile(const std::filesystem::path& path);
    // Ctrl+S and "Uložit sešit": Save As while unnamed, else the current file.
    bool Save(FileChoicePort& files);
    bool SaveAs(FileChoicePort& files);
    // Writes the text atomically (UTF-8, CR LF); a write error is shown and
    // the worksheet stays modified.
    bool SaveFile(const std::filesystem::path& path);
    // "Přejete si uložit data do souboru?" when the text is modified: Yes
    // saves (cancelling the file choice keeps the worksheet), No proceeds.
    WorksheetCloseAnswer AskToSave(FileChoicePort& files);

    // The window's caption: the title, " - " and the file's name.
    std::string Caption(std::string_view title) const;

private:
    FileDialogRequest DialogRequest(const CatalogText& caption) const;
    void ShowError(const CatalogText& text, const std::filesystem::path& path,
                   std::string_view reason = {});

    ExpressionEditor& editor_;
    Calculator& calculator_;
    TextCatalog& texts_;
    std::filesystem::path& lastFolder_;
    std::filesystem::path path_;
    bool named_ = false;
};

}  // namespace tarvix
