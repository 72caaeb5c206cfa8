// What the cells do to the player, food and light, and the ends of a game.

#include "gamefixture.h"

namespace quorvel::testing {
namespace {

using Calls = std::vector<std::string>;

// The player starts at (1, 1) facing 3 and the item to test lies at (1, 2).
std::vector<std::string> withitem(char item) {
    return {"#####", std::string("#S") + item + "-#", "#####"};
}

TEST_F(GameTest, GemTrapsTakeFivePointsButNeverGoBelowZero) {
    for (const auto& [before, after] : {std::pair{3, 0}, {6, 1}, {5, 0}}) {
        start(withitem('A'), 1, 1, 3);
        state().gemscore = before;
        game.btnmoveClick();
        EXPECT_EQ(state().gemscore, after);
        EXPECT_EQ(here(), cellopen);
        EXPECT_TRUE(host.has("sound gemtrap/trap 1"));
        EXPECT_TRUE(host.has("post 16 yellow 1"));
    }
}

TEST_F(GameTest, FoodTrapsTakeTwentyAboveFortyElseTen) {
    for (const auto& [before, after] : {std::pair{42, 21}, {41, 30}}) {
        start(withitem('@'), 1, 1, 3);
        state().foodlevel = before; // the step costs one first: the trap finds 41 or 40
        game.btnmoveClick();
        EXPECT_EQ(state().foodlevel, after) << before;
        EXPECT_EQ(here(), cellopen);
    }
}

TEST_F(GameTest, AFoodTrapThatEmptiesTheFoodLosesAtOnce) {
    start(withitem('@'), 1, 1, 3);
    state().foodlevel = 11; // 10 after the step, 1 after the trap, 0 after its food step
    game.btnmoveClick();
    EXPECT_TRUE(state().gameover);
    const Calls tail(host.calls.end() - 6, host.calls.end());
    EXPECT_EQ(tail, (Calls{"sound foodtrap/trap 1", "post 15 yellow 1", "post 26 yellow 2",
                           "counters", "endscreen You Lose", "close"}));
    // The loss comes last: nothing after the game screen closed.
    EXPECT_EQ(host.calls.back(), "close");
    EXPECT_EQ(host.lastend.caption, "You Lose");
    EXPECT_EQ(host.lastend.messagekey, 18);
    EXPECT_EQ(host.lastend.sound, "lose");
    EXPECT_EQ(host.lastend.kind, EndKind::lose);
}

TEST_F(GameTest, StarvingOnAStepShowsTheLossAndStops) {
    start(withitem('.'), 1, 1, 3);
    state().foodlevel = 1;
    game.btnmoveClick();
    EXPECT_EQ(host.calls, (Calls{"post 26 yellow 2", "counters", "endscreen You Lose", "close"}));
    EXPECT_TRUE(state().gameover);
    EXPECT_FALSE(game.playing());
    EXPECT_TRUE(game.FormCloseQuery()); // no question after a loss
    EXPECT_FALSE(host.has("confirmquit"));
}

TEST_F(GameTest, BoxesGiveTheirContentsOnceAndStayOpen) {
    struct Case {
        char code;
        const char* sound;
        const char* message;
    };
    const Case cases[] = {
        {'g', "sound stone/box 1", "post 6 white 1"},  {'i', "sound gem1/gem 1", "post 5 white 1"},
        {'j', "sound gem3/gem 1", "post 4 white 1"},   {'h', "sound gem5/gem 1", "post 3 white 1"},
        {'`', "sound empty/box 1", "post 12 white 1"}, {'a', "sound food/ 1", "post 1 white 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.code));
        start(withitem(c.code), 1, 1, 3);
        game.btnmoveClick();
        EXPECT_TRUE(host.has(c.sound));
        EXPECT_TRUE(host.has(c.message));
        EXPECT_EQ(here(), cellopenedbox);
    }
    start(withitem('h'), 1, 1, 3);
    game.btnmoveClick();
    EXPECT_EQ(state().gemscore, 5);
    EXPECT_EQ(state().indicatorage, 1);
    game.btnturnbackClick();
    game.btnmoveClick(); // back in: only the open box's message
    EXPECT_EQ(state().gemscore, 5);
    EXPECT_EQ(host.only("post").back(), "post 13 white 1");
    EXPECT_TRUE(host.has("sound open/ 1"));

    start(withitem('a'), 1, 1, 3);
    game.btnmoveClick();
    EXPECT_EQ(state().foodlevel, 199);
}

TEST_F(GameTest, ToolsLightTheirPicturesAndTheMap) {
    start(withitem('b'), 1, 1, 3);
    maze().compassturn = 1;
    game.btnmoveClick();
    EXPECT_TRUE(state().hascompass);
    EXPECT_TRUE(host.has("drawcompass 3"));
    EXPECT_TRUE(host.has("showcompass"));
    EXPECT_TRUE(host.has("showtool 0"));

    start(withitem('e'), 1, 1, 3);
    game.btnmoveClick();
    EXPECT_TRUE(state().hasdetector);
    EXPECT_TRUE(host.has("maptools 010"));
    EXPECT_EQ(host.calls.back(), "mappos 1,2 00");

    start(withitem('d'), 1, 1, 3);
    game.btnmoveClick();
    EXPECT_TRUE(host.has("maptools 001"));

    start(withitem('c'), 1, 1, 3);
    game.btnmoveClick();
    EXPECT_EQ(host.calls.back(), "mappos 1,2 10"); // the G.P.S. shows at once

    start(withitem('f'), 1, 1, 3);
    game.btnmoveClick();
    EXPECT_EQ(host.calls.back(), "mappos 1,2 01");
    EXPECT_TRUE(host.has("sound tracker/box 1"));
    EXPECT_TRUE(host.has("post 10 white 1"));
}

TEST_F(GameTest, ABatteryWaitsInItsBoxUntilUsed) {
    start(withitem('k'), 1, 1, 3);
    state().batterylevel = 40;
    game.btnmoveClick();
    EXPECT_EQ(here(), cellbatteryleft);
    EXPECT_TRUE(game.useenabled());
    EXPECT_TRUE(host.has("post 2 white 1"));
    EXPECT_TRUE(host.has("sound battery/box 1"));

    game.btnturnbackClick(); // leaving disables Use
    EXPECT_FALSE(game.useenabled());
    const int level = state().batterylevel;
    game.btnuseClick();
    EXPECT_EQ(state().batterylevel, level);

    game.btnmoveClick(); // coming back offers it again
    EXPECT_TRUE(game.useenabled());
    host.calls.clear();
    game.btnuseClick();
    EXPECT_EQ(state().batterylevel, 100);
    EXPECT_EQ(state().batterysteps, 0);
    EXPECT_EQ(here(), cellopenedbox);
    EXPECT_EQ(host.calls, (Calls{"sound usebatt/use 1", "post 24 white 1", "drawmaze",
                                 "finishview 0", "counters", "use off"}));
    EXPECT_FALSE(game.useenabled());
}

TEST_F(GameTest, ABatteryFoundInTheDarkIsUsedAtOnce) {
    start(withitem('k'), 1, 1, 3);
    state().batterylevel = 0;
    game.btnmoveClick();
    EXPECT_EQ(host.only("post"), (Calls{"post 2 white 1", "post 24 white 1"}));
    EXPECT_EQ(here(), cellopenedbox);
    EXPECT_EQ(state().batterylevel, 100);
    EXPECT_FALSE(game.useenabled());
}

TEST_F(GameTest, HintsComeFromTheExitOrWallMapBesideOrBehind) {
    const std::vector<std::string> rows = {
        "#####",
        "#S.-#",
        "##X##",
        "#####",
    };
    start(rows, 1, 1, 3);
    game.btnmoveClick(); // the wall map is to the right (row + 1) of (1, 2) facing 3
    EXPECT_TRUE(host.has("sound hint/ 1"));
    EXPECT_TRUE(host.has("post 29 lime 1"));
    host.calls.clear();
    game.btnmoveClick(); // at (1, 3): the wall map is behind-right, not beside
    EXPECT_FALSE(host.has("post 29 lime 1"));
}

TEST_F(GameTest, PlainCellsOnlyRefreshTheCountersAndTheMap) {
    for (const char code : {'-', '.', 'S', 'E'}) {
        start(withitem(code), 1, 1, 1);
        game.btnturnbackClick(); // facing away, so the exit does not win
        const Calls tail(host.calls.end() - 3, host.calls.end());
        EXPECT_EQ(tail, (Calls{"use off", "counters", "mappos 1,2 00"})) << code;
    }
}

TEST_F(GameTest, TheWallMapAheadShowsTheWallsUntilThePlayerTurnsAway) {
    const std::vector<std::string> rows = {
        "#####",
        "#S.X#",
        "#####",
    };
    start(rows, 1, 1, 3);
    game.btnmoveClick();
    EXPECT_TRUE(state().mapinview);
    EXPECT_TRUE(host.has("sound map/ 1"));
    EXPECT_TRUE(host.has("post 14 white 1"));
    const auto at = [&](const std::string& call) {
        return std::find(host.calls.begin(), host.calls.end(), call) - host.calls.begin();
    };
    EXPECT_LT(at("maptools 100"), at("drawwallmap"));
    EXPECT_LT(at("drawwallmap"), at("finishview 0"));
    host.calls.clear();
    game.btnturnleftClick();
    EXPECT_FALSE(state().mapinview);
    EXPECT_TRUE(host.has("maptools 000"));
    host.calls.clear();
    game.btnturnleftClick();
    EXPECT_TRUE(host.only("maptools").empty());
}

TEST_F(GameTest, BatteryWarningsAndDarkness) {
    start(withitem('-'), 1, 1, 3);
    state().batterylevel = 26;
    state().batterysteps = 1;
    game.btnmoveClick();
    EXPECT_EQ(state().batterylevel, 25);
    EXPECT_TRUE(host.has("post 27 aqua 2"));
    EXPECT_EQ(game.darkness(), 0);
    game.btnturnbackClick(); // half a percent spent below 25 %
    EXPECT_EQ(game.darkness(), 4);

    start(withitem('-'), 1, 1, 3);
    state().batterylevel = 1;
    state().batterysteps = 1;
    game.btnmoveClick();
    EXPECT_EQ(state().batterylevel, 0);
    EXPECT_TRUE(host.has("post 28 yellow 2"));
    host.calls.clear();
    game.btnturnbackClick(); // an empty battery drains no more
    EXPECT_EQ(state().batterysteps, 0);
    EXPECT_TRUE(host.only("post").empty());
    EXPECT_TRUE(host.has("finishview 175"));
}

TEST(Darkness, FollowsTheBatteryBelowAQuarter) {
    EXPECT_EQ(Game::darkness(100, 0, 2), 0);
    EXPECT_EQ(Game::darkness(26, 1, 2), 0);
    EXPECT_EQ(Game::darkness(25, 0, 2), 0);
    EXPECT_EQ(Game::darkness(25, 1, 2), 4); // 3.5 rounds to even 4
    EXPECT_EQ(Game::darkness(24, 0, 2), 7);
    EXPECT_EQ(Game::darkness(24, 1, 2), 11);
    EXPECT_EQ(Game::darkness(1, 1, 2), 172);
    EXPECT_EQ(Game::darkness(0, 0, 2), 175);
    EXPECT_EQ(Game::darkness(0, 1, 2), 175);
    EXPECT_EQ(Game::darkness(0, 0, 0), 0);
    EXPECT_EQ(Game::darkness(20, 1, 4), 37); // 1.75 rounds to 2
    EXPECT_EQ(Game::darkness(20, 2, 4), 39); // 3.5 rounds to 4
    EXPECT_EQ(Game::darkness(20, 6, 4), 45); // 10.5 rounds to the even 10
}

} // namespace
} // namespace quorvel::testing
