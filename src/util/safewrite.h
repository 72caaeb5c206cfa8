#pragma once
// The one way the program writes a file: the whole content goes to a temporary
// file in the same folder, which then replaces the old file by a rename, so a
// crash or a full disk never leaves a half-written file behind.

#include <string>
#include <string_view>

namespace quorvel {

/// Writes bytes to path safely; false (old file untouched) when any step fails.
/// The folder must exist. The new file gets the usual permissions of new files.
bool writeFileSafely(const std::string& path, std::string_view bytes);

} // namespace quorvel
