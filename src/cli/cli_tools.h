// The tools' options of tarvix-cli: --convert, --period, --move-date,
// --constants and --vat. Each runs on its own and prints its result.
#pragma once

#include <optional>

#include "storage/settings_store.h"
#include "storage/text_catalog.h"

namespace tarvix {

// When the arguments hold one of the tools' options, runs it and returns the
// exit status (0 done, 1 a failure with its message on standard error, 2 a
// usage error); otherwise nothing. --vat takes its rates and rounding units
// from the settings (the defaults with the --set keys); --convert also takes
// the quantity and unit names of the language of `texts` (unit_names.h).
std::optional<int> RunToolCommand(int argc, char** argv, const Settings& settings,
                                  TextCatalog& texts);

}  // namespace tarvix
