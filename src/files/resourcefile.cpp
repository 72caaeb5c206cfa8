#include "files/resourcefile.h"

#include <QFile>

#include "files/access.h"
#include "files/safewrite.h"

namespace quorvel {

std::string resourcePath(std::string_view name, std::string_view type) {
    return ":/" + std::string(type) + "/" + std::string(name);
}

bool readResource(std::string_view name, std::string_view type, std::string& bytes) {
    QFile file(QString::fromStdString(resourcePath(name, type)));
    if (name.empty() || type.empty() || !file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.readAll();
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

bool extractResource(std::string_view name, std::string_view type, const std::string& path) {
    std::string bytes;
    if (!readResource(name, type, bytes)) return false;
    if (!writeFileSafely(path, bytes)) {
        writeInstallRecord(false, "Unable to create Resource " + path);
        return false;
    }
    openAccess(path);
    return true;
}

} // namespace quorvel
