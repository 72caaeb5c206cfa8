#pragma once
// The players' saved games and their one owner: one slot per player and level in the
// program folder's "Saved Games", a record ("Ann3.sav") and its map picture ("Ann3.map")
// that are written, read and deleted as one. Paths are the file system's own bytes, so a
// program folder whose name is not UTF-8 keeps saved games like any other.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/savefile.h"

namespace quorvel {

/// A slot's name: the player's name and the level digit ("Ann3").
std::string savedGameSlot(std::string_view player, int level);
/// The map picture of a slot: "Saved Games/" + slot + ".map" in the program folder.
std::string savedMapPath(std::string_view slot);
/// True when something stands in the player's slot of the level (saving asks before
/// it replaces it, and loading says what is wrong with it).
bool hasSavedGame(std::string_view player, int level);
/// True when the slot holds a plain file: a saved game the opening screen offers.
bool hasSavedGameFile(std::string_view player, int level);

/// Makes "Saved Games" when it is missing (open to all users in a shared program
/// folder); false when there is no folder the game can write to.
bool prepareSavedGamesFolder();

/// Reads and checks the record at path without touching any game. A name that holds
/// no plain file (a folder, a pipe, a device) is refused as not a valid saved game
/// and is never waited on; whatever follows the record is not read.
SaveProblem readSaveFile(const std::string& path, SavedGame& record);
/// The bytes of a slot's map picture (at most what a map of the largest maze takes);
/// false when there is none to read.
bool readSavedMap(std::string_view slot, std::string& bytes);

/// Writes a slot's record (to path), its map picture and its run (game/run.h; none
/// when empty) as one: after a crash or a kill at any instant, the next start finds the
/// old files or the new ones, never a mix. False when a file cannot be written; the old
/// files then stay as they were and failedPath (when given) names the file that could
/// not be written.
bool writeSavedGame(const std::string& path, std::span<const std::uint8_t> record,
                    std::span<const std::uint8_t> mapPicture,
                    std::span<const std::uint8_t> run = {}, std::string* failedPath = nullptr);
/// The files of the player's saved game of the level, as a won game deletes them: the
/// record first, then its map picture and its run (neither is offered alone); none
/// when the name cannot be a file's.
std::vector<std::string> savedGameFiles(std::string_view player, int level);

/// At start, while this copy holds the single-instance guard and before anything reads
/// the program's files: completes or drops what a run killed while writing left behind
/// (a saved game's commit, the end of a game, the temporary files of the game's own
/// files in the program folder, in "Saved Games" and in "Replays"), and removes map
/// pictures and runs in "Saved Games" whose saved game is gone. Nothing else is touched.
void tidyAfterEarlierRun();

} // namespace quorvel
