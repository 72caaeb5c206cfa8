#include "registry.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

#include "access.h"
#include "inifile.h"
#include "progfolder.h"

namespace quorvel {

std::string lastruntext() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return (locale.toString(now.date(), QLocale::ShortFormat) + " " +
            locale.toString(now.time(), QLocale::LongFormat))
        .toStdString();
}

void registersoftware(std::string_view name, std::string_view version, std::string_view hint,
                      bool acceptusername, bool acceptpassword, bool acceptfilename,
                      bool listapplication, std::string lastrun) {
    const std::string path = registrypath();
    const std::string section = "Software." + std::string(name);
    IniFile registry = IniFile::load(path);
    const std::string oldpath = registry.readstring(section, "FilePath", "");
    const std::string oldrun = registry.readstring(section, "LastRun", "");

    registry.writestring(listapplication ? "Software" : "HiddenSoftware", name, "");
    registry.writestring(section, "Version", version);
    registry.writestring(section, "Hint", hint);
    registry.writebool(section, "AcceptUsername", acceptusername);
    registry.writebool(section, "AcceptPassword", acceptpassword);
    registry.writebool(section, "AcceptFilename", acceptfilename);
    registry.writebool(section, "ListApplication", listapplication);
    registry.writestring(section, "FilePath", progfolder());
    registry.writestring("AllSoftware", name, "");
    // Folder names differ by case on this system, so a move is any difference.
    if (!oldpath.empty() && oldpath != progfolder()) {
        registry.writestring(section, "OldPath", oldpath);
        registry.writestring(section, "OldPathDate", oldrun);
    }
    registry.writestring(section, "LastRun", lastrun.empty() ? lastruntext() : lastrun);

    QDir().mkpath(QString::fromStdString(windowsfolder()));
    if (registry.save(path)) openaccess(path);
}

} // namespace quorvel
