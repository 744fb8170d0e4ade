// The lists of recent texts: the history of every combo box (input line,
// register boxes) and the recent results behind the display's hint.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

// Records a text in a combo box's history list: a text already in the list
// (exact match) moves to the top; otherwise, when the list has reached the
// limit, the last entry is dropped, and the text is inserted at the top. An
// empty text is not recorded. A limit below 1 keeps one entry.
void AddToHistory(std::vector<std::string>& list, std::string_view text, int limit);

// Puts a text at the head of a list of recent results: at the limit the
// oldest is dropped first; repeated texts are kept (each result counts).
void AddRecentResult(std::vector<std::string>& list, std::string_view text, int limit);

// The entries one per line ("\n" between them), as the hints show them.
std::string JoinLines(const std::vector<std::string>& list);

}  // namespace tarvix
