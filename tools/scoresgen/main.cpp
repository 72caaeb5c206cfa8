// scoresgen: writes the built-in best-times file, three sample results per level.
// Every result is played out on a real maze of its level: the start tally is what
// that maze holds, the boxes the sample player opened are taken out of it for the
// end tally, and steps, food, battery and gem points follow the game's own rules
// along the way. Fixed seeds, so the file is the same on every run.
//
//   scoresgen FILE

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <vector>

#include "game/besttimes.h"
#include "game/clock.h"
#include "game/generator.h"
#include "game/maze.h"
#include "game/random.h"
#include "view/overheadmap.h"

namespace {

using namespace quorvel;

struct Sample {
    const char* name;
    int seconds; ///< playing time
};

// Level-major, rank 1 first.
constexpr Sample samples[6][3] = {
    {{"Marigold", 4 * 60 + 52}, {"Tobias K.", 11 * 60 + 6}, {"Wren", 27 * 60 + 31}},
    {{"Old Hamish", 13 * 60 + 44}, {"Priya", 29 * 60 + 54}, {"Fennimore", 3600 + 4 * 60 + 6}},
    {{"Lotte", 34 * 60 + 48},
     {"Captain Bramble", 3600 + 18 * 60 + 55},
     {"Juniper", 2 * 3600 + 13 * 60 + 2}},
    {{"Oskar", 55 * 60 + 52}, {"Delphine", 3600 + 48 * 60 + 39}, {"Rook", 2 * 3600 + 37 * 60 + 18}},
    {{"Ines", 3600 + 7 * 60 + 38},
     {"Mossback", 2 * 3600 + 14 * 60 + 51},
     {"Theodora", 6 * 3600 + 1 * 60 + 21}},
    {{"Quill", 3600 + 13 * 60 + 55},
     {"Sable", 2 * 3600 + 57 * 60 + 4},
     {"Barnaby", 86400 + 6 * 60 + 41}},
};

// What a found box does to the game, as the rules have it.
constexpr int foodBox = 100;  // food found
constexpr int fullTrap = 19;  // a food trap above 40 food
constexpr int hungryTrap = 9; // a food trap at 40 or less

/// Plays one sample result out on a maze of the level.
BestTime playSample(int level, int rank, const Sample& sample) {
    Random rng(0x5C0E5000u + static_cast<std::uint32_t>(level * 16 + rank));
    Maze maze;
    generateAccepted(maze, rng, level);
    OverheadMap map;
    map.setupMap(&maze, sample.name, maze.compassTurn, maze.mazeSize);

    BestTime t;
    t.name = sample.name;
    t.time = sample.seconds / secondsPerDay;
    t.timeText = clockText(t.time);

    // Pace: a step every 2 to 3.2 seconds, the slower players pausing more; a game
    // left running overnight still took no more steps than the maze has room for.
    const int n = maze.mazeSize;
    const double pace = 2.0 + 0.6 * (rank - 1);
    t.steps = std::min(static_cast<int>(sample.seconds / pace), n * n * 3 / 4);

    // The walk passes about one new cell for every two steps, and every box or trap in
    // a cell it passes is met, at some step along the way. Opened boxes become opened
    // boxes, sprung traps open floor.
    int openCells = 0;
    for (int r = 0; r <= n; ++r)
        for (int c = 0; c <= n + 1; ++c)
            openCells += !isWall(maze.at(r, c));
    const auto share = static_cast<std::uint32_t>(
        std::min(900.0, 1000.0 * 0.55 * t.steps / std::max(openCells, 1)));
    struct Find {
        int step;
        CellCode code;
    };
    std::vector<Find> finds;
    for (int r = 0; r <= n; ++r)
        for (int c = 0; c <= n + 1; ++c) {
            const CellCode code = maze.at(r, c);
            const bool box = code >= cellEmptyBox && code <= cellBattery;
            const bool trap = code == cellFoodTrap || code == cellGemTrap;
            if (!box && !trap) continue;
            if (rng.rand(1000) >= share) continue;
            finds.push_back(
                {1 + static_cast<int>(rng.rand(static_cast<std::uint32_t>(t.steps))), code});
            maze.set(r, c, trap ? cellOpen : cellOpenedBox);
        }
    std::stable_sort(finds.begin(), finds.end(),
                     [](const Find& a, const Find& b) { return a.step < b.step; });

    int food = 100, battery = 100, batterySteps = 0, gems = 0;
    std::size_t next = 0;
    for (int step = 1; step <= t.steps; ++step) {
        --food;
        if (battery > 0 && ++batterySteps >= 2) {
            batterySteps = 0;
            --battery;
        }
        for (; next < finds.size() && finds[next].step <= step; ++next) {
            switch (finds[next].code) {
            case cellFood: food += foodBox; break;
            case cellBattery: battery = 100, batterySteps = 0; break;
            case cellGem5: gems += 5; break;
            case cellGem3: gems += 3; break;
            case cellGem1: gems += 1; break;
            case cellFoodTrap: food -= food > 40 ? fullTrap : hungryTrap; break;
            case cellGemTrap: gems = gems > 5 ? gems - 5 : 0; break;
            default: break;
            }
        }
        // A player this good never starved: the next food box was always near.
        if (food <= 12) {
            for (int r = 0; r <= n && food <= 12; ++r)
                for (int c = 0; c <= n + 1 && food <= 12; ++c)
                    if (maze.at(r, c) == cellFood) {
                        maze.set(r, c, cellOpenedBox);
                        food += foodBox;
                    }
            if (food <= 12) food = 13; // the maze ran out of food; never happens
        }
    }
    map.countRemaining();
    t.gems = gems;
    t.food = food;
    t.battery = battery;
    for (int code = 0; code < 256; ++code) {
        t.start[code] = static_cast<std::uint32_t>(map.placedTally()[code]);
        t.end[code] = static_cast<std::uint32_t>(map.remainingTally()[code]);
    }
    return t;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: scoresgen FILE\n";
        return 2;
    }
    quorvel::BestTimes table;
    table.setVersion(0, 9);
    for (int level = 1; level <= 6; ++level)
        for (int rank = 1; rank <= 3; ++rank)
            table.setEntry(level, rank, playSample(level, rank, samples[level - 1][rank - 1]));

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(table.image().data()),
              static_cast<std::streamsize>(table.image().size()));
    out.close();
    if (!out) {
        std::cerr << "scoresgen: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
