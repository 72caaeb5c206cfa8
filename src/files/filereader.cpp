#include "files/filereader.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

#include "text/rtf.h"

namespace quorvel {

namespace {

/// Past what fstat promised, a file that grows (or one that reports no size, as
/// files of /proc do) is read on in steps of this many bytes, up to the limit.
constexpr std::size_t growthStep = 64 * 1024;

FileRead openFailure(int error) {
    return error == ENOENT || error == ENOTDIR ? FileRead::missing : FileRead::unreadable;
}

/// Closes the descriptor whatever way the read ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

/// Reads until `bytes` holds `want` bytes or the file ends; false on an I/O error.
bool readUpTo(int fd, std::string& bytes, std::size_t& got, std::size_t want) {
    while (got < want) {
        const ssize_t n = ::read(fd, bytes.data() + got, want - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

/// The start of the file, at most limit bytes. wholeOnly: a file whose size already
/// shows it is longer than maxWhole is refused without reading.
FileRead readStart(const std::string& path, std::size_t limit, std::string& bytes, bool wholeOnly,
                   std::size_t maxWhole) {
    bytes.clear();
    if (path.empty()) return FileRead::missing;
    // A look before opening keeps devices from being opened at all; the look after
    // opening settles it, since the name may have changed in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return openFailure(errno);
    if (!S_ISREG(info.st_mode)) return FileRead::notAFile;
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) return openFailure(errno);
    if (::fstat(file.fd, &info) != 0) return FileRead::unreadable;
    if (!S_ISREG(info.st_mode)) return FileRead::notAFile;
    const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    if (wholeOnly && size > maxWhole) return FileRead::tooLarge;

    try {
        std::size_t want = std::min(size, limit);
        bytes.resize(want);
        std::size_t got = 0;
        if (!readUpTo(file.fd, bytes, got, want)) {
            bytes.clear();
            return FileRead::unreadable;
        }
        while (got == want && want < limit) {
            want = std::min(limit, want + growthStep);
            bytes.resize(want);
            if (!readUpTo(file.fd, bytes, got, want)) {
                bytes.clear();
                return FileRead::unreadable;
            }
        }
        bytes.resize(got);
    } catch (const std::bad_alloc&) {
        std::string().swap(bytes);
        return FileRead::unreadable;
    }
    return FileRead::ok;
}

} // namespace

FileRead readFileStart(const std::string& path, std::size_t limit, std::string& bytes) noexcept {
    return readStart(path, limit, bytes, false, 0);
}

FileRead readFile(const std::string& path, std::size_t maxBytes, std::string& bytes) noexcept {
    const std::size_t limit = maxBytes < static_cast<std::size_t>(-1) ? maxBytes + 1 : maxBytes;
    const FileRead read = readStart(path, limit, bytes, true, maxBytes);
    if (read == FileRead::ok && bytes.size() > maxBytes) {
        bytes.clear();
        return FileRead::tooLarge;
    }
    return read;
}

bool readWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) noexcept {
    return readFile(path, maxBytes, bytes) == FileRead::ok;
}

bool readRtfFile(const std::string& path, std::string& bytes) {
    return readFileStart(path, rtfMaxInput + 1, bytes) == FileRead::ok;
}

} // namespace quorvel
