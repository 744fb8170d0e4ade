// The ways out of the series subsystem: the run control of long
// computations (the window's running state, progress, pending events) and
// the windows built elsewhere that transfers and runs reach (the statistics
// data grid, the detailed chart and the main window's chart). The desktop
// program implements them; the headless evaluator and the tests use the
// inert defaults or fakes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "series/current_series.h"

namespace tarvix {

class RunControlPort {
public:
    virtual ~RunControlPort() = default;
    // The running state: "Stop" captions, disabled commands, busy cursor.
    virtual void BeginRun() {}
    // Back to idle; called on every exit path of a run.
    virtual void EndRun() {}
    // Lets pending window events run (repaint, a click on Stop). The engine
    // calls it every few milliseconds at most; the window may throttle more.
    virtual void ProcessEvents() {}
    // The progress text of a run ("42% ") for the display.
    virtual void ShowProgress(std::string_view /*text*/) {}
    // The busy cursor of a transfer.
    virtual void SetBusy(bool /*busy*/) {}
};

// The statistics window: its data grid (column 0 row numbers, 1 X, 2 Y; row
// 0 the header), the column pressed last and its "x-y" box.
class StatisticsPort {
public:
    virtual ~StatisticsPort() = default;
    virtual bool Exists() const { return false; }
    virtual int SelectedColumn() const { return 1; }
    virtual void SetSelectedColumn(int /*column*/) {}
    virtual bool XyChecked() const { return false; }
    virtual int RowCount() const { return 0; }
    virtual std::string Cell(int /*column*/, int /*row*/) const { return {}; }
    // Creates the window when needed, makes the grid rows + 1 rows high,
    // numbers rows 1 … n in column 0 and puts the texts into `column`; other
    // cells keep their texts. The window is shown.
    virtual void WriteColumn(int /*column*/, const std::vector<std::string>& /*texts*/) {}
    virtual void Show() {}
};

// The detailed chart window and the main window's chart.
class ChartPort {
public:
    virtual ~ChartPort() = default;
    virtual bool Exists() const { return false; }
    // The Y values of the series selected in the chart window's series box.
    virtual std::vector<long double> SelectedSeriesY() const { return {}; }
    // "Přidat řadu do grafu": the series as a new series of the chart window.
    virtual void AddSeries(const CurrentSeries& /*series*/) {}
    // The main window's chart drawn from the current series after a run.
    virtual void ShowMainChart(const CurrentSeries& /*series*/) {}
};

}  // namespace tarvix
