// The calculation command: from the input line's text to the result on the
// display, in the order the main window runs it.
#include "calculator/calculator.h"
#include "calculator/check_brackets.h"
#include "calculator/eng_postfix.h"
#include "calculator/history_list.h"
#include "calculator/keypad_texts.h"
#include "calculator/text_trim.h"
#include "calculator/value_format.h"
#include "calculator/value_text.h"
#include "calculator/word_operators.h"
#include "engine/name_utils.h"
#include "engine/parser_messages.h"

namespace tarvix {
namespace {

constexpr int kVariablesHelpContext = 17;
constexpr int kBracketsHelpContext = 11;
// Registers filled by the new-variables question; beyond four the extra
// register panel is needed.
constexpr std::size_t kRegistersOnMainPanel = 4;

bool IsSeriesInput(std::string_view typed) {
    return typed.find("...") != std::string_view::npos ||
           typed.find(":::") != std::string_view::npos;
}

}  // namespace

CalcOutcome Calculator::Calculate(CalcOrigin origin) {
    try {
        return CalculateOrThrow(origin);
    } catch (const std::exception& e) {
        ReportError(e);
        return CalcOutcome::Failed;
    }
}

CalcOutcome Calculator::CalculateOrThrow(CalcOrigin origin) {
    origin_ = origin;
    struct OriginReset {
        CalcOrigin& origin;
        ~OriginReset() { origin = CalcOrigin::Button; }
    } originReset{origin_};

    if (renaming_) {
        ToggleRenaming();
        return CalcOutcome::Stopped;
    }
    RecordBoxHistories();
    if (!InTask() && !LabelsAreUnique()) return CalcOutcome::Stopped;
    hooks_->VatCalculation(*this);

    const std::string typed = input_;
    std::string text(StripDescription(typed));
    if (!ProcessInputCommand(text)) return CalcOutcome::Stopped;
    text = RemoveBlanksKeepingWordOperators(text);
    if (text.empty()) return CalcOutcome::Stopped;
    if (IsSeriesInput(typed) && !hooks_->PrepareSeries(typed, text)) return CalcOutcome::Stopped;

    SyncEvaluatorModes();
    // The used-variable list describes this calculation only (the history
    // lists its variables).
    parser_.ClearUsedVariables();
    try {
        parser_.SetExpression(text);
    } catch (const EMathParserError& e) {
        if (std::optional<BoxId> reg =
                target_.empty() ? std::nullopt : registers_.FindLabel(target_))
            registers_[*reg].Box = text;
        target_.clear();
        if (view_->IsActive()) view_->FocusBox(BoxId::Input, TextSelection::All());
        hooks_->CalculationCompileFailed(e);
        throw;
    }
    const int newVariables = parser_.NewVarCount();
    if (origin != CalcOrigin::LibraryUse) ConfirmNewVariables();

    bool evaluated = false;
    if (newVariables == 0) {
        const Register& x = registers_[BoxId::X];
        const bool xRangeUsed = parser_.IsUsedVariable(x.Label) && IsRangeText(x.Box);
        if (hooks_->BranchToSeries(*this, xRangeUsed)) {
            parser_.SetExpression("");
            target_.clear();
            return CalcOutcome::Stopped;
        }
        evaluated = ComputeAndShow();
    }
    target_.clear();
    hooks_->ClearSeries();
    if (evaluated) {
        // Only a fresh result reaches the statistics and the recent results.
        if (options_.EnterInsertsData) hooks_->AppendStatisticsData(Ans());
        view_->SelectFocusedText();
        AddResultHint(displayText_);
    }
    if (origin == CalcOrigin::ListBox) view_->FocusBox(BoxId::Input, TextSelection::All());
    hooks_->RefreshVariableList();
    if (evaluated) return CalcOutcome::Evaluated;
    return newVariables > 0 ? CalcOutcome::NewVariables : CalcOutcome::Stopped;
}

CalcOutcome Calculator::CalculateShowingHex() {
    CalcOutcome outcome = Calculate();
    if (outcome == CalcOutcome::Evaluated) {
        FormatOptions hex = CurrentFormatOptions();
        hex.Display.Base = nbHex;
        ShowDisplayText(FormatValueText(Ans(), hex), true);
    }
    return outcome;
}

CalcOutcome Calculator::EvaluateAppliedText(std::string_view appliedText) {
    input_ = appliedText;
    try {
        SyncEvaluatorModes();
        parser_.SetExpression(KeypadExpression(appliedText));
        if (!ComputeAndShow()) return CalcOutcome::Stopped;
    } catch (const std::exception& e) {
        ReportError(e);
        return CalcOutcome::Failed;
    }
    input_ = options_.UseNumberInsteadOfAns ? std::string(TrimBlanks(displayText_)) : "Ans";
    view_->FocusBox(BoxId::Input, TextSelection::All());
    AddResultHint(displayText_);
    return CalcOutcome::Evaluated;
}

bool Calculator::InputReadsAsValue() {
    const std::string_view text = TrimBlanks(input_);
    return IsValueText(text) || (!text.empty() && parser_.VariableExists(text));
}

bool Calculator::ComputeAndShow() {
    SyncEvaluatorModes();
    for (BoxId id : kRegisterLoadOrder) {
        const Register& reg = registers_[id];
        if (id == BoxId::Y && IsRangeText(reg.Box)) continue;
        if (CheckBrackets(id)) return false;
        parser_.SetVariable(reg.Label, ParseValueText(reg.Box, parser_));
    }
    view_->SelectFocusedText();
    std::optional<ComplexValue> sum = hooks_->EvaluateSeriesExpansion(parser_);
    const ComplexValue result = sum ? *sum : parser_.Evaluate();
    hooks_->ClearMiniChart();

    const FormatOptions format = CurrentFormatOptions();
    if (EqualsNoCase(target_, "CELL") && hooks_->WorksheetOpen()) {
        hooks_->AssignWorksheetCell(cellRow_, cellColumn_, FormatValueText(result, format));
    }
    if (!target_.empty()) {
        parser_.SetVariable(target_, result);
        // The box gets the "%g" text; the next calculation reloads the value from it.
        if (std::optional<BoxId> reg = registers_.FindLabel(target_)) {
            registers_[*reg].Box = RegisterValueText(result, format);
        }
        target_.clear();
    }
    ShowResult(result);
    parser_.SetVariable("ANS", result);
    resultShown_ = true;
    RecordBoxHistories();
    const std::string_view shown = TrimBlanks(displayText_);
    if (options_.CopyResultToClipboard) clipboard_->SetText(shown);
    hooks_->RecordCalculation(input_, shown);
    return true;
}

void Calculator::ShowResult(const ComplexValue& value) {
    if (switches_.Display.Format == NumberFormat::Eng) {
        switches_.Display.PostfixPosition = SelectEngPostfix(value, switches_.Scope);
    }
    ShowDisplayText(FormatValue(value), true);
}

void Calculator::ShowEvaluatedValue(const ComplexValue& value) {
    SyncEvaluatorModes();
    ShowResult(value);
    parser_.SetVariable("ANS", value);
    AddResultHint(displayText_);
}

bool Calculator::CheckBrackets(BoxId box) {
    const std::string& text = box == BoxId::Input ? input_ : registers_[box].Box;
    std::optional<BracketFault> fault = FindBracketFault(text);
    if (!fault) return false;
    const std::string_view key =
        fault->Kind == BracketFaultKind::Redundant ? msg::RedundantBrackets : msg::MissingBrackets;
    if (InTask()) Raise<EMissMatchingBracket>(key, {}, kBracketsHelpContext);
    if (view_->IsActive()) {
        view_->FocusBox(box, TextSelection{fault->Start, static_cast<long>(fault->Length)});
    }
    ShowMessageBox(ParserMessages().Text(key), MessageKind::Error, kCancelHelpButtons,
                   kBracketsHelpContext);
    return true;
}

void Calculator::RecordBoxHistories() {
    AddToHistory(inputHistory_, input_, options_.InputHistoryLimit);
    registers_.RecordHistories(options_.InputHistoryLimit);
}

bool Calculator::LabelsAreUnique() {
    std::optional<BoxId> duplicate = registers_.FirstDuplicateLabel();
    if (!duplicate) return true;
    if (IsExtraRegister(*duplicate)) view_->ShowExtraRegisters();
    view_->FocusBox(*duplicate, TextSelection::All());
    ShowText(calcmsg::DuplicateVariable, {registers_[*duplicate].Label}, MessageKind::Error,
             kCancelHelpButtons, kVariablesHelpContext);
    return false;
}

void Calculator::ConfirmNewVariables() {
    if (!parser_.AutoRegisterVar() || parser_.NewVarCount() == 0) return;
    NameList names;
    if (!target_.empty()) names.Add(target_);
    for (int i = 0; i < parser_.NewVarCount(); ++i) names.Add(parser_.NewVariableName(i));
    const std::string list = JoinLines(names.Names());
    if (ShowText(calcmsg::NewVariablesQuestion, {list}, MessageKind::Confirmation,
                 kYesNoCancelButtons, kVariablesHelpContext) != ModalResult::Yes)
        return;
    const std::size_t count = std::min(names.Count(), kRegisterCount);
    for (std::size_t i = 0; i < count; ++i) {
        Register& reg = registers_[kRegisterLoadOrder[i]];
        reg.Label = names.Names()[i];
        reg.Box = "0";
    }
    if (count > kRegistersOnMainPanel) view_->ShowExtraRegisters();
    view_->FocusBox(BoxId::X, TextSelection::All());
}

}  // namespace tarvix
