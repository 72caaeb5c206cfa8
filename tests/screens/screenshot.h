#pragma once
// Saves a picture of a window when QUORVEL_SCREENSHOTS names a folder, so the look
// of the windows can be checked by eye; does nothing otherwise.

#include <cstdlib>

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace quorvel::test {

inline void screenShot(QWidget* window, const char* name) {
    const char* folder = std::getenv("QUORVEL_SCREENSHOTS");
    if (!folder || !*folder) return;
    QDir().mkpath(folder);
    window->grab().save(QDir(folder).filePath(QString(name) + ".png"));
}

} // namespace quorvel::test
