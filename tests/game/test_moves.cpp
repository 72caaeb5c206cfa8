// Turning, walking, running and the clock, as the screen sees them.

#include "gamefixture.h"

namespace quorvel::testing {
namespace {

const std::vector<std::string> corridor = {
    "##########",
    "#S......-#",
    "##.#######",
    "##########",
};

TEST_F(GameTest, AStepSpendsFoodAndBatteryThenDrawsMapsAndActsInThatOrder) {
    start(corridor, 1, 1, 3);
    game.stepForward();
    EXPECT_EQ(maze().posCol, 2);
    EXPECT_EQ(state().foodLevel, 99);
    EXPECT_EQ(state().batterySteps, 1);
    EXPECT_EQ(state().stepCount, 1);
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
    EXPECT_EQ(state().indicatorAge, 1);
}

TEST_F(GameTest, ARandomRemarkShowsInLimeWithoutLightingTheIndicator) {
    start(corridor, 1, 1, 3);
    host.remark = "Hello there.";
    state().indicatorAge = 3;
    game.stepForward();
    EXPECT_TRUE(host.has("show 'Hello there.' lime 0"));
    EXPECT_EQ(state().indicatorAge, 4);
}

TEST_F(GameTest, WalkingIntoAWallChangesNothingButSaysSo) {
    start(corridor, 1, 1, 1);
    const GameState before = state();
    game.stepForward();
    EXPECT_EQ(maze().posCol, 1);
    EXPECT_EQ(state().foodLevel, before.foodLevel);
    EXPECT_EQ(state().batterySteps, before.batterySteps);
    EXPECT_EQ(state().stepCount, 0);
    EXPECT_EQ(host.calls, (Calls{"sound blocked/ 0", "post blocked white 0"}));
}

TEST_F(GameTest, HungerAndStarvingWarningsReplaceTheStepAndWallSounds) {
    // A new start at (1, 1) facing the wall (1) or the corridor (3), then a step forward.
    const auto stepWith = [this](int food, int facing) {
        start(corridor, 1, 1, facing);
        state().foodLevel = food;
        game.stepForward();
    };
    stepWith(24, 1); // blocked while starving: only the warning
    EXPECT_EQ(host.calls, (Calls{"sound starving/warning 0"}));

    stepWith(50, 1); // blocked at exactly 50
    EXPECT_EQ(host.calls, (Calls{"sound hungry/warning 1"}));

    stepWith(25, 1); // blocked at exactly 25: not starving yet, the wall's own sound
    EXPECT_EQ(host.calls, (Calls{"sound blocked/ 0", "post blocked white 0"}));

    stepWith(51, 3);
    EXPECT_EQ(state().foodLevel, 50);
    EXPECT_EQ(host.only("post"), (Calls{"post hungry aqua 2"}));
    EXPECT_EQ(host.only("sound"), (Calls{"sound hungry/warning 1"}));

    stepWith(26, 3); // a step down to exactly 25 still sounds as a step
    EXPECT_TRUE(host.only("post").empty());
    EXPECT_EQ(host.only("sound"), (Calls{"sound walk/walk 0"}));

    stepWith(25, 3);
    game.stepForward();
    EXPECT_EQ(host.only("post"), (Calls{"post starving yellow 2", "post starving yellow 2"}));
    EXPECT_EQ(host.only("sound"), (Calls{"sound starving/warning 0", "sound starving/warning 0"}));
}

TEST_F(GameTest, TurningWrapsCostsNothingAndDrawsTheCompassWhenOwned) {
    start(corridor, 1, 1, 4);
    game.turnRight();
    EXPECT_EQ(maze().facing, 1);
    game.turnLeft();
    EXPECT_EQ(maze().facing, 4);
    EXPECT_EQ(state().foodLevel, 100);
    EXPECT_EQ(state().stepCount, 0);
    EXPECT_TRUE(host.only("drawcompass").empty());

    state().hasCompass = true;
    maze().compassTurn = 2;
    host.calls.clear();
    game.turnLeft(); // facing 3, heading (3 - 1 + 2) mod 4 = 0
    EXPECT_EQ(host.calls.back(), "drawcompass 0");
    EXPECT_EQ(host.calls.front().rfind("sound ", 0), 0u);
    EXPECT_EQ(host.calls.front().substr(host.calls.front().size() - 2), " 1");

    state().foodLevel = 25; // at the threshold a turn still sounds as a turn
    host.calls.clear();
    game.turnRight();
    EXPECT_NE(host.calls.front(), "sound starving/warning 0");
    state().foodLevel = 24;
    host.calls.clear();
    game.turnRight();
    EXPECT_EQ(host.calls.front(), "sound starving/warning 0");
}

TEST_F(GameTest, SteppingBackKeepsTheFacing) {
    start(corridor, 1, 3, 1);
    game.stepBack();
    EXPECT_EQ(maze().posCol, 4);
    EXPECT_EQ(maze().facing, 1);
    EXPECT_EQ(state().stepCount, 1);
}

TEST_F(GameTest, TheStepSoundSometimesPicksARandomSoundThenRests) {
    start(corridor, 1, 1, 3);
    // Draws of rand(30) for this stream: 11, 8, 2 (random2), then nine steps rest.
    for (int i = 0; i < 3; ++i)
        game.stepForward();
    const Calls sounds = host.only("sound");
    EXPECT_EQ(sounds, (Calls{"sound walk/walk 0", "sound walk/walk 0", "sound random2/walk 0"}));
    EXPECT_EQ(game.stepSounds().stepSoundRest(), 1);
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
    EXPECT_EQ(picker.pickStepSound(rng, 30, Sound::walk), Sound::random2);
    EXPECT_EQ(picker.lastStepSound(), Sound::random2);
    const std::uint32_t after = rng.seed();
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(picker.pickStepSound(rng, 30, Sound::walk), Sound::walk);
    EXPECT_EQ(rng.seed(), after); // resting calls draw nothing
    EXPECT_EQ(picker.stepSoundRest(), 0);

    // The next eligible call that draws 2 gets the plain sound instead of random2 again.
    Random again(seed);
    StepSoundPicker repeat;
    repeat.pickStepSound(again, 30, Sound::walk);
    for (int i = 0; i < 9; ++i)
        repeat.pickStepSound(again, 30, Sound::walk);
    again.setSeed(seed);
    EXPECT_EQ(repeat.pickStepSound(again, 30, Sound::turn), Sound::turn);
    EXPECT_EQ(repeat.lastStepSound(), Sound::turn);
}

TEST_F(GameTest, RunningMovesEveryTickUntilAWallStopsIt) {
    start(corridor, 1, 1, 3);
    game.startRunning();
    EXPECT_EQ(host.calls, (Calls{"post run lime 1", "service", "sound run/ 2", "runtimer on"}));
    EXPECT_EQ(state().indicatorAge, 0);
    game.startRunning(); // already running: nothing
    EXPECT_EQ(host.calls.size(), 4u);
    for (int i = 0; i < 7; ++i)
        game.runTick();
    EXPECT_EQ(maze().posCol, 8);
    host.calls.clear();
    game.runTick();
    EXPECT_EQ(host.calls, (Calls{"runtimer off", "sound stop/blocked 1", "post stop white 1"}));
    EXPECT_FALSE(game.running());
    game.runTick();
    EXPECT_EQ(maze().posCol, 8);
}

TEST_F(GameTest, TurningWhileRunningChangesTheRunsDirection) {
    start(corridor, 1, 2, 3);
    game.startRunning();
    for (int i = 0; i < 3; ++i)
        game.turnRight(); // 3 -> 4 -> 1 -> 2: towards row + 1
    game.runTick();
    EXPECT_EQ(maze().posRow, 2);
    EXPECT_EQ(maze().posCol, 2);
}

TEST_F(GameTest, InputAfterTheScreenClosedMovesNobody) {
    start(corridor, 1, 1, 3);
    game.startRunning();
    game.end();
    host.calls.clear();
    game.runTick();
    game.stepForward();
    game.turnLeft();
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(maze().posCol, 1);
}

TEST_F(GameTest, ARunStartedWhileEventsEndTheGameNeverStartsTheTimer) {
    start(corridor, 1, 1, 3);
    host.onService = [this] { game.end(); };
    game.startRunning();
    EXPECT_FALSE(host.has("runtimer on"));
    EXPECT_FALSE(game.running());
}

TEST_F(GameTest, TheIndicatorGoesOutAtTheEndOfTheSixthStepAfterAStepMessage) {
    start(corridor, 1, 1, 3);
    state().indicatorAge = 0;
    for (int i = 0; i < 6; ++i)
        game.stepForward();
    EXPECT_FALSE(host.has("hideindicator"));
    EXPECT_EQ(state().indicatorAge, 6);
    game.stepForward();
    EXPECT_TRUE(host.has("hideindicator"));
    EXPECT_EQ(state().indicatorAge, 0);
}

TEST_F(GameTest, AnEmptyMessageDoesNotRestartTheIndicator) {
    start(corridor, 1, 1, 3);
    host.messagesEmpty = true;
    state().indicatorAge = 4;
    game.startRunning();
    EXPECT_EQ(state().indicatorAge, 4);
}

TEST_F(GameTest, FunKeysSpeakInLimeAndChangeNothing) {
    start(corridor, 1, 1, 3);
    const GameState before = state();
    for (const char key : {'Y', 'l', 'C', 'j', 'D', 'q'})
        game.playFunKey(key);
    EXPECT_EQ(host.calls,
              (Calls{"sound yell/ 1", "post yell lime 0", "sound laugh/ 1", "post laugh lime 0",
                     "sound cry/ 1", "post cry lime 0", "sound jump/ 1", "post jump lime 0",
                     "sound dance/ 1", "post dance lime 0"}));
    EXPECT_EQ(state().foodLevel, before.foodLevel);
    EXPECT_EQ(state().indicatorAge, before.indicatorAge);
}

TEST(ClockText, CountsWholeDaysAndTheTimeOfDay) {
    EXPECT_EQ(clockText(0), "0 days, 00:00:00");
    EXPECT_EQ(clockText((12 * 60 + 5) / 86400.0), "0 days, 00:12:05");
    EXPECT_EQ(clockText(1.0 + 3600 / 86400.0), "1 day, 01:00:00");
    EXPECT_EQ(clockText(2.5), "2 days, 12:00:00");
    EXPECT_EQ(clockText(clockCapShown), "99 days, 23:59:59");
    EXPECT_EQ(clockText(-1), "0 days, 00:00:00");
}

TEST_F(GameTest, TheClockStopsForGoodAfterAHundredDays) {
    start(corridor, 1, 1, 3);
    clock.advance(1.0);
    game.clockTick();
    EXPECT_EQ(host.calls, (Calls{"clock off", "clock '1 day, 00:00:00'", "clock on"}));
    clock.advance(99.5);
    host.calls.clear();
    game.clockTick();
    EXPECT_EQ(host.calls, (Calls{"clock off", "clock '99 days, 23:59:59'"}));
    EXPECT_DOUBLE_EQ(state().elapsed, clockCapShown);
}

TEST_F(GameTest, ANewGameStartsFullAndShowsTheStartMessage) {
    place(corridor, 1, 1, 3);
    state().foodLevel = 3;
    state().hasGps = true;
    state().batteryRate = 9;
    state().newGame = true;
    game.begin();
    EXPECT_EQ(state().foodLevel, 100);
    EXPECT_EQ(state().batteryLevel, 100);
    EXPECT_FALSE(state().hasGps);
    EXPECT_EQ(state().batteryRate, 2);
    EXPECT_DOUBLE_EQ(state().startTime, clock.now());
    EXPECT_EQ(host.calls.front(), "post start white 0");
    EXPECT_TRUE(game.playing());
}

TEST_F(GameTest, ALoadedGameKeepsItsValuesAndShowsItsTools) {
    place(corridor, 1, 1, 3);
    maze().compassTurn = 1;
    state().newGame = false;
    state().foodLevel = 33;
    state().hasCompass = true;
    state().hasTracker = true;
    state().startTime = clock.now() - 0.5;
    game.begin();
    EXPECT_EQ(state().foodLevel, 33);
    EXPECT_TRUE(host.has("drawcompass 3"));
    EXPECT_TRUE(host.has("showcompass"));
    EXPECT_TRUE(host.has("showtool 0"));
    EXPECT_TRUE(host.has("showtool 4"));
    EXPECT_FALSE(host.has("showtool 3"));
    EXPECT_TRUE(host.has("clock '0 days, 12:00:00'"));
}

} // namespace
} // namespace quorvel::testing
