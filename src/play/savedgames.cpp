#include "play/savedgames.h"

#include "files/programfolder.h"
#include "files/runfiles.h"
#include "files/savedgamefiles.h"
#include "game/game.h"
#include "game/savefile.h"
#include "play/questions.h"
#include "text/gametext.h"
#include "view/overheadmap.h"

namespace quorvel {

bool saveGame(const std::string& player, const Game& game, const OverheadMap& map,
              PlayerQuestions& ask) {
    if (!prepareSavedGamesFolder()) {
        ask.tell(Notice::error, gameText("quorvel::Problems", "Error"),
                 gameText("quorvel::Problems", "Unable to create Saved Game folder!"));
        return false;
    }
    const int level = game.maze().level();
    const std::string path = savedGamePath(player, level);
    if (path.empty()) {
        ask.tell(Notice::error, gameText("quorvel::Problems", "Save Error"),
                 fillIn(gameText("quorvel::Problems", "Unable to write to %1!"),
                        savedGamesFolder() + player + std::to_string(level) + ".sav"));
        return false;
    }
    if (hasSavedGame(player, level) &&
        !ask.confirm(gameText("quorvel::Problems", "Replace Save File?"),
                     gameText("quorvel::Problems",
                              "You already have a save file.\n\nDo you want to save "
                              "anyway? (the old save file will be replaced)")))
        return true;
    return writeSave(path, game, map, ask);
}

bool writeSave(const std::string& path, const Game& game, const OverheadMap& map,
               PlayerQuestions& ask) {
    SavedGame record;
    record.maze = game.maze();
    record.state = game.state();
    record.lastRow = map.lastRow();
    record.lastCol = map.lastCol();
    record.placedTally = map.placedTally();
    std::string failed;
    const std::vector<std::uint8_t> run =
        game.run().complete ? encodeRun(game.run()) : std::vector<std::uint8_t>();
    if (!writeSavedGame(path, encodeSave(record), encodeBmp(map.picture()), run, &failed)) {
        ask.tell(Notice::error, gameText("quorvel::Problems", "Save Error"),
                 fillIn(gameText("quorvel::Problems", "Unable to write to %1!"), failed));
        return false;
    }
    return true;
}

bool readSave(const std::string& path, Game& game, OverheadMap& map, PlayerQuestions& ask,
              const RunRecord* run) {
    SavedGame record;
    if (const SaveProblem problem = readSaveFile(path, record); problem != SaveProblem::none) {
        const auto [title, text] = saveProblemDialog(problem, path);
        ask.tell(Notice::error, title, text);
        return false;
    }
    game.resume(record, run);
    map.restore(record.maze.mazeSize, record.maze.compassTurn, record.lastRow, record.lastCol);
    map.setPlacedTally(record.placedTally);
    return true;
}

void loadMapFile(const std::string& slot, OverheadMap& map) {
    std::string bytes;
    if (!readSavedMap(slot, bytes)) return;
    if (auto picture = decodeBmp(std::vector<std::uint8_t>(bytes.begin(), bytes.end())))
        map.setPicture(std::move(*picture));
}

bool loadGame(const std::string& player, int level, Game& game, OverheadMap& map,
              PlayerQuestions& ask) {
    const std::string path = savedGamePath(player, level);
    const std::string slot = savedGameSlot(player, level);
    // The run so far goes on when it was kept; a saved game without one plays unrecorded.
    RunRecord run;
    const bool recorded = !path.empty() && !readRunFile(savedRunPath(slot), run);
    if (path.empty() || !readSave(path, game, map, ask, recorded ? &run : nullptr)) return false;
    const GameState& s = game.state();
    loadMapFile(slot, map);
    map.updateMapTools(s.mapInView, s.hasDetector, s.hasBeacon);
    map.updateMapPosition(game.maze().posRow, game.maze().posCol, s.hasGps, s.hasTracker);
    return true;
}

} // namespace quorvel
