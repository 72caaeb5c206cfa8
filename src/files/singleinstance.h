#pragma once
// Keeps a second copy of the game from running with the same program folder, so two
// copies never write the same settings, saved games and best times. The guard is
// held until the process ends and the kernel drops it when the process dies in any
// way, so a crashed copy never blocks the next start. Copies with different program
// folders (different QUORVEL3D_HOME) keep different guards and may run side by side.
//
// The guard is an exclusive lock on a hidden file in the program folder; where that
// file cannot be made (a read-only folder), a lock file in $XDG_RUNTIME_DIR named
// after the program folder. Every copy also binds an abstract Unix socket named
// after the program folder's canonical path, which needs no file at all, so copies
// that found different lock files (one started without XDG_RUNTIME_DIR) still meet.

#include <string>
#include <string_view>

namespace quorvel {

/// The name of the game's own guard.
inline constexpr const char* singleInstanceName = "@Tk Quorvel 3D#";

/// Takes the guard named name ("\" and "/" become "!"); false when another running
/// copy holds it, and false too (with a line on standard error) in the unlikely case
/// that no guard at all could be made: the game never starts unguarded.
bool singleInstance(std::string_view name);

/// The lock file in the program folder used for name.
std::string singleInstancePath(std::string_view name);
/// The lock file in $XDG_RUNTIME_DIR used for name when the program folder's cannot
/// be made; empty without a runtime folder.
std::string singleInstanceRuntimePath(std::string_view name);
/// The abstract socket's name (without its leading NUL byte) used for name.
std::string singleInstanceSocketName(std::string_view name);

} // namespace quorvel
