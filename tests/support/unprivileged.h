#pragma once
// Work done as a player without privileges does it: in a child process that, when the
// tests run as root, takes the uid and gid of "nobody", so a file's permissions apply
// (root reads any file whatever its mode).

#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvel::test {

/// Runs work in a child process without privileges; its result, or -1 when the child
/// did not end by itself.
inline int runUnprivileged(const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(99);
        ::_exit(work());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

/// Lets every user into the folders of a path (the test's own temporary folders).
inline void openToEveryone(const std::string& folder) {
    ::chmod(folder.c_str(), 0777);
}

} // namespace quorvel::test
