#pragma once
// The game screen: the first-person view with its side arrows and compass, the move
// and turn buttons, the item panel with its counters and tool pictures, the message
// panel and indicator, the clock and the step counter. Buttons, keys and timers run
// the rules of the game; the rules ask for pictures, messages, sounds and the end
// screen through the host interface this screen implements.

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "game/game.h"
#include "game/host.h"
#include "screens/keybindings.h"
#include "view/viewscan.h"

class QLabel;
class QPushButton;
class QTimer;
class QFrame;
class QGroupBox;

namespace quorvel {

class MessagePanel;
class MapWindow;
class RunWatch;
class EndScreen;
struct GameStatsSource;
class ViewComposer;
struct Session;

class GameScreen : public QWidget, public GameHost {
    Q_OBJECT
  public:
    explicit GameScreen(Session& session, QWidget* parent = nullptr);
    ~GameScreen() override;

    /// Loads the fonts the screen's text and arrows come from, so that the first game's
    /// showing does not wait for them; the program calls it once the opening screen is
    /// up. Makes no window.
    static void prepareFonts();

    Game& game() { return m_game; }
    const Game& game() const { return m_game; }
    ViewComposer& composer() { return *m_composer; }

    /// The windows this screen works with; set once at start-up.
    void setWindows(QWidget* openingScreen, MapWindow* mapWindow, EndScreen* endScreen);
    /// The end screen made by `endScreen` when a game first ends.
    void setEndScreenSource(std::function<EndScreen*()> endScreen);

    // Watching a run (runwatch.h): the rules play through the watch's host and clock;
    // showing and hiding begin and end no game, store no place and show no other window;
    // the keys go to the watch and the buttons of play do nothing.

    /// Enters watching for watch, the words naming player; before the screen shows.
    void startWatching(RunWatch& watch, std::string player);
    /// Leaves watching, once the screen has hidden.
    void stopWatching();
    RunWatch* watch() const { return m_watch; }
    /// What showing does before play begins: pictures, name, messages, words. A watch
    /// calls it again for each later sitting of a run (a saved game taken up).
    void prepareSitting();

    // GameHost
    void drawMaze() override;
    void drawWallMap() override;
    void finishView(int darkness) override;
    void drawCompass(int heading) override;
    void showCompass() override;
    void showTool(Tool tool) override;
    void setUseEnabled(bool enabled) override;
    void showCounters() override;
    void updateMapTools(bool inView, bool detector, bool beacon) override;
    void updateMapPosition(int row, int col, bool gps, bool tracker) override;
    void countRemaining() override;
    bool postGameMessage(MessageKey key, Colour colour, MessageLevel level) override;
    bool showGameMessage(const std::string& text, Colour colour, MessageLevel level) override;
    std::string randomMessage(int chance) override;
    void hideIndicator() override;
    void playSound(Sound sound, Sound plain, SoundMode mode) override;
    void serviceEvents() override;
    void setRunTimer(bool enabled) override;
    void setGameTimer(bool enabled) override;
    void showClock(const std::string& text) override;
    Answer showEndScreen(const EndScreenSetup& screen) override;
    bool confirmQuit() override;
    void closeGameScreen() override;

    /// How long a released arrow waits for the press of its key repeat, in milliseconds.
    static constexpr int arrowRepeatWait = 50;

    /// The picture of the view, whose first paint times a game's start.
    QWidget* viewWidget() const;
    /// What the Quit Maze button does, when it is enabled.
    void pressQuit();
    /// Closes the screen without a question as the program ends: a game under way is
    /// left unsaved, a watch stops.
    void leaveGame();

    void toggleSounds();
    void toggleMusic();
    /// Switches the step cues on or off for this player (kept in the settings file at
    /// once); switched on, they tell at once what lies around the player.
    void toggleCues();
    void showMapWindow();

    // Spoken play (keys V, I, H, T and A).
    /// Switches spoken play on or off for the player (V).
    void switchSpeech();
    /// Says food, battery, gems, steps and time (I).
    void sayCounters();
    /// Says the compass heading, when the compass is held (H).
    void sayHeading();
    /// Says what the G.P.S., the beacon and the detector held tell (T).
    void sayTools();
    /// Says again what lies ahead and beside (A).
    void sayAhead();
    /// Says the message panel's lines again, newest first (G).
    void sayMessages();

    /// Does what a key of the game screen does: walks, turns, uses, switches, says.
    void doAction(KeyAction action);
    /// The key in force for an action (the [Keys] section may move it), as a Qt::Key.
    int keyOf(KeyAction action) const { return m_keys.key(action); }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

    /// The statistics of a game just ended read what the screen shows.
    friend GameStatsSource gameStatsSource(const GameScreen& game, const std::string& level,
                                           const MapWindow& map);

  signals:
    /// The theme's story was asked for (keys / and ?).
    void storyWanted();

  private:
    // Controls, by their names (tests and screen readers find them by those).
    QLabel* viewPicture;
    QFrame* namePanel;
    QLabel* nameLabel;
    QLabel* sideBackdrop;
    QLabel* leftOpening;
    QLabel* rightOpening;
    QLabel* compassPicture;
    QPushButton* forwardButton;
    QPushButton* turnLeftButton;
    QPushButton* useButton;
    QPushButton* turnRightButton;
    QPushButton* backButton;
    QPushButton* soundsButton;
    QPushButton* musicButton;
    QLabel* soundsState;
    QLabel* musicState;
    QPushButton* quitButton;
    QFrame* itemPanel;
    QGroupBox* itemBox;
    QLabel* foodPicture;
    QLabel* gemPicture;
    QLabel* batteryPicture;
    QLabel* compassToolPicture;
    QLabel* detectorPicture;
    QLabel* beaconPicture;
    QLabel* gpsPicture;
    QLabel* trackerPicture;
    QLabel* foodCount;
    QLabel* gemCount;
    QLabel* batteryCount;
    QLabel* mazeNumberLine; ///< the maze's number under the tools, to share it
    QFrame* clockPanel;
    QLabel* clockLabel;
    QLabel* stepCounter;
    MessagePanel* messagePanel;
    QTimer* clockTimer;
    QTimer* runTimer;
    /// The keyboard's focus: two unseen objects over the view that take it in turn, each
    /// named with the words of an action, for screen readers to speak.
    std::array<QWidget*, 2> readerFocus;


    Session& m_session;
    Game m_game;
    std::unique_ptr<ViewComposer> m_composer;
    ViewPlan m_plan;
    QWidget* m_opening = nullptr;
    MapWindow* m_map = nullptr;
    std::function<EndScreen*()> m_endScreen;
    bool m_positionKnown = false;
    QPoint m_lastPosition{-1, -1};
    bool m_mapWasVisible = false;
    bool m_placed = false; ///< shown once: later showings start where the last one was
    QTimer* m_arrowWait;
    RunWatch* m_watch = nullptr;
    std::string m_watchedPlayer; ///< the player of the run watched, whose name the words use
    int m_waitingArrow = 0;      ///< a released walking key waiting to act; 0 when none
    quint64 m_waitingSince = 0;  ///< the display's time of that release
    quint32 m_waitingCode = 0;   ///< its key's native scan code
    KeyBindings m_keys;          ///< the keys in force, read at each game's start
    int m_runFrom = 0;            ///< the step count where the run under way began
    std::string m_spokenInstead;  ///< what spoken play says for the line being posted
    int m_cueRow = -1; ///< the player's cell at the last frame; -1 before a game's first
    int m_cueCol = -1;

    void build();
    /// The player the screen speaks of: the watched run's, else the session's.
    const std::string& shownPlayer() const;
    /// Runs one action of the player; what it says is said as one when it ends.
    void act(const std::function<void()>& action);
    void runAction(KeyAction action);
    void describeForReaders();
    void describeKeys();
    void makeReaderFocus();
    /// Hands the words of an action to screen readers: the focus moves to an object they name.
    void tellReader(const std::string& words);
    void nameToolPictures();
    void describeViewAhead();
    void onShown();
    void onHidden();
    void loadViewImages();
    void showSides();
    void cueAfterStep();
    void playCueHere();
    void showCompassPicture();
    void showMazeNumber();
    void restorePosition();
    void savePosition();
    QLabel* toolPicture(Tool tool) const;
    bool isWalkingKey(const QKeyEvent* event) const;
    bool isRepeatPress(const QKeyEvent* event);
    void arrowWaitOver();
    void actOnArrow();
};

} // namespace quorvel
