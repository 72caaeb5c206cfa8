#include "files/savedgamefiles.h"

#include <cerrno>
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

// The files the game writes in the program folder itself.
bool ownProgramFile(std::string_view name) {
    const std::string program = programFileName();
    return name == changeExtension(program, ".ini") || name == changeExtension(program, ".tk") ||
           name == bestTimesFileName || name == std::string(bestTimesFileName) + ".bak" ||
           name == "music.rmi";
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
    std::vector<FileWrite> files{{mapPath, byteView(mapPicture)}};
    if (!run.empty()) files.push_back({runPath, byteView(run)});
    files.push_back({path, byteView(record)});
    if (!writeFilesSafely(files, failedPath)) return false;
    openAccess(mapPath);
    openAccess(path);
    if (run.empty())
        ::unlink(runPath.c_str()); // an older game's run is not this one's
    else
        openAccess(runPath);
    return true;
}

void deleteSavedGame(std::string_view player, int level) {
    const std::string path = savedGamePath(player, level);
    if (path.empty()) return;
    ::unlink(path.c_str());
    ::unlink(savedMapPath(savedGameSlot(player, level)).c_str());
    ::unlink(savedRunPath(savedGameSlot(player, level)).c_str());
}

void tidyAfterEarlierRun() {
    const std::string saved = savedGamesFolder();
    finishCommittedWrites(saved);
    // "Saved Games" and "Replays" are the game's own: every temporary there is its.
    const auto any = [](std::string_view) { return true; };
    removeLeftoverTemporaries(saved, any);
    removeLeftoverTemporaries(replaysFolder(), any);
    removeLeftoverTemporaries(programFolder(), ownProgramFile);
}

} // namespace quorvel
