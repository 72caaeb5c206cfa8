// quorvel3d-tool scores FILE|--builtin: prints the 18 results of a best-times file (or
// of the table built into the game), or why the game would refuse the file. Only reads.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>

#include "besttimes.h"
#include "command.h"
#include "resource.h"
#include "resources.h"

namespace quorvel::tool {

int scoresCommand(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty() ||
        (args[0].starts_with("--") && args[0] != "--builtin"))
        throw BadInput{"expects one best-times file, or --builtin"};
    const std::string& path = args[0];

    std::vector<std::uint8_t> bytes;
    bool read = false;
    std::string shown = path;
    if (path == "--builtin") {
        initResources();
        std::string resource;
        read = readResource("scores", "BIN", resource);
        bytes.assign(resource.begin(), resource.end());
        shown = resourcePath("scores", "BIN");
    } else if (std::ifstream in(path, std::ios::binary); in) {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        read = !in.bad();
    }
    const BestTimesProblem problem = read ? checkBestTimes(bytes) : BestTimesProblem::unreadable;
    if (problem != BestTimesProblem::none) {
        const auto [title, text] = bestTimesProblemDialog(problem, shown);
        err << title << ": " << text << "\n";
        return 1;
    }

    const BestTimes table = BestTimes::fromFile(bytes);
    for (int level = 1; level <= 6; ++level)
        for (int rank = 1; rank <= 3; ++rank) {
            const BestTime e = table.entry(level, rank);
            char time[64];
            std::snprintf(time, sizeof time, "%.9f", e.time);
            out << level << '\t' << rank << '\t' << e.name << '\t' << time << '\t' << e.timeText
                << '\t' << e.gems << '\t' << e.steps << '\t' << e.food << '\t' << e.battery << "\n";
        }
    return 0;
}

} // namespace quorvel::tool
