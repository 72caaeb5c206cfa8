// The generator: exact mazes for fixed seeds, and the rules every maze keeps.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <queue>
#include <utility>

#include "game/generator.h"
#include "game/random.h"

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

// The tool rules, read straight from their statement: the first row of column c
// whose cell lies on the through-path, off the start's row and column, with only path
// or plain walls around it (no side passage, box, exit or wall map); -1 when none.
int ruleToolRow(const Maze& m, int c) {
    for (int r = 1; r <= m.mazeSize - 1; ++r) {
        if (m.at(r, c) != cellPath || r == m.posRow || c == m.posCol) continue;
        bool fits = true;
        for (const CellCode nb : {m.at(r + 1, c), m.at(r - 1, c), m.at(r, c + 1), m.at(r, c - 1)})
            if (nb == cellWallMap || nb == cellExit || (nb != cellPath && !isWall(nb)))
                fits = false;
        if (fits) return r;
    }
    return -1;
}

// Follows one generation attempt by attempt through the events it services at the
// start of every tool attempt, and checks each attempt against the rules: the column
// drawn next, the cell the rules pick in it, the tool of the turn, and the retries.
class ToolRules {
  public:
    ToolRules(const Maze& maze, const Random& rng) : m_maze(maze), m_rng(rng) {}

    /// The events serviced at the start of one attempt.
    void attempt() {
        checkLastAttempt(m_maze.grid);
        ASSERT_LT(m_tool, 5) << "an attempt after the last tool";
        ++m_tries;
        Random next = m_rng; // the draw this attempt is about to make
        const int c = m_maze.posCol - 9 + static_cast<int>(next.rand(18));
        ASSERT_GE(c, m_maze.posCol - 9);
        ASSERT_LE(c, m_maze.posCol + 8);
        const int r = ruleToolRow(m_maze, c);
        m_before = m_maze.grid;
        m_placed = r >= 0 ? std::optional(std::pair(r, c)) : std::nullopt;
        m_placedTool = tools[m_tool];
        if (m_placed) m_where[m_tool] = *m_placed;
        if (m_tries == 3) m_reject = true; // even when the third attempt places the tool
        if (m_placed || m_reject) {
            ++m_tool;
            m_tries = 0;
        }
    }

    /// After the generation: every tool had its attempts, each placed tool lies where
    /// its attempt put it and nowhere else, and the maze is rejected exactly when the
    /// rules say so.
    void finish(bool rejected) {
        EXPECT_EQ(m_tool, 5) << "a tool never had its attempts";
        EXPECT_EQ(rejected, m_reject);
        std::map<int, int> count;
        for (int r = 0; r <= m_maze.mazeSize; ++r)
            for (int c = 0; c <= m_maze.mazeSize; ++c)
                ++count[m_maze.at(r, c)];
        for (int t = 0; t < 5; ++t) {
            if (!m_where[t]) {
                EXPECT_TRUE(m_reject) << "tool " << int(tools[t]) << " missing from a kept maze";
                EXPECT_EQ(count[tools[t]], 0) << int(tools[t]);
                continue;
            }
            const auto [r, c] = *m_where[t];
            EXPECT_EQ(m_maze.at(r, c), tools[t]) << "tool " << int(tools[t]) << " moved";
            EXPECT_EQ(count[tools[t]], 1) << int(tools[t]);
            EXPECT_NE(r, m_maze.posRow);
            EXPECT_NE(c, m_maze.posCol);
        }
    }

    bool rejected() const { return m_reject; }

  private:
    static constexpr CellCode tools[5] = {cellCompass, cellBeacon, cellDetector, cellGps,
                                          cellTracker};
    const Maze& m_maze;
    const Random& m_rng;
    int m_tool = 0;
    int m_tries = 0;
    bool m_reject = false;
    std::optional<decltype(Maze::grid)> m_before;
    std::optional<std::pair<int, int>> m_placed;
    CellCode m_placedTool = cellOpen;
    std::array<std::optional<std::pair<int, int>>, 5> m_where{};

    // Between two attempts the grid changes only by the tool the first one placed.
    void checkLastAttempt(const decltype(Maze::grid)& now) {
        if (!m_before) return;
        auto expected = *m_before;
        if (m_placed) expected[m_placed->first * gridSize + m_placed->second] = m_placedTool;
        EXPECT_TRUE(now == expected) << "an attempt changed the grid against the rules";
    }
};

TEST_P(EveryLevel, EachToolIsPlacedAsTheRulesSayOnEveryAttempt) {
    const int level = GetParam();
    int rejectedMazes = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Random rng(seed * 40503u);
        // A few mazes in a row from one stream, rejected ones included.
        for (int attempt = 0; attempt < 3; ++attempt) {
            Maze maze;
            maze.mazeSize = 20 * level;
            ToolRules rules(maze, rng);
            const bool rejected = generateMaze(maze, rng, [&rules] { rules.attempt(); });
            rules.finish(rejected);
            if (rejected) ++rejectedMazes;
        }
    }
    if (level >= 2) {
        EXPECT_GT(rejectedMazes, 0) << "no rejected maze was followed";
    }
}

// The bound counts every attempt, the first included. With none allowed the maze is
// thrown away bare; with one, this seed's wall map and first two food boxes get theirs.
TEST(Generator, EveryPlacementMayTakeAsManyAttemptsAsTheBound) {
    for (const long bound : {0L, 1L}) {
        Random rng(7);
        Maze maze;
        maze.mazeSize = 20;
        EXPECT_TRUE(generateMaze(maze, rng, {}, bound));
        std::map<int, int> codes;
        for (int r = 0; r <= 21; ++r)
            for (int c = 0; c <= 21; ++c)
                ++codes[maze.at(r, c)];
        EXPECT_EQ(codes[cellWallMap], bound);
        EXPECT_EQ(codes[cellFood], 2 * bound);
    }
}

} // namespace
} // namespace quorvel
