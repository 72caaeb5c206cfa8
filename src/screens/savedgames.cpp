#include "savedgames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "access.h"
#include "clock.h"
#include "dialogs.h"
#include "game.h"
#include "progfolder.h"
#include "safewrite.h"
#include "savefile.h"
#include "tfmap.h"

namespace quorvel {

namespace {

std::string slotname(const std::string& player, int level) {
    return player + std::to_string(level);
}

bool exists(const std::string& path) {
    return !path.empty() && QFileInfo::exists(QString::fromStdString(path));
}

// The dialog for a file the game refuses, or cannot read.
void refuse(SaveProblem problem, const std::string& path) {
    const auto [title, text] = saveproblemdialog(problem, path);
    errorbox(title, text);
}

} // namespace

bool hassavedgame(const std::string& player, int level) {
    return exists(savedgamepath(player, level));
}

bool savegame(const std::string& player, const Game& game, TfMap& map) {
    const std::string folder = savedgamesfolder();
    if (!canwritefolder(folder)) {
        if (!QDir().mkpath(QString::fromStdString(folder)) || !canwritefolder(folder)) {
            errorbox("Error", "Unable to create Saved Game folder!");
            return false;
        }
        openaccess(folder);
    }
    const int level = game.maze().level();
    const std::string path = savedgamepath(player, level);
    if (path.empty()) {
        errorbox("Save Error",
                 "Unable to write to " + folder + player + std::to_string(level) + ".sav!");
        return false;
    }
    if (exists(path) &&
        !confirmbox("Replace Save File?", "You already have a save file.\n\nDo you want to save "
                                          "anyway? (the old save file will be replaced)"))
        return true;
    if (!writesave(path, game, map)) return false;
    map.savemapfile(slotname(player, level));
    return true;
}

bool writesave(const std::string& path, const Game& game, const TfMap& map) {
    SavedGame record;
    record.maze = game.maze();
    record.state = game.state();
    record.lastrow = map.overheadmap().lastrow();
    record.lastcol = map.overheadmap().lastcol();
    record.placedtally = map.overheadmap().placedtally();
    const std::vector<std::uint8_t> bytes = encodesave(record);
    if (!writefilesafely(
            path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
        errorbox("Save Error", "Unable to write to " + path + "!");
        return false;
    }
    openaccess(path);
    return true;
}

bool readsave(const std::string& path, Game& game, TfMap& map, const Clock& clock) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(SaveProblem::unreadable, path);
        return false;
    }
    // One record at the most: whatever follows it is not part of the game.
    const QByteArray data = file.read(static_cast<qint64>(saverecordsize));
    const std::span<const std::uint8_t> bytes(
        reinterpret_cast<const std::uint8_t*>(data.constData()),
        static_cast<std::size_t>(data.size()));
    SavedGame record;
    if (const SaveProblem problem = decodesave(bytes, record); problem != SaveProblem::none) {
        refuse(problem, path);
        return false;
    }

    GameState& s = game.state();
    const double now = clock.now();
    s.starttime = now - record.state.elapsed;
    if (s.starttime < 0) s.starttime = 0;
    s.elapsed = now - s.starttime;
    game.maze() = record.maze;
    s.stepcount = record.state.stepcount;
    s.foodlevel = record.state.foodlevel;
    s.gemscore = record.state.gemscore;
    s.batterylevel = record.state.batterylevel;
    s.batterysteps = record.state.batterysteps;
    s.hascompass = record.state.hascompass;
    s.hasgps = record.state.hasgps;
    s.hastracker = record.state.hastracker;
    s.mapinview = record.state.mapinview;
    s.hasbeacon = record.state.hasbeacon;
    s.hasdetector = record.state.hasdetector;
    OverheadMap& om = map.overheadmap();
    om.restore(record.maze.mazesize, record.maze.compassturn, record.lastrow, record.lastcol);
    om.setplacedtally(record.placedtally);
    return true;
}

bool loadgame(const std::string& player, int level, Game& game, TfMap& map, const Clock& clock) {
    const std::string path = savedgamepath(player, level);
    if (path.empty() || !readsave(path, game, map, clock)) return false;
    const GameState& s = game.state();
    map.loadmapfile(slotname(player, level));
    map.updatemaptools(s.mapinview, s.hasdetector, s.hasbeacon);
    map.updatemapposition(game.maze().posrow, game.maze().poscol, s.hasgps, s.hastracker);
    return true;
}

void deletesave(const std::string& player, int level) {
    const std::string path = savedgamepath(player, level);
    if (path.empty()) return;
    QFile::remove(QString::fromStdString(path));
    QFile::remove(QString::fromStdString(TfMap::mapfilename(slotname(player, level))));
}

} // namespace quorvel
