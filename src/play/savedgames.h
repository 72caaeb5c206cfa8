#pragma once
// Saving and loading a game as the player meets it: saving asks before it replaces a
// slot and says why it failed; loading checks the whole file before anything of the
// running game changes. The files themselves belong to files/savedgamefiles.h.

#include <string>

#include "files/savedgamefiles.h"
#include "game/savefile.h"

namespace quorvel {

class Game;
class OverheadMap;
class PlayerQuestions;
struct RunRecord;

/// Saves the game and its map file in the player's slot of its level. False when
/// the game could not be saved (the player was told why); true when it was saved or
/// the player chose to keep the old save.
bool saveGame(const std::string& player, const Game& game, const OverheadMap& map,
              PlayerQuestions& ask);
/// Writes the record to path and the map picture beside it as one pair: either both
/// are replaced or, after the "Save Error" naming the file that could not be written,
/// both old files stay as they were (false).
bool writeSave(const std::string& path, const Game& game, const OverheadMap& map,
               PlayerQuestions& ask);
/// Reads the record at path into the game and the map; false (and nothing changed)
/// after the player was told what is wrong with the file. The run recorded so far
/// (run) goes on with the game when given.
bool readSave(const std::string& path, Game& game, OverheadMap& map, PlayerQuestions& ask,
              const RunRecord* run = nullptr);
/// Lays the map picture of a saved game's slot ("Ann3") into map; a missing or
/// unreadable map file keeps the picture.
void loadMapFile(const std::string& slot, OverheadMap& map);
/// Loads the player's saved game of the level, its map file and the tool marks.
bool loadGame(const std::string& player, int level, Game& game, OverheadMap& map,
              PlayerQuestions& ask);

} // namespace quorvel
