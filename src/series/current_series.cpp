// Named constructors of the current series.
#include "series/current_series.h"

#include <algorithm>

namespace tarvix {

CurrentSeries CurrentSeries::Empty() {
    return {};
}

CurrentSeries CurrentSeries::ForRun(std::size_t rows, std::size_t columns, ComplexValue start,
                                    ComplexValue step, ComplexValue yStart, ComplexValue yStep,
                                    bool twoDim, bool withRows, TArrayOfExtended reuseX,
                                    TArrayOfExtended reuseY) {
    CurrentSeries s;
    s.Rows = rows;
    s.Columns = columns;
    s.Start = start;
    s.Step = step;
    s.YStart = yStart;
    s.YStep = yStep;
    s.TwoDim = twoDim;
    // Reserved, not filled: a stopped run of millions of points touches only
    // the memory of the points it computed. Arrays handed in keep what fits
    // of their old contents, which the run overwrites from the start (making
    // them empty and growing them again would clear memory the run writes
    // anyway).
    const std::size_t points = rows * columns;
    for (auto [array, reuse] : {std::pair{&s.X, &reuseX}, std::pair{&s.Y, &reuseY}}) {
        *array = std::move(*reuse);
        if (array->capacity() < points) {
            array->clear();
            array->reserve(points);
        } else if (array->size() > points) {
            array->resize(points);
        }
    }
    if (withRows) {
        s.Re.resize(rows);
        s.Im.resize(rows);
        for (std::size_t r = 0; r < rows; ++r) {
            s.Re[r].reserve(columns);
            s.Im[r].reserve(columns);
        }
    }
    return s;
}

CurrentSeries CurrentSeries::FromVector(const ParserFloatArray& values, bool complexDomain) {
    const std::size_t n = values.size();
    CurrentSeries s = ForRun(1, n, {}, {1.0L, 0.0L}, {}, {}, false, complexDomain);
    for (std::size_t i = 0; i < n; ++i) {
        if (complexDomain) {
            s.Re[0].push_back(values[i].Re);
            s.Im[0].push_back(values[i].Im);
        } else {
            s.X.push_back(static_cast<long double>(i));
            s.Y.push_back(values[i].Re);
        }
    }
    s.ValidPoints = n;
    return s;
}

}  // namespace tarvix
