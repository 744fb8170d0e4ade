// The settings of the expression library window (section ExprForm) and of
// its text search window (section FindForm, and the search texts of section
// FindCategory), between Settings and the windows: read when a window is
// created, written back when it closes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "storage/settings_store.h"

namespace tarvix {

struct ExprFormSettings {
    std::optional<std::int64_t> Left;  // nothing: centred
    std::optional<std::int64_t> Top;
    int Width = 660;
    int Width0 = 200;  // the tree ("Kategorie")
    int Width1 = 200;  // the comment column ("Komentář")
    int Width2 = 200;  // the expression column ("Výraz")
    int Height = 330;
    int Height1 = 156;  // the grid pane above the editor
    int WindowState = 0;
    // The editor pane's font; style bits 1 bold, 2 italic, 4 underline, 8 strike-out.
    std::string FontName = "Fixedsys";
    int FontSize = 10;
    int FontStyle = 0;
    std::string SelectedTreeNode;  // the selected category's name
    int SelectedGridRow = 0;
    int TopGridRow = 0;
    std::string LibraryFileName = "tarvix.exp";
    int ComboWidth = 162;  // the category search box
};

struct FindFormSettings {
    std::optional<std::int64_t> Left;
    std::optional<std::int64_t> Top;
    int Width = 400;
    int Width0 = 160;  // the header section "Kategorie"
    int Height = 300;
    int WindowState = 0;
};

ExprFormSettings ReadExprFormSettings(const Settings& settings);
void WriteExprFormSettings(const ExprFormSettings& values, Settings& settings);

FindFormSettings ReadFindFormSettings(const Settings& settings);
void WriteFindFormSettings(const FindFormSettings& values, Settings& settings);

// The search texts of the search window, newest first, and their limit (the
// limit of the main window's combo boxes).
std::vector<std::string> ReadFindHistory(const Settings& settings);
void WriteFindHistory(const std::vector<std::string>& history, Settings& settings);
int FindHistoryLimit(const Settings& settings);

}  // namespace tarvix
