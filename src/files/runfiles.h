#pragma once
// The runs the game keeps (game/run.h) and their one owner: the run of a saved game,
// beside it in "Saved Games" ("Ann3.run", committed with the record and its map), and
// the runs of ended games in the program folder's "Replays". That folder is kept
// bounded: the runs behind the best times always, and the most recent others.

#include <optional>
#include <string>
#include <vector>

#include "game/besttimes.h"
#include "game/levels.h"
#include "game/run.h"

namespace quorvel {

/// The folder of ended games' runs: program folder + "Replays/".
std::string replaysFolder();
/// The run beside a saved game's slot ("Ann3"): "Saved Games/" + slot + ".run".
std::string savedRunPath(std::string_view slot);

/// How many runs of ended games are kept besides those behind the best times.
constexpr std::size_t keptRecentRuns = 100;

/// Reads a run file; on a problem (a missing file included) run is left as it was and
/// the text says what is wrong, as one line.
RunReadProblem readRunFile(const std::string& path, RunRecord& run);

/// Makes "Replays" when it is missing; false when the game cannot write there.
bool prepareReplaysFolder();
/// A name in "Replays" where no file stands yet, for a run ending now: the time and the
/// maze's number, which sort by age.
std::string newRunPath(const RunRecord& run);
/// Lets go of the oldest runs in "Replays" that no best time of table stands on, beyond
/// the most recent keptRecentRuns; newest (the run just kept) is never the one to go.
/// A ".run" file there that does not read as a run stands on no best time.
void pruneKeptRuns(const BestTimes& table, const std::string& newest);
/// Keeps the run of an ended game in "Replays" (a new file, written safely), then
/// prunes the kept runs. Returns the new file's path, or empty when it was not written
/// (the run was too long to keep, or the disk refused).
std::string keepRun(const RunRecord& run, const BestTimes& table);

/// True when a run is the one behind a best time: the same level, name (as the table
/// keeps it, cut to 20 characters), time and gems, and a won game.
bool runMatches(const RunRecord& run, int level, const BestTime& entry);

/// A best time's kept run: its file and its player's whole name, which the table keeps
/// cut to 20 characters.
struct RunOfTable {
    std::string path;
    std::string player;
    bool operator==(const RunOfTable&) const = default;
};
/// The kept run behind each best time of table, by level (1..6) and rank (1..3); an
/// empty path where none is kept.
using RunsOfTable = std::array<std::array<RunOfTable, 3>, levelCount>;
RunsOfTable runsOfTable(const BestTimes& table);

} // namespace quorvel
