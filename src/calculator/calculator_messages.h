// The calculator's own replaceable message texts (built-in Czech), keyed as in
// the language file's `Msg` section.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/parser_messages.h"

namespace tarvix {

// Keys of the calculator's messages.
namespace calcmsg {
// A degrees-minutes-seconds text that does not convert; "%s" is the text.
inline constexpr std::string_view NonConvertibleString = "Msg_NonConvertibleString";
// Shown instead of a hexadecimal, binary or octal text when the value has no
// 64-bit integer pattern (outside the signed 64-bit range, infinite or NaN).
inline constexpr std::string_view BaseRangeExceeded = "Msg_BaseRangeExceeded";

// Captions of the message box kinds (a blank goes in front when shown).
inline constexpr std::string_view CaptionWarning = "Msg_CaptionWarning";
inline constexpr std::string_view CaptionError = "Msg_CaptionError";
inline constexpr std::string_view CaptionInformation = "Msg_CaptionInformation";
inline constexpr std::string_view CaptionConfirmation = "Msg_CaptionConfirmation";
// Captions of the message box buttons.
inline constexpr std::string_view ButtonOk = "Msg_ButtonOk";
inline constexpr std::string_view ButtonCancel = "Msg_ButtonCancel";
inline constexpr std::string_view ButtonYes = "Msg_ButtonYes";
inline constexpr std::string_view ButtonNo = "Msg_ButtonNo";
inline constexpr std::string_view ButtonAbort = "Msg_ButtonAbort";
inline constexpr std::string_view ButtonRetry = "Msg_ButtonRetry";
inline constexpr std::string_view ButtonIgnore = "Msg_ButtonIgnore";
inline constexpr std::string_view ButtonAll = "Msg_ButtonAll";
inline constexpr std::string_view ButtonNoToAll = "Msg_ButtonNoToAll";
inline constexpr std::string_view ButtonYesToAll = "Msg_ButtonYesToAll";
inline constexpr std::string_view ButtonHelp = "Msg_ButtonHelp";

// The calculation command, its input-line commands and the registers; "%s"
// stands for a name or character, "%\ " for a line break.
inline constexpr std::string_view DuplicateVariable = "Msg_DuplicateVariable";
inline constexpr std::string_view InvalidIdentifier = "Msg_InvalidIdentifier";
inline constexpr std::string_view VariableExists = "Msg_VariableExists";
inline constexpr std::string_view VariableRegistered = "Msg_VariableRegistered";
inline constexpr std::string_view VariableNotDefined = "Msg_VariableNotDefined";
inline constexpr std::string_view NewVariablesQuestion = "Msg_NewVariablesQuestion";
inline constexpr std::string_view SequenceDefineQuestion = "Msg_SequenceDefineQuestion";
inline constexpr std::string_view SequenceReplacedRemoved = "Msg_SequenceReplacedRemoved";
inline constexpr std::string_view SequenceRemoved = "Msg_SequenceRemoved";
inline constexpr std::string_view ClearQuestion = "Msg_ClearQuestion";
inline constexpr std::string_view ResetQuestion = "Msg_ResetQuestion";
inline constexpr std::string_view ApplyVariablesQuestion = "Msg_ApplyVariablesQuestion";
inline constexpr std::string_view DescriptionCaption = "Msg_DescriptionCaption";
inline constexpr std::string_view VariableNameHint = "Msg_VariableNameHint";
}  // namespace calcmsg

// A table of the calculator's messages. Every text is replaceable by key; keys
// compare without regard to ASCII case. The owner (the main window's model)
// keeps one table and hands the language loader's texts to it.
class CalculatorMessageTable : public MessageTable {
public:
    CalculatorMessageTable();
};

// An unchangeable table holding the built-in texts, used where no table is given.
const CalculatorMessageTable& BuiltInCalculatorMessages();

}  // namespace tarvix
