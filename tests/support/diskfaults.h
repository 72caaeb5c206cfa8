#pragma once
// Real write failures for the tests, and a way to tell whether a file was rewritten.
//
// FileSizeLimit lowers this process's file-size limit for as long as it lives: a
// write that would make any file larger than the limit is refused by the kernel
// (EFBIG), as a disk that has run out of room refuses it. The signal the kernel sends
// with that refusal is ignored meanwhile, so the test goes on. Only the soft limit is
// lowered, so the old limit can always be put back.

#include <csignal>
#include <fstream>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel::test {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lower = m_old;
        lower.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit m_old{};
    void (*m_oldSignal)(int) = SIG_DFL;
};

/// A small file system of its own on an empty folder, for as long as it lives, that
/// can be filled to the last block: the disk of a player who has run out of room. It
/// needs the right to mount one (the tests run as root on CI); mounted() says whether
/// it is there.
class SmallDisk {
  public:
    explicit SmallDisk(const std::string& folder) : m_folder(folder) {
        m_mounted =
            ::geteuid() == 0 && ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=512k") == 0;
    }
    ~SmallDisk() {
        if (m_mounted) ::umount2(m_folder.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    /// Fills the disk with one file until no block is left.
    void fill() const {
        std::ofstream out(m_folder + "/fill", std::ios::binary);
        const std::string block(4096, '\0');
        while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
    }

  private:
    std::string m_folder;
    bool m_mounted = false;
};

/// Which file stands under a name: a rewrite puts a new one there (the safe writes
/// rename a new file over the old), so an unchanged identity means "not written".
inline ino_t fileIdentity(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

} // namespace quorvel::test
