// The task interpreter: stepping and running, the statement table, errors,
// the end check, and the statements without control flow of their own.
#include "tasks/task_interpreter.h"

#include <algorithm>
#include <cmath>

#include "calculator/mode_switches.h"
#include "engine/name_utils.h"
#include "engine/parser_errors.h"
#include "tasks/task_text.h"

namespace tarvix {
namespace {

// A failure of a statement, caught by Step().
struct TaskFailure {
    TaskError Error;
};

StepResult WithStatus(StepStatus status, long waitMs = 0) {
    StepResult result;
    result.Status = status;
    result.WaitMs = waitMs;
    return result;
}

// A DELAY longer than a day is taken as a day.
constexpr long double kMaxDelayMs = 86400000.0L;

constexpr int kForHelp = 512, kWhileHelp = 513, kRepeatHelp = 514, kIfHelp = 511, kSubHelp = 517,
              kDefHelp = 518;

}  // namespace

// The handlers in statement-code order.
const TaskInterpreter::Handler TaskInterpreter::kHandlers[kStatementCount] = {
    &TaskInterpreter::Expression,      // None
    &TaskInterpreter::Begin,           // Begin
    &TaskInterpreter::If,              // If
    &TaskInterpreter::Else,            // Else
    &TaskInterpreter::Endif,           // Endif
    &TaskInterpreter::For,             // For
    &TaskInterpreter::Next,            // Next
    &TaskInterpreter::Repeat,          // Repeat
    &TaskInterpreter::Until,           // Until
    &TaskInterpreter::While,           // While
    &TaskInterpreter::Loop,            // Loop
    &TaskInterpreter::Break,           // Break
    &TaskInterpreter::Continue,        // Continue
    &TaskInterpreter::Goto,            // Goto
    &TaskInterpreter::Label,           // Label
    &TaskInterpreter::Nothing,         // Sub: reached in sequence it does nothing
    &TaskInterpreter::Gosub,           // Gosub
    &TaskInterpreter::Return,          // Return
    &TaskInterpreter::Def,             // Def
    &TaskInterpreter::Result,          // Result
    &TaskInterpreter::EndDef,          // EndDef
    &TaskInterpreter::Call,            // Call
    &TaskInterpreter::Exit,            // Exit
    &TaskInterpreter::Open,            // Open
    &TaskInterpreter::Close,           // Close
    &TaskInterpreter::Delay,           // Delay
    &TaskInterpreter::Keybd,           // Keybd
    &TaskInterpreter::Input,           // Input
    &TaskInterpreter::Data,            // Data
    &TaskInterpreter::Vector,          // Vector
    &TaskInterpreter::Interp,          // Interp
    &TaskInterpreter::Enter,           // Enter
    &TaskInterpreter::Help,            // Help
    &TaskInterpreter::Print,           // Print
    &TaskInterpreter::Plot,            // Plot
    &TaskInterpreter::Msg,             // Msg
    &TaskInterpreter::ResetStatement,  // Reset
    &TaskInterpreter::ClearStatement,  // Clear
    &TaskInterpreter::Mode,            // Mode
    &TaskInterpreter::Equ,             // Equ
    &TaskInterpreter::Cls,             // Cls
    &TaskInterpreter::Copy,            // Copy
    &TaskInterpreter::Pause,           // Pause
    &TaskInterpreter::EndStatement,    // End
};

TaskInterpreter::TaskInterpreter(TaskHost& host, const TaskMessageTable& texts)
    : host_(host), texts_(texts) {}

void TaskInterpreter::SetProgram(TaskProgram program) {
    program_ = std::move(program);
    ResetRunState();
}

void TaskInterpreter::UpdateProgram(TaskProgram program) {
    program_ = std::move(program);
    next_ = std::min(next_, program_.LineCount());
    if (current_ >= program_.LineCount()) current_ = -1;
}

void TaskInterpreter::Start() {
    host_.SwitchAutoRegistrationOn();
    ResetRunState();
    executedSinceResume_ = 0;
}

void TaskInterpreter::Resume() {
    host_.SwitchAutoRegistrationOn();
    executedSinceResume_ = 0;
}

void TaskInterpreter::Reset() {
    ResetRunState();
}

void TaskInterpreter::ResetRunState() {
    next_ = 0;
    current_ = -1;
    stopLine_ = -1;
    mainBegun_ = false;
    loops_.clear();
    ifs_.clear();
    calls_.clear();
    functions_.clear();
    comment_.clear();
}

StepResult TaskInterpreter::Run(std::chrono::nanoseconds budget) {
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        if (next_ == stopLine_ && executedSinceResume_ > 0) {
            stopLine_ = -1;
            return WithStatus(StepStatus::Paused);
        }
        StepResult result = Step();
        if (result.Status != StepStatus::Continue) return result;
        if (std::chrono::steady_clock::now() - start >= budget) return result;
    }
}

StepResult TaskInterpreter::Step() {
    if (next_ >= program_.LineCount()) return EndOfTask();
    current_ = next_;
    ++next_;
    ++executedSinceResume_;
    const TaskLine& line = program_.Line(current_);
    comment_ = line.Comment;
    try {
        Flow flow = Flow::Next;
        if (line.HasInputPlaceholder && stringInput_) {
            flow = ExecuteText(ReplaceInputPlaceholder(line.Statement, *stringInput_), false);
        } else if (!line.Statement.empty()) {
            const std::string_view text = line.Statement;
            flow = Execute({line.Code, text, text.substr(line.ArgumentsAt), false});
        }
        switch (flow) {
            case Flow::Next:
                break;
            case Flow::Pause:
                return WithStatus(StepStatus::Paused);
            case Flow::Wait:
                return WithStatus(StepStatus::Wait, waitMs_);
            case Flow::End:
                return EndOfTask();
            case Flow::Stop:
                ResetRunState();
                return WithStatus(StepStatus::Stopped);
        }
    } catch (const TaskFailure& failure) {
        StepResult result = WithStatus(StepStatus::Error);
        result.Error = failure.Error;
        if (result.Error.Line < 0) result.Error.Line = current_;
        next_ = result.Error.Line;
        return result;
    } catch (const std::exception& e) {
        StepResult result = WithStatus(StepStatus::Error);
        const auto* tarvixError = dynamic_cast<const TarvixError*>(&e);
        result.Error.Message = e.what();
        result.Error.HelpContext = tarvixError && tarvixError->HelpContext() != 0
                                       ? tarvixError->HelpContext()
                                       : helpContext_;
        result.Error.Line = current_;
        next_ = current_;
        return result;
    }
    if (next_ >= program_.LineCount()) return EndOfTask();
    return WithStatus(StepStatus::Continue);
}

TaskInterpreter::Flow TaskInterpreter::Execute(const Statement& statement) {
    helpContext_ = KeywordOf(statement.Code).HelpContext;
    return (this->*kHandlers[static_cast<std::size_t>(statement.Code)])(statement);
}

TaskInterpreter::Flow TaskInterpreter::ExecuteText(std::string_view text, bool inIf) {
    text = TrimTask(text);
    if (text.empty()) return Flow::Next;
    RecognizedStatement recognized = RecognizeStatement(text);
    if (inIf) {
        // Within a one-line IF: BEGIN and ENDIF do nothing, END stops the
        // task, and the block statements are no statements there.
        switch (recognized.Code) {
            case StatementCode::Begin:
            case StatementCode::Endif:
                return Flow::Next;
            case StatementCode::End:
                return Flow::Stop;
            case StatementCode::If:
            case StatementCode::Else:
            case StatementCode::Next:
            case StatementCode::Until:
            case StatementCode::Loop:
            case StatementCode::Label:
            case StatementCode::Sub:
                recognized = {};
                break;
            default:
                break;
        }
    }
    return Execute({recognized.Code, text, text.substr(recognized.KeywordLength), inIf});
}

StepResult TaskInterpreter::EndOfTask() {
    if (std::optional<TaskError> open = EndCheck()) {
        StepResult result = WithStatus(StepStatus::Error);
        result.Error = std::move(*open);
        next_ = result.Error.Line;
        return result;
    }
    ResetRunState();
    return WithStatus(StepStatus::Finished);
}

std::optional<TaskError> TaskInterpreter::EndCheck() const {
    auto open = [this](std::string message, int help, int line) {
        return TaskError{std::move(message), help, line, TaskErrorKind::EndCheck};
    };
    if (!loops_.empty()) {
        const LoopRecord& loop = loops_.back();
        switch (loop.Kind) {
            case LoopKind::For:
                return open(Text(taskmsg::NotClosedLoop) + " FOR...NEXT", kForHelp, loop.OpenLine);
            case LoopKind::While:
                return open(Text(taskmsg::NotClosedLoop) + " WHILE...LOOP", kWhileHelp,
                            loop.OpenLine);
            case LoopKind::Repeat:
                return open(Text(taskmsg::NotClosedLoop) + " REPEAT...UNTIL", kRepeatHelp,
                            loop.OpenLine);
        }
    }
    if (!ifs_.empty()) return open(Text(taskmsg::NotClosedIf), kIfHelp, ifs_.back().Line);
    for (auto call = calls_.rbegin(); call != calls_.rend(); ++call) {
        if (call->Kind == CallKind::Gosub) {
            return open(Text(taskmsg::NotClosedSub), kSubHelp, call->OpenLine);
        }
    }
    if (!calls_.empty())
        return open(Text(taskmsg::NotClosedFunction), kDefHelp, calls_.back().OpenLine);
    return std::nullopt;
}

std::string TaskInterpreter::Text(std::string_view key,
                                  std::initializer_list<std::string_view> args) const {
    return FormatMessageText(texts_.Text(key), args);
}

void TaskInterpreter::Fail(std::string_view key, std::initializer_list<std::string_view> args,
                           TaskErrorKind kind, int line, int helpContext) const {
    throw TaskFailure{
        TaskError{Text(key, args), helpContext >= 0 ? helpContext : helpContext_, line, kind}};
}

ComplexValue TaskInterpreter::Typed(std::string_view text) {
    if (host_.CalculateAsTyped(text, true) != TypedOutcome::Evaluated) {
        Fail(taskmsg::NotEvaluated, {text});
    }
    return host_.Answer();
}

ComplexValue TaskInterpreter::EvaluateValue(std::string_view text) {
    return host_.Evaluate(text);
}

bool TaskInterpreter::EvaluateCondition(const ConditionText& condition) {
    long double left = 0.0L;
    const std::string_view leftText = TrimTask(condition.Left);
    if (RecognizeStatement(leftText).Code == StatementCode::Msg) {
        // IF MSG "question", CONF = 6 THEN …: the message box's result.
        left = ShowMsg(leftText.substr(RecognizeStatement(leftText).KeywordLength));
    } else {
        left = EvaluateValue(leftText).Re;
    }
    return Compare(left, condition.Operator, EvaluateValue(condition.Right).Re);
}

std::string TaskInterpreter::SubstituteTextArguments(std::string_view text) const {
    const CallRecord* call = calls_.empty() ? nullptr : &calls_.back();
    if (!call || call->Kind != CallKind::Call || call->TextArguments.empty()) {
        return std::string(text);
    }
    std::string result(text);
    for (const auto& [parameter, argument] : call->TextArguments) {
        result = ReplaceIdentifier(result, parameter, argument);
    }
    return result;
}

int TaskInterpreter::FileNumberAfter(std::string_view text, std::size_t hashAt) const {
    if (hashAt + 1 >= text.size()) Fail(taskmsg::MissingFileNumber);
    const char digit = text[hashAt + 1];
    if (digit < '0' || digit > '9') Fail(taskmsg::FileNumberRange);
    return digit - '0';
}

// --- Statements without control flow of their own

TaskInterpreter::Flow TaskInterpreter::Expression(const Statement& s) {
    std::string text = SubstituteTextArguments(s.Text);
    // A unit annotation "S = a*b [m2]" labels the variable with the comment
    // and the unit; the bracketed part is no part of the expression.
    const std::size_t equals = text.find('=');
    const std::size_t open = text.find('[');
    if (equals != std::string::npos && open != std::string::npos) {
        const std::size_t close = text.find(']', open);
        const std::size_t end = close == std::string::npos ? text.size() : close + 1;
        const std::string_view name = TrimTask(std::string_view(text).substr(0, equals));
        host_.SetVariableLabel(name, comment_ + " " + text.substr(open, end - open));
        text.erase(open, end - open);
    }
    for (char& c : text) {
        if (c == '\t') c = ' ';
    }
    const std::string_view expression = TrimTask(text);
    if (!expression.empty()) host_.CalculateAsTyped(expression, false);
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Nothing(const Statement&) {
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Begin(const Statement&) {
    mainBegun_ = true;
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Pause(const Statement&) {
    return Flow::Pause;
}

TaskInterpreter::Flow TaskInterpreter::EndStatement(const Statement& s) {
    return s.InIf ? Flow::Stop : Flow::End;
}

TaskInterpreter::Flow TaskInterpreter::Mode(const Statement& s) {
    host_.ApplyMode(ParseModeStatement(s.Text));
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::ResetStatement(const Statement&) {
    host_.ResetCalculator();
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::ClearStatement(const Statement&) {
    host_.ClearCalculator();
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Cls(const Statement& s) {
    if (TrimTask(s.Arguments).empty()) {
        host_.ClearOutput();
    } else {
        host_.ClearHistory();
    }
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Copy(const Statement& s) {
    std::string base(StripOuterParentheses(RemoveBlanksAndTabs(s.Arguments)));
    for (char& c : base) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (base.empty()) base = "dec";
    // An unrecognised base copies nothing.
    if (std::optional<TNumericalBase> b = BaseFromCaption(base)) host_.CopyDisplay(*b);
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Delay(const Statement& s) {
    std::string text = RemoveBlanksAndTabs(s.Arguments);
    std::erase(text, '(');
    std::erase(text, ')');
    if (text.empty()) return Flow::Next;
    const long double ms = std::round(EvaluateValue(text).Re);
    if (!(ms > 0.0L)) return Flow::Next;
    waitMs_ = static_cast<long>(std::min(ms, kMaxDelayMs));
    return Flow::Wait;
}

TaskInterpreter::Flow TaskInterpreter::Help(const Statement& s) {
    host_.ShowHelp(StripOuterParentheses(RemoveBlanksAndTabs(s.Arguments)));
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Enter(const Statement& s) {
    std::string_view text = TrimTask(s.Arguments);
    if (text.empty()) {
        host_.CalculateInputLine();
        return Flow::Next;
    }
    text = StripOuterParentheses(text);
    BoxId box = BoxId::Input;
    if (text.size() >= 3 && text.front() == '#') {
        // "#A,text": a register box by its letter; another letter means the input line.
        static constexpr std::string_view kLetters = "XYABCDEF";
        const std::size_t letter = kLetters.find(ToUpperAscii(text[1]));
        if (letter != std::string_view::npos) box = kRegisterLoadOrder[letter];
        text.remove_prefix(3);
    }
    std::string typed(text);
    if (EqualsNoCase(TrimTask(typed), "DISPLAY")) typed = TrimTask(host_.DisplayText());
    waitMs_ = host_.TypeText(box, typed);
    return waitMs_ > 0 ? Flow::Wait : Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Keybd(const Statement& s) {
    WindowStatementFault fault{};
    std::optional<KeyCommand> command = ReadKeyCommand(s.Arguments, fault);
    if (!command) Fail(taskmsg::UnknownWindow, {fault.Text});
    host_.SendKey(*command);
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Data(const Statement& s) {
    const std::string text(StripOuterParentheses(RemoveBlanksAndTabs(s.Arguments)));
    if (host_.CalculateAsTyped(SubstituteTextArguments(text), false) == TypedOutcome::Evaluated) {
        host_.AppendStatisticsData();
    }
    return Flow::Next;
}

}  // namespace tarvix
