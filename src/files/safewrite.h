#pragma once
// The one way the program writes a file. The whole content goes to a temporary file
// in the same folder, every write and the flush to the disk are checked, and only
// then does the temporary file replace the old one by a rename; the folder is flushed
// after. So a crash or a full disk never changes a file that was there before: either
// the new content is in place whole, or the old file is as it was, byte for byte.
// A file that already holds exactly the bytes to be written is left alone, so
// unchanged files cost no write and no flush to the disk.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

/// Writes bytes to path safely; false (old file untouched, no temporary file left,
/// errno saying why) when any step fails. The folder must exist. A replaced file keeps
/// its permissions (and its owner where allowed); a new one gets the usual permissions
/// of new files. A file its owner made read-only, or that this user may not write, is
/// never replaced (EACCES), as the shell's redirection would refuse it.
/// A link under the name is replaced by the file, never written through.
bool writeFileSafely(const std::string& path, std::string_view bytes);

/// True when the program may put new content under path: nothing is there, or a plain
/// file with its owner's write permission that this user may write.
bool mayReplace(const std::string& path);

/// Moves a file to a name where nothing stands, as one step; false (EEXIST) when
/// anything is there: it is never replaced.
bool moveToNewName(const std::string& from, const std::string& to);
/// Writes bytes safely to a name where nothing stands; false (EEXIST) when anything is
/// there by the time the file takes its place: it is never replaced.
bool writeNewFile(const std::string& path, std::string_view bytes);

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

/// Writes files that belong together (a saved game and its map picture) as one: every
/// new content is written and flushed to its temporary file first; when all are there,
/// a commit record beside them ("." + the first file's name + ".commit") says so, and
/// only then are they renamed over the old files, in the order given. So after a crash
/// or a kill at any instant, the next start (finishCommittedWrites) finds either every
/// old file or, the record being there, makes the rest of the renames: never a mix.
/// When anything fails before the record is in place, every old file stays as it was;
/// failedPath (when given) then names the file that could not be written. Files of a
/// group stand in one folder.
bool writeFilesSafely(std::span<const FileWrite> files, std::string* failedPath = nullptr);

/// A change of several files made as one: contents written, then files removed.
struct FileChange {
    std::vector<FileWrite> writes;     ///< put in place in this order
    std::vector<std::string> removals; ///< removed after them, in this order
};
/// Makes a change as one, as writeFilesSafely makes a group: the contents are flushed to
/// their temporary files, a commit record in base (named after the first file) lists
/// every rename and removal, and only then are they made. Every file stands in base or
/// in a folder directly inside it. False, with nothing changed, when a content cannot
/// be written (failedPath names its file); removals that fail are let be.
bool commitFiles(const std::string& base, const FileChange& change,
                 std::string* failedPath = nullptr);
/// commitFiles with base the folder of the first file written.
bool writeFilesSafely(const FileChange& change, std::string* failedPath = nullptr);

/// At start, before anything reads the folder's files: carries out the renames and
/// removals of every commit record a run left in folder and removes the record; a
/// record that is damaged, or names anything but the game's own temporary files and
/// their targets in that folder and the folders directly inside it, or a removal that
/// mayRemove (given the name below folder, "Saved Games/Ann3.sav") does not allow, is
/// removed and changes nothing. Only while this copy holds the single-instance guard.
void finishCommittedWrites(const std::string& folder,
                           const std::function<bool(std::string_view)>& mayRemove = {});

/// At start, after finishCommittedWrites: removes the hidden temporary files of the safe
/// writes in folder whose target the predicate accepts (a run killed mid-write leaves
/// them); true for each file name the game writes there. Nothing else is touched.
/// Returns how many were removed.
int removeLeftoverTemporaries(const std::string& folder,
                              const std::function<bool(std::string_view target)>& gameFile);

/// A byte buffer as the writers take it.
inline std::string_view byteView(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

/// The steps of a safe write, so tests can make one of them fail.
enum class WriteStep { none, create, write, sync, close, rename };
/// For tests: every later safe write fails at this step, as a refusing disk would;
/// WriteStep::none (the start) lets them all through.
void failSafeWritesAt(WriteStep step);
/// For tests that kill a writer at random instants: each rename and removal of a group
/// after its first waits this long first, so the instants between them are as likely
/// as any other.
void pauseBetweenRenames(int microseconds);

} // namespace quorvel
