#include "platform/crashtrace.h"

#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <initializer_list>
#include <unistd.h>

namespace quorvel {

namespace {

const char* crashingProgram = "program";

void writeText(const char* text) {
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, std::strlen(text));
}

// Only what a signal handler may do: write() and backtrace_symbols_fd(), no allocation
// beyond backtrace's own (primed at install, so it does not load a library here).
void traceCrash(int number) {
    writeText(crashingProgram);
    writeText(": crashed (");
    writeText(sigabbrev_np(number) ? sigabbrev_np(number) : "a signal");
    writeText("); the stack:\n");
    void* frames[64];
    const int count = ::backtrace(frames, 64);
    ::backtrace_symbols_fd(frames, count, STDERR_FILENO);
    ::raise(number); // the handler was taken once: the signal now does what it would have
}

} // namespace

void traceCrashes(const char* programName) {
    crashingProgram = programName;
    // An empty trace loads the unwinder now, not inside the handler (glibc looks it up
    // before it looks at the size), without walking the stack: a walk would read the
    // program's unwinding tables into memory at every start, for nothing.
    void* prime[1];
    ::backtrace(prime, 0);
    struct sigaction action {};
    action.sa_handler = traceCrash;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    for (const int number : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        ::sigaction(number, &action, nullptr);
}

} // namespace quorvel
