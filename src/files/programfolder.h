#pragma once
// Where the program keeps its files. The program folder is, in this order: the
// folder named by QUORVEL3D_HOME; the folder of the executable when it is
// writable; $XDG_DATA_HOME/quorvel3d/ (created on first use). Settings, the install
// record, "Saved Games", best times, the written-out tune and theme folders live
// there. The configuration folder, $XDG_CONFIG_HOME, holds what the maker's programs
// share (the maker-wide registry) and the settings file of older installations. Every
// folder value ends in "/".

#include <string>
#include <string_view>

namespace quorvel {

/// Computes the folders from the running program (exePath; empty: the running
/// executable itself). Runs once at start-up before any window; later calls recompute.
void initProgramFolders(const std::string& exePath = {});

/// Sets the folders directly (tests, tools). Folders get a trailing "/" added.
/// shared: the folder is used by several users, so written files get open access.
void setProgramFolders(std::string folder, std::string filename, std::string config,
                       bool shared = false);

/// The program folder, ending in "/". Computed on first use if not yet done.
const std::string& programFolder();
/// The file name (without folder) of the running program, e.g. "quorvel3d".
const std::string& programFileName();
/// The configuration folder: $XDG_CONFIG_HOME (default ~/.config), ending in "/".
const std::string& configFolder();
/// True when the program folder is shared by the users of the machine: the
/// executable's own folder outside the user's home. Per-user folders are not.
bool programFolderShared();

/// Replaces the extension of a file name (the text from its last dot, unless the
/// name starts there) by ext, or appends ext when there is none: "quorvel3d" -> "quorvel3d.ini".
std::string changeExtension(std::string_view filename, std::string_view ext);

/// The settings file: program folder + program name with the extension ".ini".
std::string settingsPath();
/// The install record: program folder + program name with the extension ".tk".
std::string installRecordPath();
/// The maker-wide program registry "Tendrik.ini" in the Windows folder.
std::string registryPath();
/// The best-times file's name in the program folder.
inline constexpr std::string_view bestTimesFileName = "quorvel3d.his";
/// The best-times file: program folder + bestTimesFileName.
std::string bestTimesPath();
/// The folder of saved games and map files: program folder + "Saved Games/".
std::string savedGamesFolder();
/// "Saved Games/" + player + level digit + ".sav" in the program folder; empty when
/// the name could not stay inside that folder (see isFileSafeName).
std::string savedGamePath(std::string_view player, int level);

/// The longest name (in bytes) that may become part of a file name: with the level
/// digit and ".sav" it stays well inside the file system's limit of 255.
inline constexpr std::size_t maxFileNameBytes = 200;
/// True when name can be part of a file name in its folder: not empty, no "/" or
/// "\", not "." or "..", no control characters, at most maxFileNameBytes bytes.
bool isFileSafeName(std::string_view name);

/// s with "/" appended unless s is empty or already ends in one.
std::string withTrailingSlash(std::string_view s);
/// The canonical form of an absolute path (links and "." / ".." resolved), keeping
/// a trailing "/" on folders; empty when the path is relative or does not exist.
std::string longPath(std::string_view path);
/// True when a file can be created in folder (tested with the file "MYLIB000.TMP").
bool canWriteFolder(std::string_view folder);

} // namespace quorvel
