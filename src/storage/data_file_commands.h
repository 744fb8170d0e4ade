// The File menu of the main window on data files: "&Nový", "&Otevřít..."
// (Ctrl+O), "&Uložit" (Ctrl+S), "U&ložit jako...", the ".fx" first argument
// of the command line, and the current document with the last-used folder.
// Messages go through the calculator's dialogs port, file choices through a
// file-choice port that the window implements.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/calculator.h"
#include "storage/data_file.h"
#include "storage/storage_texts.h"
#include "storage/text_catalog.h"

namespace tarvix {

inline constexpr std::string_view kUntitledDataFile = "data.fx";
inline constexpr std::string_view kUntitledSeriesFile = "data.txt";

struct DataFileDocument {
    // The bare name of the current data file; "data.fx" marks a state not yet
    // saved under a name of the user's choosing.
    std::string FileName{kUntitledDataFile};
    std::filesystem::path Folder;      // the folder of the current data file
    std::filesystem::path LastFolder;  // where every file dialog starts; each updates it
    std::filesystem::path SeriesFile{kUntitledSeriesFile};  // the data series' text file

    bool Untitled() const { return FileName == kUntitledDataFile; }
    std::filesystem::path FullPath() const { return Folder / FileName; }
    // The reset's default names.
    void ResetName() {
        FileName = kUntitledDataFile;
        SeriesFile = kUntitledSeriesFile;
    }
};

struct FileDialogRequest {
    std::string Caption;
    std::string Filter;            // "Datové soubory (*.fx)|*.fx": description "|" pattern
    std::string DefaultExtension;  // without the dot; empty for none
    std::string FileName;          // preset name; empty for none
    std::filesystem::path Folder;  // where the dialog starts
};

class FileChoicePort {
public:
    virtual ~FileChoicePort() = default;
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> ChooseFileToOpen(
        const FileDialogRequest& request) = 0;
    // The save dialog must not ask about overwriting: the command asks itself.
    virtual std::optional<std::filesystem::path> ChooseFileToSave(
        const FileDialogRequest& request) = 0;
};

// The first command-line argument when it names an existing file with the
// extension ".fx" (ASCII case ignored).
std::optional<std::filesystem::path> DataFileArgument(std::string_view firstArgument);

class DataFileCommands {
public:
    DataFileCommands(Calculator& calculator, TextCatalog& texts, DataFileDocument& document);

    // "&Nový": the default names, then the reset of registers and variables
    // without its question. Nothing is written.
    void New();
    // "&Otevřít...": the open dialog in the last-used folder, then OpenFile.
    // False when cancelled or the file did not open.
    bool Open(FileChoicePort& files);
    // Opens the path with its extension replaced by ".fx". The whole file is
    // read and converted first; a missing, unreadable or faulty file shows a
    // message and changes nothing. On success the file's folder becomes the
    // last-used folder and the file the current document.
    bool OpenFile(const std::filesystem::path& path);
    // The ".fx" first argument of the command line, when there is one.
    bool OpenArgument(std::string_view firstArgument);
    // "&Uložit": Save As while the document is untitled, else writes the
    // current document's full path without a dialog.
    bool Save(FileChoicePort& files);
    // "U&ložit jako...": the save dialog preset with the current name, the
    // extension forced to ".fx", the overwrite question for an existing file;
    // after a successful write the file is the current document.
    bool SaveAs(FileChoicePort& files);
    // Writes the path as it is, without questions; a repeated register name or
    // a write error is shown. The remembered expressions take the input line.
    bool SaveFile(const std::filesystem::path& path);

    // The main window's caption: the title, " - " and the current file name.
    std::string WindowCaption(std::string_view title) const;

    const DataFileDocument& Document() const { return document_; }

private:
    FileDialogRequest DialogRequest(const CatalogText& caption) const;
    void ShowError(std::string text);

    Calculator& calculator_;
    TextCatalog& texts_;
    DataFileDocument& document_;
};

}  // namespace tarvix
