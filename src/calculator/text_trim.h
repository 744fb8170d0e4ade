// Removing the blanks around a text, as the calculator's texts are read.
#pragma once

#include <string_view>

namespace tarvix {

// The text without leading and trailing blanks (only " " counts as a blank).
inline std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace tarvix
