// The input-line forms that lead to series runs: a parametric pair
// "x-expression...y-expression" and a series expansion
// "term:::n=min..max:step", and the partial sum of an expansion.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/complex_value.h"
#include "engine/parser.h"
#include "series/series_messages.h"

namespace tarvix {

// Everything up to and including the first "=" dropped (a name written in
// front of an expression).
std::string_view AfterFirstEquals(std::string_view text);

struct ParametricTexts {
    std::string X;  // before "..."
    std::string Y;  // after "...", without a leading "name="
};
// Nothing when the text has no "...".
std::optional<ParametricTexts> SplitParametric(std::string_view text);

// A series expansion ready to sum: min, max and step truncated to integers.
struct SeriesExpansion {
    std::string Term;      // the term to sum, without a leading "name="
    std::string Variable;  // the summation variable
    std::int64_t Min = 0;
    std::int64_t Max = 0;
    std::int64_t Step = 1;
};

// Reads "term:::n=min..max:step" (already blank-free, with the compiler's
// separators). Min, max and step are evaluated by `parser` and truncated;
// one that fails to evaluate raises its error. The syntax messages (no "=",
// no "..", no ":"), a zero step and a step whose sign cannot reach max are
// raised as errors with the series help context.
SeriesExpansion ReadExpansion(std::string_view text, TParser& parser,
                              const SeriesMessageTable& texts);

// The partial sum: the summation variable's slot takes min, min + step, …
// up to max (down to max for a negative step), the compiled expression is
// evaluated at each and the results added (the imaginary parts too in the
// complex domain).
ComplexValue SumExpansion(const SeriesExpansion& expansion, TParser& parser, ComplexValue* slot,
                          bool complexDomain);

}  // namespace tarvix
