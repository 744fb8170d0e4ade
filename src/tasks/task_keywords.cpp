// The keyword table of the task language and the recognition of statements.
#include "tasks/task_keywords.h"

#include <array>

#include "engine/name_utils.h"
#include "tasks/task_text.h"

namespace tarvix {
namespace {

using S = StatementCode;

// Help topics of the statement families.
constexpr int kIfHelp = 511, kForHelp = 512, kWhileHelp = 513, kRepeatHelp = 514, kBreakHelp = 515,
              kGotoHelp = 516, kSubHelp = 517, kDefHelp = 518, kExitHelp = 519, kOpenHelp = 520,
              kDelayHelp = 521, kKeybdHelp = 522, kInputHelp = 523, kPrintHelp = 524,
              kPlotHelp = 527, kMsgHelp = 528, kResetHelp = 529, kModeHelp = 530, kPauseHelp = 531,
              kBeginHelp = 532, kDataHelp = 533, kEnterHelp = 534, kHelpHelp = 535, kCopyHelp = 536,
              kEquHelp = 204;

constexpr std::array<Keyword, kStatementCount> kKeywords = {{
    {"None", S::None, 0},
    {"Begin", S::Begin, kBeginHelp},
    {"If", S::If, kIfHelp},
    {"Else", S::Else, kIfHelp},
    {"Endif", S::Endif, kIfHelp},
    {"For", S::For, kForHelp},
    {"Next", S::Next, kForHelp},
    {"Repeat", S::Repeat, kRepeatHelp},
    {"Until", S::Until, kRepeatHelp},
    {"While", S::While, kWhileHelp},
    {"Loop", S::Loop, kWhileHelp},
    {"Break", S::Break, kBreakHelp},
    {"Continue", S::Continue, kBreakHelp},
    {"Goto", S::Goto, kGotoHelp},
    {"Label", S::Label, kGotoHelp},
    {"Sub", S::Sub, kSubHelp},
    {"Gosub", S::Gosub, kSubHelp},
    {"Return", S::Return, kSubHelp},
    {"Def", S::Def, kDefHelp},
    {"Result", S::Result, kDefHelp},
    {"EndDef", S::EndDef, kDefHelp},
    {"Call", S::Call, kDefHelp},
    {"Exit", S::Exit, kExitHelp},
    {"Open", S::Open, kOpenHelp},
    {"Close", S::Close, kOpenHelp},
    {"Delay", S::Delay, kDelayHelp},
    {"Keybd", S::Keybd, kKeybdHelp},
    {"Input", S::Input, kInputHelp},
    {"Data", S::Data, kDataHelp},
    {"Vector", S::Vector, 0},
    {"Interp", S::Interp, 0},
    {"Enter", S::Enter, kEnterHelp},
    {"Help", S::Help, kHelpHelp},
    {"Print", S::Print, kPrintHelp},
    {"Plot", S::Plot, kPlotHelp},
    {"Msg", S::Msg, kMsgHelp},
    {"Reset", S::Reset, kResetHelp},
    {"Clear", S::Clear, kResetHelp},
    {"Mode", S::Mode, kModeHelp},
    {"Equ", S::Equ, kEquHelp},
    {"Cls", S::Cls, kPrintHelp},
    {"Copy", S::Copy, kCopyHelp},
    {"Pause", S::Pause, kPauseHelp},
    {"End", S::End, kBeginHelp},
}};

constexpr bool TableFollowsCodes() {
    for (std::size_t i = 0; i < kKeywords.size(); ++i) {
        if (static_cast<std::size_t>(kKeywords[i].Code) != i) return false;
    }
    return true;
}
static_assert(TableFollowsCodes(), "the keyword table is ordered by statement code");

}  // namespace

const Keyword& KeywordOf(StatementCode code) {
    return kKeywords[static_cast<std::size_t>(code)];
}

RecognizedStatement RecognizeStatement(std::string_view statement) {
    std::size_t start = 0;
    while (start < statement.size() && IsTaskBlank(statement[start])) ++start;
    if (start == statement.size()) return {};
    if (statement[start] == ':') return {S::Label, start + 1};
    std::size_t end = start;
    while (end < statement.size() && IsAsciiLetter(statement[end])) ++end;
    if (end == start) return {};
    const std::string_view word = statement.substr(start, end - start);
    // Index 0 ("None") is the expression statement's name, never a keyword.
    for (std::size_t i = 1; i < kKeywords.size(); ++i) {
        if (EqualsNoCase(word, kKeywords[i].Word)) return {kKeywords[i].Code, end};
    }
    return {};
}

}  // namespace tarvix
