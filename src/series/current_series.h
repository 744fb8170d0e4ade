// CurrentSeries: what the series engine or a transfer produced for the main
// window (the X values and real results, the Re/Im rows of complex and
// parametric runs, start and step of X and Y, the shape and how many points
// are valid). Charts and statistics read it, never loose arrays. It is built
// by the named constructors; the engine then appends its points.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/complex_value.h"

namespace tarvix {

struct CurrentSeries {
    TArrayOfExtended X;                // real domain: the X value of every point, in run order
    TArrayOfExtended Y;                // real domain: the real part of every result
    std::vector<TArrayOfExtended> Re;  // rows (one per Y value) of real parts; parametric: x(t)
    std::vector<TArrayOfExtended> Im;  // rows of imaginary parts; parametric: y(t)
    ComplexValue Start;                // lower bound of the X range
    ComplexValue Step;                 // step of the X range
    ComplexValue YStart;
    ComplexValue YStep;
    std::size_t Rows = 0;     // Y values (1 without a Y range)
    std::size_t Columns = 0;  // X values
    bool TwoDim = false;
    bool Parametric = false;
    // Points computed: a stopped or failed run keeps only these; readers use
    // no more of X, Y or the rows.
    std::size_t ValidPoints = 0;

    // Nothing: the state after an ordinary calculation.
    static CurrentSeries Empty();
    // A run over rows × columns points: arrays reserved, nothing valid yet.
    // `withRows` also prepares the Re/Im rows (complex domain, first
    // parametric pass). The arrays of a previous run may be handed in: their
    // memory is reused (a repeated run writes into memory already in use),
    // and what fits of their contents stays until the run overwrites it, so
    // X and Y hold ValidPoints values only once the run has ended.
    static CurrentSeries ForRun(std::size_t rows, std::size_t columns, ComplexValue start,
                                ComplexValue step, ComplexValue yStart, ComplexValue yStep,
                                bool twoDim, bool withRows, TArrayOfExtended reuseX = {},
                                TArrayOfExtended reuseY = {});
    // A vector sent to the chart: real domain, X = 0, 1, … (start 0, step 1)
    // and Y the real parts; complex domain, one row of Re and Im parts.
    static CurrentSeries FromVector(const ParserFloatArray& values, bool complexDomain);

    bool IsEmpty() const { return ValidPoints == 0; }
    // The valid part of X and Y (real domain).
    std::size_t RealCount() const { return std::min(ValidPoints, Y.size()); }
};

}  // namespace tarvix
