// A dark palette for the whole application (Fusion style), used to check the
// windows' looks in dark desktop themes (the --dark option).
#pragma once

namespace tarvix {

void ApplyDarkPalette();

}  // namespace tarvix
