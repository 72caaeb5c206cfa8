#pragma once
// The program's windows besides the opening screen. Each is made when it is first
// needed and then kept for the whole run, wired to the others as the program wires
// them: the game screen and its map window at the first game, the end screen when a
// game first ends, the statistics, best times, instructions, story and about box when
// first opened. The opening screen is the only window made at start-up.

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace quorvel {

class AboutBox;
class BestTimesScreen;
class EndScreen;
class GameScreen;
class GameSession;
class HelpWindow;
class MapWindow;
class OpeningScreen;
class RunWatch;
class StatisticsScreen;
struct RunRecord;
class StoryWindow;
struct Session;

class ProgramWindows {
  public:
    /// Connects the opening screen's hooks to windows made on first use.
    ProgramWindows(Session& session, OpeningScreen& openingScreen);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    /// The game screen, made with its map window and the game's use cases.
    GameScreen& gameScreen();
    MapWindow& mapWindow();
    GameSession& gameSession();
    EndScreen& endScreen();
    StatisticsScreen& statistics();
    BestTimesScreen& bestTimes();
    HelpWindow& help();
    StoryWindow& story();
    AboutBox& about();

    /// Makes the game screen and its map window ahead of the first game, laid out and
    /// drawn once off the screen, so that Enter only has to make the maze and show them.
    /// Made already, they are left as they are.
    void prepareGame();

    /// Whether a window has been made yet (false until first use).
    bool gameScreenMade() const { return m_game != nullptr; }
    bool storyMade() const { return m_story != nullptr; }

    /// A new game's story: shows the theme's story over the game. A theme without one
    /// needs no window; the story window made later starts as if it had been asked.
    void startStory(const std::string& theme);

    /// Watches a run on the game screen and its map window; the opening screen makes way
    /// and shows again when the watch ends. False, with a message, while a game is on.
    bool watchRun(const RunRecord& run);
    /// The same for a run file; a file that cannot be read is named in an error dialog.
    bool watchRunFile(const std::string& path);
    /// The last watch, kept until the next one (null before the first).
    RunWatch* lastWatch() { return m_watch.get(); }

    /// Called with each window just after it is made and wired, before its first use
    /// (the map window after the game screen); for tests that watch the windows.
    std::function<void(QWidget& window)> windowMade;

  private:
    Session& m_session;
    OpeningScreen& m_opening;
    std::unique_ptr<GameScreen> m_game;
    std::unique_ptr<MapWindow> m_map;
    std::unique_ptr<GameSession> m_play;
    std::unique_ptr<EndScreen> m_end;
    std::unique_ptr<StatisticsScreen> m_stats;
    std::unique_ptr<BestTimesScreen> m_bestTimes;
    std::unique_ptr<HelpWindow> m_help;
    std::unique_ptr<StoryWindow> m_story;
    std::unique_ptr<AboutBox> m_about;
    std::unique_ptr<RunWatch> m_watch; ///< after the game's windows: it ends before them
    /// What the story window's start flag would be had it been made at start-up.
    bool m_startStory = true;

    void showGameStats(int rank);
    void showBestTimes();
    void made(QWidget& window);
};

} // namespace quorvel
