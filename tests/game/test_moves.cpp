// Turning, walking, running and the clock, as the screen sees them.

#include "gamefixture.h"

namespace quorvel::testing {
namespace {

using Calls = std::vector<std::string>;

const std::vector<std::string> corridor = {
    "##########",
    "#S......-#",
    "##.#######",
    "##########",
};

TEST_F(GameTest, AStepSpendsFoodAndBatteryThenDrawsMapsAndActsInThatOrder) {
    start(corridor, 1, 1, 3);
    game.btnmoveClick();
    EXPECT_EQ(maze().poscol, 2);
    EXPECT_EQ(state().foodlevel, 99);
    EXPECT_EQ(state().batterysteps, 1);
    EXPECT_EQ(state().stepcount, 1);
    EXPECT_EQ(host.calls,
              (Calls{
                  "counters",          // battery drain
                  "counters",          // step count
                  "sound walk/walk 0", // first draw of the step picker is 11: no random sound
                  "random 100",
                  "drawmaze",
                  "finishview 0",
                  "mappos 1,2 00",
                  "use off",
                  "counters",
                  "mappos 1,2 00",
              }));
    EXPECT_EQ(state().indicatorage, 1);
}

TEST_F(GameTest, ARandomRemarkShowsInLimeWithoutLightingTheIndicator) {
    start(corridor, 1, 1, 3);
    host.remark = "Hello there.";
    state().indicatorage = 3;
    game.btnmoveClick();
    EXPECT_TRUE(host.has("show 'Hello there.' lime 0"));
    EXPECT_EQ(state().indicatorage, 4);
}

TEST_F(GameTest, WalkingIntoAWallChangesNothingButSaysSo) {
    start(corridor, 1, 1, 1);
    const GameState before = state();
    game.btnmoveClick();
    EXPECT_EQ(maze().poscol, 1);
    EXPECT_EQ(state().foodlevel, before.foodlevel);
    EXPECT_EQ(state().batterysteps, before.batterysteps);
    EXPECT_EQ(state().stepcount, 0);
    EXPECT_EQ(host.calls, (Calls{"sound blocked/ 0", "post 23 white 0"}));
}

TEST_F(GameTest, HungerAndStarvingWarningsReplaceTheStepAndWallSounds) {
    start(corridor, 1, 1, 1);
    state().foodlevel = 24;
    game.btnmoveClick(); // blocked while starving: only the warning
    EXPECT_EQ(host.calls, (Calls{"sound starving/warning 0"}));

    start(corridor, 1, 1, 1);
    state().foodlevel = 50;
    game.btnmoveClick(); // blocked at exactly 50
    EXPECT_EQ(host.calls, (Calls{"sound hungry/warning 1"}));

    start(corridor, 1, 1, 3);
    state().foodlevel = 51;
    game.btnmoveClick();
    EXPECT_EQ(state().foodlevel, 50);
    EXPECT_EQ(host.only("post"), (Calls{"post 25 aqua 2"}));
    EXPECT_EQ(host.only("sound"), (Calls{"sound hungry/warning 1"}));

    start(corridor, 1, 1, 3);
    state().foodlevel = 25;
    game.btnmoveClick();
    game.btnmoveClick();
    EXPECT_EQ(host.only("post"), (Calls{"post 26 yellow 2", "post 26 yellow 2"}));
    EXPECT_EQ(host.only("sound"), (Calls{"sound starving/warning 0", "sound starving/warning 0"}));
}

TEST_F(GameTest, TurningWrapsCostsNothingAndDrawsTheCompassWhenOwned) {
    start(corridor, 1, 1, 4);
    game.btnturnrightClick();
    EXPECT_EQ(maze().facing, 1);
    game.btnturnleftClick();
    EXPECT_EQ(maze().facing, 4);
    EXPECT_EQ(state().foodlevel, 100);
    EXPECT_EQ(state().stepcount, 0);
    EXPECT_TRUE(host.only("drawcompass").empty());

    state().hascompass = true;
    maze().compassturn = 2;
    host.calls.clear();
    game.btnturnleftClick(); // facing 3, heading (3 - 1 + 2) mod 4 = 0
    EXPECT_EQ(host.calls.back(), "drawcompass 0");
    EXPECT_EQ(host.calls.front().rfind("sound ", 0), 0u);
    EXPECT_EQ(host.calls.front().substr(host.calls.front().size() - 2), " 1");

    state().foodlevel = 10;
    host.calls.clear();
    game.btnturnrightClick();
    EXPECT_EQ(host.calls.front(), "sound starving/warning 0");
}

TEST_F(GameTest, SteppingBackKeepsTheFacing) {
    start(corridor, 1, 3, 1);
    game.btnturnbackClick();
    EXPECT_EQ(maze().poscol, 4);
    EXPECT_EQ(maze().facing, 1);
    EXPECT_EQ(state().stepcount, 1);
}

TEST_F(GameTest, TheStepSoundSometimesPicksARandomSoundThenRests) {
    start(corridor, 1, 1, 3);
    // Draws of rand(30) for this stream: 11, 8, 2 (random2), then nine steps rest.
    for (int i = 0; i < 3; ++i)
        game.btnmoveClick();
    const Calls sounds = host.only("sound");
    EXPECT_EQ(sounds, (Calls{"sound walk/walk 0", "sound walk/walk 0", "sound random2/walk 0"}));
    EXPECT_EQ(game.stepsounds().stepsoundrest(), 1);
}

TEST(StepSound, NeverRepeatsTheLastRandomSoundAndRestsNineCalls) {
    // A stream whose draws of rand(30) give 2 at once.
    std::uint32_t seed = 0;
    for (;; ++seed) {
        Random probe(seed);
        if (probe.rand(30) == 2) break;
    }
    Random rng(seed);
    StepSoundPicker picker;
    EXPECT_EQ(picker.pickstepsound(rng, 30, "random1", "Random2", "random3", "walk"), "Random2");
    EXPECT_EQ(picker.laststepsound(), "random2");
    const std::uint32_t after = rng.seed();
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(picker.pickstepsound(rng, 30, "random1", "random2", "random3", "walk"), "walk");
    EXPECT_EQ(rng.seed(), after); // resting calls draw nothing
    EXPECT_EQ(picker.stepsoundrest(), 0);

    // The next eligible call that draws 2 gets the default instead of random2 again.
    Random again(seed);
    StepSoundPicker repeat;
    repeat.pickstepsound(again, 30, "random1", "random2", "random3", "walk");
    for (int i = 0; i < 9; ++i)
        repeat.pickstepsound(again, 30, "a", "b", "c", "walk");
    again.setseed(seed);
    EXPECT_EQ(repeat.pickstepsound(again, 30, "random1", "random2", "random3", "turn"), "turn");
    EXPECT_EQ(repeat.laststepsound(), "turn");
}

TEST_F(GameTest, RunningMovesEveryTickUntilAWallStopsIt) {
    start(corridor, 1, 1, 3);
    game.startrun();
    EXPECT_EQ(host.calls, (Calls{"post 21 lime 1", "service", "sound run/ 2", "runtimer on"}));
    EXPECT_EQ(state().indicatorage, 0);
    game.startrun(); // already running: nothing
    EXPECT_EQ(host.calls.size(), 4u);
    for (int i = 0; i < 7; ++i)
        game.RunTimerTimer();
    EXPECT_EQ(maze().poscol, 8);
    host.calls.clear();
    game.RunTimerTimer();
    EXPECT_EQ(host.calls, (Calls{"runtimer off", "sound stop/blocked 1", "post 22 white 1"}));
    EXPECT_FALSE(game.running());
    game.RunTimerTimer();
    EXPECT_EQ(maze().poscol, 8);
}

TEST_F(GameTest, TurningWhileRunningChangesTheRunsDirection) {
    start(corridor, 1, 2, 3);
    game.startrun();
    for (int i = 0; i < 3; ++i)
        game.btnturnrightClick(); // 3 -> 4 -> 1 -> 2: towards row + 1
    game.RunTimerTimer();
    EXPECT_EQ(maze().posrow, 2);
    EXPECT_EQ(maze().poscol, 2);
}

TEST_F(GameTest, InputAfterTheScreenClosedMovesNobody) {
    start(corridor, 1, 1, 3);
    game.startrun();
    game.end();
    host.calls.clear();
    game.RunTimerTimer();
    game.btnmoveClick();
    game.btnturnleftClick();
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(maze().poscol, 1);
}

TEST_F(GameTest, ARunStartedWhileEventsEndTheGameNeverStartsTheTimer) {
    start(corridor, 1, 1, 3);
    host.onservice = [this] { game.end(); };
    game.startrun();
    EXPECT_FALSE(host.has("runtimer on"));
    EXPECT_FALSE(game.running());
}

TEST_F(GameTest, TheIndicatorGoesOutAtTheEndOfTheSixthStepAfterAStepMessage) {
    start(corridor, 1, 1, 3);
    state().indicatorage = 0;
    for (int i = 0; i < 6; ++i)
        game.btnmoveClick();
    EXPECT_FALSE(host.has("hideindicator"));
    EXPECT_EQ(state().indicatorage, 6);
    game.btnmoveClick();
    EXPECT_TRUE(host.has("hideindicator"));
    EXPECT_EQ(state().indicatorage, 0);
}

TEST_F(GameTest, AnEmptyMessageDoesNotRestartTheIndicator) {
    start(corridor, 1, 1, 3);
    host.messagesempty = true;
    state().indicatorage = 4;
    game.startrun();
    EXPECT_EQ(state().indicatorage, 4);
}

TEST_F(GameTest, FunKeysSpeakInLimeAndChangeNothing) {
    start(corridor, 1, 1, 3);
    const GameState before = state();
    for (const char key : {'Y', 'l', 'C', 'j', 'D', 'q'})
        game.funkey(key);
    EXPECT_EQ(host.calls,
              (Calls{"sound yell/ 1", "post 30 lime 0", "sound laugh/ 1", "post 31 lime 0",
                     "sound cry/ 1", "post 32 lime 0", "sound jump/ 1", "post 33 lime 0",
                     "sound dance/ 1", "post 34 lime 0"}));
    EXPECT_EQ(state().foodlevel, before.foodlevel);
    EXPECT_EQ(state().indicatorage, before.indicatorage);
}

TEST(ClockText, CountsWholeDaysAndTheTimeOfDay) {
    EXPECT_EQ(clocktext(0), "0 days, 00:00:00");
    EXPECT_EQ(clocktext((12 * 60 + 5) / 86400.0), "0 days, 00:12:05");
    EXPECT_EQ(clocktext(1.0 + 3600 / 86400.0), "1 day, 01:00:00");
    EXPECT_EQ(clocktext(2.5), "2 days, 12:00:00");
    EXPECT_EQ(clocktext(clockcapshown), "99 days, 23:59:59");
    EXPECT_EQ(clocktext(-1), "0 days, 00:00:00");
}

TEST_F(GameTest, TheClockStopsForGoodAfterAHundredDays) {
    start(corridor, 1, 1, 3);
    clock.advance(1.0);
    game.GameTimerTimer();
    EXPECT_EQ(host.calls, (Calls{"clock off", "clock '1 day, 00:00:00'", "clock on"}));
    clock.advance(99.5);
    host.calls.clear();
    game.GameTimerTimer();
    EXPECT_EQ(host.calls, (Calls{"clock off", "clock '99 days, 23:59:59'"}));
    EXPECT_DOUBLE_EQ(state().elapsed, clockcapshown);
}

TEST_F(GameTest, ANewGameStartsFullAndShowsTheStartMessage) {
    drawmaze(maze(), corridor);
    maze().posrow = 1;
    maze().poscol = 1;
    maze().facing = 3;
    state().foodlevel = 3;
    state().hasgps = true;
    state().batteryrate = 9;
    state().newgame = true;
    game.begin();
    EXPECT_EQ(state().foodlevel, 100);
    EXPECT_EQ(state().batterylevel, 100);
    EXPECT_FALSE(state().hasgps);
    EXPECT_EQ(state().batteryrate, 2);
    EXPECT_DOUBLE_EQ(state().starttime, clock.now());
    EXPECT_EQ(host.calls.front(), "post 17 white 0");
    EXPECT_TRUE(game.playing());
}

TEST_F(GameTest, ALoadedGameKeepsItsValuesAndShowsItsTools) {
    drawmaze(maze(), corridor);
    maze().posrow = 1;
    maze().poscol = 1;
    maze().facing = 3;
    maze().compassturn = 1;
    state().newgame = false;
    state().foodlevel = 33;
    state().hascompass = true;
    state().hastracker = true;
    state().starttime = clock.now() - 0.5;
    game.begin();
    EXPECT_EQ(state().foodlevel, 33);
    EXPECT_TRUE(host.has("drawcompass 3"));
    EXPECT_TRUE(host.has("showcompass"));
    EXPECT_TRUE(host.has("showtool 0"));
    EXPECT_TRUE(host.has("showtool 4"));
    EXPECT_FALSE(host.has("showtool 3"));
    EXPECT_TRUE(host.has("clock '0 days, 12:00:00'"));
}

} // namespace
} // namespace quorvel::testing
