#include "screens/besttimesfile.h"

#include <QFile>
#include <QFileInfo>

#include "files/access.h"
#include "files/filereader.h"
#include "files/programfolder.h"
#include "files/resourcefile.h"
#include "files/safewrite.h"
#include "widgets/dialogs.h"

namespace quorvel {

namespace {

// Whether the program may replace the file: a file the player made read-only never
// is, whoever runs the game (the owner's write bit decides, not the right to write).
bool writable(const std::string& p) {
    const QFileInfo info(QString::fromStdString(p));
    if (!info.exists()) return true;
    return info.isFile() && info.isWritable() && info.permission(QFileDevice::WriteOwner);
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
    return writable(p) && writeFileSafely(p, byteView(table.image()));
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

void BestTimesFile::loadBestTimes() {
    const std::string p = path();
    if (!QFileInfo::exists(QString::fromStdString(p))) extractResource("scores", "BIN", p);

    std::string bytes;
    const FileRead read = readBytes(p, bytes);
    // A folder, pipe or device under the file's name is no best-times file. It is
    // refused as such but left where it is: it is not the game's to remove, and copying
    // a pipe aside would hold the game. The built-in table stands in for the run.
    if (read == FileRead::notAFile) {
        const auto [title, text] = bestTimesProblemDialog(BestTimesProblem::notValid, p);
        errorBox(title, text);
        m_table = builtinTable();
        return;
    }
    // The file must be there and the program must be able to rewrite it later.
    if (!writable(p) || read != FileRead::ok) {
        m_table = BestTimes();
        if (!writeTable(p, m_table))
            errorBoxLog("File Error",
                        "Unable to write to " + p + "! High scores may not be able to be viewed");
        return;
    }
    // A file cut short behind a sound header has lost results: it counts as altered.
    if (const BestTimesProblem problem = checkBestTimes(asBytes(bytes));
        problem != BestTimesProblem::none) {
        const auto [title, text] = bestTimesProblemDialog(problem, p);
        errorBox(title, text);
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
        errorBox("File Error",
                 "Unable to read " + p + "! High scores may not be able to be viewed!");
        m_table = BestTimes();
        return false;
    }
    m_table = BestTimes::fromFile(asBytes(bytes));
    return true;
}

int BestTimesFile::recordBestTime(int level, const BestTime& result) {
    const int rank = m_table.record(level, result);
    if (rank == 0) return 0;
    const std::string p = path();
    if (!writeTable(p, m_table)) {
        errorBoxLog("File Error", "Unable to write to " + p + "!");
        return -1;
    }
    return rank;
}

} // namespace quorvel
