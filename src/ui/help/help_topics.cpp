// The tables of help topics: help-context numbers and task keywords.
#include "ui/help/help_topics.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

namespace tarvix {
namespace {

// Every number a message, an exception or a window of the program carries.
// Several messages share a number; the topic explains what they have in common.
constexpr HelpContextRow kContexts[] = {
    {4, {"fourier.html", "samples"}},           // the number of Fourier samples
    {8, {"preferences.html", ""}},              // the preferences' "Nápověda"
    {10, {"shortcuts.html", ""}},               // "Klávesové zkratky"
    {11, {"expressions.html", "syntax"}},       // syntax, brackets, blanks, reset
    {12, {"expressions.html", "commands"}},     // DEFSEQ, UNDEFSEQ
    {13, {"expressions.html", "numbers"}},      // number texts, d:m:s, data cells
    {14, {"expressions.html", "bases"}},        // digits and range of hex, bin, oct
    {15, {"expressions.html", "complex"}},      // imaginary unit after a postfix
    {17, {"registers.html", "variables"}},      // names, registration, assignment
    {18, {"functions.html", "arithmetic"}},     // division by zero, div, mod
    {20, {"functions.html", "powers"}},         // power, factorial, binom, sign
    {21, {"functions.html", "trigonometric"}},  // range of sin, cos, tg
    {22, {"functions.html", "inverse-trigonometric"}},
    {23, {"functions.html", "hyperbolic"}},
    {24, {"functions.html", "inverse-hyperbolic"}},
    {26, {"functions.html", "logarithms"}},
    {27, {"functions.html", "rounding"}},
    {28, {"functions.html", "real-only"}},  // bits, deriv, integr, binom in cplx
    {32, {"unit_conversion.html", ""}},
    {33, {"series.html", ""}},  // series runs and their dialog
    {34, {"chart_examples.html", "expansion"}},
    {35, {"statistics.html", ""}},
    {36, {"regression.html", ""}},
    {41, {"chart.html", "files"}},              // x-y text files of the chart
    {43, {"library.html", "files"}},            // library files
    {103, {"files.html", "data-file"}},         // reading a data file
    {113, {"expressions.html", "complex"}},     // imaginary unit
    {201, {"task_equ.html", "singular"}},       // EQU: a singular system
    {203, {"worksheet.html", "cell"}},          // CELL and the worksheet
    {204, {"worksheet.html", "messages"}},      // worksheet errors, EQU errors
    {205, {"worksheet_output.html", "files"}},  // writing a result file
    {511, {"task_branches.html", "if"}},
    {512, {"task_loops.html", "for"}},
    {513, {"task_loops.html", "while"}},
    {514, {"task_loops.html", "repeat"}},
    {515, {"task_loops.html", "break"}},
    {516, {"task_branches.html", "goto"}},
    {517, {"task_subroutines.html", "gosub"}},
    {518, {"task_subroutines.html", "def"}},
    {519, {"task_subroutines.html", "exit"}},
    {520, {"task_files.html", "open"}},
    {521, {"task_windows.html", "delay"}},
    {522, {"task_windows.html", "keybd"}},
    {523, {"task_print.html", "input"}},
    {524, {"task_print.html", "print"}},
    {527, {"task_data.html", "plot"}},
    {528, {"task_print.html", "msg"}},
    {529, {"task_expressions.html", "reset"}},
    {530, {"task_expressions.html", "mode"}},
    {531, {"tasks.html", "pause"}},
    {532, {"tasks.html", "begin-end"}},
    {533, {"task_data.html", "data"}},
    {534, {"task_windows.html", "enter"}},
    {535, {"task_windows.html", "help"}},
    {536, {"task_windows.html", "copy"}},
    {10203, {"variants.html", "output"}},  // writing the variants' solutions
};

constexpr bool Ascending() {
    for (std::size_t i = 1; i < std::size(kContexts); ++i) {
        if (kContexts[i - 1].Context >= kContexts[i].Context) return false;
    }
    return true;
}
static_assert(Ascending(), "the help contexts are listed once each, in ascending order");

constexpr HelpTopic kIf{"task_branches.html", "if"};
constexpr HelpTopic kFor{"task_loops.html", "for"};
constexpr HelpTopic kWhile{"task_loops.html", "while"};
constexpr HelpTopic kRepeat{"task_loops.html", "repeat"};
constexpr HelpTopic kBreak{"task_loops.html", "break"};
constexpr HelpTopic kGoto{"task_branches.html", "goto"};
constexpr HelpTopic kGosub{"task_subroutines.html", "gosub"};
constexpr HelpTopic kDef{"task_subroutines.html", "def"};
constexpr HelpTopic kOpen{"task_files.html", "open"};
constexpr HelpTopic kPrint{"task_print.html", "print"};
constexpr HelpTopic kReset{"task_expressions.html", "reset"};
constexpr HelpTopic kBegin{"tasks.html", "begin-end"};

constexpr HelpKeywordRow kKeywords[] = {
    {"AS", kOpen},
    {"BEGIN", kBegin},
    {"BREAK", kBreak},
    {"CALL", kDef},
    {"CLEAR", kReset},
    {"CLOSE", kOpen},
    {"CLS", kPrint},
    {"CONTINUE", kBreak},
    {"COPY", {"task_windows.html", "copy"}},
    {"DATA", {"task_data.html", "data"}},
    {"DEF", kDef},
    {"DELAY", {"task_windows.html", "delay"}},
    {"ELSE", kIf},
    {"END", kBegin},
    {"ENDDEF", kDef},
    {"ENDIF", kIf},
    {"ENTER", {"task_windows.html", "enter"}},
    {"EQU", {"task_equ.html", ""}},
    {"EXIT", {"task_subroutines.html", "exit"}},
    {"FOR", kFor},
    {"GOSUB", kGosub},
    {"GOTO", kGoto},
    {"HELP", {"task_windows.html", "help"}},
    {"IF", kIf},
    {"INPUT", {"task_print.html", "input"}},
    {"INTERP", {"task_data.html", "interp"}},
    {"KEYBD", {"task_windows.html", "keybd"}},
    {"LABEL", kGoto},
    {"LOOP", kWhile},
    {"MODE", {"task_expressions.html", "mode"}},
    {"MSG", {"task_print.html", "msg"}},
    {"NEXT", kFor},
    {"NOTEOF", {"task_files.html", "noteof"}},
    {"OPEN", kOpen},
    {"PAUSE", {"tasks.html", "pause"}},
    {"PLOT", {"task_data.html", "plot"}},
    {"PRINT", kPrint},
    {"REPEAT", kRepeat},
    {"RESET", kReset},
    {"RESULT", kDef},
    {"RETURN", kGosub},
    {"STEP", kFor},
    {"SUB", kGosub},
    {"THEN", kIf},
    {"TO", kFor},
    {"UNTIL", kRepeat},
    {"VECTOR", {"task_data.html", "vector"}},
    {"WHILE", kWhile},
};

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsWordCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

}  // namespace

std::span<const HelpContextRow> HelpContextTable() {
    return kContexts;
}

std::span<const HelpKeywordRow> HelpKeywordTable() {
    return kKeywords;
}

std::optional<HelpTopic> TopicOfContext(int context) {
    const auto* found = std::lower_bound(
        std::begin(kContexts), std::end(kContexts), context,
        [](const HelpContextRow& row, int wanted) { return row.Context < wanted; });
    if (found == std::end(kContexts) || found->Context != context) return std::nullopt;
    return found->Topic;
}

std::optional<HelpTopic> TopicOfKeyword(std::string_view word) {
    word = Trimmed(word);
    std::string upper(word);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const HelpKeywordRow& row : kKeywords) {
        if (row.Keyword == upper) return row.Topic;
    }
    return std::nullopt;
}

std::string_view WordAt(std::string_view line, std::size_t caret) {
    caret = std::min(caret, line.size());
    // At the end of a word the caret stands after it.
    if ((caret == line.size() || !IsWordCharacter(line[caret])) && caret > 0 &&
        IsWordCharacter(line[caret - 1]))
        --caret;
    if (caret == line.size() || !IsWordCharacter(line[caret])) return {};
    std::size_t begin = caret;
    while (begin > 0 && IsWordCharacter(line[begin - 1])) --begin;
    std::size_t end = caret;
    while (end < line.size() && IsWordCharacter(line[end])) ++end;
    return line.substr(begin, end - begin);
}

std::optional<HelpTopic> TopicAtCaret(std::string_view line, std::size_t caret) {
    if (const std::optional<HelpTopic> topic = TopicOfKeyword(WordAt(line, caret))) return topic;
    // The statement of the line: its first word, as the interpreter reads
    // it ("print" is PRINT, "Data1" is DATA; "Printer" is no statement).
    const std::string_view trimmed = Trimmed(line);
    if (!trimmed.empty() && trimmed.front() == ':') return kGoto;  // a label line
    std::size_t letters = 0;
    while (letters < trimmed.size() && std::isalpha(static_cast<unsigned char>(trimmed[letters])))
        ++letters;
    const std::size_t wordEnd = trimmed.find_first_not_of(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_");
    const std::size_t wordLength = wordEnd == std::string_view::npos ? trimmed.size() : wordEnd;
    // Letters followed by digits only (DATA1) still name the statement.
    for (std::size_t i = letters; i < wordLength; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(trimmed[i]))) return std::nullopt;
    }
    const std::string_view word = trimmed.substr(0, letters);
    // OPEN and CLOSE with a bracket work with windows, with a file name or
    // "#n" with files.
    const std::string_view rest = Trimmed(trimmed.substr(letters));
    const std::optional<HelpTopic> topic = TopicOfKeyword(word);
    if (topic == kOpen && !rest.empty() && rest.front() == '(')
        return HelpTopic{"task_windows.html", "open"};
    return topic;
}

std::optional<HelpTopic> TopicOfText(std::string_view text) {
    text = Trimmed(text);
    int context = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), context);
    if (!text.empty() && error == std::errc() && end == text.data() + text.size())
        return TopicOfContext(context);
    return TopicOfKeyword(text);
}

}  // namespace tarvix
