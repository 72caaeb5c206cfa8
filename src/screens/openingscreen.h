#pragma once
// The opening screen: who plays (asked for once per run), the skill level, the theme
// with its six-picture preview, one load button per saved game, and the ways on to the
// best times, the instructions, the about box and the intro tune. "Enter" generates a
// maze and opens the game screen; the game screen brings this screen back when it
// closes. Closing this screen ends the program.

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/levels.h"
#include "screens/keybindings.h"
#include "widgets/captionlabel.h"

class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quorvel {

class InputHold;
class WideComboBox;
class MapWindow;
class GameScreen;
class GameSession;
struct MazeNumber;
struct Session;

/// True when name holds a character a player's name may not have: blank, double
/// quote, * . / : < > ? \ or |. Characters outside 32..127 are allowed.
bool hasBadChar(const std::string& name);

class OpeningScreen : public QWidget {
    Q_OBJECT
  public:
    /// Creates the screen hidden; does the start-up work of the opening screen.
    explicit OpeningScreen(Session& session, QWidget* parent = nullptr);
    ~OpeningScreen() override;

    /// The windows a game opens and the game's use cases; set once at start-up.
    void setWindows(GameScreen* gameScreen, MapWindow* mapWindow, GameSession* play);
    /// The same, each made by its function when a game first needs it.
    void setWindowSources(std::function<GameScreen*()> gameScreen,
                          std::function<MapWindow*()> mapWindow,
                          std::function<GameSession*()> play);

    // Operations other windows and the tests use.
    void setupScreen();
    /// Starts the maze of a number at once, in place of this screen's first showing: for
    /// the player of switch U, else the last player (the name box asks only when there is
    /// none), in that player's theme, at the number's level. This screen shows when the
    /// game ends, or at once when no game could be opened.
    void playMazeNumber(const MazeNumber& number);
    /// Makes way for a run being watched: hides without storing the player's level and
    /// theme (a watch changes no settings), and shows again as it was, its setup not run
    /// again.
    void stepAside();
    /// Asks for a name until a good one is typed or the name box is cancelled (which
    /// takes the name offered); why, when given, says above the prompt why a name
    /// was refused.
    void askPlayerName(std::string why = {});
    void preview();
    void showLoadButtons();
    /// The level 1..6 of the selected radio button.
    int selectedLevel() const;
    /// Selects a level's radio button and runs its click handler.
    void selectLevel(int level);
    /// The caption of the selected level as the level buttons show it ("&" marks the key).
    QString levelCaption() const;

    // Handlers.
    void chooseLevel(int level);
    void loadSavedGame(int level);
    void startGame();
    void leaveGame();
    void changePlayer();
    void chooseTheme();
    void toggleIntro();
    void openBestTimes();
    void openInstructions();
    void openAbout();
    /// Switches spoken play on or off for the player (V); on, the screen is said.
    void switchSpeech();
    /// The screen in words, as spoken play says it when the screen shows: the player,
    /// the level, the theme, the saved games and the keys.
    std::string spokenWords() const;

    // Controls, by their names.
    QLabel* playerLabel;
    CaptionLabel* levelLabel; ///< the selected level's caption, its key letter underlined
    QLabel* themeCaption;
    WideComboBox* themeBox;
    std::array<QLabel*, 6> previews{};           ///< Image2..Image7
    std::array<QLabel*, 6> builtins{};           ///< Image8..Image13, hidden
    std::array<QRadioButton*, levelCount> levelButtons{}; ///< btnlevel1..btnlevel6
    std::array<QPushButton*, levelCount> loadButtons{};   ///< btnld1..btnld6
    QPushButton* enterButton;                    ///< "Enter"
    QPushButton* exitButton;
    QPushButton* changePlayerButton;
    QPushButton* instructionsButton;
    QPushButton* bestTimesButton;
    QPushButton* aboutButton; ///< "&About..."
    QPushButton* introButton;
    QLabel* titlePicture;
    QFrame* previewFrame = nullptr; ///< the frame of the preview, which screen readers read for it

  signals:
    /// The best-times table is to be read again (each showing, and a maze number's game).
    void bestTimesNeeded();
    /// The best-times screen was asked for; it shows modally.
    void bestTimesWanted();
    void instructionsWanted();
    /// The about box was asked for, with the credits of theme; it shows modally.
    void aboutWanted(const std::string& theme);
    /// A new game of theme has opened: its story shows over it.
    void storyWanted(const std::string& theme);
    /// This screen has closed: the program ends.
    void programEnding();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Session& m_session;
    std::function<GameScreen*()> m_gameScreen;
    std::function<MapWindow*()> m_mapWindow;
    std::function<GameSession*()> m_play;
    QButtonGroup* m_levels;
    bool m_generating = false; ///< a maze is being made; input waits, closing is refused
    /// A showing's setup is queued and has not run yet; until it has, no game starts.
    bool m_setupPending = false;
    bool m_placed = false;       ///< centred at the first showing
    bool m_steppedAside = false; ///< hidden for a watch: the next showing finds it as it was
    InputHold* m_inputHold;      ///< drops input from a game's start until this shows again
    KeyBindings m_keys;          ///< the keys in force: spoken play's is V unless moved

    void build();
    void buildHeader();
    void buildColumns();
    void buildButtons();
    void onShown();
    void onHidden();
    void onClosed();
    bool handleKey(QKeyEvent* event);
    void applySettings();
    void listThemesInBox();
    void identifyPlayer(bool askAlways);
    void startNewGame(std::optional<std::uint32_t> state);
    void startSavedGame(int level);
    void startSavedGameHeld(int level);
    void themeReset();
    void openGame();
    void setLevelLabel();
    std::string spokenLevel() const;
    GameScreen* gameScreen() const { return m_gameScreen ? m_gameScreen() : nullptr; }
    MapWindow* mapWindow() const { return m_mapWindow ? m_mapWindow() : nullptr; }
    GameSession* play() const { return m_play ? m_play() : nullptr; }
    void selectTheme(int index);
};

} // namespace quorvel
