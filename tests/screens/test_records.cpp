// Saved games and the best-times file on a real program folder, with the game's own
// dialogs answered as a player would.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "besttimesfile.h"
#include "messagedialog.h"
#include "pipewatch.h"
#include "programfolder.h"
#include "savedgames.h"
#include "savefile.h"
#include "screenfixture.h"

namespace quorvel::test {
namespace {

bool exists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
}

// Answers the next dialog with a key and keeps its title and text.
struct Dialog {
    QString title, text;
};
void answer(Dialog& seen, char key) {
    whenModal([&seen, key](QWidget* box) {
        seen.title = box->windowTitle();
        if (auto* label = box->findChild<QLabel*>("Label1")) seen.text = label->text();
        QTest::keyClick(box, key);
    });
}

class RecordsTest : public ScreenTest {
  protected:
    void playASave(int level, std::uint32_t seed) {
        newGame(level, seed);
        for (int i = 0; i < 4 && isWall(maze().ahead()); ++i)
            QTest::keyRelease(form.get(), Qt::Key_Right);
        QTest::keyRelease(form.get(), Qt::Key_Up);
    }
};

TEST_F(RecordsTest, SavingALevelWritesItsOwnSlotAndMapFileOnly) {
    session.playerName = "Ann";
    playASave(3, 99);
    ASSERT_TRUE(saveGame("Ann", form->game(), *map));
    EXPECT_TRUE(exists(savedGamesFolder() + "Ann3.sav"));
    EXPECT_TRUE(exists(savedGamesFolder() + "Ann3.map"));
    EXPECT_EQ(QFileInfo(QString::fromStdString(savedGamesFolder() + "Ann3.sav")).size(), 34304);
    EXPECT_EQ(QFileInfo(QString::fromStdString(savedGamesFolder() + "Ann3.map")).size(), 12794);
    for (const int other : {1, 2, 4, 5, 6})
        EXPECT_FALSE(hasSavedGame("Ann", other)) << other;
    EXPECT_TRUE(hasSavedGame("Ann", 3));
}

TEST_F(RecordsTest, ReplacingAskesFirstAndNoKeepsTheOldSave) {
    playASave(1, 5);
    ASSERT_TRUE(saveGame("Tester", form->game(), *map));
    QFile file(QString::fromStdString(savedGamePath("Tester", 1)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QTest::keyRelease(form.get(), Qt::Key_Down); // the game moves on
    Dialog seen;
    answer(seen, 'n');
    EXPECT_TRUE(saveGame("Tester", form->game(), *map));
    EXPECT_EQ(seen.title.toStdString(), "Replace Save File?");
    EXPECT_EQ(seen.text.toStdString(), "You already have a save file.\n\nDo you want to save "
                                       "anyway? (the old save file will be replaced)");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(RecordsTest, ALoadedGameGoesOnWhereItWasWithItsClock) {
    playASave(2, 5);
    clock.advance(1.0 / 24); // one hour played
    form->game().clockTick();
    const Maze saved = maze();
    const GameState before = form->game().state();
    ASSERT_TRUE(saveGame("Tester", form->game(), *map));
    const std::vector<std::uint8_t> mapBefore = map->overheadMap().picture().rgb;
    state().gameOver = true;
    form->close();

    clock.advance(3.0); // three days later
    Random other(1);
    generateAccepted(maze(), other, 2);
    map->setupMap(form.get(), &maze(), "Tester", 0, 40);
    ASSERT_TRUE(loadGame("Tester", 2, form->game(), *map, clock));
    EXPECT_EQ(maze().grid, saved.grid);
    EXPECT_EQ(maze().posRow, saved.posRow);
    EXPECT_EQ(form->game().state().foodLevel, before.foodLevel);
    EXPECT_EQ(map->overheadMap().lastRow(), saved.posRow);
    form->game().state().newGame = false;
    form->show();
    EXPECT_EQ(form->clockLabel->text().toStdString(), "0 days, 01:00:00");
    EXPECT_EQ(form->foodCount->text().toStdString(), std::to_string(before.foodLevel));
    EXPECT_EQ(map->overheadMap().mapRotation(), saved.compassTurn);
}

TEST_F(RecordsTest, DamagedSavesAreRefusedWithTheirOwnWordsAndChangeNothing) {
    playASave(1, 5);
    ASSERT_TRUE(saveGame("Tester", form->game(), *map));
    const std::string path = savedGamePath("Tester", 1);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();
    const auto tryLoad = [&](const QByteArray& bytes) {
        QFile f(QString::fromStdString(path));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        f.close();
        const int food = form->game().state().foodLevel;
        form->game().state().foodLevel = 4321;
        Dialog seen;
        answer(seen, '\r');
        EXPECT_FALSE(loadGame("Tester", 1, form->game(), *map, clock));
        EXPECT_EQ(form->game().state().foodLevel, 4321);
        form->game().state().foodLevel = food;
        return (seen.title + ": " + seen.text).toStdString();
    };
    QByteArray bad = good;
    bad[2] = 'X';
    EXPECT_EQ(tryLoad(bad), "File Error: " + path + " is not a valid Quorvel Save File!");
    EXPECT_EQ(tryLoad(QByteArray()), "File Error: " + path + " is not a valid Quorvel Save File!");
    bad = good;
    bad[16] = 1;
    EXPECT_EQ(tryLoad(bad), "Data Error: " + path + " has is corrupt or has been altered!");
    bad = good;
    bad[8] = static_cast<char>(131);
    EXPECT_EQ(tryLoad(bad), "Data Error: " + path + " contains invalid data!");
    EXPECT_EQ(tryLoad(good.left(20000)),
              "Data Error: " + path + " has is corrupt or has been altered!");
}

// A folder or a pipe in a save slot is refused as no saved game; the pipe is never
// waited on, so the opening screen never freezes on a load button.
TEST_F(RecordsTest, ASlotHoldingNoFileIsRefusedAsNotValidWithoutWaiting) {
    playASave(1, 5);
    const std::string path = savedGamePath("Tester", 1);
    const auto tryLoad = [&] {
        form->game().state().foodLevel = 4321;
        Dialog seen;
        answer(seen, '\r');
        EXPECT_FALSE(loadGame("Tester", 1, form->game(), *map, clock));
        EXPECT_EQ(form->game().state().foodLevel, 4321);
        return (seen.title + ": " + seen.text).toStdString();
    };
    const std::string notValid = "File Error: " + path + " is not a valid Quorvel Save File!";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path)));
    EXPECT_TRUE(hasSavedGame("Tester", 1));
    EXPECT_EQ(tryLoad(), notValid);
    ASSERT_TRUE(QDir().rmdir(QString::fromStdString(path)));

    ASSERT_TRUE(makePipe(path));
    std::string shown;
    EXPECT_TRUE(runsWithoutWaitingOn(path, [&] { shown = tryLoad(); }));
    EXPECT_EQ(shown, notValid);
}

TEST_F(RecordsTest, WinningALoadedGameDeletesItsSaveAndMapFile) {
    playASave(1, 1234);
    ASSERT_TRUE(saveGame("Tester", form->game(), *map));
    form->game().state().newGame = false;
    // Put the player just before the exit, facing it.
    Maze& m = maze();
    for (int r = 0; r <= 20; ++r)
        if (m.at(r, 20) == cellExit) m.posRow = r, m.posCol = 19, m.facing = 3;
    Dialog winner;
    answer(winner, '\r'); // the winner screen: Enter closes it
    QTest::keyRelease(form.get(), Qt::Key_Up);
    EXPECT_TRUE(form->game().state().gameOver);
    EXPECT_FALSE(hasSavedGame("Tester", 1));
    EXPECT_FALSE(exists(MapWindow::mapFileName("Tester1")));
}

TEST_F(RecordsTest, AGameThatCannotBeSavedIsNotThrownAway) {
    playASave(1, 5);
    // The folder for saved games is a plain file: it can be neither used nor made.
    QFile blocker(QString::fromStdString(folder.home() + "Saved Games"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Dialog question, offer, error;
    whenModal([&](QWidget* box) {
        question.title = box->windowTitle();
        QTest::keyClick(box, 'y');
        whenModal([&](QWidget*) {
            end->yesButton->click();
            answer(error, '\r');
        });
    });
    form->quitButton->click();
    EXPECT_EQ(error.title.toStdString(), "Error");
    EXPECT_EQ(error.text.toStdString(), "Unable to create Saved Game folder!");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->game().playing());
}

TEST_F(RecordsTest, BestTimesRankAndWriteTheWholeFile) {
    BestTimesFile file;
    file.loadBestTimes();
    BestTime result;
    result.name = "Zed";
    result.time = 0.001;
    result.timeText = "0 days, 00:01:26";
    EXPECT_EQ(file.recordBestTime(4, result), 1);
    EXPECT_EQ(QFileInfo(QString::fromStdString(BestTimesFile::path())).size(), 39424);
    BestTimesFile again;
    again.loadBestTimes();
    EXPECT_EQ(again.bestTimes().entry(4, 1).name, "Zed");
    result.time = 1000;
    EXPECT_EQ(again.recordBestTime(4, result), 0);
}

TEST_F(RecordsTest, AReadOnlyBestTimesFileIsNeverReplaced) {
    BestTimesFile file;
    file.loadBestTimes();
    QFile his(QString::fromStdString(BestTimesFile::path()));
    ASSERT_TRUE(his.exists());
    his.setPermissions(QFileDevice::ReadOwner);
    Dialog seen;
    answer(seen, '\r');
    BestTimesFile readonly;
    readonly.loadBestTimes();
    EXPECT_EQ(seen.text.toStdString(), "Unable to write to " + BestTimesFile::path() +
                                           "! High scores may not be able to be viewed");
    EXPECT_EQ(readonly.bestTimes().entry(1, 1).name, "Friend");
    BestTime result;
    result.name = "Ann";
    result.time = 0.01;
    answer(seen, '\r');
    EXPECT_EQ(readonly.recordBestTime(1, result), -1);
    EXPECT_EQ(seen.text.toStdString(), "Unable to write to " + BestTimesFile::path() + "!");
    EXPECT_EQ(readonly.bestTimes().entry(1, 1).name, "Ann"); // shown until the next load
}

// Something that is no file under the best-times file's name is refused as not valid,
// the built-in table stands in, and the thing is left alone: a folder is not removed,
// a pipe is not waited on or copied aside.
TEST_F(RecordsTest, ABestTimesNameHoldingNoFileIsRefusedAndLeftAlone) {
    const std::string path = BestTimesFile::path();
    const std::string notValid =
        "File Error: " + path + " is not a valid Quorvel Score File! Defuault scores will be used!";
    const auto load = [](BestTimesFile& file) {
        Dialog seen;
        answer(seen, '\r');
        file.loadBestTimes();
        return (seen.title + ": " + seen.text).toStdString();
    };
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path)));
    BestTimesFile fromFolder;
    EXPECT_EQ(load(fromFolder), notValid);
    EXPECT_EQ(fromFolder.bestTimes().entry(1, 1).timeText, "0 days, 00:04:52"); // built in
    EXPECT_TRUE(QFileInfo(QString::fromStdString(path)).isDir());
    EXPECT_FALSE(exists(path + ".bak"));
    ASSERT_TRUE(QDir().rmdir(QString::fromStdString(path)));

    ASSERT_TRUE(makePipe(path));
    BestTimesFile fromPipe;
    std::string shown;
    EXPECT_TRUE(runsWithoutWaitingOn(path, [&] { shown = load(fromPipe); }));
    EXPECT_EQ(shown, notValid);
    EXPECT_EQ(fromPipe.bestTimes().entry(6, 3).timeText, "1 day, 00:06:41");
    EXPECT_FALSE(exists(path + ".bak"));
}

} // namespace
} // namespace quorvel::test
