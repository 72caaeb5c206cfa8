#include <ostream>

#include "game/generator.h"
#include "game/levels.h"
#include "game/random.h"
#include "tool/command.h"
#include "tool/options.h"
#include "view/viewscan.h"

namespace quorvel::tool {

namespace {

// Follows the scan's own reading of the grid: the cells ahead up to the first wall,
// the side cells its depth needs, and (facing 3) the exit tests up to three ahead.
bool scanStaysInside(const Maze& maze) {
    const Step a = aheadStep(maze.facing), l = leftStep(maze.facing);
    const auto inside = [&](int d, int side) {
        return Maze::inside(maze.posRow + d * a.dr + side * l.dr,
                            maze.posCol + d * a.dc + side * l.dc);
    };
    if (!inside(0, 0)) return false;
    int k = 0;
    while (k < 4) {
        if (!inside(k + 1, 0)) return false;
        if (isWall(maze.at(maze.posRow + (k + 1) * a.dr, maze.posCol + (k + 1) * a.dc))) break;
        ++k;
    }
    for (int d = 1; d <= k && d <= 3; ++d)
        if (!inside(d, 1) || !inside(d, -1)) return false;
    if (maze.facing == 3)
        for (int d = 1; d <= 3; ++d)
            if (!inside(d, 0)) return false;
    return true;
}

} // namespace

int viewCommand(const Args& args, std::ostream& out, std::ostream&) {
    const Options options(args, {"level", "seed", "row", "col", "facing"});
    const int level = static_cast<int>(options.integer("level", 1, levelCount));
    const std::uint32_t seed = options.seed("seed");
    // Check every option before the work starts.
    constexpr long far = 1'000'000;
    const long row = options.integer("row", -far, far, -far - 1);
    const long col = options.integer("col", -far, far, -far - 1);
    const long facing = options.integer("facing", 1, 4, 0);

    Random rng(seed);
    Maze maze;
    generateAccepted(maze, rng, level);
    if (row != -far - 1) maze.posRow = static_cast<int>(row);
    if (col != -far - 1) maze.posCol = static_cast<int>(col);
    if (facing != 0) maze.facing = static_cast<int>(facing);
    if (!scanStaysInside(maze))
        throw BadInput{"the view from row " + std::to_string(maze.posRow) + " column " +
                       std::to_string(maze.posCol) + " facing " + std::to_string(maze.facing) +
                       " would look outside the 131 x 131 grid"};

    const ViewPlan plan = viewScan(maze);
    out << "strips";
    for (const StripPicture s : plan.strips)
        out << ' ' << stripName(s);
    out << "\ncase " << viewCaseName(plan.viewCase) << "\nboxes";
    for (const bool b : plan.openBox)
        out << ' ' << (b ? 1 : 0);
    for (const bool b : plan.closedBox)
        out << ' ' << (b ? 1 : 0);
    out << "\nahead " << static_cast<int>(plan.ahead) << "\n";
    return 0;
}

} // namespace quorvel::tool
