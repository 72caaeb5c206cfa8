#include "progfolder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quorvel {

namespace {

struct Folders {
    std::string progfolder;
    std::string progfilename;
    std::string windowsfolder;
    bool shared = false;
};

std::optional<Folders>& folders() {
    static std::optional<Folders> value;
    return value;
}

const Folders& current() {
    if (!folders()) initprogramfolders();
    return *folders();
}

std::string getenvstring(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string homefolder() {
    return getenvstring("HOME");
}

// An XDG base folder: the variable when it holds an absolute path, else HOME + fallback.
std::string xdgfolder(const char* variable, const char* fallback) {
    std::string v = getenvstring(variable);
    if (!v.empty() && v.front() == '/') return v;
    return homefolder() + fallback;
}

std::string runningexecutable(const std::string& exepath) {
    std::error_code ec;
    if (!exepath.empty()) {
        fs::path p = fs::absolute(exepath, ec);
        return ec ? exepath : p.lexically_normal().string();
    }
    fs::path p = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

// The folder as stored (canonical) with "/" at the end; created when missing.
std::string usablefolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::string canonical = longpath(addbackslash(folder));
    return canonical.empty() ? addbackslash(folder) : canonical;
}

bool isinside(const std::string& folder, const std::string& parent) {
    if (parent.empty() || parent == "/") return false;
    const std::string p = addbackslash(parent);
    return folder.compare(0, p.size(), p) == 0;
}

} // namespace

void initprogramfolders(const std::string& exepath) {
    Folders f;
    const std::string exe = runningexecutable(exepath);
    const fs::path exefile(exe);
    f.progfilename = exefile.filename().string();
    if (f.progfilename.empty()) f.progfilename = "quorvel3d";

    const std::string home = getenvstring("QUORVEL3D_HOME");
    const std::string exefolder = exe.empty() ? std::string() : exefile.parent_path().string();
    if (!home.empty()) {
        f.progfolder = usablefolder(home);
    } else if (!exefolder.empty() && canwritefolder(exefolder)) {
        f.progfolder = usablefolder(exefolder);
        // An unpacked copy in /opt or /usr/local that several users run; a copy in
        // the user's own home is that user's alone.
        const std::string userhome = longpath(addbackslash(homefolder()));
        f.shared = !isinside(f.progfolder, userhome.empty() ? homefolder() : userhome);
    } else {
        f.progfolder = usablefolder(xdgfolder("XDG_DATA_HOME", "/.local/share") + "/quorvel3d");
    }
    f.windowsfolder = addbackslash(xdgfolder("XDG_CONFIG_HOME", "/.config"));
    folders() = f;
}

void setprogramfolders(std::string folder, std::string filename, std::string windows, bool shared) {
    folders() = Folders{addbackslash(folder), std::move(filename), addbackslash(windows), shared};
}

const std::string& progfolder() {
    return current().progfolder;
}
const std::string& progfilename() {
    return current().progfilename;
}
const std::string& windowsfolder() {
    return current().windowsfolder;
}
bool progfoldershared() {
    return current().shared;
}

std::string changeextension(std::string_view filename, std::string_view ext) {
    const std::size_t slash = filename.rfind('/');
    const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = filename.rfind('.');
    std::string out(filename);
    if (dot != std::string_view::npos && dot > start) out.resize(dot);
    out += ext;
    return out;
}

std::string settingspath() {
    return progfolder() + changeextension(progfilename(), ".ini");
}
std::string installrecordpath() {
    return progfolder() + changeextension(progfilename(), ".tk");
}
std::string registrypath() {
    return windowsfolder() + "Tendrik.ini";
}
std::string savedgamesfolder() {
    return progfolder() + "Saved Games/";
}

std::string savedgamepath(std::string_view player, int level) {
    if (!isfilesafename(player)) return {};
    return savedgamesfolder() + std::string(player) + std::to_string(level) + ".sav";
}

bool isfilesafename(std::string_view name) {
    if (name.empty() || name.size() > 200 || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c == '/' || c == '\\' || c < 32 || c == 127) return false;
    return true;
}

std::string addbackslash(std::string_view s) {
    std::string out(s);
    if (!out.empty() && out.back() != '/') out += '/';
    return out;
}

std::string longpath(std::string_view path) {
    if (path.empty() || path.front() != '/') return {};
    std::error_code ec;
    const fs::path canonical = fs::canonical(fs::path(path), ec);
    if (ec) return {};
    std::string out = canonical.string();
    if (path.back() == '/') {
        if (!fs::is_directory(canonical, ec)) return {};
        out = addbackslash(out);
    }
    return out;
}

bool canwritefolder(std::string_view folder) {
    if (folder.empty()) return false;
    const std::string probe = addbackslash(folder) + "MYLIB000.TMP";
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
