#pragma once
// The skill levels: numbered 1 to levelCount, each with a square maze of 20 more cells
// a side than the level before. Every count of levels, check of a level and maze size
// of a level goes through here.

namespace quorvel {

constexpr int levelCount = 6;     ///< levels are 1..levelCount
constexpr int defaultLevel = 2;   ///< a new player's level, and the level of a bad stored one
constexpr int cellsPerLevel = 20; ///< the maze grows by this many cells a side a level

/// True for a level the game has, 1..levelCount.
constexpr bool isLevel(int level) {
    return level >= 1 && level <= levelCount;
}

/// N, the maze size of a level: rows and columns 0..N.
constexpr int mazeSizeOfLevel(int level) {
    return cellsPerLevel * level;
}

/// The level whose maze has this size (sizes between levels round down).
constexpr int levelOfMazeSize(int mazeSize) {
    return mazeSize / cellsPerLevel;
}

/// True when mazeSize is the maze size of one of the levels.
constexpr bool isLevelMazeSize(int mazeSize) {
    return isLevel(levelOfMazeSize(mazeSize)) &&
           mazeSize == mazeSizeOfLevel(levelOfMazeSize(mazeSize));
}

} // namespace quorvel
