// One frame of the first-person view as the game composes it, against the floor of
// plainly copying six strip pictures into the frame; each at 1x (the 240 x 240 view)
// and at 2x (the 480 x 480 frame of a 200 % screen), the benchmark's argument.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QString>

#include "game/game.h"
#include "view/viewcomposer.h"
#include "view/viewscan.h"

namespace {

using namespace quorvel;

/// A corridor four cells deep with openings on both sides, an opened box one cell
/// ahead and closed boxes two and three cells ahead.
ViewPlan busyPlan() {
    Maze m;
    m.grid.fill(cellWall);
    m.posRow = 10;
    m.posCol = 10;
    m.facing = 3;
    for (int d = 0; d <= 4; ++d)
        m.set(10, 10 + d, cellOpen);
    m.set(10, 11, cellOpenedBox);
    m.set(10, 12, cellFood);
    m.set(10, 13, cellGem5);
    m.set(11, 11, cellOpen);
    m.set(9, 12, cellOpen);
    m.set(11, 13, cellOpen);
    return viewScan(m);
}

// drawMaze, drawBox (three boxes), darkening by a weak battery, the copy to the screen.
void DrawviewFrame(benchmark::State& state) {
    ViewComposer composer;
    composer.setDevicePixelRatio(static_cast<double>(state.range(0)));
    const ViewPlan plan = busyPlan();
    const int darkness = Game::darkness(20, 1, 2);
    for (auto _ : state) {
        composer.drawMaze(plan);
        composer.drawBox(plan);
        composer.darken(darkness);
        composer.showView();
        benchmark::DoNotOptimize(composer.shownView().constBits());
    }
}
BENCHMARK(DrawviewFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The same with the view scan and the wall map, as a frame facing the map.
void DrawviewFrameWithScanAndMap(benchmark::State& state) {
    ViewComposer composer;
    composer.setDevicePixelRatio(static_cast<double>(state.range(0)));
    Maze m;
    m.grid.fill(cellWall);
    m.posRow = 10;
    m.posCol = 10;
    m.facing = 3;
    m.set(10, 10, cellOpen);
    m.set(10, 11, cellWallMap);
    for (auto _ : state) {
        const ViewPlan plan = viewScan(m);
        composer.drawMaze(plan);
        composer.drawWallMap();
        composer.drawBox(plan);
        composer.darken(100);
        composer.showView();
        benchmark::DoNotOptimize(composer.shownView().constBits());
    }
}
BENCHMARK(DrawviewFrameWithScanAndMap)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The floor: six strip pictures copied into a frame, nothing else.
void CopySixStrips(benchmark::State& state) {
    ViewComposer composer;
    const int scale = static_cast<int>(state.range(0));
    composer.setDevicePixelRatio(scale);
    const ViewPlan plan = busyPlan();
    QImage frame(viewSize * scale, viewSize * scale, QImage::Format_RGB888);
    for (auto _ : state) {
        for (int i = 0; i < 6; ++i)
            opaqueDraw(frame, stripX[i] * scale, 0, composer.strip(plan.strips[i]));
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(CopySixStrips)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The stages on their own.
void DarkenFrame(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    QImage frame(viewSize * scale, viewSize * scale, QImage::Format_RGB888);
    frame.fill(QColor(120, 110, 100));
    for (auto _ : state) {
        darkenImage(frame, 1);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(DarkenFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void DrawThreeBoxes(benchmark::State& state) {
    ViewComposer composer;
    composer.setDevicePixelRatio(static_cast<double>(state.range(0)));
    const ViewPlan plan = busyPlan();
    composer.drawMaze(plan);
    for (auto _ : state) {
        composer.drawBox(plan);
        benchmark::DoNotOptimize(composer.mazeImage().constBits());
    }
}
BENCHMARK(DrawThreeBoxes)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A game's built-in pictures made ready, as at every game start: decoded from their
// files, at 2x the @2x files as well.
void LoadViewImages(benchmark::State& state) {
    ViewComposer composer;
    composer.setDevicePixelRatio(static_cast<double>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(composer.loadViewImages(std::string()).strips);
}
BENCHMARK(LoadViewImages)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
