// Maze generation per level (rejected attempts included), one view scan, and the
// check of the longest run a file holds.

#include <benchmark/benchmark.h>

#include "game/clock.h"
#include "game/game.h"
#include "game/generator.h"
#include "game/random.h"
#include "game/run.h"
#include "game/runplayer.h"
#include "view/overheadmap.h"
#include "view/viewscan.h"

namespace {

using namespace quorvel;

// One accepted maze, as the opening screen makes it, from a fresh seed each time.
void GenerateAccepted(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    Maze maze;
    std::uint32_t seed = 1;
    long rejected = 0;
    for (auto _ : state) {
        Random rng(seed++ * 2654435761u);
        rejected += generateAccepted(maze, rng, level);
        benchmark::DoNotOptimize(maze.grid.data());
    }
    state.counters["rejected/maze"] =
        benchmark::Counter(static_cast<double>(rejected) / static_cast<double>(state.iterations()));
}
BENCHMARK(GenerateAccepted)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);

// One attempt of the generator, accepted or not.
void GenerateOnce(benchmark::State& state) {
    Maze maze;
    maze.mazeSize = 120;
    Random rng(99);
    for (auto _ : state) {
        benchmark::DoNotOptimize(generateMaze(maze, rng));
    }
}
BENCHMARK(GenerateOnce)->Unit(benchmark::kMicrosecond);

// The scan of every walkable cell and facing of a large maze, one scan per iteration.
void ViewScan(benchmark::State& state) {
    Maze maze;
    Random rng(7);
    generateAccepted(maze, rng, 6);
    std::vector<std::array<int, 3>> places;
    for (int r = 1; r < maze.mazeSize; ++r)
        for (int c = 1; c < maze.mazeSize; ++c)
            if (!isWall(maze.at(r, c)))
                for (int f = 1; f <= 4; ++f)
                    places.push_back({r, c, f});
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& p = places[i++ % places.size()];
        maze.posRow = p[0];
        maze.posCol = p[1];
        maze.facing = p[2];
        benchmark::DoNotOptimize(viewScan(maze));
    }
}
BENCHMARK(ViewScan);

// The largest maze, and a map set up for it.
struct LargeMap {
    Maze maze;
    OverheadMap map;
    LargeMap() {
        Random rng(11);
        generateAccepted(maze, rng, 6);
        map.setupMap(&maze, "Ann", maze.compassTurn, maze.mazeSize);
    }
};

// The map's tool update on the largest maze with every tool and the wall map in view.
void MapTools(benchmark::State& state) {
    LargeMap large;
    OverheadMap& map = large.map;
    bool inView = false;
    for (auto _ : state) {
        map.updateMapTools(inView = !inView, true, true);
        benchmark::DoNotOptimize(map.picture().rgb.data());
    }
}
BENCHMARK(MapTools)->Unit(benchmark::kMicrosecond);

// The map's position update with the G.P.S. and the tracker, walking to and fro.
void MapPosition(benchmark::State& state) {
    LargeMap large;
    OverheadMap& map = large.map;
    const Maze& maze = large.maze;
    int col = 1;
    for (auto _ : state) {
        col = col == 1 ? 2 : 1;
        map.updateMapPosition(maze.posRow, col, true, true);
        benchmark::DoNotOptimize(map.picture().rgb.data());
    }
}
BENCHMARK(MapPosition);

} // namespace

// The longest run a file holds, a game left running for three weeks (two million clock
// ticks), read from its bytes and played again to its check: what a run costs at most
// (a run the program could not have recorded departs sooner).
void CheckLongestRun(benchmark::State& state) {
    static const std::vector<std::uint8_t> bytes = [] {
        SilentHost host;
        ManualClock clock;
        Random stream;
        Game game(host, stream, clock);
        game.newMaze(1, 1234);
        game.begin();
        while (game.run().events.size() < runMaxEvents) {
            clock.advance(clockTickDays);
            game.clockTick();
        }
        return encodeRun(game.run());
    }();
    for (auto _ : state) {
        RunRecord run;
        decodeRun(bytes, run);
        const RunVerdict verdict = verifyRun(run);
        if (!verdict.verified) state.SkipWithError("the run did not verify");
    }
}
BENCHMARK(CheckLongestRun)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
