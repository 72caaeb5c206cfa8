#include "files/besttimesfile.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "files/access.h"
#include "files/filereader.h"
#include "files/programfolder.h"
#include "files/resourcefile.h"
#include "files/safewrite.h"
#include "text/gametext.h"

namespace quorvel {

namespace {

bool exists(const std::string& p) {
    struct stat info {};
    return ::lstat(p.c_str(), &info) == 0;
}

/// The table's bytes: one table at the most, whatever follows it is not read.
FileRead readBytes(const std::string& p, std::string& bytes) {
    return readFileStart(p, bestTimesSize, bytes);
}

std::span<const std::uint8_t> asBytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

/// The table built into the game, or the default entries should it be damaged.
BestTimes builtinTable() {
    std::string bytes;
    if (!readResource("scores", "BIN", bytes) ||
        checkBestTimes(asBytes(bytes)) != BestTimesProblem::none)
        return BestTimes();
    return BestTimes::fromFile(asBytes(bytes));
}

bool writeTable(const std::string& p, const BestTimes& table) {
    return mayReplace(p) && writeFileSafely(p, byteView(table.image()));
}

// The built-in table, for a run whose file cannot be repaired; the default table when
// even that cannot be read.
BestTimes builtInTable() {
    std::string bytes;
    if (!readResource("scores", "BIN", bytes) ||
        BestTimes::checkHeader(asBytes(bytes)) != BestTimesProblem::none)
        return BestTimes();
    return BestTimes::fromFile(asBytes(bytes));
}

// A damaged file larger than this is not copied aside, and so is left where it is.
constexpr std::size_t largestKeptFile = 16u << 20;

} // namespace

std::string BestTimesFile::path() {
    return bestTimesPath();
}

void BestTimesFile::tell(const std::string& title, const std::string& text) const {
    if (m_tell)
        m_tell(title, text);
    else
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

void BestTimesFile::tellAndLog(const std::string& title, const std::string& text) const {
    tell(title, text);
    writeInstallRecord(false, text);
}

// A file the game may not replace: the default table serves the run, and the player is
// told that the file cannot be written, as if the write the load would make had failed.
void BestTimesFile::cannotWrite(const std::string& p) {
    m_table = BestTimes();
    m_mayWrite = false;
    tellCannotWrite(p);
}

void BestTimesFile::tellCannotWrite(const std::string& p) const {
    tellAndLog(gameText("quorvel::Problems", "File Error"),
               fillIn(gameText("quorvel::Problems",
                               "Unable to write to %1! High scores may not be able to be viewed"),
                      p));
}

void BestTimesFile::loadBestTimes() {
    const std::string p = path();
    m_mayWrite = true;
    if (!exists(p)) extractResource("scores", "BIN", p);

    std::string bytes;
    const FileRead read = readBytes(p, bytes);
    // A folder, pipe or device under the file's name is no best-times file. It is
    // refused as such but left where it is: it is not the game's to remove, and copying
    // a pipe aside would hold the game. The built-in table stands in for the run.
    if (read == FileRead::notAFile) {
        const auto [title, text] = bestTimesProblemDialog(BestTimesProblem::notValid, p);
        tell(title, text);
        m_table = builtinTable();
        m_mayWrite = false;
        return;
    }
    // A file that is there but cannot be read, or that its owner made read-only, may
    // hold the players' only record of their results: it is never written over.
    if (read == FileRead::unreadable || (read == FileRead::ok && !mayReplace(p))) {
        cannotWrite(p);
        return;
    }
    // No file, and none could be made from the built-in table.
    if (read != FileRead::ok) {
        m_table = BestTimes();
        if (!writeTable(p, m_table)) tellCannotWrite(p);
        return;
    }
    // A file cut short behind a sound header has lost results: it counts as altered.
    if (const BestTimesProblem problem = checkBestTimes(asBytes(bytes));
        problem != BestTimesProblem::none) {
        const auto [title, text] = bestTimesProblemDialog(problem, p);
        tell(title, text);
        fromDefaults(p);
        return;
    }
    m_table = BestTimes::fromFile(asBytes(bytes));
}

// Keeps the damaged file beside the new one, then puts the built-in table in its place.
// When the copy cannot be kept, the damaged file is not replaced either (it may hold
// the players' only record of their results): the built-in table serves this run and
// the failure goes to the install record, as the dialog has already been shown.
bool BestTimesFile::fromDefaults(const std::string& p) {
    const std::string backup = p + ".bak";
    std::string damaged;
    if (!readWholeFile(p, damaged, largestKeptFile) || !writeFileSafely(backup, damaged)) {
        writeInstallRecord(false, "Unable to write to " + backup + "!");
        m_table = builtInTable();
        return false;
    }
    openAccess(backup);
    std::string bytes;
    if (!extractResource("scores", "BIN", p) || readBytes(p, bytes) != FileRead::ok ||
        BestTimes::checkHeader(asBytes(bytes)) != BestTimesProblem::none) {
        tell(gameText("quorvel::Problems", "File Error"),
             fillIn(gameText("quorvel::Problems",
                             "Unable to read %1! High scores may not be able to be viewed!"),
                    p));
        m_table = BestTimes();
        return false;
    }
    m_table = BestTimes::fromFile(asBytes(bytes));
    return true;
}

bool BestTimesFile::mayWrite() const {
    return m_mayWrite && mayReplace(path());
}

void BestTimesFile::tellNotWritten() const {
    tellAndLog(gameText("quorvel::Problems", "File Error"),
               fillIn(gameText("quorvel::Problems", "Unable to write to %1!"), path()));
}

int BestTimesFile::recordBestTime(int level, const BestTime& result) {
    const int rank = enterResult(level, result);
    if (rank == 0) return 0;
    if (!mayWrite() || !writeTable(path(), m_table)) {
        tellNotWritten();
        return -1;
    }
    return rank;
}

} // namespace quorvel
