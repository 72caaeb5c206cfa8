#pragma once
// The one way the program reads a file someone else may have put in its way: saved
// games, map files, the best-times file, settings and theme texts, stories, sounds.
//
// Only regular files are read. A folder, a pipe, a socket or a device under the
// expected name is never read and never waited on: it is opened without blocking
// (a pipe with no writer would otherwise hold the game forever) and refused after a
// look at what was opened. Every read has a limit, the largest file the format can
// use, and the buffer is as large as the file, never larger than that limit, so a
// sparse file of many gigabytes costs no more than a small one. Nothing here throws.

#include <cstddef>
#include <string>

namespace quorvel {

/// What a read came to.
enum class FileRead {
    ok,
    missing,    ///< nothing under that name (or a link to nothing)
    notAFile,   ///< a folder, pipe, socket or device: not the file the game expects
    tooLarge,   ///< longer than the limit of a whole-file read
    unreadable, ///< there, but it cannot be opened or read (permissions, I/O error, memory)
};

/// The first `limit` bytes of a regular file, or all of it when it is shorter.
FileRead readFileStart(const std::string& path, std::size_t limit, std::string& bytes) noexcept;

/// The whole regular file when it holds at most maxBytes; at most maxBytes + 1 bytes
/// are read to tell a longer one (which gives tooLarge). `bytes` is emptied on failure.
FileRead readFile(const std::string& path, std::size_t maxBytes, std::string& bytes) noexcept;

/// readFile for callers that only need to know whether they got the file.
bool readWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) noexcept;

/// A story or help page for the rich-text reader: the first rtfMaxInput bytes of a
/// regular file and one more, which tells the reader that the file is longer; false
/// when it cannot be opened or is no regular file.
bool readRtfFile(const std::string& path, std::string& bytes);

} // namespace quorvel
