#pragma once
// The best-times file "quorvel3d.his" in the program folder and its one owner: read
// into memory at each showing of the opening screen, replaced by the built-in table
// when it is missing or damaged (a damaged one is kept as "quorvel3d.his.bak" first),
// and rewritten whole when a won game enters the table. A file that is there but cannot
// be read, or that its owner made read-only, is never written over: the run plays with
// the default table in memory and the player is told that the file cannot be written.

#include <functional>
#include <string>

#include "game/besttimes.h"

namespace quorvel {

class BestTimesFile {
  public:
    /// How the player is told of a problem with the file: a dialog's title and text.
    using Tell = std::function<void(const std::string& title, const std::string& text)>;
    /// Problems go to tell; without one, to standard error.
    explicit BestTimesFile(Tell tell = {}) : m_tell(std::move(tell)) {}

    /// Fills the table from the file, creating or repairing the file when needed.
    void loadBestTimes();
    /// Enters a won game: its rank 1..3 when it entered the table and the file was
    /// written, 0 when it is not among the level's best (nothing written), -1 when it
    /// entered the table but the file could not be written.
    int recordBestTime(int level, const BestTime& result);

    // The steps of recordBestTime, for the end of a game that writes the table with
    // other files as one change (files/gameend.h).

    /// Enters a won game in the table in memory: its rank 1..3, or 0 when it is not
    /// among the level's best. It shows until the next load, written or not.
    int enterResult(int level, const BestTime& result) { return m_table.record(level, result); }
    /// True when the file may be rewritten: the last load found a file the game may
    /// replace, and it still may.
    bool mayWrite() const;
    /// Tells the player that the table could not be written.
    void tellNotWritten() const;

    const BestTimes& bestTimes() const { return m_table; }
    /// The file's path.
    static std::string path();

  private:
    Tell m_tell;
    BestTimes m_table;
    bool m_mayWrite = true; ///< the last load found a file the game may replace

    void tell(const std::string& title, const std::string& text) const;
    void tellAndLog(const std::string& title, const std::string& text) const;
    void cannotWrite(const std::string& p);
    void tellCannotWrite(const std::string& p) const;
    bool fromDefaults(const std::string& p);
};

} // namespace quorvel
