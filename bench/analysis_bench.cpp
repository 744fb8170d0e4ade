// Benchmarks of the analysis: ComputeStatistics of a million table cells,
// the import of a million-line file into the statistics table (reading,
// checking every value, the rows and the statistics afterwards) and the
// harmonic analysis of 2048 samples.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "analysis/fourier.h"
#include "analysis/stat_window.h"
#include "analysis/statistics.h"
#include "calculator/calculator.h"

namespace {

using namespace tarvix;

constexpr int kMillion = 1'000'000;

std::string ValueText(int i) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", 1000.0 + std::sin(i * 0.001) * 250.0);
    return text;
}

void BM_ComputeStatistics(benchmark::State& state) {
    const bool xy = state.range(0) != 0;
    StatCells rows;
    for (int i = 0; i < kMillion; ++i) rows.Append(ValueText(i), xy ? ValueText(i + 17) : "");
    Calculator calc;
    ParserCellReader reader(calc.Parser1(), false);
    StatOptions options{xy, xy, RegressionModel::Linear};
    for (auto _ : state) {
        StatOutcome out = ComputeStatistics(rows, options, reader);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations() * kMillion);
}
BENCHMARK(BM_ComputeStatistics)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ImportFile(benchmark::State& state) {
    const bool xy = state.range(0) != 0;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / (xy ? "tarvix_bench_xy.txt" : "tarvix_bench.txt");
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < kMillion; ++i) {
            out << ValueText(i);
            if (xy) out << ';' << ValueText(i + 17);
            out << "\r\n";
        }
    }
    Calculator calc;
    StatWindow window(calc);
    for (auto _ : state) {
        bool ok = window.ImportFilePath(path);
        benchmark::DoNotOptimize(ok);
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kMillion);
}
BENCHMARK(BM_ImportFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_AnalyzeHarmonics(benchmark::State& state) {
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    std::vector<long double> samples(n);
    for (std::size_t i = 0; i < n; ++i) {
        const long double t = i * 2.0L * kPi / n;
        samples[i] = std::sin(t) + 0.3L * std::sin(5 * t) + 0.1L * std::cos(11 * t);
    }
    for (auto _ : state) {
        HarmonicsOutcome out = AnalyzeHarmonics(samples);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_AnalyzeHarmonics)->Arg(256)->Arg(2048)->Unit(benchmark::kMillisecond);

}  // namespace
