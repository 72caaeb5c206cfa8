#pragma once
// Playing a run again (run.h): the rules receive the recorded actions and clock ticks
// at their recorded game-clock times, the host's questions are answered as they were,
// and nothing is written. Watching plays a run on the game screen; checking plays it
// with the rules alone (verifyRun) and compares the end with the record.

#include <cstddef>
#include <optional>
#include <string>

#include "game/clock.h"
#include "game/host.h"
#include "game/random.h"
#include "game/run.h"

namespace quorvel {

class Game;

/// A host that shows nothing and answers No: the rules alone.
class SilentHost : public GameHost {
  public:
    void drawMaze() override {}
    void drawWallMap() override {}
    void finishView(int) override {}
    void drawCompass(int) override {}
    void showCompass() override {}
    void showTool(Tool) override {}
    void setUseEnabled(bool) override {}
    void showCounters() override {}
    void updateMapTools(bool, bool, bool) override {}
    void updateMapPosition(int, int, bool, bool) override {}
    void countRemaining() override {}
    bool postGameMessage(MessageKey, Colour, MessageLevel) override { return false; }
    bool showGameMessage(const std::string&, Colour, MessageLevel) override { return false; }
    std::string randomMessage(int) override { return {}; }
    void hideIndicator() override {}
    void playSound(Sound, Sound, SoundMode) override {}
    void serviceEvents() override {}
    void setRunTimer(bool) override {}
    void setGameTimer(bool) override {}
    void showClock(const std::string&) override {}
    Answer showEndScreen(const EndScreenSetup&) override { return Answer::no; }
    bool confirmQuit() override { return false; }
    void closeGameScreen() override {}
};

/// The host of a replay: the questions are answered from the run, nothing is written
/// (no best time, no saved game, no deletion), the timers are the player's to drive,
/// and everything else goes to the screen's own host (a SilentHost to check a run).
class ReplayHost : public GameHost, public GameRecords {
  public:
    explicit ReplayHost(GameHost& screen) : m_screen(screen) {}
    /// The answers of the quit event being played.
    void setAnswers(const QuitAnswers& answers) { m_answers = answers; }
    /// The end screen of a won or lost game: shown (true) or left out (false, checking).
    void showEnds(bool show) { m_showEnds = show; }
    /// The best-times rank the end screen says, as recorded (never written).
    void setRank(int rank) { m_rank = rank; }

    void drawMaze() override { m_screen.drawMaze(); }
    void drawWallMap() override { m_screen.drawWallMap(); }
    void finishView(int darkness) override { m_screen.finishView(darkness); }
    void drawCompass(int heading) override { m_screen.drawCompass(heading); }
    void showCompass() override { m_screen.showCompass(); }
    void showTool(Tool tool) override { m_screen.showTool(tool); }
    void setUseEnabled(bool enabled) override { m_screen.setUseEnabled(enabled); }
    void showCounters() override { m_screen.showCounters(); }
    void updateMapTools(bool inView, bool detector, bool beacon) override {
        m_screen.updateMapTools(inView, detector, beacon);
    }
    void updateMapPosition(int row, int col, bool gps, bool tracker) override {
        m_screen.updateMapPosition(row, col, gps, tracker);
    }
    void countRemaining() override { m_screen.countRemaining(); }
    bool postGameMessage(MessageKey key, Colour colour, MessageLevel level) override {
        return m_screen.postGameMessage(key, colour, level);
    }
    bool showGameMessage(const std::string& text, Colour colour, MessageLevel level) override {
        return m_screen.showGameMessage(text, colour, level);
    }
    std::string randomMessage(int chance) override { return m_screen.randomMessage(chance); }
    void hideIndicator() override { m_screen.hideIndicator(); }
    void playSound(Sound sound, Sound plain, SoundMode mode) override;
    void serviceEvents() override {}
    void setRunTimer(bool) override {}
    void setGameTimer(bool) override {}
    void showClock(const std::string& text) override { m_screen.showClock(text); }
    Answer showEndScreen(const EndScreenSetup& screen) override;
    bool confirmQuit() override { return m_answers.confirmed; }
    int keepEnd(const GameEnding& ending) override { return ending.won ? m_rank : 0; }
    bool saveGame() override { return m_answers.saved; }
    void closeGameScreen() override {}

  private:
    GameHost& m_screen;
    QuitAnswers m_answers;
    bool m_showEnds = false;
    int m_rank = 0;
};

/// Where a replay leaves its record: the event (counted from 1) and why.
struct RunDeparture {
    std::size_t event = 0;
    std::string why;
};

/// The least time between the game clock's ticks (its timer's second, less what a
/// coarse timer may come early), and between the run timer's.
constexpr double runClockTickGap = 0.95 / secondsPerDay;
constexpr double runRunTickGap = 0.19 / secondsPerDay;

/// Plays a run on a game made with this player's clock and stream: one event at a
/// time, at its recorded time, checking it against what the program records. A run
/// the program could not have recorded departs at its first such event: a second maze,
/// a game begun twice or taken up from no save, an action after the game ended or was
/// quit, a clock that missed a tick or ticked early, an event the game does not take
/// as the run has it, or a game that is not the recorded one before an event.
class RunPlayer {
  public:
    /// game must have been made with clock, stream and a ReplayHost over host.
    RunPlayer(const RunRecord& run, Game& game, ManualClock& clock, Random& stream,
              ReplayHost& host);

    /// Plays the next event; false when none is left or the run departed.
    bool step();
    /// The events played so far.
    std::size_t played() const { return m_next; }
    std::size_t size() const { return m_run.events.size(); }
    const std::optional<RunDeparture>& departure() const { return m_departure; }
    /// The time of the next event (the last one's at the end), in days.
    double nextTime() const;

  private:
    /// Where the run stands between its events.
    enum class Stage {
        none,    ///< before the maze
        made,    ///< the maze is made: play may begin
        playing, ///< between begin and the game's end
        quit,    ///< the player quit: the screen hides, the clock may tick meanwhile
        ended,   ///< the screen hid
        seeded,  ///< a saved game is being taken up
        resumed, ///< it is taken up: play may begin
        over,    ///< won or lost
    };

    const RunRecord& m_run;
    Game& m_game;
    ManualClock& m_clock;
    Random& m_stream;
    ReplayHost& m_host;
    std::size_t m_next = 0;
    std::uint32_t m_seed = 0;
    double m_lastClockTick = -1;
    double m_lastRunTick = -1;
    double m_lastTime = 0;
    Stage m_stage = Stage::none;
    bool m_saved = false; ///< the sitting was quit with the game saved
    std::size_t m_sittings = 0; ///< begun so far
    std::optional<RunDeparture> m_departure;

    bool depart(std::string why);
    bool orderAllows(const RunEvent& e);
    bool timingAllows(const RunEvent& e);
    void play(const RunEvent& e);
    bool recordedAsPlayed(const RunEvent& e);
    void resumeFromSave();
};

/// What checking a run found: the end the rules reach, and the first departure.
struct RunVerdict {
    RunOutcome outcome;
    std::optional<RunDeparture> departure;
    /// The run is one the rules allow, at the program's own timing, and it reaches
    /// the outcome it recorded.
    bool verified = false;
};
/// Checks a run with the rules alone.
RunVerdict verifyRun(const RunRecord& run);

} // namespace quorvel
