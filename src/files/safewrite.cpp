#include "files/safewrite.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "files/filereader.h"

namespace quorvel {

namespace {

constexpr int maxLinkHops = 40; ///< as the kernel allows, so a loop of links ends

WriteStep& injectedFailure() {
    static WriteStep step = WriteStep::none;
    return step;
}

int& renamePause() {
    static int microseconds = 0;
    return microseconds;
}

// True when a test asked this step to fail; it then fails as the disk would.
bool refusedByTest(WriteStep step) {
    if (injectedFailure() != step) return false;
    errno = EIO;
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

constexpr std::string_view suffixDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t suffixLength = 6;
constexpr std::size_t longestTargetPart = 200;
constexpr std::string_view commitMark = "QV3 commit\n";

// A fresh hidden name beside the target: "." + its name + "." + six letters or digits.
// The name is shortened so the whole stays within the length a folder entry may have.
std::string temporaryName(const std::string& target) {
    static std::atomic<std::uint64_t> counter{0};
    constexpr std::string_view digits = suffixDigits;
    std::uint64_t seed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(::getpid()) << 32) ^
        (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    std::string suffix(suffixLength, '0');
    for (char& c : suffix) {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        c = digits[(seed >> 33) % digits.size()];
    }
    return folderOf(target) + "." + nameOf(target).substr(0, longestTargetPart) + "." + suffix;
}

// The target a temporary file's name belongs to, or nothing for any other name.
std::optional<std::string_view> targetOfTemporary(std::string_view name) {
    if (name.size() < 1 + 1 + 1 + suffixLength || name.front() != '.') return std::nullopt;
    const std::string_view suffix = name.substr(name.size() - suffixLength);
    if (name[name.size() - suffixLength - 1] != '.' ||
        suffix.find_first_not_of(suffixDigits) != std::string_view::npos)
        return std::nullopt;
    return name.substr(1, name.size() - suffixLength - 2);
}

std::string commitRecordPath(const std::string& base, const std::string& firstTarget) {
    return base + "." + nameOf(firstTarget).substr(0, longestTargetPart) + ".commit";
}

// True when path names a file in base or in a folder directly inside it.
bool below(const std::string& base, const std::string& path) {
    if (base.empty() || base.back() != '/' || !path.starts_with(base)) return false;
    const std::string_view rest = std::string_view(path).substr(base.size());
    const std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos) return !rest.empty();
    const std::string_view inside = rest.substr(0, slash), name = rest.substr(slash + 1);
    return !inside.empty() && inside != "." && inside != ".." && !name.empty() &&
           name.find('/') == std::string_view::npos;
}

// One step of a commit record: a rename of a temporary file over its target, or (with
// no temporary) the target's removal. Names are below the record's folder.
struct CommitStep {
    std::string temporary;
    std::string target;
};

// Reads a record's steps: pairs of names, each ended by a NUL. Each names the game's own
// temporary file and its target in one folder (the record's or one directly inside
// it), or a removal mayRemove allows; false for anything else.
bool readCommitSteps(std::string_view rest, const std::function<bool(std::string_view)>& mayRemove,
                     std::vector<CommitStep>& steps) {
    const auto split = [](std::string_view rel) {
        const std::size_t slash = rel.rfind('/');
        return slash == std::string_view::npos
                   ? std::pair<std::string_view, std::string_view>{{}, rel}
                   : std::pair{rel.substr(0, slash + 1), rel.substr(slash + 1)};
    };
    while (!rest.empty()) {
        const std::size_t a = rest.find('\0');
        const std::size_t b = a == std::string_view::npos ? a : rest.find('\0', a + 1);
        if (b == std::string_view::npos) return false;
        const std::string_view temporary = rest.substr(0, a);
        const std::string_view target = rest.substr(a + 1, b - a - 1);
        rest.remove_prefix(b + 1);
        if (!below("/", "/" + std::string(target))) return false;
        if (temporary.empty()) {
            if (!mayRemove || !mayRemove(target)) return false;
        } else {
            const auto [folder, name] = split(target);
            const auto [tempFolder, tempName] = split(temporary);
            const auto own = targetOfTemporary(tempName);
            if (tempFolder != folder || !own || name.substr(0, longestTargetPart) != *own)
                return false;
        }
        steps.push_back({std::string(temporary), std::string(target)});
    }
    return true;
}

// The names of a folder's entries, as the file system spells them.
std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    ::closedir(dir);
    return names;
}

bool isPlainFile(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// True when path is a plain file (not a link) that holds exactly bytes.
bool holdsExactly(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool same = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                static_cast<std::uint64_t>(st.st_size) == bytes.size();
    std::array<char, 65536> buffer;
    std::size_t at = 0;
    while (same) {
        const std::size_t want = std::min(buffer.size(), bytes.size() - at + 1);
        const ssize_t got = ::read(fd, buffer.data(), want);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break; // the end (or a file that cannot be read: written anew)
        const auto n = static_cast<std::size_t>(got);
        same = at + n <= bytes.size() && std::memcmp(buffer.data(), bytes.data() + at, n) == 0;
        at += n;
    }
    ::close(fd);
    return same && at == bytes.size();
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + at, bytes.size() - at);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        at += static_cast<std::size_t>(put);
    }
    return true;
}

// Writes bytes to a new temporary file beside target and flushes it to the disk; its
// name, or empty when any step failed (and then nothing is left behind).
std::string writeTemporary(const std::string& target, std::string_view bytes) {
    struct stat old {};
    const bool replacing = ::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    if (replacing && !mayReplace(target)) {
        errno = EACCES;
        return {};
    }
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryName(target);
        if (refusedByTest(WriteStep::create)) return {};
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return {};
    }
    if (fd < 0) return {};
    if (replacing) {
        // The new file stands in for the old one: same owner where allowed, same
        // permissions (a file opened to all users stays open to them).
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        [[maybe_unused]] const int kept = ::fchmod(fd, old.st_mode & 07777);
    }
    const bool written = !refusedByTest(WriteStep::write) && writeAll(fd, bytes) &&
                         !refusedByTest(WriteStep::sync) && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0 && !refusedByTest(WriteStep::close);
    if (written && closed) return temporary;
    const int cause = written ? errno : writeError; // why it failed, for the caller
    ::unlink(temporary.c_str());
    errno = cause;
    return {};
}

// Makes the renames in a folder last through a crash. Some file systems cannot flush
// a folder; the new file is in place all the same, so that is no failure.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

struct Pending {
    const FileWrite* file;
    std::string temporary;
};

} // namespace

bool mayReplace(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (S_ISLNK(st.st_mode)) return true; // the link is replaced, its target left alone
    // The owner's write bit decides for every user, root too: a file made read-only
    // is the player's way of keeping it.
    return S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) && ::access(path.c_str(), W_OK) == 0;
}

bool moveToNewName(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        syncFolder(folderOf(to));
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without that rename: a second name, then the first one goes.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    syncFolder(folderOf(to));
    return true;
}

bool writeNewFile(const std::string& path, std::string_view bytes) {
    const std::string temporary = writeTemporary(path, bytes);
    if (temporary.empty()) return false;
    if (moveToNewName(temporary, path)) return true;
    const int cause = errno;
    ::unlink(temporary.c_str());
    errno = cause;
    return false;
}

void failSafeWritesAt(WriteStep step) {
    injectedFailure() = step;
}

void pauseBetweenRenames(int microseconds) {
    renamePause() = microseconds;
}

bool writeFilesSafely(std::span<const FileWrite> files, std::string* failedPath) {
    FileChange change;
    change.writes.assign(files.begin(), files.end());
    return writeFilesSafely(change, failedPath);
}

bool writeFilesSafely(const FileChange& change, std::string* failedPath) {
    if (change.writes.empty()) return change.removals.empty();
    return commitFiles(folderOf(change.writes.front().path), change, failedPath);
}

bool commitFiles(const std::string& base, const FileChange& change, std::string* failedPath) {
    std::vector<Pending> pending;
    const auto fail = [&](const std::string& path, std::size_t from) {
        const int cause = errno;
        for (std::size_t i = from; i < pending.size(); ++i)
            ::unlink(pending[i].temporary.c_str());
        if (failedPath) *failedPath = path;
        errno = cause;
        return false;
    };
    for (const FileWrite& file : change.writes) {
        if (!below(base, file.path)) {
            errno = EINVAL;
            return fail(file.path, 0);
        }
        if (holdsExactly(file.path, file.bytes)) continue;
        std::string temporary = writeTemporary(file.path, file.bytes);
        if (temporary.empty()) return fail(file.path, 0);
        pending.push_back({&file, std::move(temporary)});
    }
    for (const std::string& path : change.removals) {
        if (below(base, path)) continue;
        errno = EINVAL;
        return fail(path, 0);
    }
    // More than one step: the commit record makes them one change. Written safely
    // itself, it is either whole or absent after a crash.
    std::string record;
    if (pending.size() + change.removals.size() > 1) {
        std::string list(commitMark);
        for (const Pending& p : pending)
            list += p.temporary.substr(base.size()) + '\0' + p.file->path.substr(base.size()) + '\0';
        for (const std::string& path : change.removals)
            list += '\0' + path.substr(base.size()) + '\0';
        const std::string& first =
            pending.empty() ? change.removals.front() : pending.front().file->path;
        record = commitRecordPath(base, first);
        if (!writeFileSafely(record, list))
            return fail(pending.empty() ? record : pending.front().file->path, 0);
    }
    std::size_t steps = 0;
    const auto pause = [&] {
        if (renamePause() > 0 && steps++ > 0)
            std::this_thread::sleep_for(std::chrono::microseconds(renamePause()));
    };
    for (std::size_t i = 0; i < pending.size(); ++i) {
        const FileWrite& file = *pending[i].file;
        pause();
        if (refusedByTest(WriteStep::rename) ||
            ::rename(pending[i].temporary.c_str(), file.path.c_str()) != 0) {
            // A rename the file system refuses (a folder in the way): the other files
            // are gone, so nothing is left for the next start to finish.
            if (!record.empty()) ::unlink(record.c_str());
            return fail(file.path, i);
        }
        // Each rename reaches the disk before the next is made, so after a crash a
        // file later in the order is never new while one before it is still old.
        syncFolder(folderOf(file.path));
    }
    for (const std::string& path : change.removals) {
        pause();
        ::unlink(path.c_str());
        syncFolder(folderOf(path));
    }
    if (!record.empty()) {
        ::unlink(record.c_str());
        syncFolder(base);
    }
    return true;
}

void finishCommittedWrites(const std::string& folder,
                           const std::function<bool(std::string_view)>& mayRemove) {
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    for (const std::string& name : entriesOf(base)) {
        if (name.size() < 8 || name.front() != '.' || !name.ends_with(".commit")) continue;
        const std::string record = base + name;
        std::string list;
        if (isPlainFile(record) && readWholeFile(record, list, 64 * 1024) &&
            list.starts_with(commitMark)) {
            std::vector<CommitStep> steps;
            if (readCommitSteps(std::string_view(list).substr(commitMark.size()), mayRemove,
                                steps))
                for (const CommitStep& step : steps) {
                    if (step.temporary.empty())
                        ::unlink((base + step.target).c_str());
                    else if (isPlainFile(base + step.temporary))
                        ::rename((base + step.temporary).c_str(), (base + step.target).c_str());
                    syncFolder(folderOf(base + step.target));
                }
        }
        ::unlink(record.c_str());
        syncFolder(base);
    }
}

int removeLeftoverTemporaries(const std::string& folder,
                              const std::function<bool(std::string_view target)>& gameFile) {
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    int removed = 0;
    for (const std::string& name : entriesOf(base)) {
        const auto target = targetOfTemporary(name);
        if (!target || !gameFile(*target) || !isPlainFile(base + name)) continue;
        if (::unlink((base + name).c_str()) == 0) ++removed;
    }
    if (removed > 0) syncFolder(base);
    return removed;
}

bool writeFileSafely(const std::string& path, std::string_view bytes) {
    const FileWrite file{path, bytes};
    return writeFilesSafely(std::span(&file, 1));
}

NamedWrite writeNamedFile(const std::string& path, std::string_view bytes) {
    // What the name finally stands for, links followed: this also catches the links
    // of /proc that name no path (/dev/stdout on a pipe).
    struct stat named {};
    if (::stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode)) return NamedWrite::notAFile;
    std::string target = path;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) {
            if (errno != ENOENT) return NamedWrite::failed;
            break; // a new file (or the missing target of a link, made as the shell makes it)
        }
        if (S_ISREG(st.st_mode)) break;
        if (!S_ISLNK(st.st_mode)) return NamedWrite::notAFile;
        if (hops == maxLinkHops) {
            errno = ELOOP;
            return NamedWrite::failed;
        }
        std::array<char, 4096> link;
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) return NamedWrite::failed;
        if (static_cast<std::size_t>(n) == link.size()) {
            errno = ENAMETOOLONG;
            return NamedWrite::failed;
        }
        const std::string next(link.data(), static_cast<std::size_t>(n));
        target = next.starts_with('/') ? next : folderOf(target) + next;
    }
    return writeFileSafely(target, bytes) ? NamedWrite::written : NamedWrite::failed;
}

} // namespace quorvel
