// The matrix worksheet's settings: the placement of the worksheet window
// (section GemForm), of its variant window (section GemVForm) and the
// recent worksheet files (section HistoryList), between Settings and the
// main window, which keeps them while the program runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "storage/settings_store.h"

namespace tarvix {

// Window states as the settings file writes them.
inline constexpr int kWindowNormal = 0;
inline constexpr int kWindowMinimized = 1;
inline constexpr int kWindowMaximized = 2;

struct GemFormPlacement {
    std::optional<std::int64_t> Left;  // nothing: centred
    std::optional<std::int64_t> Top;
    int Width = 650;
    int Width1 = 450;  // width of the left grid panel
    int RWidth = 120;  // width of the right grid's columns
    int Height = 271;
    int Height1 = 146;  // height of the grid area
    int WindowState = kWindowNormal;
};

struct GemVFormPlacement {
    std::optional<std::int64_t> Left;
    std::optional<std::int64_t> Top;
    int Width = 600;
    int Width1 = 300;  // width of the variants grid
    int Height = 250;
    int LUpDown = 50;
    int RUpDown = 50;
    int WindowState = kWindowNormal;
};

GemFormPlacement ReadGemFormPlacement(const Settings& settings);
void WriteGemFormPlacement(const GemFormPlacement& placement, Settings& settings);

GemVFormPlacement ReadGemVFormPlacement(const Settings& settings);
void WriteGemVFormPlacement(const GemVFormPlacement& placement, Settings& settings);

// The recent worksheet files, newest first.
std::vector<std::string> ReadRecentWorksheets(const Settings& settings);
void WriteRecentWorksheets(const std::vector<std::string>& files, Settings& settings);

}  // namespace tarvix
