// A saved game's map file shown on the map, as loading a saved game does it: the map
// is set up for the game's maze, takes the saved size, turn and last position (any
// values the file holds), then the picture from the map file (any size), and the
// tools, the player's mark, the blink and the hover texts all work on that picture.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

#include "game/generator.h"
#include "game/random.h"
#include "view/overheadmap.h"

namespace {

// One generated maze per level, made once: the map reads it, never changes it.
const quorvel::Maze& mazeOf(int level) {
    static std::array<quorvel::Maze, 7> mazes;
    static std::array<bool, 7> made{};
    if (!made[level]) {
        quorvel::Random rng(static_cast<std::uint32_t>(level) * 7919u);
        quorvel::generateAccepted(mazes[level], rng, level);
        made[level] = true;
    }
    return mazes[level];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    FuzzedDataProvider in(data, size);
    const int level = in.ConsumeIntegralInRange(1, 6);
    const int rotation = in.ConsumeIntegralInRange(0, 3);
    const auto lastRow = in.ConsumeIntegral<std::int32_t>();
    const auto lastCol = in.ConsumeIntegral<std::int32_t>();
    const bool inView = in.ConsumeBool(), detector = in.ConsumeBool(), beacon = in.ConsumeBool();
    const bool gps = in.ConsumeBool(), tracker = in.ConsumeBool();
    std::array<double, 8> hover{};
    for (double& v : hover)
        v = in.ConsumeFloatingPoint<double>();
    const std::vector<std::uint8_t> bytes = in.ConsumeRemainingBytes<std::uint8_t>();

    const Maze& maze = mazeOf(level);
    OverheadMap map;
    map.setupMap(&maze, "Ann", rotation, maze.mazeSize);
    map.restore(maze.mazeSize, rotation, lastRow, lastCol);
    if (auto picture = decodeBmp(bytes)) map.setPicture(std::move(*picture));
    const int width = map.picture().width, height = map.picture().height;

    map.updateMapTools(inView, detector, beacon);
    map.updateMapPosition(maze.posRow, maze.posCol, gps, tracker);
    map.blink();
    map.blink();
    map.updateMapPosition(lastRow, lastCol, gps, tracker);
    map.blink();
    for (std::size_t i = 0; i + 3 < hover.size(); i += 4)
        map.hoverText(hover[i], hover[i + 1], hover[i + 2], hover[i + 3], "A box", "battery");
    map.hoverText(0, 0, width, height, "A box", "battery");
    map.countRemaining();

    const MapPicture& p = map.picture();
    if (p.width != width || p.height != height ||
        p.rgb.size() != static_cast<std::size_t>(width) * height * 3)
        std::abort();
    return 0;
}
