// quorvel3d-tool save FILE: prints what a saved game holds, or why the game would
// refuse it. Only reads.

#include <cstdio>
#include <ostream>

#include "files/filereader.h"
#include "game/mazenumber.h"
#include "game/savefile.h"
#include "tool/command.h"

namespace quorvel::tool {

int saveCommand(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty() || args[0].starts_with("--"))
        throw BadInput{"expects one saved-game file"};
    const std::string& path = args[0];

    // As the game reads it: one record at the most, and only from a plain file; a
    // folder, pipe or device is refused as no saved game without being waited on.
    std::string bytes;
    SavedGame game;
    SaveProblem problem = SaveProblem::unreadable;
    switch (readFileStart(path, saveRecordSize, bytes)) {
    case FileRead::ok:
        problem =
            decodeSave({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, game);
        break;
    case FileRead::notAFile: problem = SaveProblem::notValid; break;
    default: break;
    }
    if (problem != SaveProblem::none) {
        const auto [title, text] = saveProblemDialog(problem, path);
        err << title << ": " << text << "\n";
        return 1;
    }

    const Maze& m = game.maze;
    const GameState& s = game.state;
    const auto line = [&out](const char* name, auto value) {
        out << name << '\t' << value << "\n";
    };
    line("posrow", m.posRow);
    line("poscol", m.posCol);
    line("facing", m.facing);
    line("mazesize", m.mazeSize);
    line("stepcount", s.stepCount);
    line("compassturn", m.compassTurn);
    line("lastrow", game.lastRow);
    line("lastcol", game.lastCol);
    char elapsed[64];
    std::snprintf(elapsed, sizeof elapsed, "%.9f", s.elapsed);
    line("elapsed", elapsed);
    line("foodlevel", s.foodLevel);
    line("gemscore", s.gemScore);
    line("batterylevel", s.batteryLevel);
    line("batterysteps", s.batterySteps);
    line("hascompass", int{s.hasCompass});
    line("hasgps", int{s.hasGps});
    line("hastracker", int{s.hasTracker});
    line("mapinview", int{s.mapInView});
    line("hasbeacon", int{s.hasBeacon});
    line("hasdetector", int{s.hasDetector});
    // The maze's number, when the saved game kept it.
    if (const std::string number = mazeNumberText(m); !number.empty()) line("maze", number);

    // The grid as `quorvel3d-tool maze` prints it.
    out << "grid\n";
    const int n = m.mazeSize;
    for (int r = 0; r <= n; ++r) {
        for (int c = 0; c <= n + 1; ++c) {
            if (c) out << ' ';
            out << static_cast<int>(m.at(r, c));
        }
        out << "\n";
    }
    for (int code = 0; code < 256; ++code)
        if (game.placedTally[code] != 0)
            out << "placed\t" << code << '\t' << game.placedTally[code] << "\n";
    return 0;
}

} // namespace quorvel::tool
