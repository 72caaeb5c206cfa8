// quorvel3d-tool scores FILE|--builtin: prints the 18 results of a best-times file (or
// of the table built into the game), or why the game would refuse the file. Only reads.

#include <cstdio>
#include <ostream>
#include <span>

#include "files/filereader.h"
#include "files/resourcefile.h"
#include "game/besttimes.h"
#include "game/levels.h"
#include "resources/resources.h"
#include "tool/command.h"

namespace quorvel::tool {

int scoresCommand(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty() ||
        (args[0].starts_with("--") && args[0] != "--builtin"))
        throw BadInput{"expects one best-times file, or --builtin"};
    const std::string& path = args[0];

    // As the game reads it: one table at the most, and only from a plain file; a
    // folder, pipe or device is refused as no best-times file without being waited on.
    std::string bytes;
    std::string shown = path;
    FileRead read = FileRead::unreadable;
    if (path == "--builtin") {
        initResources();
        if (readResource("scores", "BIN", bytes)) read = FileRead::ok;
        shown = resourcePath("scores", "BIN");
    } else {
        read = readFileStart(path, bestTimesSize, bytes);
    }
    const std::span<const std::uint8_t> file(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             bytes.size());
    BestTimesProblem problem = BestTimesProblem::unreadable;
    if (read == FileRead::ok)
        problem = checkBestTimes(file);
    else if (read == FileRead::notAFile)
        problem = BestTimesProblem::notValid;
    if (problem != BestTimesProblem::none) {
        const auto [title, text] = bestTimesProblemDialog(problem, shown);
        err << title << ": " << text << "\n";
        return 1;
    }

    const BestTimes table = BestTimes::fromFile(file);
    for (int level = 1; level <= levelCount; ++level)
        for (int rank = 1; rank <= 3; ++rank) {
            const BestTime e = table.entry(level, rank);
            char time[64];
            std::snprintf(time, sizeof time, "%.9f", e.time);
            out << level << '\t' << rank << '\t' << printable(e.name) << '\t' << time << '\t' << printable(e.timeText)
                << '\t' << e.gems << '\t' << e.steps << '\t' << e.food << '\t' << e.battery << "\n";
        }
    return 0;
}

} // namespace quorvel::tool
