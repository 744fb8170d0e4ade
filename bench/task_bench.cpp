// Speed of the task interpreter: the loop s=0, FOR i=1 TO 100000, s=s+i,
// NEXT run to its end against the real calculator (every s=s+i goes through
// the calculation command as typed input does), and the same loop with an
// empty body (the interpreter's own cost per line: stepping, NEXT, the
// loop variable).
#include <benchmark/benchmark.h>

#include "calculator/calculator.h"
#include "series/series_controller.h"
#include "task_bench_host.h"
#include "tasks/task_interpreter.h"

namespace {

using namespace tarvix;

using bench::BenchHost;
using bench::InertDialogs;

void RunLoop(benchmark::State& state, const char* program, long double expectedS) {
    Calculator calc;
    SeriesController series(calc);
    InertDialogs dialogs;
    calc.SetDialogs(&dialogs);
    BenchHost host(calc, series, dialogs);
    TaskMessageTable texts;
    TaskInterpreter interpreter(host, texts);
    interpreter.SetProgram(TaskProgram(program, "bench", {}));
    for (auto _ : state) {
        interpreter.Start();
        const StepResult result = interpreter.Run();
        if (result.Status != StepStatus::Finished) state.SkipWithError("the task did not finish");
    }
    if (calc.Parser1().GetVariable("s").Re != expectedS) state.SkipWithError("wrong sum");
    state.SetItemsProcessed(state.iterations() * 100000);
}

void BM_TaskSumLoop(benchmark::State& state) {
    RunLoop(state, "s=0\nFOR i=1 TO 100000\ns=s+i\nNEXT", 5000050000.0L);
}
BENCHMARK(BM_TaskSumLoop)->Unit(benchmark::kMillisecond);

void BM_TaskEmptyLoop(benchmark::State& state) {
    RunLoop(state, "s=0\nFOR i=1 TO 100000\n' nothing\nNEXT", 0.0L);
}
BENCHMARK(BM_TaskEmptyLoop)->Unit(benchmark::kMillisecond);

}  // namespace
