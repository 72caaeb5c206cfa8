#include "view/viewwords.h"

#include <cstdlib>
#include <vector>

#include "game/clock.h"
#include "text/gametext.h"
#include "text/textutil.h"
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
    return d <= 1 ? gameText("quorvel::SpokenPlay", "ahead")
                  : fillIn(gameText("quorvel::SpokenPlay", "%1 ahead"), countWord(d));
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

// A compass point in the player's language.
std::string pointWord(int heading) {
    return gameText("quorvel::SpokenPlay", compassPoint(heading).data());
}

std::string cells(int n) {
    return n == 1 ? gameText("quorvel::SpokenPlay", "one cell")
                  : fillIn(gameText("quorvel::SpokenPlay", "%1 cells"), countWord(n));
}

} // namespace

std::string countWord(int n) {
    static constexpr const char* words[] = {
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "no"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "one"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "two"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "three"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "four"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "five"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "six"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "seven"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "eight"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "nine"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "ten"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "eleven"),
        GAME_TEXT_NOOP("quorvel::SpokenPlay", "twelve"),
    };
    return n >= 0 && n <= 12 ? gameText("quorvel::SpokenPlay", words[n]) : std::to_string(n);
}

std::string_view compassPoint(int heading) {
    static constexpr std::string_view points[] = {GAME_TEXT_NOOP("quorvel::SpokenPlay", "north"),
                                                  GAME_TEXT_NOOP("quorvel::SpokenPlay", "east"),
                                                  GAME_TEXT_NOOP("quorvel::SpokenPlay", "south"),
                                                  GAME_TEXT_NOOP("quorvel::SpokenPlay", "west")};
    return points[((heading % 4) + 4) % 4];
}

std::string describeView(const Maze& maze) {
    const ViewPlan plan = viewScan(maze);
    switch (plan.viewCase) {
    case ViewCase::onExit: return gameText("quorvel::SpokenPlay", "standing in the exit");
    case ViewCase::exit1: return gameText("quorvel::SpokenPlay", "the exit ahead");
    case ViewCase::exit2: return gameText("quorvel::SpokenPlay", "one cell; the exit two ahead");
    case ViewCase::exit3: return gameText("quorvel::SpokenPlay", "two cells; the exit three ahead");
    case ViewCase::normal: break;
    }
    std::vector<std::string> parts;
    if (plan.depth == 0) {
        parts.push_back(plan.ahead == cellWallMap
                            ? gameText("quorvel::SpokenPlay", "a wall with the map of the maze")
                            : gameText("quorvel::SpokenPlay", "a wall"));
    } else {
        parts.push_back(plan.depth >= 4 ? fillIn(gameText("quorvel::SpokenPlay", "%1 or more"),
                                                 cells(plan.depth))
                                        : cells(plan.depth));
        // The sides of the cells ahead that the view shows: the first three.
        const Step a = aheadStep(maze.facing), l = leftStep(maze.facing);
        for (int d = 1; d <= std::min(plan.depth, 3); ++d) {
            const int r = maze.posRow + d * a.dr, c = maze.posCol + d * a.dc;
            const bool left = !isWall(maze.at(r + l.dr, c + l.dc));
            const bool right = !isWall(maze.at(r - l.dr, c - l.dc));
            const std::string after = countWord(d);
            if (left && right)
                parts.push_back(
                    fillIn(gameText("quorvel::SpokenPlay", "both sides after %1"), after));
            else if (left)
                parts.push_back(fillIn(gameText("quorvel::SpokenPlay", "left after %1"), after));
            else if (right)
                parts.push_back(fillIn(gameText("quorvel::SpokenPlay", "right after %1"), after));
        }
        if (plan.depth < 4 && plan.ahead != cellWallMap) {
            const Step s = aheadStep(maze.facing);
            if (maze.at(maze.posRow + (plan.depth + 1) * s.dr,
                        maze.posCol + (plan.depth + 1) * s.dc) == cellWallMap)
                parts.push_back(gameText("quorvel::SpokenPlay", "the map at its end"));
        }
    }
    // A battery left in its opened box shows as a closed box, but it is no box to open.
    const Step a = aheadStep(maze.facing);
    for (int d = 0; d < 3; ++d) {
        const bool battery =
            maze.at(maze.posRow + (d + 1) * a.dr, maze.posCol + (d + 1) * a.dc) == cellBatteryLeft;
        if (plan.closedBox[d])
            parts.push_back(fillIn(battery ? gameText("quorvel::SpokenPlay", "batteries %1")
                                           : gameText("quorvel::SpokenPlay", "box %1"),
                                   distanceAhead(d + 1)));
        if (plan.openBox[d])
            parts.push_back(
                fillIn(gameText("quorvel::SpokenPlay", "opened box %1"), distanceAhead(d + 1)));
    }
    return joined(parts, "; ");
}

std::string describeSides(const Maze& maze) {
    const bool left = !isWall(maze.left()), right = !isWall(maze.right());
    if (left && right) return gameText("quorvel::SpokenPlay", "Open both sides.");
    if (left) return gameText("quorvel::SpokenPlay", "Open left.");
    return right ? gameText("quorvel::SpokenPlay", "Open right.") : std::string();
}

std::string describeViewAndSides(const Maze& maze) {
    return joinSentences({describeView(maze), describeSides(maze)});
}

std::string describeHint(const Maze& maze) {
    const struct {
        CellCode code;
        const char* exit;
        const char* map;
    } ways[] = {
        {maze.left(), GAME_TEXT_NOOP("quorvel::SpokenPlay", "The exit is to your left."),
         GAME_TEXT_NOOP("quorvel::SpokenPlay", "The map is to your left.")},
        {maze.right(), GAME_TEXT_NOOP("quorvel::SpokenPlay", "The exit is to your right."),
         GAME_TEXT_NOOP("quorvel::SpokenPlay", "The map is to your right.")},
        {maze.behind(), GAME_TEXT_NOOP("quorvel::SpokenPlay", "The exit is behind you."),
         GAME_TEXT_NOOP("quorvel::SpokenPlay", "The map is behind you.")},
    };
    for (const auto& way : ways) {
        if (way.code == cellExit) return gameText("quorvel::SpokenPlay", way.exit);
        if (way.code == cellWallMap) return gameText("quorvel::SpokenPlay", way.map);
    }
    return {};
}

std::string describeFind(Tool tool) {
    switch (tool) {
    case Tool::compass: return gameText("quorvel::SpokenPlay", "Found the compass.");
    case Tool::detector: return gameText("quorvel::SpokenPlay", "Found the detector.");
    case Tool::beacon: return gameText("quorvel::SpokenPlay", "Found the beacon.");
    case Tool::gps: return gameText("quorvel::SpokenPlay", "Found the G.P.S.");
    case Tool::tracker: return gameText("quorvel::SpokenPlay", "Found the tracker.");
    }
    return {};
}

std::string describeRun(int cellsRun) {
    return fillIn(gameText("quorvel::SpokenPlay", "Ran %1."), cells(cellsRun));
}

std::string describeCounters(const GameState& s, std::string_view clockText) {
    return fillIn(
        gameText("quorvel::SpokenPlay", "Food %1, battery %2 percent, gems %3, steps %4, time %5."),
        {std::to_string(s.foodLevel), std::to_string(s.batteryLevel), std::to_string(s.gemScore),
         std::to_string(s.stepCount), clockText});
}

std::string describeHeading(const Maze& maze, const GameState& state) {
    if (!state.hasCompass) return gameText("quorvel::SpokenPlay", "No compass.");
    return fillIn(gameText("quorvel::SpokenPlay", "Facing %1."),
                  pointWord(compassHeading(maze.facing, maze.compassTurn)));
}

std::string describeTools(const Maze& maze, const GameState& state) {
    std::vector<std::string> said;
    if (state.hasGps)
        said.push_back(fillIn(gameText("quorvel::SpokenPlay", "G.P.S.: X %1, Y %2."),
                              {std::to_string(mapX(maze, maze.posRow, maze.posCol)),
                               std::to_string(mapY(maze, maze.posRow, maze.posCol))}));
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
            said.push_back(gameText("quorvel::SpokenPlay", "Beacon: no exit."));
        } else {
            // Each way of the grid in compass points: facing 1 towards column - 1, 2 row
            // + 1, 3 column + 1, 4 row - 1.
            const int dr = exitRow - maze.posRow, dc = exitCol - maze.posCol;
            std::vector<std::string> ways;
            // So many cells, and the compass point they lie towards.
            const auto way = [&](int n, int facing) {
                return fillIn(gameText("quorvel::SpokenPlay::Way", "%1 %2"),
                              {cells(n), pointWord(compassHeading(facing, maze.compassTurn))});
            };
            if (dc != 0) ways.push_back(way(std::abs(dc), dc < 0 ? 1 : 3));
            if (dr != 0) ways.push_back(way(std::abs(dr), dr > 0 ? 2 : 4));
            said.push_back(
                ways.empty() ? gameText("quorvel::SpokenPlay", "Beacon: the exit is here.")
                : ways.size() == 1
                    ? fillIn(gameText("quorvel::SpokenPlay", "Beacon: the exit lies %1."), ways[0])
                    : fillIn(gameText("quorvel::SpokenPlay", "Beacon: the exit lies %1 and %2."),
                             {ways[0], ways[1]}));
        }
    }
    if (state.hasDetector) {
        int boxes = 0;
        for (const CellCode code : maze.grid)
            boxes += isClosedBox(code) ? 1 : 0;
        said.push_back(fillIn(boxes == 1
                                  ? gameText("quorvel::SpokenPlay", "Detector: %1 box left.")
                                  : gameText("quorvel::SpokenPlay", "Detector: %1 boxes left."),
                              countWord(boxes)));
    }
    if (state.hasTracker)
        said.push_back(gameText("quorvel::SpokenPlay", "Tracker: your trail is on the map."));
    return said.empty() ? gameText("quorvel::SpokenPlay", "No G.P.S., beacon, detector or tracker.")
                        : joined(said, " ");
}

} // namespace quorvel
