#include "view/viewwords.h"

#include <cstdlib>
#include <vector>

#include "game/clock.h"
#include "view/viewscan.h"

namespace quorvel {

namespace {

std::string joined(const std::vector<std::string>& parts, std::string_view with) {
    std::string out;
    for (const std::string& p : parts) {
        if (!out.empty()) out += with;
        out += p;
    }
    return out;
}

// "ahead" for the first cell, "two ahead" beyond.
std::string distanceAhead(int d) {
    return d <= 1 ? "ahead" : countWord(d) + " ahead";
}

// The map's coordinates of a cell, as the G.P.S. shows them beside the map.
int mapX(const Maze& m, int a, int b) {
    const int far = m.mazeSize + 4;
    switch (m.compassTurn) {
    case 1: return far - b;
    case 2: return far - a;
    case 3: return b;
    default: return a;
    }
}
int mapY(const Maze& m, int a, int b) {
    const int far = m.mazeSize + 4;
    switch (m.compassTurn) {
    case 1: return a;
    case 2: return far - b;
    case 3: return far - a;
    default: return b;
    }
}

std::string cells(int n) {
    return countWord(n) + (n == 1 ? " cell" : " cells");
}

} // namespace

std::string countWord(int n) {
    static constexpr const char* words[] = {"no",   "one",    "two",   "three", "four",
                                            "five", "six",    "seven", "eight", "nine",
                                            "ten",  "eleven", "twelve"};
    return n >= 0 && n <= 12 ? words[n] : std::to_string(n);
}

std::string_view compassPoint(int heading) {
    static constexpr std::string_view points[] = {"north", "east", "south", "west"};
    return points[((heading % 4) + 4) % 4];
}

std::string describeView(const Maze& maze) {
    const ViewPlan plan = viewScan(maze);
    switch (plan.viewCase) {
    case ViewCase::onExit: return "standing in the exit";
    case ViewCase::exit1: return "the exit ahead";
    case ViewCase::exit2: return "corridor, one cell; the exit two ahead";
    case ViewCase::exit3: return "corridor, two cells; the exit three ahead";
    case ViewCase::normal: break;
    }
    std::vector<std::string> parts;
    if (plan.depth == 0) {
        parts.push_back(plan.ahead == cellWallMap ? "a wall with the map of the maze" : "a wall");
    } else {
        parts.push_back("corridor, " + cells(plan.depth) + (plan.depth >= 4 ? " or more" : ""));
        // The sides of the cells ahead that the view shows: the first three.
        const Step a = aheadStep(maze.facing), l = leftStep(maze.facing);
        for (int d = 1; d <= std::min(plan.depth, 3); ++d) {
            const int r = maze.posRow + d * a.dr, c = maze.posCol + d * a.dc;
            const bool left = !isWall(maze.at(r + l.dr, c + l.dc));
            const bool right = !isWall(maze.at(r - l.dr, c - l.dc));
            const std::string after = " after " + countWord(d);
            if (left && right)
                parts.push_back("openings on both sides" + after);
            else if (left)
                parts.push_back("opening on the left" + after);
            else if (right)
                parts.push_back("opening on the right" + after);
        }
        if (plan.depth < 4 && plan.ahead != cellWallMap) {
            const Step s = aheadStep(maze.facing);
            if (maze.at(maze.posRow + (plan.depth + 1) * s.dr,
                        maze.posCol + (plan.depth + 1) * s.dc) == cellWallMap)
                parts.push_back("the map of the maze on the wall at its end");
        }
    }
    for (int d = 0; d < 3; ++d) {
        if (plan.closedBox[d]) parts.push_back("a box " + distanceAhead(d + 1));
        if (plan.openBox[d]) parts.push_back("an opened box " + distanceAhead(d + 1));
    }
    return joined(parts, "; ");
}

std::string describeCounters(const GameState& s, std::string_view clockText) {
    return "Food " + std::to_string(s.foodLevel) + ", battery " + std::to_string(s.batteryLevel) +
           " percent, gems " + std::to_string(s.gemScore) + ", steps " +
           std::to_string(s.stepCount) + ", time " + std::string(clockText) + ".";
}

std::string describeHeading(const Maze& maze, const GameState& state) {
    if (!state.hasCompass) return "No compass.";
    return "Facing " + std::string(compassPoint(compassHeading(maze.facing, maze.compassTurn))) +
           ".";
}

std::string describeTools(const Maze& maze, const GameState& state) {
    std::vector<std::string> said;
    if (state.hasGps)
        said.push_back("G.P.S.: X " + std::to_string(mapX(maze, maze.posRow, maze.posCol)) +
                       ", Y " + std::to_string(mapY(maze, maze.posRow, maze.posCol)) + ".");
    if (state.hasBeacon) {
        int exitRow = -1, exitCol = -1;
        for (int r = 0; r <= maze.mazeSize && exitRow < 0; ++r)
            for (int c = 0; c <= maze.mazeSize + 1; ++c)
                if (maze.at(r, c) == cellExit) {
                    exitRow = r;
                    exitCol = c;
                    break;
                }
        if (exitRow < 0) {
            said.push_back("Beacon: no exit.");
        } else {
            // Each way of the grid in compass points: facing 1 towards column - 1, 2 row
            // + 1, 3 column + 1, 4 row - 1.
            const int dr = exitRow - maze.posRow, dc = exitCol - maze.posCol;
            std::vector<std::string> ways;
            if (dc != 0)
                ways.push_back(
                    cells(std::abs(dc)) + " " +
                    std::string(compassPoint(compassHeading(dc < 0 ? 1 : 3, maze.compassTurn))));
            if (dr != 0)
                ways.push_back(
                    cells(std::abs(dr)) + " " +
                    std::string(compassPoint(compassHeading(dr > 0 ? 2 : 4, maze.compassTurn))));
            said.push_back(ways.empty() ? "Beacon: the exit is here."
                                        : "Beacon: the exit lies " + joined(ways, " and ") + ".");
        }
    }
    if (state.hasDetector) {
        int boxes = 0;
        for (const CellCode code : maze.grid)
            boxes += isClosedBox(code) ? 1 : 0;
        said.push_back("Detector: " + countWord(boxes) + (boxes == 1 ? " box" : " boxes") +
                       " left.");
    }
    return said.empty() ? "No G.P.S., beacon or detector." : joined(said, " ");
}

} // namespace quorvel
