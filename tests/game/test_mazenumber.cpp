// Maze numbers: the "L-S" form players share, taking --maze off the command line, and
// the number a generated maze keeps.

#include <gtest/gtest.h>

#include <string>

#include "fakehost.h"
#include "game/clock.h"
#include "game/game.h"
#include "game/generator.h"
#include "game/mazenumber.h"
#include "game/random.h"

namespace quorvel {
namespace {

TEST(MazeNumber, ReadsLevelDashStateUpToTheExtremes) {
    const struct {
        const char* text;
        MazeNumber number;
    } good[] = {
        {"3-12345", {3, 12345}},
        {"1-0", {1, 0}},
        {"6-4294967295", {6, 4294967295u}},
        {"2-00042", {2, 42}}, // zeros in front are digits too
    };
    for (const auto& g : good) {
        const std::optional<MazeNumber> number = parseMazeNumber(g.text);
        ASSERT_TRUE(number) << g.text;
        EXPECT_EQ(*number, g.number) << g.text;
    }
    EXPECT_EQ(formatMazeNumber({6, 4294967295u}), "6-4294967295");
    EXPECT_EQ(formatMazeNumber({1, 0}), "1-0");
    EXPECT_EQ(parseMazeNumber(formatMazeNumber({4, 2024})), (MazeNumber{4, 2024}));
}

TEST(MazeNumber, RefusesEveryOtherForm) {
    for (const char* bad : {
             "0-12345",
             "7-12345",
             "9-1",
             "00-1", // level outside 1..6
             "3-4294967296",
             "3-99999999999999999999999", // state past 32 bits
             "3",
             "3-",
             "-12345",
             "",
             "-",
             "--", // missing or empty parts
             "+3-1",
             "3-+1",
             "3--1",
             "-3-1",
             "3-(1)", // signs
             " 3-1",
             "3-1 ",
             "3 -1",
             "3-1\n", // blanks
             "3-1x",
             "3-1-2",
             "3x-1",
             "3-0x10",
             "3-1.0",
             "3-1e3", // trailing or foreign text
             "99999999999999999999-1",
             "3–12345", // an overlong level, a dash
         })
        EXPECT_EQ(parseMazeNumber(bad), std::nullopt) << '"' << bad << '"';
}

TEST(MazeNumber, RefusalIsOneShortLineNamingTheForm) {
    EXPECT_EQ(badMazeNumberText("x"),
              "bad maze number 'x': expected LEVEL-STATE, as 3-12345 (level 1 to 6, "
              "state 0 to 4294967295)");
    // Nothing a terminal would act on, and never a second line.
    const std::string escaped = badMazeNumberText("3-1\n\x1b[2J\r\x7f");
    EXPECT_NE(escaped.find("'3-1?"
                           "?[2J?"
                           "?'"),
              std::string::npos)
        << escaped;
    EXPECT_EQ(escaped.find_first_of("\n\r\x1b\x7f"), std::string::npos);
    const std::string longer = badMazeNumberText(std::string(5000, '7'));
    EXPECT_LT(longer.size(), 160u);
    EXPECT_NE(longer.find(std::string(40, '7') + "...'"), std::string::npos);
    EXPECT_NE(badMazeNumberText(std::string(40, '7')).find(std::string(40, '7') + "'"),
              std::string::npos); // forty shown whole
}

TEST(MazeNumber, AMazeKeepsTheStateItWasMadeFromAndTheNumberMakesItAgain) {
    Random clockSeeded(12345);
    Maze played;
    const int rejected = generateAccepted(played, clockSeeded, 3);
    EXPECT_EQ(played.seed, std::optional<std::uint32_t>(12345));
    EXPECT_EQ(mazeNumberOf(played), (MazeNumber{3, 12345}));
    EXPECT_EQ(mazeNumberText(played), "3-12345");

    // The shared number, on another machine.
    const MazeNumber shared = *parseMazeNumber(mazeNumberText(played));
    Random again(shared.state);
    Maze replayed;
    replayed.grid.fill(cellWall);
    EXPECT_EQ(generateAccepted(replayed, again, shared.level), rejected);
    EXPECT_EQ(replayed.grid, played.grid);
    EXPECT_EQ(replayed.posRow, played.posRow);
    EXPECT_EQ(replayed.posCol, played.posCol);
    EXPECT_EQ(replayed.facing, played.facing);
    EXPECT_EQ(replayed.compassTurn, played.compassTurn);

    // The game starts it from the number alone, whatever its stream held before.
    testing::FakeHost host;
    const ManualClock clock(46000.0);
    Random stream(1);
    Game game(host, stream, clock);
    game.newMaze(shared.level, shared.state);
    EXPECT_EQ(game.maze().grid, played.grid);
    EXPECT_EQ(game.maze().posRow, played.posRow);
    EXPECT_EQ(mazeNumberOf(game.maze()), shared);
    EXPECT_TRUE(game.state().newGame);

    // One attempt alone is not a numbered maze.
    generateMaze(played, clockSeeded);
    EXPECT_EQ(mazeNumberOf(played), std::nullopt);
    EXPECT_EQ(mazeNumberText(played), "");

    // A size no level has gives no number.
    replayed.mazeSize = 30;
    EXPECT_EQ(mazeNumberOf(replayed), std::nullopt);
}

} // namespace
} // namespace quorvel
