// The register commands of the calculator: loading the registers, the
// renaming mode, Clear, Reset, the description of a variable and the hints.
#include "calculator/calculator.h"
#include "calculator/history_list.h"
#include "calculator/registers.h"
#include "calculator/text_trim.h"
#include "calculator/value_text.h"
#include "engine/name_utils.h"

namespace tarvix {
namespace {

constexpr int kVariablesHelpContext = 17;
constexpr int kResetHelpContext = 11;
// What "&Popisek" proposes for a variable without a description.
constexpr std::string_view kEmptyVarInfo = " []";

}  // namespace

void Calculator::SetRegisterBox(BoxId box, std::string_view text) {
    Register& reg = registers_[box];
    reg.Box = text;
    if (renaming_ && IsValidIdentifier(text)) reg.Label = text;
}

void Calculator::SetRegisterLabel(BoxId box, std::string_view name) {
    registers_[box].Label = name;
}

void Calculator::RegisterBoxLeft(BoxId box) {
    if (renaming_ || box == BoxId::Input) return;
    Register& reg = registers_[box];
    if (reg.Box.empty()) reg.Box = "0";
    AddToHistory(reg.History, reg.Box, options_.InputHistoryLimit);
}

void Calculator::LoadRegisters(bool zeroAll) {
    registers_.RecordHistories(options_.InputHistoryLimit);
    for (BoxId id : kRegisterLoadOrder) {
        Register& reg = registers_[id];
        if (zeroAll || reg.Box.empty()) reg.Box = "0";
    }
    for (BoxId id : kRegisterLoadOrder) {
        const Register& reg = registers_[id];
        ComplexValue value{};
        try {
            value = ParseValueText(reg.Box, parser_);
        } catch (const std::exception&) {
            // Not reported: the calculation command checks the boxes itself.
        }
        try {
            parser_.SetVariable(reg.Label, value);
        } catch (const std::exception&) {
            // A label that is no identifier names no variable.
        }
    }
    hooks_->RefreshVariableList();
}

void Calculator::ToggleRenaming(std::optional<BoxId> sender) {
    if (!renaming_) {
        registers_.RecordHistories(options_.InputHistoryLimit);
        for (BoxId id : kRegisterSearchOrder) {
            const std::string& label = registers_[id].Label;
            if (parser_.VariableExists(label)) parser_.DeleteVariable(label);
        }
        renaming_ = true;
        for (BoxId id : kRegisterLoadOrder) {
            Register& reg = registers_[id];
            boxesBeforeRenaming_[static_cast<std::size_t>(id)] = reg.Box;
            reg.Box = reg.Label;
        }
    } else {
        for (BoxId id : kRegisterLoadOrder) {
            registers_[id].Box = boxesBeforeRenaming_[static_cast<std::size_t>(id)];
        }
        LoadRegisters(false);
        renaming_ = false;
    }
    view_->FocusBox(sender.value_or(BoxId::X), TextSelection::All());
    hooks_->RefreshVarLabels();
}

void Calculator::Clear(bool fromUser) {
    if (fromUser && options_.AskForClear &&
        ShowText(calcmsg::ClearQuestion, {}, MessageKind::Confirmation, kYesNoCancelButtons,
                 kVariablesHelpContext) != ModalResult::Yes)
        return;
    registers_.RecordHistories(options_.InputHistoryLimit);
    for (BoxId id : kRegisterLoadOrder) registers_[id].Box = "0";
    const VariableTable& table = parser_.Variables();
    for (std::size_t i = 0; i < table.Count(); ++i) *table.SlotAt(i) = ComplexValue{};
    ShowDisplayText("0 ", true);
    hooks_->RefreshVariableList();
    view_->FocusBox(BoxId::X, TextSelection::All());
}

void Calculator::Reset(bool fromUser) {
    if (fromUser && options_.AskForReset &&
        ShowText(calcmsg::ResetQuestion, {}, MessageKind::Confirmation, kYesNoCancelButtons,
                 kResetHelpContext) != ModalResult::Yes)
        return;
    hooks_->ClearAllVectors();
    AddToHistory(inputHistory_, input_, options_.InputHistoryLimit);
    input_.clear();
    parser_.ClearVariables();
    parser_.SetVariable("Ans", {});
    parser_.ClearUsedVariables();
    parser_.ClearNewVariables();
    registers_.ResetLabels();
    LoadRegisters(true);
    ShowDisplayText("0 ", true);
    view_->FocusBox(BoxId::Input, TextSelection::All());
    hooks_->ResetDataFileName();
    hooks_->ClearStatistics();
    switches_.Modifiers = {};
    hooks_->ReleaseVat();
    hooks_->ClearMiniChart();
    hooks_->ClearSeries();
    varInfos_.Clear();
    hooks_->RefreshVariableList();
    hooks_->RefreshVarLabels();
}

void Calculator::EditDescription(BoxId box) {
    const std::string name = registers_[box].Label;
    const std::string current = varInfos_.Value(name).value_or(std::string(kEmptyVarInfo));
    std::optional<std::string> answer =
        dialogs_->AskText(texts_.Text(calcmsg::DescriptionCaption), name + " =", current);
    if (!answer) return;  // Cancel stores nothing
    varInfos_.Set(name, TrimBlanks(*answer));
    hooks_->RefreshVarLabels();
}

std::string Calculator::RegisterLabelHint(BoxId box, bool captionWider) const {
    const std::string& label = registers_[box].Label;
    std::string hint = captionWider ? label : texts_.Text(calcmsg::VariableNameHint);
    if (std::optional<std::string> info = varInfos_.Value(label)) {
        std::string value = *info;
        if (std::size_t brackets = value.find("[]"); brackets != std::string::npos) {
            value.erase(brackets, 2);
        }
        std::string_view trimmed = TrimBlanks(value);
        if (!trimmed.empty()) hint = label + " = " + std::string(trimmed);
    }
    return hint;
}

std::string Calculator::VariablesHint() const {
    return VariablesSummary(parser_, CurrentFormatOptions());
}

std::vector<std::string> Calculator::UsedVariableLines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < parser_.UsedVarCount(); ++i) {
        const std::string& name = parser_.UsedVariableName(i);
        if (IsAnsName(name)) continue;
        lines.push_back(" " + name + "=" +
                        std::string(TrimBlanks(FormatValue(parser_.GetVariable(name)))));
    }
    return lines;
}

}  // namespace tarvix
