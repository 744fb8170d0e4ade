// `tarvix --help` and `tarvix --version`: answered before the application
// object exists, so they need no display (help2man reads them at build time).
#pragma once

#include <optional>

namespace tarvix {

// With --help (-h) or --version among the arguments: prints the help or the
// version on standard output and returns the exit status; otherwise nothing.
std::optional<int> RunInformationOption(int argc, char** argv);

}  // namespace tarvix
