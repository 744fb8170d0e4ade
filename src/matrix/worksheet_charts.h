// The worksheet's chart sources: the cursor row, the cursor column, the
// main diagonal, or every row or column of the active grid as a series of
// the detailed chart, with its title. Cells are evaluated with the
// worksheet's own cell evaluation, never through the main window's
// expression; in the complex domain the plotted value follows the complex
// quantity (modulus, argument in the angle unit, real or imaginary part, or
// points of the Gaussian plane).
#pragma once

#include <string>

#include "matrix/worksheet.h"
#include "series/current_series.h"

namespace tarvix {

// Member order is the number of the last chart kind.
enum class ChartSource { Row, Column, Diagonal, ParametricRows, ParametricColumns };

struct WorksheetChart {
    CurrentSeries Series;
    std::string Title;
};

// The series and title of a source over the active grid. Single series are
// numbered from 1 (start 1, step 1); the parametric sources give one row of
// points per grid row or column. Raises the evaluator's error of a cell.
WorksheetChart BuildWorksheetChart(Worksheet& sheet, ChartSource source);

// The chart commands of a worksheet with the kind used last.
class WorksheetCharts {
public:
    explicit WorksheetCharts(Worksheet& sheet) : sheet_(sheet) {}

    // Builds the source's chart and hands it to the main window's detailed
    // chart as bars (menu) or as a line; an evaluation error shows its
    // message and charts nothing. The source becomes the last kind.
    bool Chart(ChartSource source, bool bars);
    // The detailed chart's request for the worksheet's data: the row, column
    // or diagonal chart used last again, as a line; false (nothing added)
    // after a parametric chart.
    bool AddLastAsLine();
    ChartSource LastChartKind() const { return last_; }

    // The complex quantity of the charts and searches, mirrored in the main
    // window's chart items.
    void SetQuantity(int quantity);

private:
    Worksheet& sheet_;
    ChartSource last_ = ChartSource::Row;
};

}  // namespace tarvix
