// The task output window's logic without the window: the file name its save
// dialog proposes, the status bar's caret text, and the saved text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

// The caption's text after its first "-", trimmed, with ".txt" ("Tarvix -
// Kvadratická rovnice" gives "Kvadratická rovnice.txt"); characters a file
// name cannot hold become "_"; empty when nothing is left.
std::string ProposedOutputFileName(std::string_view caption);

// The pattern "Řádek: %3d   Sloupec: %3d" with the caret's 1-based line and
// column, each right-aligned in three places.
std::string OutputPositionText(std::string_view pattern, int line, int column);

// The lines as plain text, each ended by a line feed.
std::string OutputFileText(const std::vector<std::string>& lines);

}  // namespace tarvix
