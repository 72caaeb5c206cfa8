#include "screens/savedgames.h"

#include "files/programfolder.h"
#include "files/runfiles.h"
#include "files/savedgamefiles.h"
#include "game/game.h"
#include "game/savefile.h"
#include "screens/mapwindow.h"
#include "widgets/dialogs.h"

namespace quorvel {

namespace {

// The dialog for a file the game refuses, or cannot read.
void refuse(SaveProblem problem, const std::string& path) {
    const auto [title, text] = saveProblemDialog(problem, path);
    errorBox(title, text);
}

} // namespace

bool saveGame(const std::string& player, const Game& game, MapWindow& map) {
    if (!prepareSavedGamesFolder()) {
        errorBox("Error", "Unable to create Saved Game folder!");
        return false;
    }
    const int level = game.maze().level();
    const std::string path = savedGamePath(player, level);
    if (path.empty()) {
        errorBox("Save Error", "Unable to write to " + savedGamesFolder() + player +
                                   std::to_string(level) + ".sav!");
        return false;
    }
    if (hasSavedGame(player, level) &&
        !confirmBox("Replace Save File?", "You already have a save file.\n\nDo you want to save "
                                          "anyway? (the old save file will be replaced)"))
        return true;
    return writeSave(path, game, map);
}

bool writeSave(const std::string& path, const Game& game, const MapWindow& map) {
    SavedGame record;
    record.maze = game.maze();
    record.state = game.state();
    record.lastRow = map.overheadMap().lastRow();
    record.lastCol = map.overheadMap().lastCol();
    record.placedTally = map.overheadMap().placedTally();
    std::string failed;
    const std::vector<std::uint8_t> run =
        game.run().complete ? encodeRun(game.run()) : std::vector<std::uint8_t>();
    if (!writeSavedGame(path, encodeSave(record), map.mapFileBytes(), run, &failed)) {
        errorBox("Save Error", "Unable to write to " + failed + "!");
        return false;
    }
    return true;
}

bool readSave(const std::string& path, Game& game, MapWindow& map, const RunRecord* run) {
    SavedGame record;
    if (const SaveProblem problem = readSaveFile(path, record); problem != SaveProblem::none) {
        refuse(problem, path);
        return false;
    }
    game.resume(record, run);
    OverheadMap& om = map.overheadMap();
    om.restore(record.maze.mazeSize, record.maze.compassTurn, record.lastRow, record.lastCol);
    om.setPlacedTally(record.placedTally);
    return true;
}

bool loadGame(const std::string& player, int level, Game& game, MapWindow& map) {
    const std::string path = savedGamePath(player, level);
    // The run so far goes on when it was kept; a saved game without one plays unrecorded.
    RunRecord run;
    const bool recorded =
        !path.empty() && !readRunFile(savedRunPath(savedGameSlot(player, level)), run);
    if (path.empty() || !readSave(path, game, map, recorded ? &run : nullptr)) return false;
    const GameState& s = game.state();
    map.loadMapFile(savedGameSlot(player, level));
    map.updateMapTools(s.mapInView, s.hasDetector, s.hasBeacon);
    map.updateMapPosition(game.maze().posRow, game.maze().posCol, s.hasGps, s.hasTracker);
    return true;
}

} // namespace quorvel
