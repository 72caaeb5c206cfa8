// What the cells do to the player, food and light, and the ends of a game.

#include "gamefixture.h"

namespace quorvel::testing {
namespace {

// The player starts at (1, 1) facing 3 and the item to test lies at (1, 2).
std::vector<std::string> withItem(char item) {
    return {"#####", std::string("#S") + item + "-#", "#####"};
}

TEST_F(GameTest, GemTrapsTakeFivePointsButNeverGoBelowZero) {
    for (const auto& [before, after] : {std::pair{3, 0}, {6, 1}, {5, 0}}) {
        start(withItem('A'), 1, 1, 3);
        state().gemScore = before;
        game.stepForward();
        EXPECT_EQ(state().gemScore, after);
        EXPECT_EQ(here(), cellOpen);
        EXPECT_TRUE(host.has("sound gemtrap/trap 1"));
        EXPECT_TRUE(host.has("post gemtrap yellow 1"));
    }
}

TEST_F(GameTest, FoodTrapsTakeTwentyAboveFortyElseTen) {
    for (const auto& [before, after] : {std::pair{42, 21}, {41, 30}}) {
        start(withItem('@'), 1, 1, 3);
        state().foodLevel = before; // the step costs one first: the trap finds 41 or 40
        game.stepForward();
        EXPECT_EQ(state().foodLevel, after) << before;
        EXPECT_EQ(here(), cellOpen);
    }
}

TEST_F(GameTest, AFoodTrapThatEmptiesTheFoodLosesAtOnce) {
    start(withItem('@'), 1, 1, 3);
    state().foodLevel = 11; // 10 after the step, 1 after the trap, 0 after its food step
    game.stepForward();
    EXPECT_TRUE(state().gameOver);
    const Calls tail(host.calls.end() - 7, host.calls.end());
    EXPECT_EQ(tail,
              (Calls{"sound foodtrap/trap 1", "post foodtrap yellow 1", "post starving yellow 2",
                     "counters", "keep loss", "endscreen You Lose", "close"}));
    // The loss comes last: nothing after the game screen closed.
    EXPECT_EQ(host.calls.back(), "close");
    EXPECT_EQ(host.lastEnd.caption, "You Lose");
    EXPECT_EQ(host.lastEnd.messageKey, 18);
    EXPECT_EQ(host.lastEnd.sound, Sound::lose);
    EXPECT_EQ(host.lastEnd.kind, EndKind::lose);
}

TEST_F(GameTest, StarvingOnAStepShowsTheLossAndStops) {
    start(withItem('.'), 1, 1, 3);
    state().foodLevel = 1;
    game.stepForward();
    EXPECT_EQ(host.calls, (Calls{"post starving yellow 2", "counters", "keep loss",
                                 "endscreen You Lose", "close"}));
    EXPECT_TRUE(state().gameOver);
    EXPECT_FALSE(game.playing());
    EXPECT_TRUE(game.askToQuit()); // no question after a loss
    EXPECT_FALSE(host.has("confirmquit"));
}

TEST_F(GameTest, BoxesGiveTheirContentsOnceAndStayOpen) {
    struct Case {
        char code;
        const char* sound;
        const char* message;
    };
    const Case cases[] = {
        {'g', "sound stone/box 1", "post stone white 1"},
        {'i', "sound gem1/gem 1", "post gem1 white 1"},
        {'j', "sound gem3/gem 1", "post gem3 white 1"},
        {'h', "sound gem5/gem 1", "post gem5 white 1"},
        {'`', "sound empty/box 1", "post empty white 1"},
        {'a', "sound food/ 1", "post food white 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.code));
        start(withItem(c.code), 1, 1, 3);
        game.stepForward();
        EXPECT_TRUE(host.has(c.sound));
        EXPECT_TRUE(host.has(c.message));
        EXPECT_EQ(here(), cellOpenedBox);
    }
    start(withItem('h'), 1, 1, 3);
    game.stepForward();
    EXPECT_EQ(state().gemScore, 5);
    EXPECT_EQ(state().indicatorAge, 1);
    game.stepBack();
    game.stepForward(); // back in: only the open box's message
    EXPECT_EQ(state().gemScore, 5);
    EXPECT_EQ(host.only("post").back(), "post open white 1");
    EXPECT_TRUE(host.has("sound open/ 1"));

    start(withItem('a'), 1, 1, 3);
    game.stepForward();
    EXPECT_EQ(state().foodLevel, 199);
}

TEST_F(GameTest, ToolsLightTheirPicturesAndTheMap) {
    const struct {
        char item;
        bool GameState::*owned;
        Calls made;       ///< calls the step makes, among others
        std::string last; ///< the step's last call: the map's position
    } tools[] = {
        {'b',
         &GameState::hasCompass,
         {"drawcompass 3", "showcompass", "showtool 0"},
         "mappos 1,2 00"},
        {'e', &GameState::hasDetector, {"maptools 010"}, "mappos 1,2 00"},
        {'d', &GameState::hasBeacon, {"maptools 001"}, "mappos 1,2 00"},
        {'c', &GameState::hasGps, {}, "mappos 1,2 10"}, // the G.P.S. shows at once
        {'f',
         &GameState::hasTracker,
         {"sound tracker/box 1", "post tracker white 1"},
         "mappos 1,2 01"},
    };
    for (const auto& t : tools) {
        start(withItem(t.item), 1, 1, 3);
        maze().compassTurn = 1;
        game.stepForward();
        EXPECT_TRUE(state().*t.owned) << t.item;
        for (const std::string& call : t.made)
            EXPECT_TRUE(host.has(call)) << t.item << ": " << call;
        EXPECT_EQ(host.calls.back(), t.last) << t.item;
    }
}

TEST_F(GameTest, ABatteryWaitsInItsBoxUntilUsed) {
    start(withItem('k'), 1, 1, 3);
    state().batteryLevel = 40;
    game.stepForward();
    EXPECT_EQ(here(), cellBatteryLeft);
    EXPECT_TRUE(game.useEnabled());
    EXPECT_TRUE(host.has("post battery white 1"));
    EXPECT_TRUE(host.has("sound battery/box 1"));

    game.stepBack(); // leaving disables Use
    EXPECT_FALSE(game.useEnabled());
    const int level = state().batteryLevel;
    game.useBattery();
    EXPECT_EQ(state().batteryLevel, level);

    game.stepForward(); // coming back offers it again
    EXPECT_TRUE(game.useEnabled());
    host.calls.clear();
    game.useBattery();
    EXPECT_EQ(state().batteryLevel, 100);
    EXPECT_EQ(state().batterySteps, 0);
    EXPECT_EQ(here(), cellOpenedBox);
    EXPECT_EQ(host.calls, (Calls{"sound usebatt/use 1", "post usebatt white 1", "drawmaze",
                                 "finishview 0", "counters", "use off"}));
    EXPECT_FALSE(game.useEnabled());
}

TEST_F(GameTest, ABatteryFoundInTheDarkIsUsedAtOnce) {
    start(withItem('k'), 1, 1, 3);
    state().batteryLevel = 0;
    game.stepForward();
    EXPECT_EQ(host.only("post"), (Calls{"post battery white 1", "post usebatt white 1"}));
    EXPECT_EQ(here(), cellOpenedBox);
    EXPECT_EQ(state().batteryLevel, 100);
    EXPECT_FALSE(game.useEnabled());
}

TEST_F(GameTest, HintsComeFromTheExitOrWallMapBesideOrBehind) {
    const std::vector<std::string> rows = {
        "#####",
        "#S.-#",
        "##X##",
        "#####",
    };
    start(rows, 1, 1, 3);
    game.stepForward(); // the wall map is to the right (row + 1) of (1, 2) facing 3
    EXPECT_TRUE(host.has("sound hint/ 1"));
    EXPECT_TRUE(host.has("post hint lime 1"));
    host.calls.clear();
    game.stepForward(); // at (1, 3): the wall map is behind-right, not beside
    EXPECT_FALSE(host.has("post hint lime 1"));
}

TEST_F(GameTest, PlainCellsOnlyRefreshTheCountersAndTheMap) {
    for (const char code : {'-', '.', 'S', 'E'}) {
        start(withItem(code), 1, 1, 1);
        game.stepBack(); // facing away, so the exit does not win
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
    game.stepForward();
    EXPECT_TRUE(state().mapInView);
    EXPECT_TRUE(host.has("sound map/ 1"));
    EXPECT_TRUE(host.has("post map white 1"));
    const auto at = [&](const std::string& call) {
        return std::find(host.calls.begin(), host.calls.end(), call) - host.calls.begin();
    };
    EXPECT_LT(at("maptools 100"), at("drawwallmap"));
    EXPECT_LT(at("drawwallmap"), at("finishview 0"));
    host.calls.clear();
    game.turnLeft();
    EXPECT_FALSE(state().mapInView);
    EXPECT_TRUE(host.has("maptools 000"));
    host.calls.clear();
    game.turnLeft();
    EXPECT_TRUE(host.only("maptools").empty());
}

TEST_F(GameTest, BatteryWarningsAndDarkness) {
    start(withItem('-'), 1, 1, 3);
    state().batteryLevel = 26;
    state().batterySteps = 1;
    game.stepForward();
    EXPECT_EQ(state().batteryLevel, 25);
    EXPECT_TRUE(host.has("post weakbatt aqua 2"));
    EXPECT_EQ(game.darkness(), 0);
    game.stepBack(); // half a percent spent below 25 %
    EXPECT_EQ(game.darkness(), 4);

    start(withItem('-'), 1, 1, 3);
    state().batteryLevel = 1;
    state().batterySteps = 1;
    game.stepForward();
    EXPECT_EQ(state().batteryLevel, 0);
    EXPECT_TRUE(host.has("post deadbatt yellow 2"));
    host.calls.clear();
    game.stepBack(); // an empty battery drains no more
    EXPECT_EQ(state().batterySteps, 0);
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
