// Removing the engineering postfix from a display text in exponent notation.
#include "calculator/display_justify.h"

#include "calculator/eng_postfix.h"
#include "calculator/float_mask.h"

namespace tarvix {

std::string JustifyDisplayText(std::string_view text, const FormatOptions& options) {
    if (text.empty() || text.find('E') == std::string_view::npos) return std::string(text);
    int position = EngPostfixPosition(text.back());
    if (position == 0) return std::string(text);
    auto value = ReadFloatText(text.substr(0, text.size() - 1), options.DecimalSeparator);
    if (!value) return std::string(text);
    long double x = *value * EngPostfixFactor(position);
    return FormatFloat(x, NumberMask(options.Display), options.DecimalSeparator) + ' ';
}

}  // namespace tarvix
