#include "sound/soundfiles.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "files/access.h"
#include "files/programfolder.h"
#include "files/resourcefile.h"
#include "files/safewrite.h"
#include "sound/rmi.h"
#include "sound/soundres.h"
#include "theme/theme.h"

namespace quorvel {

namespace {

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

/// The first of the folder's name.mid and name.rmi.
std::string findIn(const std::string& folder, const std::string& name) {
    if (folder.empty()) return {};
    for (const char* ext : {".mid", ".rmi"}) {
        const std::string file = name + ext;
        if (!isFileSafeName(file)) return {};
        if (std::string path = themeFile(folder, file); !path.empty()) return path;
    }
    return {};
}

} // namespace

bool fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::string wavePath(const std::string& theme, const std::string& name) {
    return programFolder() + theme + "/" + name + ".wav";
}

std::string musicPath(const std::string& theme, const std::string& name, bool rmi) {
    const std::string file = name + (rmi ? ".rmi" : ".mid");
    return theme.empty() ? programFolder() + file : programFolder() + theme + "/" + file;
}

std::string findWave(const std::string& theme, const std::string& name) {
    const std::string folder = themeFolder(theme);
    const std::string file = name + ".wav";
    if (folder.empty() || name.empty() || !isFileSafeName(file)) return {};
    return themeFile(folder, file);
}

std::string findMusic(const std::string& theme, const std::string& name) {
    if (name.empty()) return {};
    if (std::string path = findIn(themeFolder(theme), name); !path.empty()) return path;
    return findIn(programFolder(), name);
}

bool builtinWave(const std::string& name, std::string& bytes, std::string& source) {
    if (name.empty() || name.find('/') != std::string::npos) return false;
    initSoundResources();
    const std::string key = upper(name);
    if (!readResource(key, "WAVE", bytes)) return false;
    source = resourcePath(key, "WAVE");
    return true;
}

std::vector<std::string> soundfontList() {
    std::vector<std::string> fonts;
    if (const char* env = std::getenv("SDL_SOUNDFONTS"); env && *env) {
        std::string_view list(env);
        while (!list.empty()) {
            const std::size_t end = std::min(list.find(';'), list.size());
            if (end > 0) fonts.emplace_back(list.substr(0, end));
            list.remove_prefix(std::min(end + 1, list.size()));
        }
        return fonts;
    }
    for (const char* path :
         {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2",
          "/usr/share/soundfonts/FluidR3_GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
          "/usr/share/sounds/sf3/MuseScore_General.sf3"})
        if (fileExists(path)) return {path};
    return fonts;
}

std::string findSoundfont() {
    const std::vector<std::string> fonts = soundfontList();
    return fonts.empty() ? std::string() : fonts.front();
}

std::string writeBuiltinMusic() {
    initSoundResources();
    std::string smf;
    if (!readResource("MUSIC", "MIDI", smf)) return {};
    const std::string path = programFolder() + "music.rmi";
    if (!writeFileSafely(path, wrapRmi(smf))) {
        writeInstallRecord(false, "Unable to create Resource " + path);
        return {};
    }
    openAccess(path);
    return path;
}

} // namespace quorvel
