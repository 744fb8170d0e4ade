// Storage of the process-wide engine modes.
#include "engine/engine_modes.h"

namespace tarvix {

EngineModesBlock EngineModes;

}  // namespace tarvix
