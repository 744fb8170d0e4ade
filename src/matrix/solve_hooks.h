// The port through which long matrix computations report and ask while they
// run: trace lines for the calculation history, element updates for the
// watch mode with its "continue?" question, the stop poll and the pass and
// row progress. The worksheet window implements it; tests script it.
//
// A computation reads the three switches once at its start. With all of them
// off (fast mode) it makes no call at all; with only the poll on it calls
// StopRequested, Pass and Row between rows and passes, never per element;
// trace or watch make it call per element.
#pragma once

#include <string>
#include <string_view>

#include "calculator/format_options.h"
#include "engine/complex_value.h"

namespace tarvix {

enum class WatchAnswer { Continue, StopWatching, Cancel };

class SolveHooks {
public:
    virtual ~SolveHooks() = default;

    virtual bool TraceActive() const { return false; }  // history lines wanted
    virtual bool WatchActive() const { return false; }  // element updates wanted
    virtual bool PollActive() const { return false; }   // stop poll and progress wanted

    // One line for the calculation history.
    virtual void Trace(std::string_view /*line*/) {}
    // A new value of a left-grid data cell (1-based row and column).
    virtual void WatchElement(int /*row*/, int /*column*/, const ComplexValue& /*value*/) {}
    // The question after each pass of the watch mode ("Pokračovat další iterací?").
    virtual WatchAnswer AskContinue() { return WatchAnswer::Continue; }
    // Whether the user asked to stop; also the moment to process window events.
    virtual bool StopRequested() { return false; }
    virtual void Pass(int /*pass*/) {}  // "Průchod  %d"
    virtual void Row(int /*row*/) {}    // "Řádek  %d"
};

// Raised when a computation ends at the user's stop request; no result is
// delivered.
struct ComputationStopped {};

// A computation's view of the hooks: the switches read once, the value
// formatter for trace lines and the per-element helpers.
class SolveMonitor {
public:
    SolveMonitor(SolveHooks* hooks, const FormatOptions& format);

    bool Trace() const { return trace_; }
    bool Watch() const { return watch_; }
    bool Poll() const { return poll_; }
    // Per-element work is wanted (trace or watch).
    bool PerElement() const { return trace_ || watch_; }
    // Any call is wanted.
    bool Active() const { return trace_ || watch_ || poll_; }

    std::string Text(const ComplexValue& v) const;
    void TraceLine(std::string_view line) const {
        if (trace_) hooks_->Trace(line);
    }
    // "<prefix>: <a> <b>   <value>" (the element lines of the solvers).
    void TraceElement(std::string_view prefix, int a, int b, const ComplexValue& v) const;
    void WatchElement(int row, int column, const ComplexValue& v) const {
        if (watch_) hooks_->WatchElement(row, column, v);
    }
    // Raises ComputationStopped when the user asked to stop (only when polling).
    void CheckStop() const;
    void Pass(int pass) const {
        if (poll_) hooks_->Pass(pass);
    }
    void Row(int row) const {
        if (poll_) hooks_->Row(row);
    }
    // After a pass in the watch mode: asks whether to go on; "stop watching"
    // switches the watch off for the rest of the computation; Cancel stops.
    void EndOfPass();

    SolveHooks& Hooks() const { return *hooks_; }

private:
    SolveHooks* hooks_;
    FormatOptions format_;
    bool trace_;
    bool watch_;
    bool poll_;
};

// A hooks object that wants nothing (the fast mode).
SolveHooks& NoSolveHooks();

}  // namespace tarvix
