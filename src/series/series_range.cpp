// Reading ranges and increments.
#include "series/series_range.h"

#include <cmath>

#include "calculator/value_text.h"
#include "engine/name_utils.h"
#include "engine/parser_errors.h"

namespace tarvix {
namespace {

constexpr long double kCountTolerance = 1e-9L;

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t') out += c;
    return out;
}

}  // namespace

bool HoldsRange(std::string_view text) {
    return text.find("..") != std::string_view::npos && text.find(':') != std::string_view::npos;
}

long double RangePointCount(long double lo, long double hi, long double step) {
    const long double q = (hi - lo) / step;
    if (!std::isfinite(q)) return q;
    return std::trunc(q + std::copysign(kCountTolerance, q)) + 1.0L;
}

long double SeriesRange::Tolerance(std::size_t total) const {
    const long double step = Imaginary ? Step.Im : Step.Re;
    return std::min(1e-12L, std::fabs(step / static_cast<long double>(total ? total : 1) / 10.0L));
}

SeriesRange ReadRange(std::string_view text, TParser& parser, const SeriesMessageTable& texts) {
    const std::string blankFree = WithoutBlanks(text);
    if (!HoldsRange(blankFree)) Raise<ESyntaxError>(msg::Parse, {}, kSeriesHelpContext);
    const RangeTexts parts = SplitRange(blankFree);
    SeriesRange r;
    r.Lo = ParseValueText(parts.Low, parser);
    r.Hi = ParseValueText(parts.High, parser);
    r.Step = ParseValueText(parts.Step, parser);
    if (r.Step.Re != 0.0L && r.Step.Im != 0.0L) {
        throw EMathParserError(
            FormatMessageText(texts.Text(seriesmsg::OneComponent), {WithoutBlanks(text)}),
            kSeriesHelpContext);
    }
    if (r.Step.Re == 0.0L && r.Step.Im == 0.0L)
        throw EMathParserError(texts.Text(seriesmsg::ZeroStep), kSeriesHelpContext);
    r.Imaginary = r.Step.Re == 0.0L;
    const long double count = r.Imaginary ? RangePointCount(r.Lo.Im, r.Hi.Im, r.Step.Im)
                                          : RangePointCount(r.Lo.Re, r.Hi.Re, r.Step.Re);
    // Checked before it becomes an integer.
    if (!(count >= 1.0L) || count > kMaxSeriesPoints)
        Raise<EArithmeticError>(msg::RangeError, {}, kSeriesHelpContext);
    r.Count = static_cast<std::size_t>(count);
    return r;
}

std::optional<std::string> IncrementText(std::string_view boxText) {
    if (boxText.find("..") != std::string_view::npos) return std::nullopt;
    const std::size_t colon = boxText.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    return WithoutBlanks(boxText.substr(colon + 1));
}

TIncr MakeIncrement(std::string_view variable, std::string_view incrementText, TParser& parser) {
    TIncr t;
    t.Value = parser.VariableAddress(variable);
    if (EqualsNoCase(incrementText, "ANS")) return t;
    if (!incrementText.empty() && parser.VariableExists(incrementText)) {
        t.Increment = parser.VariableAddress(incrementText);
        return t;
    }
    const ComplexValue value = ParseValueText(incrementText, parser);
    const std::string auxiliary = std::string(variable) + "_";
    t.Increment = parser.SetVariable(auxiliary, value);
    return t;
}

}  // namespace tarvix
