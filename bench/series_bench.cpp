// Speed of the series engine: a run of 1,000,000 points of sin(X)*X^2+1 with
// the series file off, against the same compiled expression evaluated
// 1,000,000 times in a bare loop (goal: at most 1.2 times its time); a bare
// loop that also stores X and Y; the same run writing the series file (the
// difference per line is the file's cost); and one file line formatted alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_ratio.h"
#include "calculator/calculator.h"
#include "series/series_controller.h"
#include "series/series_file.h"
#include "series/series_hooks.h"

namespace {

using namespace tarvix;

constexpr const char* kExpression = "sin(X)*X^2+1";
constexpr std::size_t kPoints = 1000000;

// Answers every question with Yes (the run of a million points asks).
class YesDialogs : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        return request.Buttons.Has(MessageButton::Yes) ? ModalResult::Yes : ModalResult::Ok;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }
};

struct Bench {
    Bench() : series(calc), hooks(series) {
        calc.SetDialogs(&dialogs);
        calc.SetHooks(&hooks);
        calc.SetAngleUnits(auRad);
        calc.SetRegisterBox(BoxId::X, "0..0.999999:0.000001");
    }
    Calculator calc;
    YesDialogs dialogs;
    SeriesController series;
    SeriesHooks hooks;
};

void RunOnce(benchmark::State& state, Bench& b) {
    b.calc.SetInputText(kExpression);
    b.calc.Calculate();
    if (b.series.Series().ValidPoints != kPoints) state.SkipWithError("the run did not complete");
}

// The same compiled expression evaluated 1,000,000 times over the same X.
long double BareLoop(TParser& parser) {
    ComplexValue* x = parser.VariableAddress("X");
    long double sum = 0.0L;
    for (std::size_t i = 0; i < kPoints; ++i) {
        x->Re = static_cast<long double>(i) * 0.000001L;
        sum += parser.Evaluate().Re;
    }
    return sum;
}

// A run against the bare loop: the run's bookkeeping may add a fifth.
void BM_SeriesRunVsBareLoop(benchmark::State& state) {
    Bench b;
    RunOnce(state, b);  // warm: later runs reuse the series' memory
    Calculator bare;
    TParser& parser = bare.Parser1();
    parser.SetAngleUnits(auRad);
    parser.SetVariable("X", {});
    parser.SetExpression(kExpression);
    bench::MeasureRatio(
        state, 1.2, [&] { RunOnce(state, b); },
        [&] { benchmark::DoNotOptimize(BareLoop(parser)); });
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_SeriesRunVsBareLoop)->Unit(benchmark::kMillisecond);

// For reference: the bare loop that also keeps X and the result in two
// arrays, as a run must (the memory traffic of the current series).
void BM_BareLoopStoring(benchmark::State& state) {
    TParser& parser = []() -> TParser& {
        static Calculator c;
        return c.Parser1();
    }();
    parser.SetAngleUnits(auRad);
    parser.SetVariable("X", {});
    parser.SetExpression(kExpression);
    ComplexValue* x = parser.VariableAddress("X");
    TArrayOfExtended xs(kPoints), ys(kPoints);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kPoints; ++i) {
            x->Re = static_cast<long double>(i) * 0.000001L;
            xs[i] = x->Re;
            ys[i] = parser.Evaluate().Re;
        }
        benchmark::DoNotOptimize(ys.data());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_BareLoopStoring)->Unit(benchmark::kMillisecond);

void BM_SeriesRunWithFile(benchmark::State& state) {
    Bench b;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "tarvix_series_bench.txt";
    DataSeriesSettings s;
    s.CreateFile = true;
    b.series.SetSettings(s);
    b.series.SetSeriesFileOverride(path);
    RunOnce(state, b);
    for (auto _ : state) RunOnce(state, b);
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_SeriesRunWithFile)->Unit(benchmark::kMillisecond);

void BM_SeriesFileLine(benchmark::State& state) {
    SeriesLineFormat f{*FileNumberMask::Parse("0.000000000E+00")};
    f.NumberDigits = 7;
    std::string line;
    std::size_t k = 0;
    for (auto _ : state) {
        line.clear();
        ++k;
        f.AppendNumber(line, k);
        f.AppendValue(line, {static_cast<long double>(k) * 1e-6L, 0.0L});
        line += f.Column;
        f.AppendValue(line, {0.841470984807896507L * static_cast<long double>(k), 0.0L});
        benchmark::DoNotOptimize(line.data());
    }
}
BENCHMARK(BM_SeriesFileLine);

}  // namespace
