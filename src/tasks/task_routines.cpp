// Subroutines and user functions of tasks: GOSUB and RETURN, DEF, CALL,
// RESULT and ENDDEF, and EXIT.
#include <algorithm>

#include "engine/name_utils.h"
#include "tasks/task_interpreter.h"
#include "tasks/task_text.h"

namespace tarvix {

int TaskInterpreter::CountCalls(CallKind kind) const {
    int count = 0;
    for (const CallRecord& call : calls_) count += call.Kind == kind ? 1 : 0;
    return count;
}

const TaskInterpreter::CallRecord* TaskInterpreter::InnermostFunctionCall() const {
    return !calls_.empty() && calls_.back().Kind == CallKind::Call ? &calls_.back() : nullptr;
}

void TaskInterpreter::LeaveCall() {
    // The loops and block IFs the routine left open end with it.
    const CallRecord& call = calls_.back();
    loops_.resize(call.LoopBase);
    ifs_.resize(call.IfBase);
    next_ = call.ReturnLine;
    calls_.pop_back();
}

TaskInterpreter::Flow TaskInterpreter::Gosub(const Statement& s) {
    const std::string name = ToUpperAscii(StripOuterParentheses(RemoveBlanksAndTabs(s.Arguments)));
    const int sub = program_.FindSub(name);
    if (sub < 0) Fail(taskmsg::SubNotFound, {name});
    if (CountCalls(CallKind::Gosub) >= kMaxSubCalls) {
        Fail(taskmsg::TooManySubCalls, {std::to_string(kMaxSubCalls)});
    }
    CallRecord call;
    call.Kind = CallKind::Gosub;
    call.ReturnLine = current_ + 1;
    call.OpenLine = sub;
    call.LoopBase = loops_.size();
    call.IfBase = ifs_.size();
    calls_.push_back(std::move(call));
    next_ = sub;
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Return(const Statement&) {
    if (calls_.empty() || calls_.back().Kind != CallKind::Gosub) {
        Fail(taskmsg::MisplacedReturn, {}, TaskErrorKind::Structure);
    }
    LeaveCall();
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Def(const Statement& s) {
    // Before BEGIN a DEF line defines a function; after it, it calls one.
    if (mainBegun_) return Call(s);
    DefineFunction(s.Arguments);
    return Flow::Next;
}

void TaskInterpreter::DefineFunction(std::string_view arguments) {
    const std::string text(StripOuterParentheses(RemoveBlanksAndTabs(arguments)));
    const std::size_t open = text.find('(');
    const std::string name = text.substr(0, open);
    if (name.empty()) Fail(taskmsg::MissingFunctionName);
    if (!IsValidIdentifier(name)) Fail(taskmsg::InvalidIdentifier, {name});
    FunctionRecord function;
    function.Name = name;
    function.DefLine = current_;
    if (open != std::string::npos) {
        const std::size_t close = text.find(')', open);
        const std::string list = text.substr(
            open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
        if (!list.empty()) {
            std::size_t start = 0;
            for (;;) {
                const std::size_t comma = list.find(',', start);
                std::string parameter = list.substr(start, comma - start);
                if (!IsValidIdentifier(parameter)) Fail(taskmsg::InvalidIdentifier, {parameter});
                function.Parameters.push_back(std::move(parameter));
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
        }
    }
    int end = -1;
    for (int i = current_ + 1; i < program_.LineCount() && end < 0; ++i) {
        if (program_.Line(i).Code == StatementCode::EndDef) end = i;
    }
    if (end < 0) Fail(taskmsg::FunctionNotClosed, {name});

    auto existing =
        std::find_if(functions_.begin(), functions_.end(),
                     [&](const FunctionRecord& f) { return EqualsNoCase(f.Name, name); });
    if (existing != functions_.end()) {
        *existing = std::move(function);
    } else {
        if (static_cast<int>(functions_.size()) >= kMaxFunctions) {
            Fail(taskmsg::TooManyFunctions, {std::to_string(kMaxFunctions)});
        }
        functions_.push_back(std::move(function));
    }
    // On at the ENDDEF, which does nothing outside a call.
    next_ = end;
}

TaskInterpreter::Flow TaskInterpreter::Call(const Statement& s) {
    // Everything is checked and every argument evaluated before anything is
    // assigned, so CALL f(b; a) swaps.
    const std::string_view text = TrimTask(s.Arguments);
    const std::size_t open = text.find('(');
    const std::string name = RemoveBlanksAndTabs(text.substr(0, open));
    std::vector<std::string> arguments;
    if (open != std::string_view::npos) {
        std::string_view list = text.substr(open + 1);
        if (const std::size_t close = list.rfind(')'); close != std::string_view::npos) {
            list = list.substr(0, close);
        }
        if (!TrimTask(list).empty()) {
            for (std::string& argument : SplitTopLevel(list, ';')) {
                arguments.emplace_back(TrimTask(argument));
            }
        }
    }
    auto function =
        std::find_if(functions_.begin(), functions_.end(),
                     [&](const FunctionRecord& f) { return EqualsNoCase(f.Name, name); });
    if (function == functions_.end()) Fail(taskmsg::FunctionNotDefined, {name});
    if (arguments.size() != function->Parameters.size()) Fail(taskmsg::ArgumentCount, {name});
    if (CountCalls(CallKind::Call) >= kMaxFunctionCalls) {
        Fail(taskmsg::TooManyFunctionCalls, {std::to_string(kMaxFunctionCalls)});
    }

    CallRecord call;
    call.Kind = CallKind::Call;
    call.ReturnLine = current_ + 1;
    call.OpenLine = function->DefLine;
    call.LoopBase = loops_.size();
    call.IfBase = ifs_.size();
    call.Function = function->Name;
    std::vector<std::pair<std::string, ComplexValue>> values;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.find('"') != std::string::npos) {
            // A quoted text replaces the parameter's name in the body's expressions.
            std::string unquoted = argument;
            std::erase(unquoted, '"');
            call.TextArguments.emplace_back(function->Parameters[i], std::move(unquoted));
        } else {
            values.emplace_back(function->Parameters[i],
                                EvaluateValue(SubstituteTextArguments(argument)));
        }
    }
    const int body = function->DefLine + 1;
    for (const auto& [parameter, value] : values) host_.AssignVariable(parameter, value);
    calls_.push_back(std::move(call));
    next_ = body;
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Result(const Statement& s) {
    const CallRecord* call = InnermostFunctionCall();
    if (!call) Fail(taskmsg::ResultOutsideFunction);
    // RESULT =a*b in function f runs f=a*b.
    const std::string text = SubstituteTextArguments(call->Function + std::string(s.Arguments));
    host_.CalculateAsTyped(TrimTask(text), false);
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::EndDef(const Statement&) {
    if (InnermostFunctionCall()) {
        LeaveCall();
    } else if (mainBegun_) {
        Fail(taskmsg::SurplusEndDef, {}, TaskErrorKind::Structure);
    }
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Exit(const Statement&) {
    if (calls_.empty()) return Flow::Stop;
    const CallKind kind = calls_.back().Kind;
    return Atomically([&] {
        // On at the RETURN or ENDDEF that ends the current call.
        next_ = Scan(current_ + 1, ScanGoal::RoutineEnd, LoopKind::For, kind);
        return Flow::Next;
    });
}

}  // namespace tarvix
