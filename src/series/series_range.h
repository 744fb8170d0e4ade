// The range texts of the X and Y boxes ("lo..hi:step") and the values with
// increment of the Y and A … F boxes ("start:increment"), read for a run.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/input_commands.h"
#include "engine/complex_value.h"
#include "engine/parser.h"
#include "series/series_messages.h"

namespace tarvix {

// Whether the text holds both ".." and ":" (a range the engine can run).
bool HoldsRange(std::string_view text);

// Number of points of a range as a real number: Trunc(q) + 1 with
// q = (hi − lo) / step, where q is first moved away from zero by 1e-9 so that
// an end point lost to rounding (0..1.3:0.1) still counts. Not finite when
// the step is zero.
long double RangePointCount(long double lo, long double hi, long double step);

// A read range; one component (real or imaginary) is iterated.
struct SeriesRange {
    ComplexValue Lo;
    ComplexValue Hi;
    ComplexValue Step;
    bool Imaginary = false;  // the imaginary part is iterated
    std::size_t Count = 0;

    // The i-th value, lo + i·step on the iterated component; a result within
    // `tolerance` of zero becomes exactly zero.
    ComplexValue At(std::size_t i, long double tolerance) const {
        ComplexValue v = Lo;
        (Imaginary ? v.Im : v.Re) = Component(i, tolerance);
        return v;
    }
    // The iterated component of the i-th value alone.
    long double Component(std::size_t i, long double tolerance) const {
        long double c = Imaginary ? Lo.Im : Lo.Re;
        // A count never reaches 2^63: the signed conversion is the quick one.
        c += static_cast<long double>(static_cast<long long>(i)) * (Imaginary ? Step.Im : Step.Re);
        if (c < tolerance && c > -tolerance) c = 0.0L;
        return c;
    }
    // The snapping tolerance of a run of `total` points: min(1e-12, |step / total / 10|).
    long double Tolerance(std::size_t total) const;
};

// Largest point count a run accepts (beyond, the arrays could not be held).
inline constexpr long double kMaxSeriesPoints = 4.0e9L;

// Reads a range text with ParseValueText for each part. Raises: both
// components stepped (OneComponent with the text), a zero step (ZeroStep),
// fewer than one point or more than kMaxSeriesPoints (the range error).
SeriesRange ReadRange(std::string_view text, TParser& parser, const SeriesMessageTable& texts);

// A value with increment: after each step the variable grows by the
// increment ("ANS" the step's result, a variable's current value, or a value
// read once at the start into the auxiliary variable name + "_").
struct TIncr {
    ComplexValue* Value = nullptr;
    const ComplexValue* Increment = nullptr;  // nullptr: the step's result (ANS)
};

// The text after the first ":" of a box, or nothing without ":" (or with a
// range's "..").
std::optional<std::string> IncrementText(std::string_view boxText);

// The record of one box's variable; `complexDomain` is not needed here.
TIncr MakeIncrement(std::string_view variable, std::string_view incrementText, TParser& parser);

// Adds the increments after a step whose result was `result`.
inline void ApplyIncrements(const std::vector<TIncr>& list, const ComplexValue& result,
                            bool complexDomain) {
    for (const TIncr& t : list) {
        const ComplexValue& inc = t.Increment ? *t.Increment : result;
        t.Value->Re += inc.Re;
        if (complexDomain) t.Value->Im += inc.Im;
    }
}

}  // namespace tarvix
