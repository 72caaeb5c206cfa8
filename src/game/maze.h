#pragma once
// The maze: a fixed 131 x 131 grid of byte cell codes, the player's place in it and
// the four maze directions.
//
// Directions are maze-relative: facing 1..4 looks towards column - 1, row + 1,
// column + 1 and row - 1. The compass heading is derived from it and the maze's
// fixed compassTurn: heading = (facing - 1 + compassTurn) mod 4, 0 north, 1 east,
// 2 south, 3 west. Turning right adds 1 to facing, so the compass turns clockwise.

#include <array>
#include <cstdint>
#include <optional>

#include "game/levels.h"

namespace quorvel {

using CellCode = std::uint8_t;

constexpr int gridSize = 131; ///< rows and columns 0..130
constexpr int gridCells = gridSize * gridSize;

// Cell codes. Bit 7 set (code >= 128) blocks movement and sight.
constexpr CellCode cellOpen = 0;          ///< floor off the through-path; sprung traps
constexpr CellCode cellExit = 1;          ///< the exit, in column N
constexpr CellCode cellOpenedBox = 2;     ///< a box opened and emptied
constexpr CellCode cellPath = 3;          ///< floor on the generator's through-path
constexpr CellCode cellStart = 4;         ///< the start cell
constexpr CellCode cellFoodTrap = 64;     ///< '@'
constexpr CellCode cellGemTrap = 65;      ///< 'A'
constexpr CellCode cellEmptyBox = 96;     ///< '`' a box holding nothing
constexpr CellCode cellFood = 97;         ///< 'a'
constexpr CellCode cellCompass = 98;      ///< 'b'
constexpr CellCode cellGps = 99;          ///< 'c'
constexpr CellCode cellBeacon = 100;      ///< 'd'
constexpr CellCode cellDetector = 101;    ///< 'e'
constexpr CellCode cellTracker = 102;     ///< 'f'
constexpr CellCode cellStone = 103;       ///< 'g' a worthless stone
constexpr CellCode cellGem5 = 104;        ///< 'h'
constexpr CellCode cellGem1 = 105;        ///< 'i'
constexpr CellCode cellGem3 = 106;        ///< 'j'
constexpr CellCode cellBattery = 107;     ///< 'k' battery box not yet opened
constexpr CellCode cellBatteryLeft = 108; ///< 'l' opened box whose battery waits to be used
constexpr CellCode cellWall = 129;
constexpr CellCode cellWallMap = 160; ///< the wall carrying the map picture
/// Never stored: asks the mixed block sweep to draw one of five box codes per cell.
constexpr int cellMixed = 255;

constexpr bool isWall(int code) {
    return code >= 128;
}
/// Codes 96..127 show as a closed box in the view and on the detector's map.
constexpr bool isClosedBox(int code) {
    return code >= 96 && code <= 127;
}

/// One step on the grid.
struct Step {
    int dr;
    int dc;
};

/// The step to the cell ahead for facing 1..4.
constexpr Step aheadStep(int facing) {
    switch (facing) {
    case 1: return {0, -1};
    case 2: return {1, 0};
    case 3: return {0, 1};
    default: return {-1, 0};
    }
}
/// The step to the cell on the left for facing 1..4; the right step is its negative.
constexpr Step leftStep(int facing) {
    switch (facing) {
    case 1: return {-1, 0};
    case 2: return {0, -1};
    case 3: return {1, 0};
    default: return {0, 1};
    }
}

constexpr int rightOf(int facing) {
    return facing >= 4 ? 1 : facing + 1;
}
constexpr int leftOf(int facing) {
    return facing <= 1 ? 4 : facing - 1;
}
/// The compass point shown for a facing: 0 north, 1 east, 2 south, 3 west.
constexpr int compassHeading(int facing, int compassTurn) {
    return ((facing - 1 + compassTurn) % 4 + 4) % 4;
}

/// The grid and the player's place in it: everything a generation or a saved game sets.
struct Maze {
    std::array<CellCode, gridCells> grid{}; ///< mazegrid, row-major
    int mazeSize = mazeSizeOfLevel(1);      ///< N = 20 x level; rows and columns 0..N
    int posRow = 0;
    int posCol = 0;
    int facing = 1;      ///< 1..4
    int compassTurn = 0; ///< 0..3
    /// The random stream's state before the generator's first draw for this maze: with
    /// the level, the maze's number. None when not known (an older saved game).
    std::optional<std::uint32_t> seed;

    static constexpr bool inside(int r, int c) {
        return r >= 0 && r < gridSize && c >= 0 && c < gridSize;
    }
    /// The code at (r, c); outside the grid everything reads as wall.
    CellCode at(int r, int c) const { return inside(r, c) ? grid[r * gridSize + c] : cellWall; }
    /// Sets (r, c); writes outside the grid are dropped.
    void set(int r, int c, CellCode code) {
        if (inside(r, c)) grid[r * gridSize + c] = code;
    }
    CellCode here() const { return at(posRow, posCol); }
    CellCode ahead() const { return relative(aheadStep(facing), 1); }
    CellCode behind() const { return relative(aheadStep(facing), -1); }
    CellCode left() const { return relative(leftStep(facing), 1); }
    CellCode right() const { return relative(leftStep(facing), -1); }
    int level() const { return levelOfMazeSize(mazeSize); }

  private:
    CellCode relative(Step s, int k) const { return at(posRow + k * s.dr, posCol + k * s.dc); }
};

} // namespace quorvel
