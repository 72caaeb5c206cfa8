#pragma once
// Watching a run (game/run.h) on the game screen and the map window: the rules receive
// the recorded actions and clock ticks at their recorded times, as they were played, in
// the theme the run names (the built-in one when that theme is not there) and with the
// words its player saw. A watch plays at 1x, 2x or 4x, pauses, and goes on one event at
// a time; at the end a message says whether the run reached its recorded result.
//
// A watch writes nothing: no best time, saved game, kept run or setting (the screens
// skip their own writes while watching), and only its keys act: Space pauses and goes
// on, Right plays one event while paused, 1, 2 and 4 set the speed, Esc stops.

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "game/clock.h"
#include "game/run.h"
#include "game/runplayer.h"

class QKeyEvent;
class QLabel;
class QTimer;

namespace quorvel {

class GameScreen;
class MapWindow;
struct Session;

class RunWatch : public QObject {
    Q_OBJECT
  public:
    /// A watch of run on screen and map (which may be null); start() begins it.
    RunWatch(Session& session, GameScreen& screen, MapWindow* map, RunRecord run);
    ~RunWatch() override;

    /// Makes the maze, shows the game screen and the map and starts playing. False, with
    /// nothing shown, while the game screen shows a game.
    bool start();
    /// Ends the watch at once, without a word: the screen hides and ended() follows.
    void stop();

    bool watching() const { return m_watching; }
    bool paused() const { return m_paused; }
    void setPaused(bool paused);
    /// Plays the next event (while paused).
    void stepOnce();
    /// 1, 2 or 4 times the pace the run was played at.
    int speed() const { return m_speed; }
    void setSpeed(int speed);
    /// A further factor on the pace, for tests that cannot wait for a whole game.
    void setPace(double factor);
    /// The events played so far.
    std::size_t played() const;
    /// The end message, once the run was played to its end (empty when stopped).
    const std::string& verdict() const { return m_verdict; }

    /// A key pressed on the game screen while watching; false when it is no key of a watch.
    bool watchKey(const QKeyEvent& event);
    /// The game screen's title while watching: who played and the speed or pause.
    QString title() const;
    /// The keys of the watch, one a line, as the game screen shows them while watching.
    QString keyHelp() const;


  signals:
    /// The watch has ended and the game screen is hidden.
    void ended();
  private:
    Session& m_session;
    GameScreen& m_screen;
    MapWindow* m_map;
    RunRecord m_run;
    ManualClock m_clock{0};
    ReplayHost m_host;
    std::unique_ptr<RunPlayer> m_player;
    QTimer* m_timer;
    QLabel* m_keyLine = nullptr; ///< the keys on the game screen, made at the first watch ever
    QElapsedTimer m_since; ///< the wall clock since m_from was the watch's time
    double m_from = 0;     ///< the watch's time, in days of the game clock
    int m_speed = 1;
    double m_pace = 1;
    bool m_watching = false;
    bool m_paused = false;
    int m_sittings = 0; ///< begin events played: a later one is a resumed saved game
    std::string m_ownTheme;
    std::string m_verdict;

    double rate() const { return m_speed * m_pace; }
    double watchTime() const;
    void rebase(double time);
    bool playOne();
    void playDue();
    void scheduleNext();
    void finish();
    void close();
    void showTitle();
};

} // namespace quorvel
