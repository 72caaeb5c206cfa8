#pragma once
// The player's saved games: one slot per player and level in "Saved Games", the
// record beside its map file. Saving asks before it replaces a slot; loading checks
// the whole file before anything of the running game changes.

#include <string>

#include "game/savefile.h"

namespace quorvel {

class Game;
class MapWindow;

/// Reads and checks the record at path without touching any game. A name that holds
/// no plain file (a folder, a pipe, a device) is refused as not a valid saved game
/// and is never waited on; whatever follows the record is not read.
SaveProblem readSaveFile(const std::string& path, SavedGame& record);

/// Saves the game and its map file in the player's slot of its level. False when
/// the game could not be saved (a dialog said why); true when it was saved or the
/// player chose to keep the old save.
bool saveGame(const std::string& player, const Game& game, MapWindow& map);
/// Writes the record to path and the map picture to mapPath as one pair: either both
/// are replaced or, after the "Save Error" dialog naming the file that could not be
/// written, both old files stay as they were (false).
bool writeSave(const std::string& path, const std::string& mapPath, const Game& game,
               const MapWindow& map);
/// Reads the record at path into the game and the map window; false (and nothing
/// changed) after the dialog that says what is wrong with the file.
bool readSave(const std::string& path, Game& game, MapWindow& map);
/// Loads the player's saved game of the level, its map file and the tool marks.
bool loadGame(const std::string& player, int level, Game& game, MapWindow& map);
/// Deletes the player's saved game of the level and its map file; failures are ignored.
void deleteSave(const std::string& player, int level);
/// True when the player has a saved game of the level.
bool hasSavedGame(const std::string& player, int level);

} // namespace quorvel
