// The overhead map's picture: what each tool reveals, where, and in which colour.

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <numeric>
#include <vector>

#include "game/generator.h"
#include "game/random.h"
#include "view/overheadmap.h"

namespace quorvel {
namespace {

using namespace mapColour;

class MapTest : public ::testing::Test {
  protected:
    Maze maze;
    OverheadMap map;

    void SetUp() override {
        Random rng(4242);
        generateAccepted(maze, rng, 1);
        map.setupMap(&maze, "Ann", maze.compassTurn, maze.mazeSize);
    }
    MapColour at(int row, int col) const {
        return map.picture().pixel(map.mapX(row + 2, col + 2), map.mapY(row + 2, col + 2));
    }
    // A walkable cell of the maze at column c, and the one to its right.
    std::pair<int, int> walkable(int c) const {
        for (int r = 1; r < maze.mazeSize; ++r)
            if (!isWall(maze.at(r, c))) return {r, c};
        return {-1, -1};
    }
};

TEST_F(MapTest, SetupGivesABlackPictureOfNPlusFiveAndCountsTheMaze) {
    EXPECT_EQ(map.picture().width, 25);
    EXPECT_EQ(map.picture().height, 25);
    for (const std::uint8_t b : map.picture().rgb)
        ASSERT_EQ(b, 0);
    const Tally& t = map.placedTally();
    EXPECT_EQ(std::accumulate(t.begin(), t.end(), 0), 21 * 21);
    EXPECT_EQ(map.placedCount(cellFood), 9);
    EXPECT_EQ(map.placedCount(256), -1);
    EXPECT_EQ(map.placedCount(-1), -1);
    EXPECT_EQ(map.remainingCount(256), -1);
    EXPECT_EQ(map.lastRow(), -1);
    for (const int size : {40, 60, 80, 100, 120})
        EXPECT_EQ(OverheadMap::pictureSide(size), size + 5);
    EXPECT_EQ(OverheadMap::pictureSide(33), 25);
    OverheadMap unnamed;
    unnamed.setupMap(&maze, "", 0, 20);
    EXPECT_EQ(unnamed.mapPlayer(), "Friend");
}

TEST_F(MapTest, WithoutToolsMovingPaintsNothing) {
    const auto [r, c] = walkable(1);
    map.updateMapPosition(r, c, false, false);
    map.updateMapPosition(r, c + 1, false, false);
    for (const std::uint8_t b : map.picture().rgb)
        ASSERT_EQ(b, 0);
    EXPECT_FALSE(map.labelsVisible());
    EXPECT_FALSE(map.flashing());
}

TEST_F(MapTest, TheTrackerTrailFollowsOneStepBehind) {
    maze.grid.fill(cellOpen);
    // From the grid's first row and column, where a hand-made saved game may start.
    map.updateMapPosition(0, 0, false, true);
    EXPECT_EQ(at(0, 0), black);
    map.updateMapPosition(0, 1, false, true);
    map.updateMapPosition(1, 1, false, true);
    EXPECT_EQ(at(0, 0), aqua);
    EXPECT_EQ(at(0, 1), aqua);
    EXPECT_EQ(at(1, 1), black);
    // A new game's map starts with no trail: the last game's place is not painted.
    map.setupMap(&maze, "Ann", 0, 20);
    map.updateMapPosition(5, 5, false, true);
    EXPECT_EQ(at(1, 1), black);
}

TEST_F(MapTest, TheGpsMarkBlinksAndTheLabelsShowTheTurnedPosition) {
    maze.grid.fill(cellOpen);
    OverheadMap turned;
    turned.setupMap(&maze, "Ann", 1, 20);
    turned.updateMapPosition(0, 7, true, false); // on the first row, as a saved game may be
    EXPECT_EQ(turned.picture().pixel(turned.mapX(2, 9), turned.mapY(2, 9)), yellow);
    EXPECT_TRUE(turned.flashing());
    EXPECT_TRUE(turned.labelsVisible());
    EXPECT_EQ(turned.labelX(), "X: 17"); // M - col = 24 - 7
    EXPECT_EQ(turned.labelY(), "Y: 0");
    const auto mark = [&] { return turned.picture().pixel(turned.mapX(2, 9), turned.mapY(2, 9)); };
    int blinks = 0;
    for (const MapColour shown : {navy, yellow, navy}) {
        turned.blink();
        EXPECT_EQ(mark(), shown) << "blink " << ++blinks;
    }
    // Moving on stops the blink until the new mark is painted, and the old place goes dark.
    turned.updateMapPosition(0, 8, false, false);
    EXPECT_EQ(mark(), black);
    EXPECT_FALSE(turned.flashing());
    EXPECT_FALSE(turned.labelsVisible());
}

TEST_F(MapTest, LeavingAnUnusedBatteryPaintsItRedEvenWithoutTheDetector) {
    maze.grid.fill(cellOpen);
    maze.set(4, 4, cellBatteryLeft);
    maze.set(4, 6, cellFood);
    map.updateMapPosition(4, 4, false, false);
    map.updateMapPosition(4, 5, false, false);
    EXPECT_EQ(at(4, 4), red);
    map.updateMapPosition(4, 6, false, true);
    map.updateMapPosition(4, 7, false, true);
    EXPECT_EQ(at(4, 6), fuchsia);
}

TEST_F(MapTest, TheWallMapShowsWallsOnlyWhileInViewButTheMapWallStaysSilver) {
    int wr = -1, wc = -1;
    for (int r = 0; r <= 20; ++r)
        for (int c = 0; c <= 20; ++c)
            if (maze.at(r, c) == cellWallMap) wr = r, wc = c;
    ASSERT_GE(wr, 0);
    map.updateMapTools(true, false, false);
    EXPECT_EQ(at(0, 0), gray);
    EXPECT_EQ(at(wr, wc), silver);
    map.updateMapTools(false, false, false);
    EXPECT_EQ(at(0, 0), black);
    EXPECT_EQ(at(wr, wc), silver);
    const int side = map.picture().width;
    const double x = map.mapX(wr + 2, wc + 2) + 0.5, y = map.mapY(wr + 2, wc + 2) + 0.5;
    EXPECT_EQ(map.hoverText(x * 8, y * 8, side * 8, side * 8, "A box", "batteries"),
              "A wall (map)");
    EXPECT_EQ(map.hoverText(0, 0, side * 8, side * 8, "A box", "batteries"), "");
}

TEST_F(MapTest, DetectorAndBeaconMarksAreNeverErased) {
    map.updateMapTools(false, true, true);
    int boxes = 0, exits = 0;
    for (int r = 0; r <= 20; ++r) {
        for (int c = 0; c <= 20; ++c) {
            const CellCode code = maze.at(r, c);
            if (isClosedBox(code)) {
                EXPECT_EQ(at(r, c), code == cellBatteryLeft ? red : fuchsia);
                ++boxes;
            }
            if (code == cellExit) {
                EXPECT_EQ(at(r, c), lime);
                ++exits;
            }
        }
    }
    EXPECT_GT(boxes, 10);
    EXPECT_EQ(exits, 1);
    map.updateMapTools(false, false, false);
    for (int r = 0; r <= 20; ++r)
        for (int c = 0; c <= 20; ++c)
            if (maze.at(r, c) == cellExit) {
                EXPECT_EQ(at(r, c), lime);
            }
}

TEST_F(MapTest, HoverTextsNameWhatIsUnderTheMouse) {
    maze.grid.fill(cellOpen);
    maze.set(2, 2, cellBatteryLeft);
    map.updateMapTools(false, true, false);
    map.updateMapPosition(3, 3, true, false);
    const auto hover = [&](int row, int col) {
        const double x = map.mapX(row + 2, col + 2) * 10 + 5,
                     y = map.mapY(row + 2, col + 2) * 10 + 5;
        return map.hoverText(x, y, 250, 250, "A crate", "cells");
    };
    EXPECT_EQ(hover(2, 2), "A crate (cells)");
    EXPECT_EQ(hover(3, 3), "Your location");
    map.blink();
    map.blink();
    EXPECT_EQ(hover(3, 3), "Your location");
    EXPECT_EQ(hover(5, 5), "");
}

// A saved game's last position is any pair of numbers the file held: one outside the
// maze is no position, so nothing is repainted from it, while a real one is kept.
TEST_F(MapTest, ASavedLastPositionOutsideTheMazeIsNone) {
    const int n = maze.mazeSize;
    for (const auto& [row, col] :
         {std::pair{2147483647, 5}, {5, -2147483647 - 1}, {n + 1, 3}, {-7, -7}, {3, 131}}) {
        map.restore(n, 0, row, col);
        EXPECT_EQ(map.lastRow(), -1) << row << "," << col;
        EXPECT_EQ(map.lastCol(), -1) << row << "," << col;
        map.updateMapPosition(maze.posRow, maze.posCol, true, true);
        map.blink();
        EXPECT_EQ(map.lastRow(), maze.posRow);
    }
    map.restore(n, 0, n, 0);
    EXPECT_EQ(map.lastRow(), n);
    EXPECT_EQ(map.lastCol(), 0);
    const std::vector<std::uint8_t> before = map.picture().rgb;
    for (const auto& [row, col] : {std::pair{2147483647, 4}, {4, gridSize}, {-1, 4}, {4, -1}}) {
        map.updateMapPosition(row, col, true, true); // off the grid: nothing happens
        EXPECT_EQ(map.picture().rgb, before) << row << "," << col;
        EXPECT_EQ(map.lastRow(), n);
        EXPECT_EQ(map.lastCol(), 0);
    }
}

// The hover text of a point off the picture, or of no number at all, is empty.
TEST_F(MapTest, HoverOffThePictureNamesNothing) {
    maze.grid.fill(cellWall);
    map.updateMapTools(true, false, false);
    EXPECT_EQ(map.hoverText(125, 125, 250, 250, "A box", "cells"), "A wall");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double huge = 1e300;
    const std::array<double, 4> offThePicture[] = {
        {nan, 5.0, 250.0, 250.0},   {5.0, nan, 250.0, 250.0},  {huge, 5.0, 250.0, 250.0},
        {-huge, 5.0, 250.0, 250.0}, {5.0, 5.0, 1e-300, 250.0}, {250.0, 5.0, 250.0, 250.0},
        {5.0, 5.0, nan, 250.0},     {5.0, 5.0, 250.0, -1.0}};
    for (const auto& [x, y, w, h] : offThePicture)
        EXPECT_EQ(map.hoverText(x, y, w, h, "A box", "cells"), "") << x << "," << y << "," << w;
}

TEST(MapTurn, EveryRotationKeepsTheMazeInsideWithNorthUp) {
    Maze maze;
    for (const int size : {20, 40, 60, 80, 100, 120}) {
        for (int rotation = 0; rotation < 4; ++rotation) {
            OverheadMap map;
            map.setupMap(&maze, "A", rotation, size);
            for (const auto& [a, b] :
                 {std::pair{2, 2}, {size + 2, size + 2}, {2, size + 2}, {size + 2, 2}}) {
                EXPECT_GE(map.mapX(a, b), 2);
                EXPECT_LE(map.mapX(a, b), size + 2);
                EXPECT_GE(map.mapY(a, b), 2);
                EXPECT_LE(map.mapY(a, b), size + 2);
            }
            if (rotation == 2) {
                EXPECT_EQ(map.mapX(2, 2), size + 2);
                EXPECT_EQ(map.mapY(2, 2), size + 2);
            }
        }
    }
    // Rotation 0: facing 1 (column - 1) is up, facing 2 (row + 1) is right.
    OverheadMap map;
    map.setupMap(&maze, "A", 0, 20);
    EXPECT_EQ(map.mapY(5, 4), map.mapY(5, 5) - 1);
    EXPECT_EQ(map.mapX(6, 5), map.mapX(5, 5) + 1);
}

TEST(MapTurn, TheToolUpdatePaintsEveryCellWhereThePlotWouldInEveryRotation) {
    for (const int level : {1, 4, 6}) {
        Maze maze;
        Random rng(static_cast<std::uint32_t>(level) * 31u);
        generateAccepted(maze, rng, level);
        for (int rotation = 0; rotation < 4; ++rotation) {
            OverheadMap fast, slow;
            fast.setupMap(&maze, "A", rotation, maze.mazeSize);
            slow.setupMap(&maze, "A", rotation, maze.mazeSize);
            fast.updateMapTools(true, true, true);
            for (int r = 0; r <= maze.mazeSize; ++r) {
                for (int c = 0; c <= maze.mazeSize; ++c) {
                    const CellCode code = maze.at(r, c);
                    if (code == cellExit)
                        slow.plotCell(r + 2, c + 2, lime);
                    else if (code == cellBatteryLeft)
                        slow.plotCell(r + 2, c + 2, red);
                    else if (isClosedBox(code))
                        slow.plotCell(r + 2, c + 2, fuchsia);
                    else if (code == cellWallMap)
                        slow.plotCell(r + 2, c + 2, silver);
                    else if (isWall(code))
                        slow.plotCell(r + 2, c + 2, gray);
                }
            }
            ASSERT_EQ(fast.picture().rgb, slow.picture().rgb) << level << " " << rotation;
        }
    }
    // A maze larger than its picture (a size the map does not know) is clipped, not overrun.
    Maze big;
    big.mazeSize = 50;
    big.grid.fill(cellWall);
    OverheadMap clipped;
    clipped.setupMap(&big, "A", 1, 50);
    clipped.updateMapTools(true, false, false);
    EXPECT_EQ(clipped.picture().width, 25);
}

// Each cell takes the same whole number of device pixels: the zoom table's sides at
// zoom 0 and 4 give 8 and 24 pixels a cell at 1x and twice that at 2x; at a density
// between, as many as fit, so a cell is never a pixel wider than its neighbour.
TEST(MapCells, EveryCellTakesTheSameWholeNumberOfDevicePixels) {
    Maze maze;
    struct Case {
        int size, side;
        double ratio;
        int cell;
    };
    for (const Case c : {Case{20, 200, 1, 8}, Case{20, 200, 2, 16}, Case{20, 600, 2, 48},
                         Case{60, 195, 1, 3}, Case{60, 195, 2, 6}, Case{60, 195, 1.25, 3},
                         Case{60, 195, 1.5, 4}, Case{120, 750, 2, 12}, Case{120, 250, 1.75, 3}}) {
        OverheadMap map;
        map.setupMap(&maze, "A", 0, c.size);
        const int device = static_cast<int>(c.side * c.ratio);
        const int cell = map.picture().cellPixels(device, device);
        EXPECT_EQ(cell, c.cell) << c.size << " at " << c.side << " x " << c.ratio;
        EXPECT_LE(cell * map.picture().width, device);
    }
    OverheadMap map;
    map.setupMap(&maze, "A", 0, 120);
    EXPECT_EQ(map.picture().cellPixels(400, 300), 2); // the narrower way decides
    EXPECT_EQ(map.picture().cellPixels(100, 100), 1); // too small still shows every cell
    EXPECT_EQ(MapPicture{}.cellPixels(100, 100), 1);
}

// Outside the picture, on every side, reads are black and writes change nothing.
TEST(MapPicture, OutsideIsBlackAndWritesThereAreDropped) {
    MapPicture picture{2, 2, std::vector<std::uint8_t>(12, 7)};
    for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {1, -1}}) {
        picture.setPixel(x, y, MapColour{200, 0, 0});
        EXPECT_EQ(picture.pixel(x, y), mapColour::black) << x << "," << y;
    }
    EXPECT_EQ(picture.rgb, std::vector<std::uint8_t>(12, 7));
}

TEST(MapFile, BitmapsHaveTheExpectedSizesAndRoundTrip) {
    Maze maze;
    const int sizes[] = {20, 40, 60, 80, 100, 120};
    const std::size_t bytes[] = {1954, 6174, 12794, 21814, 33234, 47054};
    for (int i = 0; i < 6; ++i) {
        OverheadMap map;
        map.setupMap(&maze, "A", 0, sizes[i]);
        map.plotCell(2, 3, yellow);
        map.plotCell(sizes[i] + 2, 2, navy);
        const std::vector<std::uint8_t> file = encodeBmp(map.picture());
        EXPECT_EQ(file.size(), bytes[i]);
        const auto back = decodeBmp(file);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->width, map.picture().width);
        EXPECT_EQ(back->rgb, map.picture().rgb);
    }
    // Every row padding a width can need (the maps' own widths all need two bytes): rows
    // of whole four-byte words, as any program reading the file expects them.
    const std::size_t threeRows[] = {66, 78, 90, 90, 102, 114, 126, 126};
    for (int width = 1; width <= 8; ++width) {
        MapPicture picture{width, 3, {}};
        for (int i = 0; i < width * 3 * 3; ++i)
            picture.rgb.push_back(static_cast<std::uint8_t>(i * 7));
        const std::vector<std::uint8_t> file = encodeBmp(picture);
        EXPECT_EQ(file.size(), threeRows[width - 1]) << width;
        const auto back = decodeBmp(file);
        ASSERT_TRUE(back) << width;
        EXPECT_EQ(back->rgb, picture.rgb) << width;
    }
}

TEST(MapFile, DamagedBitmapsAreRefused) {
    MapPicture picture{25, 25, std::vector<std::uint8_t>(25 * 25 * 3, 7)};
    const std::vector<std::uint8_t> good = encodeBmp(picture);
    EXPECT_FALSE(decodeBmp({}));
    EXPECT_FALSE(decodeBmp(std::vector<std::uint8_t>(good.begin(), good.begin() + 60))); // short
    // The good file with the bytes from `at` on replaced.
    const auto spoilt = [&good](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
        std::vector<std::uint8_t> bad = good;
        std::copy(bytes.begin(), bytes.end(), bad.begin() + static_cast<std::ptrdiff_t>(at));
        return bad;
    };
    EXPECT_FALSE(decodeBmp(spoilt(0, {'X'})));
    EXPECT_FALSE(decodeBmp(spoilt(28, {32})));             // not 24 bits a pixel
    EXPECT_FALSE(decodeBmp(spoilt(26, {2})));              // not one colour plane
    for (const std::uint8_t compression : {1, 2, 3, 4, 6}) // run lengths, bit fields...
        EXPECT_FALSE(decodeBmp(spoilt(30, {compression}))) << int(compression);
    EXPECT_FALSE(decodeBmp(spoilt(18, {0xFF, 0xFF, 0xFF, 0x7F}))); // absurd width
    EXPECT_FALSE(decodeBmp(spoilt(10, {0xFF, 0xFF, 0xFF, 0xFF}))); // data beyond the file
    // A top-down bitmap reads the right way up.
    EXPECT_TRUE(decodeBmp(spoilt(22, {0xE7, 0xFF, 0xFF, 0xFF}))); // height -25
}

} // namespace
} // namespace quorvel
