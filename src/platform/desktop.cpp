#include "platform/desktop.h"

#include <string>

#include <QDesktopServices>
#include <QDir>
#include <QString>
#include <QUrl>

namespace quorvel {

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
