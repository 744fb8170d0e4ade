// TaskRunner: slices of lines between event-loop turns, timers for the
// waits, and requests applied between lines.
#include "ui/tasks/task_runner.h"

#include <QScopedValueRollback>

#include "storage/text_catalog.h"
#include "ui/tasks/task_ui_texts.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

TaskRunner::TaskRunner(TaskHost& host, const TaskMessageTable& texts, TextCatalog* catalog,
                       QObject* parent)
    : QObject(parent), interpreter_(host, texts), host_(host), catalog_(catalog) {
    sliceTimer_.setSingleShot(true);
    sliceTimer_.setInterval(0);
    waitTimer_.setSingleShot(true);
    connect(&sliceTimer_, &QTimer::timeout, this, &TaskRunner::Slice);
    connect(&waitTimer_, &QTimer::timeout, this, &TaskRunner::WaitEnded);
    reporter_ = [this](const TaskError& error) {
        host_.ShowMessage(error.Message, MessageKind::Error, kCancelHelpButtons, error.HelpContext);
    };
}

TaskRunner::~TaskRunner() {
    sliceTimer_.stop();
    waitTimer_.stop();
}

void TaskRunner::SetProgram(TaskProgram program) {
    if (inSlice_) {
        pendingProgram_ = std::move(program);
        request_ = Request::Reset;
        return;
    }
    ApplyStop(false);
    interpreter_.SetProgram(std::move(program));
}

void TaskRunner::UpdateProgram(TaskProgram program) {
    if (inSlice_ || running_) return;
    interpreter_.UpdateProgram(std::move(program));
}

// --- Commands

void TaskRunner::Run() {
    if (running_ || inSlice_) return;
    EmitPaused(false);
    interpreter_.Start();
    Begin(false);
}

void TaskRunner::StepLine() {
    if (running_ || inSlice_) return;
    if (!paused_ && interpreter_.AtStart()) interpreter_.Start();
    EmitPaused(true);
    interpreter_.Resume();
    Begin(true);
}

void TaskRunner::TogglePause() {
    SetPaused(!(paused_ || pauseRequested_));
}

void TaskRunner::SetPaused(bool paused) {
    interpreter_.SetStopLine(-1);
    if (request_ == Request::Stop) request_ = Request::None;
    if (paused) {
        if (running_) {
            // Taken after the current slice: the loop leaves before the next line.
            pauseRequested_ = true;
            if (!inSlice_ && !waitTimer_.isActive()) {
                sliceTimer_.stop();
                LeaveLoop(true);
            }
            return;
        }
        EmitPaused(true);
        if (interpreter_.AtStart()) emit HighlightLine(0);
        return;
    }
    pauseRequested_ = false;
    if (running_) {
        // Released during a stepped line's wait: the run goes on after it.
        stepping_ = false;
        EmitPaused(false);
        return;
    }
    if (inSlice_) return;
    EmitPaused(false);
    emit HighlightLine(-1);
    interpreter_.Resume();
    Begin(false);
}

void TaskRunner::RunToCursor(int line) {
    if (running_ || inSlice_) return;
    EmitPaused(false);
    interpreter_.SetStopLine(line);
    interpreter_.Resume();
    Begin(false);
}

void TaskRunner::Stop() {
    if (inSlice_) {
        request_ = Request::Stop;
        return;
    }
    ApplyStop(true);
}

void TaskRunner::Reset() {
    if (inSlice_) {
        request_ = Request::Reset;
        return;
    }
    ApplyStop(false);
}

// --- The run loop

void TaskRunner::Begin(bool stepping) {
    stepping_ = stepping;
    pauseRequested_ = false;
    request_ = Request::None;
    SetRunning(true);
    Slice();
}

void TaskRunner::Slice() {
    if (!running_ || inSlice_) return;
    StepResult result;
    {
        const QScopedValueRollback guard(inSlice_, true);
        auto body = [this, &result] {
            const Clock::time_point end = Clock::now() + sliceLength_;
            for (;;) {
                // One line per call: Run() with no budget still stops at the stop line.
                result = interpreter_.Run(std::chrono::nanoseconds::zero());
                if (result.Status != StepStatus::Continue) return;
                if (request_ != Request::None || pauseRequested_) return;
                if (stepping_) {
                    // Past the last line the end of the task belongs to this press.
                    if (interpreter_.NextLine() < interpreter_.Program().LineCount()) return;
                    continue;
                }
                if (Clock::now() >= end) return;
            }
        };
        if (wrapper_) {
            wrapper_(body);
        } else {
            body();
        }
    }
    Apply(result);
}

void TaskRunner::Apply(const StepResult& result) {
    if (request_ != Request::None) {
        const bool showStatus = request_ == Request::Stop;
        request_ = Request::None;
        ApplyStop(showStatus);
        if (pendingProgram_) {
            interpreter_.SetProgram(std::move(*pendingProgram_));
            pendingProgram_.reset();
        }
        return;
    }
    switch (result.Status) {
        case StepStatus::Continue:
            emit StatusChanged(LineText(interpreter_.NextLine()));
            if (stepping_ || pauseRequested_) {
                LeaveLoop(true);
            } else {
                sliceTimer_.start();
            }
            return;
        case StepStatus::Wait:
            emit StatusChanged(LineText(interpreter_.NextLine()));
            waitTimer_.start(static_cast<int>(std::clamp(result.WaitMs, 0L, 24L * 3600 * 1000)));
            return;
        case StepStatus::Paused:
            LeaveLoop(true);
            return;
        case StepStatus::Finished:
            SetRunning(false);
            EmitPaused(false);
            emit HighlightLine(-1);
            emit StatusChanged(Status(2));
            emit Finished();
            return;
        case StepStatus::Stopped:
            SetRunning(false);
            EmitPaused(false);
            emit HighlightLine(-1);
            emit StatusChanged(Status(0));
            emit Stopped();
            emit Finished();
            return;
        case StepStatus::Error:
            LeaveLoop(true);
            emit ErrorLine(result.Error.Line);
            if (reporter_) reporter_(result.Error);
            return;
    }
}

void TaskRunner::WaitEnded() {
    if (!running_) return;
    if (stepping_ || pauseRequested_) {
        LeaveLoop(true);
        return;
    }
    Slice();
}

void TaskRunner::LeaveLoop(bool paused) {
    sliceTimer_.stop();
    waitTimer_.stop();
    pauseRequested_ = false;
    stepping_ = false;
    SetRunning(false);
    EmitPaused(paused);
    if (paused) emit HighlightLine(interpreter_.NextLine());
}

void TaskRunner::ApplyStop(bool showStatus) {
    const bool wasRunning = running_;
    sliceTimer_.stop();
    waitTimer_.stop();
    pauseRequested_ = false;
    stepping_ = false;
    interpreter_.Reset();
    SetRunning(false);
    EmitPaused(false);
    emit HighlightLine(-1);
    emit Stopped();
    if (showStatus) emit StatusChanged(Status(wasRunning ? 1 : 0));
}

void TaskRunner::SetRunning(bool running) {
    if (running_ == running) return;
    running_ = running;
    emit RunningChanged(running);
}

void TaskRunner::EmitPaused(bool paused) {
    if (paused_ == paused) return;
    paused_ = paused;
    emit PausedChanged(paused);
}

QString TaskRunner::Status(int which) const {
    static const CatalogText* const kStatuses[] = {&texts::TaskInitialized, &texts::TaskInterrupted,
                                                   &texts::TaskFinished};
    const CatalogText& text = *kStatuses[which];
    if (!catalog_) return ToQ(text.BuiltIn);
    return ToQ(CatalogString(*catalog_, text));
}

QString TaskRunner::LineText(int line) const {
    const TaskProgram& program = interpreter_.Program();
    if (line < 0 || line >= program.LineCount()) return {};
    return ToQ(program.RawLine(line));
}

}  // namespace tarvix
