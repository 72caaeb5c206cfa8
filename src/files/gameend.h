#pragma once
// The end of a won or lost game, kept as one change of the game's files: the best time
// (when the win enters the table), the run in "Replays", and for a won game taken up
// from a saved game that saved game's removal. Everything new is written and flushed
// first, a commit record in the program folder then says the change is made, and only
// then do the files take their places and the saved game go. So a kill at any instant
// leaves no trace of the end or all of it, once: the next start (tidyAfterEarlierRun)
// finishes a change whose record is there and drops the temporary files of one whose
// record is not. When the best time cannot be written, the saved game stays.

#include <optional>
#include <string>

#include "files/besttimesfile.h"
#include "game/besttimes.h"
#include "game/run.h"

namespace quorvel {

/// What the end of a game keeps.
struct GameEnd {
    const RunRecord* run = nullptr; ///< the run, its outcome recorded; kept when complete
    int level = 1;
    std::optional<BestTime> result; ///< a won game's result for the best times
    std::string savedGameOf; ///< whose saved game of the level goes with the win; empty: none
};

/// Keeps the end of a game as one change (above), before any end screen shows. Returns
/// the rank the win took in the table (1..3), 0 when it is not among the level's best
/// (or the game was lost), -1 when the table could not be written. A part that cannot
/// be written is told (tell, and the install record) and left out: the run alone, or
/// the best time and the saved game's removal without the run.
int keepGameEnd(BestTimesFile& bestTimes, const GameEnd& end, const BestTimesFile::Tell& tell);

} // namespace quorvel
