#pragma once
// Tells whether code waited on a named pipe that stood where it expected a file.
// A reader that opens a pipe with no writer waits for one forever; the watch
// stands by as that writer, so a faulty reader is let go (it sees an empty file)
// instead of hanging the test, and the watch reports that it had to step in.

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quorvel::test {

/// Makes a named pipe at path; false when it could not be made.
inline bool makePipe(const std::string& path) {
    return ::mkfifo(path.c_str(), 0600) == 0;
}

/// Runs action; true when it never held the pipe at path open for reading.
inline bool runsWithoutWaitingOn(const std::string& path, const std::function<void()>& action) {
    std::atomic<bool> done{false};
    std::atomic<bool> waited{false};
    std::thread watch([&] {
        while (!done) {
            // Opening a pipe's writing end without blocking succeeds only while
            // someone holds it open for reading.
            const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                waited = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    action();
    done = true;
    watch.join();
    return !waited;
}

} // namespace quorvel::test
