// Recording calculations in the history window's lines and the history file.
#include "storage/history_log.h"

#include "calculator/calculator.h"
#include "storage/history_settings.h"
#include "storage/settings_store.h"

namespace tarvix {
namespace fs = std::filesystem;

fs::path HistoryFilePath(const XdgEnvironment& environment) {
    const fs::path folder = DataFolder(environment);
    return folder.empty() ? fs::path() : folder / "tarvix.log";
}

HistoryLog::HistoryLog(fs::path file) : path_(std::move(file)) {
    const Settings defaults;
    options_ = ReadHistoryOptions(defaults);
    window_ = ReadHistoryWindow(defaults);
}

void HistoryLog::SetOptions(const HistoryOptions& options) {
    options_ = options;
    if (options_.SaveHistory && !file_.is_open()) OpenFile(std::ios::app);
    if (!options_.SaveHistory && file_.is_open()) file_.close();
}

void HistoryLog::SetMode(HistoryMode mode) {
    options_.Mode = mode;
}

void HistoryLog::Start() {
    if (options_.SaveHistory) OpenFile(options_.ClearOnStart ? std::ios::trunc : std::ios::app);
}

void HistoryLog::OpenFile(std::ios::openmode mode) {
    if (file_.is_open()) file_.close();
    file_.clear();
    if (path_.empty() || EnsureFolder(path_.parent_path())) return;
    file_.open(path_, std::ios::out | mode);
}

void HistoryLog::Emit(const std::string& line, bool toFile, bool toWindow) {
    if (toFile) {
        file_ << line << '\n';
        file_.flush();
        file_.clear();  // a failed write is ignored; later ones are tried again
    }
    if (toWindow) lines_.push_back(line);
}

void HistoryLog::Record(std::string_view expression, std::string_view result,
                        const std::vector<std::string>& variableLines) {
    const bool toFile = options_.SaveHistory && file_.is_open();
    const bool toWindow = windowOpen_;
    if (!toFile && !toWindow) return;
    const std::string line = options_.Mode == HistoryMode::Results
                                 ? std::string(result)
                                 : std::string(expression) + " = " + std::string(result);
    Emit(line, toFile, toWindow);
    if (options_.Mode == HistoryMode::ExpressionsVariablesResults && !variableLines.empty()) {
        for (const std::string& variable : variableLines) Emit(variable, toFile, toWindow);
        Emit("", toFile, toWindow);
    }
    if (toWindow) Changed();
}

void HistoryLog::RecordCalculation(const Calculator& calculator, std::string_view expression,
                                   std::string_view result) {
    Record(expression, result, calculator.UsedVariableLines());
}

void HistoryLog::AddWindowLine(std::string_view line) {
    if (!windowOpen_) return;
    lines_.emplace_back(line);
    Changed();
}

void HistoryLog::Clear() {
    OpenFile(std::ios::trunc);
    if (!options_.SaveHistory) file_.close();
    lines_.clear();
    Changed();
}

void HistoryLog::SetWindowOpen(bool open) {
    if (windowOpen_ == open) return;
    windowOpen_ = open;
    if (!open) lines_.clear();
}

void HistoryLog::Changed() {
    if (changed_) changed_();
}

}  // namespace tarvix
