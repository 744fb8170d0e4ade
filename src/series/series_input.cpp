// Parametric and expansion input texts.
#include "series/series_input.h"

#include <cmath>

#include "calculator/expression_probe.h"
#include "engine/name_utils.h"
#include "engine/parser_errors.h"

namespace tarvix {
namespace {

[[noreturn]] void Fail(const SeriesMessageTable& texts, std::string_view key) {
    throw EMathParserError(texts.Text(key), kSeriesHelpContext);
}

std::int64_t ReadBound(std::string_view text, TParser& parser) {
    ExpressionProbe probe(parser);
    probe.Compile(text);
    const long double v = std::trunc(probe.Evaluate().Re);
    // Checked before the conversion.
    if (!(std::fabs(v) < 9.0e18L)) Raise<EArithmeticError>(msg::RangeInt64Exceeded);
    return static_cast<std::int64_t>(v);
}

}  // namespace

std::string_view AfterFirstEquals(std::string_view text) {
    const std::size_t eq = text.find('=');
    return eq == std::string_view::npos ? text : text.substr(eq + 1);
}

std::optional<ParametricTexts> SplitParametric(std::string_view text) {
    const std::size_t dots = text.find("...");
    if (dots == std::string_view::npos) return std::nullopt;
    return ParametricTexts{std::string(text.substr(0, dots)),
                           std::string(AfterFirstEquals(text.substr(dots + 3)))};
}

SeriesExpansion ReadExpansion(std::string_view text, TParser& parser,
                              const SeriesMessageTable& texts) {
    const std::size_t mark = text.find(":::");
    SeriesExpansion e;
    e.Term = std::string(AfterFirstEquals(text.substr(0, mark)));
    const std::string_view control = text.substr(mark + 3);
    const std::size_t eq = control.find('=');
    if (eq == std::string_view::npos) Fail(texts, seriesmsg::NoControlVariable);
    const std::string_view range = control.substr(eq + 1);
    const std::size_t dots = range.find("..");
    if (dots == std::string_view::npos) Fail(texts, seriesmsg::NoControlRange);
    const std::size_t colon = range.find(':', dots + 2);
    if (colon == std::string_view::npos) Fail(texts, seriesmsg::NoControlStep);
    e.Variable = std::string(control.substr(0, eq));
    if (!IsValidIdentifier(e.Variable)) Raise<EBadName>(msg::InvalidVarName, {e.Variable});
    e.Min = ReadBound(range.substr(0, dots), parser);
    e.Max = ReadBound(range.substr(dots + 2, colon - dots - 2), parser);
    e.Step = ReadBound(range.substr(colon + 1), parser);
    if (e.Step == 0) Fail(texts, seriesmsg::ZeroIterationStep);
    if ((e.Step < 0 && e.Min <= e.Max) || (e.Step > 0 && e.Min > e.Max))
        Fail(texts, seriesmsg::WrongStepSign);
    return e;
}

ComplexValue SumExpansion(const SeriesExpansion& e, TParser& parser, ComplexValue* slot,
                          bool complexDomain) {
    ComplexValue sum;
    const long double max = static_cast<long double>(e.Max);
    const long double step = static_cast<long double>(e.Step);
    for (long double n = static_cast<long double>(e.Min); e.Step > 0 ? n <= max : n >= max;
         n += step) {
        *slot = {n, 0.0L};
        const ComplexValue v = parser.Evaluate();
        sum.Re += v.Re;
        if (complexDomain) sum.Im += v.Im;
    }
    return sum;
}

}  // namespace tarvix
