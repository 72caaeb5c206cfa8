#include "besttimesfile.h"

#include <QFile>
#include <QFileInfo>

#include "dialogs.h"
#include "progfolder.h"
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

bool readbytes(const std::string& p, std::string& bytes) {
    QFile file(QString::fromStdString(p));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.read(static_cast<qint64>(besttimessize));
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

std::span<const std::uint8_t> asbytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

bool writetable(const std::string& p, const BestTimes& table) {
    if (!writable(p)) return false;
    const auto& image = table.image();
    return writefilesafely(
        p, std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
}

} // namespace

std::string BestTimesFile::path() {
    return progfolder() + "quorvel3d.his";
}

void BestTimesFile::loadbesttimes() {
    const std::string p = path();
    if (!QFileInfo::exists(QString::fromStdString(p))) extractresource("scores", "BIN", p);

    // The file must be there and the program must be able to rewrite it later.
    std::string bytes;
    if (!writable(p) || !readbytes(p, bytes)) {
        m_table = BestTimes();
        if (!writetable(p, m_table))
            errorboxlog("File Error",
                        "Unable to write to " + p + "! High scores may not be able to be viewed");
        return;
    }
    // A file cut short behind a sound header has lost results: it counts as altered.
    if (const BestTimesProblem problem = checkbesttimes(asbytes(bytes)); problem != BestTimesProblem::none) {
        const auto [title, text] = besttimesproblemdialog(problem, p);
        errorbox(title, text);
        fromdefaults(p);
        return;
    }
    m_table = BestTimes::fromfile(asbytes(bytes));
}

// Keeps the damaged file beside the new one, then puts the built-in table in its place.
bool BestTimesFile::fromdefaults(const std::string& p) {
    const QString file = QString::fromStdString(p);
    const QString backup = file + ".bak";
    QFile::remove(backup);
    QFile::copy(file, backup);
    std::string bytes;
    if (!extractresource("scores", "BIN", p) || !readbytes(p, bytes) ||
        BestTimes::checkheader(asbytes(bytes)) != BestTimesProblem::none) {
        errorbox("File Error",
                 "Unable to read " + p + "! High scores may not be able to be viewed!");
        m_table = BestTimes();
        return false;
    }
    m_table = BestTimes::fromfile(asbytes(bytes));
    return true;
}

int BestTimesFile::recordbesttime(int level, const BestTime& result) {
    const int rank = m_table.record(level, result);
    if (rank == 0) return 0;
    const std::string p = path();
    if (!writetable(p, m_table)) {
        errorboxlog("File Error", "Unable to write to " + p + "!");
        return -1;
    }
    return rank;
}

} // namespace quorvel
