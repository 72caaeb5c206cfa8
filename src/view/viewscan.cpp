#include "view/viewscan.h"

namespace quorvel {

namespace {

constexpr std::string_view stripNames[stripPictureCount] = {
    "door1",   "door2",    "door3",    "door4",    "door5",   "door6",   "door7",   "door8",
    "door9",   "door10",   "door11",   "door12",   "wall1",   "wall2",   "wall3",   "wall4",
    "wall5",   "wall6",    "wall7",    "wall8",    "wall9",   "wall10",  "wall11",  "wall12",
    "middle1", "middle2",  "middle3",  "middle4",  "middle5", "middle6", "middle7", "middle8",
    "middle9", "middle10", "middle11", "middle12",
};

// Widths by number, for doors and walls alike, and for the middles.
constexpr int sideWidths[12] = {60, 60, 60, 40, 60, 40, 20, 40, 20, 40, 20, 20};
constexpr int middleWidths[12] = {20, 40, 60, 60, 20, 40, 20, 20, 40, 20, 40, 20};

constexpr StripPicture door(int n) {
    return {StripPicture::door, static_cast<std::uint8_t>(n)};
}
constexpr StripPicture wall(int n) {
    return {StripPicture::wall, static_cast<std::uint8_t>(n)};
}
constexpr StripPicture middle(int n) {
    return {StripPicture::middle, static_cast<std::uint8_t>(n)};
}

// For each depth 0..4 and strip: the middle picture (the far wall) filling the strip
// where `middles` is not 0, else the number of the side picture, a door or a wall by
// the side cell it looks at (strips 1, 2, 3 at L(1), L(2), L(3); 6, 5, 4 at the right).
struct Row {
    int numbers[6];
    int middles[6];
};
constexpr Row rows[5] = {
    {{0, 0, 0, 0, 0, 0}, {3, 2, 1, 8, 9, 4}},
    {{1, 0, 0, 0, 0, 2}, {0, 6, 5, 10, 11, 0}},
    {{3, 4, 0, 0, 6, 5}, {0, 0, 7, 12, 0, 0}},
    {{3, 8, 7, 9, 10, 5}, {}},
    {{3, 8, 11, 12, 10, 5}, {}},
};
// Which cell ahead each strip's side picture looks beside: strips 1 and 6 at the
// first cell, 2 and 5 at the second, 3 and 4 at the third.
constexpr int stripDistance[6] = {1, 2, 3, 3, 2, 1};

} // namespace

std::string_view stripName(StripPicture picture) {
    return stripNames[picture.index()];
}

int stripWidth(StripPicture picture) {
    const int i = picture.number - 1;
    return picture.kind == StripPicture::middle ? middleWidths[i] : sideWidths[i];
}

std::string_view viewCaseName(ViewCase c) {
    switch (c) {
    case ViewCase::exit3: return "exit3";
    case ViewCase::exit2: return "exit2";
    case ViewCase::exit1: return "exit1";
    case ViewCase::onExit: return "onexit";
    default: return "normal";
    }
}

ViewPlan viewScan(const Maze& maze) {
    const Step a = aheadStep(maze.facing);
    const Step l = leftStep(maze.facing);
    const auto cell = [&](int d, int side) { // side: 0 ahead, 1 left, -1 right
        return maze.at(maze.posRow + d * a.dr + side * l.dr, maze.posCol + d * a.dc + side * l.dc);
    };

    ViewPlan plan;
    int k = 0;
    while (k < 4 && !isWall(cell(k + 1, 0)))
        ++k;
    plan.depth = k;
    plan.ahead = cell(1, 0);

    const Row& row = rows[k];
    for (int s = 0; s < 6; ++s) {
        if (row.middles[s]) {
            plan.strips[s] = middle(row.middles[s]);
        } else {
            const int side = s < 3 ? 1 : -1;
            const bool open = !isWall(cell(stripDistance[s], side));
            plan.strips[s] = open ? door(row.numbers[s]) : wall(row.numbers[s]);
        }
    }

    // The exit lies in column N, beyond every other column: only facing 3 sees it.
    if (maze.facing == 3) {
        const auto open = [&](int d) { return !isWall(cell(d, 0)); };
        if (cell(3, 0) == cellExit && open(2) && open(1))
            plan.viewCase = ViewCase::exit3;
        else if (cell(2, 0) == cellExit && open(1))
            plan.viewCase = ViewCase::exit2;
        else if (cell(1, 0) == cellExit)
            plan.viewCase = ViewCase::exit1;
        else if (cell(0, 0) == cellExit)
            plan.viewCase = ViewCase::onExit;
    }

    for (int d = 1; d <= k && d <= 3; ++d) {
        const CellCode code = cell(d, 0);
        if (code == cellOpenedBox)
            plan.openBox[d - 1] = true;
        else if (isClosedBox(code))
            plan.closedBox[d - 1] = true;
    }
    return plan;
}

} // namespace quorvel
