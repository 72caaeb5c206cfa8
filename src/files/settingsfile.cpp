#include "files/settingsfile.h"

#include <filesystem>

#include <QString>

#include "files/access.h"
#include "files/filereader.h"
#include "files/inifile.h"
#include "files/programfolder.h"
#include "files/safewrite.h"
#include "text/textcodec.h"
#include "text/textutil.h"

namespace fs = std::filesystem;

namespace quorvel {

namespace {

// An old settings file larger than this is not a settings file: it is not moved.
constexpr std::size_t largestSettingsFile = 16u << 20;

void saveQuietly(const IniFile& file, const std::string& path) {
    if (file.save(path)) openAccess(path);
}

} // namespace

std::string playerSection(std::string_view player, std::string_view suffix) {
    return std::string(player) + std::string(suffix);
}

std::string loadPlayer() {
    return IniFile::load(settingsPath()).readString("Settings", "Player", "");
}

void savePlayer(std::string_view player) {
    const std::string path = settingsPath();
    IniFile file = IniFile::load(path);
    file.writeString("Settings", "Player", player);
    file.writeString("Players", player, "");
    saveQuietly(file, path);
}

PlayerSettings loadSettings(std::string_view player, std::string_view currentTheme) {
    const IniFile file = IniFile::load(settingsPath());
    const std::string section = playerSection(player, ".Settings");
    PlayerSettings s;
    s.skill = file.readInteger(section, "Skill", 2);
    if (s.skill < 1 || s.skill > 6) s.skill = 2;
    s.theme = file.readString(section, "Theme", currentTheme);
    return s;
}

void saveSettings(std::string_view player, int skill, std::string_view theme) {
    const std::string path = settingsPath();
    const std::string section = playerSection(player, ".Settings");
    IniFile file = IniFile::load(path);
    file.writeInteger(section, "Skill", skill);
    file.writeString(section, "Theme", theme);
    saveQuietly(file, path);
}

int findTheme(const std::vector<std::string>& themeList, std::string_view theme) {
    const QString wanted = QString::fromUtf8(theme.data(), static_cast<qsizetype>(theme.size()));
    for (std::size_t i = 0; i < themeList.size(); ++i)
        if (QString::fromStdString(themeList[i]).compare(wanted, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return 0;
}

void moveOldSettings() {
    const std::string name = changeExtension(programFileName(), ".ini");
    const fs::path oldFile = configFolder() + name;
    const fs::path newFile = settingsPath();
    std::error_code ec;
    if (!fs::is_regular_file(oldFile, ec)) return;
    // With the program folder set to the Windows folder both are one file: keep it.
    if (fs::equivalent(oldFile, newFile, ec)) return;
    if (!fs::exists(fs::symlink_status(newFile, ec))) {
        fs::rename(oldFile, newFile, ec);
        if (ec) { // another file system: copy safely, and remove the old one only then
            std::string bytes;
            if (!readWholeFile(oldFile.string(), bytes, largestSettingsFile) ||
                !writeFileSafely(newFile.string(), bytes))
                return;
            fs::remove(oldFile, ec);
        }
        openAccess(newFile.string());
        return;
    }
    fs::remove(oldFile, ec);
}

std::string playerNameProblem(std::string_view name) {
    if (name.empty()) return "it is empty";
    if (name.size() > maxFileNameBytes) return "it is too long";
    if (name.find('/') != std::string_view::npos) return "it may not contain /";
    if (name.find('\\') != std::string_view::npos) return "it may not contain \\";
    for (const unsigned char c : name)
        if (c < 32 || c == 127) return "it may not contain line breaks or other control characters";
    if (name == "." || name == "..") return "it may not be . or ..";
    if (name.find('=') != std::string_view::npos) return "it may not contain =";
    if (name.front() == '[') return "it may not begin with [";
    if (name.front() == ';') return "it may not begin with ;";
    if (trimText(name) != name) return "it may not begin or end with a blank";
    // Whatever else the files could not keep apart (nothing known today).
    if (!isFileSafeName(name) || !IniFile::validKey(name) ||
        !IniFile::validSection(playerSection(name, ".Settings")))
        return "it can not be kept in the settings file";
    return {};
}

std::string commandLinePlayer(std::string_view switchValue, std::string* refusal) {
    // A name typed in a terminal that is not UTF-8 arrives in its code page.
    const std::string name = decodePiece(switchValue);
    if (refusal) refusal->clear();
    if (name.empty()) return {};
    const std::string problem = playerNameProblem(name);
    if (problem.empty()) return name;
    if (refusal) *refusal = "The name given on the command line can not be used: " + problem + ".";
    return {};
}

} // namespace quorvel
