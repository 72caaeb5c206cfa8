#pragma once
// The maker-wide program registry "Tendrik.ini", shared by all programs of the
// maker: each program lists itself and its folder, and when it finds itself run
// from another folder than last time it remembers the former one as OldPath.

#include <string>
#include <string_view>

namespace quorvel {

/// Registers the program; lastRun is the current date and time as text (empty:
/// the system's short date, a blank and its long time format). Errors are ignored.
void registerSoftware(std::string_view name, std::string_view version, std::string_view hint,
                      bool acceptUserName, bool acceptPassWord, bool acceptFilename,
                      bool listApplication, std::string lastRun = {});

/// The current local date and time in the system's short date and long time formats.
std::string lastRunText();

} // namespace quorvel
