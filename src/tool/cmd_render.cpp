#include <QBuffer>
#include <QImage>
#include <QString>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>

#include "files/safewrite.h"
#include "game/game.h"
#include "game/generator.h"
#include "game/levels.h"
#include "game/random.h"
#include "tool/command.h"
#include "tool/options.h"
#include "view/viewcomposer.h"
#include "view/viewscan.h"

namespace quorvel::tool {

namespace {

constexpr int renderBatteryRate = 2;                 ///< the rate every game plays with
constexpr std::string_view standardOutputName = "-"; ///< --out - pipes the picture

std::string pngBytes(const QImage& view) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !view.save(&buffer, "PNG"))
        throw WriteFailure{"cannot encode the view as PNG"};
    return png.toStdString();
}

void writeToStandardOutput(const std::string& png, std::ostream& out) {
    errno = 0;
    out.write(png.data(), static_cast<std::streamsize>(png.size()));
    out.flush();
    const int cause = errno;
    if (!out)
        throw WriteFailure{"cannot write the picture to standard output" +
                           (cause ? ": " + std::string(std::strerror(cause)) : std::string())};
}

// The picture goes to the file the way the game writes its own files: whole, or the
// file that was there before stays as it was. A link leads to the file it names; a
// device or a pipe is never written over, nor opened.
void writeToFile(const std::string& png, const std::string& path) {
    const NamedWrite result = writeNamedFile(path, png);
    const int cause = errno;
    if (result == NamedWrite::notAFile)
        throw WriteFailure{
            "'" + path +
            "' is not a plain file and was left as it was (--out - writes to standard output)"};
    if (result == NamedWrite::failed)
        throw WriteFailure{"cannot write '" + path + "': " + std::strerror(cause)};
}

} // namespace

// What the player would see from a position: the view composed as the game composes
// it, without sounds, messages or the win sequence.
int renderCommand(const Args& args, std::ostream& out, std::ostream& err) {
    const Options options(args, {"level", "seed", "row", "col", "facing", "battery", "batterysteps",
                                 "theme", "scale", "out"});
    const int level = static_cast<int>(options.integer("level", 1, levelCount));
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

    const std::string png = pngBytes(composer.shownView());
    std::ostream& report = *outfile == standardOutputName ? err : out;
    if (*outfile == standardOutputName)
        writeToStandardOutput(png, out);
    else
        writeToFile(png, *outfile);
    report << "rendered " << *outfile << ": row " << maze.posRow << " col " << maze.posCol
           << " facing " << maze.facing << " case " << viewCaseName(plan.viewCase) << " darkness "
           << darkness << "\n";
    return 0;
}

} // namespace quorvel::tool
