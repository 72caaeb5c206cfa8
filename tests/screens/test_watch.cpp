// Watching a run on the game screen: a won game's run plays to its recorded end and
// writes nothing; the watch's keys pause, step, set the speed and stop it, and the keys
// and buttons of play do nothing; the best-times screen offers the kept runs and marks
// those that check.

#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <map>

#include "files/inifile.h"
#include "files/programfolder.h"
#include "files/runfiles.h"
#include "files/settingsfile.h"
#include "game/runplayer.h"
#include "gamescreenparts.h"
#include "screenfixture.h"
#include "screens/besttimesscreen.h"
#include "screens/runwatch.h"
#include "screens/statisticsscreen.h"
#include "screenshot.h"
#include "widgets/language.h"
#include "widgets/messagedialog.h"

namespace quorvel::test {
namespace {

namespace fs = std::filesystem;

/// Every file under the program folder with its bytes.
std::map<std::string, std::string> filesOnDisk() {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(programFolder())) {
        if (e.is_regular_file()) files[e.path().string()] = fileBytes(e.path().string());
    }
    return files;
}

class WatchTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        // The game's timers tick only when the test says, so the clock's ticks come a
        // second apart on the test's clock, as they do on a player's.
        parts(form).clockTimer->setInterval(86'400'000);
        parts(form).runTimer->setInterval(86'400'000);
    }

    /// Wins a level-1 maze made from its number with the arrow keys, 0.4 s a cell and
    /// the clock ticking every 1.2 s; gives the run the game kept in "Replays".
    RunRecord playAWin() {
        newGame(1, 1234);
        whenModal([this](QWidget*) { end->closeButton->click(); });
        int cells = 0;
        for (const auto& cell : pathToExit(maze())) {
            if (!form->isVisible()) break;
            clock.advance(0.4 / secondsPerDay);
            if (++cells % 3 == 0) form->game().clockTick();
            walkInto(*form, cell);
        }
        EXPECT_EQ(form->game().run().outcome.result, RunResult::won);
        RunRecord kept;
        for (const auto& e : fs::directory_iterator(replaysFolder()))
            EXPECT_FALSE(readRunFile(e.path().string(), kept));
        return kept;
    }

    /// Watches run at 4x, a thousand times faster still; the end message's words.
    std::string watchToTheEnd(const RunRecord& run) {
        RunWatch watch(session, *form, map.get(), run);
        watch.setSpeed(4);
        watch.setPace(1000);
        std::string said, shown;
        whenModal([&](QWidget*) {
            said = messageDialog()->textLabel->text().toStdString();
            shown = (parts(form).gemCount->text() + " " + parts(form).stepCounter->text() + " " +
                     parts(form).nameLabel->text())
                        .toStdString();
            messageDialog()->middleButton->click();
        });
        bool ended = false;
        QObject::connect(&watch, &RunWatch::ended, [&ended] { ended = true; });
        EXPECT_TRUE(watch.start());
        EXPECT_TRUE(form->isVisible() && map->isVisible());
        EXPECT_TRUE(QTest::qWaitFor([&ended] { return ended; }, 20000));
        EXPECT_EQ(said, watch.verdict());
        if (said.starts_with("The run reached")) { // the end as it was played, by its player
            EXPECT_EQ(shown, std::to_string(run.outcome.gems) + " " +
                                 std::to_string(run.outcome.steps) + " " + run.player);
        }
        return said;
    }
};

TEST_F(WatchTest, AWonRunPlaysToItsRecordedEndAndTheWatchWritesNothing) {
    const RunRecord run = playAWin();
    ASSERT_EQ(run.outcome.result, RunResult::won);
    const auto before = filesOnDisk();
    ASSERT_TRUE(before.contains(settingsPath()));
    session.playerName = "Watcher"; // the run speaks of its own player

    EXPECT_EQ(watchToTheEnd(run), "The run reached its recorded result: won in " +
                                      clockText(run.outcome.elapsed) + " with " +
                                      std::to_string(run.outcome.gems) + " gems and " +
                                      std::to_string(run.outcome.steps) + " steps.");
    EXPECT_FALSE(form->isVisible() || map->isVisible());
    EXPECT_EQ(form->windowTitle(), "Quorvel 3-D.");
    EXPECT_EQ(filesOnDisk(), before) << "settings, best times, saved games and Replays";

    // One action changed: the watch ends where the run leaves its record.
    RunRecord changed = run;
    for (RunEvent& e : changed.events)
        if (e.action == RunAction::stepForward) {
            e.action = RunAction::turnLeft;
            break;
        }
    EXPECT_TRUE(watchToTheEnd(changed).starts_with("The run departed from its record at event "));

    // The screen plays its own games again afterwards.
    session.playerName = "Tester";
    form->game().newMaze(1, 99);
    form->show();
    EXPECT_TRUE(form->game().playing());
    EXPECT_TRUE(parts(form).clockTimer->isActive());
    // ... and the map stores its settings again.
    IniFile settings = IniFile::load(settingsPath());
    settings.writeInteger("Tester.MapSettings", "Zoom20", 99);
    ASSERT_TRUE(settings.save(settingsPath()));
    map->saveMapSettings("Tester");
    EXPECT_LE(IniFile::load(settingsPath()).readInteger("Tester.MapSettings", "Zoom20", 99), 4);
}

TEST_F(WatchTest, SpacePausesRightPlaysOneEventThePlayKeysDoNothingAndEscStops) {
    const RunRecord run = playAWin();
    RunWatch watch(session, *form, map.get(), run);
    ASSERT_TRUE(watch.start());
    // The title says who and how fast, the keys stand whole on the screen.
    const QLabel* keys = form->findChild<QLabel*>("watchKeys");
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(form->windowTitle(), "Watching Tester's run: 1x");
    EXPECT_TRUE(keys->isVisible() && keys->text().contains("Space pauses"));
    EXPECT_GE(keys->height(), keys->heightForWidth(keys->width()));
    for (const char* language : {"de", "fr", "es"}) { // and whole in every language
        installTranslations(language);
        QLabel said(watch.keyHelp());
        said.setFont(keys->font());
        said.setWordWrap(true);
        EXPECT_GE(keys->height(), said.heightForWidth(keys->width())) << language;
        EXPECT_NE(said.text(), keys->text()) << language;
    }
    installTranslations("");
    RunRecord longName = run; // a name longer than a best time keeps, cut with an ellipsis
    longName.player = "Bartholomew Fitzwilliam Montgomery-Smythe";
    EXPECT_EQ(RunWatch(session, *form, map.get(), longName).title(),
              QString::fromUtf8("Watching Bartholomew Fitzwill\u2026's run: 1x"));
    // A new speed counts from the moment it is chosen, not from the last event: half a
    // second at a quarter of 1x, then 4x, leaves the next step (0.4 s on) still to come.
    watch.setPace(0.25);
    QTest::qWait(500);
    const std::size_t first = watch.played();
    QTest::keyClick(form.get(), Qt::Key_4);
    QTest::qWait(50);
    EXPECT_EQ(watch.played(), first);
    // So does a new pace: back at 1x for half a second, then at half pace.
    watch.setSpeed(1);
    QTest::qWait(500);
    watch.setPace(0.5);
    QTest::qWait(30);
    EXPECT_EQ(watch.played(), first);
    QTest::keyClick(form.get(), Qt::Key_Space);
    ASSERT_TRUE(watch.paused());
    EXPECT_EQ(form->windowTitle(), "Watching Tester's run: paused");
    EXPECT_TRUE(keys->text().contains("Right plays one event"));
    EXPECT_GE(keys->height(), keys->heightForWidth(keys->width()));
    const std::size_t at = watch.played();
    QTest::keyClick(form.get(), Qt::Key_Right);
    QTest::keyClick(form.get(), Qt::Key_Right);
    EXPECT_EQ(watch.played(), at + 2);

    const std::uint32_t game = runDigest(maze(), state());
    parts(form).forwardButton->click();
    parts(form).turnLeftButton->click();
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Down})
        QTest::keyClick(form.get(), key);
    for (const char key : {'r', 'u', 's', 'w'})
        QTest::keyClick(form.get(), key);
    parts(form).soundsButton->click();
    parts(form).quitButton->click();
    EXPECT_EQ(runDigest(maze(), state()), game);
    EXPECT_FALSE(session.sound->noSound);
    // The map's colours switch for whoever watches, and the player's own stay as kept.
    QTest::keyClick(form.get(), 'p');
    EXPECT_EQ(map->mapPalette(), MapPalette::colourBlindSafe);
    EXPECT_EQ(loadMapPalette("Tester", -1), -1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(parts(form).runTimer->isActive() || parts(form).clockTimer->isActive());

    QTest::keyClick(form.get(), Qt::Key_4);
    EXPECT_EQ(watch.speed(), 4);
    QTest::qWait(30);
    EXPECT_EQ(watch.played(), at + 2) << "still paused";
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(watch.watching());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(keys->isVisibleTo(form.get()));
    EXPECT_EQ(watch.verdict(), "") << "stopped, it says nothing";
}

TEST_F(WatchTest, BestTimesOfferTheirKeptRunsAndMarkThoseThatCheck) {
    // In a program folder whose name is not UTF-8 (unpacked from an old archive).
    const std::string latin1 = folder.root() + "Spiele f\xFCr Ann/";
    fs::create_directories(latin1);
    setProgramFolders(latin1, "quorvel3d", folder.config());
    const RunRecord run = playAWin();
    // A second result whose kept run does not reach the time it claims.
    RunRecord claimed = run;
    claimed.player = "Claimer Bartholomew Fitzwilliam"; // longer than the table keeps
    claimed.outcome.elapsed += 1.0 / secondsPerDay;
    BestTimes table = session.bestTimes.bestTimes();
    BestTime entry = table.entry(1, 1);
    entry.name = claimed.player;
    entry.time = claimed.outcome.elapsed;
    ASSERT_EQ(table.record(1, entry), 2);
    ASSERT_FALSE(keepRun(claimed, table).empty());

    StatisticsScreen stats(session);
    BestTimesScreen times(stats);
    times.fillTimes(table);
    times.show();
    ASSERT_TRUE(QTest::qWaitFor([&times] { return times.runsChecked(); }, 10000));
    for (int level = 0; level < 6; ++level)
        for (int rank = 0; rank < 3; ++rank) {
            EXPECT_EQ(times.watchButtons[level][rank]->isVisible(), level == 0 && rank < 2);
            EXPECT_EQ(times.checkedMarks[level][rank]->isVisible(), level == 0 && rank == 0);
        }
    screenShot(&times, "besttimes-watch");
    const QLabel* name = times.names[0][1]; // whole from its run, cut to the line with "..."
    EXPECT_TRUE(name->text().endsWith(QChar(0x2026))) << name->text().toStdString();
    EXPECT_EQ(name->toolTip().toStdString(), claimed.player);
    const QLabel* mark = times.checkedMarks[0][0];
    EXPECT_TRUE(mark->toolTip().contains("this very time and gems"));
    EXPECT_LT(mark->geometry().right(),
              times.times[0][0]->geometry().right() -
                  times.times[0][0]->fontMetrics().horizontalAdvance(times.times[0][0]->text()));

    // Runs changed since they were checked are checked again. Swapped, neither is the run
    // of its own time: the genuine one plays again as it says, but not for the claim.
    times.hide();
    const auto kept = runsOfTable(table);
    const std::string genuine = test::fileBytes(kept[0][0].path);
    fs::copy_file(kept[0][1].path, kept[0][0].path, fs::copy_options::overwrite_existing);
    test::putBytes(kept[0][1].path, genuine);
    times.fillTimes(table);
    times.show();
    ASSERT_TRUE(QTest::qWaitFor([&times] { return times.runsChecked(); }, 10000));
    EXPECT_FALSE(times.checkedMarks[0][0]->isVisible());
    EXPECT_FALSE(times.checkedMarks[0][1]->isVisible());

    times.watchButtons[0][0]->click();
    EXPECT_EQ(times.chosenRun(), kept[0][0].path);
    EXPECT_FALSE(times.isVisible());
}

} // namespace
} // namespace quorvel::test
