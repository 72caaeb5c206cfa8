#include "play/runverdict.h"

#include "game/clock.h"

namespace quorvel {

namespace {

std::string counted(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string resultText(const RunOutcome& o) {
    const char* how = o.result == RunResult::won    ? "won in "
                      : o.result == RunResult::lost ? "lost in "
                                                    : "left unfinished after ";
    return how + clockText(o.elapsed) + " with " + counted(o.gems, "gem", "gems") + " and " +
           counted(o.steps, "step", "steps");
}

} // namespace

std::string watchVerdict(const RunRecord& run, const RunOutcome& reached,
                         const std::optional<RunDeparture>& departure) {
    if (!departure && reached == run.outcome)
        return "The run reached its recorded result: " + resultText(run.outcome) + ".";
    // Where the watch itself went wrong, or else what the rules alone say of the end.
    std::optional<RunDeparture> where = departure;
    if (!where) where = verifyRun(run).departure;
    if (!where) where = RunDeparture{run.events.size(), "it does not end as recorded"};
    return "The run departed from its record at event " + std::to_string(where->event) + " of " +
           std::to_string(run.events.size()) + ": " + where->why + ".";
}

} // namespace quorvel
