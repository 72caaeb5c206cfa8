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

} // namespace

void ReplayHost::playSound(Sound sound, Sound plain, SoundMode mode) {
    // A replay never waits for a sound: its pace is the player's.
    m_screen.playSound(sound, plain, mode == SoundMode::toEnd ? SoundMode::now : mode);
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

// What may come next: one maze, first; play begun once after it, and again only after
// the game was quit with a save and taken up; actions only while a game is played.
bool RunPlayer::orderAllows(const RunEvent& e) {
    const char* name = runActionName(e.action);
    switch (e.action) {
    case RunAction::newMaze:
        return m_stage == Stage::none || depart("a second new maze: a run plays one maze");
    case RunAction::begin:
        return m_stage == Stage::made || m_stage == Stage::resumed ||
               depart("begin comes without a new maze or a saved game taken up before it");
    case RunAction::seeded:
        if (m_sittings + 1 > runMaxSittings)
            return depart("a saved game is taken up more often than a run keeps (" +
                          std::to_string(runMaxSittings) + " sittings)");
        return ((m_stage == Stage::quit || m_stage == Stage::ended) && m_saved) ||
               depart("a saved game is taken up that the run did not save");
    case RunAction::resumed:
        return m_stage == Stage::seeded || depart("resume comes without its seeding");
    case RunAction::end:
        return m_stage == Stage::playing || m_stage == Stage::quit ||
               depart("end comes while no game is played");
    case RunAction::clockTick:
        if (m_stage == Stage::quit) return true;
        break;
    default: break;
    }
    switch (m_stage) {
    case Stage::playing: return true;
    case Stage::over: return depart(std::string(name) + " comes after the game ended");
    case Stage::quit: return depart(std::string(name) + " comes after the game was quit");
    default: return depart(std::string(name) + " comes while no game is played");
    }
}

// The program's own timing: the clock ticks a second apart, and never misses a tick
// while it runs (an action finds a tick less than a second old: the game ticks first
// when one is due); the run timer's steps come a fifth of a second apart; and nothing
// goes back in time within a sitting.
bool RunPlayer::timingAllows(const RunEvent& e) {
    if (e.action == RunAction::seeded || e.action == RunAction::resumed) return true;
    if (e.time < m_lastTime - 1e-9) // within a tenth of a millisecond: rounding
        return depart(std::string(runActionName(e.action)) + " at " + timeText(e.time) +
                      " comes before the event ahead of it, at " + timeText(m_lastTime));
    if (e.action == RunAction::clockTick && m_lastClockTick >= 0 &&
        e.time - m_lastClockTick < runClockTickGap)
        return depart("the clock ticks " + timeText(e.time - m_lastClockTick) +
                      " after the one before: its ticks come a second apart");
    if (m_game.clockRunning() && !isBoundary(e.action) && e.action != RunAction::clockTick &&
        e.time - m_lastClockTick >= clockTickDays)
        return depart(std::string(runActionName(e.action)) + " comes " +
                      timeText(e.time - m_lastClockTick) +
                      " after the clock's last tick: it ticks every second while the game runs");
    if (e.action == RunAction::runTick && m_lastRunTick >= 0 &&
        e.time - m_lastRunTick < runRunTickGap)
        return depart("the run moves on " + timeText(e.time - m_lastRunTick) +
                      " after the step before: it moves every fifth of a second");
    return true;
}

// The game is saved and taken up again, exactly as the files carry it.
void RunPlayer::resumeFromSave() {
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
    // The run goes on as this replay recorded it (the game takes its own, not a copy).
    m_game.resume(record, &m_game.run());
}

void RunPlayer::play(const RunEvent& e) {
    if (e.action != RunAction::seeded && e.action != RunAction::resumed) m_clock.set(e.time);
    switch (e.action) {
    case RunAction::newMaze: m_game.newMaze(m_run.maze.level, e.value); break;
    case RunAction::seeded: m_seed = e.value; break;
    case RunAction::resumed:
        resumeFromSave();
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
}

// The game records what it takes as it takes it: the replay's own record must hold the
// event just as the run does (an action the game ignores there, or answers it would
// not give, are none the program records), the game before it included.
bool RunPlayer::recordedAsPlayed(const RunEvent& e) {
    const std::vector<RunEvent>& own = m_game.run().events;
    const std::size_t want = e.action == RunAction::seeded ? m_next : m_next + 1;
    const char* name = runActionName(e.action);
    if (own.size() != want) return depart(std::string("the game takes no ") + name + " here");
    if (want == m_next) return true;
    const RunEvent& mine = own.back();
    if (mine.action != e.action || mine.value != e.value || std::abs(mine.time - e.time) > 1e-9)
        return depart(std::string("the game does not take ") + name + " as the run records it");
    // The game as the rules left it before the event (a new maze and the start of play
    // make it anew); a resume records its seeding with it.
    const bool madeAnew = e.action == RunAction::newMaze || e.action == RunAction::begin;
    const bool seededToo = e.action == RunAction::resumed && own.size() >= 2 && m_next >= 1 &&
                           own[own.size() - 2].digest != m_run.events[m_next - 1].digest;
    if ((!madeAnew && mine.digest != e.digest) || seededToo)
        return depart(std::string("the game before ") + name + " is not the recorded one");
    return true;
}

bool RunPlayer::step() {
    if (m_departure || m_next >= m_run.events.size()) return false;
    const RunEvent& e = m_run.events[m_next];
    if (!orderAllows(e) || !timingAllows(e)) return false;
    play(e);
    if (!recordedAsPlayed(e)) return false;
    if (e.action != RunAction::resumed && e.action != RunAction::seeded) m_lastTime = e.time;

    switch (e.action) {
    case RunAction::newMaze: m_stage = Stage::made; break;
    case RunAction::begin:
        m_stage = Stage::playing;
        ++m_sittings;
        break;
    case RunAction::seeded: m_stage = Stage::seeded; break;
    case RunAction::resumed: m_stage = Stage::resumed; break;
    case RunAction::end: m_stage = Stage::ended; break;
    case RunAction::quit: {
        // Quit for good: unless the save the player wanted could not be written.
        const QuitAnswers a = unpackQuitAnswers(e.value);
        if (a.confirmed && (a.saved || !a.saveWanted)) {
            m_stage = Stage::quit;
            m_saved = a.saved;
        }
        break;
    }
    default: break;
    }
    if (m_game.run().outcome.result != RunResult::unfinished) m_stage = Stage::over;
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
