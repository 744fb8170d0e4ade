// The calculator's part of the task host.
#include "tasks/calculator_task_host.h"

#include "calculator/expression_probe.h"
#include "calculator/registers.h"
#include "calculator/value_text.h"
#include "calculator/word_operators.h"
#include "engine/input_text.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {
namespace {
constexpr int kSyntaxHelpContext = 11;
}  // namespace

CalculatorTaskHost::CalculatorTaskHost(Calculator& calculator, SeriesController& series,
                                       DialogsPort& dialogs)
    : calc_(calculator), series_(series), dialogs_(dialogs) {}

void CalculatorTaskHost::SwitchAutoRegistrationOn() {
    CalculatorOptions options = calc_.Options();
    options.AutoRegister = true;
    calc_.SetOptions(options);
}

TypedOutcome CalculatorTaskHost::CalculateAsTyped(std::string_view text, bool raiseErrors) {
    calc_.SetInputText(text);
    const CalcOutcome outcome =
        raiseErrors ? calc_.CalculateOrThrow(CalcOrigin::Task) : calc_.Calculate(CalcOrigin::Task);
    switch (outcome) {
        case CalcOutcome::Evaluated:
            return TypedOutcome::Evaluated;
        case CalcOutcome::Failed:
            return TypedOutcome::Failed;
        default:
            return TypedOutcome::NotEvaluated;
    }
}

void CalculatorTaskHost::CalculateInputLine() {
    calc_.Calculate(CalcOrigin::Task);
}

ComplexValue CalculatorTaskHost::Evaluate(std::string_view text) {
    const std::string expression = RemoveBlanksKeepingWordOperators(ConvertSeparators(text));
    if (expression.empty()) Raise<ESyntaxError>(msg::Parse, {}, kSyntaxHelpContext);
    ExpressionProbe probe(calc_.Parser1());
    probe.Compile(expression);
    return probe.Evaluate();
}

ComplexValue CalculatorTaskHost::ParseValue(std::string_view text) {
    return ParseValueText(text, calc_.Parser1());
}

bool CalculatorTaskHost::VariableExists(std::string_view name) {
    return calc_.Parser1().VariableExists(name);
}

ComplexValue CalculatorTaskHost::Variable(std::string_view name) {
    return calc_.Parser1().GetVariable(name);
}

void CalculatorTaskHost::AssignVariable(std::string_view name, const ComplexValue& value) {
    calc_.Parser1().SetVariable(name, value);
    if (std::optional<BoxId> box = calc_.Registers().FindLabel(name)) {
        calc_.SetRegisterBox(*box, RegisterValueText(value, calc_.CurrentFormatOptions()));
    }
    calc_.Hooks().RefreshVariableList();
}

void CalculatorTaskHost::SetVariableLabel(std::string_view name, std::string_view label) {
    calc_.VarInfos().Set(name, label);
    calc_.Hooks().RefreshVarLabels();
}

void CalculatorTaskHost::ApplyMode(const ModeStatement& statement) {
    ApplyModeStatement(calc_, statement);
}

void CalculatorTaskHost::CopyDisplay(TNumericalBase base) {
    // The display shows the value in that base while it is copied, then as before.
    DisplayModes& display = calc_.Display();
    const TNumericalBase previous = display.Base;
    display.Base = base;
    calc_.RedisplayAns();
    calc_.CopyDisplayToClipboard();
    display.Base = previous;
    calc_.RedisplayAns();
}

long CalculatorTaskHost::TypeText(BoxId box, std::string_view text) {
    if (box == BoxId::Input) {
        calc_.SetInputText(text);
    } else {
        calc_.SetRegisterBox(box, text);
    }
    return 0;
}

void CalculatorTaskHost::AppendStatisticsData() {
    calc_.Hooks().AppendStatisticsData(calc_.Ans());
}

const ParserFloatArray* CalculatorTaskHost::FindVector(std::string_view name) {
    return series_.Vectors().HasVector(name) ? &series_.Vectors().FindVector(name) : nullptr;
}

void CalculatorTaskHost::StoreVector(std::string_view name, ParserFloatArray values) {
    VarVectors& vectors = series_.Vectors();
    vectors.TransferName = name;
    vectors.TransferVector = std::move(values);
    vectors.StoreTransfer(series_.VarAsVector());
    // A vector belongs to a variable: one that does not exist yet is made,
    // so later expressions find it without the new-variables question.
    if (!calc_.Parser1().VariableExists(name)) calc_.Parser1().SetVariable(name, {});
    calc_.Hooks().RefreshVarLabels();
    calc_.Hooks().RefreshVariableList();
}

ModalResult CalculatorTaskHost::ShowMessage(std::string_view text, MessageKind kind,
                                            MessageButtons buttons, int helpContext) {
    return calc_.ShowMessageBox(text, kind, buttons, helpContext);
}

std::optional<std::string> CalculatorTaskHost::InputBox(std::string_view caption,
                                                        std::string_view prompt,
                                                        std::string_view defaultText) {
    return dialogs_.AskText(caption, prompt, defaultText);
}

}  // namespace tarvix
