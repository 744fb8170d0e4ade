// A calculator wired to a series controller for the series tests: scripted
// dialogs, a recording clipboard, the series hooks, and fakes of the
// run-control, statistics and chart ports.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calculator_test_support.h"
#include "series/data_pump.h"
#include "series/series_controller.h"
#include "series/series_hooks.h"

namespace tarvix::testing {

// Records the running state and the progress; can request a stop when a
// progress text is shown.
class FakeRunControl : public RunControlPort {
public:
    void BeginRun() override {
        ++Begun;
        Running = true;
    }
    void EndRun() override {
        ++Ended;
        Running = false;
    }
    void ProcessEvents() override { ++Polls; }
    void ShowProgress(std::string_view text) override {
        Progress.emplace_back(text);
        if (OnProgress) OnProgress(text);
    }
    void SetBusy(bool busy) override { Busy.push_back(busy); }

    int Begun = 0, Ended = 0, Polls = 0;
    bool Running = false;
    std::vector<std::string> Progress;
    std::vector<bool> Busy;
    std::function<void(std::string_view)> OnProgress;
};

// A statistics grid held in memory: Cells[column][row], row 0 the header.
class FakeStatistics : public StatisticsPort {
public:
    bool Exists() const override { return Open; }
    int SelectedColumn() const override { return Selected; }
    void SetSelectedColumn(int column) override { Selected = column; }
    bool XyChecked() const override { return Xy; }
    int RowCount() const override { return static_cast<int>(Cells[0].size()); }
    std::string Cell(int column, int row) const override {
        const auto& c = Cells[column];
        return row < static_cast<int>(c.size()) ? c[row] : std::string();
    }
    void WriteColumn(int column, const std::vector<std::string>& texts) override {
        Open = true;
        const std::size_t rows = texts.size() + 1;
        for (auto& c : Cells) c.resize(rows);
        for (std::size_t r = 1; r < rows; ++r) {
            Cells[0][r] = std::to_string(r);
            Cells[column][r] = texts[r - 1];
        }
    }
    void Show() override { ++Shown; }

    bool Open = false;
    int Selected = 1;
    bool Xy = false;
    int Shown = 0;
    std::vector<std::string> Cells[3] = {{"n"}, {"x"}, {"y"}};
};

class FakeChart : public ChartPort {
public:
    bool Exists() const override { return Open; }
    std::vector<long double> SelectedSeriesY() const override { return Selected; }
    void AddSeries(const CurrentSeries& series) override { Added.push_back(series); }
    void ShowMainChart(const CurrentSeries& series) override { MainCharts.push_back(series); }

    bool Open = false;
    std::vector<long double> Selected;
    std::vector<CurrentSeries> Added;
    std::vector<CurrentSeries> MainCharts;
};

class SeriesTest : public ::testing::Test {
protected:
    SeriesTest() : series(calc), hooks(series), pump(series, calc, clipboard) {
        calc.SetDialogs(&dialogs);
        calc.SetClipboard(&clipboard);
        calc.SetHooks(&hooks);
        calc.Switches().AngleUnits = auRad;
        calc.SetImaginaryUnit('i');  // process-wide: earlier tests may have changed it
        series.SetRunControl(&control);
        series.SetStatistics(&statistics);
        series.SetChart(&chart);
    }

    void Box(BoxId box, std::string_view text) { calc.SetRegisterBox(box, text); }
    CalcOutcome Run(std::string_view text) {
        calc.SetInputText(text);
        return calc.Calculate();
    }
    void SetComplex() { calc.SetNumericalScope(nsComplex); }
    // The file settings: on, with the given changes.
    void FileSettings(const std::function<void(DataSeriesSettings&)>& change = {}) {
        DataSeriesSettings s = series.Settings();
        s.CreateFile = true;
        if (change) change(s);
        series.SetSettings(s);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : dialogs.Messages) texts.push_back(m.Text);
        return texts;
    }

    Calculator calc;
    ScriptedDialogs dialogs;
    RecordingClipboard clipboard;
    SeriesController series;
    SeriesHooks hooks;
    FakeRunControl control;
    FakeStatistics statistics;
    FakeChart chart;
    DataPump pump;
};

}  // namespace tarvix::testing
