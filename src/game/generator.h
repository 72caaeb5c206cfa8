#pragma once
// The maze generator: wall lines with gaps and stubs, one through-path from the left
// edge to the exit, the start, the wall map, the five tools and the block sweeps of
// food, batteries, gems and traps. Every draw comes from the shared stream in a fixed
// order, so a seed fixes the maze.

#include <functional>

#include "game/maze.h"

namespace quorvel {

class Random;

/// Called once per tool placement attempt so the window system can breathe.
using ServiceEvents = std::function<void()>;

/// How many attempts one block of a sweep, or the wall-map placement, may take before
/// the maze is rejected instead of hanging. No real maze comes near it.
constexpr long generatorAttemptBound = 1'000'000;

/// Builds a new maze of maze.mazeSize (20 x level) into maze: grid, start, facing and
/// compassTurn; its seed is cleared. Returns true when the maze broke a placement rule
/// and must be thrown away; the caller then generates again from the continuing stream.
/// attemptBound replaces generatorAttemptBound (a test's small bound).
bool generateMaze(Maze& maze, Random& rng, const ServiceEvents& service = {},
                  long attemptBound = generatorAttemptBound);

/// The opening screen's protocol without the seeding: sets the size for the level and
/// generates until a maze is accepted. The maze keeps the stream's state from before the
/// first draw as its seed, so level and seed are its number. Returns how many mazes were
/// rejected first.
int generateAccepted(Maze& maze, Random& rng, int level, const ServiceEvents& service = {});

} // namespace quorvel
