#include "startup.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "access.h"
#include "dialogs.h"
#include "programfolder.h"
#include "registry.h"
#include "settingsfile.h"
#include "textutil.h"

namespace fs = std::filesystem;

namespace quorvel {

std::vector<std::string> openAccessNames() {
    std::vector<std::string> names = {programFileName(), changeExtension(programFileName(), ".ini"),
                                      bestTimesName, "Saved Games"};
    std::vector<std::string> saved;
    std::error_code ec;
    for (fs::directory_iterator it(savedGamesFolder(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.' || !it->is_regular_file(ec) || it->is_symlink(ec))
            continue;
        std::string ext = it->path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (ext == ".sav" || ext == ".map") saved.push_back("Saved Games/" + name);
    }
    std::sort(saved.begin(), saved.end());
    names.insert(names.end(), saved.begin(), saved.end());
    return names;
}

void openFileAccess() {
    if (!accessPassNeeded()) return;
    openAccessList(openAccessNames());
    openAccess(registryPath());
}

void openingScreenCreate() {
    moveOldSettings();
    dialogSwitch = true;
    registerSoftware("Quorvel 3D", versionText(), "A random 3-D maze", true, false, false, true);
}

} // namespace quorvel
