#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include <ostream>

#include "command.h"
#include "game.h"
#include "generator.h"
#include "options.h"
#include "random.h"
#include "viewcomposer.h"
#include "viewscan.h"

namespace quorvel::tool {

namespace {

constexpr int renderbatteryrate = 2; ///< the rate every game plays with

QString qtext(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

} // namespace

// What the player would see from a position: the view composed as the game composes
// it, without sounds, messages or the win sequence.
int cmd_render(const Args& args, std::ostream& out, std::ostream&) {
    const Options options(
        args, {"level", "seed", "row", "col", "facing", "battery", "batterysteps", "theme", "out"});
    const int level = static_cast<int>(options.integer("level", 1, 6));
    const std::uint32_t seed = options.seed("seed");
    const long row = options.integer("row", 0, gridsize - 1, -1);
    const long col = options.integer("col", 0, gridsize - 1, -1);
    const long facing = options.integer("facing", 1, 4, 0);
    const int battery = static_cast<int>(options.integer("battery", 0, 100, 100));
    const int steps = static_cast<int>(options.integer("batterysteps", 0, 1'000'000, 0));
    const auto outfile = options.text("out");
    if (!outfile || outfile->empty()) throw BadInput{"--out is required"};
    const auto theme = options.text("theme");
    if (theme && !QFileInfo(qtext(*theme)).isDir())
        throw BadInput{"--theme '" + *theme + "' is not a folder"};

    Random rng(seed);
    Maze maze;
    generateaccepted(maze, rng, level);
    if (row >= 0) maze.posrow = static_cast<int>(row);
    if (col >= 0) maze.poscol = static_cast<int>(col);
    if (facing != 0) maze.facing = static_cast<int>(facing);

    ViewComposer composer;
    if (theme) composer.loadviewimages(qtext(*theme));
    const ViewPlan plan = viewscan(maze);
    composer.drawmaze(plan);
    int darkness = 0;
    if (plan.viewcase != ViewCase::onexit) {
        if (plan.ahead == cellwallmap) composer.drawwallmap();
        composer.drawbox(plan);
        darkness = Game::darkness(battery, steps, renderbatteryrate);
        composer.darken(darkness);
        composer.showview();
    }

    QSaveFile file(qtext(*outfile));
    if (!file.open(QIODevice::WriteOnly) || !composer.shownview().save(&file, "PNG") ||
        !file.commit())
        throw BadInput{"cannot write '" + *outfile + "'"};
    out << "rendered " << *outfile << ": row " << maze.posrow << " col " << maze.poscol
        << " facing " << maze.facing << " case " << viewcasename(plan.viewcase) << " darkness "
        << darkness << "\n";
    return 0;
}

} // namespace quorvel::tool
