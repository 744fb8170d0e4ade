// Control flow of tasks: IF blocks, the three loops, BREAK and CONTINUE,
// labels and GOTO, and the scanner that skips lines without running them.
#include <cmath>

#include "engine/name_utils.h"
#include "tasks/task_interpreter.h"
#include "tasks/task_text.h"

namespace tarvix {
namespace {

std::string_view LoopName(bool forLoop, bool whileLoop) {
    if (forLoop) return " FOR...NEXT";
    return whileLoop ? " WHILE...LOOP" : " REPEAT...UNTIL";
}

}  // namespace

// --- Structure helpers

int TaskInterpreter::CountLoops(LoopKind kind) const {
    int count = 0;
    for (const LoopRecord& loop : loops_) count += loop.Kind == kind ? 1 : 0;
    return count;
}

void TaskInterpreter::CheckLoopDepth(LoopKind kind) const {
    if (CountLoops(kind) < kMaxLoopsOfAKind) return;
    Fail(taskmsg::TooManyLoops, {LoopName(kind == LoopKind::For, kind == LoopKind::While),
                                 std::to_string(kMaxLoopsOfAKind)});
}

// Loops and block IFs opened by the routine being executed (a routine
// cannot close its caller's loops).
TaskInterpreter::LoopRecord* TaskInterpreter::InnermostLoop() {
    const std::size_t base = calls_.empty() ? 0 : calls_.back().LoopBase;
    return loops_.size() > base ? &loops_.back() : nullptr;
}

TaskInterpreter::IfRecord* TaskInterpreter::InnermostIf() {
    const std::size_t base = calls_.empty() ? 0 : calls_.back().IfBase;
    return ifs_.size() > base ? &ifs_.back() : nullptr;
}

bool TaskInterpreter::InsideStructure() const {
    return !loops_.empty() || !ifs_.empty() || !calls_.empty();
}

// --- Skipping

void TaskInterpreter::CloseOnScan(StatementCode code, int line) {
    // A closing line of a structure that was open before the scan closes it.
    if (code == StatementCode::Endif) {
        if (!InnermostIf()) Fail(taskmsg::SurplusEndif, {}, TaskErrorKind::Structure, line, 511);
        ifs_.pop_back();
        return;
    }
    struct Closing {
        StatementCode Code;
        LoopKind Kind;
        std::string_view Message;
        int Help;
    };
    static constexpr Closing kClosings[] = {
        {StatementCode::Next, LoopKind::For, taskmsg::SurplusNext, 512},
        {StatementCode::Loop, LoopKind::While, taskmsg::SurplusLoop, 513},
        {StatementCode::Until, LoopKind::Repeat, taskmsg::SurplusUntil, 514},
    };
    for (const Closing& c : kClosings) {
        if (c.Code != code) continue;
        const LoopRecord* loop = InnermostLoop();
        if (!loop || loop->Kind != c.Kind)
            Fail(c.Message, {}, TaskErrorKind::Structure, line, c.Help);
        loops_.pop_back();
    }
}

int TaskInterpreter::Scan(int from, ScanGoal goal, LoopKind loop, CallKind call, bool ifHadElse) {
    int openIfs = 0, openFors = 0, openWhiles = 0, openRepeats = 0;
    auto atLevel = [&] {
        return openIfs == 0 && openFors == 0 && openWhiles == 0 && openRepeats == 0;
    };
    for (int i = from; i < program_.LineCount(); ++i) {
        const TaskLine& line = program_.Line(i);
        switch (line.Code) {
            case StatementCode::Equ: {
                // An equation block is passed as a unit: its END is no end of the task.
                const int end = program_.FindPlainEnd(i + 1);
                if (end < 0) return program_.LineCount();
                i = end;
                break;
            }
            case StatementCode::End:
                if (atLevel()) return i;
                break;
            case StatementCode::If:
                if (line.OpensIfBlock) ++openIfs;
                break;
            case StatementCode::Else:
                if (openIfs > 0) break;
                if (goal == ScanGoal::Endif || (goal == ScanGoal::IfMatch && ifHadElse)) {
                    Fail(taskmsg::MisplacedElse, {}, TaskErrorKind::Structure, i, 511);
                }
                if (goal == ScanGoal::IfMatch) return i;
                break;
            case StatementCode::Endif:
                if (openIfs > 0) {
                    --openIfs;
                } else if (goal == ScanGoal::IfMatch || goal == ScanGoal::Endif) {
                    return i;
                } else {
                    CloseOnScan(line.Code, i);
                }
                break;
            case StatementCode::For:
                ++openFors;
                break;
            case StatementCode::While:
                ++openWhiles;
                break;
            case StatementCode::Repeat:
                ++openRepeats;
                break;
            case StatementCode::Next:
            case StatementCode::Loop:
            case StatementCode::Until: {
                int& open = line.Code == StatementCode::Next   ? openFors
                            : line.Code == StatementCode::Loop ? openWhiles
                                                               : openRepeats;
                const LoopKind kind = line.Code == StatementCode::Next   ? LoopKind::For
                                      : line.Code == StatementCode::Loop ? LoopKind::While
                                                                         : LoopKind::Repeat;
                if (open > 0) {
                    --open;
                } else if (goal == ScanGoal::LoopClose && kind == loop) {
                    return i;
                } else {
                    CloseOnScan(line.Code, i);
                }
                break;
            }
            case StatementCode::Return:
                if (goal == ScanGoal::RoutineEnd && call == CallKind::Gosub && atLevel()) return i;
                break;
            case StatementCode::EndDef:
                if (goal == ScanGoal::RoutineEnd && call == CallKind::Call && atLevel()) return i;
                break;
            default:
                break;
        }
    }
    return program_.LineCount();
}

// --- IF, ELSE, ENDIF

TaskInterpreter::Flow TaskInterpreter::If(const Statement& s) {
    const IfParts parts = SplitIfLine(s.Arguments);
    std::optional<ConditionText> condition = SplitCondition(parts.Condition);
    if (!condition) Fail(taskmsg::MissingRelationOperator, {}, TaskErrorKind::Structure);
    const bool block = parts.IsBlock();
    if (block && static_cast<int>(ifs_.size()) >= kMaxBlockIfs) {
        Fail(taskmsg::TooManyIfs, {std::to_string(kMaxBlockIfs)});
    }
    const bool holds = EvaluateCondition(*condition);
    return Atomically([&] {
        if (block) ifs_.push_back({current_, holds, parts.HasElse, false});
        // The empty part of a block IF stands for the block (read as BEGIN).
        const bool chosenIsBlock =
            holds ? parts.Then.empty() : (parts.HasElse && parts.Else.empty());
        const int lineAfter = current_ + 1;
        Flow flow = Flow::Next;
        if (!chosenIsBlock) flow = ExecuteText(holds ? parts.Then : parts.Else, true);
        // The block is not chosen: on to its ELSE or ENDIF (unless the chosen
        // statement went elsewhere).
        if (block && !chosenIsBlock && flow == Flow::Next && next_ == lineAfter) {
            next_ =
                Scan(lineAfter, ScanGoal::IfMatch, LoopKind::For, CallKind::Gosub, parts.HasElse);
        }
        return flow;
    });
}

TaskInterpreter::Flow TaskInterpreter::Else(const Statement& s) {
    IfRecord* block = InnermostIf();
    if (!block || block->HadElse || block->ElseReached) {
        Fail(taskmsg::MisplacedElse, {}, TaskErrorKind::Structure);
    }
    const bool skip = block->Condition;
    return Atomically([&] {
        if (skip) {
            next_ = Scan(current_ + 1, ScanGoal::Endif);
            return Flow::Next;
        }
        ifs_.back().ElseReached = true;
        // A statement after ELSE is the first line of the else-block.
        return ExecuteText(s.Arguments, false);
    });
}

TaskInterpreter::Flow TaskInterpreter::Endif(const Statement&) {
    if (!InnermostIf()) Fail(taskmsg::SurplusEndif, {}, TaskErrorKind::Structure);
    ifs_.pop_back();
    return Flow::Next;
}

// --- FOR, NEXT

TaskInterpreter::Flow TaskInterpreter::For(const Statement& s) {
    // Everything is read and evaluated before the run state changes.
    const std::string_view arguments = s.Arguments;
    const std::size_t to = FindWordOutsideQuotes(arguments, "TO");
    const std::size_t equals = arguments.find('=');
    if (to == std::string_view::npos || equals == std::string_view::npos || equals > to) {
        Fail(taskmsg::ForSyntax);
    }
    const std::string_view name = TrimTask(arguments.substr(0, equals));
    const std::string_view start = TrimTask(arguments.substr(equals + 1, to - equals - 1));
    const std::string_view rest = arguments.substr(to + 2);
    const std::size_t step = FindWordOutsideQuotes(rest, "STEP");
    const std::string_view limit = TrimTask(rest.substr(0, step));
    const std::string_view increment =
        step == std::string_view::npos ? std::string_view("1") : TrimTask(rest.substr(step + 4));
    if (name.empty() || start.empty() || limit.empty() || increment.empty())
        Fail(taskmsg::ForSyntax);
    if (!IsValidIdentifier(name)) Fail(taskmsg::InvalidIdentifier, {name});
    CheckLoopDepth(LoopKind::For);

    LoopRecord loop;
    loop.Kind = LoopKind::For;
    loop.OpenLine = current_;
    loop.StartLine = current_ + 1;
    loop.Variable = name;
    loop.Current = Typed(std::string(name) + "=" + std::string(start)).Re;
    loop.Limit = Typed(limit).Re;
    loop.Increment = Typed(increment).Re;
    if (loop.Increment == 0.0L) Fail(taskmsg::ZeroStep);
    const bool noPass =
        loop.Increment > 0.0L ? loop.Current > loop.Limit : loop.Current < loop.Limit;
    return Atomically([&] {
        loops_.push_back(std::move(loop));
        // A loop that runs zero times goes on at its NEXT, whose step ends it.
        if (noPass) next_ = Scan(current_ + 1, ScanGoal::LoopClose, LoopKind::For);
        return Flow::Next;
    });
}

TaskInterpreter::Flow TaskInterpreter::Next(const Statement&) {
    LoopRecord* loop = InnermostLoop();
    if (!loop || loop->Kind != LoopKind::For)
        Fail(taskmsg::SurplusNext, {}, TaskErrorKind::Structure);
    loop->Current += loop->Increment;
    host_.AssignVariable(loop->Variable, ComplexValue{loop->Current, 0.0L});
    const bool finished =
        loop->Increment > 0.0L ? loop->Current > loop->Limit : loop->Current < loop->Limit;
    if (finished) {
        loops_.pop_back();
    } else {
        next_ = loop->StartLine;
    }
    return Flow::Next;
}

// --- WHILE, LOOP, REPEAT, UNTIL

bool TaskInterpreter::WhileHolds(const LoopRecord& loop) {
    if (loop.EofFile >= 0) {
        if (files_.ModeOf(loop.EofFile) != TaskFiles::Mode::Input) {
            Fail(taskmsg::FileAccess, {std::to_string(loop.EofFile)});
        }
        return !files_.AtEnd(loop.EofFile);
    }
    return EvaluateCondition(loop.Condition);
}

TaskInterpreter::Flow TaskInterpreter::While(const Statement& s) {
    const std::string_view text = TrimTask(s.Arguments);
    if (text.empty()) Fail(taskmsg::MissingCondition);
    LoopRecord loop;
    loop.Kind = LoopKind::While;
    loop.OpenLine = current_;
    loop.StartLine = current_ + 1;
    const std::string compact = ToUpperAscii(RemoveBlanksAndTabs(text));
    if (compact.starts_with("NOTEOF")) {
        // NOTEOF(#n): one digit; a larger number is no logical file.
        const std::string_view file = StripOuterParentheses(std::string_view(compact).substr(6));
        if (file.size() < 2 || file.front() != '#') Fail(taskmsg::FileNumberError);
        long number = 0;
        for (char c : file.substr(1)) {
            if (c < '0' || c > '9' || number > kLogicalFileCount) Fail(taskmsg::FileNumberError);
            number = number * 10 + (c - '0');
        }
        if (number >= kLogicalFileCount) Fail(taskmsg::FileNumberError);
        loop.EofFile = static_cast<int>(number);
    } else {
        std::optional<ConditionText> condition = SplitCondition(text);
        if (!condition) Fail(taskmsg::ConditionWithoutOperator);
        if (condition->Right.empty()) return Flow::Next;
        loop.Condition = std::move(*condition);
    }
    CheckLoopDepth(LoopKind::While);
    if (WhileHolds(loop)) {
        loops_.push_back(std::move(loop));
        return Flow::Next;
    }
    return Atomically([&] {
        // On after the loop's LOOP.
        const int end = Scan(current_ + 1, ScanGoal::LoopClose, LoopKind::While);
        const bool closing =
            end < program_.LineCount() && program_.Line(end).Code == StatementCode::Loop;
        next_ = closing ? end + 1 : end;
        return Flow::Next;
    });
}

TaskInterpreter::Flow TaskInterpreter::Loop(const Statement&) {
    LoopRecord* loop = InnermostLoop();
    if (!loop || loop->Kind != LoopKind::While)
        Fail(taskmsg::SurplusLoop, {}, TaskErrorKind::Structure);
    if (WhileHolds(*loop)) {
        next_ = loop->StartLine;
    } else {
        loops_.pop_back();
    }
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Repeat(const Statement&) {
    CheckLoopDepth(LoopKind::Repeat);
    LoopRecord loop;
    loop.Kind = LoopKind::Repeat;
    loop.OpenLine = current_;
    loop.StartLine = current_ + 1;
    loops_.push_back(std::move(loop));
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Until(const Statement& s) {
    LoopRecord* loop = InnermostLoop();
    if (!loop || loop->Kind != LoopKind::Repeat) {
        Fail(taskmsg::SurplusUntil, {}, TaskErrorKind::Structure);
    }
    const std::string_view text = TrimTask(s.Arguments);
    if (text.empty()) Fail(taskmsg::MissingCondition);
    std::optional<ConditionText> condition = SplitCondition(text);
    if (!condition) Fail(taskmsg::ConditionWithoutOperator);
    if (condition->Right.empty()) return Flow::Next;
    if (EvaluateCondition(*condition)) {
        loops_.pop_back();
    } else {
        next_ = loop->StartLine;
    }
    return Flow::Next;
}

// --- BREAK, CONTINUE

TaskInterpreter::Flow TaskInterpreter::Break(const Statement&) {
    const LoopRecord* loop = InnermostLoop();
    if (!loop) Fail(taskmsg::MisplacedBreak, {}, TaskErrorKind::Structure);
    const LoopKind kind = loop->Kind;
    return Atomically([&] {
        loops_.pop_back();
        // On after the loop's closing line; an END or the end of the text
        // first ends the task (with its end check).
        const int end = Scan(current_ + 1, ScanGoal::LoopClose, kind);
        const bool closing =
            end < program_.LineCount() && program_.Line(end).Code != StatementCode::End;
        next_ = closing ? end + 1 : end;
        return Flow::Next;
    });
}

TaskInterpreter::Flow TaskInterpreter::Continue(const Statement&) {
    const LoopRecord* loop = InnermostLoop();
    if (!loop) Fail(taskmsg::MisplacedContinue, {}, TaskErrorKind::Structure);
    const LoopKind kind = loop->Kind;
    return Atomically([&] {
        // The closing line runs next: NEXT steps, LOOP and UNTIL test.
        next_ = Scan(current_ + 1, ScanGoal::LoopClose, kind);
        return Flow::Next;
    });
}

// --- Labels, GOTO

TaskInterpreter::Flow TaskInterpreter::Label(const Statement&) {
    if (InsideStructure()) Fail(taskmsg::LabelWithinStructure, {}, TaskErrorKind::Structure);
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Goto(const Statement& s) {
    if (InsideStructure()) Fail(taskmsg::GotoWithinLoops, {}, TaskErrorKind::Structure);
    std::string target(StripOuterParentheses(RemoveBlanksAndTabs(s.Arguments)));
    if (!EqualsNoCase(target, "END") && !target.starts_with(':')) target.insert(0, ":");
    const int line = program_.FindLabel(target);
    if (line < 0) Fail(taskmsg::CannotFindLabel, {target}, TaskErrorKind::Structure);
    next_ = line;
    return Flow::Next;
}

}  // namespace tarvix
