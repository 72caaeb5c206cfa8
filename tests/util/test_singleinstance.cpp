#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include "singleinstance.h"
#include "startup.h"
#include "testapp.h"
#include "testfolder.h"

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

bool waitForLockFree(const std::string& path) {
    for (int i = 0; i < 200; ++i) {
        if (!lockHeld(path)) return true;
        QThread::msleep(50);
    }
    return false;
}

// A copy has taken the guard once it has registered itself (the registry is
// written after the guard is taken). Probing the lock itself could make the
// starting copy believe another one runs.
bool waitForRegistry(const test::TestFolder& folder) {
    for (int i = 0; i < 200; ++i) {
        if (QFile::exists(QString::fromStdString(folder.config() + "Tendrik.ini"))) return true;
        QThread::msleep(50);
    }
    return false;
}

QProcess* startGame(const test::TestFolder& folder, QObject* parent) {
    auto* game = new QProcess(parent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QUORVEL3D_HOME", QString::fromStdString(folder.home()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(folder.config()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    game->setProcessEnvironment(env);
    game->start(QUORVEL3D_EXE, {});
    return game;
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

    QProcess* second = startGame(folder, &owner);
    ASSERT_TRUE(second->waitForFinished(10000)) << "the second copy kept running";
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(second->readAllStandardOutput().isEmpty());
    EXPECT_EQ(first->state(), QProcess::Running);

    first->kill(); // dies without any clean-up
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_TRUE(waitForLockFree(lock));

    QFile::remove(QString::fromStdString(folder.config() + "Tendrik.ini"));
    QProcess* third = startGame(folder, &owner);
    ASSERT_TRUE(third->waitForStarted(10000));
    EXPECT_TRUE(waitForRegistry(folder)) << "a crashed copy blocked the next start";
    EXPECT_FALSE(third->waitForFinished(300));
    EXPECT_TRUE(lockHeld(lock));
    third->kill();
    third->waitForFinished(10000);
}
