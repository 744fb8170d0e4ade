// Tasks run in the library window against the headless interpreter: the loop
// s=0, FOR i=1 TO 100000, s=s+i, NEXT as a task row of the library window,
// started by its Run command (F9) and driven by the program's runner (slices
// of about 10 ms between event-loop turns, the main window refreshed and the
// status bar set after each) until the run has ended, against the same loop
// run straight through as tarvix-cli --task runs it (goal: at most 3 times
// its time, both on the wall clock); and how long the window's Stop command
// (F2), posted from outside during a long loop, waits before the run has
// ended (goal: 100 ms).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QTemporaryDir>
#include <atomic>
#include <memory>
#include <thread>

#include "bench_ratio.h"
#include "series/series_controller.h"
#include "task_bench_host.h"
#include "tasks/library_file.h"
#include "tasks/task_interpreter.h"
#include "ui/library/expr_form.h"
#include "ui/main/main_form.h"
#include "ui/tasks/task_link.h"
#include "ui/tasks/task_runner.h"

using namespace tarvix;

namespace {

constexpr const char* kLoop = "s=0\nFOR i=1 TO 100000\ns=s+i\nNEXT";
constexpr long double kSum = 5000050000.0L;

// The main window with its library window open on one task row.
struct LibraryWindowTask {
    QTemporaryDir folder;
    TMainForm form;
    TExprForm* library = nullptr;
    TaskRunner& runner = form.Tasks().Runner();

    explicit LibraryWindowTask(const char* task) {
        form.Dialogs().SetMessageHook([](const MessageBoxRequest&) { return ModalResult::Cancel; });
        form.show();
        LibraryTree tree;
        tree.Append(nullptr, std::make_unique<LibraryNode>(
                                 "Bench", std::vector<LibraryRow>{{task, "Bench", "TASK"}}));
        const std::filesystem::path file = folder.filePath(QStringLiteral("bench.exp")).toStdString();
        if (!WriteLibraryFile(file, tree).ok()) return;
        form.OpenLibraryFile(QString::fromStdString(file.string()), false);
        library = form.ExprForm();
    }

    // The window's Run command is there for the selected task row.
    bool Ready() const { return library && Action("RunToolButton")->isEnabled(); }
    QAction* Action(const char* name) const { return library->Action(name); }

    void WaitWhileRunning() {
        while (runner.Running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
};

void BM_TaskLoopInWindowAgainstCli(benchmark::State& state) {
    LibraryWindowTask window(kLoop);
    if (!window.Ready()) {
        state.SkipWithError("the library window offers no Run command");
        return;
    }

    Calculator calc;
    SeriesController series(calc);
    series.SetVarAsVector(true);
    bench::InertDialogs dialogs;
    calc.SetDialogs(&dialogs);
    bench::BenchHost host(calc, series, dialogs);
    TaskMessageTable texts;
    TaskInterpreter cli(host, texts);
    cli.SetProgram(TaskProgram(kLoop, "bench", {}));

    bench::MeasureRatio(
        state, 3.0,
        [&] {
            window.Action("RunToolButton")->trigger();
            window.WaitWhileRunning();
        },
        [&] {
            cli.Start();
            while (cli.Run().Status == StepStatus::Continue) {
            }
        },
        bench::Clock::Wall);
    if (window.form.Model().Parser1().GetVariable("s").Re != kSum ||
        calc.Parser1().GetVariable("s").Re != kSum) {
        state.SkipWithError("wrong sum");
    }
}
BENCHMARK(BM_TaskLoopInWindowAgainstCli)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_StopDuringTaskLoop(benchmark::State& state) {
    LibraryWindowTask window("FOR i=1 TO 100000000\ns=i\nNEXT");
    if (!window.Ready()) {
        state.SkipWithError("the library window offers no Run command");
        return;
    }
    QAction* stop = window.Action("StopToolButton");
    std::vector<double> waits;
    for (auto _ : state) {
        window.Action("RunToolButton")->trigger();
        // The user's Stop arrives from outside while a slice runs.
        std::atomic<qint64> postedAt{0};
        QElapsedTimer clock;
        clock.start();
        std::thread user([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            postedAt = clock.nsecsElapsed();
            QMetaObject::invokeMethod(stop, &QAction::trigger, Qt::QueuedConnection);
        });
        window.WaitWhileRunning();
        const qint64 endedAt = clock.nsecsElapsed();
        user.join();
        waits.push_back(static_cast<double>(endedAt - postedAt) * 1e-6);
    }
    const double median = bench::Median(waits);
    state.counters["stop_ms"] = median;
    state.counters["ratio"] = median / 100.0;
    state.counters["target"] = 1.0;
}
BENCHMARK(BM_StopDuringTaskLoop)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows' settings and the user's library stay in a folder of this run.
    QTemporaryDir home;
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, home.path().toUtf8() + '/' + variable);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
