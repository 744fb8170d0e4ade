// Separator conversion of typed expressions.
#include "engine/input_text.h"

namespace tarvix {

std::string ConvertSeparators(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == ',') c = '.';
        else if (c == ';') c = ',';
    }
    return out;
}

}  // namespace tarvix
