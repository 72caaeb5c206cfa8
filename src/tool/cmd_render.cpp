#include <QBuffer>
#include <QImage>
#include <QString>

#include <filesystem>
#include <ostream>
#include <system_error>

#include "files/safewrite.h"
#include "game/game.h"
#include "game/generator.h"
#include "game/random.h"
#include "tool/command.h"
#include "tool/options.h"
#include "view/viewcomposer.h"
#include "view/viewscan.h"

namespace quorvel::tool {

namespace {

constexpr int renderBatteryRate = 2; ///< the rate every game plays with

} // namespace

// What the player would see from a position: the view composed as the game composes
// it, without sounds, messages or the win sequence.
int renderCommand(const Args& args, std::ostream& out, std::ostream&) {
    const Options options(args, {"level", "seed", "row", "col", "facing", "battery", "batterysteps",
                                 "theme", "scale", "out"});
    const int level = static_cast<int>(options.integer("level", 1, 6));
    const std::uint32_t seed = options.seed("seed");
    const long row = options.integer("row", 0, gridSize - 1, -1);
    const long col = options.integer("col", 0, gridSize - 1, -1);
    const long facing = options.integer("facing", 1, 4, 0);
    const int battery = static_cast<int>(options.integer("battery", 0, 100, 100));
    const int steps = static_cast<int>(options.integer("batterysteps", 0, 1'000'000, 0));
    const int scale = static_cast<int>(options.integer("scale", 1, largestViewScale, 1));
    const auto outfile = options.text("out");
    if (!outfile || outfile->empty()) throw BadInput{"--out is required"};
    const auto theme = options.text("theme");
    std::error_code ec;
    if (theme && !std::filesystem::is_directory(*theme, ec)) // the bytes as given
        throw BadInput{"--theme '" + *theme + "' is not a folder"};

    Random rng(seed);
    Maze maze;
    generateAccepted(maze, rng, level);
    if (row >= 0) maze.posRow = static_cast<int>(row);
    if (col >= 0) maze.posCol = static_cast<int>(col);
    if (facing != 0) maze.facing = static_cast<int>(facing);

    ViewComposer composer;
    if (theme) composer.loadViewImages(*theme);
    composer.setDevicePixelRatio(scale);
    const ViewPlan plan = viewScan(maze);
    composer.drawMaze(plan);
    int darkness = 0;
    if (plan.viewCase != ViewCase::onExit) {
        if (plan.ahead == cellWallMap) composer.drawWallMap();
        composer.drawBox(plan);
        darkness = Game::darkness(battery, steps, renderBatteryRate);
        composer.darken(darkness);
        composer.showView();
    }

    // The picture goes to the file the way the game writes its own files: whole, or the
    // file that was there before stays as it was.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !composer.shownView().save(&buffer, "PNG") ||
        !writeFileSafely(*outfile, std::string_view(png.constData(), png.size())))
        throw BadInput{"cannot write '" + *outfile + "'"};
    out << "rendered " << *outfile << ": row " << maze.posRow << " col " << maze.posCol
        << " facing " << maze.facing << " case " << viewCaseName(plan.viewCase) << " darkness "
        << darkness << "\n";
    return 0;
}

} // namespace quorvel::tool
