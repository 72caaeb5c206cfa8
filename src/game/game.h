#pragma once
// The rules of a game in progress: turning, walking and running, what a cell does
// to the player, food and light, and the two ways a game ends. Everything the rules
// ask of the screen goes through the GameHost, in the order the game depends on.
//
// The game screen forwards its buttons, keys and timers here; after the screen has
// closed, or while a game is ending, nothing moves the player any more.

#include <string>

#include "maze.h"
#include "state.h"
#include "stepsound.h"

namespace quorvel {

class Clock;
class GameHost;
class Random;
enum class Colour : unsigned;

class Game {
  public:
    Game(GameHost& host, Random& rng, const Clock& clock)
        : m_host(host), m_rng(rng), m_clock(clock) {}

    Maze& maze() { return m_maze; }
    const Maze& maze() const { return m_maze; }
    GameState& state() { return m_state; }
    const GameState& state() const { return m_state; }
    StepSoundPicker& stepsounds() { return m_stepsounds; }

    /// Starts play when the game screen shows: a new game (state().newgame) gets its
    /// starting values, a loaded one keeps the values read from its file. Posts the
    /// start message, starts the clock, composes the view and lets the start cell act.
    void begin();
    /// The game screen was hidden: the clocks stop and input is ignored from now on.
    void end();
    /// True between begin() and end() while the game is not over.
    bool playing() const { return m_active && !m_state.gameover; }

    // The player's actions.
    void btnturnleftClick();
    void btnturnrightClick();
    void btnmoveClick();
    /// One step backwards without turning.
    void btnturnbackClick();
    /// Uses the battery lying in the player's cell, while the Use button is enabled.
    void btnuseClick();
    /// Key R: starts running forward until a wall stops it.
    void startrun();
    /// Keys Y, L, C, J, D (either case): a sound and a remark; other keys do nothing.
    void funkey(char key);
    /// The quit question and the save offer; true when the game screen may close.
    bool FormCloseQuery();

    // Timers.
    void RunTimerTimer();
    void GameTimerTimer();

    /// Composes the view; standing on the exit facing it starts the win.
    void drawview();
    /// Hints, boxes and traps of the player's cell.
    void checkcell();

    /// Darkness of the view, 0..175 levels off each colour, for the battery state.
    int darkness() const;
    static int darkness(int batterylevel, int batterysteps, int batteryrate);

    bool running() const { return m_running; }
    bool useenabled() const { return m_useenabled; }
    /// The clock text last shown, as recorded with a best time.
    const std::string& clocktext() const { return m_clocktext; }

  private:
    GameHost& m_host;
    Random& m_rng;
    const Clock& m_clock;
    Maze m_maze;
    GameState m_state;
    StepSoundPicker m_stepsounds;
    bool m_active = false;  ///< the game screen shows this game
    bool m_ending = false;  ///< an end sequence or the quit question is under way
    bool m_running = false; ///< the run timer is meant to tick
    bool m_useenabled = false;
    std::string m_clocktext = "0 days, 00:00:00";

    bool acceptsinput() const { return m_active && !m_ending && !m_state.gameover; }
    void moveto(int row, int col, const std::string& action, const std::string& step);
    void turned();
    void checkhint();
    void checkahead();
    void foodstep();
    void batterydrain();
    void stepplus();
    void ageindicator();
    void losegame();
    void winsequence();
    void stoprunning();
    void post(int key, Colour colour, int level);
    void newgamevalues();
    void showloadedtools();
    void taketool(CellCode code);
};

} // namespace quorvel
