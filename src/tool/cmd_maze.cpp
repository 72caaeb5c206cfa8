#include <ostream>

#include "game/generator.h"
#include "game/levels.h"
#include "game/random.h"
#include "tool/command.h"
#include "tool/options.h"

namespace quorvel::tool {

int mazeCommand(const Args& args, std::ostream& out, std::ostream&) {
    const Options options(args, {"level", "seed"});
    const int level = static_cast<int>(options.integer("level", 1, levelCount));
    const std::uint32_t seed = options.seed("seed");

    Random rng(seed);
    Maze maze;
    const int rejected = generateAccepted(maze, rng, level);

    const int n = maze.mazeSize;
    out << "level " << level << " size " << n << " seed " << seed << "\n";
    out << "start " << maze.posRow << " " << maze.posCol << " facing " << maze.facing
        << " compassturn " << maze.compassTurn << " rejected " << rejected << "\n";
    for (int r = 0; r <= n; ++r) {
        for (int c = 0; c <= n + 1; ++c) {
            if (c) out << ' ';
            out << static_cast<int>(maze.at(r, c));
        }
        out << "\n";
    }
    return 0;
}

} // namespace quorvel::tool
