#include "resource.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

#include "access.h"
#include "safewrite.h"

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

bool openWithShell(std::string_view file, std::string_view folder) {
    const QString text = QString::fromStdString(std::string(file));
    if (text.isEmpty()) return false;
    const QUrl asUrl(text, QUrl::StrictMode);
    if (asUrl.isValid() && asUrl.scheme().size() > 1) return QDesktopServices::openUrl(asUrl);
    QString local = text;
    if (QDir::isRelativePath(local) && !folder.empty())
        local = QDir(QString::fromStdString(std::string(folder))).filePath(local);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(local));
}

} // namespace quorvel
