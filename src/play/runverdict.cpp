#include "play/runverdict.h"

#include "game/clock.h"
#include "text/gametext.h"

namespace quorvel {

namespace {

// The verdict's forms, in the player's language or as written.
struct VerdictWords {
    bool translated;
    std::string operator()(const char* form) const {
        return translated ? gameText("quorvel::RunWatch", form) : std::string(form);
    }
};

std::string counted(const VerdictWords& say, int n, const char* one, const char* many) {
    return fillIn(say(n == 1 ? one : many), std::to_string(n));
}

std::string resultText(const VerdictWords& say, const RunOutcome& o) {
    const char* how = o.result == RunResult::won ? GAME_TEXT_NOOP("quorvel::RunWatch", "won in %1 with %2 and %3")
                      : o.result == RunResult::lost
                          ? GAME_TEXT_NOOP("quorvel::RunWatch", "lost in %1 with %2 and %3")
                          : GAME_TEXT_NOOP("quorvel::RunWatch", "left unfinished after %1 with %2 and %3");
    return fillIn(say(how),
                  {clockText(o.elapsed),
                   counted(say, o.gems, GAME_TEXT_NOOP("quorvel::RunWatch", "%1 gem"),
                           GAME_TEXT_NOOP("quorvel::RunWatch", "%1 gems")),
                   counted(say, o.steps, GAME_TEXT_NOOP("quorvel::RunWatch", "%1 step"),
                           GAME_TEXT_NOOP("quorvel::RunWatch", "%1 steps"))});
}

} // namespace

std::string watchVerdict(const RunRecord& run, const RunOutcome& reached,
                         const std::optional<RunDeparture>& departure, bool translated) {
    const VerdictWords say{translated};
    if (!departure && reached == run.outcome)
        return fillIn(say(GAME_TEXT_NOOP("quorvel::RunWatch", "The run reached its recorded result: %1.")),
                      resultText(say, run.outcome));
    // Where the watch itself went wrong, or else what the rules alone say of the end.
    std::optional<RunDeparture> where = departure;
    if (!where) where = verifyRun(run).departure;
    if (!where) where = RunDeparture{run.events.size(), "it does not end as recorded"};
    return fillIn(say(GAME_TEXT_NOOP("quorvel::RunWatch",
                                     "The run departed from its record at event %1 of %2: %3.")),
                  {std::to_string(where->event), std::to_string(run.events.size()), where->why});
}

} // namespace quorvel
