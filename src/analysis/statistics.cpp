// Descriptive statistics and the regression sums over a snapshot of the
// table's texts.
#include "analysis/statistics.h"

#include <cmath>
#include <limits>

#include "analysis/analysis_messages.h"

namespace tarvix {
namespace {

constexpr long double kLn2 = 0.693147180559945309417232121458176568L;

// Neumaier's compensated sum.
class CompensatedSum {
public:
    void Add(long double x) {
        const long double t = sum_ + x;
        if (std::fabs(sum_) >= std::fabs(x))
            carry_ += (sum_ - t) + x;
        else
            carry_ += (x - t) + sum_;
        sum_ = t;
    }
    long double Value() const { return sum_ + carry_; }

private:
    long double sum_ = 0.0L;
    long double carry_ = 0.0L;
};

long double CentredSquares(std::span<const long double> values, long double mean) {
    CompensatedSum squares;
    CompensatedSum deviations;
    for (long double x : values) {
        const long double d = x - mean;
        squares.Add(d * d);
        deviations.Add(d);
    }
    const long double n = static_cast<long double>(values.size());
    const long double c = deviations.Value();
    const long double result = squares.Value() - c * c / n;
    return result > 0.0L ? result : 0.0L;
}

class ProgressSteps {
public:
    ProgressSteps(const StatProgress& progress, std::size_t total)
        : progress_(progress), total_(total) {}
    void Row(std::size_t done) {
        if (!progress_ || total_ == 0) return;
        const int percent = static_cast<int>((done * 100 + total_ / 2) / total_);
        if (percent != last_) {
            last_ = percent;
            progress_(percent);
        }
    }

private:
    const StatProgress& progress_;
    std::size_t total_;
    int last_ = -1;
};

StatOutcome Failure(std::string_view key, std::string argument, int row, int column) {
    return {std::nullopt, StatError{key, std::move(argument), row, column}};
}

}  // namespace

ColumnStats DescribeValues(std::span<const long double> values) {
    ColumnStats s;
    s.Count = values.size();
    if (values.empty()) return s;
    CompensatedSum sum;
    CompensatedSum squares;
    // Π|x| as a mantissa and a binary exponent: no overflow, no logarithm per value.
    long double productMantissa = 1.0L;
    long long productExponent = 0;
    std::size_t sinceNormalised = 0;
    CompensatedSum reciprocals;
    bool zero = false;
    std::size_t negatives = 0;
    long double minimum = std::numeric_limits<long double>::infinity();
    long double maximum = -minimum;
    for (long double x : values) {
        sum.Add(x);
        squares.Add(x * x);
        if (x <= minimum) minimum = x;
        if (x >= maximum) maximum = x;
        if (x == 0.0L) {
            zero = true;
        } else if (!zero) {
            int e = 0;
            productMantissa *= std::frexp(std::fabs(x), &e);
            productExponent += e;
            if (++sinceNormalised == 1024) {
                productMantissa = std::frexp(productMantissa, &e);
                productExponent += e;
                sinceNormalised = 0;
            }
            reciprocals.Add(1.0L / x);
            if (x < 0.0L) ++negatives;
        }
    }
    const long double n = static_cast<long double>(s.Count);
    s.Minimum = minimum;
    s.Maximum = maximum;
    s.Sum = sum.Value();
    s.SumOfSquares = squares.Value();
    s.AriAverage = s.Sum / n;
    const long double logProduct =
        std::log(productMantissa) + static_cast<long double>(productExponent) * kLn2;
    s.GeoAverage = (zero || negatives % 2 != 0) ? 0.0L : std::exp(logProduct / n);
    s.SqrAverage = std::sqrt(s.SumOfSquares / n);
    const long double reciprocalSum = reciprocals.Value();
    s.HarAverage = (zero || reciprocalSum == 0.0L) ? 0.0L : n / reciprocalSum;
    s.Dispersion = CentredSquares(values, s.AriAverage) / n;
    s.StdDeviation = std::sqrt(s.Dispersion);
    s.Variation = s.AriAverage != 0.0L ? s.StdDeviation / s.AriAverage : 0.0L;
    return s;
}

bool IsFinite(const ColumnStats& s) {
    for (long double v : {s.Minimum, s.Maximum, s.AriAverage, s.GeoAverage, s.SqrAverage,
                          s.HarAverage, s.Sum, s.SumOfSquares, s.Dispersion, s.StdDeviation,
                          s.Variation}) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

StatOutcome ComputeStatistics(const std::vector<StatRow>& rows, const StatOptions& options,
                              CellReader& reader, const StatProgress& progress) {
    StatCells cells;
    cells.Reserve(rows.size());
    for (const StatRow& row : rows) cells.Append(row.X, row.Y);
    return ComputeStatistics(cells, options, reader, progress);
}

StatOutcome ComputeStatistics(const StatCells& cells, const StatOptions& options,
                              CellReader& reader, const StatProgress& progress) {
    const bool xy = options.Xy || options.Regression;
    const bool regression = options.Regression;
    const std::size_t count = cells.Size();
    std::vector<long double> xs;
    std::vector<long double> ys;
    xs.reserve(count);
    if (xy) ys.reserve(count);
    // Regression: the range of the untransformed x, for the curve.
    long double minX = std::numeric_limits<long double>::infinity();
    long double maxX = -minX;
    ProgressSteps steps(progress, count);
    auto read = [&](int column, std::size_t row) -> std::optional<long double> {
        const StatCell& cell = cells.At(column, row);
        if (cell.IsDecimal()) return reader.FromPlain(cell.Value());
        return reader.Read(cells.TextOf(cell));
    };

    for (std::size_t i = 0; i < count; ++i) {
        const int row = static_cast<int>(i);
        const bool xEmpty = cells.IsBlank(1, i);
        const bool yEmpty = cells.IsBlank(2, i);
        if (regression) {
            if (xEmpty && yEmpty) {
                steps.Row(i + 1);
                continue;
            }
            std::optional<long double> x = xEmpty ? std::nullopt : read(1, i);
            if (!x) return Failure(statmsg::MissingData, {}, row, 1);
            std::optional<long double> y = yEmpty ? std::nullopt : read(2, i);
            if (!y) return Failure(statmsg::MissingData, {}, row, 2);
            minX = std::min(minX, *x);
            maxX = std::max(maxX, *x);
            if (TransformsX(options.Model)) {
                if (!(*x > 0.0L)) return Failure(statmsg::LogOfX, std::to_string(row + 1), row, 1);
                *x = std::log(*x);
            }
            if (TransformsY(options.Model)) {
                if (!(*y > 0.0L)) return Failure(statmsg::LogOfY, std::to_string(row + 1), row, 2);
                *y = std::log(*y);
            }
            xs.push_back(*x);
            ys.push_back(*y);
        } else {
            if (xEmpty) {
                steps.Row(i + 1);
                continue;
            }
            std::optional<long double> x = read(1, i);
            if (!x) return Failure(statmsg::MissingData, {}, row, 1);
            xs.push_back(*x);
            if (xy && !yEmpty) {
                std::optional<long double> y = read(2, i);
                if (!y) return Failure(statmsg::MissingData, {}, row, 2);
                ys.push_back(*y);
            }
        }
        steps.Row(i + 1);
    }

    StatResults results;
    results.TwoColumns = xy;
    results.X = DescribeValues(xs);
    if (xy) results.Y = DescribeValues(ys);
    if (!IsFinite(results.X) || (xy && !IsFinite(results.Y)))
        return Failure(statmsg::OutOfRange, {}, -1, 1);

    if (regression && !xs.empty()) {
        CentredSums sums;
        sums.N = static_cast<long double>(xs.size());
        sums.MeanX = results.X.AriAverage;
        sums.MeanY = results.Y.AriAverage;
        CompensatedSum sxx;
        CompensatedSum sxy;
        CompensatedSum syy;
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const long double dx = xs[i] - sums.MeanX;
            const long double dy = ys[i] - sums.MeanY;
            sxx.Add(dx * dx);
            sxy.Add(dx * dy);
            syy.Add(dy * dy);
        }
        sums.Sxx = sxx.Value();
        sums.Sxy = sxy.Value();
        sums.Syy = syy.Value();
        results.Fit = FitRegression(options.Model, sums);
        if (!results.Fit) return Failure(statmsg::EqualX, {}, -1, 1);
        const RegressionFit& fit = *results.Fit;
        if (!std::isfinite(fit.Slope) || !std::isfinite(fit.Intercept) ||
            !std::isfinite(fit.Covariance) || !std::isfinite(fit.R2))
            return Failure(statmsg::OutOfRange, {}, -1, 1);
        results.MinX = minX;
        results.MaxX = maxX;
    }
    return {results, std::nullopt};
}

}  // namespace tarvix
