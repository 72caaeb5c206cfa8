// Winning, quitting and the guards that keep a game from ending twice.

#include "gamefixture.h"

namespace quorvel::testing {
namespace {

// A corridor along row 2 to the exit at (2, 20), the level 1 maze's last column.
std::vector<std::string> toExit() {
    std::vector<std::string> rows(21, std::string(22, '#'));
    for (int c = 1; c < 20; ++c)
        rows[2][c] = '-';
    rows[2][20] = 'E';
    return rows;
}

TEST_F(GameTest, RunningIntoTheExitWinsOnTheStepThatEntersIt) {
    start(toExit(), 2, 17, 3);
    host.rank = 2;
    clock.advance(0.01);
    game.clockTick();
    game.startRunning();
    game.runTick();
    game.runTick();
    EXPECT_FALSE(state().gameOver);
    host.calls.clear();
    game.runTick(); // onto the exit
    EXPECT_TRUE(state().gameOver);
    const Calls expected = {
        "counters",
        "counters",
        "sound random2/walk 0",
        "random 100", // the stream's third draw is 2
        "drawmaze",   // the ending picture, shown at full light
        "runtimer off",
        "clock off",
        "countremaining",
        "keep win",
        "endscreen Winner! (New Best Time)",
        "close",
        "finishview 0", // the rest of the composition, behind the closed screen
    };
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(host.lastEnd.rank, 2);
    EXPECT_EQ(host.lastEnd.messageKey, 19);
    EXPECT_EQ(host.lastEnd.sound, Sound::win);
    EXPECT_EQ(host.lastBest.level, 1);
    EXPECT_EQ(host.lastBest.stepCount, 3);
    EXPECT_EQ(host.lastBest.foodLevel, 97);
    EXPECT_EQ(host.lastBest.timeText, "0 days, 00:14:24");
    EXPECT_EQ(host.lastEnding.run, &game.run());
    EXPECT_EQ(host.lastEnding.run->outcome.result, RunResult::won);

    host.calls.clear();
    game.runTick();
    game.stepForward();
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(GameTest, ATimeNotAmongTheBestShowsPlainWinner) {
    start(toExit(), 2, 19, 3);
    host.rank = 0;
    game.stepForward();
    EXPECT_EQ(host.lastEnd.caption, "Winner!");
    host.rank = -1;
    start(toExit(), 2, 19, 3);
    game.stepForward();
    EXPECT_EQ(host.lastEnd.caption, "Winner!");
}

TEST_F(GameTest, RunTicksDuringTheEndScreenNeitherMoveNorEndAgain) {
    start(toExit(), 2, 18, 3);
    int ticks = 0;
    host.onEndScreen = [&] {
        game.startRunning();
        game.runTick();
        game.stepForward();
        game.stepBack();
        ++ticks;
    };
    game.stepForward();
    game.stepForward();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(host.only("endscreen").size(), 1u);
    EXPECT_EQ(maze().posCol, 20);
}

TEST_F(GameTest, SteppingBackOntoTheExitWinsOnlyOnceFacingIt) {
    start(toExit(), 2, 19, 1);
    game.stepBack();
    EXPECT_EQ(maze().posCol, 20);
    EXPECT_FALSE(state().gameOver);
    game.turnLeft(); // facing 4
    EXPECT_FALSE(state().gameOver);
    game.turnLeft(); // facing 3: the win starts
    EXPECT_TRUE(state().gameOver);
}

// The saved game goes with the win, kept as one before the end screen shows.
TEST_F(GameTest, WinningALoadedGameDeletesItsSave) {
    place(toExit(), 2, 19, 3);
    state().newGame = false;
    state().startTime = clock.now();
    game.begin();
    game.stepForward();
    const auto end = std::find(host.calls.begin(), host.calls.end(), "endscreen Winner!");
    ASSERT_NE(end, host.calls.end());
    EXPECT_EQ(*(end - 1), "keep win, the save goes");
    EXPECT_EQ(*(end + 1), "close");
}

TEST_F(GameTest, TheExitAheadIsAnnounced) {
    start(toExit(), 2, 18, 3);
    game.stepForward();
    EXPECT_TRUE(host.has("sound exit/ 1"));
    EXPECT_TRUE(host.has("post exit white 1"));
}

TEST_F(GameTest, QuittingAsksThenOffersToSave) {
    start(toExit(), 2, 5, 3);
    host.quitAnswer = false;
    EXPECT_FALSE(game.askToQuit());
    EXPECT_EQ(host.calls, (Calls{"confirmquit"}));
    EXPECT_TRUE(game.playing());

    host.calls.clear();
    host.quitAnswer = true;
    host.endAnswer = Answer::yes;
    EXPECT_TRUE(game.askToQuit());
    EXPECT_EQ(host.calls, (Calls{"confirmquit", "endscreen Save?", "savegame"}));
    EXPECT_EQ(host.lastEnd.secondLine, "Do you want to save your game before exiting?");
    EXPECT_EQ(host.lastEnd.messageKey, 20);
    EXPECT_EQ(host.lastEnd.sound, Sound::quit);
    EXPECT_EQ(host.lastEnd.kind, EndKind::quit);

    host.calls.clear();
    host.endAnswer = Answer::no;
    EXPECT_TRUE(game.askToQuit());
    EXPECT_FALSE(host.has("savegame"));

    // A save that fails keeps the game going; quitting again offers the save again.
    host.calls.clear();
    host.endAnswer = Answer::yes;
    host.saveSucceeds = false;
    EXPECT_FALSE(game.askToQuit());
    EXPECT_TRUE(game.playing());
    host.saveSucceeds = true;
    EXPECT_TRUE(game.askToQuit());
    EXPECT_EQ(host.only("savegame").size(), 2u);
}

TEST_F(GameTest, RunningPausesWhileTheQuitQuestionIsOpen) {
    start(toExit(), 2, 5, 3);
    game.startRunning();
    host.onConfirm = [this] { game.runTick(); };
    host.quitAnswer = false;
    EXPECT_FALSE(game.askToQuit());
    EXPECT_EQ(maze().posCol, 5);
    game.runTick();
    EXPECT_EQ(maze().posCol, 6); // after No the run goes on
}

// Saving asks questions of its own (replace the old save?) and may report an error;
// while they are open the run, the keys and the last food's step are held, so a save
// that fails leaves the game exactly as it was quit, still playing.
TEST_F(GameTest, NothingMovesWhileTheGameIsSaved) {
    start(toExit(), 2, 5, 3);
    state().foodLevel = 1;
    game.startRunning();
    host.quitAnswer = true;
    host.endAnswer = Answer::yes;
    host.saveSucceeds = false;
    host.onSave = [this] {
        game.runTick();
        game.stepForward();
        game.turnLeft();
    };
    EXPECT_FALSE(game.askToQuit());
    EXPECT_EQ(maze().posCol, 5);
    EXPECT_EQ(maze().facing, 3);
    EXPECT_EQ(state().foodLevel, 1);
    EXPECT_FALSE(host.has("endscreen You Lose"));
    EXPECT_TRUE(game.playing());
}

// Lost, won or quit: the end screen names the maze so it can be shared; a maze whose
// number is not known (an older saved game) shows none.
TEST_F(GameTest, EveryEndScreenCarriesTheMazeNumberWhenItIsKnown) {
    const auto ending = [this](int how) {
        start(toExit(), 2, 19, how == 2 ? 1 : 3);
        if (how == 0) { // lost: the last food goes with the step
            state().foodLevel = 1;
            game.stepBack();
        } else if (how == 1) { // won: onto the exit
            game.stepForward();
        } else { // quit without saving
            host.quitAnswer = true;
            host.endAnswer = Answer::no;
            game.askToQuit();
        }
        return host.lastEnd;
    };
    const std::string captions[] = {"You Lose", "Winner!", "Save?"};
    for (int how = 0; how < 3; ++how) {
        maze().seed = 4294967295u;
        EndScreenSetup shown = ending(how);
        EXPECT_EQ(shown.caption, captions[how]);
        EXPECT_EQ(shown.mazeNumber, "1-4294967295") << captions[how];
        maze().seed.reset();
        shown = ending(how);
        EXPECT_EQ(shown.caption, captions[how]);
        EXPECT_EQ(shown.mazeNumber, "") << captions[how];
    }
}

} // namespace
} // namespace quorvel::testing
