#include "besttimesfile.h"

#include <QFile>
#include <QFileInfo>

#include "dialogs.h"
#include "programfolder.h"
#include "resource.h"
#include "safewrite.h"

namespace quorvel {

namespace {

// Whether the program may replace the file: a file the player made read-only never
// is, whoever runs the game (the owner's write bit decides, not the right to write).
bool writable(const std::string& p) {
    const QFileInfo info(QString::fromStdString(p));
    if (!info.exists()) return true;
    return info.isFile() && info.isWritable() && info.permission(QFileDevice::WriteOwner);
}

bool readBytes(const std::string& p, std::string& bytes) {
    QFile file(QString::fromStdString(p));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.read(static_cast<qint64>(bestTimesSize));
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

std::span<const std::uint8_t> asBytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

bool writeTable(const std::string& p, const BestTimes& table) {
    if (!writable(p)) return false;
    const auto& image = table.image();
    return writeFileSafely(
        p, std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
}

} // namespace

std::string BestTimesFile::path() {
    return programFolder() + "quorvel3d.his";
}

void BestTimesFile::loadBestTimes() {
    const std::string p = path();
    if (!QFileInfo::exists(QString::fromStdString(p))) extractResource("scores", "BIN", p);

    // The file must be there and the program must be able to rewrite it later.
    std::string bytes;
    if (!writable(p) || !readBytes(p, bytes)) {
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
bool BestTimesFile::fromDefaults(const std::string& p) {
    const QString file = QString::fromStdString(p);
    const QString backup = file + ".bak";
    QFile::remove(backup);
    QFile::copy(file, backup);
    std::string bytes;
    if (!extractResource("scores", "BIN", p) || !readBytes(p, bytes) ||
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
