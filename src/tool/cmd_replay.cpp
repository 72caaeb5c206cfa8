// quorvel3d-tool replay FILE: plays a run again with the rules alone and says whether
// it reaches the end it recorded. Only reads.

#include <cstdio>
#include <ostream>

#include "files/runfiles.h"
#include "game/clock.h"
#include "game/runplayer.h"
#include "tool/command.h"

namespace quorvel::tool {

int replayCommand(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty() || args[0].starts_with("--"))
        throw BadInput{"expects one run file"};
    const std::string& path = args[0];
    RunRecord run;
    if (const RunReadProblem problem = readRunFile(path, run)) {
        err << "quorvel3d-tool replay: " << path << ": " << problem.text << "\n";
        return 1;
    }
    const RunOutcome& o = run.outcome;
    const char* result = o.result == RunResult::won    ? "won"
                         : o.result == RunResult::lost ? "lost"
                                                       : "unfinished";
    char time[64];
    std::snprintf(time, sizeof time, "%.9f", o.elapsed);
    out << "maze\t" << formatMazeNumber(run.maze) << "\n"
        << "player\t" << printable(run.player) << "\n"
        << "theme\t" << printable(run.theme) << "\n"
        << "result\t" << result << "\n"
        << "time\t" << time << "\t" << clockText(o.elapsed) << "\n"
        << "gems\t" << o.gems << "\n"
        << "steps\t" << o.steps << "\n"
        << "events\t" << run.events.size() << "\n";

    const RunVerdict verdict = verifyRun(run);
    if (verdict.verified) {
        out << "verified\n";
        return 0;
    }
    const RunDeparture& d = *verdict.departure;
    out << "departs at event " << d.event << ": " << d.why << "\n";
    return 1;
}

} // namespace quorvel::tool
