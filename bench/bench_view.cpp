// One frame of the first-person view as the game composes it, against the floor of
// plainly copying six strip pictures into the frame.

#include <benchmark/benchmark.h>

#include <QImage>

#include "game.h"
#include "viewcomposer.h"
#include "viewscan.h"

namespace {

using namespace quorvel;

/// A corridor four cells deep with openings on both sides, an opened box one cell
/// ahead and closed boxes two and three cells ahead.
ViewPlan busyplan() {
    Maze m;
    m.grid.fill(cellwall);
    m.posrow = 10;
    m.poscol = 10;
    m.facing = 3;
    for (int d = 0; d <= 4; ++d)
        m.set(10, 10 + d, cellopen);
    m.set(10, 11, cellopenedbox);
    m.set(10, 12, cellfood);
    m.set(10, 13, cellgem5);
    m.set(11, 11, cellopen);
    m.set(9, 12, cellopen);
    m.set(11, 13, cellopen);
    return viewscan(m);
}

// drawmaze, drawbox (three boxes), darkening by a weak battery, the copy to the screen.
void DrawviewFrame(benchmark::State& state) {
    ViewComposer composer;
    const ViewPlan plan = busyplan();
    const int darkness = Game::darkness(20, 1, 2);
    for (auto _ : state) {
        composer.drawmaze(plan);
        composer.drawbox(plan);
        composer.darken(darkness);
        composer.showview();
        benchmark::DoNotOptimize(composer.shownview().constBits());
    }
}
BENCHMARK(DrawviewFrame)->Unit(benchmark::kMicrosecond);

// The same with the view scan and the wall map, as a frame facing the map.
void DrawviewFrameWithScanAndMap(benchmark::State& state) {
    ViewComposer composer;
    Maze m;
    m.grid.fill(cellwall);
    m.posrow = 10;
    m.poscol = 10;
    m.facing = 3;
    m.set(10, 10, cellopen);
    m.set(10, 11, cellwallmap);
    for (auto _ : state) {
        const ViewPlan plan = viewscan(m);
        composer.drawmaze(plan);
        composer.drawwallmap();
        composer.drawbox(plan);
        composer.darken(100);
        composer.showview();
        benchmark::DoNotOptimize(composer.shownview().constBits());
    }
}
BENCHMARK(DrawviewFrameWithScanAndMap)->Unit(benchmark::kMicrosecond);

// The floor: six strip pictures copied into a frame, nothing else.
void CopySixStrips(benchmark::State& state) {
    ViewComposer composer;
    const ViewPlan plan = busyplan();
    QImage frame(viewsize, viewsize, QImage::Format_RGB888);
    for (auto _ : state) {
        for (int i = 0; i < 6; ++i)
            opaquedraw(frame, stripx[i], 0, composer.strip(plan.strips[i]));
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(CopySixStrips)->Unit(benchmark::kMicrosecond);

// The stages on their own.
void DarkenFrame(benchmark::State& state) {
    QImage frame(viewsize, viewsize, QImage::Format_RGB888);
    frame.fill(QColor(120, 110, 100));
    for (auto _ : state) {
        darkenimage(frame, 1);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(DarkenFrame)->Unit(benchmark::kMicrosecond);

void DrawThreeBoxes(benchmark::State& state) {
    ViewComposer composer;
    const ViewPlan plan = busyplan();
    composer.drawmaze(plan);
    for (auto _ : state) {
        composer.drawbox(plan);
        benchmark::DoNotOptimize(composer.mazeimage().constBits());
    }
}
BENCHMARK(DrawThreeBoxes)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
