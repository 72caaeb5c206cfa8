#pragma once
// The best-times file "quorvel3d.his" in the program folder: read into memory at each
// showing of the opening screen, replaced by the built-in table when it is missing or
// damaged (a damaged one is kept as "quorvel3d.his.bak" first), and rewritten whole
// when a won game enters the table.

#include <string>

#include "game/besttimes.h"

namespace quorvel {

class BestTimesFile {
  public:
    /// Fills the table from the file, creating or repairing the file when needed.
    void loadBestTimes();
    /// Enters a won game: its rank 1..3 when it entered the table and the file was
    /// written, 0 when it is not among the level's best (nothing written), -1 when it
    /// entered the table but the file could not be written.
    int recordBestTime(int level, const BestTime& result);

    const BestTimes& bestTimes() const { return m_table; }
    /// The file's path.
    static std::string path();

  private:
    BestTimes m_table;

    bool fromDefaults(const std::string& p);
};

} // namespace quorvel
