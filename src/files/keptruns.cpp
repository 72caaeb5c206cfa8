#include "files/keptruns.h"

#include <sys/stat.h>

#include "game/runplayer.h"

namespace quorvel {

namespace {

// A file's size and modification time in nanoseconds, by its byte path (a program
// folder's name need not be UTF-8); nothing when it cannot be read.
std::optional<std::pair<long long, long long>> sizeAndTime(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    const long long nanoseconds =
        static_cast<long long>(info.st_mtim.tv_sec) * 1'000'000'000LL + info.st_mtim.tv_nsec;
    return std::pair<long long, long long>(info.st_size, nanoseconds);
}

} // namespace

const RunsOfTable& KeptRuns::runsOf(const BestTimes& table) {
    const auto folder = sizeAndTime(replaysFolder());
    const std::optional<long long> changed =
        folder ? std::optional(folder->second) : std::nullopt;
    if (!m_found || !changed || m_folderChanged != changed || m_table != table.image()) {
        m_runs = runsOfTable(table);
        m_folderChanged = changed;
        m_table = table.image();
        m_found = true;
    }
    return m_runs;
}

bool KeptRuns::verified(const std::string& path, int level, const BestTime& entry) {
    const auto file = sizeAndTime(path);
    if (!file) return false;
    Checked& known = m_checked[path];
    if (known.size != file->first || known.modified != file->second) {
        known = {file->first, file->second, false};
        RunRecord run;
        if (!readRunFile(path, run) && runMatches(run, level, entry))
            known.verified = verifyRun(run).verified;
    }
    return known.verified;
}

} // namespace quorvel
