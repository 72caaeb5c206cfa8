#include "files/gameend.h"

#include <algorithm>

#include "files/access.h"
#include "files/programfolder.h"
#include "files/runfiles.h"
#include "files/safewrite.h"
#include "files/savedgamefiles.h"
#include "text/gametext.h"

namespace quorvel {

namespace {

void dropWrite(FileChange& change, const std::string& path) {
    std::erase_if(change.writes, [&](const FileWrite& w) { return w.path == path; });
}

} // namespace

int keepGameEnd(BestTimesFile& bestTimes, const GameEnd& end, const BestTimesFile::Tell& tell) {
    const auto notWritten = [&](const std::string& path) {
        const std::string text =
            fillIn(gameText("quorvel::Problems", "Unable to write to %1!"), path);
        if (tell) tell(gameText("quorvel::Problems", "File Error"), text);
        writeInstallRecord(false, text);
    };
    FileChange change;
    int rank = end.result ? bestTimes.enterResult(end.level, *end.result) : 0;
    const std::string table = BestTimesFile::path();
    if (rank > 0 && bestTimes.mayWrite()) {
        change.writes.push_back({table, byteView(bestTimes.bestTimes().image())});
    } else if (rank > 0) {
        bestTimes.tellNotWritten();
        rank = -1;
    }
    std::string runPath;
    std::vector<std::uint8_t> runBytes;
    if (end.run && end.run->complete) {
        if (prepareReplaysFolder()) {
            runPath = newRunPath(*end.run);
            runBytes = encodeRun(*end.run);
            change.writes.push_back({runPath, byteView(runBytes)});
        } else {
            notWritten(replaysFolder());
        }
    }
    // Only a win whose best time stands goes with its saved game.
    if (rank >= 0 && !end.savedGameOf.empty())
        change.removals = savedGameFiles(end.savedGameOf, end.level);

    // A part that cannot be written is left out, and the rest is made as one.
    std::string failed;
    while (!commitFiles(programFolder(), change, &failed)) {
        if (!runPath.empty() && failed == runPath) {
            notWritten(runPath);
            dropWrite(change, runPath);
            runPath.clear();
        } else if (failed == table && rank > 0) {
            bestTimes.tellNotWritten();
            rank = -1;
            dropWrite(change, table);
            change.removals.clear();
        } else {
            break;
        }
    }
    if (!runPath.empty()) {
        openAccess(runPath);
        pruneKeptRuns(bestTimes.bestTimes(), runPath);
    }
    return rank;
}

} // namespace quorvel
