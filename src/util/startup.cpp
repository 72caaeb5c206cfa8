#include "startup.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "access.h"
#include "dialogs.h"
#include "progfolder.h"
#include "registry.h"
#include "settingsfile.h"
#include "textutil.h"

namespace fs = std::filesystem;

namespace quorvel {

std::vector<std::string> openaccessnames() {
    std::vector<std::string> names = {progfilename(), changeextension(progfilename(), ".ini"),
                                      besttimesname, "Saved Games"};
    std::vector<std::string> saved;
    std::error_code ec;
    for (fs::directory_iterator it(savedgamesfolder(), ec), end; !ec && it != end;
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

void openfileaccess() {
    if (!accesspassneeded()) return;
    openaccesslist(openaccessnames());
    openaccess(registrypath());
}

void openingscreencreate() {
    moveoldsettings();
    dialogswitch = true;
    registersoftware("Quorvel 3D", versiontext(), "A random 3-D maze", true, false, false, true);
}

} // namespace quorvel
