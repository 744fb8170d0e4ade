// The program's name towards the desktop: the application name that names
// its folders and the desktop entry that groups its windows. No display name
// is set: the platform would append it to every window's caption ("Seznam
// funkcí — Tarvix 2.2"), and each window shows exactly its own caption.
#pragma once

namespace tarvix {

void SetApplicationIdentity();

}  // namespace tarvix
