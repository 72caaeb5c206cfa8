#pragma once
// The rules of a game in progress: turning, walking and running, what a cell does
// to the player, food and light, and the two ways a game ends. Everything the rules
// ask of the screen goes through the GameHost, in the order the game depends on.
//
// The game screen forwards its buttons, keys and timers here; after the screen has
// closed, or while a game is ending, nothing moves the player any more.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/maze.h"
#include "game/message.h"
#include "game/run.h"
#include "game/state.h"
#include "game/stepsound.h"

namespace quorvel {

class Clock;
class GameHost;
class GameRecords;
class Random;
struct SavedGame;

class Game {
  public:
    /// A game whose end records nothing until setRecords names where it goes.
    Game(GameHost& host, Random& rng, const Clock& clock);

    /// Where the game's best time, saved game and run go from now on.
    void setRecords(GameRecords& records) { m_ownRecords = m_records = &records; }
    /// Plays the rules through another host, records and clock until restored: a run
    /// watched on the game screen goes through a replay host over it, which writes
    /// nothing, and the run's own clock.
    void redirect(GameHost& host, GameRecords& records, const Clock& clock) {
        m_host = &host;
        m_records = &records;
        m_clock = &clock;
    }
    /// Back to the host, records and clock the game was made with.
    void restoreHostAndClock() { redirect(m_ownHost, *m_ownRecords, m_ownClock); }

    Maze& maze() { return m_maze; }
    const Maze& maze() const { return m_maze; }
    GameState& state() { return m_state; }
    const GameState& state() const { return m_state; }
    StepSoundPicker& stepSounds() { return m_stepSounds; }

    // Starting a game. Either call prepares the next game; it begins when the game
    // screen shows (begin).

    /// Makes a new maze of a level (1..6): from the stream's state of a maze number, or
    /// else from a stream seeded by the clock, as Enter does. The maze keeps the state it
    /// was made from, so it has a number. `breathe` runs between tool placements, so the
    /// window system keeps painting while the maze is made.
    void newMaze(int level, std::optional<std::uint32_t> state,
                 const std::function<void()>& breathe = {});
    /// Readies the next game to be a saved game of a level: the stream is seeded from the
    /// clock (the game's later draws must not repeat) and the maze takes the level's size
    /// until the saved game is taken.
    void prepareSavedGame(int level);
    /// Takes a saved game as the saved-game reader decoded it: its maze, counters and
    /// tools; the clock counts on from its playing time (never from before the epoch).
    /// The run recorded so far comes with it, when it was kept and is of that maze.
    void resume(const SavedGame& record, const RunRecord* recorded = nullptr);

    /// Everything the rules of this game received so far (see run.h), with the
    /// player's name and the theme the screen gave it.
    const RunRecord& run() const { return m_run; }
    void nameRun(std::string player, std::string theme);

    /// Starts play when the game screen shows: a new game (state().newGame) gets its
    /// starting values, a loaded one keeps the values read from its file. Posts the
    /// start message, starts the clock, composes the view and lets the start cell act.
    void begin();
    /// The game screen was hidden: the clocks stop and input is ignored from now on.
    void end();
    /// The program ends without asking the player (the desktop asked it to): the game
    /// is over where it stands, unsaved, and ends.
    void abandon();
    /// True between begin() and end() while the game is not over.
    bool playing() const { return m_active && !m_state.gameOver; }

    // The player's actions.
    void turnLeft();
    void turnRight();
    void stepForward();
    /// One step backwards without turning.
    void stepBack();
    /// Uses the battery lying in the player's cell, while the Use button is enabled.
    void useBattery();
    /// Key R: starts running forward until a wall stops it.
    void startRunning();
    /// Keys Y, L, C, J, D (either case): a sound and a remark; other keys do nothing.
    void playFunKey(char key);
    /// The quit question and the save offer; true when the game screen may close.
    bool askToQuit();

    // Timers.
    void runTick();
    void clockTick();

    /// Composes the view; standing on the exit facing it starts the win.
    void redrawView();
    /// What the player's cell does on entering it (or on standing in it as a game
    /// begins): a hint of the exit or wall map beside or behind, then its trap springs,
    /// its box opens or its tool is taken.
    void enterCell();

    /// Darkness of the view, 0..175 levels off each colour, for the battery state.
    int darkness() const;
    static int darkness(int batteryLevel, int batterySteps, int batteryRate);

    bool running() const { return m_running; }
    /// True while the one-second game clock ticks (from begin to the win, the cap or end).
    bool clockRunning() const { return m_clockOn; }
    bool useEnabled() const { return m_useEnabled; }
    /// The clock text last shown, as recorded with a best time.
    const std::string& clockText() const { return m_clockText; }

  private:
    GameHost& m_ownHost;
    const Clock& m_ownClock;
    GameRecords* m_ownRecords;
    GameHost* m_host;
    GameRecords* m_records;
    const Clock* m_clock;
    Random& m_rng;
    Maze m_maze;
    GameState m_state;
    StepSoundPicker m_stepSounds;
    bool m_active = false;  ///< the game screen shows this game
    bool m_ending = false;  ///< an end sequence or the quit question is under way
    bool m_running = false; ///< the run timer is meant to tick
    bool m_useEnabled = false;
    bool m_clockOn = false; ///< the game clock ticks
    double m_lastTick = 0;  ///< the game clock's time at its last tick (days since the start)
    std::string m_clockText = "0 days, 00:00:00";

    RunRecord m_run;
    std::size_t m_sittings = 1; ///< of the run: its first and each saved game taken up
    std::uint32_t m_resumeSeed = 0; ///< the stream's seeding for the saved game to come
    /// The clock read once for the action under way (see Moment); none between actions.
    std::optional<double> m_moment;

    class Moment;
    /// The game clock's time: the action's own reading while one is under way.
    double now() const;

    bool acceptsInput() const { return m_active && !m_ending && !m_state.gameOver; }
    /// Appends an action to the run, with the game clock's time, after a clock tick that
    /// is due; its index.
    std::size_t record(RunAction action, std::uint32_t value = 0);
    std::size_t append(RunAction action, std::uint32_t value);
    void recordOutcome(RunResult result);
    void tickClock();
    void stopClock();
    void useBatteryHere();
    void moveTo(int row, int col, Sound step);
    void afterTurn();
    void hintAtExitOrMap();
    void lookAhead();
    void eatOneStep();
    void drainBattery();
    void countStep();
    void ageIndicator();
    void loseGame();
    void winGame();
    void stopRunning();
    void post(MessageKey key, Colour colour, MessageLevel level);
    void resetForNewGame();
    void showLoadedTools();

    // What a cell does (enterCell).
    /// The trap, box or tool of the player's cell; false when it ended the game.
    bool actOnCell();
    /// A find's sound (cutting in) and its message, which lights the indicator.
    void announce(Sound sound, MessageKey key,
                  Colour colour = Colour::white);
    /// Leaves an opened, empty box in the player's cell.
    void emptyBoxHere();
    void setUseEnabled(bool enabled);
    void springGemTrap();
    /// False when the food it takes starves the player.
    bool springFoodTrap();
    void takeGem(CellCode code);
    void takeTool(CellCode code);
    void takeCompass();
    /// A battery box: Use takes it, at once when the battery is empty.
    void findBattery();
    void eatFood();
};

} // namespace quorvel
