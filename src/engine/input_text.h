// The input-line form of an expression as the compiler reads it: the decimal
// comma becomes ".", then ";" (the typed argument separator) becomes ",".
#pragma once

#include <string>
#include <string_view>

namespace tarvix {

std::string ConvertSeparators(std::string_view text);

}  // namespace tarvix
