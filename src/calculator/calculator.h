// Calculator: the main window's logic without a window. It owns the main
// evaluator Parser1, the input line and its history, the eight registers, the
// display, Ans and the recent results, the display modes and options, the
// keypad state, the character sequences, the renaming mode and VarInfos; it
// runs the calculation command and the register commands, and reaches the
// user only through its ports.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator_messages.h"
#include "calculator/calculator_options.h"
#include "calculator/calculator_ports.h"
#include "calculator/display_modes.h"
#include "calculator/edit_rules.h"
#include "calculator/format_options.h"
#include "calculator/input_commands.h"
#include "calculator/message_box.h"
#include "calculator/mode_switches.h"
#include "calculator/registers.h"
#include "calculator/var_infos.h"
#include "engine/parser.h"

namespace tarvix {

// Where a calculation was started; a few of its steps depend on it.
enum class CalcOrigin : std::uint8_t {
    Button,      // "Výpočet", Enter, the tool and panel buttons
    LibraryUse,  // the library's "Použít výraz": no new-variable question, no rename message
    Task,        // a running task: no duplicate-label check; bracket faults are raised
    ListBox,     // a list box: the input line takes the focus afterwards
};

enum class CalcOutcome : std::uint8_t {
    Evaluated,     // a result is on the display and in Ans
    Stopped,       // a command, a message, the renaming mode or a series took it
    NewVariables,  // new variables were registered; nothing was evaluated
    Failed,        // an error was raised (Calculate has shown it)
};

class Calculator {
public:
    Calculator();
    ~Calculator();
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // --- Ports (not owned; nullptr puts back the inert default: messages are
    // answered with Cancel, No or OK, text questions are cancelled).
    void SetDialogs(DialogsPort* dialogs);
    void SetClipboard(ClipboardPort* clipboard);
    void SetView(CalculatorView* view);
    void SetHooks(CalculatorHooks* hooks);
    CalculatorHooks& Hooks() { return *hooks_; }

    // --- Evaluator and texts
    TParser& Parser1() { return parser_; }
    const TParser& Parser1() const { return parser_; }
    CalculatorMessageTable& Texts() { return texts_; }
    const CalculatorMessageTable& Texts() const { return texts_; }

    // --- Options and modes
    const CalculatorOptions& Options() const { return options_; }
    // AutoRegister goes to Parser1's AutoRegisterVar as well.
    void SetOptions(const CalculatorOptions& options);
    // The mode switches' state is the one place of the modes: the angle unit,
    // the domain, the display modes (the base included), the function mode
    // and inv/hyp. The switch operations of mode_switches.h work on it
    // directly; ApplySwitchChanges then carries out what they report. Parser1
    // takes the angle unit, base and domain from it before every calculation.
    ModeSwitches& Switches() { return switches_; }
    const ModeSwitches& Switches() const { return switches_; }
    DisplayModes& Display() { return switches_.Display; }
    const DisplayModes& Display() const { return switches_.Display; }
    // The common tail of a switch: the evaluator's modes, the conversion of
    // Ans to a new angle unit, the postfix for Ans, then the follow-up
    // (calculate again, show Ans, or show Ans again when the display shows a
    // value); a visible variable list is refreshed.
    void ApplySwitchChanges(const SwitchChanges& changes);
    // Direct choices with the switches' coupling (a non-decimal base and the
    // complex domain exclude each other), applied at once without a follow-up:
    // the display stays as it is (settings, tasks, the headless evaluator).
    TAngleUnits AngleUnits() const { return switches_.AngleUnits; }
    void SetAngleUnits(TAngleUnits units);
    TNumericalBase NumericalBase() const { return switches_.Display.Base; }
    void SetNumericalBase(TNumericalBase base);
    TNumericalScope NumericalScope() const { return switches_.Scope; }
    void SetNumericalScope(TNumericalScope scope);
    char ImaginaryUnit() const;
    void SetImaginaryUnit(char unit);  // "i" or "j"
    // Everything FormatValueText needs, in the current modes.
    FormatOptions CurrentFormatOptions() const;
    std::string FormatValue(const ComplexValue& value) const;

    // --- Input line
    const std::string& InputText() const { return input_; }
    void SetInputText(std::string_view text) { input_ = text; }
    const std::vector<std::string>& InputHistory() const { return inputHistory_; }
    // Replaces the input line's list of remembered expressions (from a file).
    void SetInputHistory(std::vector<std::string> history) { inputHistory_ = std::move(history); }
    // The hint of the "&Výraz" button: the input history, one entry per line.
    std::string ExpressionHint() const;
    // A character typed into a box (edit_rules.h with the calculator's
    // sequences, options and continuation); stores the new text and, in the
    // input line, clears the result-shown flag. Returns the state to show.
    EditState TypeIntoBox(BoxId box, const EditState& state, char typed);
    SequenceTable& Sequences() { return sequences_; }
    const SequenceTable& Sequences() const { return sequences_; }
    bool ResultShown() const { return resultShown_; }

    // --- Registers and variables
    const Register& RegisterAt(BoxId box) const { return registers_[box]; }
    const RegisterBank& Registers() const { return registers_; }
    // A box's drop-down list (the VAT mode keeps its rates in the Y box's).
    std::vector<std::string>& RegisterHistory(BoxId box) { return registers_[box].History; }
    // A box's new text; in renaming mode a valid identifier is copied into
    // the label at once.
    void SetRegisterBox(BoxId box, std::string_view text);
    // A label as loaded from a file.
    void SetRegisterLabel(BoxId box, std::string_view name);
    // Leaving a box outside renaming mode: an empty box becomes "0" and the
    // box is recorded in its history list.
    void RegisterBoxLeft(BoxId box);
    // "&Vynulovat" of the register menu: only the box becomes "0".
    void ZeroRegisterBox(BoxId box) { registers_[box].Box = "0"; }
    // Records the boxes, zeroes them when asked, turns empty boxes into "0",
    // and sets each label's variable to its box's value (0 when the text does
    // not convert, without a message).
    void LoadRegisters(bool zeroAll);
    bool RenamingMode() const { return renaming_; }
    // Enters or leaves the renaming mode; `sender` is the clicked label.
    void ToggleRenaming(std::optional<BoxId> sender = std::nullopt);
    // "Vynulovat" and the reset; `fromUser` asks first when the options say so.
    void Clear(bool fromUser);
    void Reset(bool fromUser);
    VarInfoList& VarInfos() { return varInfos_; }
    const VarInfoList& VarInfos() const { return varInfos_; }
    // "&Popisek": asks for the label variable's "description [unit]".
    void EditDescription(BoxId box);
    // The hint of a register label; `captionWider` tells whether the caption
    // is wider than the label.
    std::string RegisterLabelHint(BoxId box, bool captionWider) const;
    // The hint of the variables panel (VariablesSummary), always current.
    std::string VariablesHint() const;
    // " name=value" for every variable the last expression used but Ans, the
    // value as the display shows it: the history's variable block.
    std::vector<std::string> UsedVariableLines() const;

    // --- Display, Ans and the recent results
    const std::string& DisplayText() const { return displayText_; }
    ComplexValue Ans() const { return parser_.GetVariable("ANS"); }
    const std::vector<std::string>& RecentResults() const { return recentResults_; }
    // The display's hint: the recent results, one per line.
    std::string DisplayHint() const;
    // Whether the display shows a value: one the calculator formatted, or a
    // text that IsValueText accepts.
    bool DisplayShowsValue();
    // Shows Ans again in the current modes when the display shows a value.
    void RedisplayAns();
    // Shows Ans as a result whatever the display showed before (a value
    // computed outside the calculation command: the worksheet's results).
    void ShowAnsAsResult();
    void AddResultHint(std::string_view text);
    // A value evaluated outside the calculation command (the expression
    // editor): shown on the display in the current modes, stored in Ans and
    // added to the recent results.
    void ShowEvaluatedValue(const ComplexValue& value);
    // Ctrl+Shift+Insert: the trimmed display text to the clipboard.
    void CopyDisplayToClipboard();
    // "d:m:s": the input line as a decimal angle shown as d:mm:ss,zzz, or a
    // d:m:s text shown as a decimal number; Ans is not changed. False when the
    // text does not convert (the message has been shown).
    bool ConvertDms();

    // --- Calculation
    // The calculation command; errors are shown through the dialogs port.
    CalcOutcome Calculate(CalcOrigin origin = CalcOrigin::Button);
    // The same, raising errors to the caller (tasks).
    CalcOutcome CalculateOrThrow(CalcOrigin origin = CalcOrigin::Button);
    // "E&nter" with Shift: after the calculation the result is shown once more
    // in hexadecimal; no mode changes.
    CalcOutcome CalculateShowingHex();
    // Loads the registers, evaluates the compiled input, assigns, shows and
    // records; false when a register box's brackets are faulty.
    bool ComputeAndShow();
    // A function key on an input line that reads as a value (InputReadsAsValue):
    // the applied text goes into the input line, is compiled as typed text is
    // (separators, blanks) and evaluated by ComputeAndShow; then the input line
    // reads "Ans", or the trimmed display text with "&Používat číslo místo
    // Ans", and the display text joins the recent results. Errors are shown.
    CalcOutcome EvaluateAppliedText(std::string_view appliedText);
    // The input line is a value text or the name of an existing variable.
    bool InputReadsAsValue();
    // The bracket check of a box with its message; true when faulty.
    bool CheckBrackets(BoxId box);
    bool IsValueText(std::string_view text);
    // The main window's message box: text with "%\ " line breaks, kind,
    // buttons and help context; returns the button pressed.
    ModalResult ShowMessageBox(std::string_view text, MessageKind kind, MessageButtons buttons,
                               int helpContext);
    // An error that escaped a command: its text as an error message with
    // "Storno" (and the help button when it carries a help context).
    void ReportError(const std::exception& error);
    // The assignment target of the calculation in progress (empty when none):
    // a series run stores its results as that variable's vector.
    const std::string& AssignmentTarget() const { return target_; }
    // A text that is not a value on the display (a series run's result line).
    void ShowMessageOnDisplay(std::string text) { ShowDisplayText(std::move(text), false); }
    // The new-variables question for the compiled expression (also asked for
    // the second expression of a parametric series).
    void ConfirmNewVariables();
    // A task of the expression library is running.
    void SetTaskRunning(bool running) { taskRunning_ = running; }
    bool TaskRunning() const { return taskRunning_; }

private:
    // calculation_command.cpp
    void RecordBoxHistories();
    bool LabelsAreUnique();
    void ShowResult(const ComplexValue& value);
    bool InTask() const { return taskRunning_ || origin_ == CalcOrigin::Task; }
    // input_command_processor.cpp: false when the command consumed the input.
    bool ProcessInputCommand(std::string& text);
    void DefineSequence(char c, char substitute);
    void UndefineSequence(char c);
    void DefineVariable(const std::string& name);
    void RenameRegister(BoxId box, const std::string& name);
    void SetBoxByCommand(BoxId box, const std::string& text);
    bool BeginAssignment(const InputCommand& command);
    // calculator.cpp
    ModalResult ShowText(std::string_view key, std::initializer_list<std::string_view> args,
                         MessageKind kind, MessageButtons buttons, int helpContext);
    void ShowDisplayText(std::string text, bool isValue);
    void SyncEvaluatorModes();
    void ApplyWithoutFollowUp(SwitchChanges changes);

    TParser parser_;
    CalculatorMessageTable texts_;
    CalculatorOptions options_;
    ModeSwitches switches_;

    std::string input_;
    std::vector<std::string> inputHistory_;
    RegisterBank registers_;
    std::string displayText_ = "0 ";
    bool displayIsValue_ = true;
    bool resultShown_ = false;
    std::vector<std::string> recentResults_;

    SequenceTable sequences_;
    bool renaming_ = false;
    std::array<std::string, kRegisterCount> boxesBeforeRenaming_;
    VarInfoList varInfos_;

    // The calculation in progress.
    CalcOrigin origin_ = CalcOrigin::Button;
    std::string target_;  // assignment target, empty when none
    int cellRow_ = 0;
    int cellColumn_ = 0;
    bool taskRunning_ = false;

    std::unique_ptr<DialogsPort> inertDialogs_;
    std::unique_ptr<ClipboardPort> inertClipboard_;
    CalculatorView inertView_;
    CalculatorHooks inertHooks_;
    DialogsPort* dialogs_;
    ClipboardPort* clipboard_;
    CalculatorView* view_;
    CalculatorHooks* hooks_;
};

}  // namespace tarvix
