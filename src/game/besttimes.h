#pragma once
// The best-times table: the three best results of every level over all players, as
// the 39424-byte image of the file "quorvel3d.his". A result ranks by its playing
// time, shortest first; of two equal times the one with more gem points ranks higher.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {

constexpr std::size_t bestTimesSize = 39424;
constexpr std::size_t bestTimesHeader = 256;
constexpr std::size_t bestTimesEntry = 2176;

using CodeTally = std::array<std::uint32_t, 256>;

/// One stored result with the statistics of its game.
struct BestTime {
    std::string name; ///< UTF-8; stored cut to 20 characters
    double time = 0;  ///< playing time in days
    std::int32_t gems = 0;
    std::string timeText; ///< the clock's text at the win; stored cut to 20 characters
    std::int32_t steps = 0;
    std::int32_t food = 0;
    std::int32_t battery = 0;
    CodeTally start{}; ///< what the maze held, per cell code, when it was made
    CodeTally end{};   ///< what it held when the game was won
};

/// Why a best-times file was refused.
enum class BestTimesProblem {
    none,
    notValid,   ///< another signature
    corrupt,    ///< another size field, or fewer bytes than the size field promises
    unreadable, ///< the file cannot be opened or read; never returned by the checks
};

/// Checks a whole file: the header, then that it holds the whole table. A file cut
/// short is corrupt, so its missing results are never read as zero times that no
/// game could beat.
BestTimesProblem checkBestTimes(std::span<const std::uint8_t> file);

/// The title and text of the dialog that refuses the best-times file at path, before
/// the built-in table replaces it (for BestTimesProblem::none, empty strings).
std::pair<std::string, std::string> bestTimesProblemDialog(BestTimesProblem problem,
                                                           const std::string& path);

class BestTimes {
  public:
    /// The table of default entries: "Friend", 99.999999 days, every level and rank.
    BestTimes();

    /// Checks the first bytes of a file (an empty or short file reads as zeros).
    static BestTimesProblem checkHeader(std::span<const std::uint8_t> head);
    /// Takes a file's bytes after checkHeader passed; missing bytes read as zeros.
    static BestTimes fromFile(std::span<const std::uint8_t> file);

    /// The entry of level 1..6 and rank 1..3; levels and ranks outside read as level 1 rank 1.
    BestTime entry(int level, int rank) const;
    /// The rank a result would take, 1..3, or 0 when it is not among the level's best.
    int rankOf(int level, double time, std::int32_t gems) const;
    /// Enters a result: makes room below its rank, fills the entry, rewrites the header
    /// fields. Returns the rank, or 0 (and changes nothing) when it is not among the best.
    int record(int level, const BestTime& result);

    const std::array<std::uint8_t, bestTimesSize>& image() const { return m_image; }
    /// Writes an entry as it stands, without ranking (for building sample tables).
    void setEntry(int level, int rank, const BestTime& result);
    /// Sets the version bytes of the header.
    void setVersion(std::uint8_t major, std::uint8_t minor);

  private:
    std::array<std::uint8_t, bestTimesSize> m_image{};

    static std::size_t offset(int level, int rank);
    void writeHeader();
};

/// The time a new table starts with: any game shorter than it beats it.
constexpr double defaultTime = 99.999999;

} // namespace quorvel
