#include "settingsfile.h"

#include <filesystem>

#include <QString>

#include "access.h"
#include "commandline.h"
#include "inifile.h"
#include "progfolder.h"

namespace fs = std::filesystem;

namespace quorvel {

namespace {

void savequietly(const IniFile& file, const std::string& path) {
    if (file.save(path)) openaccess(path);
}

} // namespace

std::string playersection(std::string_view player, std::string_view suffix) {
    return std::string(player) + std::string(suffix);
}

std::string loadplayer() {
    return IniFile::load(settingspath()).readstring("Settings", "Player", "");
}

void saveplayer(std::string_view player) {
    const std::string path = settingspath();
    IniFile file = IniFile::load(path);
    file.writestring("Settings", "Player", player);
    file.writestring("Players", player, "");
    savequietly(file, path);
}

PlayerSettings loadsettings(std::string_view player, std::string_view currenttheme) {
    const IniFile file = IniFile::load(settingspath());
    const std::string section = playersection(player, ".Settings");
    PlayerSettings s;
    s.skill = file.readinteger(section, "Skill", 2);
    if (s.skill < 1 || s.skill > 6) s.skill = 2;
    s.theme = file.readstring(section, "Theme", currenttheme);
    return s;
}

void savesettings(std::string_view player, int skill, std::string_view theme) {
    const std::string path = settingspath();
    const std::string section = playersection(player, ".Settings");
    IniFile file = IniFile::load(path);
    file.writeinteger(section, "Skill", skill);
    file.writestring(section, "Theme", theme);
    savequietly(file, path);
}

int findtheme(const std::vector<std::string>& themelist, std::string_view theme) {
    const QString wanted = QString::fromUtf8(theme.data(), static_cast<qsizetype>(theme.size()));
    for (std::size_t i = 0; i < themelist.size(); ++i)
        if (QString::fromStdString(themelist[i]).compare(wanted, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return 0;
}

void moveoldsettings() {
    const std::string name = changeextension(progfilename(), ".ini");
    const fs::path oldfile = windowsfolder() + name;
    const fs::path newfile = settingspath();
    std::error_code ec;
    if (!fs::is_regular_file(oldfile, ec)) return;
    // With the program folder set to the Windows folder both are one file: keep it.
    if (fs::equivalent(oldfile, newfile, ec)) return;
    if (!fs::exists(fs::symlink_status(newfile, ec))) {
        fs::rename(oldfile, newfile, ec);
        if (ec) { // another file system: copy, then remove the old one
            if (fs::copy_file(oldfile, newfile, ec)) fs::remove(oldfile, ec);
        }
        if (!ec) openaccess(newfile.string());
        return;
    }
    fs::remove(oldfile, ec);
}

std::string playernameproblem(std::string_view name) {
    if (!isfilesafename(name) || !IniFile::validkey(name) ||
        !IniFile::validsection(playersection(name, ".Settings")))
        return "A player's name can not be empty, contain \\ / or line breaks, be . or .., "
               "begin with [ or ;, contain =, or begin or end with a blank.";
    return {};
}

std::string commandlineplayer(std::string* refusal) {
    const std::string name = getswitch('U');
    if (refusal) refusal->clear();
    if (name.empty()) return {};
    const std::string problem = playernameproblem(name);
    if (problem.empty()) return name;
    if (refusal)
        *refusal = "The name given on the command line can not be used. " + problem +
                   " Please enter your name.";
    return {};
}

} // namespace quorvel
