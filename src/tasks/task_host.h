// TaskHost: every effect of a task on the rest of the program. The
// interpreter decides what a statement means; the host carries it out: the
// calculator (expression statements as typed, direct evaluation, variables,
// modes, reset and clear, vectors), the dialogs, the task output window,
// the other windows, keys and typing, the chart, the statistics data, the
// clipboard and the help. calculator_task_host.h implements the calculator's
// part over the Calculator model; the window and the headless evaluator add
// the rest, and tests fake it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/format_options.h"
#include "calculator/message_box.h"
#include "calculator/registers.h"
#include "engine/complex_value.h"
#include "engine/parser.h"
#include "tasks/mode_statement.h"
#include "tasks/task_windows.h"

namespace tarvix {

// What an expression statement came to (the calculation command's outcome).
enum class TypedOutcome : std::uint8_t {
    Evaluated,     // a result is in Ans
    NotEvaluated,  // a command, a message, new variables: no result
    Failed,        // an error (the host has reported it when asked to)
};

class TaskHost {
public:
    virtual ~TaskHost() = default;

    // --- The calculator
    // Run, Continue and Run to cursor switch automatic registration of
    // variables on (the menu item and the evaluator's flag).
    virtual void SwitchAutoRegistrationOn() = 0;
    // An expression statement: the text goes into the input line, joins its
    // remembered expressions and the calculation command runs on it, with
    // every effect of a typed calculation. With `raiseErrors` false the
    // host reports an error itself (the task goes on); with it true the
    // error is raised to the task instead.
    virtual TypedOutcome CalculateAsTyped(std::string_view text, bool raiseErrors) = 0;
    // ENTER alone: the calculation command on the input line as it stands.
    virtual void CalculateInputLine() = 0;
    // The answer variable Ans.
    virtual ComplexValue Answer() = 0;
    // An expression evaluated by the main evaluator without any other
    // effect (conditions, values of PRINT, MSG, PLOT, CALL): "," reads as
    // ".", ";" as the argument separator; unknown names are errors. Raises
    // the evaluator's errors.
    virtual ComplexValue Evaluate(std::string_view text) = 0;
    // A text line as a value (ParseValueText): VECTOR values, equations.
    virtual ComplexValue ParseValue(std::string_view text) = 0;
    virtual bool VariableExists(std::string_view name) = 0;
    virtual ComplexValue Variable(std::string_view name) = 0;
    // Sets (creating when needed) a variable to an exact value; a register
    // box whose label is the name shows it, the variable list is refreshed.
    virtual void AssignVariable(std::string_view name, const ComplexValue& value) = 0;
    // The unit annotation of an expression statement: the variable's label
    // (comment, a blank and the bracketed unit).
    virtual void SetVariableLabel(std::string_view name, std::string_view label) = 0;
    virtual void ApplyMode(const ModeStatement& statement) = 0;
    // RESET (registers and variables, without the question) and CLEAR.
    virtual void ResetCalculator() = 0;
    virtual void ClearCalculator() = 0;
    // The display's text (ENTER DISPLAY).
    virtual std::string DisplayText() = 0;
    // What a value's text depends on: the display modes, the separator.
    virtual FormatOptions FormatOptionsNow() = 0;
    // COPY: the display's value in that base, trimmed, to the clipboard; the
    // display is shown as before afterwards.
    virtual void CopyDisplay(TNumericalBase base) = 0;
    // ENTER text: types the text into the input line or a register box
    // (emptied first). Returns how long the run waits afterwards (ms): the
    // window types character by character.
    virtual long TypeText(BoxId box, std::string_view text) = 0;
    // DATA: the statistics window's add command (the current value joins
    // its data).
    virtual void AppendStatisticsData() = 0;

    // --- Vectors (the vector table of the main window)
    virtual const ParserFloatArray* FindVector(std::string_view name) = 0;
    virtual void StoreVector(std::string_view name, ParserFloatArray values) = 0;

    // --- Dialogs
    // The message box; text with "%\ " line breaks; returns the button.
    virtual ModalResult ShowMessage(std::string_view text, MessageKind kind, MessageButtons buttons,
                                    int helpContext) = 0;
    // The input box: nothing when it was closed.
    virtual std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                                std::string_view defaultText) = 0;
    // OPEN without a quoted name: a text file chosen in `folder` (an open
    // dialog for reading, a save dialog that asks before overwriting for
    // writing); nothing when cancelled.
    virtual std::optional<std::filesystem::path> ChooseTextFile(
        bool forWriting, const std::filesystem::path& folder) = 0;

    // --- The task output window (created and shown when needed, caption
    // "Tarvix - " and the task's title)
    virtual void PrintLine(std::string_view title, std::string_view line) = 0;
    virtual bool OutputHasLines() = 0;
    // CLS: empties the output window; CLS with text empties the history window.
    virtual void ClearOutput() = 0;
    virtual void ClearHistory() = 0;

    // --- Windows, keys, help, chart, timing
    virtual void WindowCommand(const tarvix::WindowCommand& command) = 0;
    virtual void CloseWindow(TaskWindow window) = 0;
    virtual void SendKey(const KeyCommand& command) = 0;
    // HELP: the topic (a number or a keyword), or the contents when empty.
    virtual void ShowHelp(std::string_view topic) = 0;
    // PLOT: a point of a series of the detailed chart (series from 1; one
    // more than the chart has adds a series).
    virtual void PlotPoint(int series, long double x, long double y) = 0;
};

}  // namespace tarvix
