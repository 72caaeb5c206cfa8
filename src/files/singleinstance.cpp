#include "files/singleinstance.h"

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "files/programfolder.h"

namespace quorvel {

namespace {

enum class Guard {
    taken,       ///< this copy holds it now, until the process ends
    busy,        ///< another running copy holds it
    unavailable, ///< it could not be made here (read-only folder, no runtime folder, ...)
};

std::string plainName(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c == '\\' || c == '/') c = '!';
    return out;
}

std::string lockName(std::string_view name) {
    return "." + plainName(name) + ".lock";
}

/// The program folder as the file system knows it, without its final "/", so one
/// folder reached by two spellings (a link, "..") gives one guard.
std::string canonicalFolder() {
    const std::string folder = programFolder();
    char resolved[PATH_MAX];
    if (::realpath(folder.c_str(), resolved)) return resolved;
    std::string plain = folder;
    while (plain.size() > 1 && plain.back() == '/')
        plain.pop_back();
    return plain;
}

/// A fixed 64-bit hash (FNV-1a), the same in every build of the game.
std::string folderHash(std::string_view text) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return hex;
}

// Opened with close-on-exec so that programs the game starts (a browser through the
// desktop's handler) do not inherit the guard and outlive it. A lock file another
// user made (a shared program folder) is still locked through a read-only handle.
Guard lockFile(const std::string& path) {
    constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | flags, 0644);
    if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_RDONLY | flags);
    if (fd < 0) return Guard::unavailable;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Guard::unavailable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Guard::busy : Guard::unavailable;
    }
    return Guard::taken; // fd stays open, and the lock held, until the process ends
}

// An abstract socket needs no file at all; the kernel frees its name when the
// process ends in any way.
Guard bindSocket(const std::string& name) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() + 1 > sizeof address.sun_path) return Guard::unavailable;
    std::memcpy(address.sun_path + 1, name.data(), name.size()); // sun_path[0] = 0: abstract
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return Guard::unavailable;
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        const bool held = errno == EADDRINUSE;
        ::close(fd);
        return held ? Guard::busy : Guard::unavailable;
    }
    return Guard::taken; // fd stays open, and the name bound, until the process ends
}

} // namespace

std::string singleInstancePath(std::string_view name) {
    return programFolder() + lockName(name);
}

std::string singleInstanceRuntimePath(std::string_view name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || *runtime != '/') return {};
    return withTrailingSlash(runtime) + "." + plainName(name) + "-" +
           folderHash(canonicalFolder()) + ".lock";
}

std::string singleInstanceSocketName(std::string_view name) {
    const std::string folder = canonicalFolder();
    std::string socket = plainName(name) + ":" + folder;
    if (socket.size() + 1 > sizeof(sockaddr_un::sun_path))
        socket = plainName(name) + ":" + folderHash(folder);
    return socket;
}

bool singleInstance(std::string_view name) {
    const Guard file = lockFile(singleInstancePath(name));
    if (file == Guard::busy) return false;
    Guard runtime = Guard::unavailable;
    if (file == Guard::unavailable) {
        const std::string path = singleInstanceRuntimePath(name);
        if (!path.empty()) runtime = lockFile(path);
        if (runtime == Guard::busy) return false;
    }
    // Every copy also takes the socket, whichever lock file it could make: two copies
    // of one read-only program folder started with different runtime folders (or one
    // with none) meet there.
    const Guard socket = bindSocket(singleInstanceSocketName(name));
    if (socket == Guard::busy) return false;
    if (file == Guard::taken || runtime == Guard::taken || socket == Guard::taken) return true;
    // Nothing could be taken: starting anyway could put two copies on one set of files.
    std::fprintf(stderr, "quorvel3d: cannot make sure that no other copy of the game runs "
                         "with this program folder; not starting\n");
    return false;
}

} // namespace quorvel
