// The map window after a move: the map's position update and its picture painted
// onto the window, on the largest maze at zoom 0 (250 pixels a side, 2 pixels a
// cell) and 4 (750, 6 pixels a cell); the arguments are the device pixels to a
// pixel (1 or 2) and the zoom. CPU time is the whole process's, since Qt may hand
// large image work to threads of its own.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <cstdlib>

#include "game/generator.h"
#include "game/random.h"
#include "screens/mapwindow.h"

namespace {

using namespace quorvel;

void MapUpdateAndPaint(benchmark::State& state) {
    Random rng(11);
    Maze maze;
    generateAccepted(maze, rng, 6);
    MapWindow window;
    window.setupMap(nullptr, maze, "Ann");
    for (int zoom = 0; zoom < state.range(1); ++zoom)
        window.zoomIn();
    window.updateMapTools(true, true, true);
    QWidget* view = window.findChild<QWidget*>("Map");
    const double ratio = static_cast<double>(state.range(0));
    QImage screen((QSizeF(view->size()) * ratio).toSize(), QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    int col = 1;
    for (auto _ : state) {
        col = col == 1 ? 2 : 1;
        window.updateMapPosition(maze.posRow, col, true, true);
        // Without the background, which the window does not paint either (the map
        // paints every pixel of its area).
        view->render(&screen, QPoint(), QRegion(), QWidget::DrawChildren);
        benchmark::DoNotOptimize(screen.constBits());
    }
    state.counters["side"] = view->width();
}
BENCHMARK(MapUpdateAndPaint)
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({1, 4})
    ->Args({2, 4})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
