// TaskRunner: drives a TaskInterpreter on the user-interface thread. A run
// executes lines in slices of about 10 ms and returns to the event loop
// between them (a zero timer), so the windows stay responsive during long
// tasks; DELAY and the typing pauses of ENTER are timers, never busy waits or
// nested event loops.
//
// Commands never act in the middle of a line: Pause, Stop, a new program
// (another library row) and the owner's going away are requests while a
// slice runs (a line may process events, e.g. a series run inside an
// expression) and are applied when the current line has returned.
//
// The commands a window binds to its keys and buttons (all slots):
//   Run()              F9   "Běh od začátku úlohy": from the start, Pause released
//   StepLine()         F7   one line, Pause pressed (the first press starts the task)
//   TogglePause()      F8   "Pauza/pokračování běhu úlohy": press, or release and continue
//   RunToCursor(line)  F4   "Běh úlohy do místa kurzoru": lines before `line` (0-based)
//   Stop()             F2   "Přerušení běhu úlohy"
// A window shows what the signals say: StatusChanged (the status bar),
// HighlightLine (the next line while paused, -1 removes the highlight),
// ErrorLine (the failing line), RunningChanged (the run button is disabled
// while a run is active), PausedChanged (the pause button's state).
// A library window binds a task row with SetProgram (another row: Reset).
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

#include "tasks/task_interpreter.h"

namespace tarvix {

class TextCatalog;

class TaskRunner : public QObject {
    Q_OBJECT

public:
    // The host and the texts must outlive the runner; `catalog` (may be
    // nullptr) replaces the status texts.
    TaskRunner(TaskHost& host, const TaskMessageTable& texts, TextCatalog* catalog,
               QObject* parent = nullptr);
    ~TaskRunner() override;

    // A new program: the run state is reset and Pause released (while a line
    // runs, after it has returned).
    void SetProgram(TaskProgram program);
    // The same task edited while paused: the run state stays.
    void UpdateProgram(TaskProgram program);
    const TaskProgram& Program() const { return interpreter_.Program(); }
    TaskInterpreter& Interpreter() { return interpreter_; }

    // Every slice of lines runs inside this wrapper (the main window hands
    // its widgets' texts to the model before and refreshes them after).
    using SliceWrapper = std::function<void(const std::function<void()>& slice)>;
    void SetSliceWrapper(SliceWrapper wrapper) { wrapper_ = std::move(wrapper); }
    // How a failing line is reported (the default: the host's error box with
    // "Storno" and the help button). Called after the run has paused.
    using ErrorReporter = std::function<void(const TaskError& error)>;
    void SetErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

    // A run is active: slices are scheduled or a DELAY or ENTER pause runs.
    bool Running() const { return running_; }
    // Pause is down.
    bool Paused() const { return paused_; }
    // A line is executing right now (the caller is inside it).
    bool InLine() const { return inSlice_; }
    // The line the next slice executes (0-based).
    int NextLine() const { return interpreter_.NextLine(); }

    // The length of a slice (about 10 ms; tests may shorten it).
    void SetSliceLength(std::chrono::nanoseconds length) { sliceLength_ = length; }

public slots:
    void Run();
    void StepLine();
    void TogglePause();
    void SetPaused(bool paused);
    void RunToCursor(int line);
    void Stop();
    // Another row selected: back to the start without a status text.
    void Reset();

signals:
    void StatusChanged(const QString& text);
    void HighlightLine(int line);
    void ErrorLine(int line);
    void RunningChanged(bool running);
    void PausedChanged(bool paused);
    // The task came to its end (END, the last line) or was stopped.
    void Finished();
    // A run stopped (Stop, another program): pending typing is dropped.
    void Stopped();

private:
    enum class Request : std::uint8_t { None, Stop, Reset };

    void Begin(bool stepping);
    void Slice();
    void WaitEnded();
    void Apply(const StepResult& result);
    void LeaveLoop(bool paused);
    void ApplyStop(bool showStatus);
    void SetRunning(bool running);
    void EmitPaused(bool paused);
    QString Status(int which) const;
    QString LineText(int line) const;

    TaskInterpreter interpreter_;
    TaskHost& host_;
    TextCatalog* catalog_;
    SliceWrapper wrapper_;
    ErrorReporter reporter_;
    QTimer sliceTimer_;
    QTimer waitTimer_;
    std::chrono::nanoseconds sliceLength_ = std::chrono::milliseconds(10);

    bool running_ = false;
    bool paused_ = false;
    bool stepping_ = false;  // the run executes one line (Pause down)
    bool inSlice_ = false;
    bool pauseRequested_ = false;
    Request request_ = Request::None;
    std::optional<TaskProgram> pendingProgram_;
};

}  // namespace tarvix
