// Recognising the commands of the input line (RUN, DEFSEQ, UNDEFSEQ, DEFVAR,
// "@r=", "#r=", assignments) and the text preparations of the calculation
// command. Pure functions of the text; the calculator carries them out.
#pragma once

#include "engine/input_text.h"  // ConvertSeparators, used with the commands

#include <cstdint>
#include <string>
#include <string_view>

#include "calculator/registers.h"

namespace tarvix {

enum class InputCommandKind : std::uint8_t {
    None,              // an expression to calculate
    RunTask,           // RUN(name) or RUN name
    DefineSequence,    // DEFSEQ cc s
    UndefineSequence,  // UNDEFSEQ c
    DefineVariable,    // DEFVAR name
    RenameRegister,    // @r=name
    SetRegisterBox,    // #r=text
    Assignment,        // name=expression
};

struct InputCommand {
    InputCommandKind Kind = InputCommandKind::None;
    // The task, the variable to define, the register's new name or the
    // assignment's target (the text before the "=", and before a "(").
    std::string Name;
    // The register box's text, or the assigned expression (trimmed).
    std::string Text;
    BoxId Register = BoxId::X;
    char Character = 0;   // the sequence character c
    char Substitute = 0;  // its substitute s
    // A target with brackets, such as CELL(2;3)=…: the text between them.
    std::string TargetArguments;
};

// Recognises a command in the order the processor tries them; the text is the
// trimmed input after any quoted description. Keywords are read in any case.
// - "RUN(" or "RUN " and more: the task name is the rest without a closing
//   bracket, trimmed (RUN(name) runs "name");
// - "DEFSEQ " c c " " s, 11 characters in all;
// - "UNDEFSEQ " c, 10 characters in all;
// - "DEFVAR " and a name (trimmed; may be empty or invalid, the caller checks);
// - "@" r "=" name with r one of 1 … 8, X, Y, A … F and more than 3 characters;
// - "#" r "=" text;
// - an assignment: more than 2 characters, an "=" and no ":::".
InputCommand ParseInputCommand(std::string_view text);

// The input text without a quoted description: everything up to and including
// the last double quote is dropped, and the rest trimmed.
std::string_view StripDescription(std::string_view input);


// A register range "low..high:step" split into its trimmed parts; a part that
// is missing is empty.
struct RangeTexts {
    std::string Low;
    std::string High;
    std::string Step;
};
bool IsRangeText(std::string_view text);
RangeTexts SplitRange(std::string_view text);

}  // namespace tarvix
