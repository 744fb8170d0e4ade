// Matching of names typed by a user against the tools' tables: letters
// compare without regard to case (ASCII and the Latin letters of Central
// European languages), accents count, and any run of blanks (space, tab,
// no-break space) matches one blank; blanks at the ends are ignored.
#pragma once

#include <string>
#include <string_view>

namespace tarvix {

// The name in the form that such names compare in.
std::string NormalizedName(std::string_view name);
bool NamesMatch(std::string_view a, std::string_view b);

}  // namespace tarvix
