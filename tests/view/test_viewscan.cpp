// The view scan: which strip pictures, exit case and boxes a position shows.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "game/generator.h"
#include "game/random.h"
#include "view/overheadmap.h"
#include "view/viewscan.h"
#include "view/viewwords.h"

namespace quorvel {
namespace {

// Builds a maze from text rows ('#' wall, 'X' wall map, '.' floor, 'E' exit,
// '+' opened box, other characters their own code); outside is wall.
Maze drawn(const std::vector<std::string>& rows, int row, int col, int facing) {
    Maze m;
    m.grid.fill(cellWall);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            const char ch = rows[r][c];
            m.set(r, c,
                  ch == '#'   ? cellWall
                  : ch == 'X' ? cellWallMap
                  : ch == '.' ? cellOpen
                  : ch == 'E' ? cellExit
                  : ch == '+' ? cellOpenedBox
                              : static_cast<CellCode>(ch));
        }
    }
    m.posRow = row;
    m.posCol = col;
    m.facing = facing;
    return m;
}

std::string strips(const ViewPlan& p) {
    std::string out;
    for (const StripPicture s : p.strips)
        out += (out.empty() ? "" : " ") + std::string(stripName(s));
    return out;
}

TEST(ViewScan, AWallDirectlyAheadShowsTheSixMiddlesWhateverIsBeside) {
    // Facing 2 (towards row + 1) at a wall, with openings left, right and behind.
    const ViewPlan p = viewScan(drawn({"#.#", "...", "###"}, 1, 1, 2));
    EXPECT_EQ(strips(p), "middle3 middle2 middle1 middle8 middle9 middle4");
    EXPECT_EQ(p.depth, 0);
    EXPECT_EQ(p.openBox, (std::array<bool, 3>{}));
    EXPECT_EQ(p.closedBox, (std::array<bool, 3>{}));
    EXPECT_EQ(p.ahead, cellWall);
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
    k3.set(1, 4, cellWall);
    const ViewPlan p = viewScan(k3);
    EXPECT_EQ(p.depth, 3);
    EXPECT_EQ(strips(p), "wall3 door8 wall7 wall9 wall10 wall5");
}

TEST(ViewScan, DepthOneUsesTheFarCornerPicturesAtTheSides) {
    const Maze m = drawn({"#.#", "...", "#.#"}, 1, 0, 3); // (1, 1) open with openings both sides
    Maze one = m;
    one.set(1, 2, cellWall);
    EXPECT_EQ(strips(viewScan(one)), "door1 middle6 middle5 middle10 middle11 door2");
    one.set(0, 1, cellWall); // right of (1, 1) facing 3 is row - 1
    one.set(2, 1, cellWall);
    EXPECT_EQ(strips(viewScan(one)), "wall1 middle6 middle5 middle10 middle11 wall2");
}

TEST(ViewScan, ThirdSideOpeningsShowTheFarWallOrTheCorridorGoingOn) {
    std::vector<std::string> rows = {
        "#######", "###.###", "#.....#", "###.###", "#######",
    };
    Maze four = drawn(rows, 2, 0, 3); // A(1..4) = (2, 1..4) open, (2, 5) open too
    const ViewPlan deep = viewScan(four);
    EXPECT_EQ(deep.depth, 4);
    EXPECT_EQ(strips(deep), "wall3 wall8 door11 door12 wall10 wall5");
    rows[2][4] = '#';
    const ViewPlan shallow = viewScan(drawn(rows, 2, 0, 3));
    EXPECT_EQ(shallow.depth, 3);
    EXPECT_EQ(strips(shallow), "wall3 wall8 door7 door9 wall10 wall5");
}

TEST(ViewScan, DepthTwoTable) {
    const Maze m = drawn({"#....", "#...#", "#....", "#####"}, 1, 0, 3);
    Maze two = m;
    two.set(1, 3, cellWall);
    // L(d) for facing 3 is row 2, R(d) row 0: L1 open, L2 open, R1 open, R2 open.
    EXPECT_EQ(strips(viewScan(two)), "door3 door4 middle7 middle12 door6 door5");
}

TEST(ViewScan, BoxesShowOnlyUpToTheFirstWallAndThreeCellsAway) {
    const std::string row = "#.k+a.#";
    Maze m = drawn({"#######", row, "#######"}, 1, 1, 3);
    ViewPlan p = viewScan(m); // (1,2) battery box closed, (1,3) opened, (1,4) food box
    EXPECT_EQ(p.closedBox, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(p.openBox, (std::array<bool, 3>{false, true, false}));

    m = drawn({"#######", "#.#a..#", "#######"}, 1, 1, 3);
    p = viewScan(m);
    EXPECT_EQ(p.closedBox, (std::array<bool, 3>{}));

    m = drawn({"#######", "#.@.l.#", "#######"}, 1, 1, 3); // a trap looks like floor
    p = viewScan(m);
    EXPECT_EQ(p.closedBox, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(p.openBox, (std::array<bool, 3>{}));

    m = drawn({"#######", "#....a.", "#######"}, 1, 1, 3); // four cells away: not shown
    EXPECT_EQ(viewScan(m).closedBox, (std::array<bool, 3>{}));
}

TEST(ViewScan, TheExitIsSeenOnlyFacingThree) {
    const std::vector<std::string> rows = {"#######", "#....E#", "#######"};
    EXPECT_EQ(viewScan(drawn(rows, 1, 2, 3)).viewCase, ViewCase::exit3);
    EXPECT_EQ(viewScan(drawn(rows, 1, 3, 3)).viewCase, ViewCase::exit2);
    EXPECT_EQ(viewScan(drawn(rows, 1, 4, 3)).viewCase, ViewCase::exit1);
    EXPECT_EQ(viewScan(drawn(rows, 1, 4, 3)).ahead, cellExit);
    EXPECT_EQ(viewScan(drawn(rows, 1, 5, 3)).viewCase, ViewCase::onExit);
    EXPECT_EQ(viewScan(drawn(rows, 1, 1, 3)).viewCase, ViewCase::normal); // four away
    EXPECT_EQ(viewScan(drawn(rows, 1, 1, 3)).depth, 4);
    // A wall one or two cells ahead hides an exit behind it.
    for (const std::string row : {"#.#E#", "#.#.E#", "#..#E#"}) {
        const std::string wall(row.size(), '#');
        EXPECT_EQ(viewScan(drawn({wall, row, wall}, 1, 1, 3)).viewCase, ViewCase::normal) << row;
    }

    // Facing 1 from the exit it is just floor behind; beside a corridor it is an opening.
    const std::vector<std::string> side = {"#####", "#...#", "##E##", "#####"};
    const ViewPlan p = viewScan(drawn(side, 1, 3, 1)); // facing column - 1; left is row - 1
    EXPECT_EQ(p.viewCase, ViewCase::normal);
    EXPECT_EQ(stripName(p.strips[5]), "door5"); // R(1) = (2, 2), the exit, reads as open
}

// The width of each strip picture as the artwork is drawn: a picture fits only the
// strips of its own width.
int drawnWidth(std::string_view name) {
    static const std::map<std::string_view, int> widths = {
        {"door1", 60},   {"door2", 60},    {"door3", 60},   {"door5", 60},   {"wall1", 60},
        {"wall2", 60},   {"wall3", 60},    {"wall5", 60},   {"middle3", 60}, {"middle4", 60},
        {"door4", 40},   {"door6", 40},    {"door8", 40},   {"door10", 40},  {"wall4", 40},
        {"wall6", 40},   {"wall8", 40},    {"wall10", 40},  {"middle2", 40}, {"middle6", 40},
        {"middle9", 40}, {"middle11", 40}, {"door7", 20},   {"door9", 20},   {"door11", 20},
        {"door12", 20},  {"wall7", 20},    {"wall9", 20},   {"wall11", 20},  {"wall12", 20},
        {"middle1", 20}, {"middle5", 20},  {"middle7", 20}, {"middle8", 20}, {"middle10", 20},
        {"middle12", 20}};
    const auto it = widths.find(name);
    return it == widths.end() ? -1 : it->second;
}

TEST(ViewScan, StripsTileTheViewAndEachPictureHasItsDrawnWidth) {
    // Strips 1..6 left to right: 60, 40, 20 | 20, 40, 60 pixels, edge to edge.
    const std::array<int, 6> left = {0, 60, 100, 120, 140, 180};
    const std::array<int, 6> width = {60, 40, 20, 20, 40, 60};
    EXPECT_EQ(stripX, left);
    EXPECT_EQ(stripWidths, width);
    for (int i = 0; i < stripPictureCount; ++i) {
        const StripPicture p = StripPicture::fromIndex(i);
        EXPECT_EQ(stripWidth(p), drawnWidth(stripName(p))) << stripName(p);
    }
}

// Whatever a position shows, each strip holds a picture drawn for a strip of its
// width, so no view ever has a gap or an overlap.
TEST(ViewScan, EveryPlanPutsPicturesOfTheStripsOwnWidthInEachStrip) {
    const std::array<int, 6> width = {60, 40, 20, 20, 40, 60};
    for (int level = 1; level <= 6; ++level) {
        Random rng(1000u + static_cast<unsigned>(level));
        Maze m;
        generateAccepted(m, rng, level);
        for (int r = 1; r < m.mazeSize; ++r) {
            for (int c = 1; c <= m.mazeSize; ++c) {
                if (isWall(m.at(r, c))) continue;
                for (int f = 1; f <= 4; ++f) {
                    Maze at = m;
                    at.posRow = r;
                    at.posCol = c;
                    at.facing = f;
                    const ViewPlan p = viewScan(at);
                    for (int s = 0; s < 6; ++s)
                        ASSERT_EQ(drawnWidth(stripName(p.strips[s])), width[s])
                            << "strip " << s + 1 << " of " << strips(p);
                    if (f != 3) {
                        ASSERT_EQ(p.viewCase, ViewCase::normal);
                    }
                }
            }
        }
    }
}

TEST(ViewScan, CellsOutsideTheGridCountAsWalls) {
    Maze m;
    m.grid.fill(cellOpen);
    m.posRow = 0;
    m.posCol = 130;
    m.facing = 3;
    const ViewPlan p = viewScan(m);
    EXPECT_EQ(p.depth, 0);
    EXPECT_EQ(p.ahead, cellWall);
}

TEST(StripPictures, NamesAndIndicesRoundTrip) {
    for (int i = 0; i < stripPictureCount; ++i)
        EXPECT_EQ(StripPicture::fromIndex(i).index(), i);
    EXPECT_EQ(stripName(StripPicture::fromIndex(0)), "door1");
    EXPECT_EQ(stripName(StripPicture::fromIndex(23)), "wall12");
    EXPECT_EQ(stripName(StripPicture::fromIndex(35)), "middle12");
}

// The view in words, for spoken play and screen readers: no more than the view shows.
TEST(ViewWords, WhatLiesAheadTheCountersAndTheToolsInPlainWords) {
    // Facing 3 (towards column + 1): left is row + 1.
    const std::vector<std::string> rows = {"#.####", "..a.##", "##.###", "######"};
    EXPECT_EQ(describeView(drawn(rows, 1, 0, 3)),
              "three cells; right after one; left after two; box two ahead");
    EXPECT_EQ(describeView(drawn(rows, 1, 0, 1)), "a wall");
    EXPECT_EQ(describeView(drawn({"......."}, 0, 0, 3)), "four cells or more");
    EXPECT_EQ(describeView(drawn({"..E"}, 0, 1, 3)), "the exit ahead");
    EXPECT_EQ(describeView(drawn({".X"}, 0, 0, 3)), "a wall with the map of the maze");
    EXPECT_EQ(describeView(drawn({"...X"}, 0, 0, 3)), "two cells; the map at its end");
    EXPECT_EQ(describeView(drawn({".....X"}, 0, 0, 3)), "four cells or more");
    // A battery left in its opened box is batteries, not a box to open.
    EXPECT_EQ(describeView(drawn({".l+k#"}, 0, 0, 3)),
              "three cells; batteries ahead; opened box two ahead; box three ahead");

    // Beside the player's own cell, and which way a hint points.
    const struct {
        std::vector<std::string> rows;
        std::string sides, hint;
    } beside[] = {
        {{"#.#", "#.#", "#.#"}, "", ""},
        {{"#.#", "...", "#.#"}, "Open both sides.", ""},
        {{"#.#", "#..", "#E#"}, "Open left.", "The exit is behind you."},
        {{"#.#", "X..", "#.#"}, "Open left.", "The map is to your right."},
        {{"#.#", "#.E", "#.#"}, "Open left.", "The exit is to your left."},
        {{"#.#", "..#", "#.#"}, "Open right.", ""},
    };
    for (const auto& b : beside) { // facing 4, towards row - 1: the left is column + 1
        const Maze here = drawn(b.rows, 1, 1, 4);
        EXPECT_EQ(describeSides(here), b.sides) << b.rows[1];
        EXPECT_EQ(describeHint(here), b.hint) << b.rows[1];
    }
    EXPECT_EQ(describeFind(Tool::gps), "Found the G.P.S.");
    EXPECT_EQ(describeRun(5), "Ran five cells.");

    Maze m = drawn({"......", "......", "E....."}, 0, 3, 3);
    m.mazeSize = 20;
    m.compassTurn = 1;
    GameState s;
    s.foodLevel = 87;
    s.batteryLevel = 64;
    s.gemScore = 5;
    s.stepCount = 120;
    EXPECT_EQ(describeCounters(s, "0 days, 00:03:12"),
              "Food 87, battery 64 percent, gems 5, steps 120, time 0 days, 00:03:12.");
    EXPECT_EQ(describeHeading(m, s), "No compass.");
    EXPECT_EQ(describeTools(m, s), "No G.P.S., beacon, detector or tracker.");
    s.hasCompass = s.hasGps = s.hasBeacon = s.hasDetector = true;
    EXPECT_EQ(describeHeading(m, s), "Facing west."); // facing 3 turned by one quarter
    // The G.P.S. says what the map window's position box says.
    OverheadMap map;
    map.setupMap(&m, "Ann", m.compassTurn, m.mazeSize);
    map.updateMapPosition(m.posRow, m.posCol, true, false);
    const std::string tools = describeTools(m, s);
    EXPECT_EQ(tools.substr(0, tools.find(". ")),
              "G.P.S.: " + map.labelX().substr(0, 1) + map.labelX().substr(2) + ", " +
                  map.labelY().substr(0, 1) + map.labelY().substr(2));
    // The exit: three columns back (facing 1, east with this turn) and two rows on (south).
    EXPECT_NE(tools.find("Beacon: the exit lies three cells east and two cells south."),
              std::string::npos)
        << tools;
    EXPECT_NE(tools.find("Detector: no boxes left."), std::string::npos) << tools;
}

} // namespace
} // namespace quorvel
