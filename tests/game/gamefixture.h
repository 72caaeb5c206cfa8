#pragma once
// A game on a small hand-drawn maze, played against the recording host.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakehost.h"
#include "game/clock.h"
#include "game/game.h"
#include "game/random.h"

namespace quorvel::testing {

/// Calls made of the recording host, in their order.
using Calls = std::vector<std::string>;

/// Draws a maze from text rows: '#' wall, 'X' the wall map, '.' floor, '-' path,
/// 'E' exit, '+' opened box, 'S' start; any other character is its own cell code
/// ('a' food, 'k' battery, '@' food trap, 'A' gem trap, 'h' 5-point gem, ...).
/// Cells outside the drawing are walls.
inline void drawMaze(Maze& maze, const std::vector<std::string>& rows) {
    maze.grid.fill(cellWall);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            const char ch = rows[r][c];
            CellCode code = static_cast<CellCode>(ch);
            switch (ch) {
            case '#': code = cellWall; break;
            case 'X': code = cellWallMap; break;
            case '.': code = cellOpen; break;
            case '-': code = cellPath; break;
            case 'E': code = cellExit; break;
            case '+': code = cellOpenedBox; break;
            case 'S': code = cellStart; break;
            default: break;
            }
            maze.set(r, c, code);
        }
    }
}

class GameTest : public ::testing::Test {
  protected:
    FakeHost host;
    Random rng{12345};
    ManualClock clock{46000.25};
    Game game{host, rng, clock};

    void SetUp() override { game.setRecords(host); }

    /// Draws a level 1 maze and stands the player at (row, col) looking towards facing.
    void place(const std::vector<std::string>& rows, int row, int col, int facing) {
        drawMaze(game.maze(), rows);
        game.maze().mazeSize = 20;
        game.maze().posRow = row;
        game.maze().posCol = col;
        game.maze().facing = facing;
    }
    /// Starts a new game at (row, col) looking towards facing, then forgets the calls.
    void start(const std::vector<std::string>& rows, int row, int col, int facing) {
        place(rows, row, col, facing);
        game.state().newGame = true;
        game.begin();
        host.calls.clear();
    }
    GameState& state() { return game.state(); }
    Maze& maze() { return game.maze(); }
    CellCode here() { return game.maze().here(); }
};

} // namespace quorvel::testing
