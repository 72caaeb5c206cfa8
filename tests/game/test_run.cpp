// Runs: a game's actions and clock ticks recorded as it is played, kept in a run file,
// and played again by the rules alone to the very same end.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "fakehost.h"
#include "game/clock.h"
#include "game/game.h"
#include "game/run.h"
#include "game/runplayer.h"
#include "game/savefile.h"
#include "support/runbytes.h"
#include "support/shortestway.h"

namespace quorvel {
namespace {

using testing::FakeHost;

// The system's clock never reads the same twice: this one moves on a microsecond at
// every reading, so a run must keep the very times the rules reckoned with.
class MovingClock final : public Clock {
  public:
    explicit MovingClock(double now) : m_now(now) {}
    double now() const override { return m_now += 1e-6 / secondsPerDay; }
    void set(double now) { m_now = now; }
    void advance(double days) { m_now += days; }

  private:
    mutable double m_now;
};

// A player who walks the shortest way out, a fifth of a second an action, while the
// game clock ticks every second.
class Walker {
  public:
    Walker(Game& game, MovingClock& clock) : m_game(game), m_clock(clock) {}

    void act(void (Game::*action)()) {
        m_clock.advance(0.2 / secondsPerDay);
        m_since += 0.2;
        if (m_since >= 1.0) {
            m_since = 0;
            m_game.clockTick();
        }
        (m_game.*action)();
    }

    // Breadth first from the player's cell to the exit, then the turns and steps.
    void walkOut(int maxSteps = 1000) {
        for (int n = 0; n < maxSteps && !m_game.state().gameOver; ++n) {
            const Maze& m = m_game.maze();
            const int want = firstDirection();
            if (want == 0) return;
            while (m.facing != want)
                act(&Game::turnRight);
            if (m.here() == cellExit) return; // facing out of the exit wins
            act(&Game::stepForward);
        }
    }

  private:
    Game& m_game;
    MovingClock& m_clock;
    double m_since = 0;

    // The facing of the first step of the shortest way out (3 on the exit itself).
    int firstDirection() const {
        const Maze& m = m_game.maze();
        if (m.here() == cellExit) return 3;
        const auto way = test::pathToExit(m);
        for (int f = 1; f <= 4 && !way.empty(); ++f)
            if (std::pair(m.posRow + aheadStep(f).dr, m.posCol + aheadStep(f).dc) == way[0])
                return f;
        return 0;
    }
};

struct Played {
    FakeHost host;
    Random stream{777};
    MovingClock clock{46000.3};
    Game game{host, stream, clock};
    Walker walker{game, clock};

    Played() { game.setRecords(host); }
    /// A new game of the maze level-seed, begun.
    void start(int level, std::uint32_t seed) {
        game.newMaze(level, seed);
        game.begin();
    }
};

TEST(Runs, AWonGameIsKeptWholeAndPlaysAgainToTheSameEnd) {
    Played p;
    p.game.newMaze(1, 12345);
    p.game.nameRun("Ann", "Back to basics <Default>");
    p.game.begin();
    p.walker.act(&Game::turnLeft);
    p.walker.act(&Game::stepBack);
    p.walker.walkOut();
    ASSERT_EQ(p.game.run().outcome.result, RunResult::won);
    EXPECT_EQ(p.game.run().outcome.elapsed, p.host.lastBest.elapsed);
    EXPECT_EQ(p.game.run().outcome.steps, p.game.state().stepCount);

    RunRecord kept;
    ASSERT_FALSE(decodeRun(encodeRun(p.game.run()), kept));
    EXPECT_EQ(kept.maze, (MazeNumber{1, 12345}));
    EXPECT_EQ(kept.player, "Ann");
    EXPECT_EQ(kept.theme, "Back to basics <Default>");
    EXPECT_EQ(kept.events.size(), p.game.run().events.size());
    const RunVerdict verdict = verifyRun(kept);
    EXPECT_TRUE(verdict.verified) << verdict.departure->why;
    EXPECT_EQ(verdict.outcome, p.game.run().outcome);

    // One action changed (and the file's checksum made again): the replay departs there.
    RunRecord changed = kept;
    std::size_t at = 0;
    while (changed.events[at].action != RunAction::stepForward)
        ++at;
    changed.events[at].action = RunAction::turnLeft;
    const RunVerdict refused = verifyRun(changed);
    EXPECT_FALSE(refused.verified);
    ASSERT_TRUE(refused.departure);
    EXPECT_EQ(refused.departure->event, at + 2) << refused.departure->why;

    // A step after the game ended: the program takes none.
    RunRecord late = kept;
    late.events.push_back(late.events.back());
    late.events.back().action = RunAction::stepForward;
    late.events.back().digest = runDigest(p.game.maze(), p.game.state()); // the game as it ended
    const RunVerdict after = verifyRun(late);
    ASSERT_TRUE(after.departure);
    EXPECT_EQ(after.departure->why, "step forward comes after the game ended");

    // A byte changed by anything but the game: the checksum says so.
    std::vector<std::uint8_t> bytes = encodeRun(kept);
    bytes[bytes.size() / 2] ^= 1;
    RunRecord damaged;
    EXPECT_EQ(decodeRun(bytes, damaged).text, "damaged: its checksum does not match");
    // Damage the checksum cannot see (it is made again): the event is named by its place.
    RunRecord odd = kept;
    odd.events[1].time = std::nan("");
    EXPECT_EQ(decodeRun(encodeRun(odd), damaged).text, "damaged: event 2 has no time");
    odd.events[1].time = kept.events[1].time;
    odd.events[2].action = static_cast<RunAction>(250);
    EXPECT_EQ(decodeRun(encodeRun(odd), damaged).text,
              "damaged: event 3 is no action the rules know");
}

// The clock goes on ticking while the quit question and the save offer are open, and a
// fun key plays as the offer closes: the run the save writes verifies as it stands, and so does the
// whole run once the saved game is taken up and won.
TEST(Runs, ASavedGameCarriesItsRunOnAndTheWholeRunVerifies) {
    Played first;
    first.start(2, 4242);
    for (int i = 0; i < 6; ++i)
        first.walker.act(i % 3 ? &Game::stepForward : &Game::turnLeft);
    const auto aSecondPasses = [&] {
        first.clock.advance(1.0 / secondsPerDay);
        first.game.clockTick();
    };
    first.host.onConfirm = [&] {
        aSecondPasses();
        aSecondPasses();
    };
    first.host.onEndScreen = [&] {
        aSecondPasses();
        first.game.playFunKey('L'); // a key let through as the save offer closes
    };
    RunRecord asSaved;
    first.host.onSave = [&] { asSaved = first.game.run(); };
    first.host.quitAnswer = true;
    first.host.endAnswer = Answer::yes;
    ASSERT_TRUE(first.game.askToQuit());
    first.game.end();
    const RunVerdict savedVerdict = verifyRun(asSaved);
    EXPECT_TRUE(savedVerdict.verified) << savedVerdict.departure->why;
    EXPECT_EQ(savedVerdict.outcome.result, RunResult::unfinished);
    // The run keeps the answers: quit, save, saved.
    const std::vector<RunEvent>& events = first.game.run().events;
    const auto quit = std::find_if(events.rbegin(), events.rend(),
                                   [](const RunEvent& e) { return e.action == RunAction::quit; });
    ASSERT_NE(quit, events.rend());
    const QuitAnswers said = unpackQuitAnswers(quit->value);
    EXPECT_TRUE(said.confirmed && said.saveWanted && said.saved);
    const SavedGame saved{first.game.maze(), first.game.state()};
    SavedGame record;
    ASSERT_EQ(decodeSave(encodeSave(saved), record), SaveProblem::none);
    RunRecord kept; // the run as the save wrote it goes on
    ASSERT_FALSE(decodeRun(encodeRun(asSaved), kept));

    // Days later, another program run takes it up.
    Played second;
    second.clock.set(46003.7);
    second.game.prepareSavedGame(2);
    second.game.resume(record, &kept);
    second.game.begin();
    second.walker.walkOut();
    ASSERT_EQ(second.game.run().outcome.result, RunResult::won);
    const RunVerdict verdict = verifyRun(second.game.run());
    EXPECT_TRUE(verdict.verified) << verdict.departure->why;
    EXPECT_EQ(verdict.outcome, second.game.run().outcome);
}

// Runs the program could never have recorded, made from a genuine one (the checksum made
// again): each is refused, where the old checker printed "verified" with a better time.
TEST(Runs, RunsTheProgramNeverRecordsAreRefused) {
    Played p;
    p.start(1, 1234);
    p.walker.walkOut();
    const RunRecord genuine = p.game.run();
    ASSERT_EQ(genuine.outcome.result, RunResult::won);
    ASSERT_TRUE(verifyRun(genuine).verified);
    const std::size_t last = genuine.events.size() - 1; // the winning action
    // The outcome the forger gives: what the rules reach playing the forged events.
    const auto withTicksUpTo = [](RunRecord& r, double seconds) {
        std::erase_if(r.events, [&](const RunEvent& e) {
            return e.action == RunAction::clockTick && e.time > seconds / secondsPerDay;
        });
        r.outcome.elapsed = 0;
        for (const RunEvent& e : r.events)
            if (e.action == RunAction::clockTick) r.outcome.elapsed = e.time;
    };
    // An event of the action put in after the fifth event, at its time.
    const auto sixth = [](RunAction action, std::uint32_t value) {
        return [=](RunRecord& r) {
            r.events.insert(r.events.begin() + 5, {r.events[4].time, action, value, 0});
        };
    };
    // The fifth event, as an event of the action, put in before itself.
    const auto beforeFifth = [](RunAction action, std::uint32_t value) {
        return [=](RunRecord& r) {
            RunEvent e = r.events[4];
            e.action = action;
            e.value = value;
            r.events.insert(r.events.begin() + 4, e);
        };
    };
    const struct {
        const char* forgery;
        std::function<void(RunRecord&)> forge;
        std::string refusal;
    } forgeries[] = {
        {"every clock tick removed", [&](RunRecord& r) { withTicksUpTo(r, 0); },
         "after the clock's last tick: it ticks every second while the game runs"},
        {"the ticks after 2.5 s removed", [&](RunRecord& r) { withTicksUpTo(r, 2.5); },
         "after the clock's last tick: it ticks every second while the game runs"},
        {"the winning step moved 9.9 million days on",
         [&](RunRecord& r) { r.events[last].time += 9.9e6; },
         "damaged: event " + std::to_string(last + 1) + " comes later than the game's clock runs"},
        {"a second maze mid-run", sixth(RunAction::newMaze, 4321),
         "a second new maze: a run plays one maze"},
        {"an end and a begin before the winning step",
         [&](RunRecord& r) {
             const RunEvent win = r.events[last];
             r.events.insert(r.events.begin() + static_cast<long>(last),
                             {RunEvent{win.time, RunAction::end, 0, win.digest},
                              RunEvent{win.time, RunAction::begin, 0, win.digest}});
         },
         "begin comes without a new maze or a saved game taken up before it"},
        {"a saved game taken up that was never saved", sixth(RunAction::seeded, 9),
         "a saved game is taken up that the run did not save"},
        {"a resume with no saved game taken up", sixth(RunAction::resumed, 0),
         "resume comes without its seeding"},
        {"a run tick while not running", beforeFifth(RunAction::runTick, genuine.events[4].value),
         "the game takes no run tick here"},
        {"a quit saved with no save wanted",
         beforeFifth(RunAction::quit, packQuitAnswers({true, false, true})),
         "the game does not take quit as the run records it"},
        {"the header's maze not the one played", [](RunRecord& r) { r.maze.state ^= 1; },
         "damaged: it does not start with its maze"},
        {"a gem more than the rules give", [](RunRecord& r) { ++r.outcome.gems; },
         "where the record says"},
        {"a step after the game was quit",
         beforeFifth(RunAction::quit, packQuitAnswers({true, false, false})),
         "comes after the game was quit"},
    };
    for (const auto& f : forgeries) {
        RunRecord forged = genuine;
        f.forge(forged);
        std::vector<std::uint8_t> bytes = encodeRun(forged);
        RunRecord read;
        std::string refusal;
        if (const RunReadProblem problem = decodeRun(bytes, read))
            refusal = problem.text;
        else if (const RunVerdict verdict = verifyRun(read); verdict.departure)
            refusal = verdict.departure->why;
        EXPECT_NE(refusal.find(f.refusal), std::string::npos) << f.forgery << ": " << refusal;
    }
    // Bytes after the events: the file is not a run the game wrote.
    std::vector<std::uint8_t> longer = encodeRun(genuine);
    longer.resize(longer.size() - 4);
    longer.insert(longer.end(), {0, 0, 0});
    longer = test::withRunChecksum(longer);
    RunRecord read;
    EXPECT_EQ(decodeRun(longer, read).text, "damaged: its events do not fill it");
    // A name whose length runs past the file's end: the header, the length, half the name.
    RunRecord named = genuine;
    named.player = std::string(20, 'a');
    std::vector<std::uint8_t> cut = encodeRun(named);
    cut.resize(50);
    EXPECT_EQ(decodeRun(test::withRunChecksum(cut), read).text,
              "damaged: a name runs past its end");
    // The largest run file is read as one; a byte more is too large to be one.
    longer.resize(runMaxFileBytes + 1);
    EXPECT_EQ(decodeRun(longer, read).text, "too large to be a run file");
    longer.pop_back();
    EXPECT_EQ(decodeRun(longer, read).text, "damaged: its checksum does not match");
}

// A clock tick held up (the window system busy, the machine asleep) comes before the
// next action, so the time of a win is never more than a second old; a clock that runs
// to its cap keeps no run, as no run file holds a time past it.
TEST(Runs, AClockTickThatIsDueComesBeforeTheNextAction) {
    Played p;
    p.start(1, 1234);
    p.clock.advance(3.5 / secondsPerDay);
    p.game.turnLeft();
    const std::vector<RunEvent>& events = p.game.run().events;
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[2].action, RunAction::clockTick);
    EXPECT_EQ(events[3].action, RunAction::turnLeft);
    EXPECT_EQ(events[2].time, events[3].time);
    EXPECT_EQ(p.game.state().elapsed, events[3].time);
    p.walker.walkOut();
    ASSERT_EQ(p.game.run().outcome.result, RunResult::won);
    const RunVerdict verdict = verifyRun(p.game.run());
    EXPECT_TRUE(verdict.verified) << verdict.departure->why;

    Played capped;
    capped.start(1, 1234);
    capped.clock.advance(clockCapDays + 1);
    capped.game.clockTick();
    EXPECT_FALSE(capped.game.clockRunning());
    EXPECT_FALSE(capped.game.run().complete);
}

// A game taken up from its saved game again and again keeps its run for as many
// sittings as a run holds, then plays on unrecorded; a run claiming more is refused at
// once (checking each sitting costs a saved game's round trip).
TEST(Runs, ARunKeepsItsSittingsUpToWhatARunHolds) {
    Played p;
    p.host.quitAnswer = true;
    p.host.endAnswer = Answer::yes;
    p.start(1, 1234);
    std::size_t sittings = 1;
    RunRecord whole;
    while (p.game.run().complete) {
        whole = p.game.run();
        p.clock.advance(0.3 / secondsPerDay);
        p.game.turnLeft();
        ASSERT_TRUE(p.game.askToQuit());
        p.game.end();
        const SavedGame saved{p.game.maze(), p.game.state()};
        const RunRecord sofar = p.game.run();
        p.game.prepareSavedGame(1);
        p.game.resume(saved, &sofar);
        p.game.begin();
        ++sittings;
    }
    EXPECT_EQ(sittings, runMaxSittings + 1);
    const RunVerdict kept = verifyRun(whole);
    EXPECT_TRUE(kept.verified) << kept.departure->why;
    // One sitting more, as a forger would copy it.
    const auto last = std::find_if(whole.events.rbegin(), whole.events.rend(),
                                   [](const RunEvent& e) { return e.action == RunAction::seeded; });
    RunRecord more = whole;
    more.events.insert(more.events.end(), last.base() - 1, whole.events.end());
    const RunVerdict refused = verifyRun(more);
    ASSERT_TRUE(refused.departure);
    EXPECT_EQ(refused.departure->why,
              "a saved game is taken up more often than a run keeps (1000 sittings)");
}

TEST(Runs, TimingThatTheProgramNeverMakesIsRefused) {
    Played p;
    p.start(1, 99);
    p.walker.walkOut(30);
    const RunRecord run = p.game.run();
    std::vector<std::size_t> ticks;
    for (std::size_t i = 0; i < run.events.size(); ++i)
        if (run.events[i].action == RunAction::clockTick) ticks.push_back(i);
    ASSERT_GE(ticks.size(), 2u);
    // The first tick is measured from the start, the next from the tick before.
    for (const std::size_t tick : {ticks[0], ticks[1]}) {
        RunRecord early = run;
        early.events[tick].time -= 0.1 / secondsPerDay; // a tenth of a second early
        const RunVerdict verdict = verifyRun(early);
        ASSERT_TRUE(verdict.departure) << tick;
        EXPECT_EQ(verdict.departure->event, tick + 1);
        EXPECT_NE(verdict.departure->why.find("a second apart"), std::string::npos)
            << verdict.departure->why;
    }

    // A run's second step a tenth of a second after its first.
    Played q;
    q.start(1, 99);
    const Maze& m = q.game.maze();
    for (int turns = 0; turns < 4; ++turns) { // to a corridor two cells long at least
        const Step a = aheadStep(m.facing);
        if (!isWall(m.at(m.posRow + a.dr, m.posCol + a.dc)) &&
            !isWall(m.at(m.posRow + 2 * a.dr, m.posCol + 2 * a.dc)))
            break;
        q.walker.act(&Game::turnRight);
    }
    q.walker.act(&Game::startRunning);
    q.walker.act(&Game::runTick);
    q.walker.act(&Game::runTick);
    RunRecord running = q.game.run();
    ASSERT_EQ(running.events.back().action, RunAction::runTick);
    running.events.back().time -= 0.1 / secondsPerDay;
    const RunVerdict early = verifyRun(running);
    ASSERT_TRUE(early.departure);
    EXPECT_EQ(early.departure->event, running.events.size());
    EXPECT_NE(early.departure->why.find("every fifth of a second"), std::string::npos)
        << early.departure->why;
}

} // namespace
} // namespace quorvel
