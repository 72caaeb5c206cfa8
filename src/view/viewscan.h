#pragma once
// The view scan: from the player's cell and facing, which of the 36 strip pictures
// fills each of the six strips of the first-person view, whether an exit picture
// replaces strips, and which box pictures lie at distances 1 to 3.
//
// The view never shows the sides of the player's own cell: the nearest strips show
// the sides of the first cell ahead.

#include <array>
#include <cstdint>
#include <string_view>

#include "game/maze.h"

namespace quorvel {

/// One of the 36 strip pictures: door1..door12, wall1..wall12, middle1..middle12.
struct StripPicture {
    enum Kind : std::uint8_t { door, wall, middle };
    Kind kind = middle;
    std::uint8_t number = 1; ///< 1..12

    /// 0..35: the doors, then the walls, then the middles.
    constexpr int index() const { return kind * 12 + number - 1; }
    static constexpr StripPicture fromIndex(int i) {
        return {static_cast<Kind>(i / 12), static_cast<std::uint8_t>(i % 12 + 1)};
    }
    constexpr bool operator==(const StripPicture&) const = default;
};

constexpr int stripPictureCount = 36;

/// "door1", "wall12", "middle7": the picture's name, also its theme file's stem.
std::string_view stripName(StripPicture picture);
/// The picture's width in pixels: 60, 40 or 20 (all are 240 high).
int stripWidth(StripPicture picture);

/// Left edges and widths of the six strips, left to right.
constexpr std::array<int, 6> stripX = {0, 60, 100, 120, 140, 180};
constexpr std::array<int, 6> stripWidths = {60, 40, 20, 20, 40, 60};

enum class ViewCase : std::uint8_t {
    normal,
    exit3,  ///< the exit three cells ahead
    exit2,  ///< two cells ahead
    exit1,  ///< one cell ahead
    onExit, ///< standing on the exit facing it
};

std::string_view viewCaseName(ViewCase c); ///< "normal", "exit3", ..., "onExit"

struct ViewPlan {
    std::array<StripPicture, 6> strips{};
    ViewCase viewCase = ViewCase::normal;
    std::array<bool, 3> openBox{};   ///< an opened box at distance 1, 2, 3
    std::array<bool, 3> closedBox{}; ///< a closed box at distance 1, 2, 3
    CellCode ahead = cellOpen;       ///< the code of the cell straight ahead
    int depth = 0;                   ///< open cells straight ahead, 0..4
};

/// Scans the view from (maze.posRow, maze.posCol) looking towards maze.facing.
/// Cells outside the grid count as blocked.
ViewPlan viewScan(const Maze& maze);

} // namespace quorvel
