// Reading and writing the LogFile and LogForm sections.
#include "storage/history_settings.h"

#include <array>
#include <string_view>
#include <utility>

namespace tarvix {
namespace {

constexpr std::string_view kLogFile = "LogFile";
constexpr std::string_view kLogForm = "LogForm";

// The mode keys in their order of precedence.
constexpr std::array<std::pair<HistoryMode, std::string_view>, 3> kModeKeys = {{
    {HistoryMode::Results, "Results"},
    {HistoryMode::ExpressionsVariablesResults, "Expressions_Variables_Results"},
    {HistoryMode::ExpressionsResults, "Expressions_Results"},
}};

}  // namespace

HistoryOptions ReadHistoryOptions(const Settings& settings) {
    HistoryOptions options;
    options.SaveHistory = settings.Bool(kLogFile, "SaveHistory");
    options.ClearOnStart = settings.Bool(kLogFile, "ClearOnStart");
    options.AdjustWindowWidth = settings.Bool(kLogFile, "AdjustWindowWidth");
    options.Mode = HistoryMode::ExpressionsResults;
    for (const auto& [mode, key] : kModeKeys) {
        if (settings.Bool(kLogFile, key)) {
            options.Mode = mode;
            break;
        }
    }
    return options;
}

void WriteHistoryOptions(const HistoryOptions& options, Settings& settings) {
    settings.SetBool(kLogFile, "SaveHistory", options.SaveHistory);
    settings.SetBool(kLogFile, "ClearOnStart", options.ClearOnStart);
    settings.SetBool(kLogFile, "AdjustWindowWidth", options.AdjustWindowWidth);
    for (const auto& [mode, key] : kModeKeys) settings.SetBool(kLogFile, key, options.Mode == mode);
}

HistoryWindowState ReadHistoryWindow(const Settings& settings) {
    HistoryWindowState window;
    window.Left = settings.OptionalInteger(kLogForm, "Left");
    window.Top = settings.OptionalInteger(kLogForm, "Top");
    window.Width = settings.Int(kLogForm, "Width");
    window.Height = settings.Int(kLogForm, "Height");
    window.WindowState = settings.Int(kLogForm, "WindowState");
    window.FontName = settings.String(kLogForm, "LogFormFontName");
    window.FontSize = settings.Int(kLogForm, "LogFormFontSize");
    window.FontStyle = settings.Int(kLogForm, "LogFormFontStyle");
    window.FontColor = settings.Integer(kLogForm, "LogFormFontColor");
    return window;
}

void WriteHistoryWindow(const HistoryWindowState& window, Settings& settings) {
    settings.SetOptionalInteger(kLogForm, "Left", window.Left);
    settings.SetOptionalInteger(kLogForm, "Top", window.Top);
    settings.SetInteger(kLogForm, "Width", window.Width);
    settings.SetInteger(kLogForm, "Height", window.Height);
    settings.SetInteger(kLogForm, "WindowState", window.WindowState);
    settings.SetString(kLogForm, "LogFormFontName", window.FontName);
    settings.SetInteger(kLogForm, "LogFormFontSize", window.FontSize);
    settings.SetInteger(kLogForm, "LogFormFontStyle", window.FontStyle);
    settings.SetInteger(kLogForm, "LogFormFontColor", window.FontColor);
}

}  // namespace tarvix
