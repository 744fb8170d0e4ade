// Text lines as values and values as text lines: register boxes, vector files,
// the clipboard, grid cells and the settings' variable values.
#pragma once

#include <string>
#include <string_view>

#include "calculator/format_options.h"
#include "engine/complex_value.h"
#include "engine/parser.h"

namespace tarvix {

// One text line as a value:
// 1. "," becomes "." and then ";" becomes "," (decimal comma, argument separator);
// 2. a text containing ".." (a range) gives 0;
// 3. everything from the first ":" on is dropped (an increment);
// 4. blanks around the rest are ignored; an empty text gives 0;
// 5. a plain decimal number ([sign] digits [. digits] [E [sign] digits]) is
//    the real part, read in decimal whatever the input base;
// 6. anything else is compiled and evaluated by `parser` in its current modes.
// The evaluation leaves no trace on the evaluator: automatic registration is
// off while the text is compiled (an unknown name is an error, never a new
// variable), and afterwards the previous expression is compiled again, the
// registration flag and the last value are put back, also when the text
// fails. (The list of variables created by the previous compilation is not
// kept; an expression that did not compile before leaves none compiled.)
// Compile and evaluation errors propagate to the caller.
ComplexValue ParseValueText(std::string_view text, TParser& parser);

// A value as one "%g" text line (up to 15 significant digits, the options'
// decimal separator): the real part; in the complex domain followed by the
// imaginary part with its sign ("+" before a part ≥ 0) and the unit letter,
// so 3 reads "3+0i" and 3−4i "3-4i". Display modes do not apply.
std::string VectorElementText(const ComplexValue& value, const FormatOptions& options);

}  // namespace tarvix
