#include "diskcheck.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/besttimesfile.h"
#include "files/filereader.h"
#include "files/inifile.h"
#include "files/programfolder.h"
#include "files/runfiles.h"
#include "files/savedgamefiles.h"
#include "game/besttimes.h"
#include "game/game.h"
#include "game/mazenumber.h"
#include "game/savefile.h"
#include "screens/mapwindow.h"
#include "play/savedgames.h"
#include "view/overheadmap.h"

namespace quorvel::soak {

namespace fs = std::filesystem;

namespace {

bool isPlainFile(const EntryStamp& s) {
    return S_ISREG(s.mode);
}

std::vector<std::string> entries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool validUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80         ? 0
                          : (c >> 5) == 6  ? 1
                          : (c >> 4) == 14 ? 2
                          : (c >> 3) == 30 ? 3
                                           : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) >> 6) != 2)
                return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

bool isInteger(const std::string& value, long long low, long long high) {
    try {
        std::size_t used = 0;
        const long long v = std::stoll(value, &used);
        return used == value.size() && v >= low && v <= high;
    } catch (...) {
        return false;
    }
}

std::string describe(SaveProblem problem) {
    switch (problem) {
    case SaveProblem::none: return "accepted";
    case SaveProblem::notValid: return "not a valid saved game";
    case SaveProblem::corrupt: return "corrupt";
    case SaveProblem::invalidData: return "invalid data";
    case SaveProblem::unreadable: return "unreadable";
    }
    return "?";
}

// What differs between a saved record and the game it was written from; empty when
// they agree.
std::string compareWithGame(const SavedGame& saved, const Game& game) {
    const Maze& m = game.maze();
    const GameState& s = game.state();
    std::ostringstream out;
    const auto field = [&out](const char* name, auto inFile, auto inGame) {
        if (inFile != inGame)
            out << name << " " << inFile << " in the file, " << inGame << " in the game; ";
    };
    field("row", saved.maze.posRow, m.posRow);
    field("column", saved.maze.posCol, m.posCol);
    field("facing", saved.maze.facing, m.facing);
    field("maze size", saved.maze.mazeSize, m.mazeSize);
    field("compass turn", saved.maze.compassTurn, m.compassTurn);
    field("steps", saved.state.stepCount, s.stepCount);
    field("food", saved.state.foodLevel, s.foodLevel);
    field("gems", saved.state.gemScore, s.gemScore);
    field("battery", saved.state.batteryLevel, s.batteryLevel);
    field("battery steps", saved.state.batterySteps, s.batterySteps);
    field("compass", saved.state.hasCompass, s.hasCompass);
    field("gps", saved.state.hasGps, s.hasGps);
    field("tracker", saved.state.hasTracker, s.hasTracker);
    field("beacon", saved.state.hasBeacon, s.hasBeacon);
    field("detector", saved.state.hasDetector, s.hasDetector);
    field("elapsed", saved.state.elapsed, s.elapsed);
    if (saved.maze.grid != m.grid) out << "the grid differs; ";
    return out.str();
}

// How many pixels of the map file differ from the map's picture; all of them when the
// file is missing or the sizes differ.
std::size_t differingPixels(const std::optional<MapPicture>& file, const MapPicture& shown) {
    const std::size_t all =
        static_cast<std::size_t>(shown.width) * static_cast<std::size_t>(shown.height);
    if (!file || file->width != shown.width || file->height != shown.height ||
        file->rgb.size() != shown.rgb.size())
        return std::max<std::size_t>(all, 2);
    std::size_t differ = 0;
    for (std::size_t i = 0; i + 2 < shown.rgb.size(); i += 3)
        differ += !std::equal(shown.rgb.begin() + static_cast<std::ptrdiff_t>(i),
                              shown.rgb.begin() + static_cast<std::ptrdiff_t>(i + 3),
                              file->rgb.begin() + static_cast<std::ptrdiff_t>(i));
    return differ;
}

} // namespace

bool DiskCheck::changed(const std::string& path, const EntryStamp& stamp) {
    const auto it = m_seen.find(path);
    const bool isNew = it == m_seen.end() || !(it->second == stamp);
    m_seen[path] = stamp;
    return isNew;
}

// The folders are watched, so they are looked through again only after something in
// them changed: every write of the game (and of the soak) creates, renames or changes
// an entry of the program folder or of Saved Games.
DiskCheck::DiskCheck(Vandal& vandal) : m_vandal(vandal) {
    m_watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
}

DiskCheck::~DiskCheck() {
    if (m_watch >= 0) ::close(m_watch);
}

bool DiskCheck::foldersChanged() {
    constexpr std::uint32_t events = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                     IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF;
    if (m_watch < 0) return true;
    if (m_firstScan) ::inotify_add_watch(m_watch, programFolder().c_str(), events);
    bool changed = m_firstScan;
    alignas(inotify_event) char buffer[16384];
    while (::read(m_watch, buffer, sizeof buffer) > 0)
        changed = true;
    // Saved Games is watched from when it is there.
    if (!m_watchingSaves && fs::exists(savedGamesFolder())) {
        m_watchingSaves = ::inotify_add_watch(m_watch, savedGamesFolder().c_str(), events) >= 0;
        changed = true;
    }
    return changed;
}

std::string DiskCheck::check(const DiskContext& context) {
    std::string problem;
    if (foldersChanged()) {
        m_vandal.forgetReplaced();
        problem = checkFolder(programFolder());
        if (problem.empty()) problem = checkSettings();
        if (problem.empty()) problem = checkSavedGames(context);
    }
    if (problem.empty()) problem = checkBestTimes(context);
    m_firstScan = false;
    return problem;
}

// A safe write leaves no temporary ("." + name + "." + six letters) behind.
std::string DiskCheck::checkFolder(const std::string& folder) {
    for (const std::string& name : entries(folder))
        if (name.starts_with(".")) return "a temporary file was left behind: " + folder + name;
    return {};
}

std::string DiskCheck::checkSettings() {
    const std::string path = settingsPath();
    const EntryStamp stamp = stampOf(path);
    if (!changed(path, stamp) || stamp.mode == 0 || m_vandal.isDamaged(path)) return {};
    if (!isPlainFile(stamp)) return "the settings file is no plain file: " + path;
    std::string bytes;
    if (readFile(path, 16u << 20, bytes) != FileRead::ok) return "the settings file cannot be read";
    // The game writes UTF-8 only: nothing garbled is ever written back.
    if (!validUtf8(bytes) || bytes.starts_with("\xEF\xBB\xBF"))
        return "the settings file is not written in UTF-8";
    if (m_vandal.settingsTouched()) return {}; // lines the soak wrote stay as they were
    const IniFile ini = IniFile::parse(bytes);
    std::istringstream lines(bytes);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const bool section = line.starts_with("[") && line.ends_with("]");
        const std::size_t eq = line.find('=');
        if (!line.empty() && !section && (eq == std::string::npos || eq == 0))
            return "the settings file has a line the game would not write: \"" + line + "\"";
    }
    for (const std::string& section : ini.sections()) {
        for (const std::string& key : ini.keys(section)) {
            const std::string value = ini.readString(section, key, "");
            bool ok = true;
            if (section.ends_with(".Settings") && key == "Skill")
                ok = isInteger(value, 1, 6);
            else if (section.ends_with(".MapSettings") && key.starts_with("Zoom"))
                ok = isInteger(value, 0, 4);
            else if (section.ends_with(".MapSettings") && key.starts_with("Locked"))
                ok = isInteger(value, 0, 1);
            else if (key.starts_with("Top") || key.starts_with("Left"))
                ok = isInteger(value, -(1ll << 31), (1ll << 31) - 1);
            else if (section.ends_with(".SoundSettings"))
                ok = isInteger(value, 0, 1);
            if (!ok)
                return "the settings file holds " + section + "/" + key + "=" + value +
                       ", which the game never writes";
        }
    }
    const std::string player = ini.readString("Settings", "Player", "");
    if (!player.empty() && !ini.hasKey("Players", player))
        return "the last player " + player + " is not among the players";
    return {};
}

std::string DiskCheck::checkSavedGames(const DiskContext& context) {
    const std::string folder = savedGamesFolder();
    if (!fs::exists(folder)) return {};
    if (std::string problem = checkFolder(folder); !problem.empty()) return problem;
    // A file is read again only when it or its map file has changed; "X.map" comes
    // before "X.sav".
    std::set<std::string> fresh;
    for (const std::string& name : entries(folder)) {
        const std::string path = folder + name;
        const EntryStamp stamp = stampOf(path);
        const bool isNew = changed(path, stamp);
        if (isNew) fresh.insert(path);
        if (m_vandal.isDamaged(path)) continue;
        const bool save = name.ends_with(".sav"), map = name.ends_with(".map");
        const bool run = name.ends_with(".run");
        if (!save && !map && !run) return "a stray file in Saved Games: " + name;
        if (!isPlainFile(stamp)) return "no plain file in Saved Games: " + name;
        if (run) {
            // A saved game's run: a whole run file of that saved game's maze.
            RunRecord kept;
            if (const RunReadProblem p = readRunFile(path, kept))
                return "the run " + name + " is refused: " + p.text;
            SavedGame beside;
            const std::string savPath = path.substr(0, path.size() - 4) + ".sav";
            if (!m_vandal.isDamaged(savPath) &&
                readSaveFile(savPath, beside) == SaveProblem::none &&
                mazeNumberOf(beside.maze) != std::optional<MazeNumber>(kept.maze))
                return "the run " + name + " is of another maze than its saved game";
            continue;
        }
        if (!save) continue;
        const std::string mapPath = path.substr(0, path.size() - 4) + ".map";
        if (!isNew && !fresh.count(mapPath)) continue;
        SavedGame record;
        if (const SaveProblem p = readSaveFile(path, record); p != SaveProblem::none)
            return "the saved game " + name + " is refused: " + describe(p);
        // The map picture is written with it; a map file the soak damaged may have
        // brought a picture of another size into the game, which it keeps.
        const bool mapThere =
            fs::exists(fs::symlink_status(mapPath)) && !m_vandal.isDamaged(mapPath);
        std::optional<MapPicture> picture;
        if (mapThere) {
            const std::string bytes = readBytes(mapPath);
            picture = decodeBmp(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
            if (!picture) return "the map file beside " + name + " is no picture";
        }
        if (!isNew || m_firstScan) continue;
        ++m_savesWritten;
        if (!context.game || path != savedGamePath(context.player, context.game->maze().level()))
            continue;
        if (const std::string diff = compareWithGame(record, *context.game); !diff.empty())
            return "the saved game " + name + " is not the game that was saved: " + diff;
        // The map as saved; only the G.P.S. marker may have blinked since.
        if (context.map && differingPixels(picture, context.map->overheadMap().picture()) > 1)
            return "the map file beside " + name + " is not the map of the game saved";
    }
    return {};
}

std::string DiskCheck::checkBestTimes(const DiskContext& context) {
    const std::string path = BestTimesFile::path();
    const EntryStamp stamp = stampOf(path);
    if (stamp.mode == 0 || m_vandal.isDamaged(path)) {
        changed(path, stamp);
        m_bestTimesBytes.clear();
        return {};
    }
    if (!isPlainFile(stamp)) return "the best-times file is no plain file";
    // A read-only file is never rewritten: the game plays the run with the default
    // table in memory (and any result recorded since), so the two need not agree.
    if ((stamp.mode & S_IWUSR) == 0) return {};
    if (changed(path, stamp) || m_bestTimesBytes.empty()) {
        if (readFile(path, bestTimesSize + 1, m_bestTimesBytes) != FileRead::ok)
            return "the best-times file cannot be read";
        const std::span<const std::uint8_t> file(
            reinterpret_cast<const std::uint8_t*>(m_bestTimesBytes.data()),
            m_bestTimesBytes.size());
        if (::quorvel::checkBestTimes(file) != BestTimesProblem::none ||
            m_bestTimesBytes.size() != bestTimesSize)
            return "the best-times file is damaged";
    }
    if (context.table &&
        (m_bestTimesBytes.size() != bestTimesSize ||
         std::memcmp(context.table->image().data(), m_bestTimesBytes.data(), bestTimesSize) != 0))
        return "the best-times file does not hold the table the game shows";
    return {};
}

} // namespace quorvel::soak
