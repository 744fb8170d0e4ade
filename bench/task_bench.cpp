// Speed of the task interpreter: the loop s=0, FOR i=1 TO 100000, s=s+i,
// NEXT run to its end against the real calculator (every s=s+i goes through
// the calculation command as typed input does), and the same loop with an
// empty body (the interpreter's own cost per line: stepping, NEXT, the
// loop variable).
#include <benchmark/benchmark.h>

#include "calculator/calculator.h"
#include "series/series_controller.h"
#include "tasks/calculator_task_host.h"
#include "tasks/task_interpreter.h"

namespace {

using namespace tarvix;

// No windows: printed lines are counted, everything else is ignored.
class BenchHost : public CalculatorTaskHost {
public:
    using CalculatorTaskHost::CalculatorTaskHost;
    std::optional<std::filesystem::path> ChooseTextFile(bool,
                                                        const std::filesystem::path&) override {
        return std::nullopt;
    }
    void PrintLine(std::string_view, std::string_view) override { ++Printed; }
    bool OutputHasLines() override { return Printed > 0; }
    void ClearOutput() override {}
    void ClearHistory() override {}
    void WindowCommand(const tarvix::WindowCommand&) override {}
    void CloseWindow(TaskWindow) override {}
    void SendKey(const KeyCommand&) override {}
    void ShowHelp(std::string_view) override {}
    void PlotPoint(int, long double, long double) override {}
    long Printed = 0;
};

class InertDialogs : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest&) override { return ModalResult::Cancel; }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }
};

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
