// Small text helpers of the task language: blanks and tabs, outer
// parentheses, words and characters found outside double quotes, and lists
// split at their top-level separators.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

inline bool IsTaskBlank(char c) {
    return c == ' ' || c == '\t';
}
inline bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool IsIdentifierChar(char c) {
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

// The text without leading and trailing blanks and tabs.
std::string_view TrimTask(std::string_view text);
// The text without any blank or tab.
std::string RemoveBlanksAndTabs(std::string_view text);
// "(text)" becomes "text" when the text starts with "(" and ends with ")";
// anything else is returned unchanged.
std::string_view StripOuterParentheses(std::string_view text);

// Position of the first `c` outside double quotes; npos when there is none.
std::size_t FindOutsideQuotes(std::string_view text, char c, std::size_t from = 0);
// Position of the first `text` (any ASCII case) outside double quotes.
std::size_t FindTextOutsideQuotes(std::string_view text, std::string_view what,
                                  std::size_t from = 0);
// Position of `word` (any ASCII case) standing as a whole word outside double
// quotes: no letter, digit or "_" touches it on either side.
std::size_t FindWordOutsideQuotes(std::string_view text, std::string_view word,
                                  std::size_t from = 0);

// The parts between the separators (an empty text gives one empty part).
std::vector<std::string> SplitList(std::string_view text, char separator);

// The parts of a list separated by `separator` at the top level: outside
// double quotes and outside parentheses. An empty text gives no parts.
std::vector<std::string> SplitTopLevel(std::string_view text, char separator);

// The text with every whole identifier `name` (any ASCII case) replaced by
// `replacement`; an identifier is a run of letters, digits and "_".
std::string ReplaceIdentifier(std::string_view text, std::string_view name,
                              std::string_view replacement);

}  // namespace tarvix
