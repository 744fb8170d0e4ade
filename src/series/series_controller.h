// SeriesController: the series part of the main window. It owns the vector
// table, the current series and the series settings, answers the calculator's
// series hooks (parametric and expansion input, the branch into a run, the
// expansion's sum, clearing), and runs the series engine RunSeries through
// the run-control port. The desktop window and the headless evaluator each
// hold one next to their Calculator.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "calculator/calculator.h"
#include "series/current_series.h"
#include "series/param_dialog_model.h"
#include "series/series_input.h"
#include "series/series_memory.h"
#include "series/series_messages.h"
#include "series/series_ports.h"
#include "series/series_settings.h"
#include "series/var_vectors.h"

namespace tarvix {

// How a run ended.
enum class RunEnd : std::uint8_t {
    NotRun,     // refused before any point (a message was shown), or re-entry
    Completed,  // every point computed
    Stopped,    // the user stopped it; the points so far are kept
};

class SeriesController {
public:
    explicit SeriesController(Calculator& calculator);

    // --- Ports (not owned; nullptr puts back the inert default)
    void SetRunControl(RunControlPort* control);
    void SetStatistics(StatisticsPort* statistics);
    void SetChart(ChartPort* chart);
    RunControlPort& RunControl() { return *control_; }
    StatisticsPort& Statistics() { return *statistics_; }
    ChartPort& Chart() { return *chart_; }

    // --- Settings
    const DataSeriesSettings& Settings() const { return settings_; }
    void SetSettings(const DataSeriesSettings& settings) { settings_ = settings; }
    // The parameter dialog's box histories.
    ParamDlgHistories& ParamHistories() { return paramHistories_; }
    bool VarAsVector() const { return varAsVector_; }
    // Switching the option off empties the vector table.
    void SetVarAsVector(bool on);
    // The series file when `CreateFile` is on: by default the data file's
    // name with the extension ".txt" (from `dataFilePath`); a file named
    // here instead, or a stream (standard output).
    void SetDataFilePath(std::function<std::filesystem::path()> dataFilePath) {
        dataFilePath_ = std::move(dataFilePath);
    }
    void SetSeriesFileOverride(std::filesystem::path path) { fileOverride_ = std::move(path); }
    void SetSeriesStream(std::ostream* stream) { fileStream_ = stream; }
    // Where a run learns how much memory is left (by default the system's
    // figure); a run whose points cannot fit is refused before it starts.
    void SetMemoryProbe(MemoryProbe probe) { memoryProbe_ = std::move(probe); }
    std::filesystem::path SeriesFilePath() const;

    // --- Hooks of the calculation command (calculator_ports.h)
    bool PrepareSeries(std::string_view typed, std::string& text);
    bool BranchToSeries(bool xRangeUsed);
    std::optional<ComplexValue> EvaluateSeriesExpansion(TParser& parser);
    void ClearSeries() { series_ = CurrentSeries::Empty(); }
    void ClearAllVectors() { vectors_.ClearAllVectors(); }
    void RemoveVector(std::string_view name) { vectors_.ClearVector(name); }

    // --- The engine
    // One run over the X (and Y) range, or over the vectors' elements. With
    // `fromStatistics` the values come from the statistics grid instead of
    // the expression. Evaluation and file errors are raised after the
    // running state has been restored; the points so far are kept.
    RunEnd RunSeries(bool fromStatistics);
    bool Running() const { return running_; }
    // A click on "Stop" while a run goes.
    void RequestStop() { stop_ = true; }
    int Pass() const { return pass_; }

    // --- State read by other windows
    CurrentSeries& Series() { return series_; }
    const CurrentSeries& Series() const { return series_; }
    VarVectors& Vectors() { return vectors_; }
    const VarVectors& Vectors() const { return vectors_; }
    SeriesMessageTable& Texts() { return texts_; }
    // The display's hint after a run ("doba výpočtu: mm:ss,zzz").
    const std::string& ElapsedHint() const { return elapsedHint_; }
    // Lowest and highest real result of the first parametric pass.
    std::pair<long double, long double> FirstRange() const { return firstRange_; }
    // How the last run (or parametric pair) ended.
    RunEnd LastRun() const { return lastRun_; }
    // Whether a run took the last calculation (also a stopped or failed one).
    bool LastCalculationWasRun() const { return lastCalculationWasRun_; }
    void ForgetLastCalculation() { lastCalculationWasRun_ = false; }

    // The label hint of a variable with a vector (empty without one).
    std::string VectorHint(std::string_view name) const;

private:
    struct RunSetup;
    RunEnd RunPass(bool fromStatistics);
    bool ConfirmCount(long double total);

    Calculator& calc_;
    SeriesMessageTable texts_;
    DataSeriesSettings settings_;
    ParamDlgHistories paramHistories_;
    bool varAsVector_ = false;
    VarVectors vectors_;
    CurrentSeries series_;

    RunControlPort inertControl_;
    StatisticsPort inertStatistics_;
    ChartPort inertChart_;
    RunControlPort* control_ = &inertControl_;
    StatisticsPort* statistics_ = &inertStatistics_;
    ChartPort* chart_ = &inertChart_;

    std::function<std::filesystem::path()> dataFilePath_;
    std::filesystem::path fileOverride_;
    std::ostream* fileStream_ = nullptr;
    MemoryProbe memoryProbe_;
    std::vector<std::string> firstPassLines_;  // pass 1 of a run to a stream

    // The calculation in progress.
    int pass_ = 0;  // 0 single run, 1 and 2 the parametric passes
    bool parametric_ = false;
    std::string parametricY_;
    std::optional<SeriesExpansion> expansion_;
    bool running_ = false;
    bool stop_ = false;
    RunEnd lastRun_ = RunEnd::NotRun;
    bool lastCalculationWasRun_ = false;
    std::pair<long double, long double> firstRange_{0.0L, 0.0L};
    std::string elapsedHint_;
};

}  // namespace tarvix
