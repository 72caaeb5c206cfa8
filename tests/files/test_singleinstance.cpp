#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include "files/singleinstance.h"
#include "support/testapp.h"
#include "support/testfolder.h"

using namespace quorvel;

namespace {

// True when some process holds the lock on path.
bool lockHeld(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

// True once holds() does, asked every 50 ms for ten seconds.
bool within10s(const std::function<bool()>& holds) {
    for (int i = 0; i < 200; ++i) {
        if (holds()) return true;
        QThread::msleep(50);
    }
    return false;
}

bool waitForLockFree(const std::string& path) {
    return within10s([&] { return !lockHeld(path); });
}

// A copy has taken the guard once it has registered itself (the registry is
// written after the guard is taken). Probing the lock itself could make the
// starting copy believe another one runs.
bool waitForRegistry(const test::TestFolder& folder) {
    return within10s(
        [&] { return QFile::exists(QString::fromStdString(folder.config() + "Tendrik.ini")); });
}

// Starts the game on the folder's files. runtime: its XDG_RUNTIME_DIR, none when
// empty; home: another spelling of the program folder (a link to it).
QProcess* startGame(const test::TestFolder& folder, QObject* parent,
                    const std::string& runtime = "", const std::string& home = "") {
    auto* game = new QProcess(parent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QUORVEL3D_HOME", QString::fromStdString(home.empty() ? folder.home() : home));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(folder.config()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    if (runtime.empty())
        env.remove("XDG_RUNTIME_DIR");
    else
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime));
    game->setProcessEnvironment(env);
    game->start(QUORVEL3D_EXE, {});
    return game;
}

// True when some process has bound the abstract socket name.
bool socketHeld(const std::string& name) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    const bool held =
        ::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 && errno == EADDRINUSE;
    ::close(fd);
    return held;
}

// A program folder in which the game's lock file cannot be made: read-only, and (for
// a test run as root, who may write anyway) a folder where the lock file would go.
void refuseLockFile(const test::TestFolder& folder, const std::string& guard) {
    QDir().mkpath(QString::fromStdString(folder.home() + "." + guard + ".lock"));
    ::chmod(folder.home().c_str(), 0555);
}

// Sets the test's own XDG_RUNTIME_DIR (empty: none) and puts the old one back after.
class RuntimeDir {
  public:
    explicit RuntimeDir(const std::string& dir) {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) m_old = old;
        if (dir.empty())
            ::unsetenv("XDG_RUNTIME_DIR");
        else
            ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
    ~RuntimeDir() {
        if (m_old)
            ::setenv("XDG_RUNTIME_DIR", m_old->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }

  private:
    std::optional<std::string> m_old;
};

// Starts a first copy and, once it runs, a second; true when the second ended at
// once and silently while the first went on. Both copies are ended afterwards.
::testing::AssertionResult secondCopyEndsAtOnce(QProcess* first, QProcess* second) {
    if (second->waitForFinished(10000) == false)
        return ::testing::AssertionFailure() << "the second copy kept running";
    if (second->exitStatus() != QProcess::NormalExit || second->exitCode() != 0)
        return ::testing::AssertionFailure() << "the second copy ended badly";
    if (!second->readAllStandardOutput().isEmpty())
        return ::testing::AssertionFailure() << "the second copy said something";
    if (first->state() != QProcess::Running)
        return ::testing::AssertionFailure() << "the first copy is gone";
    return ::testing::AssertionSuccess();
}

void endCopy(QProcess* game) {
    game->kill();
    game->waitForFinished(10000);
}

} // namespace

TEST(SingleInstance, SecondGuardInOneProcessIsRefused) {
    test::TestFolder folder;
    EXPECT_TRUE(singleInstance("@Tk Test\\Guard#"));
    EXPECT_FALSE(singleInstance("@Tk Test\\Guard#"));
    EXPECT_TRUE(singleInstance("another"));
    EXPECT_EQ(singleInstancePath("a\\b/c"), folder.home() + ".a!b!c.lock");
}

TEST(SingleInstance, SecondCopyOfTheGameEndsAtOnceAndACrashedCopyBlocksNothing) {
    test::ensureApp();
    test::TestFolder folder;
    QObject owner;
    const std::string lock = folder.home() + "." + singleInstanceName + ".lock";

    QProcess* first = startGame(folder, &owner);
    ASSERT_TRUE(first->waitForStarted(10000));
    ASSERT_TRUE(waitForRegistry(folder)) << "the first copy never came up";
    EXPECT_TRUE(lockHeld(lock));

    EXPECT_TRUE(secondCopyEndsAtOnce(first, startGame(folder, &owner)));

    first->kill(); // dies without any clean-up
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_TRUE(waitForLockFree(lock));

    QFile::remove(QString::fromStdString(folder.config() + "Tendrik.ini"));
    QProcess* third = startGame(folder, &owner);
    ASSERT_TRUE(third->waitForStarted(10000));
    EXPECT_TRUE(waitForRegistry(folder)) << "a crashed copy blocked the next start";
    EXPECT_FALSE(third->waitForFinished(300));
    EXPECT_TRUE(lockHeld(lock));
    endCopy(third);
}

// Where no lock file can be made in the program folder, the runtime folder's lock or
// the socket still keep the second copy out, in one process as well as in two.
TEST(SingleInstance, AFolderWithoutALockFileStillAdmitsOneGuard) {
    test::TestFolder folder;
    refuseLockFile(folder, "@Tk Test Guard#");
    {
        const RuntimeDir runtime(folder.root());
        EXPECT_TRUE(singleInstance("@Tk Test Guard#"));
        EXPECT_TRUE(lockHeld(singleInstanceRuntimePath("@Tk Test Guard#")));
        EXPECT_TRUE(socketHeld(singleInstanceSocketName("@Tk Test Guard#")));
        EXPECT_FALSE(singleInstance("@Tk Test Guard#"));
    }
    {
        const RuntimeDir none("");
        EXPECT_EQ(singleInstanceRuntimePath("@Tk Other Guard#"), "");
        refuseLockFile(folder, "@Tk Other Guard#");
        EXPECT_TRUE(singleInstance("@Tk Other Guard#"));
        EXPECT_FALSE(singleInstance("@Tk Other Guard#"));
    }

    // With descriptors for one lock file and no socket, the runtime folder's lock alone
    // lets the game start; with none at all, no guard can be taken and it does not.
    const auto startsWithDescriptors = [](int spare, const char* guard) {
        rlimit before{};
        EXPECT_EQ(::getrlimit(RLIMIT_NOFILE, &before), 0);
        const int lowestFree = ::dup(0);
        ::close(lowestFree);
        rlimit few = before;
        few.rlim_cur = static_cast<rlim_t>(lowestFree + spare);
        EXPECT_EQ(::setrlimit(RLIMIT_NOFILE, &few), 0);
        const bool started = singleInstance(guard);
        ::setrlimit(RLIMIT_NOFILE, &before);
        return started;
    };
    refuseLockFile(folder, "@Tk Third Guard#");
    {
        const RuntimeDir runtime(folder.root());
        EXPECT_TRUE(startsWithDescriptors(1, "@Tk Third Guard#"));
        EXPECT_TRUE(lockHeld(singleInstanceRuntimePath("@Tk Third Guard#")));
        EXPECT_FALSE(socketHeld(singleInstanceSocketName("@Tk Third Guard#")));
    }
    ::chmod(folder.home().c_str(), 0755);
    EXPECT_FALSE(startsWithDescriptors(0, "@Tk Fourth Guard#"));
}

// A second real copy of the game ends at once wherever the guard had to be taken: in
// a runtime folder, in the socket alone, or where the two copies found different
// places (one started without a runtime folder, one through a link to the folder).
TEST(SingleInstance, ASecondCopyEndsEvenWhereNoLockFileCanBeMade) {
    test::ensureApp();
    struct Case {
        const char* what;
        bool firstHasRuntime;
        bool secondHasRuntime;
        bool secondThroughLink;
        bool secondOtherRuntime = false; ///< a runtime folder, not the first copy's
    };
    const Case cases[] = {
        {"read-only folder", true, true, false},
        {"read-only folder, no runtime folder", false, false, false},
        {"read-only folder, runtime folder for the first copy only", true, false, false},
        {"read-only folder reached through a link, no runtime folder", false, false, true},
        {"read-only folder, a runtime folder of its own for each copy", true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestFolder folder;
        const std::string runtime = folder.root() + "run/";
        QDir().mkpath(QString::fromStdString(runtime));
        const std::string link = folder.root() + "link";
        ASSERT_EQ(::symlink(folder.home().c_str(), link.c_str()), 0);
        refuseLockFile(folder, singleInstanceName);
        QObject owner;

        QProcess* first = startGame(folder, &owner, c.firstHasRuntime ? runtime : "");
        ASSERT_TRUE(first->waitForStarted(10000));
        ASSERT_TRUE(waitForRegistry(folder)) << "the first copy never came up";
        {
            const RuntimeDir sameAsFirst(c.firstHasRuntime ? runtime : "");
            EXPECT_TRUE(socketHeld(singleInstanceSocketName(singleInstanceName)));
            if (c.firstHasRuntime) {
                EXPECT_TRUE(lockHeld(singleInstanceRuntimePath(singleInstanceName)));
            }
        }
        const std::string otherRuntime = folder.root() + "other run/";
        QDir().mkpath(QString::fromStdString(otherRuntime));
        QProcess* second = startGame(folder, &owner,
                                     !c.secondHasRuntime    ? ""
                                     : c.secondOtherRuntime ? otherRuntime
                                                            : runtime,
                                     c.secondThroughLink ? link + "/" : "");
        EXPECT_TRUE(secondCopyEndsAtOnce(first, second));
        endCopy(first);
        ::chmod(folder.home().c_str(), 0755);
    }
}

TEST(SingleInstance, CopiesOfDifferentReadOnlyFoldersBothRun) {
    test::ensureApp();
    test::TestFolder one;
    test::TestFolder two;
    refuseLockFile(one, singleInstanceName);
    refuseLockFile(two, singleInstanceName);
    QObject owner;
    QProcess* first = startGame(one, &owner);
    ASSERT_TRUE(first->waitForStarted(10000));
    ASSERT_TRUE(waitForRegistry(one));
    QProcess* second = startGame(two, &owner);
    ASSERT_TRUE(second->waitForStarted(10000));
    EXPECT_TRUE(waitForRegistry(two)) << "a copy of another folder was kept out";
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(second->state(), QProcess::Running);
    endCopy(second);
    endCopy(first);
    ::chmod(one.home().c_str(), 0755);
    ::chmod(two.home().c_str(), 0755);
}
