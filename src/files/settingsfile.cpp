#include "files/settingsfile.h"

#include <cerrno>
#include <filesystem>
#include <functional>

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

// The file as a SettingsHeld read it, and how that read went.
struct Held {
    int holders = 0;
    IniFile file;
    FileRead read = FileRead::missing;
};
Held& heldSettings() {
    static Held held;
    return held;
}

IniFile readSettings() {
    const Held& held = heldSettings();
    if (held.holders > 0) return held.file;
    return IniFile::load(settingsPath());
}

// The held file changed and written; false when it could not be. A file that was there
// but could not be read is never written over, as updateIniFile keeps it.
bool updateHeld(const std::string& path, const std::function<void(IniFile&)>& change) {
    Held& held = heldSettings();
    if (held.read != FileRead::ok && held.read != FileRead::missing) return false;
    IniFile file = held.file;
    change(file);
    if (held.read == FileRead::ok && file.text() == held.file.text()) return true;
    if (!file.save(path)) return false;
    openAccess(path);
    held.file = std::move(file);
    held.read = FileRead::ok;
    return true;
}

// Every write of the settings file; one that cannot be made is the install record's
// last error, and the game carries on with the values it holds.
void updateSettings(const std::function<void(IniFile&)>& change) {
    const std::string path = settingsPath();
    const bool written =
        heldSettings().holders > 0 ? updateHeld(path, change) : updateIniFile(path, change);
    if (!written) writeInstallRecord(false, "Unable to write to " + path + "!");
}

std::string sizeKey(std::string_view name, int mazeSize) {
    return std::string(name) + std::to_string(mazeSize);
}

WindowPlace readPlace(const IniFile& file, const std::string& section, int mazeSize,
                      WindowPlace current) {
    return {file.readInteger(section, sizeKey("Left", mazeSize), current.left),
            file.readInteger(section, sizeKey("Top", mazeSize), current.top)};
}

void writePlace(IniFile& file, const std::string& section, int mazeSize, WindowPlace place) {
    file.writeInteger(section, sizeKey("Top", mazeSize), place.top);
    file.writeInteger(section, sizeKey("Left", mazeSize), place.left);
}

} // namespace

SettingsHeld::SettingsHeld() {
    Held& held = heldSettings();
    if (held.holders++ == 0) held.read = IniFile::read(settingsPath(), held.file);
}

SettingsHeld::~SettingsHeld() {
    Held& held = heldSettings();
    if (--held.holders == 0) held.file = IniFile();
}

std::string playerSection(std::string_view player, std::string_view suffix) {
    return std::string(player) + std::string(suffix);
}

std::string loadPlayer() {
    return readSettings().readString("Settings", "Player", "");
}

void savePlayer(std::string_view player) {
    updateSettings([&](IniFile& file) {
        file.writeString("Settings", "Player", player);
        file.writeString("Players", player, "");
    });
}

PlayerSettings loadSettings(std::string_view player, std::string_view currentTheme) {
    const IniFile file = readSettings();
    const std::string section = playerSection(player, ".Settings");
    PlayerSettings s;
    s.skill = file.readInteger(section, "Skill", defaultLevel);
    if (!isLevel(s.skill)) s.skill = defaultLevel;
    s.theme = file.readString(section, "Theme", currentTheme);
    return s;
}

void saveSettings(std::string_view player, int skill, std::string_view theme) {
    const std::string section = playerSection(player, ".Settings");
    updateSettings([&](IniFile& file) {
        file.writeInteger(section, "Skill", skill);
        file.writeString(section, "Theme", theme);
    });
}

WindowPlace loadGameScreenPlace(std::string_view player, int mazeSize, WindowPlace current) {
    return readPlace(readSettings(), playerSection(player, ".Settings"), mazeSize, current);
}

void saveGameScreenPlace(std::string_view player, int mazeSize, WindowPlace place) {
    const std::string section = playerSection(player, ".Settings");
    updateSettings([&](IniFile& file) { writePlace(file, section, mazeSize, place); });
}

MapSettings loadMapSettings(std::string_view player, int mazeSize, const MapSettings& current) {
    const IniFile file = readSettings();
    const std::string section = playerSection(player, ".MapSettings");
    MapSettings s;
    s.place = readPlace(file, section, mazeSize, current.place);
    s.locked = file.readBool(section, sizeKey("Locked", mazeSize), current.locked);
    s.zoom = file.readInteger(section, sizeKey("Zoom", mazeSize), current.zoom);
    return s;
}

void saveMapSettings(std::string_view player, int mazeSize, const MapSettings& settings) {
    const std::string section = playerSection(player, ".MapSettings");
    updateSettings([&](IniFile& file) {
        writePlace(file, section, mazeSize, settings.place);
        file.writeBool(section, sizeKey("Locked", mazeSize), settings.locked);
        file.writeInteger(section, sizeKey("Zoom", mazeSize), settings.zoom);
    });
}

int loadMapPalette(std::string_view player, int current) {
    return readSettings().readInteger(playerSection(player, ".MapSettings"), "Palette", current);
}

void saveMapPalette(std::string_view player, int palette) {
    const std::string section = playerSection(player, ".MapSettings");
    updateSettings([&](IniFile& file) { file.writeInteger(section, "Palette", palette); });
}

SoundSwitches loadSoundSwitches(std::string_view player, const SoundSwitches& current) {
    const IniFile file = readSettings();
    const std::string section = playerSection(player, ".SoundSettings");
    return {file.readBool(section, "NoSound", current.noSound),
            file.readBool(section, "NoMusic", current.noMusic),
            file.readBool(section, "NoIntro", current.noIntro),
            file.readBool(section, "Cues", current.cues)};
}

void saveSoundSwitches(std::string_view player, const SoundSwitches& switches) {
    const std::string section = playerSection(player, ".SoundSettings");
    updateSettings([&](IniFile& file) {
        file.writeBool(section, "NoSound", switches.noSound);
        file.writeBool(section, "NoMusic", switches.noMusic);
        file.writeBool(section, "NoIntro", switches.noIntro);
        if (switches.cues || file.hasKey(section, "Cues"))
            file.writeBool(section, "Cues", switches.cues);
    });
}

bool loadSpeechSwitch(std::string_view player, bool current) {
    return readSettings().readBool(playerSection(player, ".SoundSettings"), "Speech", current);
}

void saveSpeechSwitch(std::string_view player, bool on) {
    const std::string section = playerSection(player, ".SoundSettings");
    updateSettings([&](IniFile& file) { file.writeBool(section, "Speech", on); });
}

std::vector<std::string> loadActionBindings(std::string_view section,
                                            const std::vector<std::string_view>& keys) {
    const IniFile file = readSettings();
    std::vector<std::string> values;
    for (const std::string_view key : keys)
        values.push_back(file.readString(section, key, ""));
    return values;
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
    // Where the program folder holds one already, the other file stays: it may be
    // another copy's, with other players' settings. Neither move replaces a file that
    // stands under the new name by then.
    if (fs::exists(fs::symlink_status(newFile, ec))) return;
    if (!moveToNewName(oldFile.string(), newFile.string())) {
        if (errno != EXDEV) return;
        // Another file system: copy safely, and remove the old one only then.
        std::string bytes;
        if (!readWholeFile(oldFile.string(), bytes, largestSettingsFile) ||
            !writeNewFile(newFile.string(), bytes))
            return;
        fs::remove(oldFile, ec);
    }
    openAccess(newFile.string());
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
