// quorvel3d-tool render: the frame it writes is the game's own composition of that
// position, darkened as the battery says; it goes only where a file can safely be, and
// bad input is refused.

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "game/game.h"
#include "game/generator.h"
#include "game/random.h"
#include "resources/resources.h"
#include "support/diskfaults.h"
#include "support/testfolder.h"
#include "view/viewcomposer.h"
#include "view/viewscan.h"

namespace quorvel {
namespace {

struct ToolRun {
    int status = -1;
    QString out, err;
    QByteArray bytes; ///< standard output as it came
};

ToolRun render(const QStringList& args) {
    QProcess p;
    p.start(QUORVEL_TOOL, QStringList{"render"} + args);
    p.waitForFinished(60000);
    const QByteArray bytes = p.readAllStandardOutput();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(bytes),
            QString::fromUtf8(p.readAllStandardError()), bytes};
}

// The run was refused as output it will not write: one line, status 1, nothing printed.
void expectRefusedWrite(const ToolRun& r) {
    EXPECT_EQ(r.status, 1) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
}

/// The view of a level-1 maze from seed 1234, composed here the way the game does.
QImage composed(int row, int col, int facing, int darkness, int scale = 1) {
    Random rng(1234);
    Maze maze;
    generateAccepted(maze, rng, 1);
    maze.posRow = row;
    maze.posCol = col;
    maze.facing = facing;
    ViewComposer composer;
    composer.setDevicePixelRatio(scale);
    const ViewPlan plan = viewScan(maze);
    composer.drawMaze(plan);
    if (plan.ahead == cellWallMap) composer.drawWallMap();
    composer.drawBox(plan);
    composer.darken(darkness);
    composer.showView();
    return composer.shownView().copy();
}

/// A theme folder's view pictures, all of one colour.
void writeFlatStrips(const QTemporaryDir& theme) {
    for (int i = 0; i < stripPictureCount; ++i) {
        const StripPicture s = StripPicture::fromIndex(i);
        QImage strip(stripWidth(s), 240, QImage::Format_RGB888);
        strip.fill(QColor(30, 60, 90));
        ASSERT_TRUE(strip.save(theme.filePath(
            QString::fromLatin1(stripName(s).data(), int(stripName(s).size())) + ".bmp")));
    }
}

class Render : public ::testing::Test {
  protected:
    QString out(const char* name) const { return m_dir.filePath(name); }
    QImage written(const char* name) const {
        return QImage(out(name)).convertToFormat(QImage::Format_RGB888);
    }
    QTemporaryDir m_dir;
};

TEST_F(Render, WritesTheComposedViewOfAPosition) {
    // Row 8 column 15 facing 2 looks down a corridor with side openings at a gem box.
    const ToolRun r = render({"--level", "1", "--seed", "1234", "--row", "8", "--col", "15",
                              "--facing", "2", "--out", out("a.png")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(
        r.out,
        QString("rendered %1: row 8 col 15 facing 2 case normal darkness 0\n").arg(out("a.png")));
    const QImage image = written("a.png");
    EXPECT_EQ(image.size(), QSize(240, 240));
    EXPECT_EQ(image, composed(8, 15, 2, 0));

    // Piped: standard output holds the same PNG and nothing else; the report moves.
    const ToolRun piped = render({"--level", "1", "--seed", "1234", "--row", "8", "--col", "15",
                                  "--facing", "2", "--out", "-"});
    ASSERT_EQ(piped.status, 0) << piped.err.toStdString();
    EXPECT_EQ(piped.err, "rendered -: row 8 col 15 facing 2 case normal darkness 0\n");
    QFile file(out("a.png"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(piped.bytes.startsWith("\x89PNG\r\n\x1a\n"));
    EXPECT_EQ(piped.bytes, file.readAll());
}

// --out follows a link and replaces the file it leads to, whole; the link stays. A pipe
// or a folder under the name is refused and left as it was (a pipe is never opened, so
// nothing waits on a reader).
TEST_F(Render, OutFollowsALinkAndLeavesPipesAndFoldersAlone) {
    const QStringList at = {"--level", "1", "--seed", "1234", "--out"};
    QFile old(out("real.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    ASSERT_EQ(::symlink("real.png", out("link.png").toUtf8().constData()), 0);
    const ToolRun r = render(at + QStringList{out("link.png")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo(out("link.png")).isSymLink());
    EXPECT_EQ(written("real.png"), composed(8, 10, 2, 0));

    ASSERT_EQ(::mkfifo(out("pipe").toUtf8().constData(), 0600), 0);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder"));
    for (const char* name : {"pipe", "folder"})
        expectRefusedWrite(render(at + QStringList{out(name)}));
    struct stat st {};
    EXPECT_TRUE(::lstat(out("pipe").toUtf8().constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_TRUE(QDir(out("folder")).isEmpty());
}

// No device is ever replaced, not even by root. A node made here is tried first (only
// root can make one), so a tool that replaced devices stops the test before /dev/null.
TEST_F(Render, OutNeverReplacesADevice) {
    const auto refusedAndUnchanged = [](const QString& path) {
        struct stat before {};
        struct stat after {};
        const QByteArray name = path.toUtf8();
        if (::lstat(name.constData(), &before) != 0) return false;
        expectRefusedWrite(render({"--level", "1", "--seed", "1234", "--out", path}));
        return ::lstat(name.constData(), &after) == 0 && after.st_mode == before.st_mode &&
               after.st_rdev == before.st_rdev;
    };
    const bool made = ::mknod(out("null").toUtf8().constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    if (made) {
        ASSERT_TRUE(refusedAndUnchanged(out("null")));
    }
    EXPECT_TRUE(refusedAndUnchanged("/dev/null"));
    if (!made) GTEST_SKIP() << "only root can make a device node; /dev/null alone was tried";
}

// A picture that cannot be written is a failure (status 1), not bad input: a missing
// folder, a disk that refuses, a picture its owner made read-only (kept, as the shell
// keeps it, whoever runs the tool). Nothing is left behind, not even a temporary file.
TEST_F(Render, AWriteThatFailsIsOneLineAndStatusOne) {
    const QStringList at = {"--level", "1", "--seed", "1234", "--out"};
    expectRefusedWrite(render(at + QStringList{m_dir.filePath("no/such/folder/x.png")}));
    {
        const test::FileSizeLimit fullDisk(1024);
        expectRefusedWrite(render(at + QStringList{out("x.png")}));
    }
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    const std::string kept = out("kept.png").toStdString();
    test::putBytes(kept, "the player's own picture");
    ::chmod(kept.c_str(), 0444);
    const ToolRun r = render(at + QStringList{out("kept.png")});
    expectRefusedWrite(r);
    EXPECT_TRUE(r.err.contains("Permission denied")) << r.err.toStdString();
    EXPECT_EQ(test::fileBytes(kept), "the player's own picture");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"kept.png"});
}

// Scale 1 is the 240 x 240 view, to the byte; scale 2 the view a screen of twice the
// density shows, composed from the @2x pictures.
TEST_F(Render, ScaleTwoWritesTheViewAtTwiceTheResolution) {
    const QStringList at = {"--level",        "1",  "--seed",   "1234", "--row",     "8",
                            "--col",          "15", "--facing", "2",    "--battery", "20",
                            "--batterysteps", "1"};
    ASSERT_EQ(render(at + QStringList{"--out", out("plain.png")}).status, 0);
    ASSERT_EQ(render(at + QStringList{"--scale", "1", "--out", out("one.png")}).status, 0);
    const ToolRun r = render(at + QStringList{"--scale", "2", "--out", out("two.png")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QString("rendered %1: row 8 col 15 facing 2 case normal darkness 39\n")
                         .arg(out("two.png")));
    QFile plain(out("plain.png")), one(out("one.png"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly) && one.open(QIODevice::ReadOnly));
    EXPECT_EQ(plain.readAll(), one.readAll());
    EXPECT_EQ(written("one.png"), composed(8, 15, 2, 39));
    const QImage two = written("two.png");
    EXPECT_EQ(two.size(), QSize(480, 480));
    EXPECT_EQ(two, composed(8, 15, 2, 39, 2).convertToFormat(QImage::Format_RGB888));
}

TEST_F(Render, DefaultsToTheStartAndDarkensByTheBattery) {
    ASSERT_EQ(render({"--level", "1", "--seed", "1234", "--out", out("full.png")}).status, 0);
    const ToolRun r = render({"--level", "1", "--seed", "1234", "--battery", "20", "--batterysteps",
                              "1", "--out", out("dim.png")});
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.endsWith("darkness 39\n")) << r.out.toStdString();
    const QImage full = written("full.png"), dim = written("dim.png");
    EXPECT_EQ(full, composed(8, 10, 2, 0)); // the start of this maze
    for (int y = 0; y < 240; y += 7)
        for (int x = 0; x < 240; x += 5) {
            const QColor f = full.pixelColor(x, y), d = dim.pixelColor(x, y);
            ASSERT_EQ(d, QColor(std::max(0, f.red() - 39), std::max(0, f.green() - 39),
                                std::max(0, f.blue() - 39)));
        }
}

TEST_F(Render, StandingOnTheExitShowsTheEndingAtFullLight) {
    const ToolRun r = render({"--level", "1", "--seed", "1234", "--row", "10", "--col", "20",
                              "--facing", "3", "--battery", "0", "--out", out("end.png")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("case onexit")) << r.out.toStdString();
    initResources();
    EXPECT_EQ(written("end.png"),
              QImage(":/pictures/ending.png").convertToFormat(QImage::Format_RGB888));
}

TEST_F(Render, UsesAThemeFoldersPictures) {
    QTemporaryDir theme;
    ASSERT_NO_FATAL_FAILURE(writeFlatStrips(theme));
    ASSERT_EQ(render({"--level", "1", "--seed", "1234", "--row", "8", "--col", "15", "--facing",
                      "4", "--theme", theme.path(), "--out", out("t.png")})
                  .status,
              0);
    EXPECT_EQ(written("t.png").pixelColor(5, 5), QColor(30, 60, 90));
}

TEST_F(Render, ATruncatedThemePictureDrawsTheBuiltInViewEveryTime) {
    // A half-copied theme: one view picture cut short. The whole group of view
    // pictures then comes built in, so nothing unread is ever drawn.
    QTemporaryDir theme;
    ASSERT_NO_FATAL_FAILURE(writeFlatStrips(theme));
    QFile cut(theme.filePath("wall3.bmp"));
    ASSERT_TRUE(cut.resize(cut.size() / 2));
    const QStringList args = {"--level", "1",  "--seed",   "1234", "--row",   "8",
                              "--col",   "15", "--facing", "4",    "--theme", theme.path()};
    ASSERT_EQ(render(args + QStringList{"--out", out("a.png")}).status, 0);
    ASSERT_EQ(render(args + QStringList{"--out", out("b.png")}).status, 0);
    EXPECT_EQ(written("a.png"), composed(8, 15, 4, 0));
    EXPECT_EQ(written("b.png"), written("a.png"));
}

TEST_F(Render, BadInputIsOneLineAndStatusTwo) {
    const QStringList base = {"--level", "1", "--seed", "1234"};
    const QList<QStringList> bad = {
        base,
        base + QStringList{"--out", out("x.png"), "--battery", "101"},
        base + QStringList{"--out", out("x.png"), "--row", "131"},
        base + QStringList{"--out", out("x.png"), "--facing", "0"},
        base + QStringList{"--out", out("x.png"), "--scale", "3"},
        base + QStringList{"--out", out("x.png"), "--scale", "0"},
        base + QStringList{"--out", out("x.png"), "--theme", out("nothere")},
        {"--level", "7", "--seed", "1", "--out", out("x.png")},
    };
    for (const QStringList& args : bad) {
        const ToolRun r = render(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(out("x.png")));
}

} // namespace
} // namespace quorvel
