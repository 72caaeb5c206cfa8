#pragma once
// What the rules of the game ask of the screen. The game screen implements it with
// real widgets; tests implement it with a recording fake. The rules make these calls
// in the order the game's behaviour depends on, so that order is tested.

#include <string>

#include "game/message.h"
#include "game/run.h"
#include "game/soundmode.h"
#include "game/sounds.h"

namespace quorvel {

/// The five tools, in the order of the item panel.
enum class Tool { compass, detector, beacon, gps, tracker };

/// The three uses of the end screen.
enum class EndKind { lose, win, quit };

/// What the end screen shows; the screen fills the text of messageKey for the player.
struct EndScreenSetup {
    EndKind kind = EndKind::lose;
    std::string caption;             ///< "You Lose", "Winner!", "Winner! (New Best Time)", "Save?"
    MessageKey messageKey = msgLose; ///< msgLose, msgWin or msgQuit
    std::string secondLine;          ///< the second line (the save question), or empty
    int rank = 0;                    ///< the best-times rank of a win, for the statistics screen
    Sound sound = Sound::none;       ///< played when the screen shows
    std::string mazeNumber;          ///< the maze's number "L-S" for sharing it; empty when unknown
};

/// Answers of the end screen and of questions.
enum class Answer { close, yes, no };

/// A best time handed to the best-times file; the host adds the player's name and
/// the map window's two per-code tallies.
struct BestTimeEntry {
    int level = 1;
    double elapsed = 0;
    int gemScore = 0;
    std::string timeText; ///< the clock text shown on the game screen
    int stepCount = 0;
    int foodLevel = 0;
    int batteryLevel = 0;
};

/// A game won or lost, as it is kept before its end screen shows.
struct GameEnding {
    const RunRecord* run = nullptr; ///< the game's run, its outcome recorded
    bool won = false;
    BestTimeEntry best;         ///< a won game's result
    bool savedGameGoes = false; ///< a won game taken up from a saved game: the save goes
};

// The screen's jobs, split by kind: what is drawn and shown (GameView), what is heard
// (GameSounds), what is asked of the player (GameQuestions). The game screen does all
// three as one GameHost; what a game leaves on disk goes to GameRecords, which is not
// the screen's job.

class GameView {
  public:
    virtual ~GameView() = default;

    // The view. drawMaze runs the view scan and paints the strips or exit pictures;
    // standing on the exit facing it, it paints the ending picture at full light and
    // shows it at once (the rules then start the win).
    virtual void drawMaze() = 0;
    /// Lays the wall-map picture over the view being composed.
    virtual void drawWallMap() = 0;
    /// Boxes, darkening by `darkness` levels, the copy to the screen, the side arrows.
    virtual void finishView(int darkness) = 0;
    /// Lays compass heading 0..3 over the compass indicator.
    virtual void drawCompass(int heading) = 0;
    virtual void showCompass() = 0;
    /// The tool's picture and hint in the item panel.
    virtual void showTool(Tool tool) = 0;
    /// Enables the Use button with the battery hint, or disables it and clears its hint.
    virtual void setUseEnabled(bool enabled) = 0;
    /// Refreshes the food, gem, battery and step counters from the game state.
    virtual void showCounters() = 0;

    // The map window.
    virtual void updateMapTools(bool inView, bool detector, bool beacon) = 0;
    virtual void updateMapPosition(int row, int col, bool gps, bool tracker) = 0;
    virtual void countRemaining() = 0;

    // Messages. postGameMessage fills the key's text for the player and shows it;
    // both return false when the text was empty and nothing was shown. The rules keep
    // the indicator's age; the panel lights the indicator for levels 1 and 2.
    // randomMessage draws on the shared stream and returns a remark or an empty text.
    virtual bool postGameMessage(MessageKey key, Colour colour, MessageLevel level) = 0;
    virtual bool showGameMessage(const std::string& text, Colour colour, MessageLevel level) = 0;
    virtual std::string randomMessage(int chance) = 0;
    virtual void hideIndicator() = 0;

    /// Lets pending window events run (the run message shows before the run sound).
    virtual void serviceEvents() = 0;
    /// Starts or stops the 200-millisecond run timer that calls Game::runTick.
    virtual void setRunTimer(bool enabled) = 0;
    /// Starts or stops the one-second game clock that calls Game::clockTick.
    virtual void setGameTimer(bool enabled) = 0;
    virtual void showClock(const std::string& text) = 0;
    /// Closes the game screen (no quit question: the game is over).
    virtual void closeGameScreen() = 0;
};

class GameSounds {
  public:
    virtual ~GameSounds() = default;
    /// Plays a sound of the current theme in a mode. A random remark standing in for a
    /// step or a turn names that plain sound, and falls back as the plain one would.
    virtual void playSound(Sound sound, Sound plain, SoundMode mode) = 0;
    void playSound(Sound sound, SoundMode mode) { playSound(sound, Sound::none, mode); }
};

class GameQuestions {
  public:
    virtual ~GameQuestions() = default;
    /// Shows the end screen modally and returns its answer.
    virtual Answer showEndScreen(const EndScreenSetup& screen) = 0;
    /// The Yes/No question of quitting; true for Yes.
    virtual bool confirmQuit() = 0;
};

/// Everything the rules ask of the screen.
class GameHost : public GameView, public GameSounds, public GameQuestions {};

/// What a game leaves on disk: the end of a game won or lost, and its saved game.
class GameRecords {
  public:
    virtual ~GameRecords() = default;
    /// Keeps the end of a won or lost game as one, before its end screen shows: a win's
    /// best time, the run, and the saved game a win was taken up from goes. A win's rank
    /// 1..3, 0 when not among the best three (and for a loss), -1 when the best times
    /// could not be written (the saved game then stays).
    virtual int keepEnd(const GameEnding& ending) = 0;
    /// Saves the game in the player's slot (the save offer was accepted); false when it
    /// could not be saved, so the game goes on rather than being thrown away.
    virtual bool saveGame() = 0;
};

/// Records nothing: a game without a player's files (rank 0, nothing saved).
class NoRecords : public GameRecords {
  public:
    int keepEnd(const GameEnding&) override { return 0; }
    bool saveGame() override { return false; }
};

} // namespace quorvel
