// The statements of the task language: the keyword table (the position is
// the statement's code), the help topic of each statement and the
// recognition of a statement by its leading letters.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarvix {

enum class StatementCode : std::uint8_t {
    None,  // an expression statement
    Begin,
    If,
    Else,
    Endif,
    For,
    Next,
    Repeat,
    Until,
    While,
    Loop,
    Break,
    Continue,
    Goto,
    Label,
    Sub,
    Gosub,
    Return,
    Def,
    Result,
    EndDef,
    Call,
    Exit,
    Open,
    Close,
    Delay,
    Keybd,
    Input,
    Data,
    Vector,
    Interp,
    Enter,
    Help,
    Print,
    Plot,
    Msg,
    Reset,
    Clear,
    Mode,
    Equ,
    Cls,
    Copy,
    Pause,
    End,
};

inline constexpr int kStatementCount = 44;

struct Keyword {
    std::string_view Word;  // as the table stores it ("EndDef", "Vector")
    StatementCode Code;
    int HelpContext;  // the statement's help topic (0: none)
};

// The whole table in code order.
const Keyword& KeywordOf(StatementCode code);

struct RecognizedStatement {
    StatementCode Code = StatementCode::None;
    // Where the statement's arguments start: after the keyword (or the
    // label's colon) and the blanks before it; 0 for an expression.
    std::size_t KeywordLength = 0;
};

// A statement (leading blanks dropped): a leading ":" makes a label line;
// otherwise its leading run of letters A–Z in any case (digits end it) is looked up in
// the keyword table, and anything else is an expression statement. So
// "Data1=5" is DATA, "Printer=5" and "x=5" are expressions.
RecognizedStatement RecognizeStatement(std::string_view statement);

}  // namespace tarvix
