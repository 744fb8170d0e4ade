// Bracket counting of a box's text.
#include "calculator/check_brackets.h"

namespace tarvix {

std::optional<BracketFault> FindBracketFault(std::string_view text) {
    long depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')' && --depth < 0) {
            return BracketFault{BracketFaultKind::Redundant, i, 1};
        }
    }
    if (depth > 0) return BracketFault{BracketFaultKind::Missing, text.size(), 0};
    return std::nullopt;
}

}  // namespace tarvix
