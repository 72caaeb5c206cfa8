#include "files/registry.h"

#include <filesystem>

#include <QDateTime>
#include <QLocale>

#include "files/access.h"
#include "files/inifile.h"
#include "files/programfolder.h"

namespace quorvel {

std::string lastRunText() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return (locale.toString(now.date(), QLocale::ShortFormat) + " " +
            locale.toString(now.time(), QLocale::LongFormat))
        .toStdString();
}

void registerSoftware(const SoftwareEntry& program, std::string lastRun) {
    const std::string_view name = program.name;
    const std::string section = "Software." + std::string(name);
    std::error_code ec; // a folder that cannot be made fails the write below
    std::filesystem::create_directories(configFolder(), ec);
    updateIniFile(registryPath(), [&](IniFile& registry) {
        const std::string oldPath = registry.readString(section, "FilePath", "");
        const std::string oldRun = registry.readString(section, "LastRun", "");

        registry.writeString(program.listApplication ? "Software" : "HiddenSoftware", name, "");
        registry.writeString(section, "Version", program.version);
        registry.writeString(section, "Hint", program.hint);
        registry.writeBool(section, "AcceptUsername", program.acceptUserName);
        registry.writeBool(section, "AcceptPassword", program.acceptPassword);
        registry.writeBool(section, "AcceptFilename", program.acceptFilename);
        registry.writeBool(section, "ListApplication", program.listApplication);
        registry.writeString(section, "FilePath", programFolder());
        registry.writeString("AllSoftware", name, "");
        // Folder names differ by case on this system, so a move is any difference.
        if (!oldPath.empty() && oldPath != programFolder()) {
            registry.writeString(section, "OldPath", oldPath);
            registry.writeString(section, "OldPathDate", oldRun);
        }
        registry.writeString(section, "LastRun", lastRun.empty() ? lastRunText() : lastRun);
    });
}

} // namespace quorvel
