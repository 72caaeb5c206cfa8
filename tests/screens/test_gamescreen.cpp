// The game screen through its real widgets: layout, keys, clock, quitting, and whole
// games played with key presses.

#include <algorithm>

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "files/inifile.h"
#include "files/programfolder.h"
#include "files/runfiles.h"
#include "game/runplayer.h"
#include "gamescreenparts.h"
#include "screenfixture.h"
#include "screens/helpwindow.h"
#include "screens/messagepanel.h"
#include "screens/statisticsscreen.h"
#include "widgets/accessibility.h"

namespace quorvel::test {
namespace {

TEST_F(ScreenTest, ControlsStandWhereTheGameScreenPutsThem) {
    const GameScreenParts p = parts(form);
    EXPECT_EQ(form->size(), QSize(632, 453));
    EXPECT_EQ(form->windowTitle(), "Quorvel 3-D.");
    const struct {
        QWidget* w;
        QRect r;
    } places[] = {{p.viewPicture, {5, 5, 240, 240}},        {p.namePanel, {5, 247, 240, 22}},
                  {p.leftOpening, {198, 4, 16, 16}},        {p.rightOpening, {218, 4, 16, 16}},
                  {p.compassPicture, {161, 285, 72, 148}},  {p.forwardButton, {57, 277, 33, 25}},
                  {p.turnLeftButton, {25, 309, 29, 25}},    {p.useButton, {61, 309, 25, 25}},
                  {p.turnRightButton, {93, 309, 29, 25}},   {p.backButton, {57, 341, 33, 25}},
                  {p.soundsButton, {25, 385, 33, 25}},      {p.musicButton, {89, 385, 33, 25}},
                  {p.quitButton, {28, 421, 91, 25}},        {p.itemPanel, {253, 110, 157, 340}},
                  {p.clockPanel, {408, 110, 220, 88}},      {p.messagePanel, {253, 5, 375, 107}},
                  {p.compassToolPicture, {12, 15, 37, 36}}, {p.detectorPicture, {12, 55, 37, 36}},
                  {p.beaconPicture, {12, 95, 37, 36}},      {p.gpsPicture, {12, 135, 37, 36}},
                  {p.trackerPicture, {12, 175, 37, 36}}};
    for (const auto& place : places)
        EXPECT_EQ(place.w->geometry(), place.r) << place.w->objectName().toStdString();
    EXPECT_EQ(p.quitButton->text(), "&Quit Maze...");
    EXPECT_EQ(p.clockLabel->text(), "0 days, 00:00:00");
    EXPECT_EQ(p.clockLabel->pos(), QPoint(117, 26));
    EXPECT_EQ(p.stepCounter->pos(), QPoint(119, 63));
    EXPECT_EQ(p.stepCounter->toolTip(), "Current number of steps taken in maze.");
    EXPECT_EQ(p.foodCount->pos(), QPoint(103, 24));
    EXPECT_EQ(p.gemCount->pos(), QPoint(103, 64));
    EXPECT_EQ(p.batteryCount->pos(), QPoint(103, 104));
    EXPECT_FALSE(p.useButton->isEnabled());
    EXPECT_FALSE(p.clockTimer->isActive());
    EXPECT_EQ(p.clockTimer->interval(), 1000);
    EXPECT_EQ(p.runTimer->interval(), 200);
    // A coarse timer may tick a twentieth early, closer than a kept run may show.
    EXPECT_EQ(p.clockTimer->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(p.runTimer->timerType(), Qt::PreciseTimer);
}

TEST_F(ScreenTest, ANewGameShowsFullCountersTheStartMessageAndTheView) {
    newGame(1, 1234);
    EXPECT_FALSE(opening.isVisible());
    EXPECT_EQ(parts(form).foodCount->text(), "100");
    EXPECT_EQ(parts(form).batteryCount->text(), "100%");
    EXPECT_EQ(parts(form).gemCount->text(), "0");
    EXPECT_EQ(parts(form).stepCounter->text(), "0");
    EXPECT_EQ(parts(form).nameLabel->text(), "Tester");
    EXPECT_TRUE(parts(form).clockTimer->isActive());
    EXPECT_FALSE(parts(form).compassPicture->isVisible());
    EXPECT_FALSE(parts(form).messagePanel->messageLine(1).isEmpty()); // the start message
    EXPECT_FALSE(parts(form).viewPicture->pixmap().isNull());
    EXPECT_EQ(parts(form).viewPicture->pixmap().size(), QSize(240, 240));
}

// Facing the map of the maze on a wall, the view shows it; a plain wall there looks
// otherwise.
TEST_F(ScreenTest, TheWallMapAheadIsInTheView) {
    newGame(1, 1234);
    Maze& m = maze();
    const auto look = [&] { // turns away and back: the view is made again
        parts(form).turnLeftButton->click();
        parts(form).turnRightButton->click();
        return parts(form).viewPicture->pixmap().toImage();
    };
    for (int at = 0; at < gridSize * gridSize; ++at) {
        const int r = at / gridSize, c = at % gridSize;
        if (m.at(r, c) != cellWallMap) continue;
        for (int facing = 1; facing <= 4; ++facing) {
            const Step a = aheadStep(facing);
            if (m.at(r - a.dr, c - a.dc) == cellWall) continue;
            m.posRow = r - a.dr;
            m.posCol = c - a.dc;
            m.facing = facing;
            const QImage withMap = look();
            m.set(r, c, cellWall);
            EXPECT_NE(look(), withMap);
            return;
        }
    }
    FAIL() << "no wall map beside an open cell";
}

TEST_F(ScreenTest, ArrowsActOnReleaseAndLettersOnPressInEitherCase) {
    newGame(1, 1234);
    // The pictures beside the name show the openings beside the player after every move.
    const auto sidesShown = [this] {
        return std::pair(parts(form).leftOpening->accessibleDescription(),
                         parts(form).rightOpening->accessibleDescription()) ==
               std::pair(QString(isWall(maze().left()) ? "A wall to the left."
                                                       : "An opening to the left."),
                         QString(isWall(maze().right()) ? "A wall to the right."
                                                        : "An opening to the right."));
    };
    const int facing = maze().facing;
    QTest::keyPress(form.get(), Qt::Key_Right);
    EXPECT_EQ(maze().facing, facing);
    QTest::keyRelease(form.get(), Qt::Key_Right);
    EXPECT_EQ(maze().facing, rightOf(facing));
    EXPECT_TRUE(sidesShown());
    QTest::keyRelease(form.get(), Qt::Key_Left);
    EXPECT_EQ(maze().facing, facing);

    // Face an open cell, then step forward and back.
    faceOpenCell();
    const int row = maze().posRow, col = maze().posCol;
    QTest::keyRelease(form.get(), Qt::Key_Up);
    EXPECT_NE(std::pair(maze().posRow, maze().posCol), std::pair(row, col));
    EXPECT_EQ(parts(form).stepCounter->text(), "1");
    EXPECT_TRUE(sidesShown());
    QTest::keyRelease(form.get(), Qt::Key_Down);
    EXPECT_EQ(std::pair(maze().posRow, maze().posCol), std::pair(row, col));
    EXPECT_EQ(parts(form).foodCount->text(), "98");

    QTest::keyClick(form.get(), 's');
    EXPECT_EQ(parts(form).soundsState->text(), "OFF");
    EXPECT_TRUE(session.sound->noSound);
    QTest::keyClick(form.get(), 'S');
    EXPECT_EQ(parts(form).soundsState->text(), "ON");
    QTest::keyClick(form.get(), 'm');
    EXPECT_EQ(parts(form).musicState->text(), "OFF");
    EXPECT_TRUE(session.sound->noMusic);
    QTest::keyClick(form.get(), 'M');
    EXPECT_FALSE(session.sound->noMusic);

    // The fun keys speak only in themes that give them words; they change nothing else.
    const int food = state().foodLevel, steps = state().stepCount;
    const QString line = parts(form).messagePanel->messageLine(1);
    for (const char key : {'y', 'L', 'c', 'J', 'd'})
        QTest::keyClick(form.get(), key);
    EXPECT_EQ(parts(form).messagePanel->messageLine(1), line);
    EXPECT_EQ(state().foodLevel, food);
    EXPECT_EQ(state().stepCount, steps);
    session.catalogue.setVariants(30, {"<player> yells!"});
    QTest::keyClick(form.get(), 'Y');
    EXPECT_EQ(parts(form).messagePanel->messageLine(1), "  Tester yells!");
}

// A key the [Keys] section moves plays from the next game, as its action does (walking
// on release); the action whose key it took takes the key left free; the help lists the
// keys in force under its page of keys, and only when they are not the game's own.
TEST_F(ScreenTest, KeysMovedInTheSettingsFilePlayFromTheNextGameAndTheHelpNamesThem) {
    HelpWindow help;
    help.expandItem(6);
    const auto yourKeys = [&help] { // the page read afresh, from its list of keys in force
        help.selectItem(9);
        help.selectItem(10);
        EXPECT_EQ(help.pageShown(), "B4");
        const QString page = help.pageViewer->toPlainText();
        return page.contains("Your keys") ? page.mid(page.indexOf("Your keys")) : QString();
    };
    EXPECT_EQ(yourKeys(), "");
    IniFile ini = IniFile::load(settingsPath());
    ini.writeString("Keys", "Up", "K");
    ini.writeString("Keys", "Map", "Up");
    ASSERT_TRUE(ini.save(settingsPath()));
    const QString keys = yourKeys();
    EXPECT_TRUE(keys.contains("K step forward"));
    EXPECT_TRUE(keys.contains("Up the overhead map"));
    EXPECT_FALSE(keys.contains("step back"));

    newGame(1, 1234);
    // Screen readers hear the keys the player has.
    EXPECT_EQ(readerDescription(parts(form).forwardButton), "One step forward; key K.");
    EXPECT_EQ(readerDescription(parts(form).backButton), "One step backwards; key Down.");
    faceOpenCell();
    const std::pair start(maze().posRow, maze().posCol);
    QTest::keyPress(form.get(), Qt::Key_K);
    EXPECT_EQ(std::pair(maze().posRow, maze().posCol), start);
    QTest::keyRelease(form.get(), Qt::Key_K);
    EXPECT_NE(std::pair(maze().posRow, maze().posCol), start);
    EXPECT_EQ(parts(form).stepCounter->text(), "1");
    map->hide();
    QTest::keyClick(form.get(), Qt::Key_Up);
    EXPECT_TRUE(map->isVisible());
    EXPECT_EQ(parts(form).stepCounter->text(), "1");
}

TEST_F(ScreenTest, UUsesTheBatteryUnderfootAndSlashShowsTheStory) {
    newGame(1, 1234);
    int stories = 0;
    QObject::connect(form.get(), &GameScreen::storyWanted, [&stories] { ++stories; });
    QTest::keyClick(form.get(), '/');
    QTest::keyClick(form.get(), '?');
    EXPECT_EQ(stories, 2);

    // A battery box under the player, the light half gone.
    maze().set(maze().posRow, maze().posCol, cellBattery);
    state().batteryLevel = 50;
    form->game().enterCell();
    EXPECT_TRUE(parts(form).useButton->isEnabled());
    EXPECT_EQ(parts(form).useButton->toolTip().toStdString(), "Use batteries");
    QTest::keyClick(form.get(), 'u');
    EXPECT_EQ(state().batteryLevel, 100);
    EXPECT_EQ(parts(form).batteryCount->text().toStdString(), "100%");
    EXPECT_FALSE(parts(form).useButton->isEnabled());
    EXPECT_EQ(maze().here(), cellOpenedBox);
}

TEST_F(ScreenTest, RunningStartsOnRAndStopsAtAWall) {
    newGame(1, 1234);
    faceOpenCell();
    QTest::keyClick(form.get(), 'r');
    EXPECT_TRUE(parts(form).runTimer->isActive());
    for (int i = 0; i < 200 && parts(form).runTimer->isActive(); ++i)
        form->game().runTick();
    EXPECT_FALSE(parts(form).runTimer->isActive());
    EXPECT_TRUE(isWall(maze().ahead()));
}

// Records the effects (by name) and the cues the game screen asks for, in order.
struct HeardSounds : SilentSound {
    std::vector<std::string> heard;
    std::vector<std::string> savedFor;
    void playSound(const std::string&, const std::string& name, const std::string&,
                   SoundMode) override {
        heard.push_back(name);
    }
    void playCue(const StepCue& c) override {
        heard.push_back(std::string("cue") + (c.left ? " left" : "") + (c.right ? " right" : "") +
                        (c.ahead ? " ahead" : ""));
    }
    void saveSoundSettings(const std::string& player) override { savedFor.push_back(player); }
    long cueCount() const {
        return std::ranges::count_if(heard,
                                     [](const std::string& h) { return h.starts_with("cue"); });
    }
};

// A corridor built in the middle of the maze, facing f from P: P, D (an opening on its
// left) and B (a closed box, an opening on its right), then a wall.
TEST_F(ScreenTest, TheCueKeySwitchesCuesThatTellEachStepWhatTheViewDoesNotShow) {
    auto* sound = new HeardSounds;
    session.sound.reset(sound);
    newGame(1, 1234);
    const int f = 2;
    const Step a = aheadStep(f), l = leftStep(f);
    for (int r = 6; r <= 14; ++r)
        for (int c = 6; c <= 14; ++c)
            maze().set(r, c, cellWall);
    const auto cell = [&](int ahead, int left, CellCode code) {
        maze().set(10 + ahead * a.dr + left * l.dr, 10 + ahead * a.dc + left * l.dc, code);
    };
    for (const int d : {-1, 0, 1})
        cell(d, 0, cellOpen);
    cell(1, 1, cellOpen);
    cell(2, 0, cellStone);
    cell(2, -1, cellOpen);
    maze().posRow = maze().posCol = 10;
    maze().facing = f;
    QTest::keyRelease(form.get(), Qt::Key_Left);
    QTest::keyRelease(form.get(), Qt::Key_Right);

    // Off unless switched on: a step sounds as ever and no cue plays.
    QTest::keyRelease(form.get(), Qt::Key_Up);
    QTest::keyRelease(form.get(), Qt::Key_Down);
    EXPECT_EQ(sound->cueCount(), 0);
    EXPECT_EQ(sound->heard.size(), 4u); // two turns, two steps

    // Switched on, the player hears at once what is around: a box two cells ahead.
    sound->heard.clear();
    QTest::keyClick(form.get(), 'e');
    EXPECT_TRUE(sound->cues);
    EXPECT_EQ(sound->savedFor, std::vector<std::string>{"Tester"});
    EXPECT_EQ(parts(form).messagePanel->messageLine(1).trimmed(), "Sound cues on.");
    EXPECT_EQ(sound->heard, std::vector<std::string>{"cue ahead"});

    // A step: its sound, then the cue of the new cell. A turn gives none.
    sound->heard.clear();
    QTest::keyRelease(form.get(), Qt::Key_Up);
    ASSERT_EQ(sound->heard.size(), 2u);
    EXPECT_EQ(sound->heard[1], "cue left ahead");
    QTest::keyRelease(form.get(), Qt::Key_Left);
    QTest::keyRelease(form.get(), Qt::Key_Right);
    EXPECT_EQ(sound->cueCount(), 1);

    // Each step of a run cues; an opened box ahead is nothing to go for.
    sound->heard.clear();
    QTest::keyClick(form.get(), 'r');
    for (int i = 0; i < 5 && parts(form).runTimer->isActive(); ++i)
        form->game().runTick();
    EXPECT_EQ(sound->cueCount(), 1);
    EXPECT_NE(std::ranges::find(sound->heard, "cue right"), sound->heard.end());
    sound->heard.clear();
    QTest::keyRelease(form.get(), Qt::Key_Down);
    EXPECT_EQ(sound->heard.back(), "cue left");

    // Off again: steps are quiet of cues, and the switch is kept again.
    QTest::keyClick(form.get(), 'E');
    EXPECT_FALSE(sound->cues);
    EXPECT_EQ(sound->savedFor.size(), 2u);
    sound->heard.clear();
    QTest::keyRelease(form.get(), Qt::Key_Up);
    EXPECT_EQ(sound->cueCount(), 0);
}

TEST_F(ScreenTest, TheClockCountsDaysAndStopsAtTheCap) {
    newGame(1, 1234);
    EXPECT_EQ(parts(form).clockLabel->text(), "0 days, 00:00:00");
    clock.advance(1.0 + 65.0 / 86400);
    form->game().clockTick();
    EXPECT_EQ(parts(form).clockLabel->text(), "1 day, 00:01:05");
    clock.advance(1.0);
    form->game().clockTick();
    EXPECT_EQ(parts(form).clockLabel->text(), "2 days, 00:01:05");
    clock.advance(100.0);
    form->game().clockTick();
    EXPECT_EQ(parts(form).clockLabel->text(), "99 days, 23:59:59");
    EXPECT_FALSE(parts(form).clockTimer->isActive());
}

TEST_F(ScreenTest, TheQuitQuestionKeepsPlayingOnNoAndOffersToSaveOnYes) {
    newGame(1, 1234);
    whenModal([](QWidget* box) { QTest::keyClick(box, 'n'); });
    parts(form).quitButton->click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(parts(form).clockTimer->isActive());

    bool offered = false;
    whenModal([&](QWidget* box) {
        QTest::keyClick(box, 'y');
        whenModal([&](QWidget* save) {
            offered = save->windowTitle() == "Save?";
            end->noButton->click();
        });
    });
    parts(form).quitButton->click();
    EXPECT_TRUE(offered);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(opening.isVisible());
    EXPECT_FALSE(parts(form).clockTimer->isActive());
    EXPECT_FALSE(map->isVisible());
}

// While the winner screen is open, the win is on disk whole: a program ended there has
// kept the row and the run behind it, which verifies.
TEST_F(ScreenTest, AWholeGameWalkedWithKeysEndsOnTheWinnerScreen) {
    newGame(1, 1234);
    const auto path = pathToExit(maze());
    ASSERT_FALSE(path.empty());
    QString caption;
    bool keptWhole = false;
    whenModal([&](QWidget* screen) {
        caption = screen->windowTitle();
        BestTimesFile onDisk;
        onDisk.loadBestTimes();
        const std::string run = runsOfTable(onDisk.bestTimes())[0][0].path;
        RunRecord kept;
        keptWhole = onDisk.bestTimes().entry(1, 1).name == "Tester" && !run.empty() &&
                    !readRunFile(run, kept) && verifyRun(kept).verified;
        end->closeButton->click();
    });
    for (const auto& cell : path) {
        if (!form->isVisible()) break;
        walkInto(*form, cell);
    }
    EXPECT_EQ(caption.toStdString(),
              "Winner! (New Best Time)"); // the fresh table holds only Friend
    EXPECT_TRUE(keptWhole);
    EXPECT_TRUE(state().gameOver);
    const BestTime best = session.bestTimes.bestTimes().entry(1, 1);
    EXPECT_EQ(best.name, "Tester");
    EXPECT_EQ(best.steps, static_cast<int>(path.size()));
    EXPECT_EQ(best.start[cellFood], 9u);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(BestTimesFile::path())));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(opening.isVisible());
    EXPECT_EQ(maze().here(), cellExit);
    EXPECT_EQ(state().stepCount, static_cast<int>(path.size()));
}

TEST_F(ScreenTest, ALongNameIsCutOnScreenButTheStatisticsAndFilesGetItWhole) {
    const std::string name = "Wilhelmina_Wolfsbane_Wetherby_Worthington";
    session.playerName = name;
    newGame(1, 1234);
    QLabel* shown = parts(form).nameLabel;
    EXPECT_TRUE(shown->text().endsWith(QChar(0x2026)));
    EXPECT_LE(shown->fontMetrics().horizontalAdvance(shown->text()), shown->width());
    EXPECT_EQ(shown->toolTip().toStdString(), name);
    ASSERT_TRUE(play->saveGame());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(savedGamePath(name, 1))));

    // Won, with the statistics opened from the winner screen as the program opens them.
    StatisticsScreen stats(session);
    GameStatsSource seen;
    QObject::connect(end.get(), &EndScreen::statisticsWanted, [&](int rank) {
        seen = gameStatsSource(*form, "Nice -n- &Easy...", *map);
        stats.fillGameStats(rank, seen);
    });
    whenModal([&](QWidget*) { end->statsButton->click(); });
    for (const auto& cell : pathToExit(maze())) {
        if (!form->isVisible()) break;
        walkInto(*form, cell);
    }
    ASSERT_TRUE(state().gameOver);
    EXPECT_EQ(seen.player, name);
    EXPECT_EQ(seen.level, "Nice -n- &Easy...");
    EXPECT_EQ(seen.timeText, parts(form).clockLabel->text().toStdString());
    EXPECT_EQ(seen.stepText, parts(form).stepCounter->text().toStdString());
    EXPECT_EQ(seen.placed, map->overheadMap().placedTally());
    EXPECT_EQ(stats.playerLine->text().toStdString(), name); // the statistics line has room
    // The best-times file keeps what its format holds of the whole name, never the cut text.
    const std::string best = session.bestTimes.bestTimes().entry(1, 1).name;
    EXPECT_FALSE(best.empty());
    EXPECT_EQ(name.substr(0, best.size()), best);
}

TEST_F(ScreenTest, AGameLostForFoodEndsOnTheLoserScreen) {
    newGame(1, 1234);
    state().foodLevel = 1;
    QString caption;
    bool statsShown = true, closeShown = false;
    whenModal([&](QWidget* screen) {
        caption = screen->windowTitle();
        statsShown = end->statsButton->isVisible();
        closeShown = end->closeButton->isVisible();
        end->closeButton->click();
    });
    faceOpenCell();
    QTest::keyRelease(form.get(), Qt::Key_Up);
    EXPECT_EQ(caption.toStdString(), "You Lose");
    EXPECT_FALSE(statsShown);
    EXPECT_TRUE(closeShown);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(end->closeButton->isVisible()); // the buttons are hidden again
    // Nothing moves once the screen has closed, not even a run tick.
    const int row = maze().posRow, col = maze().posCol;
    form->game().runTick();
    QTest::keyRelease(form.get(), Qt::Key_Up);
    EXPECT_EQ(std::pair(maze().posRow, maze().posCol), std::pair(row, col));
}

TEST_F(ScreenTest, TheWindowPositionIsKeptPerPlayerAndMazeSize) {
    newGame(2, 77);
    form->move(123, 45);
    closeGame();
    const IniFile ini = IniFile::load(settingsPath());
    EXPECT_EQ(ini.readInteger("Tester.Settings", "Left40", -1), 123);
    EXPECT_EQ(ini.readInteger("Tester.Settings", "Top40", -1), 45);
    EXPECT_FALSE(ini.hasKey("Tester.Settings", "Left20"));
}

} // namespace
} // namespace quorvel::test
