// Removing the blanks of an input text while keeping the word operators MOD
// and DIV apart from the names around them.
#pragma once

#include <string>
#include <string_view>

namespace tarvix {

// The text without blanks. A word MOD or DIV (any case) that stands on its own
// between two operands and touches a blank ("x mod 2", "a div b", "x mod(3)")
// stays an operator: when its left operand ends in a name, that name is put in
// brackets, so "x mod 2" becomes "(x)mod2" and not the name "xmod2". Names
// that merely contain the letters ("model", "individual", "x_mod") and words
// typed without blanks are left as they are.
std::string RemoveBlanksKeepingWordOperators(std::string_view text);

}  // namespace tarvix
