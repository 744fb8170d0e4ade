// Where the help opens: the page and anchor of every help-context number the
// program attaches to its messages and windows, of every window (F1), and of
// every task statement keyword (Alt+F1 in the task editor). The pages are the
// same files in every language's help collection, so one table serves all.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tarvix {

// A page of the help collection and an anchor on it (empty: the page's top).
struct HelpTopic {
    std::string_view Page;
    std::string_view Anchor;

    friend bool operator==(const HelpTopic&, const HelpTopic&) = default;
};

struct HelpContextRow {
    int Context;
    HelpTopic Topic;
};

struct HelpKeywordRow {
    std::string_view Keyword;  // upper case
    HelpTopic Topic;
};

// The contents page: what the help opens at without a topic.
inline constexpr HelpTopic kHelpContentsTopic{"index.html", ""};

// Every help-context number used by the program, in ascending order.
std::span<const HelpContextRow> HelpContextTable();
// The task statement keywords, including the words inside statements (THEN,
// TO, STEP, AS) and the statements without a number of their own.
std::span<const HelpKeywordRow> HelpKeywordTable();

// The topic of a help context; nothing for 0 and for an unknown number.
std::optional<HelpTopic> TopicOfContext(int context);
// The topic of a task statement keyword in any case; nothing for another word.
std::optional<HelpTopic> TopicOfKeyword(std::string_view word);
// The word of a task line at `caret` (a position in `line`, at or just
// after the word): letters, digits and underscores; empty when there is none.
std::string_view WordAt(std::string_view line, std::size_t caret);
// The topic for Alt+F1 at `caret` in a line of a task: the keyword under the
// caret, else the statement the line begins with (a variable inside a FOR
// line gives FOR); nothing for an expression line.
std::optional<HelpTopic> TopicAtCaret(std::string_view line, std::size_t caret);
// The topic the task statement HELP(topic) names: a help-context number or a
// keyword (blanks around it ignored); nothing when it is neither.
std::optional<HelpTopic> TopicOfText(std::string_view text);

}  // namespace tarvix
