// Loading and saving the working state of one run.
#include "storage/calculator_session.h"

#include "engine/parser_messages.h"
#include "storage/default_language.h"
#include "storage/history_settings.h"
#include "storage/settings_apply.h"
#include "storage/settings_file.h"
#include "storage/storage_texts.h"

namespace tarvix {
namespace fs = std::filesystem;

namespace {

int WriteWarnings(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines) out << "tarvix: " << line << '\n';
    return static_cast<int>(lines.size());
}

}  // namespace

SessionPaths SessionPaths::FromEnvironment(const XdgEnvironment& environment,
                                           fs::path languageFolder) {
    return {SettingsFilePath(environment), HistoryFilePath(environment), std::move(languageFolder),
            fs::path(environment.home)};
}

CalculatorSession::CalculatorSession(Calculator& calculator, TextCatalog& texts, SessionPaths paths)
    : calculator_(calculator),
      texts_(texts),
      paths_(std::move(paths)),
      history_(paths_.HistoryFile),
      commands_(calculator, texts, document_) {}

int CalculatorSession::Load(std::ostream& warnings) {
    SettingsContext context;
    context.Language = DefaultLanguage(SystemLocaleName(), paths_.LanguageFolder);
    context.DocumentsFolder = paths_.DocumentsFolder.string();
    SettingsFileLoad load = LoadSettingsFile(paths_.SettingsFile, context);
    keepUnreadableFile_ = load.Status == FileReadStatus::Unreadable;
    settings_ = std::move(load.Values);
    profile_ = std::move(load.Profile);
    std::vector<std::string> lines = std::move(load.Warnings);

    ApplySettings(settings_, calculator_, lines);
    history_.SetOptions(ReadHistoryOptions(settings_));
    history_.Window() = ReadHistoryWindow(settings_);
    history_.Start();
    document_ = ReadDataFileDocument(settings_);
    return WriteWarnings(lines, warnings);
}

bool CalculatorSession::Save(const OpenWindows& open, std::ostream& warnings) {
    if (calculator_.RenamingMode()) calculator_.ToggleRenaming();
    CaptureSettings(calculator_, settings_);
    WriteHistoryOptions(history_.Options(), settings_);
    WriteHistoryWindow(history_.Window(), settings_);
    WriteDataFileDocument(document_, settings_);
    settings_.SetBool("LogForm", "Open", open.LogForm);
    settings_.SetBool("DispForm", "Open", open.DispForm);

    std::vector<std::string> lines;
    if (keepUnreadableFile_) {
        lines.push_back("settings file " + paths_.SettingsFile.string() +
                        " could not be read at start; it is left as it is");
        WriteWarnings(lines, warnings);
        return false;
    }
    FileWriteResult written = SaveSettingsFile(paths_.SettingsFile, settings_, profile_, lines);
    WriteWarnings(lines, warnings);
    if (written.ok()) return true;
    calculator_.ShowMessageBox(FormatMessageText(CatalogString(texts_, texts::WritingToFile),
                                                 {paths_.SettingsFile.string()}) +
                                   "%\\ " + written.error.message(),
                               MessageKind::Error, kCancelButton, 0);
    return false;
}

}  // namespace tarvix
