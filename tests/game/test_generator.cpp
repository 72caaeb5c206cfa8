// The generator: exact mazes for fixed seeds, and the rules every maze keeps.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <queue>

#include "generator.h"
#include "random.h"

namespace quorvel {
namespace {

TEST(Random, FollowsTheLinearCongruentialStream) {
    Random rng(1);
    EXPECT_EQ(rng.rand(1000), 31u);
    EXPECT_EQ(rng.seed(), 134775814u);
    EXPECT_EQ(rng.rand(1000), 861u);
    Random wrap(0xFFFFFFFFu);
    EXPECT_EQ(wrap.rand(7), 6u);
    EXPECT_EQ(wrap.seed(), 4160191484u);
}

TEST(Random, DrawOfZeroIsZeroAndStillAdvances) {
    Random rng(1);
    EXPECT_EQ(rng.rand(0), 0u);
    EXPECT_EQ(rng.seed(), 134775814u);
}

// A fingerprint of everything a generation decides.
std::uint64_t fingerprint(const Maze& m, int rejected) {
    std::uint64_t h = 1469598103934665603ull;
    const auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
    for (const CellCode c : m.grid)
        mix(c);
    for (const int v : {m.posRow, m.posCol, m.facing, m.compassTurn, rejected})
        mix(static_cast<std::uint64_t>(v));
    return h;
}

struct Generated {
    Maze maze;
    int rejected = 0;
};

Generated generate(int level, std::uint32_t seed) {
    Generated g;
    Random rng(seed);
    g.rejected = generateAccepted(g.maze, rng, level);
    return g;
}

TEST(Generator, FixedSeedsGiveTheSameMazesAsEver) {
    struct Golden {
        int level;
        std::uint32_t seed;
        int row, col, facing, turn, rejected;
        std::uint64_t print;
    };
    const Golden goldens[] = {
#include "generator_goldens.inc"
    };
    for (const Golden& g : goldens) {
        SCOPED_TRACE("level " + std::to_string(g.level) + " seed " + std::to_string(g.seed));
        const Generated out = generate(g.level, g.seed);
        EXPECT_EQ(out.maze.posRow, g.row);
        EXPECT_EQ(out.maze.posCol, g.col);
        EXPECT_EQ(out.maze.facing, g.facing);
        EXPECT_EQ(out.maze.compassTurn, g.turn);
        EXPECT_EQ(out.rejected, g.rejected);
        EXPECT_EQ(fingerprint(out.maze, out.rejected), g.print);
    }
}

TEST(Generator, FirstDrawsLayTheFirstWallLine) {
    // The first wall line starts its gaps at row 3: a <- 3 + rand(3) + 1.
    Random rng(42);
    Random mirror(42);
    Maze maze;
    maze.mazeSize = 20;
    generateMaze(maze, rng);
    const int firstGap = 3 + static_cast<int>(mirror.rand(3)) + 1;
    EXPECT_NE(maze.at(firstGap, 2), cellWall);
    for (int r = 1; r < firstGap; ++r)
        EXPECT_EQ(maze.at(r, 2), cellWall) << r;
}

bool isItem(CellCode code) {
    return code >= 64 && code <= 127;
}

// Cells the rules keep apart: boxes, traps, the start, the exit.
bool keptApart(CellCode code) {
    return code == cellExit || code == cellStart || isItem(code);
}

class EveryLevel : public ::testing::TestWithParam<int> {};

TEST_P(EveryLevel, MazesKeepEveryPlacementRule) {
    const int level = GetParam();
    const int n = 20 * level;
    const int perBlock[] = {0, 6, 10, 10, 20, 20};
    const auto count = [n](int size) {
        const int k = (n - 5) / size + 1;
        return k * k;
    };
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Maze m = generate(level, seed * 2654435761u).maze;
        std::map<int, int> codes;
        for (int r = 0; r <= n; ++r)
            for (int c = 0; c <= n; ++c)
                ++codes[m.at(r, c)];

        EXPECT_EQ(codes[cellFood], count(perBlock[1]));
        EXPECT_EQ(codes[cellBattery], count(perBlock[2]));
        EXPECT_EQ(codes[cellStone] + codes[cellGem1] + codes[cellGem3] + codes[cellGem5] +
                      codes[cellEmptyBox],
                  count(perBlock[3]));
        EXPECT_EQ(codes[cellFoodTrap], count(perBlock[4]));
        EXPECT_EQ(codes[cellGemTrap], count(perBlock[5]));
        for (const CellCode tool : {cellCompass, cellGps, cellBeacon, cellDetector, cellTracker})
            EXPECT_EQ(codes[tool], 1) << int(tool);
        EXPECT_EQ(codes[cellWallMap], 1);
        EXPECT_EQ(codes[cellExit], 1);
        EXPECT_EQ(codes[cellStart], 1);

        // The start: the topmost path cell of its column, inside the frame, never facing 4.
        EXPECT_EQ(m.here(), cellStart);
        EXPECT_NE(m.facing, 4);
        EXPECT_GE(m.compassTurn, 0);
        EXPECT_LE(m.compassTurn, 3);
        EXPECT_GE(m.posCol, 10);
        EXPECT_LE(m.posCol, std::max(10, n - 11)); // rand(0) is 0 at level 1
        if (level == 1) {
            EXPECT_EQ(m.posCol, 10);
        }
        for (int r = 0; r < m.posRow; ++r)
            EXPECT_NE(m.at(r, m.posCol), cellPath);
        EXPECT_GT(m.posRow, 0);
        EXPECT_LT(m.posRow, n);

        int exitRow = -1;
        for (int r = 0; r <= n; ++r) {
            for (int c = 0; c <= n; ++c) {
                const CellCode code = m.at(r, c);
                if (code == cellExit) exitRow = r;
                if (isItem(code)) {
                    EXPECT_NE(r, m.posRow);
                    EXPECT_NE(c, m.posCol);
                }
                if (code >= cellCompass && code <= cellTracker) {
                    // Tools lie in a plain stretch of the through-path.
                    for (const CellCode nb :
                         {m.at(r + 1, c), m.at(r - 1, c), m.at(r, c + 1), m.at(r, c - 1)})
                        EXPECT_TRUE(nb == cellPath || (isWall(nb) && nb != cellWallMap)) << int(nb);
                }
                if (!keptApart(code) && code != cellWallMap) continue;
                for (const CellCode nb :
                     {m.at(r + 1, c), m.at(r - 1, c), m.at(r, c + 1), m.at(r, c - 1)}) {
                    if (isItem(code)) {
                        EXPECT_FALSE(keptApart(nb) || nb == cellWallMap) << r << "," << c;
                    }
                    if (code == cellWallMap || code == cellExit || code == cellStart) {
                        EXPECT_FALSE(isItem(nb)) << r << "," << c;
                    }
                }
            }
        }

        // The exit sits in column N, closed above, below and behind.
        ASSERT_GE(exitRow, 2);
        EXPECT_EQ(m.at(exitRow, n), cellExit);
        EXPECT_TRUE(isWall(m.at(exitRow - 1, n)));
        EXPECT_TRUE(isWall(m.at(exitRow + 1, n)));
        EXPECT_FALSE(isWall(m.at(exitRow, n - 1)));
        for (int r = 0; r < gridSize; ++r) {
            const bool behindExit = r >= exitRow - 1 && r <= exitRow + 1;
            EXPECT_EQ(m.at(r, n + 1), behindExit ? cellWall : cellOpen) << r;
            for (int c = n + 2; c < gridSize; ++c)
                ASSERT_EQ(m.at(r, c), cellOpen);
            if (r > n) {
                for (int c = 0; c < gridSize; ++c)
                    ASSERT_EQ(m.at(r, c), cellOpen);
            }
        }

        // The exit can be walked to from the start.
        std::vector<bool> seen(gridCells);
        std::queue<std::pair<int, int>> todo;
        todo.push({m.posRow, m.posCol});
        seen[m.posRow * gridSize + m.posCol] = true;
        bool reached = false;
        while (!todo.empty()) {
            const auto [r, c] = todo.front();
            todo.pop();
            if (m.at(r, c) == cellExit) reached = true;
            for (int f = 1; f <= 4; ++f) {
                const Step s = aheadStep(f);
                const int rr = r + s.dr, cc = c + s.dc;
                if (!Maze::inside(rr, cc) || isWall(m.at(rr, cc)) || seen[rr * gridSize + cc])
                    continue;
                seen[rr * gridSize + cc] = true;
                todo.push({rr, cc});
            }
        }
        EXPECT_TRUE(reached);
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, EveryLevel, ::testing::Range(1, 7));

TEST(Generator, ToolPlacementAttemptsServiceTheEvents) {
    Random rng(7);
    Maze maze;
    maze.mazeSize = 40;
    int serviced = 0;
    generateMaze(maze, rng, [&serviced] { ++serviced; });
    EXPECT_GE(serviced, 5); // at least one attempt per tool
}

} // namespace
} // namespace quorvel
