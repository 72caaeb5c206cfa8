#pragma once
// Work killed at random instants, as a crash or a power cut stops it: the tests of the
// writes that must leave the old files or the new ones, never a mix.

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quorvel::test {

/// The kills a test makes: QUORVEL3D_KILL_TRIALS when set, else its own count.
inline int killTrials(int fallback) {
    const char* asked = std::getenv("QUORVEL3D_KILL_TRIALS");
    return asked ? std::max(1, std::atoi(asked)) : fallback;
}

/// How long work takes, in microseconds.
inline long microsecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                 std::chrono::steady_clock::now() - start)
                                 .count());
}

/// Runs work in a child and kills it at a random instant up to one and a half times
/// took microseconds (so kills land before, within and after it), then reaps it.
inline void killAtRandom(std::mt19937& rng, long took, const std::function<void()>& work) {
    std::uniform_int_distribution<long> instant(0, took * 3 / 2);
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        ::_exit(0);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(instant(rng)));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

} // namespace quorvel::test
