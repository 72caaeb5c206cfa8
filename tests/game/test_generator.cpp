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
    for (const int v : {m.posrow, m.poscol, m.facing, m.compassturn, rejected})
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
    g.rejected = generateaccepted(g.maze, rng, level);
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
        EXPECT_EQ(out.maze.posrow, g.row);
        EXPECT_EQ(out.maze.poscol, g.col);
        EXPECT_EQ(out.maze.facing, g.facing);
        EXPECT_EQ(out.maze.compassturn, g.turn);
        EXPECT_EQ(out.rejected, g.rejected);
        EXPECT_EQ(fingerprint(out.maze, out.rejected), g.print);
    }
}

TEST(Generator, FirstDrawsLayTheFirstWallLine) {
    // The first wall line starts its gaps at row 3: a <- 3 + rand(3) + 1.
    Random rng(42);
    Random mirror(42);
    Maze maze;
    maze.mazesize = 20;
    generatemaze(maze, rng);
    const int firstgap = 3 + static_cast<int>(mirror.rand(3)) + 1;
    EXPECT_NE(maze.at(firstgap, 2), cellwall);
    for (int r = 1; r < firstgap; ++r)
        EXPECT_EQ(maze.at(r, 2), cellwall) << r;
}

bool isitem(CellCode code) {
    return code >= 64 && code <= 127;
}

// Cells the rules keep apart: boxes, traps, the start, the exit.
bool keptapart(CellCode code) {
    return code == cellexit || code == cellstart || isitem(code);
}

class EveryLevel : public ::testing::TestWithParam<int> {};

TEST_P(EveryLevel, MazesKeepEveryPlacementRule) {
    const int level = GetParam();
    const int n = 20 * level;
    const int perblock[] = {0, 6, 10, 10, 20, 20};
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

        EXPECT_EQ(codes[cellfood], count(perblock[1]));
        EXPECT_EQ(codes[cellbattery], count(perblock[2]));
        EXPECT_EQ(codes[cellstone] + codes[cellgem1] + codes[cellgem3] + codes[cellgem5] +
                      codes[cellemptybox],
                  count(perblock[3]));
        EXPECT_EQ(codes[cellfoodtrap], count(perblock[4]));
        EXPECT_EQ(codes[cellgemtrap], count(perblock[5]));
        for (const CellCode tool : {cellcompass, cellgps, cellbeacon, celldetector, celltracker})
            EXPECT_EQ(codes[tool], 1) << int(tool);
        EXPECT_EQ(codes[cellwallmap], 1);
        EXPECT_EQ(codes[cellexit], 1);
        EXPECT_EQ(codes[cellstart], 1);

        // The start: the topmost path cell of its column, inside the frame, never facing 4.
        EXPECT_EQ(m.here(), cellstart);
        EXPECT_NE(m.facing, 4);
        EXPECT_GE(m.compassturn, 0);
        EXPECT_LE(m.compassturn, 3);
        EXPECT_GE(m.poscol, 10);
        EXPECT_LE(m.poscol, std::max(10, n - 11)); // rand(0) is 0 at level 1
        if (level == 1) {
            EXPECT_EQ(m.poscol, 10);
        }
        for (int r = 0; r < m.posrow; ++r)
            EXPECT_NE(m.at(r, m.poscol), cellpath);
        EXPECT_GT(m.posrow, 0);
        EXPECT_LT(m.posrow, n);

        int exitrow = -1;
        for (int r = 0; r <= n; ++r) {
            for (int c = 0; c <= n; ++c) {
                const CellCode code = m.at(r, c);
                if (code == cellexit) exitrow = r;
                if (isitem(code)) {
                    EXPECT_NE(r, m.posrow);
                    EXPECT_NE(c, m.poscol);
                }
                if (code >= cellcompass && code <= celltracker) {
                    // Tools lie in a plain stretch of the through-path.
                    for (const CellCode nb :
                         {m.at(r + 1, c), m.at(r - 1, c), m.at(r, c + 1), m.at(r, c - 1)})
                        EXPECT_TRUE(nb == cellpath || (iswall(nb) && nb != cellwallmap)) << int(nb);
                }
                if (!keptapart(code) && code != cellwallmap) continue;
                for (const CellCode nb :
                     {m.at(r + 1, c), m.at(r - 1, c), m.at(r, c + 1), m.at(r, c - 1)}) {
                    if (isitem(code)) {
                        EXPECT_FALSE(keptapart(nb) || nb == cellwallmap) << r << "," << c;
                    }
                    if (code == cellwallmap || code == cellexit || code == cellstart) {
                        EXPECT_FALSE(isitem(nb)) << r << "," << c;
                    }
                }
            }
        }

        // The exit sits in column N, closed above, below and behind.
        ASSERT_GE(exitrow, 2);
        EXPECT_EQ(m.at(exitrow, n), cellexit);
        EXPECT_TRUE(iswall(m.at(exitrow - 1, n)));
        EXPECT_TRUE(iswall(m.at(exitrow + 1, n)));
        EXPECT_FALSE(iswall(m.at(exitrow, n - 1)));
        for (int r = 0; r < gridsize; ++r) {
            const bool behindexit = r >= exitrow - 1 && r <= exitrow + 1;
            EXPECT_EQ(m.at(r, n + 1), behindexit ? cellwall : cellopen) << r;
            for (int c = n + 2; c < gridsize; ++c)
                ASSERT_EQ(m.at(r, c), cellopen);
            if (r > n) {
                for (int c = 0; c < gridsize; ++c)
                    ASSERT_EQ(m.at(r, c), cellopen);
            }
        }

        // The exit can be walked to from the start.
        std::vector<bool> seen(gridcells);
        std::queue<std::pair<int, int>> todo;
        todo.push({m.posrow, m.poscol});
        seen[m.posrow * gridsize + m.poscol] = true;
        bool reached = false;
        while (!todo.empty()) {
            const auto [r, c] = todo.front();
            todo.pop();
            if (m.at(r, c) == cellexit) reached = true;
            for (int f = 1; f <= 4; ++f) {
                const Step s = aheadstep(f);
                const int rr = r + s.dr, cc = c + s.dc;
                if (!Maze::inside(rr, cc) || iswall(m.at(rr, cc)) || seen[rr * gridsize + cc])
                    continue;
                seen[rr * gridsize + cc] = true;
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
    maze.mazesize = 40;
    int serviced = 0;
    generatemaze(maze, rng, [&serviced] { ++serviced; });
    EXPECT_GE(serviced, 5); // at least one attempt per tool
}

} // namespace
} // namespace quorvel
