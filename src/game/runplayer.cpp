#include "game/runplayer.h"

#include <cmath>
#include <cstdio>

#include "game/game.h"
#include "game/savefile.h"

namespace quorvel {

namespace {

std::string timeText(double days) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", days * secondsPerDay);
    return text;
}

std::string outcomeText(const RunOutcome& o) {
    const char* result = o.result == RunResult::won    ? "won"
                         : o.result == RunResult::lost ? "lost"
                                                       : "unfinished";
    char text[160];
    std::snprintf(text, sizeof text, "%s in %.9f days with %d gems and %d steps", result, o.elapsed,
                  o.gems, o.steps);
    return text;
}

// Events that stand for a moment of the game, not for something the player did.
bool isBoundary(RunAction a) {
    return a == RunAction::newMaze || a == RunAction::seeded || a == RunAction::resumed ||
           a == RunAction::begin || a == RunAction::end;
}

} // namespace

void ReplayHost::playSound(const std::string& name, const std::string& fallback, SoundMode mode) {
    // A replay never waits for a sound: its pace is the player's.
    m_screen.playSound(name, fallback, mode == SoundMode::toEnd ? SoundMode::now : mode);
}

Answer ReplayHost::showEndScreen(const EndScreenSetup& screen) {
    if (screen.kind == EndKind::quit) return m_answers.saveWanted ? Answer::yes : Answer::no;
    if (m_showEnds) m_screen.showEndScreen(screen);
    return Answer::close;
}

RunPlayer::RunPlayer(const RunRecord& run, Game& game, ManualClock& clock, Random& stream,
                     ReplayHost& host)
    : m_run(run), m_game(game), m_clock(clock), m_stream(stream), m_host(host) {}

double RunPlayer::nextTime() const {
    if (m_run.events.empty()) return 0;
    return m_run.events[std::min(m_next, m_run.events.size() - 1)].time;
}

bool RunPlayer::depart(std::string why) {
    m_departure = RunDeparture{m_next + 1, std::move(why)};
    return false;
}

// The program's own timing: the clock ticks a second apart, the run timer's steps a
// fifth of a second apart, and nothing goes back in time within a sitting.
bool RunPlayer::timingAllows(const RunEvent& e) {
    if (e.action == RunAction::seeded || e.action == RunAction::resumed) return true;
    if (e.time < m_lastTime - 1e-9) // within a tenth of a millisecond: rounding
        return depart(std::string(runActionName(e.action)) + " at " + timeText(e.time) +
                      " comes before the event ahead of it, at " + timeText(m_lastTime));
    if (e.action == RunAction::clockTick && m_lastClockTick >= 0 &&
        e.time - m_lastClockTick < runClockTickGap)
        return depart("the clock ticks " + timeText(e.time - m_lastClockTick) +
                      " after the one before: its ticks come a second apart");
    if (e.action == RunAction::runTick && m_lastRunTick >= 0 &&
        e.time - m_lastRunTick < runRunTickGap)
        return depart("the run moves on " + timeText(e.time - m_lastRunTick) +
                      " after the step before: it moves every fifth of a second");
    return true;
}

// The game is saved and taken up again, exactly as the files carry it.
void RunPlayer::resumeFromSave(double) {
    SavedGame saved;
    saved.maze = m_game.maze();
    saved.state = m_game.state();
    const std::vector<std::uint8_t> bytes = encodeSave(saved);
    SavedGame record;
    decodeSave(bytes, record);
    m_stream.setSeedSource([seed = m_seed] { return seed; });
    m_game.prepareSavedGame(record.maze.level());
    m_stream.setSeedSource({});
    // The clock stands at the saved playing time, so the game starts its clock at 0
    // and every later time is the recorded one exactly.
    m_clock.set(record.state.elapsed);
    const RunRecord sofar = m_game.run();
    m_game.resume(record, &sofar);
}

bool RunPlayer::step() {
    if (m_departure || m_next >= m_run.events.size()) return false;
    const RunEvent& e = m_run.events[m_next];
    if (!timingAllows(e)) return false;
    const bool checked = e.action != RunAction::newMaze && e.action != RunAction::begin;
    if (checked && runDigest(m_game.maze(), m_game.state()) != e.digest)
        return depart(std::string("the game before ") + runActionName(e.action) +
                      " is not the recorded one");
    if (m_host.closed() && !isBoundary(e.action) && e.action != RunAction::clockTick)
        return depart(std::string(runActionName(e.action)) + " comes after the game ended");

    if (e.action != RunAction::seeded && e.action != RunAction::resumed) m_clock.set(e.time);
    switch (e.action) {
    case RunAction::newMaze: m_game.newMaze(m_run.maze.level, e.value); break;
    case RunAction::seeded: m_seed = e.value; break;
    case RunAction::resumed:
        resumeFromSave(e.time);
        m_lastTime = m_clock.now();
        m_lastClockTick = m_lastRunTick = -1;
        break;
    case RunAction::begin:
        m_game.begin();
        m_lastClockTick = e.time; // the clock starts with the game
        break;
    case RunAction::end: m_game.end(); break;
    case RunAction::turnLeft: m_game.turnLeft(); break;
    case RunAction::turnRight: m_game.turnRight(); break;
    case RunAction::stepForward: m_game.stepForward(); break;
    case RunAction::stepBack: m_game.stepBack(); break;
    case RunAction::useBattery: m_game.useBattery(); break;
    case RunAction::startRunning:
        m_game.startRunning();
        m_lastRunTick = e.time;
        break;
    case RunAction::runTick:
        m_game.runTick();
        m_lastRunTick = e.time;
        break;
    case RunAction::clockTick:
        m_game.clockTick();
        m_lastClockTick = e.time;
        break;
    case RunAction::funKey: m_game.playFunKey(static_cast<char>(e.value)); break;
    case RunAction::quit:
        m_host.setAnswers(unpackQuitAnswers(e.value));
        m_game.askToQuit();
        break;
    }
    if (e.action != RunAction::resumed && e.action != RunAction::seeded) m_lastTime = e.time;
    ++m_next;
    return true;
}

RunVerdict verifyRun(const RunRecord& run) {
    SilentHost silent;
    ReplayHost host(silent);
    ManualClock clock(0);
    Random stream;
    Game game(host, stream, clock);
    game.setRecords(host);
    RunPlayer player(run, game, clock, stream, host);
    while (player.step()) {
    }
    RunVerdict verdict;
    verdict.outcome = game.run().outcome;
    verdict.departure = player.departure();
    if (!verdict.departure && verdict.outcome != run.outcome)
        verdict.departure = RunDeparture{run.events.size(),
                                         "the game ends " + outcomeText(verdict.outcome) +
                                             ", where the record says " + outcomeText(run.outcome)};
    verdict.verified = !verdict.departure;
    return verdict;
}

} // namespace quorvel
