// The calculation history: the lines of the history window and the history
// file ($XDG_DATA_HOME/tarvix/tarvix.log), fed by each successful calculation
// in one of three recording modes.
//
// The window's lines are collected only while the window is open; closing it
// forgets them (the file keeps its own). All errors of the history file are
// ignored: recording in the window goes on.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/xdg_paths.h"

namespace tarvix {

class Calculator;

enum class HistoryMode : std::uint8_t {
    Results,                      // the result only
    ExpressionsResults,           // "expression = result"
    ExpressionsVariablesResults,  // as above, then the variables the expression used
};

struct HistoryOptions {
    bool SaveHistory = false;  // write the history file
    bool ClearOnStart = true;  // empty the file at every start
    HistoryMode Mode = HistoryMode::ExpressionsResults;
    bool AdjustWindowWidth = true;  // the window widens to show its last line
};

// The history window's placement and font, kept in the settings.
struct HistoryWindowState {
    std::optional<std::int64_t> Left;  // missing: centred
    std::optional<std::int64_t> Top;
    int Width = 0;
    int Height = 0;
    int WindowState = 0;  // 0 normal, 1 minimised, 2 maximised
    std::string FontName;
    int FontSize = 0;
    int FontStyle = 0;           // bits: 1 bold, 2 italic, 4 underline, 8 strike-out
    std::int64_t FontColor = 0;  // settings_color.h
};

// $XDG_DATA_HOME/tarvix/tarvix.log (empty when no folder is known).
std::filesystem::path HistoryFilePath(const XdgEnvironment& environment);

class HistoryLog {
public:
    // Options and window state start with the settings' defaults.
    explicit HistoryLog(std::filesystem::path file = {});
    HistoryLog(const HistoryLog&) = delete;
    HistoryLog& operator=(const HistoryLog&) = delete;

    const std::filesystem::path& FilePath() const { return path_; }

    const HistoryOptions& Options() const { return options_; }
    // Switching SaveHistory on while running opens the file for appending;
    // switching it off closes it.
    void SetOptions(const HistoryOptions& options);
    void SetMode(HistoryMode mode);

    // At start: with SaveHistory on the file is opened, emptied when
    // ClearOnStart is on, else appended to (created when missing).
    void Start();
    bool FileOpen() const { return file_.is_open(); }

    // One calculation: the input line's text, the display text without its
    // surrounding blanks, and the " name=value" lines of the variables the
    // expression used (Ans left out).
    void Record(std::string_view expression, std::string_view result,
                const std::vector<std::string>& variableLines);
    // The same with the variable lines of the calculator's last expression.
    void RecordCalculation(const Calculator& calculator, std::string_view expression,
                           std::string_view result);
    // A line written by another window; only the open history window shows it.
    void AddWindowLine(std::string_view line);
    // "Vymazat": the file is emptied (created anew; closed again when
    // SaveHistory is off) and the window's lines are dropped.
    void Clear();

    bool WindowOpen() const { return windowOpen_; }
    void SetWindowOpen(bool open);
    const std::vector<std::string>& WindowLines() const { return lines_; }
    HistoryWindowState& Window() { return window_; }
    const HistoryWindowState& Window() const { return window_; }
    // Called whenever the window's lines change.
    void SetChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

private:
    void OpenFile(std::ios::openmode mode);
    void Emit(const std::string& line, bool toFile, bool toWindow);
    void Changed();

    std::filesystem::path path_;
    HistoryOptions options_;
    HistoryWindowState window_;
    std::ofstream file_;
    bool windowOpen_ = false;
    std::vector<std::string> lines_;
    std::function<void()> changed_;
};

}  // namespace tarvix
