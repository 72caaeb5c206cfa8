#include "singleinstance.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "programfolder.h"

namespace quorvel {

namespace {

// Opened with close-on-exec so that programs the game starts (a browser through
// the desktop's handler) do not inherit the lock and outlive it.
int openLockFile(const std::string& path) {
    return ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
}

std::string lockName(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c == '\\' || c == '/') c = '!';
    return "." + out + ".lock";
}

} // namespace

std::string singleInstancePath(std::string_view name) {
    return programFolder() + lockName(name);
}

bool singleInstance(std::string_view name) {
    int fd = openLockFile(singleInstancePath(name));
    if (fd < 0) {
        // A read-only program folder: fall back on the user's runtime folder.
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime && *runtime) fd = openLockFile(addBackslash(runtime) + lockName(name));
    }
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return !held;
    }
    return true; // fd stays open, and the lock held, until the process ends
}

} // namespace quorvel
