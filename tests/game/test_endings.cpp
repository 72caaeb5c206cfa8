// Winning, quitting and the guards that keep a game from ending twice.

#include "gamefixture.h"

namespace quorvel::testing {
namespace {

using Calls = std::vector<std::string>;

// A corridor along row 2 to the exit at (2, 20), the level 1 maze's last column.
std::vector<std::string> toexit() {
    std::vector<std::string> rows(21, std::string(22, '#'));
    for (int c = 1; c < 20; ++c)
        rows[2][c] = '-';
    rows[2][20] = 'E';
    return rows;
}

TEST_F(GameTest, RunningIntoTheExitWinsOnTheStepThatEntersIt) {
    start(toexit(), 2, 17, 3);
    host.rank = 2;
    clock.advance(0.01);
    game.GameTimerTimer();
    game.startrun();
    game.RunTimerTimer();
    game.RunTimerTimer();
    EXPECT_FALSE(state().gameover);
    host.calls.clear();
    game.RunTimerTimer(); // onto the exit
    EXPECT_TRUE(state().gameover);
    const Calls expected = {
        "counters",
        "counters",
        "sound random2/walk 0",
        "random 100", // the stream's third draw is 2
        "drawmaze",   // the ending picture, shown at full light
        "runtimer off",
        "clock off",
        "countremaining",
        "besttime",
        "endscreen Winner! (New Best Time)",
        "close",
        "finishview 0", // the rest of the composition, behind the closed screen
    };
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(host.lastend.rank, 2);
    EXPECT_EQ(host.lastend.messagekey, 19);
    EXPECT_EQ(host.lastend.sound, "win");
    EXPECT_EQ(host.lastbest.level, 1);
    EXPECT_EQ(host.lastbest.stepcount, 3);
    EXPECT_EQ(host.lastbest.foodlevel, 97);
    EXPECT_EQ(host.lastbest.timetext, "0 days, 00:14:24");
    EXPECT_FALSE(host.has("deletesave")); // a new game touches no saved game

    host.calls.clear();
    game.RunTimerTimer();
    game.btnmoveClick();
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(GameTest, ATimeNotAmongTheBestShowsPlainWinner) {
    start(toexit(), 2, 19, 3);
    host.rank = 0;
    game.btnmoveClick();
    EXPECT_EQ(host.lastend.caption, "Winner!");
    host.rank = -1;
    start(toexit(), 2, 19, 3);
    game.btnmoveClick();
    EXPECT_EQ(host.lastend.caption, "Winner!");
}

TEST_F(GameTest, RunTicksDuringTheEndScreenNeitherMoveNorEndAgain) {
    start(toexit(), 2, 18, 3);
    int ticks = 0;
    host.onendscreen = [&] {
        game.startrun();
        game.RunTimerTimer();
        game.btnmoveClick();
        game.btnturnbackClick();
        ++ticks;
    };
    game.btnmoveClick();
    game.btnmoveClick();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(host.only("endscreen").size(), 1u);
    EXPECT_EQ(maze().poscol, 20);
}

TEST_F(GameTest, SteppingBackOntoTheExitWinsOnlyOnceFacingIt) {
    start(toexit(), 2, 19, 1);
    game.btnturnbackClick();
    EXPECT_EQ(maze().poscol, 20);
    EXPECT_FALSE(state().gameover);
    game.btnturnleftClick(); // facing 4
    EXPECT_FALSE(state().gameover);
    game.btnturnleftClick(); // facing 3: the win starts
    EXPECT_TRUE(state().gameover);
}

TEST_F(GameTest, WinningALoadedGameDeletesItsSave) {
    drawmaze(maze(), toexit());
    maze().posrow = 2;
    maze().poscol = 19;
    maze().facing = 3;
    state().newgame = false;
    state().starttime = clock.now();
    game.begin();
    game.btnmoveClick();
    const auto end = std::find(host.calls.begin(), host.calls.end(), "endscreen Winner!");
    ASSERT_NE(end, host.calls.end());
    EXPECT_EQ(*(end + 1), "deletesave");
    EXPECT_EQ(*(end + 2), "close");
}

TEST_F(GameTest, TheExitAheadIsAnnounced) {
    start(toexit(), 2, 18, 3);
    game.btnmoveClick();
    EXPECT_TRUE(host.has("sound exit/ 1"));
    EXPECT_TRUE(host.has("post 35 white 1"));
}

TEST_F(GameTest, QuittingAsksThenOffersToSave) {
    start(toexit(), 2, 5, 3);
    host.quitanswer = false;
    EXPECT_FALSE(game.FormCloseQuery());
    EXPECT_EQ(host.calls, (Calls{"confirmquit"}));
    EXPECT_TRUE(game.playing());

    host.calls.clear();
    host.quitanswer = true;
    host.endanswer = Answer::yes;
    EXPECT_TRUE(game.FormCloseQuery());
    EXPECT_EQ(host.calls, (Calls{"confirmquit", "endscreen Save?", "savegame"}));
    EXPECT_EQ(host.lastend.message2, "Do you want to save your game before exiting?");
    EXPECT_EQ(host.lastend.messagekey, 20);
    EXPECT_EQ(host.lastend.sound, "quit");
    EXPECT_EQ(host.lastend.kind, EndKind::quit);

    host.calls.clear();
    host.endanswer = Answer::no;
    EXPECT_TRUE(game.FormCloseQuery());
    EXPECT_FALSE(host.has("savegame"));

    // A save that fails keeps the game going; quitting again offers the save again.
    host.calls.clear();
    host.endanswer = Answer::yes;
    host.savesucceeds = false;
    EXPECT_FALSE(game.FormCloseQuery());
    EXPECT_TRUE(game.playing());
    host.savesucceeds = true;
    EXPECT_TRUE(game.FormCloseQuery());
    EXPECT_EQ(host.only("savegame").size(), 2u);
}

TEST_F(GameTest, RunningPausesWhileTheQuitQuestionIsOpen) {
    start(toexit(), 2, 5, 3);
    game.startrun();
    host.onconfirm = [this] { game.RunTimerTimer(); };
    host.quitanswer = false;
    EXPECT_FALSE(game.FormCloseQuery());
    EXPECT_EQ(maze().poscol, 5);
    game.RunTimerTimer();
    EXPECT_EQ(maze().poscol, 6); // after No the run goes on
}

} // namespace
} // namespace quorvel::testing
