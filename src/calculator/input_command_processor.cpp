// The input-line command processor: RUN, DEFSEQ, UNDEFSEQ, DEFVAR, "@r=",
// "#r=" and assignments, carried out on the calculator.
#include <cmath>

#include "calculator/calculator.h"
#include "calculator/expression_probe.h"
#include "calculator/value_text.h"
#include "calculator/word_operators.h"
#include "engine/name_utils.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {
namespace {

constexpr int kSequenceHelpContext = 12;
constexpr int kVariablesHelpContext = 17;
constexpr int kSyntaxHelpContext = 11;

std::string_view CharText(const char& c) {
    return std::string_view(&c, 1);
}

// Row and column of CELL(row;column): each part a value, truncated.
int CellIndex(std::string_view text, TParser& parser) {
    try {
        return static_cast<int>(truncl(ParseValueText(text, parser).Re));
    } catch (const std::exception&) {
        return 0;  // outside the grid: the assignment ignores it
    }
}

}  // namespace

bool Calculator::ProcessInputCommand(std::string& text) {
    target_.clear();
    cellRow_ = cellColumn_ = 0;
    if (CheckBrackets(BoxId::Input)) return false;
    const InputCommand command = ParseInputCommand(text);
    switch (command.Kind) {
        case InputCommandKind::None:
            break;
        case InputCommandKind::RunTask:
            input_ = command.Name;
            hooks_->RunTask(command.Name);
            return false;
        case InputCommandKind::DefineSequence:
            DefineSequence(command.Character, command.Substitute);
            return false;
        case InputCommandKind::UndefineSequence:
            UndefineSequence(command.Character);
            return false;
        case InputCommandKind::DefineVariable:
            DefineVariable(command.Name);
            return false;
        case InputCommandKind::RenameRegister:
            RenameRegister(command.Register, command.Name);
            return false;
        case InputCommandKind::SetRegisterBox:
            SetBoxByCommand(command.Register, command.Text);
            return false;
        case InputCommandKind::Assignment:
            if (!BeginAssignment(command)) return false;
            text = command.Text;
            break;
    }
    text = ConvertSeparators(text);
    return true;
}

void Calculator::DefineSequence(char c, char substitute) {
    if (substitute == c) {
        if (std::optional<char> old = sequences_.Remove(c)) {
            ShowText(calcmsg::SequenceReplacedRemoved, {CharText(c), CharText(c), CharText(*old)},
                     MessageKind::Information, kOkButton, kSequenceHelpContext);
        }
        return;
    }
    if (ShowText(calcmsg::SequenceDefineQuestion, {CharText(c), CharText(c), CharText(substitute)},
                 MessageKind::Confirmation, kYesNoCancelButtons,
                 kSequenceHelpContext) == ModalResult::Yes) {
        sequences_.Define(c, substitute);
    }
}

void Calculator::UndefineSequence(char c) {
    sequences_.Remove(c);
    ShowText(calcmsg::SequenceRemoved, {CharText(c), CharText(c)}, MessageKind::Information,
             kOkButton, kSequenceHelpContext);
}

void Calculator::DefineVariable(const std::string& name) {
    if (!IsValidIdentifier(name)) {
        ShowText(calcmsg::InvalidIdentifier, {name}, MessageKind::Error, kCancelHelpButtons,
                 kVariablesHelpContext);
        return;
    }
    if (parser_.VariableExists(name)) {
        ShowText(calcmsg::VariableExists, {name}, MessageKind::Error, kCancelButton,
                 kVariablesHelpContext);
        return;
    }
    parser_.SetVariable(name, {});
    ShowText(calcmsg::VariableRegistered, {name}, MessageKind::Information, kOkButton,
             kVariablesHelpContext);
}

void Calculator::RenameRegister(BoxId box, const std::string& name) {
    if (!IsValidIdentifier(name)) {
        ShowText(calcmsg::InvalidIdentifier, {name}, MessageKind::Error, kCancelHelpButtons,
                 kVariablesHelpContext);
        return;
    }
    Register& reg = registers_[box];
    if (parser_.VariableExists(reg.Label)) parser_.DeleteVariable(reg.Label);
    reg.Label = name;
    ComplexValue value{};
    try {
        value = ParseValueText(reg.Box, parser_);
    } catch (const std::exception&) {
        // A box that does not convert gives 0, as when the registers are loaded.
    }
    parser_.SetVariable(name, value);
    if (origin_ != CalcOrigin::LibraryUse) {
        ShowText(calcmsg::VariableRegistered, {name}, MessageKind::Information, kOkButton,
                 kVariablesHelpContext);
    }
}

void Calculator::SetBoxByCommand(BoxId box, const std::string& text) {
    registers_[box].Box = text;
    if ((box != BoxId::X && box != BoxId::Y) || !IsRangeText(text)) return;
    const RangeTexts range = SplitRange(text);
    try {
        ExpressionProbe probe(parser_);
        for (const std::string* part : {&range.Low, &range.High, &range.Step}) {
            if (part->empty()) Raise<ESyntaxError>(msg::Parse, {}, kSyntaxHelpContext);
            probe.Compile(RemoveBlanksKeepingWordOperators(ConvertSeparators(*part)));
        }
    } catch (const EMathParserError&) {
        view_->FocusBox(box, TextSelection::All());
        throw;
    }
}

bool Calculator::BeginAssignment(const InputCommand& command) {
    const std::string& name = command.Name;
    if (!IsValidIdentifier(name)) {
        ShowText(calcmsg::InvalidIdentifier, {name}, MessageKind::Error, kCancelHelpButtons,
                 kVariablesHelpContext);
        return false;
    }
    if (!parser_.VariableExists(name)) {
        if (!parser_.AutoRegisterVar()) {
            ShowText(calcmsg::VariableNotDefined, {name}, MessageKind::Error, kCancelHelpButtons,
                     kVariablesHelpContext);
            return false;
        }
        parser_.SetVariable(name, {});
    }
    target_ = name;
    if (EqualsNoCase(name, "CELL") && hooks_->WorksheetOpen()) {
        std::string_view args = command.TargetArguments;
        std::size_t semicolon = args.find(';');
        cellRow_ = CellIndex(args.substr(0, semicolon), parser_);
        cellColumn_ = semicolon == std::string_view::npos
                          ? 0
                          : CellIndex(args.substr(semicolon + 1), parser_);
    }
    return true;
}

}  // namespace tarvix
