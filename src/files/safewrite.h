#pragma once
// The one way the program writes a file. The whole content goes to a temporary file
// in the same folder, every write and the flush to the disk are checked, and only
// then does the temporary file replace the old one by a rename; the folder is flushed
// after. So a crash or a full disk never changes a file that was there before: either
// the new content is in place whole, or the old file is as it was, byte for byte.
// A file that already holds exactly the bytes to be written is left alone, so
// unchanged files cost no write and no flush to the disk.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quorvel {

/// Writes bytes to path safely; false (old file untouched, no temporary file left,
/// errno saying why) when any step fails. The folder must exist. A replaced file keeps
/// its permissions (and its owner where allowed); a new one gets the usual permissions
/// of new files.
/// A link under the name is replaced by the file, never written through.
bool writeFileSafely(const std::string& path, std::string_view bytes);

/// What a write to a name the user gave came to.
enum class NamedWrite {
    written,  ///< the file holds the bytes
    notAFile, ///< a device, pipe, folder or socket stands there; it was not opened
    failed,   ///< a step failed (errno says why); whatever was there is as it was
};

/// Writes bytes safely to the file a user named: a link (or a chain of links) is
/// followed, and its target is written as writeFileSafely writes, so the link stays a
/// link. A target that is not a regular file is refused without being opened.
NamedWrite writeNamedFile(const std::string& path, std::string_view bytes);

/// One file of a group that belongs together.
struct FileWrite {
    std::string path;
    std::string_view bytes;
};

/// Writes files that belong together (a saved game and its map picture): every new
/// content is written and flushed to its temporary file first; only when all are
/// there are they renamed over the old files, in the order given. When anything fails
/// before the renames, every old file stays as it was; failedPath (when given) then
/// names the file that could not be written.
bool writeFilesSafely(std::span<const FileWrite> files, std::string* failedPath = nullptr);

/// A byte buffer as the writers take it.
inline std::string_view byteView(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

/// The steps of a safe write, so tests can make one of them fail.
enum class WriteStep { none, create, write, sync, close, rename };
/// For tests: every later safe write fails at this step, as a refusing disk would;
/// WriteStep::none (the start) lets them all through.
void failSafeWritesAt(WriteStep step);

} // namespace quorvel
