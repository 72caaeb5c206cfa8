#pragma once
// The saved-game record: one fixed 34304-byte little-endian record holding the maze,
// the player's place, the game state and the map window's position and start tally.
// The maze's number, when known, is kept at offset 296: the marker "QV3N" and the
// generator's first state; other readers see the zeros they expect there otherwise.
// Encoded and decoded in memory; the screens read and write the file.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "game/maze.h"
#include "game/state.h"

namespace quorvel {

constexpr std::size_t saveRecordSize = 34304;
/// The part of the record checked before the whole is read.
constexpr std::size_t saveHeaderSize = 256;

/// Everything a saved game holds.
struct SavedGame {
    Maze maze;
    GameState state; ///< foodlevel, gemscore, batterylevel, batterysteps, stepcount, tools,
                     ///< mapinview, elapsed
    std::int32_t lastRow = -1; ///< the map's last position
    std::int32_t lastCol = -1;
    std::array<std::int32_t, 256> placedTally{};
};

std::vector<std::uint8_t> encodeSave(const SavedGame& game);

/// Why a saved game was refused; each has its own dialog.
enum class SaveProblem {
    none,
    notValid,    ///< another signature: "... is not a valid Quorvel Save File!"
    corrupt,     ///< another record size, or a file shorter than its record
    invalidData, ///< indices or values no game could have written
    unreadable,  ///< the file cannot be opened or read; never returned by the decoders
};

/// Checks the first bytes of a file (fewer than 256 when the file is shorter).
SaveProblem checkSaveHeader(std::span<const std::uint8_t> head);

/// Decodes a whole file. On a problem, `game` is left untouched.
SaveProblem decodeSave(std::span<const std::uint8_t> file, SavedGame& game);

/// The title and text of the dialog that refuses the saved game at path (for
/// SaveProblem::none, empty strings).
std::pair<std::string, std::string> saveProblemDialog(SaveProblem problem, const std::string& path);

} // namespace quorvel
