#include "platform/desktop.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

#include <string>

#include <QDesktopServices>
#include <QDir>
#include <QString>
#include <QUrl>

namespace quorvel {

bool screenReaderRunning() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusMessage ask = QDBusMessage::createMethodCall(
        "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Get");
    ask << QString("org.a11y.Status") << QString("ScreenReaderEnabled");
    const QDBusMessage answer = bus.call(ask, QDBus::Block, 500);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) return false;
    return answer.arguments().first().value<QDBusVariant>().variant().toBool();
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
