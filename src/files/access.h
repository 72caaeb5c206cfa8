#pragma once
// Open access for the shared data files and the install record that remembers it.
//
// On this platform "open access" means: a file or folder in a program folder that
// several users share (an unpacked copy in /opt, say) is made readable and
// writable by every user, so each player's settings, saved games and best times
// can be updated by whoever plays next. Files in a per-user folder (the
// QUORVEL3D_HOME folder, ~/.local/share/quorvel3d, a copy in the user's home)
// keep the user's own permissions: nobody else plays from there. Links are never
// followed, so a link planted in the folder cannot open up a file elsewhere.
//
// The start-up open-access pass runs for an administrator (here: root) of an
// "NT-family" system. Linux is never that family, so the pass is skipped unless a
// test injects those facts with setAccessFacts.

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

/// True when running as an administrator (root).
bool isAdmin();
/// True on the system family that needs the open-access pass (false on Linux).
bool isNtFamily();
/// Replaces both facts (tests).
void setAccessFacts(bool ntFamily, bool admin);

/// Gives a file or folder open access; true on success (and, in a per-user
/// folder, whenever it exists). False for missing paths and links.
bool openAccess(const std::string& path);
/// openAccess for programFolder() + each name; the names that fail go to failed
/// (when given); records the pass in the install record either way. True when none failed.
bool openAccessList(const std::vector<std::string>& names,
                    std::vector<std::string>* failed = nullptr);

/// Records in the install record that the last write came from a success, or
/// logs description as the last error. Errors while writing are ignored.
void writeInstallRecord(bool success, std::string_view description);
/// True when the open-access pass should run: NT family, administrator, and the
/// install record does not say the pass was done for this program folder.
bool accessPassNeeded();

/// The names (relative to the program folder) the open-access pass covers: the
/// program, the settings file, the best-times file, "Saved Games" and every plain,
/// visible ".sav" or ".map" file in it (any case).
std::vector<std::string> openAccessNames();
/// Runs the open-access pass at start-up when accessPassNeeded(): open access for
/// those names, recorded in the install record, then for the maker-wide registry.
void openFileAccess();

} // namespace quorvel
