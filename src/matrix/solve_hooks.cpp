// The monitor of a running matrix computation.
#include "matrix/solve_hooks.h"

#include "calculator/value_format.h"
#include "calculator/text_trim.h"

namespace tarvix {

SolveMonitor::SolveMonitor(SolveHooks* hooks, const FormatOptions& format)
    : hooks_(hooks ? hooks : &NoSolveHooks()),
      format_(format),
      trace_(hooks_->TraceActive()),
      watch_(hooks_->WatchActive()),
      poll_(hooks_->PollActive() || trace_ || watch_) {}

std::string SolveMonitor::Text(const ComplexValue& v) const {
    return std::string(TrimBlanks(FormatValueText(v, format_)));
}

void SolveMonitor::TraceElement(std::string_view prefix, int a, int b,
                                const ComplexValue& v) const {
    if (!trace_) return;
    std::string line(prefix);
    line += ": ";
    line += std::to_string(a);
    line += ' ';
    line += std::to_string(b);
    line += "   ";
    line += Text(v);
    hooks_->Trace(line);
}

void SolveMonitor::CheckStop() const {
    if (poll_ && hooks_->StopRequested()) throw ComputationStopped{};
}

void SolveMonitor::EndOfPass() {
    if (!watch_) return;
    switch (hooks_->AskContinue()) {
        case WatchAnswer::Continue:
            break;
        case WatchAnswer::StopWatching:
            watch_ = false;
            break;
        case WatchAnswer::Cancel:
            throw ComputationStopped{};
    }
}

SolveHooks& NoSolveHooks() {
    static SolveHooks none;
    return none;
}

}  // namespace tarvix
