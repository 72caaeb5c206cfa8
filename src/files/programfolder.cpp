#include "files/programfolder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quorvel {

namespace {

struct Folders {
    std::string programFolder;
    std::string programFileName;
    std::string configFolder;
    bool shared = false;
};

std::optional<Folders>& folders() {
    static std::optional<Folders> value;
    return value;
}

const Folders& current() {
    if (!folders()) initProgramFolders();
    return *folders();
}

std::string getEnvString(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// The user's home: HOME when it names a folder by an absolute path, else the home the
// password database gives (a session started without HOME still has one).
std::string homeFolder() {
    std::string home = getEnvString("HOME");
    if (home.empty() || home.front() != '/') {
        const passwd* user = ::getpwuid(::getuid());
        if (user && user->pw_dir && user->pw_dir[0] == '/') home = user->pw_dir;
    }
    while (home.size() > 1 && home.back() == '/')
        home.pop_back();
    return home;
}

// An XDG base folder: the variable when it holds an absolute path that is a folder or
// not there yet (it is then made), else the home folder + fallback. A relative path, or
// one naming a file, is ignored, as the base-directory rules say.
std::string xdgFolder(const char* variable, const char* fallback) {
    const std::string v = getEnvString(variable);
    if (!v.empty() && v.front() == '/') {
        std::error_code ec;
        const fs::file_status status = fs::status(v, ec);
        if (!fs::exists(status) || fs::is_directory(status)) return v;
    }
    return homeFolder() + fallback;
}

std::string runningExecutable(const std::string& exePath) {
    std::error_code ec;
    if (!exePath.empty()) {
        fs::path p = fs::absolute(exePath, ec);
        return ec ? exePath : p.lexically_normal().string();
    }
    fs::path p = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

// The folder as stored (canonical) with "/" at the end; created when missing.
std::string usableFolder(const std::string& folder) {
    std::error_code ec;
    fs::path absolute = fs::absolute(folder, ec);
    if (ec) absolute = folder;
    fs::create_directories(absolute, ec);
    std::string canonical = longPath(withTrailingSlash(absolute.string()));
    return canonical.empty() ? withTrailingSlash(absolute.lexically_normal().string()) : canonical;
}

bool isInside(const std::string& folder, const std::string& parent) {
    if (parent.empty() || parent == "/") return false;
    const std::string p = withTrailingSlash(parent);
    return folder.compare(0, p.size(), p) == 0;
}

} // namespace

void initProgramFolders(const std::string& exePath) {
    Folders f;
    const std::string exe = runningExecutable(exePath);
    const fs::path exeFile(exe);
    f.programFileName = exeFile.filename().string();
    if (f.programFileName.empty()) f.programFileName = "quorvel3d";

    const std::string home = getEnvString("QUORVEL3D_HOME");
    const std::string exeFolder = exe.empty() ? std::string() : exeFile.parent_path().string();
    if (!home.empty()) {
        f.programFolder = usableFolder(home);
    } else if (!exeFolder.empty() && canWriteFolder(exeFolder)) {
        f.programFolder = usableFolder(exeFolder);
        // An unpacked copy in /opt or /usr/local that several users run; a copy in
        // the user's own home is that user's alone.
        const std::string userHome = longPath(withTrailingSlash(homeFolder()));
        f.shared = !isInside(f.programFolder, userHome.empty() ? homeFolder() : userHome);
    } else {
        f.programFolder = usableFolder(xdgFolder("XDG_DATA_HOME", "/.local/share") + "/quorvel3d");
    }
    f.configFolder = withTrailingSlash(xdgFolder("XDG_CONFIG_HOME", "/.config"));
    folders() = f;
}

void setProgramFolders(std::string folder, std::string filename, std::string config, bool shared) {
    folders() =
        Folders{withTrailingSlash(folder), std::move(filename), withTrailingSlash(config), shared};
}

const std::string& programFolder() {
    return current().programFolder;
}
const std::string& programFileName() {
    return current().programFileName;
}
const std::string& configFolder() {
    return current().configFolder;
}
bool programFolderShared() {
    return current().shared;
}

std::string changeExtension(std::string_view filename, std::string_view ext) {
    const std::size_t slash = filename.rfind('/');
    const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = filename.rfind('.');
    std::string out(filename);
    if (dot != std::string_view::npos && dot > start) out.resize(dot);
    out += ext;
    return out;
}

std::string settingsPath() {
    return programFolder() + changeExtension(programFileName(), ".ini");
}
std::string installRecordPath() {
    return programFolder() + changeExtension(programFileName(), ".tk");
}
std::string registryPath() {
    return configFolder() + "Tendrik.ini";
}
std::string bestTimesPath() {
    return programFolder() + std::string(bestTimesFileName);
}

std::string savedGamesFolder() {
    return programFolder() + "Saved Games/";
}

std::string savedGamePath(std::string_view player, int level) {
    if (!isFileSafeName(player)) return {};
    return savedGamesFolder() + std::string(player) + std::to_string(level) + ".sav";
}

bool isFileSafeName(std::string_view name) {
    if (name.empty() || name.size() > maxFileNameBytes || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c == '/' || c == '\\' || c < 32 || c == 127) return false;
    return true;
}

std::string withTrailingSlash(std::string_view s) {
    std::string out(s);
    if (!out.empty() && out.back() != '/') out += '/';
    return out;
}

std::string longPath(std::string_view path) {
    if (path.empty() || path.front() != '/') return {};
    std::error_code ec;
    const fs::path canonical = fs::canonical(fs::path(path), ec);
    if (ec) return {};
    std::string out = canonical.string();
    if (path.back() == '/') {
        if (!fs::is_directory(canonical, ec)) return {};
        out = withTrailingSlash(out);
    }
    return out;
}

bool canWriteFolder(std::string_view folder) {
    if (folder.empty()) return false;
    const std::string probe = withTrailingSlash(folder) + "MYLIB000.TMP";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(probe.c_str());
        return true;
    }
    // Someone's file of that name is there already: leave it alone and ask the
    // system instead.
    if (errno == EEXIST) return ::access(std::string(folder).c_str(), W_OK) == 0;
    return false;
}

} // namespace quorvel
