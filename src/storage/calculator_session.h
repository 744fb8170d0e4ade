// The calculator's working state on disk for one run of the program: the
// settings file read once at start and written once at exit, the history
// with its file, and the data file commands with the current document.
#pragma once

#include <filesystem>
#include <iostream>
#include <memory>

#include "calculator/calculator.h"
#include "storage/data_file_commands.h"
#include "storage/history_log.h"
#include "storage/profile_file.h"
#include "storage/settings_store.h"
#include "storage/text_catalog.h"
#include "storage/xdg_paths.h"

namespace tarvix {

struct SessionPaths {
    std::filesystem::path SettingsFile;     // $XDG_CONFIG_HOME/tarvix/tarvix.ini
    std::filesystem::path HistoryFile;      // $XDG_DATA_HOME/tarvix/tarvix.log
    std::filesystem::path LanguageFolder;   // the shipped language files
    std::filesystem::path DocumentsFolder;  // where data files are kept by default

    // The folders of the environment; data files default to the home folder.
    static SessionPaths FromEnvironment(const XdgEnvironment& environment,
                                        std::filesystem::path languageFolder);
};

// Which windows are open when the program ends (reopened at the next start).
struct OpenWindows {
    bool LogForm = false;   // the history window
    bool DispForm = false;  // the expression editor
};

class CalculatorSession {
public:
    CalculatorSession(Calculator& calculator, TextCatalog& texts, SessionPaths paths);

    // Start-up: reads the settings file and applies it to the calculator, the
    // history and the document, then opens the history file as its options
    // say. Keys that did not read are written to `warnings`, one per line.
    // Returns the number of warnings.
    int Load(std::ostream& warnings = std::cerr);

    // Exit, after the other windows have handed back their placements: leaves
    // the renaming mode, records the calculator, the history, the document and
    // the open windows, and writes the settings file (other sections of it are
    // kept). A write error is shown as a message. A settings file that existed
    // but could not be read at start is left untouched.
    bool Save(const OpenWindows& open, std::ostream& warnings = std::cerr);

    Settings& Values() { return settings_; }
    const Settings& Values() const { return settings_; }
    HistoryLog& History() { return history_; }
    DataFileDocument& Document() { return document_; }
    DataFileCommands& DataFile() { return commands_; }
    const SessionPaths& Paths() const { return paths_; }

private:
    Calculator& calculator_;
    TextCatalog& texts_;
    SessionPaths paths_;
    Settings settings_;
    ProfileFile profile_;  // the settings file as read
    bool keepUnreadableFile_ = false;
    HistoryLog history_;
    DataFileDocument document_;
    DataFileCommands commands_;
};

}  // namespace tarvix
