#include "soak.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTimerEvent>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <sstream>
#include <thread>

#include "../screens/gamescreenparts.h"
#include "app/commandline.h"
#include "app/program.h"
#include "app/programwindows.h"
#include "diskcheck.h"
#include "files/programfolder.h"
#include "files/savedgamefiles.h"
#include "game/mazenumber.h"
#include "game/runplayer.h"
#include "game/savefile.h"
#include "hostilefiles.h"
#include "play/savedgames.h"
#include "play/session.h"
#include "screens/aboutbox.h"
#include "screens/besttimesscreen.h"
#include "screens/endscreen.h"
#include "screens/gamescreen.h"
#include "screens/helpwindow.h"
#include "screens/mapwindow.h"
#include "screens/openingscreen.h"
#include "screens/runwatch.h"
#include "screens/statisticsscreen.h"
#include "screens/storywindow.h"
#include "sound/audio.h"
#include "support/recordingspeaker.h"
#include "support/shortestway.h"
#include "support/testfolder.h"
#include "widgets/messagedialog.h"
#include "widgets/widecombobox.h"

namespace quorvel::soak {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t logLength = 50;      ///< actions shown when a run fails
constexpr int modalPatience = 300;         ///< actions a modal window may stay unanswered
constexpr int windDownLimit = 3000;        ///< actions allowed to bring the program to its end
constexpr int timerIntervalMs = 86400000;  ///< the game's timers tick only when the soak says
constexpr double secondDays = 1.0 / 86400; ///< one second of the game clock

// ---- the last actions, shared with the watchdog ----------------------------------------

class ActionLog {
  public:
    void add(std::string line) {
        const std::lock_guard lock(m_mutex);
        m_lines.push_back(std::move(line));
        if (m_lines.size() > logLength) m_lines.pop_front();
    }
    std::string text() const {
        const std::lock_guard lock(m_mutex);
        std::string out;
        for (const std::string& line : m_lines)
            out += "  " + line + "\n";
        return out;
    }

  private:
    mutable std::mutex m_mutex;
    std::deque<std::string> m_lines;
};

// Fails the run from its own thread when an action has not finished in time: the
// user-interface thread is stuck, so nothing else could report it.
class Watchdog {
  public:
    Watchdog(const ActionLog& log, std::uint32_t seed, int seconds)
        : m_log(log), m_seed(seed), m_limit(std::chrono::seconds(seconds)) {
        beat();
        m_thread = std::thread([this] { watch(); });
    }
    ~Watchdog() {
        m_stop = true;
        m_thread.join();
    }
    void beat() { m_last = Clock::now().time_since_epoch().count(); }

  private:
    const ActionLog& m_log;
    std::uint32_t m_seed;
    std::chrono::nanoseconds m_limit;
    std::atomic<Clock::rep> m_last{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;

    void watch() {
        while (!m_stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const auto since = Clock::now() - Clock::time_point(Clock::duration(m_last.load()));
            if (since < m_limit) continue;
            std::fprintf(stderr,
                         "\nSOAK FAILED: an action has not finished after %lld seconds (a hang).\n"
                         "Seed %u (QUORVEL3D_SOAK_SEED=%u). The last actions, the hanging one "
                         "last:\n%s",
                         static_cast<long long>(
                             std::chrono::duration_cast<std::chrono::seconds>(since).count()),
                         m_seed, m_seed, m_log.text().c_str());
            std::fflush(stderr);
            std::_Exit(3);
        }
    }
};

// Qt's warnings, counted rather than printed a million times.
std::map<std::string, long long>* g_messages = nullptr;
void countMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::abort();
    }
    if (!g_messages) return;
    const std::string key = text.left(120).toStdString();
    if (g_messages->size() < 200 || g_messages->count(key)) ++(*g_messages)[key];
}

std::uint64_t fnv(std::uint64_t h, std::string_view s) {
    for (const char c : s) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

// ---- finding the way ---------------------------------------------------------------------

// The arrow that takes the player one move along the shortest way to the exit (or to
// the nearest food box when hungry), or turns him to face out when he stands on the
// exit; 0 when there is no way.
int guidedArrow(const Maze& m, bool wantFood) {
    if (m.here() == cellExit) return m.facing == 4 ? Qt::Key_Left : Qt::Key_Right;
    const auto way = test::shortestWay(m, [wantFood](CellCode code) {
        return code == cellExit || (wantFood && code == cellFood);
    });
    if (way.empty()) return 0;
    const Step want{way[0].first - m.posRow, way[0].second - m.posCol};
    const Step ahead = aheadStep(m.facing);
    if (want.dr == ahead.dr && want.dc == ahead.dc) return Qt::Key_Up;
    if (want.dr == -ahead.dr && want.dc == -ahead.dc) return Qt::Key_Down;
    const Step right = aheadStep(rightOf(m.facing));
    return want.dr == right.dr && want.dc == right.dc ? Qt::Key_Right : Qt::Key_Left;
}

/// True when the exit can be reached from the player's cell inside the maze.
bool exitReachable(const Maze& m) {
    Maze copy = m;
    copy.facing = 1;
    return copy.here() == cellExit || guidedArrow(copy, false) != 0;
}

int countCode(const Maze& m, CellCode code) {
    return static_cast<int>(std::count(m.grid.begin(), m.grid.end(), code));
}

// ---- what the monkey may do ---------------------------------------------------------------

struct Choice {
    double weight;
    std::string text;
    std::function<void()> run;
};

/// How the monkey plays one game.
enum class Plan {
    seeker,   ///< walks the way out, eating when hungry
    wanderer, ///< presses anything
    starver,  ///< walks on and on, round every food box, until the food runs out
    quitter,  ///< soon quits, and mostly saves
};

// The arrow of a walk that goes on and never opens a food box: ahead while it can,
// otherwise a turn; 0 when the cell ahead is the exit (the walk is not for winning).
int starvingArrow(const Maze& m, bool turnRight) {
    const CellCode ahead = m.ahead();
    if (!isWall(ahead) && ahead != cellFood && ahead != cellExit) return Qt::Key_Up;
    return turnRight ? Qt::Key_Right : Qt::Key_Left;
}

// The names the monkey types into the name box: mostly a few players, so their saved
// games pile up, and now and then one the game must refuse.
const std::vector<std::pair<const char*, int>>& typedNames() {
    static const std::vector<std::pair<const char*, int>> names = {
        {"Ann", 30},
        {"Bob", 20},
        {"Zo\xc3\xab", 15},
        {"Friend", 5},
        {"\xe6\x9d\x8e", 3},
        {"O'Neil", 3},
        {"abcdefghijkl", 2},
        {"abcdefghijklm", 2},
        {"Mr.Jones", 2},
        {"a b", 2},
        {"", 2},
        {"   ", 1},
        {"a=b", 1},
        {"[x", 1},
        {";x", 1},
        {"ann", 2},
        {"\xf0\x9f\x99\x82\xf0\x9f\x99\x82", 2},
        {"R2/D2", 1},
        {"Jean-Luc", 2}};
    return names;
}

// The command lines a run is started with.
const std::vector<std::pair<std::vector<std::string>, int>>& commandLines() {
    static const std::vector<std::pair<std::vector<std::string>, int>> lines = {
        {{}, 50},
        {{"-uAnn"}, 12},
        {{"/UBob"}, 10},
        {{"-uZo\xc3\xab"}, 6},
        {{"/UJohn%bSmith"}, 4},
        {{"-u=bad"}, 3},
        {{"/U"}, 3},
        {{"-u"}, 2},
        {{"/U" + std::string(230, 'x')}, 2},
        {{"-uAnn", "-uBob"}, 2}};
    return lines;
}

// ---- the soak -------------------------------------------------------------------------------

class Soak : public QObject {
  public:
    explicit Soak(const SoakOptions& options)
        : m_options(options), m_rng(options.seed), m_vandal(m_rng), m_disk(m_vandal),
          m_watchdog(m_log, options.seed, options.watchdogSeconds) {}

    SoakResult run();
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    SoakOptions m_options;
    test::TestFolder m_folder; // a fresh program folder for the whole soak
    std::mt19937 m_rng;
    ManualClock m_clock{46000.5};
    ActionLog m_log;
    Vandal m_vandal;
    DiskCheck m_disk;
    Watchdog m_watchdog;
    std::vector<std::string> m_themes;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Program> m_program;
    // The program's windows, each once it has been made.
    OpeningScreen* m_opening = nullptr;
    GameScreen* m_game = nullptr;
    MapWindow* m_map = nullptr;
    EndScreen* m_end = nullptr;
    HelpWindow* m_help = nullptr;
    QEventLoop m_loop;
    SoakResult m_result;
    std::map<std::string, long long> m_messages;
    std::map<std::string, long long> m_windowsMet; ///< modal windows by name and title
    std::vector<std::string> m_opened; ///< addresses the about box asked the browser for

    bool m_programEnded = false;
    bool m_startPending = false; ///< the program has ended; the next action starts it again
    bool m_windingDown = false;
    bool m_finished = false;
    int m_acting = 0; ///< actions running (nested in modal windows and event loops)
    int m_windDownSteps = 0;
    int m_bailSteps = 0;
    QPointer<QWidget> m_lastModal;
    long long m_lastModalShowing = 0;
    long long m_modalShowings = 0; ///< showings of the modal windows seen, counted by eventFilter
    int m_modalSteps = 0;
    double m_slowest = 0;
    std::string m_slowestAction;

    // The game on the screen.
    bool m_needBaseline = false;
    bool m_hasBaseline = false;
    bool m_tableLoaded = false;
    Plan m_plan = Plan::wanderer;
    struct Baseline {
        bool tainted = false;
        int food = 0, steps = 0, gems = 0, battery = 0;
        int foodBoxes = 0, foodTraps = 0, gem5 = 0, gem3 = 0, gem1 = 0;
        int lastSteps = 0;
    } m_base;
    Clock::time_point m_started, m_lastProgress;

    // Running.
    void startProgram(const std::vector<std::string>& switches,
                      const std::optional<MazeNumber>& maze);
    void windowMade(QWidget& window);
    void endProgram();
    void scheduleStep();
    void step();
    void fail(const std::string& problem);
    void bailOut();
    void finish();
    std::string snapshot() const;

    // Checking.
    std::string check();
    std::string checkWindows();
    std::string checkGame();
    std::string checkWatchVerdict(QWidget* modal);
    void takeBaseline();
    std::string checkLoadedGame(const std::string& path);

    // Choosing.
    double roll() { return std::uniform_real_distribution<double>(0, 1)(m_rng); }
    int below(int n) { return static_cast<int>(m_rng() % static_cast<unsigned>(n)); }
    template <typename T> const T& weighted(const std::vector<std::pair<T, int>>& items);
    Choice choose();
    Choice startChoice();
    Choice windDownChoice();
    void addGlobal(std::vector<Choice>& choices);
    void addOpening(std::vector<Choice>& choices, double share);
    void addGame(std::vector<Choice>& choices, double share);
    void addWatch(std::vector<Choice>& choices, double share);
    void addMap(std::vector<Choice>& choices, double share);
    void addHelp(std::vector<Choice>& choices, double share);
    void addModal(std::vector<Choice>& choices, QWidget* modal);
    void addPopup(std::vector<Choice>& choices, QWidget* popup);
    // Adds a window's choices to c: each weight times share / 10, each text after label.
    static auto adder(std::vector<Choice>& c, double share, std::string label) {
        return [&c, share, label](double w, std::string text, std::function<void()> run) {
            c.push_back({w * share / 10, label + std::move(text), std::move(run)});
        };
    }

    // Acting as a player.
    static QWidget* keyTarget(QWidget* window);
    static void key(QWidget* window, int key, Qt::KeyboardModifiers mods = Qt::NoModifier);
    static void typeChar(QWidget* window, char c);
    static void click(QWidget* widget);
    // A key or a character for a window that may be gone by the time it is pressed.
    static std::function<void()> keyIfThere(QPointer<QWidget> window, int key,
                                            Qt::KeyboardModifiers mods = Qt::NoModifier);
    static std::function<void()> charIfThere(QPointer<QWidget> window, char c);
    static void finishAnimatedClicks();
    void fireTimer(QTimer* timer);
    void verifyRunOfGame();
    double m_runTickAt = -1; ///< when the run timer last ticked; -1 since it started
    std::string randomName();
    GameScreen* gameScreen() const { return m_game; }
    static bool showing(const QWidget* window) { return window && window->isVisible(); }
};

template <typename T> const T& Soak::weighted(const std::vector<std::pair<T, int>>& items) {
    int total = 0;
    for (const auto& item : items)
        total += item.second;
    int pick = below(total);
    for (const auto& item : items) {
        if (pick < item.second) return item.first;
        pick -= item.second;
    }
    return items.back().first;
}

std::string Soak::randomName() {
    return weighted(typedNames());
}

// ---- running --------------------------------------------------------------------------------

SoakResult Soak::run() {
    g_messages = &m_messages;
    // As the program runs: only the opening screen's closing ends a run.
    QApplication::setQuitOnLastWindowClosed(false);
    const QtMessageHandler previous = qInstallMessageHandler(countMessage);
    m_themes = makeHostileThemes(m_rng);
    m_started = m_lastProgress = Clock::now();
    std::printf("soak: seed %u, %lld actions, program folder %s\n", m_options.seed,
                m_options.actions, programFolder().c_str());
    std::fflush(stdout);
    m_programEnded = true; // the first action starts the program
    scheduleStep();
    m_loop.exec();
    endProgram();
    if (m_result.failure.empty())
        if (const std::string problem = m_disk.check({}); !problem.empty()) fail(problem);
    qInstallMessageHandler(previous);
    g_messages = nullptr;

    // The program folder as the failure left it, for a look; else nothing is left behind
    // (a folder named in Latin-1 is more than QTemporaryDir can remove).
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!m_result.failure.empty()) {
        const std::string kept = "/tmp/quorvel3d-soak-" + std::to_string(m_options.seed) + "-" +
                                 std::to_string(m_result.actions);
        fs::remove_all(kept, ec);
        fs::rename(m_folder.home(), kept, ec);
        std::printf("soak: the program folder is kept in %s\n", kept.c_str());
    } else {
        fs::remove_all(m_folder.home(), ec);
    }

    m_result.passed = m_result.failure.empty();
    m_result.seconds = std::chrono::duration<double>(Clock::now() - m_started).count();
    m_result.saved = m_disk.savesWritten();
    std::printf("soak: the slowest action took %.0f ms: %s\n", m_slowest * 1000,
                m_slowestAction.c_str());
    std::printf("soak: modal windows met (showings, window):\n");
    for (const auto& [window, count] : m_windowsMet)
        std::printf("  %8lld  %s\n", count, window.c_str());
    if (!m_messages.empty()) {
        std::printf("soak: messages from Qt (count, text):\n");
        for (const auto& [text, count] : m_messages)
            std::printf("  %8lld  %s\n", count, text.c_str());
    }
    return m_result;
}

// The program as main makes it, started with a command line: its switches, and now and
// then a maze number to play at once.
void Soak::startProgram(const std::vector<std::string>& switches,
                        const std::optional<MazeNumber>& maze) {
    ++m_result.runs;
    m_startPending = false;
    m_programEnded = false;
    m_tableLoaded = false;
    readCommandLine(switches);
    m_session = std::make_unique<Session>();
    m_session->clock = &m_clock;
    m_session->rng.setSeedSource([this] { return static_cast<std::uint32_t>(m_rng()); });
    m_program = std::make_unique<Program>(*m_session);
    // V switches spoken play on now and then: it is heard by a recorder, never by the
    // machine's speech service.
    m_session->spoken.makeSpeaker = [] { return std::make_unique<test::RecordingSpeaker>(); };
    m_program->audio().setMaxWait(5); // sounds played to their end hold the soak up 5 ms at most
    m_program->windows().windowMade = [this](QWidget& window) { windowMade(window); };
    m_opening = &m_program->openingScreen();
    // The program does not quit: the soak starts it again.
    QObject::disconnect(m_opening, &OpeningScreen::programEnding, qApp, nullptr);
    QObject::connect(m_opening, &OpeningScreen::programEnding, [this] { m_programEnded = true; });
    // After the program's own reading of the table.
    QObject::connect(m_opening, &OpeningScreen::bestTimesNeeded, [this] { m_tableLoaded = true; });
    m_hasBaseline = m_needBaseline = false;
    m_program->start(maze);
}

// The windows made on first use are watched from their making on.
void Soak::windowMade(QWidget& window) {
    if (auto* game = dynamic_cast<GameScreen*>(&window)) {
        m_game = game;
        test::parts(game).clockTimer->setInterval(timerIntervalMs);
        test::parts(game).runTimer->setInterval(timerIntervalMs);
        game->installEventFilter(this);
    } else if (auto* map = dynamic_cast<MapWindow*>(&window)) {
        m_map = map;
    } else if (auto* end = dynamic_cast<EndScreen*>(&window)) {
        m_end = end;
        end->installEventFilter(this);
    } else if (auto* help = dynamic_cast<HelpWindow*>(&window)) {
        m_help = help;
    } else if (auto* about = dynamic_cast<AboutBox*>(&window)) {
        about->setOpener([this](const std::string& address) {
            m_opened.push_back(address);
            return true;
        });
    }
}

void Soak::endProgram() {
    m_program.reset();
    m_session.reset();
    m_opening = nullptr;
    m_game = nullptr;
    m_map = nullptr;
    m_end = nullptr;
    m_help = nullptr;
}

bool Soak::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || event->spontaneous()) return false;
    if (watched == m_lastModal) ++m_modalShowings;
    if (!m_program) return false;
    if (watched == m_game && gameScreen()->watch()) {
        // A run watched from the best times: paused at once, it plays one event at each
        // Right, so a seed plays the same watch every time (the watch's own pace follows
        // the machine's clock).
        ++m_result.watches;
        gameScreen()->watch()->setPaused(true);
        m_needBaseline = true;
    } else if (watched == m_game) {
        // The game is set up once the showing has run: the baseline is taken then.
        ++m_result.games;
        m_needBaseline = true;
        m_hasBaseline = false;
        const double r = roll();
        m_plan = r < 0.4    ? Plan::seeker
                 : r < 0.65 ? Plan::wanderer
                 : r < 0.82 ? Plan::starver
                            : Plan::quitter;
    } else if (watched == m_end) {
        const QString title = m_end->windowTitle();
        if (title.startsWith("Winner")) ++m_result.won;
        if (title == "You Lose") ++m_result.lost;
        if (title.startsWith("Winner") || title == "You Lose") verifyRunOfGame();
    }
    return false;
}

void Soak::scheduleStep() {
    QMetaObject::invokeMethod(
        this, [this] { step(); }, Qt::QueuedConnection);
}

void Soak::fail(const std::string& problem) {
    if (!m_result.failure.empty()) return;
    std::ostringstream out;
    out << "after action " << m_result.actions << ": " << problem << "\n"
        << "Seed " << m_options.seed << " (QUORVEL3D_SOAK_SEED=" << m_options.seed
        << " QUORVEL3D_SOAK_ACTIONS=" << m_result.actions << " plays it again). "
        << "The last actions, the latest last:\n"
        << m_log.text();
    m_result.failure = out.str();
    std::fprintf(stderr, "\nSOAK FAILED %s", m_result.failure.c_str());
    std::fflush(stderr);
}

std::string Soak::snapshot() const {
    std::ostringstream out;
    if (const GameScreen* g = gameScreen(); g && g->isVisible()) {
        const Maze& m = const_cast<GameScreen*>(g)->game().maze();
        const GameState& s = const_cast<GameScreen*>(g)->game().state();
        out << "L" << m.level() << " r" << m.posRow << " c" << m.posCol << " f" << m.facing
            << " food " << s.foodLevel << " steps " << s.stepCount << " gems " << s.gemScore
            << " battery " << s.batteryLevel;
    }
    if (showing(m_opening))
        out << "player " << m_session->playerName << ", level " << m_opening->selectedLevel()
            << ", theme " << m_session->themeName;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        out << " | modal " << modal->objectName().toStdString() << " \""
            << modal->windowTitle().toStdString() << "\"";
        if (auto* dialog = dynamic_cast<MessageDialog*>(modal))
            out << ": " << dialog->textLabel->text().left(100).toStdString();
    }
    // The program folder is another temporary folder every run: "<home>/" stands for it.
    std::string text = out.str();
    const std::string home = programFolder();
    for (std::size_t at; (at = text.find(home)) != std::string::npos;)
        text.replace(at, home.size(), "<home>/");
    return text;
}

void Soak::step() {
    if (m_finished) return;
    const int loops = QThread::currentThread()->loopLevel();
    const bool atRest = m_acting == 0 && loops == 1;
    if (m_programEnded && atRest) {
        endProgram();
        if (m_windingDown || !m_result.failure.empty()) {
            finish();
            return;
        }
        m_programEnded = false;
        m_startPending = true; // the next action starts the program again
    }
    if (!m_result.failure.empty()) {
        bailOut();
        return;
    }
    if (const std::string problem = check(); !problem.empty()) {
        fail(problem);
        scheduleStep();
        return;
    }
    const auto now = Clock::now();
    if (m_options.progressSeconds > 0 &&
        now - m_lastProgress >= std::chrono::seconds(m_options.progressSeconds)) {
        m_lastProgress = now;
        const double seconds = std::chrono::duration<double>(now - m_started).count();
        m_result.saved = m_disk.savesWritten();
        std::printf("soak: %lld/%lld actions, %.0f actions/s, %s\n", m_result.actions,
                    m_options.actions, m_result.actions / seconds, m_result.summary().c_str());
        std::fflush(stdout);
    }
    if (!m_windingDown && m_result.actions >= m_options.actions) m_windingDown = true;
    if (m_windingDown && m_startPending) {
        finish();
        return;
    }
    if (m_windingDown && ++m_windDownSteps > windDownLimit) {
        fail("the program could not be brought to its end in " + std::to_string(windDownLimit) +
             " actions");
        scheduleStep();
        return;
    }

    const std::string state = snapshot();
    Choice choice = m_windingDown ? windDownChoice() : choose();
    ++m_result.actions;
    std::string line =
        "#" + std::to_string(m_result.actions) + " " +
        (atRest ? "" : "(" + std::to_string(loops) + "/" + std::to_string(m_acting) + ") ") +
        choice.text + (state.empty() ? "" : "   [" + state + "]");
    if (m_options.trace) std::printf("%s\n", line.c_str());
    m_log.add(std::move(line));
    m_result.digest =
        fnv(fnv(m_result.digest ? m_result.digest : 1469598103934665603ull, state), choice.text);
    m_watchdog.beat();
    scheduleStep(); // first, so a modal window the action opens gets its answer
    const auto began = Clock::now();
    const long long before = m_result.actions;
    ++m_acting;
    if (choice.run) choice.run();
    if (choice.text.find("Alt+") != std::string::npos) finishAnimatedClicks();
    --m_acting;
    // The slowest action that ran to its end without another one in between.
    const double took = std::chrono::duration<double>(Clock::now() - began).count();
    if (m_result.actions == before && took > m_slowest) {
        m_slowest = took;
        m_slowestAction = choice.text;
    }
    m_watchdog.beat();
}

// After a failure: every window is closed, however, so the run can end and report.
void Soak::bailOut() {
    if (++m_bailSteps > 500) {
        std::fprintf(stderr, "soak: the windows could not be closed after the failure\n");
        std::_Exit(4);
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->hide();
    } else if (GameScreen* g = gameScreen(); g && g->isVisible()) {
        g->game().state().gameOver = true;
        g->close();
    } else if (showing(m_opening)) {
        m_opening->close();
    } else if (m_acting == 0 && QThread::currentThread()->loopLevel() == 1) {
        m_programEnded = true;
    }
    scheduleStep();
}

void Soak::finish() {
    m_finished = true;
    m_loop.quit();
}

// ---- checking -----------------------------------------------------------------------------

std::string Soak::check() {
    if (std::string problem = checkWindows(); !problem.empty()) return problem;
    if (std::string problem = checkGame(); !problem.empty()) return problem;
    DiskContext context;
    if (m_tableLoaded && m_session) context.table = &m_session->bestTimes.bestTimes();
    if (GameScreen* g = gameScreen()) {
        context.game = &g->game();
        context.map = m_map;
        context.player = m_session->playerName;
    }
    return m_disk.check(context);
}

std::string Soak::checkWindows() {
    const bool atRest = m_acting == 0 && QThread::currentThread()->loopLevel() == 1;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && atRest)
        return "a modal window is open with nothing waiting for its answer: " +
               modal->windowTitle().toStdString();
    // One showing of one modal window, however often the window is shown again.
    if (modal && modal == m_lastModal && m_modalShowings == m_lastModalShowing) {
        if (++m_modalSteps > modalPatience)
            return "the modal window \"" + modal->windowTitle().toStdString() +
                   "\" has not been answered in " + std::to_string(modalPatience) + " actions";
    } else {
        if (modal && modal != m_lastModal) modal->installEventFilter(this);
        if (modal)
            ++m_windowsMet[modal->objectName().toStdString() + " \"" +
                           modal->windowTitle().left(40).toStdString() + "\""];
        if (std::string problem = checkWatchVerdict(modal); !problem.empty()) return problem;
        m_lastModal = modal;
        m_lastModalShowing = m_modalShowings;
        m_modalSteps = 0;
    }
    if (!m_program) return {};
    const bool opening = showing(m_opening), game = showing(m_game);
    if (showing(m_map) && !game) return "the map window shows without a game";
    if (atRest && opening && game) return "the opening screen and the game screen show at once";
    if (atRest && !m_programEnded && !opening && !game)
        return "neither the opening screen nor the game screen shows";
    return {};
}

void Soak::takeBaseline() {
    Game& g = gameScreen()->game();
    const Maze& m = g.maze();
    const GameState& s = g.state();
    m_needBaseline = false;
    m_hasBaseline = true;
    m_base = Baseline{};
    if (!s.newGame) {
        ++m_result.loaded;
        const std::string path = savedGamePath(m_session->playerName, m_opening->selectedLevel());
        m_base.tainted = m_vandal.isDamaged(path);
    }
    m_base.food = s.foodLevel;
    m_base.steps = m_base.lastSteps = s.stepCount;
    m_base.gems = std::max(0, s.gemScore);
    m_base.battery = s.batteryLevel;
    m_base.foodBoxes = countCode(m, cellFood);
    m_base.foodTraps = countCode(m, cellFoodTrap);
    m_base.gem5 = countCode(m, cellGem5);
    m_base.gem3 = countCode(m, cellGem3);
    m_base.gem1 = countCode(m, cellGem1);
}

// A loaded game is the game in its file: everything but what the player's own cell
// did to it again when the game began.
std::string Soak::checkLoadedGame(const std::string& path) {
    SavedGame record;
    if (readSaveFile(path, record) != SaveProblem::none)
        return "a game was loaded from " + path + ", which the game refuses";
    const Game& g = gameScreen()->game();
    Maze saved = record.maze, now = g.maze();
    saved.set(now.posRow, now.posCol, 0);
    now.set(now.posRow, now.posCol, 0);
    const GameState& s = g.state();
    std::ostringstream out;
    if (saved.grid != now.grid) out << "the grid; ";
    if (saved.posRow != now.posRow || saved.posCol != now.posCol || saved.facing != now.facing)
        out << "the place; ";
    if (record.state.stepCount != s.stepCount) out << "the steps; ";
    if (record.state.foodLevel != s.foodLevel) out << "the food; ";
    if (record.state.gemScore != s.gemScore) out << "the gems; ";
    if (record.state.batteryLevel != s.batteryLevel && record.state.batteryLevel != 0)
        out << "the battery; ";
    if (record.state.hasCompass != s.hasCompass || record.state.hasGps != s.hasGps ||
        record.state.hasTracker != s.hasTracker || record.state.hasBeacon != s.hasBeacon ||
        record.state.hasDetector != s.hasDetector)
        out << "the tools; ";
    if (std::abs(record.state.elapsed - s.elapsed) > 1e-6) out << "the playing time; ";
    return out.str().empty() ? std::string()
                             : "the loaded game differs from its file in " + out.str();
}

// The end of a watch: every run the game keeps is one it recorded, so it reaches its
// recorded result (the soak damages no run).
std::string Soak::checkWatchVerdict(QWidget* modal) {
    auto* dialog = dynamic_cast<MessageDialog*>(modal);
    if (!dialog) return {};
    const std::string text = dialog->textLabel->text().toStdString();
    if (text.starts_with("The run reached its recorded result")) ++m_result.watched;
    if (text.starts_with("The run departed")) return "a watched run: " + text;
    return {};
}

std::string Soak::checkGame() {
    GameScreen* screen = gameScreen();
    if (!screen || !screen->isVisible()) return {};
    // A watch plays the run's game, not the player's: its end says whether it held.
    if (screen->watch()) {
        m_needBaseline = true;
        return {};
    }
    const bool baselineNow = m_needBaseline;
    if (m_needBaseline) takeBaseline();
    if (!m_hasBaseline) return {};
    Game& g = screen->game();
    const Maze& m = g.maze();
    const GameState& s = g.state();
    const int n = m.mazeSize;
    std::ostringstream out;
    if (n < 20 || n > 120 || n % 20 != 0) out << "maze size " << n << "; ";
    if (m.facing < 1 || m.facing > 4) out << "facing " << m.facing << "; ";
    if (!m_base.tainted) {
        if (m.posRow < 0 || m.posRow > n || m.posCol < 0 || m.posCol > n)
            out << "the player at " << m.posRow << "," << m.posCol << " is outside the maze; ";
        else if (isWall(m.here()))
            out << "the player stands in a wall at " << m.posRow << "," << m.posCol << "; ";
        if (s.batteryLevel < 0 || s.batteryLevel > 100) out << "battery " << s.batteryLevel << "; ";
        if (s.batterySteps < 0 || s.batterySteps >= s.batteryRate)
            out << "battery steps " << s.batterySteps << "; ";
    }
    if (s.batteryRate != 2) out << "battery rate " << s.batteryRate << "; ";
    if (s.stepCount < m_base.lastSteps)
        out << "the step counter fell from " << m_base.lastSteps << " to " << s.stepCount << "; ";
    m_base.lastSteps = s.stepCount;

    // Food: one unit a step, 100 a food box, 10 or 20 a food trap (the step it takes
    // included); the step that starves the player may not be counted yet.
    const int eaten = m_base.foodBoxes - countCode(m, cellFood);
    const int traps = m_base.foodTraps - countCode(m, cellFoodTrap);
    const int walked = s.stepCount - m_base.steps;
    const int most = m_base.food + 100 * eaten - walked - 10 * traps;
    const int least = m_base.food + 100 * eaten - walked - 20 * traps - 1;
    if (s.foodLevel > most || s.foodLevel < least)
        out << "food " << s.foodLevel << " after " << walked << " steps, " << eaten
            << " food boxes and " << traps << " food traps from " << m_base.food
            << " (the rules allow " << least << ".." << most << "); ";
    // Between actions, a game without food is over (an action under way may be ending it).
    const bool atRest = m_acting == 0 && QThread::currentThread()->loopLevel() == 1;
    if (s.foodLevel <= 0 && atRest) out << "food " << s.foodLevel << " and the game goes on; ";
    const int found = 5 * (m_base.gem5 - countCode(m, cellGem5)) +
                      3 * (m_base.gem3 - countCode(m, cellGem3)) +
                      (m_base.gem1 - countCode(m, cellGem1));
    if (s.gemScore > m_base.gems + found || (!m_base.tainted && s.gemScore < 0))
        out << "gems " << s.gemScore << " with " << found << " points found from " << m_base.gems
            << "; ";

    // The screen shows the counters as they are.
    if (test::parts(screen).foodCount->text() != QString::number(s.foodLevel) ||
        test::parts(screen).gemCount->text() != QString::number(s.gemScore) ||
        test::parts(screen).batteryCount->text() != QString::number(s.batteryLevel) + "%" ||
        test::parts(screen).stepCounter->text() != QString::number(s.stepCount))
        out << "the counters show " << test::parts(screen).foodCount->text().toStdString()
            << " food, " << test::parts(screen).gemCount->text().toStdString() << " gems, "
            << test::parts(screen).batteryCount->text().toStdString() << ", "
            << test::parts(screen).stepCounter->text().toStdString() << " steps; ";

    if (baselineNow && !m_base.tainted) {
        if (s.newGame) {
            if (m.here() != cellStart || m.facing == 4 || !exitReachable(m))
                out << "a new maze that breaks the generator's rules; ";
        } else {
            const std::string path =
                savedGamePath(m_session->playerName, m_opening->selectedLevel());
            out << checkLoadedGame(path);
        }
    }
    const std::string problems = out.str();
    return problems.empty() ? std::string() : "the game is wrong: " + problems;
}

// ---- choosing ---------------------------------------------------------------------------------

Choice Soak::choose() {
    if (m_startPending) return startChoice();
    std::vector<Choice> choices;
    addGlobal(choices);
    if (QWidget* popup = QApplication::activePopupWidget()) {
        addPopup(choices, popup);
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        addModal(choices, modal);
    } else if (m_program) {
        GameScreen* game = gameScreen();
        if (showing(m_opening)) addOpening(choices, 10);
        if (showing(game) && game->watch())
            addWatch(choices, 14);
        else if (showing(game) && !game->isMinimized())
            addGame(choices, 14);
        if (showing(game) && game->isMinimized())
            choices.push_back({20, "[game] restore the window", [game] { game->showNormal(); }});
        if (showing(m_map)) addMap(choices, 3);
        if (showing(m_help)) addHelp(choices, 2);
    }
    double total = 0;
    for (const Choice& c : choices)
        total += c.weight;
    double pick = roll() * total;
    for (Choice& c : choices) {
        if (pick < c.weight) return std::move(c);
        pick -= c.weight;
    }
    return std::move(choices.back());
}

// The program started again as a player starts it: with a few kinds of switch, and now
// and then with a maze number to play at once.
Choice Soak::startChoice() {
    const std::vector<std::string> switches = weighted(commandLines());
    std::optional<MazeNumber> maze;
    if (below(8) == 0) maze = MazeNumber{1 + below(6), static_cast<std::uint32_t>(m_rng())};
    std::string text = "start the program:";
    for (const std::string& s : switches)
        text += " " + s;
    if (maze) text += " --maze " + formatMazeNumber(*maze);
    return {1, text, [this, switches, maze] { startProgram(switches, maze); }};
}

// Time passes, the game's timers tick, and the world damages files now and then.
void Soak::addGlobal(std::vector<Choice>& choices) {
    const double r = roll();
    const double seconds = r < 0.7    ? 1 + below(3)
                           : r < 0.9  ? 60 * (1 + below(60))
                           : r < 0.98 ? 3600 * (1 + below(30))
                                      : 86400 * (20 + below(40));
    choices.push_back({3, "time +" + std::to_string(static_cast<long long>(seconds)) + " s",
                       [this, seconds] { m_clock.advance(seconds * secondDays); }});
    if (GameScreen* g = gameScreen()) {
        if (test::parts(g).clockTimer->isActive())
            choices.push_back(
                {3, "the game clock ticks", [this, g] { fireTimer(test::parts(g).clockTimer); }});
        if (test::parts(g).runTimer->isActive())
            choices.push_back(
                {30, "the run timer ticks", [this, g] { fireTimer(test::parts(g).runTimer); }});
        else
            m_runTickAt = -1;
    }
    const std::string player = m_session ? m_session->playerName : "Ann";
    // Logs the damage done, naming its file where the kind of damage is about one.
    const auto damage = [this](const Damage& d, bool named) {
        m_log.add("    " + d.kind + (named ? ": " + d.path : ""));
        if (!d.path.empty()) ++m_result.damaged;
    };
    choices.push_back({0.35, "damage a saved game", [this, player, damage] {
                           const std::string who = below(4) ? player : randomName();
                           damage(m_vandal.damageSavedGame(who, 1 + below(6)), true);
                       }});
    choices.push_back({0.15, "damage a map file", [this, player, damage] {
                           damage(m_vandal.damageMapFile(player, 1 + below(6)), true);
                       }});
    choices.push_back({0.2, "damage the best times",
                       [this, damage] { damage(m_vandal.damageBestTimes(), false); }});
    choices.push_back(
        {0.1, "damage the settings", [this, damage] { damage(m_vandal.damageSettings(), false); }});
    choices.push_back({0.2, "trouble a theme",
                       [this, damage] { damage(m_vandal.troubleTheme(m_themes), true); }});
}

void Soak::addOpening(std::vector<Choice>& c, double share) {
    OpeningScreen* o = m_opening;
    const auto add = adder(c, share, "[opening] ");
    add(4, "click Enter", [o] { click(o->enterButton); });
    add(3, "key Return", [o] { key(o, Qt::Key_Return); });
    static const std::vector<std::pair<int, int>> levels = {{1, 30}, {2, 25}, {3, 18},
                                                            {4, 12}, {5, 8},  {6, 7}};
    const int level = weighted(levels);
    add(5, "click level " + std::to_string(level),
        [o, level] { click(o->levelButtons[level - 1]); });
    for (int i = 0; i < 6; ++i)
        if (o->loadButtons[i]->isVisible())
            add(3, "click load " + std::to_string(i + 1), [o, i] { click(o->loadButtons[i]); });
    const int digit = 1 + below(6);
    add(1.5, "key Alt+" + std::to_string(digit),
        [o, digit] { key(o, Qt::Key_0 + digit, Qt::AltModifier); });
    add(2, "theme key Down", [o] { key(o->themeBox, Qt::Key_Down); });
    add(1.5, "theme key Up", [o] { key(o->themeBox, Qt::Key_Up); });
    add(2, "theme list opens", [o] { key(o->themeBox, Qt::Key_F4); });
    add(1.2, "click New Player", [o] { click(o->changePlayerButton); });
    add(0.8, "click Instructions", [o] { click(o->instructionsButton); });
    add(0.8, "click About", [o] { click(o->aboutButton); });
    add(1.2, "click Best times", [o] { click(o->bestTimesButton); });
    add(0.6, "key M", [o] { typeChar(o, 'm'); });
    add(0.4, "click Intro", [o] { click(o->introButton); });
    add(0.2, "click Exit", [o] { click(o->exitButton); });
    add(0.2, "key Escape", [o] { key(o, Qt::Key_Escape); });
    add(0.15, "close the window", [o] { o->close(); });
    add(0.8, "key Tab", [o] { key(o, Qt::Key_Tab); });
    add(0.5, "key Space", [o] { key(o, Qt::Key_Space); });
    static const char mnemonics[] = "xpiabelrnhot";
    const char letter = mnemonics[below(static_cast<int>(sizeof mnemonics) - 1)];
    add(1.5, std::string("key Alt+") + letter,
        [o, letter] { key(o, Qt::Key_A + (letter - 'a'), Qt::AltModifier); });
    const char any = static_cast<char>('a' + below(26));
    add(0.5, std::string("key ") + any, [o, any] { typeChar(o, any); });
}

void Soak::addGame(std::vector<Choice>& c, double share) {
    GameScreen* g = gameScreen();
    const auto add = adder(c, share, "[game] ");
    const Maze& m = g->game().maze();
    const double guided = m_plan == Plan::seeker ? 40 : m_plan == Plan::quitter ? 4 : 1;
    if (const int arrow = guidedArrow(m, g->game().state().foodLevel < 30)) {
        const char* name = arrow == Qt::Key_Up     ? "Up"
                           : arrow == Qt::Key_Down ? "Down"
                           : arrow == Qt::Key_Left ? "Left"
                                                   : "Right";
        add(guided, std::string("key ") + name + " (the way out)", [g, arrow] { key(g, arrow); });
    }
    if (m_plan == Plan::starver) {
        const int arrow = starvingArrow(m, roll() < 0.5);
        const char* name = arrow == Qt::Key_Up ? "Up" : arrow == Qt::Key_Left ? "Left" : "Right";
        add(50, std::string("key ") + name + " (on and on)", [g, arrow] { key(g, arrow); });
    }
    add(6, "key Up", [g] { key(g, Qt::Key_Up); });
    add(3, "key Down", [g] { key(g, Qt::Key_Down); });
    add(3, "key Left", [g] { key(g, Qt::Key_Left); });
    add(3, "key Right", [g] { key(g, Qt::Key_Right); });
    add(2, "click forward", [g] { click(test::parts(g).forwardButton); });
    add(1, "click back", [g] { click(test::parts(g).backButton); });
    add(1, "click left", [g] { click(test::parts(g).turnLeftButton); });
    add(1, "click right", [g] { click(test::parts(g).turnRightButton); });
    add(1.5, "click Use", [g] { click(test::parts(g).useButton); });
    add(1.5, "key U", [g] { typeChar(g, 'u'); });
    add(2, "key R", [g] { typeChar(g, 'r'); });
    add(1, "key W", [g] { typeChar(g, 'w'); });
    add(0.6, "key S", [g] { typeChar(g, 's'); });
    add(0.6, "key M", [g] { typeChar(g, 'M'); });
    add(0.5, "click sounds", [g] { click(test::parts(g).soundsButton); });
    add(0.5, "click music", [g] { click(test::parts(g).musicButton); });
    add(0.4, "key /", [g] { typeChar(g, '/'); });
    add(0.3, "key ?", [g] { typeChar(g, '?'); });
    static const char fun[] = "ylcjdYLCJD";
    const char f = fun[below(10)];
    add(1.5, std::string("key ") + f, [g, f] { typeChar(g, f); });
    const char any = static_cast<char>(33 + below(94));
    add(0.6, std::string("key ") + any, [g, any] { typeChar(g, any); });
    add(0.3, "key Escape", [g] { key(g, Qt::Key_Escape); });
    add(0.3, "key Return", [g] { key(g, Qt::Key_Return); });
    add(0.2, "key Tab", [g] { key(g, Qt::Key_Tab); });
    const double quit = m_plan == Plan::quitter ? 6 : m_plan == Plan::wanderer ? 0.6 : 0.15;
    add(quit * 0.5, "click Quit Maze", [g] { click(test::parts(g).quitButton); });
    add(quit * 0.3, "key Alt+Q", [g] { key(g, Qt::Key_Q, Qt::AltModifier); });
    add(quit * 0.2, "close the window", [g] { g->close(); });
    add(0.1, "minimise the window", [g] { g->showMinimized(); });
    const QPoint to(below(800), below(500));
    add(0.2, "move the window", [g, to] { g->move(to); });
}

// A watch, paused since it showed: Right plays its next event; the speed keys, Esc and
// closing the window as a player would press them (Space would let the machine's clock
// set the pace).
void Soak::addWatch(std::vector<Choice>& c, double share) {
    GameScreen* g = gameScreen();
    const auto add = adder(c, share, "[watch] ");
    const int steps = 1 + below(20);
    add(30, "key Right x" + std::to_string(steps), [g, steps] {
        for (int i = 0; i < steps && g->watch(); ++i)
            key(g, Qt::Key_Right);
    });
    static constexpr int speeds[] = {Qt::Key_1, Qt::Key_2, Qt::Key_4};
    const int speed = speeds[below(3)];
    add(1, "key " + std::string(1, static_cast<char>(speed)), [g, speed] { key(g, speed); });
    add(0.3, "key Escape", [g] { key(g, Qt::Key_Escape); });
    add(0.1, "close the window", [g] { g->close(); });
}

void Soak::addMap(std::vector<Choice>& c, double share) {
    MapWindow* map = m_map;
    const auto add = adder(c, share, "[map] ");
    const auto button = [map](const char* name) { return map->findChild<QToolButton*>(name); };
    add(3, "click zoom in", [button] { click(button("ZoomPlus")); });
    add(3, "click zoom out", [button] { click(button("ZoomMin")); });
    add(2, "click the lock", [button] { click(button("LockWin")); });
    QWidget* view = map->findChild<QWidget*>("Map");
    const QPoint at(below(std::max(1, view->width())), below(std::max(1, view->height())));
    add(2, "click the map", [view, at] { QTest::mouseClick(view, Qt::LeftButton, {}, at); });
    add(2, "point at the map", [view, at] { QTest::mouseMove(view, at); });
    add(2, "key Up", [map] { key(map, Qt::Key_Up); });
    add(1, "key W", [map] { typeChar(map, 'w'); });
    add(0.6, "close the window", [map] { map->close(); });
    const QPoint to(below(900), below(600));
    add(0.5, "move the window", [map, to] { map->move(to); });
}

void Soak::addHelp(std::vector<Choice>& c, double share) {
    HelpWindow* help = m_help;
    const auto add = adder(c, share, "[help] ");
    add(2, "click Next Topic", [help] { click(help->nextButton); });
    add(1, "click Previous Topic", [help] { click(help->previousButton); });
    add(1, "click First Topic", [help] { click(help->firstButton); });
    add(1, "click Last Topic", [help] { click(help->lastButton); });
    add(2, "outline key Down", [help] { key(help->outline, Qt::Key_Down); });
    add(1, "outline key Right", [help] { key(help->outline, Qt::Key_Right); });
    static const char keys[] = "fpnlFPNL";
    const char k = keys[below(8)];
    add(1.5, std::string("key ") + k, [help, k] { typeChar(help, k); });
    add(1, "key Escape", [help] { key(help, Qt::Key_Escape); });
    add(1, "click Close Help", [help] { click(help->closeButton); });
}

void Soak::addPopup(std::vector<Choice>& c, QWidget* popup) {
    const auto add = adder(c, 10, "[list] ");
    QPointer<QWidget> p(popup);
    const int steps = 1 + below(9);
    add(40, "key Down x" + std::to_string(steps) + " and Return", [p, steps] {
        for (int i = 0; i < steps && p; ++i)
            key(p, Qt::Key_Down);
        if (p) key(p, Qt::Key_Return);
    });
    add(30, "key Down", keyIfThere(p, Qt::Key_Down));
    add(15, "key Up", keyIfThere(p, Qt::Key_Up));
    add(20, "key Return", keyIfThere(p, Qt::Key_Return));
    add(12, "key Escape", keyIfThere(p, Qt::Key_Escape));
}

void Soak::addModal(std::vector<Choice>& c, QWidget* modal) {
    const auto add = adder(c, 10,
                           "[" + modal->objectName().toStdString() + " \"" +
                               modal->windowTitle().toStdString() + "\"] ");
    QPointer<QWidget> m(modal);
    if (auto* box = qobject_cast<QInputDialog*>(modal)) {
        const std::string name = randomName();
        QPointer<QInputDialog> b(box);
        add(40, "type \"" + name + "\" and Return", [b, name] {
            if (!b) return;
            if (auto* edit = b->findChild<QLineEdit*>()) {
                edit->setFocus();
                edit->setText(QString::fromStdString(name));
                key(b, Qt::Key_Return);
            }
        });
    }
    // The kept runs behind the best times are found on a worker: the Watch buttons the
    // soak may press must not depend on how far it got.
    if (auto* times = qobject_cast<BestTimesScreen*>(modal)) times->finishRunChecks();
    for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
        if (!button->isVisible()) continue;
        QPointer<QAbstractButton> b(button);
        const QString text = button->text().isEmpty() ? button->objectName() : button->text();
        add(12, "click " + text.toStdString(), [b] { click(b); }); // click() skips a gone one
    }
    if (auto* times = qobject_cast<BestTimesScreen*>(modal)) {
        const int level = 1 + below(6), rank = 1 + below(3);
        QLabel* name = times->findChild<QLabel*>(QString("lblName%1%2").arg(level).arg(rank));
        QPointer<QLabel> n(name);
        if (name)
            add(10,
                "click the name of level " + std::to_string(level) + " rank " +
                    std::to_string(rank),
                [n] { click(n); });
    }
    if (dynamic_cast<StoryWindow*>(modal)) {
        add(4, "key PageDown", keyIfThere(m, Qt::Key_PageDown));
        add(2, "key End", keyIfThere(m, Qt::Key_End));
        add(2, "key /", charIfThere(m, '/'));
    }
    add(5, "key Escape", keyIfThere(m, Qt::Key_Escape));
    add(5, "key Return", keyIfThere(m, Qt::Key_Return));
    add(4, "key Y", charIfThere(m, 'y'));
    add(4, "key N", charIfThere(m, 'n'));
    add(2, "key C", charIfThere(m, 'c'));
    add(1.5, "key Space", keyIfThere(m, Qt::Key_Space));
    add(1, "key Tab", keyIfThere(m, Qt::Key_Tab));
    add(1, "key Alt+Y", keyIfThere(m, Qt::Key_Y, Qt::AltModifier));
    add(1, "key Alt+N", keyIfThere(m, Qt::Key_N, Qt::AltModifier));
    const char any = static_cast<char>('a' + below(26));
    add(1, std::string("key ") + any, charIfThere(m, any));
}

// Brings the program to its end: every modal window answered, the game quit, the
// opening screen closed.
Choice Soak::windDownChoice() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return {1, "[wind down] [list] key Escape", keyIfThere(popup, Qt::Key_Escape)};
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        // Answer as the modal window asks; a random button now and then, so no window
        // can hold the end up for good.
        std::vector<Choice> choices;
        addModal(choices, modal);
        for (Choice& c : choices) {
            const bool ending = c.text.find("click &No") != std::string::npos ||
                                c.text.find("click &Yes") != std::string::npos ||
                                c.text.find("Close") != std::string::npos ||
                                c.text.find("Cancel") != std::string::npos ||
                                c.text.find("click OK") != std::string::npos ||
                                c.text.find("and Return") != std::string::npos;
            if (ending && roll() < 0.5) return std::move(c);
        }
        Choice c = std::move(choices[static_cast<std::size_t>(below(int(choices.size())))]);
        c.text = "[wind down] " + c.text;
        return c;
    }
    if (!m_program || m_programEnded) return {1, "[wind down] wait", {}};
    GameScreen* g = gameScreen();
    if (showing(g) && g->isMinimized())
        return {1, "[wind down] [game] restore the window", [g] { g->showNormal(); }};
    if (showing(g))
        return {1, "[wind down] [game] click Quit Maze", [g] { click(test::parts(g).quitButton); }};
    if (showing(m_help)) {
        HelpWindow* help = m_help;
        return {1, "[wind down] [help] click Close Help", [help] { click(help->closeButton); }};
    }
    OpeningScreen* o = m_opening;
    if (showing(o)) return {1, "[wind down] [opening] click Exit", [o] { click(o->exitButton); }};
    return {1, "[wind down] wait", {}};
}

// ---- acting
// --------------------------------------------------------------------------------------

// Keys go where the window keeps its keyboard focus.
QWidget* Soak::keyTarget(QWidget* window) {
    QWidget* focus = window->focusWidget();
    return focus && focus->isVisible() && focus->window() == window->window() ? focus : window;
}

void Soak::key(QWidget* window, int k, Qt::KeyboardModifiers mods) {
    QTest::keyClick(keyTarget(window), static_cast<Qt::Key>(k), mods);
}

void Soak::typeChar(QWidget* window, char c) {
    QTest::keyClick(keyTarget(window), c);
}

std::function<void()> Soak::keyIfThere(QPointer<QWidget> window, int k,
                                       Qt::KeyboardModifiers mods) {
    return [window, k, mods] {
        if (window) key(window, k, mods);
    };
}

std::function<void()> Soak::charIfThere(QPointer<QWidget> window, char c) {
    return [window, c] {
        if (window) typeChar(window, c);
    };
}

void Soak::click(QWidget* widget) {
    if (widget && widget->isVisible()) QTest::mouseClick(widget, Qt::LeftButton);
}

// A button's letter pressed with Alt (its shortcut) presses the button and lets it go 100 ms later,
// which is when it acts. The soak lets it go at once, so the click lands before the
// next action, as it would for a player, and every run of a seed plays alike.
void Soak::finishAnimatedClicks() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) continue;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isDown()) continue;
            const auto* dispatcher = QAbstractEventDispatcher::instance();
            for (const auto& timer : dispatcher->registeredTimers(button)) {
                if (timer.interval != 100) continue;
                QTimerEvent release(timer.timerId);
                QCoreApplication::sendEvent(button, &release);
                break;
            }
        }
    }
}

// One tick of a game timer, when it is running: the game's time goes by the soak's
// actions, not by the machine's clock, so a run plays the same every time.
void Soak::fireTimer(QTimer* timer) {
    if (!timer->isActive()) return;
    // A timer fires when its interval has passed: the clock's second since it last
    // ticked, the run's fifth of a second since its last step (or since it started).
    // The clock's timer starts again at every tick, the game's own too (one that was due
    // when the player acted): its last tick is the playing time the game shows.
    GameScreen* g = gameScreen();
    const bool clock = g && timer == test::parts(g).clockTimer;
    const GameState& game = g->game().state();
    const double interval = (clock ? 1.0 : 0.2) * secondDays;
    const double since = clock             ? m_clock.now() - game.startTime - game.elapsed
                         : m_runTickAt < 0 ? 0
                                           : m_clock.now() - m_runTickAt;
    if (since < interval) m_clock.advance(interval - since);
    if (!clock) m_runTickAt = m_clock.now();
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
}

// A game just won or lost: the rules alone play its run again to the same end (a game
// taken up from a saved game the soak changed departs where it was taken up).
void Soak::verifyRunOfGame() {
    GameScreen* g = gameScreen();
    if (!g || g->watch() || !g->game().run().complete) return; // a saved game without its run
    if (m_base.tainted) return;
    const RunVerdict verdict = verifyRun(g->game().run());
    if (verdict.verified) {
        ++m_result.verified;
        return;
    }
    fail("the run of the game just ended departs at event " +
         std::to_string(verdict.departure->event) + ": " + verdict.departure->why);
}

} // namespace

std::string SoakResult::summary() const {
    std::ostringstream out;
    out << games << " games (" << won << " won, " << lost << " lost, " << saved << " saved, "
        << loaded << " loaded), " << runs << " runs, " << damaged << " files damaged, " << verified
        << " runs verified, " << watches << " watched (" << watched << " to their result)";
    return out.str();
}

SoakOptions optionsFromEnvironment(SoakOptions options) {
    if (const char* seed = std::getenv("QUORVEL3D_SOAK_SEED"); seed && *seed)
        options.seed = static_cast<std::uint32_t>(std::stoul(seed));
    if (const char* actions = std::getenv("QUORVEL3D_SOAK_ACTIONS"); actions && *actions)
        options.actions = std::stoll(actions);
    if (const char* watchdog = std::getenv("QUORVEL3D_SOAK_WATCHDOG"); watchdog && *watchdog)
        options.watchdogSeconds = std::stoi(watchdog);
    if (const char* trace = std::getenv("QUORVEL3D_SOAK_TRACE"); trace && *trace)
        options.trace = std::string(trace) != "0";
    return options;
}

SoakResult runSoak(const SoakOptions& options) {
    Soak soak(options);
    return soak.run();
}

} // namespace quorvel::soak
