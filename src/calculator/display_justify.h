// Tidying of a display text whose number came out in exponent notation
// although a postfix was appended.
#pragma once

#include <string>
#include <string_view>

#include "calculator/format_options.h"

namespace tarvix {

// If the text ends in a postfix character or a blank and contains "E", the
// last character is removed, the rest read as a number (with the options'
// decimal separator) and multiplied by that postfix's factor, and the product
// written again with the display's number mask followed by a blank. So an
// exponent text is never shown with a postfix: "1E15P" becomes "1E30 ".
// Any other text (or one that does not read as a number) is returned as it is.
std::string JustifyDisplayText(std::string_view text, const FormatOptions& options);

}  // namespace tarvix
