#pragma once
// The soak: the program's real windows, offscreen, on a fresh program folder, played
// by a seeded monkey for as many actions as asked. It presses the keys a player may
// press and clicks the buttons of whatever window is in front, answers every modal
// window that opens, chooses hostile themes and now and then damages the files in the
// program folder. After every action it checks the game (the player on a walkable
// cell inside the maze, food, battery and gems as the rules allow, a step counter
// that never falls) and the files on disk; a watchdog fails an action that hangs.
// A failure names the seed and the last 50 actions, so it can be played again.

#include <cstdint>
#include <string>

namespace quorvel::soak {

struct SoakOptions {
    std::uint32_t seed = 20240611;
    long long actions = 10000;
    /// An action that runs longer than this fails the run (from the watchdog thread).
    int watchdogSeconds = 10;
    /// A progress line this often, in seconds; 0 for none.
    int progressSeconds = 5;
    /// Every action printed as it is played.
    bool trace = false;
};

struct SoakResult {
    bool passed = false;
    std::string failure; ///< what went wrong, the seed and the last actions
    long long actions = 0;
    double seconds = 0;
    long long games = 0, won = 0, lost = 0, saved = 0, loaded = 0, runs = 0, damaged = 0;
    long long verified = 0; ///< games won or lost whose run the rules alone played again
    long long watches = 0;  ///< runs watched from the best times
    long long watched = 0;  ///< of them, watched to the end, which reached its result
    std::uint64_t digest = 0; ///< of the actions and the states after them
    std::string summary() const;
};

/// The options from the environment: QUORVEL3D_SOAK_SEED, QUORVEL3D_SOAK_ACTIONS,
/// QUORVEL3D_SOAK_WATCHDOG (seconds) and QUORVEL3D_SOAK_TRACE (1: print every action),
/// over the given defaults.
SoakOptions optionsFromEnvironment(SoakOptions defaults);

/// Plays the soak in a fresh program folder; needs the widget application.
SoakResult runSoak(const SoakOptions& options);

} // namespace quorvel::soak
