// Saved games and the best-times file on a real program folder, with the game's own
// dialogs answered as a player would.

#include <bit>
#include <filesystem>
#include <functional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "files/besttimesfile.h"
#include "files/inifile.h"
#include "files/programfolder.h"
#include "files/resourcefile.h"
#include "files/savedgamefiles.h"
#include "game/savefile.h"
#include "gamescreenparts.h"
#include "play/savedgames.h"
#include "screenfixture.h"
#include "support/diskfaults.h"
#include "support/pipewatch.h"
#include "support/unprivileged.h"
#include "widgets/messagedialog.h"

namespace quorvel::test {
namespace {

// A problem with the best-times file, told in the game's error dialog.
void showFileError(const std::string& title, const std::string& text) {
    errorBox(title, text);
}

bool exists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
}

QByteArray bytesOf(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList entries(const std::string& folder) {
    return QDir(QString::fromStdString(folder))
        .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

std::string lastLoggedError() {
    return IniFile::load(installRecordPath()).readString("Tendrik.LastError", "Description", "");
}

// Answers the next dialog with a key and keeps its title and text; then, still inside
// that dialog's turn, does what comes next (such as answering the dialog after it).
struct Dialog {
    QString title, text;
    std::string said() const { return (title + ": " + text).toStdString(); }
};
void answer(Dialog& seen, char key, std::function<void()> then = {}) {
    whenModal([&seen, key, then](QWidget* box) {
        seen.title = box->windowTitle();
        if (auto* label = box->findChild<QLabel*>("Label1")) seen.text = label->text();
        QTest::keyClick(box, key);
        if (then) then();
    });
}

class RecordsTest : public ScreenTest {
  protected:
    void playASave(int level, std::uint32_t seed) {
        newGame(level, seed);
        faceOpenCell();
        QTest::keyRelease(form.get(), Qt::Key_Up);
    }
    /// Tester's saved game of level 1 loaded, and refused without touching the game: the
    /// words of the refusal.
    std::string refusedLoad() {
        const int food = state().foodLevel;
        state().foodLevel = 4321;
        Dialog seen;
        answer(seen, '\r');
        EXPECT_FALSE(loadGame("Tester", 1, form->game(), map->overheadMap(), session.ask()));
        EXPECT_EQ(state().foodLevel, 4321);
        state().foodLevel = food;
        return seen.said();
    }
};

TEST_F(RecordsTest, SavingALevelWritesItsOwnSlotAndMapFileOnly) {
    session.playerName = "Ann";
    playASave(3, 99);
    ASSERT_TRUE(saveGame("Ann", form->game(), map->overheadMap(), session.ask()));
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
    ASSERT_TRUE(saveGame("Tester", form->game(), map->overheadMap(), session.ask()));
    const QByteArray before = bytesOf(savedGamePath("Tester", 1));
    ASSERT_FALSE(before.isEmpty());
    QTest::keyRelease(form.get(), Qt::Key_Down); // the game moves on
    Dialog seen;
    answer(seen, 'n');
    EXPECT_TRUE(saveGame("Tester", form->game(), map->overheadMap(), session.ask()));
    EXPECT_EQ(seen.title.toStdString(), "Replace Save File?");
    EXPECT_EQ(seen.text.toStdString(), "You already have a save file.\n\nDo you want to save "
                                       "anyway? (the old save file will be replaced)");
    EXPECT_EQ(bytesOf(savedGamePath("Tester", 1)), before);
}

TEST_F(RecordsTest, ALoadedGameGoesOnWhereItWasWithItsClock) {
    playASave(2, 5);
    clock.advance(1.0 / 24); // one hour played
    form->game().clockTick();
    const Maze saved = maze();
    const GameState before = form->game().state();
    ASSERT_TRUE(saveGame("Tester", form->game(), map->overheadMap(), session.ask()));
    const std::vector<std::uint8_t> mapBefore = map->overheadMap().picture().rgb;
    const Tally placed = map->overheadMap().placedTally(); // for the statistics of a win
    closeGame();

    clock.advance(3.0); // three days later
    Random other(1);
    generateAccepted(maze(), other, 2);
    map->setupMap(form.get(), maze(), "Tester");
    ASSERT_TRUE(loadGame("Tester", 2, form->game(), map->overheadMap(), session.ask()));
    EXPECT_EQ(maze().grid, saved.grid);
    EXPECT_EQ(maze().posRow, saved.posRow);
    EXPECT_EQ(form->game().state().foodLevel, before.foodLevel);
    EXPECT_EQ(map->overheadMap().lastRow(), saved.posRow);
    EXPECT_EQ(map->overheadMap().placedTally(), placed);
    form->game().state().newGame = false;
    form->show();
    EXPECT_EQ(parts(form).clockLabel->text().toStdString(), "0 days, 01:00:00");
    EXPECT_EQ(parts(form).foodCount->text().toStdString(), std::to_string(before.foodLevel));
    EXPECT_EQ(map->overheadMap().mapRotation(), saved.compassTurn);
}

// A game's maze number is saved with it and shown again when the game is loaded; a
// saved game from before numbers were kept loads and plays without one.
TEST_F(RecordsTest, TheMazeNumberComesBackWithItsSavedGameAndAnOlderSaveHasNone) {
    playASave(3, 12345);
    EXPECT_TRUE(parts(form).mazeNumberLine->isVisible());
    EXPECT_EQ(parts(form).mazeNumberLine->text().toStdString(), "Maze 3-12345");
    EXPECT_NE(parts(form).clockLabel->toolTip().toStdString().find("quorvel3d --maze 3-12345"),
              std::string::npos);
    ASSERT_TRUE(saveGame("Tester", form->game(), map->overheadMap(), session.ask()));
    closeGame();

    const auto load = [this] {
        Random other(1);
        generateAccepted(maze(), other, 3); // a game of another number was played since
        map->setupMap(form.get(), maze(), "Tester");
        EXPECT_TRUE(loadGame("Tester", 3, form->game(), map->overheadMap(), session.ask()));
        state().newGame = false;
        form->show();
    };
    load();
    EXPECT_EQ(maze().seed, std::optional<std::uint32_t>(12345));
    EXPECT_EQ(parts(form).mazeNumberLine->text().toStdString(), "Maze 3-12345");
    closeGame();

    // As an older game left it: zeros where the number is kept.
    const std::string path = savedGamePath("Tester", 3);
    QByteArray bytes = bytesOf(path);
    ASSERT_EQ(bytes.mid(296, 4), QByteArray("QV3N"));
    bytes.replace(296, 8, QByteArray(8, '\0'));
    put(path, bytes);
    load();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(maze().seed, std::nullopt);
    EXPECT_FALSE(parts(form).mazeNumberLine->isVisible());
    EXPECT_EQ(parts(form).clockLabel->toolTip(), "");
}

TEST_F(RecordsTest, DamagedSavesAreRefusedWithTheirOwnWordsAndChangeNothing) {
    playASave(1, 5);
    ASSERT_TRUE(saveGame("Tester", form->game(), map->overheadMap(), session.ask()));
    const std::string path = savedGamePath("Tester", 1);
    const QByteArray good = bytesOf(path);
    ASSERT_FALSE(good.isEmpty());
    const auto tryLoad = [&](const QByteArray& bytes) {
        put(path, bytes);
        return refusedLoad();
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
    const std::string notValid = "File Error: " + path + " is not a valid Quorvel Save File!";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path)));
    EXPECT_TRUE(hasSavedGame("Tester", 1));
    EXPECT_EQ(refusedLoad(), notValid);
    ASSERT_TRUE(QDir().rmdir(QString::fromStdString(path)));

    ASSERT_TRUE(makePipe(path));
    std::string shown;
    EXPECT_TRUE(runsWithoutWaitingOn(path, [&] { shown = refusedLoad(); }));
    EXPECT_EQ(shown, notValid);
}

TEST_F(RecordsTest, WinningALoadedGameDeletesItsSaveAndMapFile) {
    playASave(1, 1234);
    ASSERT_TRUE(saveGame("Tester", form->game(), map->overheadMap(), session.ask()));
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
    EXPECT_FALSE(exists(savedMapPath("Tester1")));
}

TEST_F(RecordsTest, AGameThatCannotBeSavedIsNotThrownAway) {
    playASave(1, 5);
    // The folder for saved games is a plain file: it can be neither used nor made.
    QFile blocker(QString::fromStdString(folder.home() + "Saved Games"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Dialog question, error;
    answer(question, 'y', [&] {
        whenModal([&](QWidget*) {
            end->yesButton->click();
            answer(error, '\r');
        });
    });
    parts(form).quitButton->click();
    EXPECT_EQ(question.title.toStdString(), "Quit game?");
    EXPECT_EQ(error.title.toStdString(), "Error");
    EXPECT_EQ(error.text.toStdString(), "Unable to create Saved Game folder!");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->game().playing());
}

// A save is a pair: the record and its map picture are replaced together or not at all.
class SavePairTest : public RecordsTest {
  protected:
    std::string save, mapFile;
    QByteArray oldSave, oldMap;

    /// Saves a game of the level, then changes both what the record and what the map
    /// picture would hold, so a new save would replace both files.
    void saveThenPlayOn(int level) {
        playASave(level, 5);
        ASSERT_TRUE(saveGame("Tester", form->game(), map->overheadMap(), session.ask()));
        save = savedGamePath("Tester", level);
        mapFile = savedMapPath("Tester" + std::to_string(level));
        oldSave = bytesOf(save);
        oldMap = bytesOf(mapFile);
        state().stepCount += 1;
        map->overheadMap().plotCell(3, 3, mapColour::aqua);
    }
    void expectOldPairAndNoTemporaries() {
        EXPECT_EQ(bytesOf(save), oldSave);
        EXPECT_EQ(bytesOf(mapFile), oldMap);
        for (const QString& name : entries(savedGamesFolder()))
            EXPECT_FALSE(name.startsWith('.')) << name.toStdString();
    }
};

TEST_F(SavePairTest, WhenTheMapFileIsRefusedTheOldSavedGameStaysWithIt) {
    // At level 6 the map file (47054 bytes) is larger than the record (34304): the
    // record would fit under the limit, the map file does not.
    saveThenPlayOn(6);
    Dialog replace, error;
    answer(replace, 'y', [&] { answer(error, '\r'); });
    bool saved = true;
    {
        FileSizeLimit limit(40000);
        saved = saveGame("Tester", form->game(), map->overheadMap(), session.ask());
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(replace.title.toStdString(), "Replace Save File?");
    EXPECT_EQ(error.said(), "Save Error: Unable to write to " + mapFile + "!");
    expectOldPairAndNoTemporaries();
}

TEST_F(SavePairTest, WhenTheRecordIsRefusedTheQuitIsCalledOffAndTheOldPairStays) {
    // At level 1 the map file (1954 bytes) fits under the limit, the record does not.
    saveThenPlayOn(1);
    Dialog question, replace, error;
    answer(question, 'y', [&] {
        whenModal([&](QWidget*) {
            end->yesButton->click();
            answer(replace, 'y', [&] { answer(error, '\r'); });
        });
    });
    {
        FileSizeLimit limit(20000);
        parts(form).quitButton->click();
    }
    EXPECT_EQ(replace.title.toStdString(), "Replace Save File?");
    EXPECT_EQ(error.said(), "Save Error: Unable to write to " + save + "!");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->game().playing());
    expectOldPairAndNoTemporaries();
}

TEST_F(SavePairTest, ASaveReplacesBothFilesAndLeavesNoTemporaries) {
    saveThenPlayOn(2);
    Dialog replace;
    answer(replace, 'y');
    ASSERT_TRUE(saveGame("Tester", form->game(), map->overheadMap(), session.ask()));
    EXPECT_NE(bytesOf(save), oldSave);
    EXPECT_NE(bytesOf(mapFile), oldMap);
    EXPECT_EQ(bytesOf(mapFile).size(), 6174);
    EXPECT_EQ(entries(savedGamesFolder()),
              (QStringList{"Tester2.map", "Tester2.run", "Tester2.sav"}));
}

TEST_F(RecordsTest, AMapTurnedThreeQuartersComesBackAsItWasSaved) {
    Random rng(21);
    generateAccepted(maze(), rng, 2);
    maze().compassTurn = 3;
    state().newGame = true;
    map->setupMap(form.get(), maze(), "Tester");
    form->show();
    map->show();
    // Turned three quarters, grid point (a, b) of a 40-maze is picture pixel
    // (b, 44 - a): (5, 7) is (7, 39), near the bottom, so a picture stored or read
    // upside down or turned would show it elsewhere.
    map->overheadMap().plotCell(5, 7, mapColour::aqua);
    ASSERT_EQ(map->overheadMap().picture().pixel(7, 39), mapColour::aqua);
    const std::vector<std::uint8_t> painted = map->overheadMap().picture().rgb;
    ASSERT_TRUE(saveGame("Tester", form->game(), map->overheadMap(), session.ask()));
    const QByteArray file = bytesOf(savedMapPath("Tester2"));
    const auto stored = decodeBmp(std::vector<std::uint8_t>(file.begin(), file.end()));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->rgb, painted);
    closeGame();

    Random other(1);
    generateAccepted(maze(), other, 2);
    maze().compassTurn = 0;
    map->setupMap(form.get(), maze(), "Tester");
    ASSERT_TRUE(loadGame("Tester", 2, form->game(), map->overheadMap(), session.ask()));
    EXPECT_EQ(maze().compassTurn, 3);
    EXPECT_EQ(map->overheadMap().mapRotation(), 3);
    EXPECT_EQ(map->overheadMap().picture().width, 45);
    EXPECT_EQ(map->overheadMap().picture().pixel(7, 39), mapColour::aqua);
    EXPECT_EQ(map->overheadMap().picture().pixel(39, 7), mapColour::black);
}

TEST_F(RecordsTest, ANegativePlayingTimeInASavedGameStartsTheClockAtZero) {
    playASave(1, 5);
    ASSERT_TRUE(saveGame("Tester", form->game(), map->overheadMap(), session.ask()));
    const std::string path = savedGamePath("Tester", 1);
    QByteArray bytes = bytesOf(path);
    const auto bits = std::bit_cast<std::uint64_t>(-1.0); // a day less than nothing
    for (int i = 0; i < 8; ++i)
        bytes[288 + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    put(path, bytes);
    closeGame();

    ASSERT_TRUE(loadGame("Tester", 1, form->game(), map->overheadMap(), session.ask()));
    EXPECT_EQ(state().elapsed, 0.0);
    EXPECT_EQ(state().startTime, clock.now());
    state().newGame = false;
    form->show();
    EXPECT_EQ(parts(form).clockLabel->text().toStdString(), "0 days, 00:00:00");
}

TEST_F(RecordsTest, BestTimesRankAndWriteTheWholeFile) {
    BestTimesFile file{showFileError};
    file.loadBestTimes();
    BestTime result{.name = "Zed", .time = 0.001, .timeText = "0 days, 00:01:26"};
    EXPECT_EQ(file.recordBestTime(4, result), 1);
    EXPECT_EQ(QFileInfo(QString::fromStdString(BestTimesFile::path())).size(), 39424);
    BestTimesFile again{showFileError};
    again.loadBestTimes();
    EXPECT_EQ(again.bestTimes().entry(4, 1).name, "Zed");
    result.time = 1000;
    EXPECT_EQ(again.recordBestTime(4, result), 0);
}

TEST_F(RecordsTest, AReadOnlyBestTimesFileIsNeverReplaced) {
    BestTimesFile file{showFileError};
    file.loadBestTimes();
    QFile his(QString::fromStdString(BestTimesFile::path()));
    ASSERT_TRUE(his.exists());
    his.setPermissions(QFileDevice::ReadOwner);
    const QByteArray before = bytesOf(BestTimesFile::path());
    Dialog seen;
    answer(seen, '\r');
    BestTimesFile readonly{showFileError};
    readonly.loadBestTimes();
    EXPECT_EQ(seen.text.toStdString(), "Unable to write to " + BestTimesFile::path() +
                                           "! High scores may not be able to be viewed");
    EXPECT_EQ(readonly.bestTimes().entry(1, 1).name, "Friend");
    const BestTime result{.name = "Ann", .time = 0.01, .timeText = ""};
    answer(seen, '\r');
    EXPECT_EQ(readonly.recordBestTime(1, result), -1);
    EXPECT_EQ(seen.text.toStdString(), "Unable to write to " + BestTimesFile::path() + "!");
    EXPECT_EQ(readonly.bestTimes().entry(1, 1).name, "Ann"); // shown until the next load
    EXPECT_EQ(bytesOf(BestTimesFile::path()), before);

    // A file a player may write but not read may hold the players' only results: the
    // game plays with the default table and never writes over it, not even for a win.
    ASSERT_TRUE(his.setPermissions(QFileDevice::WriteOwner | QFileDevice::WriteGroup |
                                   QFileDevice::WriteOther));
    test::openToEveryone(folder.root());
    test::openToEveryone(folder.home());
    const int outcome = test::runUnprivileged([] {
        std::string told;
        BestTimesFile unreadable{[&](const std::string&, const std::string& text) { told = text; }};
        unreadable.loadBestTimes();
        const bool warned = told == "Unable to write to " + BestTimesFile::path() +
                                        "! High scores may not be able to be viewed";
        const BestTime win{.name = "Bea", .time = 0.01, .timeText = ""};
        const bool refused = unreadable.recordBestTime(1, win) == -1 &&
                             told == "Unable to write to " + BestTimesFile::path() + "!";
        return warned && refused ? 0 : 1;
    });
    EXPECT_EQ(outcome, 0);
    his.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(bytesOf(BestTimesFile::path()), before);
}

// The best-times file when it is damaged, when it cannot be copied aside, and when
// the disk refuses a win.
class BestTimesRecovery : public RecordsTest {
  protected:
    const std::string p = BestTimesFile::path();
    const QByteArray damaged = "damaged" + QByteArray(5000, 'x');
    std::string builtIn() {
        std::string bytes;
        EXPECT_TRUE(readResource("scores", "BIN", bytes));
        return bytes;
    }
};

TEST_F(BestTimesRecovery, ADamagedFileIsKeptAsBakThenTheBuiltInTableTakesItsPlace) {
    put(p, damaged);
    put(p + ".bak", "an older backup");
    Dialog seen;
    answer(seen, '\r');
    BestTimesFile file{showFileError};
    file.loadBestTimes();
    EXPECT_EQ(seen.said(), "File Error: " + p +
                               " is not a valid Quorvel Score File! Defuault scores will be used!");
    EXPECT_EQ(bytesOf(p + ".bak"), damaged);
    EXPECT_EQ(bytesOf(p).toStdString(), builtIn());
    EXPECT_EQ(file.bestTimes().entry(1, 1).timeText, "0 days, 00:04:52");
    EXPECT_EQ(file.bestTimes().entry(6, 3).timeText, "1 day, 00:06:41");
}

TEST_F(BestTimesRecovery, ADamagedFileThatCannotBeCopiedAsideIsNotReplaced) {
    put(p, damaged);
    std::filesystem::create_directories(p + ".bak/in the way");
    Dialog seen;
    answer(seen, '\r');
    BestTimesFile file{showFileError};
    file.loadBestTimes();
    EXPECT_EQ(seen.title.toStdString(), "File Error");
    EXPECT_EQ(bytesOf(p), damaged);
    EXPECT_EQ(lastLoggedError(), "Unable to write to " + p + ".bak!");
    // The run goes on with the built-in table.
    EXPECT_EQ(file.bestTimes().entry(1, 1).timeText, "0 days, 00:04:52");
}

TEST_F(BestTimesRecovery, AWinTheDiskRefusesKeepsTheOldFileAndSaysSo) {
    BestTimesFile file{showFileError};
    file.loadBestTimes();
    const QByteArray before = bytesOf(p);
    ASSERT_EQ(before.size(), 39424);
    const BestTime result{.name = "Zed", .time = 0.001, .timeText = "0 days, 00:01:26"};
    Dialog seen;
    answer(seen, '\r');
    int rank = 0;
    {
        FileSizeLimit limit(1000);
        rank = file.recordBestTime(4, result);
    }
    EXPECT_EQ(rank, -1);
    EXPECT_EQ(seen.said(), "File Error: Unable to write to " + p + "!");
    EXPECT_EQ(lastLoggedError(), "Unable to write to " + p + "!");
    EXPECT_EQ(bytesOf(p), before);
    EXPECT_EQ(entries(folder.home()), (QStringList{"quorvel3d.his", "quorvel3d.tk"}));
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
        return seen.said();
    };
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path)));
    BestTimesFile fromFolder{showFileError};
    EXPECT_EQ(load(fromFolder), notValid);
    EXPECT_EQ(fromFolder.bestTimes().entry(1, 1).timeText, "0 days, 00:04:52"); // built in
    EXPECT_TRUE(QFileInfo(QString::fromStdString(path)).isDir());
    EXPECT_FALSE(exists(path + ".bak"));
    ASSERT_TRUE(QDir().rmdir(QString::fromStdString(path)));

    ASSERT_TRUE(makePipe(path));
    BestTimesFile fromPipe{showFileError};
    std::string shown;
    EXPECT_TRUE(runsWithoutWaitingOn(path, [&] { shown = load(fromPipe); }));
    EXPECT_EQ(shown, notValid);
    EXPECT_EQ(fromPipe.bestTimes().entry(6, 3).timeText, "1 day, 00:06:41");
    EXPECT_FALSE(exists(path + ".bak"));
}

} // namespace
} // namespace quorvel::test
