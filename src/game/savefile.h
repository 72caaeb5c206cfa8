#pragma once
// The saved-game record: one fixed 34304-byte little-endian record holding the maze,
// the player's place, the game state and the map window's position and start tally.
// Encoded and decoded in memory; the screens read and write the file.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "maze.h"
#include "state.h"

namespace quorvel {

constexpr std::size_t saverecordsize = 34304;
/// The part of the record checked before the whole is read.
constexpr std::size_t saveheadersize = 256;

/// Everything a saved game holds.
struct SavedGame {
    Maze maze;
    GameState state; ///< foodlevel, gemscore, batterylevel, batterysteps, stepcount, tools,
                     ///< mapinview, elapsed
    std::int32_t lastrow = -1; ///< the map's last position
    std::int32_t lastcol = -1;
    std::array<std::int32_t, 256> placedtally{};
};

std::vector<std::uint8_t> encodesave(const SavedGame& game);

/// Why a saved game was refused; each has its own dialog.
enum class SaveProblem {
    none,
    notvalid,    ///< another signature: "... is not a valid Quorvel Save File!"
    corrupt,     ///< another record size, or a file shorter than its record
    invaliddata, ///< indices or values no game could have written
    unreadable,  ///< the file cannot be opened or read; never returned by the decoders
};

/// Checks the first bytes of a file (fewer than 256 when the file is shorter).
SaveProblem checksaveheader(std::span<const std::uint8_t> head);

/// Decodes a whole file. On a problem, `game` is left untouched.
SaveProblem decodesave(std::span<const std::uint8_t> file, SavedGame& game);

/// The title and text of the dialog that refuses the saved game at path (for
/// SaveProblem::none, empty strings).
std::pair<std::string, std::string> saveproblemdialog(SaveProblem problem, const std::string& path);

} // namespace quorvel
