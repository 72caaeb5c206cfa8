#pragma once
// Keeps a second copy of the game from running. The guard is an exclusive lock on
// a small file in the program folder, held until the process ends; the kernel
// drops it when the process dies in any way, so a crashed copy never blocks the
// next start. Copies with different program folders (different QUORVEL3D_HOME)
// keep different files and may run side by side.

#include <string>
#include <string_view>

namespace quorvel {

/// Takes the guard named name ("\" and "/" become "!"); false when another running
/// copy holds it. When no lock file can be made at all the game is not blocked.
bool singleInstance(std::string_view name);

/// The lock file used for name.
std::string singleInstancePath(std::string_view name);

} // namespace quorvel
