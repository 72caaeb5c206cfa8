#pragma once
// The shortest way over walkable cells of a maze, from the player's cell to the nearest
// cell a test looks for (the exit, a food box): breadth first, the facings 1 to 4 tried
// in turn, inside the maze's own rows and columns 0..mazeSize.

#include <functional>
#include <utility>
#include <vector>

#include "game/maze.h"

namespace quorvel::test {

/// The cells after the player's own, up to and with the first cell that is `goal`; empty
/// when no such cell can be reached.
inline std::vector<std::pair<int, int>> shortestWay(const Maze& m,
                                                    const std::function<bool(CellCode)>& goal) {
    const int n = m.mazeSize, start = m.posRow * gridSize + m.posCol;
    std::vector<int> from(gridCells, -1), queue{start};
    from[start] = start;
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const int at = queue[i];
        if (i > 0 && goal(m.grid[at])) {
            std::vector<std::pair<int, int>> way;
            for (int cell = at; cell != start; cell = from[cell])
                way.insert(way.begin(), {cell / gridSize, cell % gridSize});
            return way;
        }
        for (int f = 1; f <= 4; ++f) {
            const Step s = aheadStep(f);
            const int r = at / gridSize + s.dr, c = at % gridSize + s.dc;
            if (r < 0 || c < 0 || r > n || c > n || isWall(m.at(r, c)) ||
                from[r * gridSize + c] >= 0)
                continue;
            from[r * gridSize + c] = at;
            queue.push_back(r * gridSize + c);
        }
    }
    return {};
}

/// The way to the exit.
inline std::vector<std::pair<int, int>> pathToExit(const Maze& m) {
    return shortestWay(m, [](CellCode code) { return code == cellExit; });
}

} // namespace quorvel::test
