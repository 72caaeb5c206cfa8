#pragma once
// Start-up work of the game that is not a window: the open-access pass over the
// program's data files, and what the opening screen does when it is created.

#include <string>
#include <vector>

namespace quorvel {

/// The name of the single-instance guard.
inline constexpr const char* singleInstanceName = "@Tk Quorvel 3D#";
/// The best-times file in the program folder.
inline constexpr const char* bestTimesName = "quorvel3d.his";

/// The names (relative to the program folder) the open-access pass covers: the
/// program, the settings file, the best-times file, "Saved Games" and every plain,
/// visible ".sav" or ".map" file in it (any case).
std::vector<std::string> openAccessNames();
/// Runs the open-access pass when accessPassNeeded(): open access for those names,
/// recorded in the install record, then for the maker-wide registry.
void openFileAccess();

/// The work of the opening screen's FormCreate: moves an old settings file, turns
/// dialogSwitch on and registers the program in the maker-wide registry.
void openingScreenCreate();

} // namespace quorvel
