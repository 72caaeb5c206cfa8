#include "screens/savedgames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/access.h"
#include "files/filereader.h"
#include "files/programfolder.h"
#include "files/safewrite.h"
#include "game/game.h"
#include "game/savefile.h"
#include "screens/mapwindow.h"
#include "widgets/dialogs.h"

namespace quorvel {

namespace {

std::string slotName(const std::string& player, int level) {
    return player + std::to_string(level);
}

bool exists(const std::string& path) {
    return !path.empty() && QFileInfo::exists(QString::fromStdString(path));
}

// The dialog for a file the game refuses, or cannot read.
void refuse(SaveProblem problem, const std::string& path) {
    const auto [title, text] = saveProblemDialog(problem, path);
    errorBox(title, text);
}

} // namespace

SaveProblem readSaveFile(const std::string& path, SavedGame& record) {
    // One record at the most: whatever follows it is not part of the game.
    std::string bytes;
    switch (readFileStart(path, saveRecordSize, bytes)) {
    case FileRead::ok: break;
    case FileRead::notAFile: return SaveProblem::notValid; // a folder or a pipe is no saved game
    default: return SaveProblem::unreadable;
    }
    return decodeSave({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, record);
}

bool hasSavedGame(const std::string& player, int level) {
    return exists(savedGamePath(player, level));
}

bool saveGame(const std::string& player, const Game& game, MapWindow& map) {
    const std::string folder = savedGamesFolder();
    if (!canWriteFolder(folder)) {
        if (!QDir().mkpath(QString::fromStdString(folder)) || !canWriteFolder(folder)) {
            errorBox("Error", "Unable to create Saved Game folder!");
            return false;
        }
        openAccess(folder);
    }
    const int level = game.maze().level();
    const std::string path = savedGamePath(player, level);
    if (path.empty()) {
        errorBox("Save Error",
                 "Unable to write to " + folder + player + std::to_string(level) + ".sav!");
        return false;
    }
    if (exists(path) &&
        !confirmBox("Replace Save File?", "You already have a save file.\n\nDo you want to save "
                                          "anyway? (the old save file will be replaced)"))
        return true;
    return writeSave(path, MapWindow::mapFileName(slotName(player, level)), game, map);
}

bool writeSave(const std::string& path, const std::string& mapPath, const Game& game,
               const MapWindow& map) {
    SavedGame record;
    record.maze = game.maze();
    record.state = game.state();
    record.lastRow = map.overheadMap().lastRow();
    record.lastCol = map.overheadMap().lastCol();
    record.placedTally = map.overheadMap().placedTally();
    const std::vector<std::uint8_t> saveBytes = encodeSave(record);
    const std::vector<std::uint8_t> mapBytes = map.mapFileBytes();
    // The map picture takes its place first and the saved game last, so a saved
    // game never stands beside the picture of a later game.
    const FileWrite pair[] = {{mapPath, byteView(mapBytes)}, {path, byteView(saveBytes)}};
    std::string failed;
    if (!writeFilesSafely(pair, &failed)) {
        errorBox("Save Error", "Unable to write to " + failed + "!");
        return false;
    }
    openAccess(mapPath);
    openAccess(path);
    return true;
}

bool readSave(const std::string& path, Game& game, MapWindow& map) {
    SavedGame record;
    if (const SaveProblem problem = readSaveFile(path, record); problem != SaveProblem::none) {
        refuse(problem, path);
        return false;
    }

    game.resume(record);
    OverheadMap& om = map.overheadMap();
    om.restore(record.maze.mazeSize, record.maze.compassTurn, record.lastRow, record.lastCol);
    om.setPlacedTally(record.placedTally);
    return true;
}

bool loadGame(const std::string& player, int level, Game& game, MapWindow& map) {
    const std::string path = savedGamePath(player, level);
    if (path.empty() || !readSave(path, game, map)) return false;
    const GameState& s = game.state();
    map.loadMapFile(slotName(player, level));
    map.updateMapTools(s.mapInView, s.hasDetector, s.hasBeacon);
    map.updateMapPosition(game.maze().posRow, game.maze().posCol, s.hasGps, s.hasTracker);
    return true;
}

void deleteSave(const std::string& player, int level) {
    const std::string path = savedGamePath(player, level);
    if (path.empty()) return;
    QFile::remove(QString::fromStdString(path));
    QFile::remove(QString::fromStdString(MapWindow::mapFileName(slotName(player, level))));
}

} // namespace quorvel
