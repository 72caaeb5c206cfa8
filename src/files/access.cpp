#include "files/access.h"

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "files/inifile.h"
#include "files/programfolder.h"

namespace fs = std::filesystem;

namespace quorvel {

namespace {

struct AccessFacts {
    bool ntFamily = false;
    bool admin = false;
};

std::optional<AccessFacts>& injected() {
    static std::optional<AccessFacts> facts;
    return facts;
}

constexpr std::string_view dataSection = "Tendrik.Data";
constexpr std::string_view errorSection = "Tendrik.LastError";

// Adds read and write for everyone (and entry to folders), through a descriptor
// opened without following links.
bool openForAll(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (ok) {
        const mode_t add = S_ISDIR(st.st_mode) ? 0777 : S_ISREG(st.st_mode) ? 0666 : 0;
        ok = add != 0 &&
             ((st.st_mode & add) == add || ::fchmod(fd, (st.st_mode & 07777) | add) == 0);
    }
    ::close(fd);
    return ok;
}

std::string oneLineText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\n' || c == '\r' || c == '\0') c = ' ';
    return out;
}

} // namespace

bool isAdmin() {
    return injected() ? injected()->admin : ::geteuid() == 0;
}
bool isNtFamily() {
    return injected() ? injected()->ntFamily : false;
}
void setAccessFacts(bool ntFamily, bool admin) {
    injected() = AccessFacts{ntFamily, admin};
}

bool openAccess(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::lstat(path.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) return false;
    const std::string& folder = programFolder();
    const bool inShared = programFolderShared() && path.compare(0, folder.size(), folder) == 0;
    return inShared ? openForAll(path) : true;
}

bool openAccessList(const std::vector<std::string>& names, std::vector<std::string>* failed) {
    std::vector<std::string> failures;
    for (const std::string& name : names)
        if (!openAccess(programFolder() + name)) failures.push_back(name);
    if (failed) *failed = failures;
    writeInstallRecord(true, {});
    return failures.empty();
}

void writeInstallRecord(bool success, std::string_view description) {
    updateIniFile(installRecordPath(), [&](IniFile& record) {
        record.writeBool(dataSection, "Flag", success);
        record.writeString(dataSection, "Path", programFolder());
        if (!success) {
            record.writeString(errorSection, "Description", oneLineText(description));
            record.writeBool(errorSection, "AccessLevel", isAdmin());
        }
    });
}

bool accessPassNeeded() {
    if (!isNtFamily() || !isAdmin()) return false;
    const IniFile record = IniFile::load(installRecordPath());
    // Folder names differ by case on this system, so the comparison is exact.
    const bool done = record.hasKey(dataSection, "Flag") &&
                      record.readBool(dataSection, "Flag", false) &&
                      record.readString(dataSection, "Path", "") == programFolder();
    return !done;
}

std::vector<std::string> openAccessNames() {
    std::vector<std::string> names = {programFileName(), changeExtension(programFileName(), ".ini"),
                                      std::string(bestTimesFileName), "Saved Games"};
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

} // namespace quorvel
