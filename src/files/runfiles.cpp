#include "files/runfiles.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/access.h"
#include "files/filereader.h"
#include "files/programfolder.h"
#include "files/safewrite.h"
#include "text/textcodec.h"

namespace quorvel {

namespace {

constexpr std::string_view runExtension = ".run";

struct KeptRun {
    std::string path;
    RunRecord run;
    long long modified = 0; ///< nanoseconds, for the order of age
    bool read = false;      ///< the file reads as a run
};

// Every run file in "Replays", newest first; those that do not read as runs only when
// asked for (they stand on no best time, and go like any other old run).
std::vector<KeptRun> keptRuns(bool unread = false) {
    std::vector<KeptRun> runs;
    const std::string folder = replaysFolder();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return runs;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.empty() || name.front() == '.' || !name.ends_with(runExtension)) continue;
        KeptRun k;
        k.path = folder + name;
        struct stat st {};
        if (::lstat(k.path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        k.read = !readRunFile(k.path, k.run);
        if (!k.read && !unread) continue;
        k.modified =
            static_cast<long long>(st.st_mtim.tv_sec) * 1'000'000'000LL + st.st_mtim.tv_nsec;
        runs.push_back(std::move(k));
    }
    ::closedir(dir);
    std::sort(runs.begin(), runs.end(), [](const KeptRun& a, const KeptRun& b) {
        return a.modified != b.modified ? a.modified > b.modified : a.path > b.path;
    });
    return runs;
}

} // namespace

// A new file name in "Replays": the time of the end and the maze's number, which sort
// by age, and a count when two games end within one second.
std::string newRunPath(const RunRecord& run) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base = replaysFolder() + stamp + "-" + formatMazeNumber(run.maze);
    std::string path = base + std::string(runExtension);
    struct stat st {};
    for (int n = 2; ::lstat(path.c_str(), &st) == 0 && n < 1000; ++n)
        path = base + "-" + std::to_string(n) + std::string(runExtension);
    return path;
}

namespace {

bool standsOnTable(const RunRecord& run, const BestTimes& table) {
    for (int rank = 1; rank <= 3; ++rank)
        if (runMatches(run, run.maze.level, table.entry(run.maze.level, rank))) return true;
    return false;
}

} // namespace

std::string replaysFolder() {
    return programFolder() + "Replays/";
}

std::string savedRunPath(std::string_view slot) {
    return savedGamesFolder() + std::string(slot) + std::string(runExtension);
}

RunReadProblem readRunFile(const std::string& path, RunRecord& run) {
    std::string bytes;
    switch (readFile(path, runMaxFileBytes, bytes)) {
    case FileRead::ok: break;
    case FileRead::missing: return {"there is no such file"};
    case FileRead::notAFile: return {"not a file"};
    case FileRead::tooLarge: return {"too large to be a run file"};
    case FileRead::unreadable: return {"it cannot be read"};
    }
    return decodeRun({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, run);
}

bool runMatches(const RunRecord& run, int level, const BestTime& entry) {
    return run.outcome.result == RunResult::won && run.maze.level == level &&
           cutChars(run.player, 20) == entry.name && run.outcome.elapsed == entry.time &&
           run.outcome.gems == entry.gems;
}

bool prepareReplaysFolder() {
    const std::string folder = replaysFolder();
    // errno tells only of a mkdir that failed: a folder made now is opened to all.
    if (::mkdir(folder.c_str(), 0777) == 0)
        openAccess(folder);
    else if (errno != EEXIST)
        return false;
    return canWriteFolder(folder);
}

void pruneKeptRuns(const BestTimes& table, const std::string& newest) {
    // The newest run counts among the recent ones and is never the one to go.
    std::size_t others = 0;
    RunRecord run;
    if (!newest.empty() && (readRunFile(newest, run) || !standsOnTable(run, table))) ++others;
    for (const KeptRun& k : keptRuns(true)) {
        if (k.path == newest || (k.read && standsOnTable(k.run, table))) continue;
        if (++others > keptRecentRuns) ::unlink(k.path.c_str());
    }
}

std::string keepRun(const RunRecord& run, const BestTimes& table) {
    if (!run.complete || !prepareReplaysFolder()) return {};
    const std::string path = newRunPath(run);
    const std::vector<std::uint8_t> bytes = encodeRun(run);
    if (!writeFileSafely(path, byteView(bytes))) return {};
    openAccess(path);
    pruneKeptRuns(table, path);
    return path;
}

RunsOfTable runsOfTable(const BestTimes& table) {
    RunsOfTable found;
    for (const KeptRun& k : keptRuns())
        for (int level = 1; level <= levelCount; ++level)
            for (int rank = 1; rank <= 3; ++rank)
                if (found[level - 1][rank - 1].path.empty() &&
                    runMatches(k.run, level, table.entry(level, rank)))
                    found[level - 1][rank - 1] = {k.path, k.run.player};
    return found;
}

} // namespace quorvel
