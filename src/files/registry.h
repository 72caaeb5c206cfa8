#pragma once
// The maker-wide program registry "Tendrik.ini", shared by all programs of the
// maker: each program lists itself and its folder, and when it finds itself run
// from another folder than last time it remembers the former one as OldPath.

#include <string>
#include <string_view>

namespace quorvel {

/// What a program tells the maker's other programs about itself.
struct SoftwareEntry {
    std::string_view name = {};
    std::string_view version = {};
    std::string_view hint = {};  ///< a line saying what the program is
    bool acceptUserName = false; ///< it takes a player's name on its command line
    bool acceptPassword = false; ///< it takes a password on its command line
    bool acceptFilename = false; ///< it takes a file to open on its command line
    bool listApplication = true; ///< listed among the programs, else among the hidden ones
};

/// Registers the program; lastRun is the current date and time as text (empty:
/// the system's short date, a blank and its long time format). Errors are ignored.
void registerSoftware(const SoftwareEntry& program, std::string lastRun = {});

/// The current local date and time in the system's short date and long time formats.
std::string lastRunText();

} // namespace quorvel
