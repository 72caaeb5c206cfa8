#pragma once
// A run: everything the rules of one game received, so the game can be played again
// exactly and its result checked. The rules are deterministic: a maze made from its
// number, the seedings of the shared random stream, and every action and clock tick
// with the game-clock time it came at give the same game every time.
//
// Times are the game clock's: days since the game's start as the rules count them
// (now - startTime, the playing time a saved game carries on from). Each event also
// keeps a digest of the game before it, so a replay finds the first point where it
// departs from the record. The file (a "run file") is a small versioned record with
// a checksum; a file rewritten whole by hand can still be read, so a run that verifies
// is one the rules allow, not a proof of who played it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game/mazenumber.h"

namespace quorvel {

struct GameState;
struct Maze;

/// What the rules received. Values stay as they are: they are stored in run files.
enum class RunAction : std::uint8_t {
    newMaze = 1, ///< the maze was made from the state in `value` (the first event)
    seeded = 2,  ///< the stream was seeded with `value` for a resumed game
    resumed = 3, ///< a saved game was taken up at the time of the event
    begin = 4,   ///< the game screen showed: play began
    end = 5,     ///< the game screen hid
    turnLeft = 6,
    turnRight = 7,
    stepForward = 8,
    stepBack = 9,
    useBattery = 10,
    startRunning = 11,
    runTick = 12,   ///< the run timer moved the player on
    clockTick = 13, ///< the one-second game clock
    funKey = 14,    ///< a fun key; `value` is its letter
    quit = 15,      ///< the quit question; `value` holds the answers (quitAnswers)
};

/// True for the events that stand for a moment of the game (a new maze, a seeding, a
/// saved game taken up, begin, end), not for what the player or the timers did.
constexpr bool isBoundary(RunAction a) {
    return a == RunAction::newMaze || a == RunAction::seeded || a == RunAction::resumed ||
           a == RunAction::begin || a == RunAction::end;
}

/// The answers of the quit sequence, packed in a quit event's value.
struct QuitAnswers {
    bool confirmed = false;  ///< Yes to "Quit game?"
    bool saveWanted = false; ///< Yes to the save offer
    bool saved = false;      ///< the save was written
};
std::uint32_t packQuitAnswers(const QuitAnswers& answers);
QuitAnswers unpackQuitAnswers(std::uint32_t value);

struct RunEvent {
    double time = 0; ///< the game clock, in days
    RunAction action = RunAction::begin;
    std::uint32_t value = 0;  ///< the action's detail, 0 when it has none
    std::uint32_t digest = 0; ///< runDigest of the game just before the event
};

/// How a run ended.
enum class RunResult : std::uint8_t {
    unfinished = 0, ///< quit (saved or not), or still being played
    won = 1,
    lost = 2,
};

/// The game at the end of a run, as the best-times file keeps a win.
struct RunOutcome {
    RunResult result = RunResult::unfinished;
    double elapsed = 0; ///< playing time in days
    std::int32_t gems = 0;
    std::int32_t steps = 0;
    std::int32_t food = 0;
    std::int32_t battery = 0;
    friend bool operator==(const RunOutcome&, const RunOutcome&) = default;
};

struct RunRecord {
    MazeNumber maze;
    std::string player; ///< UTF-8, as the best-times file names the winner
    std::string theme;  ///< the theme's shown name; its words and sounds are cosmetic
    std::vector<RunEvent> events;
    RunOutcome outcome;
    /// False once the run grew past what a run file holds; it is then not kept.
    bool complete = true;
};

/// The version of the rules a run is played by; a run of other rules is refused.
constexpr std::uint16_t runRulesVersion = 1;
/// The most events a run file holds (about three weeks of clock ticks).
constexpr std::size_t runMaxEvents = 2'000'000;
/// The most sittings a run keeps (its first and each saved game taken up); a game taken
/// up once more plays on unrecorded.
constexpr std::size_t runMaxSittings = 1000;
/// Longer files are no run files.
constexpr std::size_t runMaxFileBytes = 40u << 20;

/// A digest of what the rules decide: place, facing, counters and tools (not the time,
/// and not whether an end is under way, which a replay reaches at another instant).
std::uint32_t runDigest(const Maze& maze, const GameState& state);

/// The run file's bytes: a header, the events, the outcome and a CRC-32 of them all.
std::vector<std::uint8_t> encodeRun(const RunRecord& run);
/// The CRC-32 a run file ends with, of the bytes before it.
std::uint32_t runChecksum(std::span<const std::uint8_t> bytes);

/// Why a run file was refused, as one line (empty when it was read).
struct RunReadProblem {
    std::string text;
    explicit operator bool() const { return !text.empty(); }
};
/// Reads a run file; on a problem `run` is left untouched and the text says what is
/// wrong ("not a run file", "written by another version of the rules", "damaged: its
/// checksum does not match", ...).
RunReadProblem decodeRun(std::span<const std::uint8_t> bytes, RunRecord& run);

/// The name of an action, as the tool prints departures.
const char* runActionName(RunAction action);

} // namespace quorvel
