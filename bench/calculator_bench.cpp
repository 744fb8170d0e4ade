// Speed of the calculation command: 2*sin(x)+A typed into the input line and
// calculated as the main window does it (histories, input-line commands,
// blank removal, compilation, loading the eight registers, evaluation,
// formatting, Ans and the recent results), per call; and its tail alone
// (registers, evaluation, formatting) on the compiled input.
#include <benchmark/benchmark.h>

#include <string>

#include "calculator/calculator.h"

namespace {

using namespace tarvix;

constexpr const char* kInput = "2*sin(x)+A";
constexpr const char* kExpected = "2.20885107720841 ";  // 2*sin(0.5)+1.25 in radians

void Prepare(Calculator& calc) {
    calc.SetAngleUnits(auRad);
    calc.SetRegisterBox(BoxId::X, "0.5");
    calc.SetRegisterBox(BoxId::A, "1.25");
    calc.SetInputText(kInput);
}

void CheckResult(benchmark::State& state, const Calculator& calc) {
    if (calc.DisplayText() != kExpected) state.SkipWithError("unexpected display text");
}

void BM_CalculationCommand(benchmark::State& state) {
    Calculator calc;
    Prepare(calc);
    for (auto _ : state) {
        CalcOutcome outcome = calc.Calculate();
        benchmark::DoNotOptimize(outcome);
    }
    CheckResult(state, calc);
}
BENCHMARK(BM_CalculationCommand);

void BM_ComputeAndShow(benchmark::State& state) {
    Calculator calc;
    Prepare(calc);
    calc.Calculate();
    for (auto _ : state) {
        bool shown = calc.ComputeAndShow();
        benchmark::DoNotOptimize(shown);
    }
    CheckResult(state, calc);
}
BENCHMARK(BM_ComputeAndShow);

}  // namespace
