// Tasks run in the window against the headless interpreter: the loop s=0,
// FOR i=1 TO 100000, s=s+i, NEXT driven by the window's runner (slices of
// about 10 ms between event-loop turns, the main window refreshed after
// each) against the same loop run straight through as tarvix-cli --task
// runs it (goal: at most 3 times its time); and how long a Stop posted
// during that run waits before the run has ended (goal: 100 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <atomic>
#include <thread>

#include "bench_ratio.h"
#include "series/series_controller.h"
#include "task_bench_host.h"
#include "tasks/task_interpreter.h"
#include "ui/main/main_form.h"
#include "ui/tasks/task_link.h"
#include "ui/tasks/task_runner.h"

using namespace tarvix;

namespace {

constexpr const char* kLoop = "s=0\nFOR i=1 TO 100000\ns=s+i\nNEXT";
constexpr long double kSum = 5000050000.0L;

void WaitWhileRunning(TaskRunner& runner) {
    while (runner.Running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void BM_TaskLoopInWindowAgainstCli(benchmark::State& state) {
    TMainForm form;
    form.Dialogs().SetMessageHook([](const MessageBoxRequest&) { return ModalResult::Cancel; });
    form.show();
    TaskRunner& runner = form.Tasks().Runner();

    Calculator calc;
    SeriesController series(calc);
    bench::InertDialogs dialogs;
    calc.SetDialogs(&dialogs);
    bench::BenchHost host(calc, series, dialogs);
    TaskMessageTable texts;
    TaskInterpreter cli(host, texts);
    cli.SetProgram(TaskProgram(kLoop, "bench", {}));

    bench::MeasureRatio(
        state, 3.0,
        [&] {
            runner.SetProgram(TaskProgram(kLoop, "bench", {}));
            runner.Run();
            WaitWhileRunning(runner);
        },
        [&] {
            cli.Start();
            cli.Run();
        });
    if (form.Model().Parser1().GetVariable("s").Re != kSum ||
        calc.Parser1().GetVariable("s").Re != kSum) {
        state.SkipWithError("wrong sum");
    }
}
BENCHMARK(BM_TaskLoopInWindowAgainstCli)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_StopDuringTaskLoop(benchmark::State& state) {
    TMainForm form;
    form.Dialogs().SetMessageHook([](const MessageBoxRequest&) { return ModalResult::Cancel; });
    form.show();
    TaskRunner& runner = form.Tasks().Runner();
    std::vector<double> waits;
    for (auto _ : state) {
        runner.SetProgram(TaskProgram("FOR i=1 TO 100000000\ns=i\nNEXT", "bench", {}));
        runner.Run();
        // The user's Stop arrives from outside while a slice runs.
        std::atomic<qint64> postedAt{0};
        QElapsedTimer clock;
        clock.start();
        std::thread user([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            postedAt = clock.nsecsElapsed();
            QMetaObject::invokeMethod(&runner, &TaskRunner::Stop, Qt::QueuedConnection);
        });
        WaitWhileRunning(runner);
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
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
