// The worksheet's chart sources and the chart commands.
#include "matrix/worksheet_charts.h"

#include <algorithm>
#include <cmath>

#include "calculator/message_box.h"

namespace tarvix {
namespace {

constexpr int kGaussPlane = 4;

// One plotted point of a cell: (x, the quantity) or, in the Gaussian plane,
// (re, im). The real domain plots the value itself.
struct PointMaker {
    bool Complex;
    int Quantity;
    TAngleUnits Angle;

    std::pair<long double, long double> operator()(long double x, const ComplexValue& v) const {
        if (!Complex) return {x, v.Re};
        switch (Quantity) {
            case 1: {
                long double arg = std::atan2(v.Im, v.Re);
                if (Angle == auDeg) arg *= 57.295779513082320877L;
                if (Angle == auGrad) arg *= 63.661977236758134305L;
                return {x, arg};
            }
            case 2: return {x, v.Re};
            case 3: return {x, v.Im};
            case kGaussPlane: return {v.Re, v.Im};
            default: return {x, std::hypot(v.Re, v.Im)};
        }
    }
};

std::string_view QuantitySuffixKey(int quantity) {
    switch (quantity) {
        case 1: return mxmsg::ChartArgument;
        case 2: return mxmsg::ChartRealPart;
        case 3: return mxmsg::ChartImaginaryPart;
        case kGaussPlane: return mxmsg::ChartGaussPlane;
        default: return mxmsg::ChartModulus;
    }
}

// The cells of one series, 1-based (row, column) each.
using CellList = std::vector<std::pair<int, int>>;

CurrentSeries SingleSeries(Worksheet& sheet, const CellList& cells, const PointMaker& point) {
    const std::size_t n = cells.size();
    const TextGrid& grid = sheet.ActiveGrid();
    CurrentSeries s = CurrentSeries::ForRun(1, n, {1.0L, 0.0L}, {1.0L, 0.0L}, {}, {}, false,
                                            point.Complex);
    for (std::size_t k = 0; k < n; ++k) {
        const ComplexValue v = sheet.EvaluateCell(grid.Cell(cells[k].first, cells[k].second));
        const long double x = static_cast<long double>(k + 1);
        if (point.Complex) {
            const auto [px, py] = point(x, v);
            s.Re[0].push_back(px);
            s.Im[0].push_back(py);
        } else {
            s.X.push_back(x);
            s.Y.push_back(v.Re);
        }
    }
    s.Parametric = point.Complex;
    s.ValidPoints = n;
    return s;
}

CurrentSeries ParametricSeries(Worksheet& sheet, bool byRows, const PointMaker& point) {
    const TextGrid& grid = sheet.ActiveGrid();
    const int count = byRows ? grid.Rows() : grid.Cols();
    const int length = byRows ? grid.Cols() : grid.Rows();
    const auto rows = static_cast<std::size_t>(std::max(count, 0));
    const auto columns = static_cast<std::size_t>(std::max(length, 0));
    CurrentSeries s = CurrentSeries::ForRun(rows, columns, {1.0L, 0.0L}, {1.0L, 0.0L},
                                            {1.0L, 0.0L}, {1.0L, 0.0L}, true, true);
    for (int a = 1; a <= count; ++a)
        for (int b = 1; b <= length; ++b) {
            const ComplexValue v = sheet.EvaluateCell(byRows ? grid.Cell(a, b) : grid.Cell(b, a));
            const auto [px, py] = point(static_cast<long double>(b), v);
            s.Re[static_cast<std::size_t>(a - 1)].push_back(px);
            s.Im[static_cast<std::size_t>(a - 1)].push_back(py);
        }
    s.Parametric = true;
    s.ValidPoints = rows * columns;
    return s;
}

}  // namespace

WorksheetChart BuildWorksheetChart(Worksheet& sheet, ChartSource source) {
    const bool complex = sheet.Format().Scope == nsComplex;
    const PointMaker point{complex, sheet.SearchQuantity(), sheet.Parser().AngleUnits()};
    const TextGrid& grid = sheet.ActiveGrid();
    const auto [cursorRow, cursorColumn] = sheet.Cursor(sheet.ActiveIsRight());
    const MatrixMessageTable& texts = sheet.Texts();
    WorksheetChart chart;
    CellList cells;
    switch (source) {
        case ChartSource::Row: {
            const int row = std::clamp(cursorRow, 1, std::max(grid.Rows(), 1));
            for (int j = 1; j <= grid.Cols() && row <= grid.Rows(); ++j) cells.emplace_back(row, j);
            chart.Title = texts.Format(mxmsg::ChartRow, {std::to_string(row)});
            break;
        }
        case ChartSource::Column: {
            const int column = std::clamp(cursorColumn, 1, std::max(grid.Cols(), 1));
            for (int i = 1; i <= grid.Rows() && column <= grid.Cols(); ++i) cells.emplace_back(i, column);
            chart.Title = texts.Format(mxmsg::ChartColumn, {std::to_string(column)});
            break;
        }
        case ChartSource::Diagonal:
            for (int k = 1; k <= std::min(grid.Rows(), grid.Cols()); ++k) cells.emplace_back(k, k);
            chart.Title = texts.Text(mxmsg::ChartDiagonal);
            break;
        case ChartSource::ParametricRows:
        case ChartSource::ParametricColumns: break;
    }
    if (source == ChartSource::ParametricRows || source == ChartSource::ParametricColumns) {
        const bool byRows = source == ChartSource::ParametricRows;
        chart.Series = ParametricSeries(sheet, byRows, point);
        chart.Title = texts.Text(byRows ? mxmsg::ChartRows : mxmsg::ChartColumns);
    } else {
        chart.Series = SingleSeries(sheet, cells, point);
    }
    if (complex) chart.Title += texts.Text(QuantitySuffixKey(sheet.SearchQuantity()));
    return chart;
}

bool WorksheetCharts::Chart(ChartSource source, bool bars) {
    last_ = source;
    WorksheetChart chart;
    try {
        chart = BuildWorksheetChart(sheet_, source);
    } catch (const TarvixError& error) {
        sheet_.Dialogs().ShowMessage(PrepareMessageBox(error.what(), MessageKind::Error,
                                                       kCancelHelpButtons, error.HelpContext(),
                                                       TextsOf(sheet_.Format())));
        return false;
    }
    sheet_.Main().SetComplexQuantity(sheet_.SearchQuantity());
    sheet_.Main().ChartSeries(std::move(chart.Series), chart.Title, bars);
    return true;
}

bool WorksheetCharts::AddLastAsLine() {
    if (last_ != ChartSource::Row && last_ != ChartSource::Column && last_ != ChartSource::Diagonal)
        return false;
    return Chart(last_, false);
}

void WorksheetCharts::SetQuantity(int quantity) {
    if (quantity < 0 || quantity > kGaussPlane) return;
    sheet_.SetSearchQuantity(quantity);
    sheet_.Main().SetComplexQuantity(quantity);
}

}  // namespace tarvix
