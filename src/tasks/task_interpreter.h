// TaskInterpreter: runs the program of a task line by line. It keeps the
// run state (the next line, the stop line, the open loops, block IFs and
// calls, the defined functions, the logical files) and executes exactly one
// line per Step(); every effect on the rest of the program goes through the
// TaskHost port.
//
// How a window drives it (everything on the user-interface thread):
// - Run (F9, Pause released): Start(), then Run(slice) repeatedly from a
//   zero timer until the result is not Continue (about 10 ms per slice so
//   the window stays responsive).
// - Single step (F7, Pause pressed): Start() before the first step (the
//   window highlights line 0), then one Step() per press; after each, the
//   line to highlight is NextLine(), the line the next press executes.
// - Pause: the window stops scheduling slices after the current one.
// - Continue (Pause released): Resume(), then Run(slice) as above; after an
//   error the failing line is NextLine() again, so Continue runs it again.
// - Run to cursor (F4): SetStopLine(cursor line), Resume(), then Run(slice):
//   every line before the cursor's line runs and the run stops with Paused
//   and NextLine() on the cursor's line (a run that starts on or after that
//   line runs on until it comes back to it, ends, or pauses).
// - Stop (F2), another row selected: Reset().
// - Wait: DELAY and ENTER ask the driver to wait WaitMs before the next
//   slice (a timer; the headless evaluator sleeps).
// Statuses other than Continue mean: Paused (PAUSE or the stop line: press
// Pause and highlight NextLine()), Wait, Finished or Stopped (the run state
// is back at the start), Error (show Error.Message with its help topic,
// press Pause, highlight NextLine()).
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/complex_value.h"
#include "tasks/task_condition.h"
#include "tasks/task_files.h"
#include "tasks/task_host.h"
#include "tasks/task_messages.h"
#include "tasks/task_program.h"

namespace tarvix {

enum class StepStatus : std::uint8_t { Continue, Paused, Wait, Finished, Stopped, Error };

enum class TaskErrorKind : std::uint8_t {
    Statement,  // a statement failed (error box with the statement's help topic)
    Structure,  // a misplaced or surplus statement (message box with "Storno" and help)
    EndCheck,   // a structure left open at the end; Line is its opening line
};

struct TaskError {
    std::string Message;  // "%\ " line breaks as in every message text
    int HelpContext = 0;
    int Line = -1;  // 0-based; the line highlighted and executed by Continue
    TaskErrorKind Kind = TaskErrorKind::Statement;
};

struct StepResult {
    StepStatus Status = StepStatus::Continue;
    long WaitMs = 0;  // Wait: milliseconds before the next line
    TaskError Error;  // Error: what went wrong
};

// Depth limits of the run state.
inline constexpr int kMaxLoopsOfAKind = 50;
inline constexpr int kMaxBlockIfs = 10;
inline constexpr int kMaxSubCalls = 100;
inline constexpr int kMaxFunctionCalls = 100;
inline constexpr int kMaxFunctions = 100;

class TaskInterpreter {
public:
    // The host and the texts must outlive the interpreter.
    TaskInterpreter(TaskHost& host, const TaskMessageTable& texts);

    // A new program (the run state is reset; open files stay open).
    void SetProgram(TaskProgram program);
    // The same task's text edited while it is paused: the run state stays
    // (the next line is kept within the new text), as when the lines are
    // read from the editor as they stand.
    void UpdateProgram(TaskProgram program);
    const TaskProgram& Program() const { return program_; }

    // --- Driving
    // Run from the start: automatic registration on, the run state reset.
    void Start();
    // Continue or run to the cursor from NextLine(): automatic registration on.
    void Resume();
    // The line at which Run() stops before executing it; -1 for none.
    void SetStopLine(int line) { stopLine_ = line; }
    // Executes exactly one line (NextLine()); past the last line, the end of
    // the task (its end check) instead.
    StepResult Step();
    // Steps until a step does not return Continue, the stop line is
    // reached, or `budget` has passed (then Continue: call again).
    StepResult Run(std::chrono::nanoseconds budget = std::chrono::nanoseconds::max());
    // Back to the start: next line 0, no stop line, nothing open, no
    // functions, BEGIN not seen. Variables, modes and open files stay.
    void Reset();

    // --- State shown by the window
    int NextLine() const { return next_; }
    int CurrentLine() const { return current_; }
    int StopLine() const { return stopLine_; }
    // Nothing has run since the last reset.
    bool AtStart() const { return next_ == 0 && current_ < 0; }
    // The comment of the line being executed.
    const std::string& CurrentComment() const { return comment_; }
    TaskFiles& Files() { return files_; }

private:
    enum class Flow : std::uint8_t { Next, Pause, Wait, End, Stop };
    enum class LoopKind : std::uint8_t { For, While, Repeat };
    enum class CallKind : std::uint8_t { Gosub, Call };

    struct Statement {
        StatementCode Code = StatementCode::None;
        std::string_view Text;       // the whole statement
        std::string_view Arguments;  // after the keyword
        bool InIf = false;           // the chosen part of a one-line IF
    };
    struct LoopRecord {
        LoopKind Kind = LoopKind::For;
        int OpenLine = 0;      // the FOR, WHILE or REPEAT line
        int StartLine = 0;     // the line after it
        std::string Variable;  // FOR
        long double Current = 0.0L, Limit = 0.0L, Increment = 0.0L;
        ConditionText Condition;  // WHILE
        int EofFile = -1;         // WHILE NOTEOF(#n)
    };
    struct IfRecord {
        int Line = 0;
        bool Condition = false;
        bool HadElse = false;  // the IF line had its own ELSE
        bool ElseReached = false;
    };
    struct CallRecord {
        CallKind Kind = CallKind::Gosub;
        int ReturnLine = 0;
        int OpenLine = 0;                      // the SUB or DEF line
        std::size_t LoopBase = 0, IfBase = 0;  // structures open before the call
        std::string Function;
        // Parameters whose argument was a quoted text, and that text.
        std::vector<std::pair<std::string, std::string>> TextArguments;
    };
    struct FunctionRecord {
        std::string Name;
        std::vector<std::string> Parameters;
        int DefLine = 0;
    };
    enum class ScanGoal : std::uint8_t {
        IfMatch,     // the ELSE or ENDIF of a block IF
        Endif,       // the ENDIF of a block IF whose ELSE was passed
        LoopClose,   // the NEXT, LOOP or UNTIL of a loop
        RoutineEnd,  // the RETURN or ENDDEF of a call
    };

    using Handler = Flow (TaskInterpreter::*)(const Statement&);
    static const Handler kHandlers[kStatementCount];

    // task_interpreter.cpp: execution, errors, end check.
    Flow Execute(const Statement& statement);
    Flow ExecuteText(std::string_view text, bool inIf);
    StepResult EndOfTask();
    std::optional<TaskError> EndCheck() const;
    void ResetRunState();
    [[noreturn]] void Fail(std::string_view key, std::initializer_list<std::string_view> args = {},
                           TaskErrorKind kind = TaskErrorKind::Statement, int line = -1,
                           int helpContext = -1) const;
    std::string Text(std::string_view key, std::initializer_list<std::string_view> args = {}) const;
    ComplexValue Typed(std::string_view text);  // an expression statement whose result is needed
    ComplexValue EvaluateValue(std::string_view text);
    bool EvaluateCondition(const ConditionText& condition);
    std::string SubstituteTextArguments(std::string_view text) const;
    // The logical file number of the digit after text[hashAt] (a "#").
    int FileNumberAfter(std::string_view text, std::size_t hashAt) const;
    Flow Expression(const Statement& s);
    Flow Nothing(const Statement& s);
    Flow Begin(const Statement& s);
    Flow Pause(const Statement& s);
    Flow EndStatement(const Statement& s);
    Flow Mode(const Statement& s);
    Flow ResetStatement(const Statement& s);
    Flow ClearStatement(const Statement& s);
    Flow Cls(const Statement& s);
    Flow Copy(const Statement& s);
    Flow Delay(const Statement& s);
    Flow Help(const Statement& s);
    Flow Enter(const Statement& s);
    Flow Keybd(const Statement& s);
    Flow Data(const Statement& s);

    // task_flow.cpp: IF, loops, BREAK, CONTINUE, labels, GOTO, skipping.
    Flow If(const Statement& s);
    Flow Else(const Statement& s);
    Flow Endif(const Statement& s);
    Flow For(const Statement& s);
    Flow Next(const Statement& s);
    Flow While(const Statement& s);
    Flow Loop(const Statement& s);
    Flow Repeat(const Statement& s);
    Flow Until(const Statement& s);
    Flow Break(const Statement& s);
    Flow Continue(const Statement& s);
    Flow Label(const Statement& s);
    Flow Goto(const Statement& s);
    bool WhileHolds(const LoopRecord& loop);
    // Runs a statement that changes the open structures before it may
    // still fail (a statement after THEN, a scan): on failure the loops,
    // block IFs and calls are as they were, so Continue runs the line again
    // from the same state.
    template <class Body>
    Flow Atomically(Body body) {
        std::vector<LoopRecord> loops = loops_;
        std::vector<IfRecord> ifs = ifs_;
        std::vector<CallRecord> calls = calls_;
        try {
            return body();
        } catch (...) {
            loops_ = std::move(loops);
            ifs_ = std::move(ifs);
            calls_ = std::move(calls);
            throw;
        }
    }
    int CountLoops(LoopKind kind) const;
    void CheckLoopDepth(LoopKind kind) const;
    LoopRecord* InnermostLoop();
    IfRecord* InnermostIf();
    bool InsideStructure() const;
    // Moves forward from `from` over lines without executing them; returns
    // the line that ends the scan (the goal's line, an END line or the line
    // count). Structures opened after `from` are passed as units; closing
    // lines of structures open before close them.
    int Scan(int from, ScanGoal goal, LoopKind loop = LoopKind::For,
             CallKind call = CallKind::Gosub, bool ifHadElse = false);
    void CloseOnScan(StatementCode code, int line);

    // task_routines.cpp: SUB, GOSUB, RETURN, DEF, CALL, RESULT, ENDDEF, EXIT.
    Flow Gosub(const Statement& s);
    Flow Return(const Statement& s);
    Flow Def(const Statement& s);
    Flow Call(const Statement& s);
    Flow Result(const Statement& s);
    Flow EndDef(const Statement& s);
    Flow Exit(const Statement& s);
    void DefineFunction(std::string_view arguments);
    void LeaveCall();
    int CountCalls(CallKind kind) const;
    const CallRecord* InnermostFunctionCall() const;

    // task_io.cpp: PRINT, MSG, INPUT, OPEN, CLOSE.
    Flow Print(const Statement& s);
    Flow Msg(const Statement& s);
    Flow Input(const Statement& s);
    Flow Open(const Statement& s);
    Flow Close(const Statement& s);
    int ShowMsg(std::string_view arguments);
    // "#n" at the start of PRINT's and INPUT's arguments: the file number,
    // taken off the text (-1 when there is none).
    int LeadingFileNumber(std::string_view& text) const;
    std::string FormatValues(std::string_view format, const std::vector<ComplexValue>& values);
    std::filesystem::path ResolvePath(std::string_view name) const;
    void OpenFile(std::string_view arguments);

    // task_data.cpp: VECTOR, INTERP, PLOT, EQU.
    Flow Vector(const Statement& s);
    Flow Interp(const Statement& s);
    Flow Plot(const Statement& s);
    Flow Equ(const Statement& s);

    TaskHost& host_;
    const TaskMessageTable& texts_;
    TaskProgram program_;
    TaskFiles files_;

    // The run state.
    int next_ = 0;
    int current_ = -1;
    int stopLine_ = -1;
    bool mainBegun_ = false;
    std::vector<LoopRecord> loops_;
    std::vector<IfRecord> ifs_;
    std::vector<CallRecord> calls_;
    std::vector<FunctionRecord> functions_;
    std::string comment_;
    // The last string INPUT, in double quotes; replaces "INPUT" in later lines.
    std::optional<std::string> stringInput_;
    int helpContext_ = 0;  // of the statement being executed
    long waitMs_ = 0;
    long executedSinceResume_ = 0;
};

}  // namespace tarvix
