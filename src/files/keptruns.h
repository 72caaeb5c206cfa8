#pragma once
// The kept runs behind a best-times table: which file of "Replays" stands behind each
// best time, and whether the rules, playing it again, reach that very time and gems.
// Both are remembered for the program's run: the folder is read again only when it or
// the table has changed, and a run file is played again only when its size or time has
// changed (files in "Replays" are written once). Plain work on the calling thread; the
// best-times screen has it done on a worker (play/runchecks.h).

#include <array>
#include <map>
#include <optional>
#include <string>

#include "files/runfiles.h"
#include "game/besttimes.h"

namespace quorvel {

class KeptRuns {
  public:
    /// The kept run behind each best time of table, by level and rank (index 0..5, 0..2):
    /// its path and player, an empty path where none is kept.
    const RunsOfTable& runsOf(const BestTimes& table);
    /// True when the run file at path is the run behind the best time of level (1..6)
    /// and entry, and the rules playing it again end as it says.
    bool verified(const std::string& path, int level, const BestTime& entry);

  private:
    /// What checking found of a run file, by its path, size and time.
    struct Checked {
        long long size = -1;
        long long modified = 0;
        bool verified = false;
    };
    std::map<std::string, Checked> m_checked;
    /// The runs last found: for the table as it was, when "Replays" had that time.
    std::optional<long long> m_folderChanged;
    std::array<std::uint8_t, bestTimesSize> m_table{};
    RunsOfTable m_runs;
    bool m_found = false;
};

} // namespace quorvel
