// Benchmarks whose goal is a ratio of two times: the subject (what the goal
// is about) and its baseline run one after the other in every iteration,
// each timed on the thread's CPU clock, so that both see the same machine
// and the same load. The ratio of their medians is reported as the counter
// "ratio" beside the goal "target" (and the baseline's median in
// milliseconds); `make bench` collects these counters of every benchmark
// program into one table. The benchmark's own time is the subject's alone.
// A subject that returns to an event loop between its parts (and may wait
// there) is timed on the wall clock instead (Clock::Wall), as its user sees it.
#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <vector>

namespace tarvix::bench {

inline double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline double WallSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

enum class Clock { Thread, Wall };

inline double Median(std::vector<double> times) {
    if (times.empty()) return 0.0;
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
}

// Runs `subject` (timed by the benchmark) and `baseline` (timing paused) in
// every iteration and reports the ratio of their median times against
// `target`; both are timed on `clock`.
template <class Subject, class Baseline>
void MeasureRatio(benchmark::State& state, double target, Subject&& subject, Baseline&& baseline,
                  Clock clock = Clock::Thread) {
    double (*const now)() = clock == Clock::Wall ? WallSeconds : ThreadSeconds;
    std::vector<double> subjectTimes;
    std::vector<double> baselineTimes;
    for (auto _ : state) {
        const double start = now();
        subject();
        subjectTimes.push_back(now() - start);
        state.PauseTiming();
        const double baselineStart = now();
        baseline();
        baselineTimes.push_back(now() - baselineStart);
        state.ResumeTiming();
    }
    const double baselineTime = Median(baselineTimes);
    if (baselineTime <= 0.0) return;
    state.counters["ratio"] = Median(subjectTimes) / baselineTime;
    state.counters["target"] = target;
    state.counters["baseline_ms"] = baselineTime * 1e3;
}

}  // namespace tarvix::bench
