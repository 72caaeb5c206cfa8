#include "files/savedgamefiles.h"

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "files/access.h"
#include "files/filereader.h"
#include "files/programfolder.h"
#include "files/runfiles.h"
#include "files/safewrite.h"

namespace quorvel {

namespace {

// Far above the 47054 bytes of the largest map picture the game writes.
constexpr std::size_t largestMapFile = 1u << 20;

bool isPlainFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The files the game writes in the program folder itself: its own, and the records of
// the changes it makes as one (".quorvel3d.his.commit").
bool ownProgramFile(std::string_view name) {
    const std::string program = programFileName();
    return name == changeExtension(program, ".ini") || name == changeExtension(program, ".tk") ||
           name == bestTimesFileName || name == std::string(bestTimesFileName) + ".bak" ||
           name == "music.rmi" || (name.starts_with('.') && name.ends_with(".commit"));
}

// A name below the program folder that is a saved game's file ("Saved Games/Ann3.sav").
bool isSavedGameFile(std::string_view name) {
    constexpr std::string_view folder = "Saved Games/";
    if (!name.starts_with(folder) || name.size() <= folder.size() + 4) return false;
    const std::string_view ext = name.substr(name.size() - 4);
    return ext == ".sav" || ext == ".map" || ext == ".run";
}

// Map pictures and runs whose saved game is gone (left by a version that deleted them
// one by one): the game never offers them, and a new save of the slot replaces them.
void removeOrphans(const std::string& saved) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(saved.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    struct stat st {};
    for (const std::string& name : names) {
        if (name.size() <= 4 || name.front() == '.' ||
            !(name.ends_with(".map") || name.ends_with(".run")))
            continue;
        const std::string path = saved + name;
        const std::string record = path.substr(0, path.size() - 4) + ".sav";
        if (::lstat(record.c_str(), &st) != 0 && errno == ENOENT && isPlainFile(path))
            ::unlink(path.c_str());
    }
}

} // namespace

std::string savedGameSlot(std::string_view player, int level) {
    return std::string(player) + std::to_string(level);
}

std::string savedMapPath(std::string_view slot) {
    return savedGamesFolder() + std::string(slot) + ".map";
}

bool hasSavedGame(std::string_view player, int level) {
    const std::string path = savedGamePath(player, level);
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool hasSavedGameFile(std::string_view player, int level) {
    return isPlainFile(savedGamePath(player, level));
}

bool prepareSavedGamesFolder() {
    const std::string folder = savedGamesFolder();
    if (canWriteFolder(folder)) return true;
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) return false;
    if (!canWriteFolder(folder)) return false;
    openAccess(folder);
    return true;
}

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

bool readSavedMap(std::string_view slot, std::string& bytes) {
    return readWholeFile(savedMapPath(slot), bytes, largestMapFile);
}

bool writeSavedGame(const std::string& path, std::span<const std::uint8_t> record,
                    std::span<const std::uint8_t> mapPicture, std::span<const std::uint8_t> run,
                    std::string* failedPath) {
    // The slot's name is the record's without ".sav".
    const std::string slot = path.substr(0, path.size() - 4);
    const std::string mapPath = slot + ".map", runPath = slot + ".run";
    // The map picture and the run take their places first and the saved game last, so
    // even a run of the program that ends between the renames with no commit to finish
    // never pairs a new record with an old picture.
    FileChange change;
    change.writes.push_back({mapPath, byteView(mapPicture)});
    if (!run.empty()) change.writes.push_back({runPath, byteView(run)});
    change.writes.push_back({path, byteView(record)});
    // A save without a run removes an older game's run in the same change: a kill
    // between the two would pair the new saved game with a run that is not its own.
    if (run.empty()) change.removals.push_back(runPath);
    if (!writeFilesSafely(change, failedPath)) return false;
    openAccess(mapPath);
    openAccess(path);
    if (!run.empty()) openAccess(runPath);
    return true;
}

std::vector<std::string> savedGameFiles(std::string_view player, int level) {
    const std::string path = savedGamePath(player, level);
    if (path.empty()) return {};
    const std::string slot = savedGameSlot(player, level);
    return {path, savedMapPath(slot), savedRunPath(slot)};
}

void tidyAfterEarlierRun() {
    const std::string saved = savedGamesFolder();
    // A save there may remove the slot's older run ("Ann1.run").
    finishCommittedWrites(saved, [](std::string_view name) {
        return name.size() > 4 && name.ends_with(".run") && name.find('/') == name.npos;
    });
    // The end of a game: its record stands in the program folder, and it may remove
    // nothing but a saved game's files.
    finishCommittedWrites(programFolder(), isSavedGameFile);
    removeOrphans(saved);
    // "Saved Games" and "Replays" are the game's own: every temporary there is its.
    const auto any = [](std::string_view) { return true; };
    removeLeftoverTemporaries(saved, any);
    removeLeftoverTemporaries(replaysFolder(), any);
    removeLeftoverTemporaries(programFolder(), ownProgramFile);
}

} // namespace quorvel
