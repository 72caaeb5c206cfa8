// The program's windows made on first use: only the opening screen exists at start,
// the game's windows come with the first game, the others when first opened, and
// each is wired as the program wires them.

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

#include "app/programwindows.h"
#include "files/programfolder.h"
#include "game/game.h"
#include "game/mazenumber.h"
#include "game/runplayer.h"
#include "play/session.h"
#include "screens/aboutbox.h"
#include "screens/besttimesscreen.h"
#include "screens/endscreen.h"
#include "screens/gamescreen.h"
#include "screens/helpwindow.h"
#include "screens/mapwindow.h"
#include "screens/openingscreen.h"
#include "screens/runwatch.h"
#include "screens/statisticsscreen.h"
#include "screens/storywindow.h"
#include "support/modal.h"
#include "support/testapp.h"
#include "support/testfolder.h"
#include "widgets/messagedialog.h"

using namespace quorvel;

namespace {

/// The top-level windows by object name (hidden ones included).
QStringList windowNames() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->objectName().isEmpty()) names << w->objectName();
    return names;
}

class Windows : public ::testing::Test {
  protected:
    QApplication* app = test::ensureApp();
    test::TestFolder folder;
    Session session;

    void SetUp() override { session.namedPlayer = "Tess"; }
};

TEST_F(Windows, OnlyTheOpeningScreenExistsUntilAGameOrAWindowIsWanted) {
    const QStringList before = windowNames();
    OpeningScreen opening(session);
    ProgramWindows windows(session, opening);
    QStringList made = windowNames();
    for (const QString& name : before)
        made.removeOne(name);
    EXPECT_EQ(made, QStringList{"Tform1"});

    opening.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return opening.playerLabel->text() == "Tess"; }, 10000));
    EXPECT_FALSE(windows.gameScreenMade()) << "the opening screen alone until Enter";

    // Enter makes the game screen and its map window, and the game is on.
    opening.enterButton->click();
    ASSERT_TRUE(windows.gameScreenMade());
    GameScreen& game = windows.gameScreen();
    EXPECT_TRUE(game.isVisible());
    EXPECT_TRUE(windows.mapWindow().isVisible());
    EXPECT_FALSE(opening.isVisible());
    EXPECT_EQ(game.game().maze().mazeSize, 40);
    EXPECT_TRUE(windowNames().contains("Tform2") && windowNames().contains("TfMap"));
    EXPECT_FALSE(windowNames().contains("Tfmwinner"));

    // Quitting asks first (the message dialog), then the end screen offers to save: it
    // is made now, when the game first ends.
    test::whenModal([](QWidget* question) {
        QTest::keyClick(question, Qt::Key_Y);
        test::whenModal([](QWidget* offer) {
            auto* end = qobject_cast<EndScreen*>(offer);
            ASSERT_NE(end, nullptr);
            end->noButton->click();
        });
    });
    game.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return opening.isVisible(); }, 10000));
    EXPECT_FALSE(game.isVisible());
    EXPECT_TRUE(windowNames().contains("Tfmwinner"));
    opening.hide();
}

// Made ahead while the opening screen is read, the game's windows stay out of sight,
// keep no busy cursor, and are the ones the first game shows.
TEST_F(Windows, GameWindowsMadeAheadStayHiddenUntilTheFirstGame) {
    OpeningScreen opening(session);
    ProgramWindows windows(session, opening);
    opening.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return opening.playerLabel->text() == "Tess"; }, 10000));

    windows.prepareGame();
    ASSERT_TRUE(windows.gameScreenMade());
    GameScreen* game = &windows.gameScreen();
    EXPECT_FALSE(game->isVisible());
    EXPECT_FALSE(windows.mapWindow().isVisible());
    EXPECT_TRUE(opening.isVisible());
    EXPECT_EQ(game->cursor().shape(), Qt::ArrowCursor) << "the busy cursor was left on";
    windows.prepareGame(); // a second time changes nothing
    EXPECT_EQ(&windows.gameScreen(), game);

    opening.enterButton->click();
    EXPECT_EQ(&windows.gameScreen(), game);
    EXPECT_TRUE(game->isVisible());
    EXPECT_TRUE(windows.mapWindow().isVisible());
    EXPECT_EQ(game->game().maze().mazeSize, 40);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    game->hide();
    windows.mapWindow().hide();
}

// The statistics the end screen opens are those of the game just played, with its
// maze's number and the player's whole name.
TEST_F(Windows, TheEndScreensStatisticsNameTheMazeJustPlayed) {
    OpeningScreen opening(session);
    ProgramWindows windows(session, opening);
    opening.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return opening.playerLabel->text() == "Tess"; }, 10000));
    opening.enterButton->click();
    ASSERT_TRUE(windows.gameScreenMade());
    const std::string number = mazeNumberText(windows.gameScreen().game().maze());
    ASSERT_FALSE(number.empty());

    QString shownNumber, shownPlayer;
    test::whenModal([&](QWidget* stats) {
        shownNumber = windows.statistics().mazeNumberLine->text();
        shownPlayer = windows.statistics().playerLine->text();
        stats->close();
    });
    emit windows.endScreen().statisticsWanted(0);
    EXPECT_EQ(shownNumber.toStdString(), "Maze " + number);
    EXPECT_TRUE(shownPlayer.contains("Tess")) << shownPlayer.toStdString();
    windows.gameScreen().hide();
    windows.mapWindow().hide();
}

TEST_F(Windows, TheOpeningScreensButtonsOpenTheirWindowsWhenFirstPressed) {
    OpeningScreen opening(session);
    ProgramWindows windows(session, opening);
    QStringList told; // the windows the watchers' hook was told of, as they were made
    windows.windowMade = [&](QWidget& window) { told << window.objectName(); };
    for (const char* name : {"fHelp", "fAbout", "TFmBestTimes", "TfStats"})
        EXPECT_FALSE(windowNames().contains(name)) << name;
    opening.instructionsButton->click();
    HelpWindow& help = windows.help();
    EXPECT_TRUE(help.isVisible());
    help.hide();

    // The about box is modal: it is up when the button's handler waits for it.
    bool aboutSeen = false;
    test::whenModal([&](QWidget* modal) {
        aboutSeen = modal == static_cast<QWidget*>(&windows.about());
        modal->close();
    });
    opening.aboutButton->click();
    EXPECT_TRUE(aboutSeen);

    bool timesSeen = false;
    test::whenModal([&](QWidget* modal) {
        timesSeen = modal == static_cast<QWidget*>(&windows.bestTimes());
        modal->close();
    });
    opening.bestTimesButton->click();
    EXPECT_TRUE(timesSeen);
    EXPECT_EQ(told, QStringList({"fHelp", "fAbout", "TfStats", "TFmBestTimes"}));
}

TEST_F(Windows, AStoryWindowMadeLateStartsAsOneMadeAtStartWouldBe) {
    OpeningScreen opening(session);
    {
        // Made before any game: a story asked for by "/" keeps the start flag it was made with.
        ProgramWindows windows(session, opening);
        EXPECT_TRUE(windows.story().startStory());
    }
    {
        // A game of the built-in theme shows no story and needs no window, yet the
        // window made later has its start flag cleared, as showing nothing clears it.
        ProgramWindows windows(session, opening);
        windows.startStory("Back to basics <Default>");
        EXPECT_FALSE(windows.storyMade());
        EXPECT_FALSE(windows.story().startStory());
    }
    {
        // A theme with a story: the window is made and shows it over the game.
        const std::string theme = "Tales";
        QDir().mkpath(QString::fromStdString(programFolder() + theme));
        std::ofstream(programFolder() + theme + "/story.rtf") << "{\\rtf1 Once upon a time.}";
        ProgramWindows windows(session, opening);
        QString shown;
        test::whenModal([&](QWidget* modal) {
            shown = modal->windowTitle();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        windows.startStory(theme);
        EXPECT_TRUE(windows.storyMade());
        EXPECT_EQ(shown, "Tales");
        EXPECT_FALSE(windows.story().startStory()) << "every closing clears it";
    }
}

// A run watched in the opening screen's place: the screen makes way without storing what
// it shows, and comes back as it was when the watch ends.
TEST_F(Windows, AWatchHandsTheOpeningScreenBackAsItWasAndStoresNothing) {
    OpeningScreen opening(session);
    ProgramWindows windows(session, opening);
    opening.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return opening.playerLabel->text() == "Tess"; }, 10000));
    opening.selectLevel(5); // chosen, not stored yet
    const std::string before = test::fileBytes(settingsPath());

    SilentHost host;
    ManualClock clock(0);
    Random stream;
    Game played(host, stream, clock);
    played.newMaze(1, 5);
    played.begin();
    clock.advance(0.5 / secondsPerDay);
    played.turnLeft();
    played.end();

    std::string said;
    test::whenModal([&said](QWidget*) {
        said = messageDialog()->textLabel->text().toStdString();
        messageDialog()->middleButton->click();
    });
    ASSERT_TRUE(windows.watchRun(played.run()));
    EXPECT_FALSE(opening.isVisible());
    EXPECT_TRUE(windows.gameScreen().isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return opening.isVisible(); }, 10000));
    EXPECT_EQ(said, "The run reached its recorded result: left unfinished after 0 days, "
                    "00:00:00 with 0 gems and 0 steps.");
    EXPECT_FALSE(windows.gameScreen().isVisible());
    EXPECT_EQ(opening.selectedLevel(), 5);
    EXPECT_EQ(test::fileBytes(settingsPath()), before);
    opening.hide();
}

} // namespace
