// The view scan: which strip pictures, exit case and boxes a position shows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator.h"
#include "random.h"
#include "viewscan.h"

namespace quorvel {
namespace {

// Builds a maze from text rows ('#' wall, 'X' wall map, '.' floor, 'E' exit,
// '+' opened box, other characters their own code); outside is wall.
Maze drawn(const std::vector<std::string>& rows, int row, int col, int facing) {
    Maze m;
    m.grid.fill(cellwall);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            const char ch = rows[r][c];
            m.set(r, c,
                  ch == '#'   ? cellwall
                  : ch == 'X' ? cellwallmap
                  : ch == '.' ? cellopen
                  : ch == 'E' ? cellexit
                  : ch == '+' ? cellopenedbox
                              : static_cast<CellCode>(ch));
        }
    }
    m.posrow = row;
    m.poscol = col;
    m.facing = facing;
    return m;
}

std::string strips(const ViewPlan& p) {
    std::string out;
    for (const StripPicture s : p.strips)
        out += (out.empty() ? "" : " ") + std::string(stripname(s));
    return out;
}

TEST(ViewScan, AWallDirectlyAheadShowsTheSixMiddlesWhateverIsBeside) {
    // Facing 2 (towards row + 1) at a wall, with openings left, right and behind.
    const ViewPlan p = viewscan(drawn({"#.#", "...", "###"}, 1, 1, 2));
    EXPECT_EQ(strips(p), "middle3 middle2 middle1 middle8 middle9 middle4");
    EXPECT_EQ(p.depth, 0);
    EXPECT_EQ(p.openbox, (std::array<bool, 3>{}));
    EXPECT_EQ(p.closedbox, (std::array<bool, 3>{}));
    EXPECT_EQ(p.ahead, cellwall);
}

TEST(ViewScan, DepthThreeWithOnlyTheSecondLeftOpen) {
    // Facing 3 (towards column + 1): left is row + 1.
    const Maze m = drawn(
        {
            "#######",
            "#.....#",
            "##.####",
        },
        1, 0, 3);
    Maze k3 = m;
    k3.set(1, 4, cellwall);
    const ViewPlan p = viewscan(k3);
    EXPECT_EQ(p.depth, 3);
    EXPECT_EQ(strips(p), "wall3 door8 wall7 wall9 wall10 wall5");
}

TEST(ViewScan, DepthOneUsesTheFarCornerPicturesAtTheSides) {
    const Maze m = drawn({"#.#", "...", "#.#"}, 1, 0, 3); // (1, 1) open with openings both sides
    Maze one = m;
    one.set(1, 2, cellwall);
    EXPECT_EQ(strips(viewscan(one)), "door1 middle6 middle5 middle10 middle11 door2");
    one.set(0, 1, cellwall); // right of (1, 1) facing 3 is row - 1
    one.set(2, 1, cellwall);
    EXPECT_EQ(strips(viewscan(one)), "wall1 middle6 middle5 middle10 middle11 wall2");
}

TEST(ViewScan, ThirdSideOpeningsShowTheFarWallOrTheCorridorGoingOn) {
    std::vector<std::string> rows = {
        "#######", "###.###", "#.....#", "###.###", "#######",
    };
    Maze four = drawn(rows, 2, 0, 3); // A(1..4) = (2, 1..4) open, (2, 5) open too
    const ViewPlan deep = viewscan(four);
    EXPECT_EQ(deep.depth, 4);
    EXPECT_EQ(strips(deep), "wall3 wall8 door11 door12 wall10 wall5");
    rows[2][4] = '#';
    const ViewPlan shallow = viewscan(drawn(rows, 2, 0, 3));
    EXPECT_EQ(shallow.depth, 3);
    EXPECT_EQ(strips(shallow), "wall3 wall8 door7 door9 wall10 wall5");
}

TEST(ViewScan, DepthTwoTable) {
    const Maze m = drawn({"#....", "#...#", "#....", "#####"}, 1, 0, 3);
    Maze two = m;
    two.set(1, 3, cellwall);
    // L(d) for facing 3 is row 2, R(d) row 0: L1 open, L2 open, R1 open, R2 open.
    EXPECT_EQ(strips(viewscan(two)), "door3 door4 middle7 middle12 door6 door5");
}

TEST(ViewScan, BoxesShowOnlyUpToTheFirstWallAndThreeCellsAway) {
    const std::string row = "#.k+a.#";
    Maze m = drawn({"#######", row, "#######"}, 1, 1, 3);
    ViewPlan p = viewscan(m); // (1,2) battery box closed, (1,3) opened, (1,4) food box
    EXPECT_EQ(p.closedbox, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(p.openbox, (std::array<bool, 3>{false, true, false}));

    m = drawn({"#######", "#.#a..#", "#######"}, 1, 1, 3);
    p = viewscan(m);
    EXPECT_EQ(p.closedbox, (std::array<bool, 3>{}));

    m = drawn({"#######", "#.@.l.#", "#######"}, 1, 1, 3); // a trap looks like floor
    p = viewscan(m);
    EXPECT_EQ(p.closedbox, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(p.openbox, (std::array<bool, 3>{}));

    m = drawn({"#######", "#....a.", "#######"}, 1, 1, 3); // four cells away: not shown
    EXPECT_EQ(viewscan(m).closedbox, (std::array<bool, 3>{}));
}

TEST(ViewScan, TheExitIsSeenOnlyFacingThree) {
    const std::vector<std::string> rows = {"#######", "#....E#", "#######"};
    EXPECT_EQ(viewscan(drawn(rows, 1, 2, 3)).viewcase, ViewCase::exit3);
    EXPECT_EQ(viewscan(drawn(rows, 1, 3, 3)).viewcase, ViewCase::exit2);
    EXPECT_EQ(viewscan(drawn(rows, 1, 4, 3)).viewcase, ViewCase::exit1);
    EXPECT_EQ(viewscan(drawn(rows, 1, 4, 3)).ahead, cellexit);
    EXPECT_EQ(viewscan(drawn(rows, 1, 5, 3)).viewcase, ViewCase::onexit);
    EXPECT_EQ(viewscan(drawn(rows, 1, 1, 3)).viewcase, ViewCase::normal); // four away
    EXPECT_EQ(viewscan(drawn(rows, 1, 1, 3)).depth, 4);

    // Facing 1 from the exit it is just floor behind; beside a corridor it is an opening.
    const std::vector<std::string> side = {"#####", "#...#", "##E##", "#####"};
    const ViewPlan p = viewscan(drawn(side, 1, 3, 1)); // facing column - 1; left is row - 1
    EXPECT_EQ(p.viewcase, ViewCase::normal);
    EXPECT_EQ(stripname(p.strips[5]), "door5"); // R(1) = (2, 2), the exit, reads as open
}

TEST(ViewScan, EveryPlanFillsTheViewWithPicturesOfTheRightWidths) {
    for (int level = 1; level <= 6; ++level) {
        Random rng(1000u + static_cast<unsigned>(level));
        Maze m;
        generateaccepted(m, rng, level);
        for (int r = 1; r < m.mazesize; ++r) {
            for (int c = 1; c <= m.mazesize; ++c) {
                if (iswall(m.at(r, c))) continue;
                for (int f = 1; f <= 4; ++f) {
                    Maze at = m;
                    at.posrow = r;
                    at.poscol = c;
                    at.facing = f;
                    const ViewPlan p = viewscan(at);
                    for (int s = 0; s < 6; ++s)
                        ASSERT_EQ(stripwidth(p.strips[s]), stripwidths[s]) << strips(p);
                    if (f != 3) {
                        ASSERT_EQ(p.viewcase, ViewCase::normal);
                    }
                }
            }
        }
    }
}

TEST(ViewScan, CellsOutsideTheGridCountAsWalls) {
    Maze m;
    m.grid.fill(cellopen);
    m.posrow = 0;
    m.poscol = 130;
    m.facing = 3;
    const ViewPlan p = viewscan(m);
    EXPECT_EQ(p.depth, 0);
    EXPECT_EQ(p.ahead, cellwall);
}

TEST(StripPictures, NamesAndIndicesRoundTrip) {
    for (int i = 0; i < strippicturecount; ++i)
        EXPECT_EQ(StripPicture::fromindex(i).index(), i);
    EXPECT_EQ(stripname(StripPicture::fromindex(0)), "door1");
    EXPECT_EQ(stripname(StripPicture::fromindex(23)), "wall12");
    EXPECT_EQ(stripname(StripPicture::fromindex(35)), "middle12");
}

} // namespace
} // namespace quorvel
