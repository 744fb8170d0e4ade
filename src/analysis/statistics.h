// ComputeStatistics: the descriptive statistics of the table's columns and,
// in regression mode, the fit of the chosen model, computed from a snapshot
// of the cell texts into one results value. Nothing is shown before every
// result exists: a faulty cell gives an error naming the cell and no
// results. Sums are formed without cancellation (centred second pass).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/cell_reader.h"
#include "analysis/regression.h"
#include "analysis/stat_table.h"

namespace tarvix {

// The twelve results of one column, in the order of the window's rows.
struct ColumnStats {
    std::size_t Count = 0;
    long double Minimum = 0.0L;
    long double Maximum = 0.0L;
    long double AriAverage = 0.0L;
    long double GeoAverage = 0.0L;
    long double SqrAverage = 0.0L;
    long double HarAverage = 0.0L;
    long double Sum = 0.0L;
    long double SumOfSquares = 0.0L;
    long double Dispersion = 0.0L;  // population variance
    long double StdDeviation = 0.0L;
    long double Variation = 0.0L;
};

// The statistics of a list of values (all zeros for an empty list):
// geometric mean exp(Σ ln|x| / n), 0 with a zero or an odd count of negative
// values; harmonic mean n / Σ 1/x, 0 with a zero or when Σ 1/x is 0;
// variance Σ(x − x̄)²/n with the rounding error of x̄ removed.
ColumnStats DescribeValues(std::span<const long double> values);
// Whether every result is a finite number.
bool IsFinite(const ColumnStats& stats);

struct StatOptions {
    bool Xy = false;          // two columns
    bool Regression = false;  // regression mode (needs Xy)
    RegressionModel Model = RegressionModel::Linear;
};

// A cell that stopped the computation: the message key, its argument and the
// cell (row from 0, column 1 or 2); Row −1 when no single cell is at fault.
struct StatError {
    std::string_view Key;
    std::string Argument;
    int Row = -1;
    int Column = 1;
};

struct StatResults {
    bool TwoColumns = false;
    ColumnStats X;  // column 1
    ColumnStats Y;  // column 2 (two columns only)
    std::optional<RegressionFit> Fit;  // regression mode
    // The smallest and largest original x of the pairs (regression mode).
    long double MinX = 0.0L;
    long double MaxX = 0.0L;
};

struct StatOutcome {
    std::optional<StatResults> Results;
    std::optional<StatError> Error;
};

// Progress in percent (0 … 100), reported when it changes.
using StatProgress = std::function<void(int percent)>;

// Statistics mode: an empty x cell skips its row; in two columns an empty y
// cell counts the row's x only. Regression mode: a row with both cells empty
// is skipped; every other row needs a readable x and y, transformed by the
// model (a logarithm of a value ≤ 0 names its row). All x equal is an error.
// Cells that hold plain numbers are taken as they are, others are read.
StatOutcome ComputeStatistics(const StatCells& cells, const StatOptions& options,
                              CellReader& reader, const StatProgress& progress = {});
// The same over the rows of a table, or over rows of texts.
inline StatOutcome ComputeStatistics(const StatRowsView& rows, const StatOptions& options,
                                     CellReader& reader, const StatProgress& progress = {}) {
    return ComputeStatistics(rows.Cells(), options, reader, progress);
}
StatOutcome ComputeStatistics(const std::vector<StatRow>& rows, const StatOptions& options,
                              CellReader& reader, const StatProgress& progress = {});

}  // namespace tarvix
