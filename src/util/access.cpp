#include "access.h"

#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "inifile.h"
#include "progfolder.h"

namespace quorvel {

namespace {

struct AccessFacts {
    bool ntfamily = false;
    bool admin = false;
};

std::optional<AccessFacts>& injected() {
    static std::optional<AccessFacts> facts;
    return facts;
}

constexpr std::string_view datasection = "Tendrik.Data";
constexpr std::string_view errorsection = "Tendrik.LastError";

// Adds read and write for everyone (and entry to folders), through a descriptor
// opened without following links.
bool openforall(const std::string& path) {
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

std::string onelinetext(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\n' || c == '\r' || c == '\0') c = ' ';
    return out;
}

} // namespace

bool isadmin() {
    return injected() ? injected()->admin : ::geteuid() == 0;
}
bool isntfamily() {
    return injected() ? injected()->ntfamily : false;
}
void setaccessfacts(bool ntfamily, bool admin) {
    injected() = AccessFacts{ntfamily, admin};
}

bool openaccess(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::lstat(path.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) return false;
    const std::string& folder = progfolder();
    const bool inshared = progfoldershared() && path.compare(0, folder.size(), folder) == 0;
    return inshared ? openforall(path) : true;
}

bool openaccesslist(const std::vector<std::string>& names, std::vector<std::string>* failed) {
    std::vector<std::string> failures;
    for (const std::string& name : names)
        if (!openaccess(progfolder() + name)) failures.push_back(name);
    if (failed) *failed = failures;
    writeinstallrecord(true, {});
    return failures.empty();
}

void writeinstallrecord(bool success, std::string_view description) {
    const std::string path = installrecordpath();
    IniFile record = IniFile::load(path);
    record.writebool(datasection, "Flag", success);
    record.writestring(datasection, "Path", progfolder());
    if (!success) {
        record.writestring(errorsection, "Description", onelinetext(description));
        record.writebool(errorsection, "AccessLevel", isadmin());
    }
    if (record.save(path)) openaccess(path);
}

bool accesspassneeded() {
    if (!isntfamily() || !isadmin()) return false;
    const IniFile record = IniFile::load(installrecordpath());
    // Folder names differ by case on this system, so the comparison is exact.
    const bool done = record.haskey(datasection, "Flag") &&
                      record.readbool(datasection, "Flag", false) &&
                      record.readstring(datasection, "Path", "") == progfolder();
    return !done;
}

} // namespace quorvel
