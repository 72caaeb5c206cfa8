#include "safewrite.h"

#include <filesystem>

#include <QFile>
#include <QSaveFile>
#include <QString>

namespace quorvel {

bool writeFileSafely(const std::string& path, std::string_view bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool readWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    // Only plain files: a folder or a pipe under the expected name reads as missing
    // instead of failing oddly or blocking the game.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    if (file.size() > static_cast<qint64>(maxBytes)) return false;
    const QByteArray data = file.read(static_cast<qint64>(maxBytes) + 1);
    if (static_cast<std::size_t>(data.size()) > maxBytes) return false;
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

} // namespace quorvel
