#include "app/programwindows.h"

#include <QLabel>

#include "files/programfolder.h"
#include "files/runfiles.h"
#include "screens/aboutbox.h"
#include "screens/besttimesscreen.h"
#include "screens/endscreen.h"
#include "screens/gamescreen.h"
#include "screens/helpwindow.h"
#include "screens/mapwindow.h"
#include "screens/openingscreen.h"
#include "screens/runwatch.h"
#include "screens/savedgames.h"
#include "screens/session.h"
#include "screens/statisticsscreen.h"
#include "screens/storywindow.h"
#include "theme/theme.h"
#include "widgets/dialogs.h"

namespace quorvel {

ProgramWindows::ProgramWindows(Session& session, OpeningScreen& openingScreen)
    : m_session(session), m_opening(openingScreen) {
    m_opening.setWindowSources([this] { return &gameScreen(); }, [this] { return &mapWindow(); });
    m_opening.loadGame = [this](const std::string& player, int level) {
        return loadGame(player, level, gameScreen().game(), mapWindow());
    };
    m_opening.loadBestTimes = [this] { m_session.bestTimes.loadBestTimes(); };
    m_opening.showInstructions = [this] { help().showHelp(); };
    m_opening.showAbout = [this](const std::string& theme) { about().showAbout(theme); };
    m_opening.startStory = [this](const std::string& theme) { startStory(theme); };
    m_opening.showBestTimes = [this] {
        bestTimes().showTimes(m_session.bestTimes.bestTimes());
        if (!bestTimes().chosenRun().empty()) watchRunFile(bestTimes().chosenRun());
    };
}

ProgramWindows::~ProgramWindows() = default;

GameScreen& ProgramWindows::gameScreen() {
    if (!m_game) {
        m_game = std::make_unique<GameScreen>(m_session);
        m_map = std::make_unique<MapWindow>();
        m_game->setWindows(&m_opening, m_map.get(), nullptr);
        m_game->setEndScreenSource([this] { return &endScreen(); });
        m_game->showStory = [this] { story().showStory(m_session.themeName); };
        made(*m_game);
        made(*m_map);
    }
    return *m_game;
}

void ProgramWindows::prepareGame() {
    if (m_game) return;
    // Drawing each window once into a picture lays it out and loads what its painting
    // needs (styles, glyphs, pictures); its first showing then only draws.
    (void)gameScreen().grab();
    (void)m_map->grab();
    // The windows' own handles are made now too, and the busy cursor shown while a
    // maze is made is loaded from the cursor theme (the first load reads its files):
    // set on the hidden game screen and taken off again, it is kept for Enter.
    (void)m_game->winId();
    (void)m_map->winId();
    m_game->setCursor(Qt::WaitCursor);
    m_game->unsetCursor();
}

MapWindow& ProgramWindows::mapWindow() {
    gameScreen();
    return *m_map;
}

EndScreen& ProgramWindows::endScreen() {
    if (!m_end) {
        m_end = std::make_unique<EndScreen>(m_session);
        m_end->showGameStats = [this](int rank) { showGameStats(rank); };
        made(*m_end);
    }
    return *m_end;
}

StatisticsScreen& ProgramWindows::statistics() {
    if (!m_stats) {
        m_stats = std::make_unique<StatisticsScreen>(m_session);
        made(*m_stats);
    }
    return *m_stats;
}

BestTimesScreen& ProgramWindows::bestTimes() {
    if (!m_bestTimes) {
        m_bestTimes = std::make_unique<BestTimesScreen>(statistics());
        m_bestTimes->speak = [this](const std::string& words) { m_session.spoken.sayNow(words); };
        made(*m_bestTimes);
    }
    return *m_bestTimes;
}

HelpWindow& ProgramWindows::help() {
    if (!m_help) {
        m_help = std::make_unique<HelpWindow>();
        made(*m_help);
    }
    return *m_help;
}

StoryWindow& ProgramWindows::story() {
    if (!m_story) {
        m_story = std::make_unique<StoryWindow>(programFolder());
        m_story->setStartStory(m_startStory);
        m_story->speak = [this](const std::string& words) { m_session.spoken.sayNow(words); };
        made(*m_story);
    }
    return *m_story;
}

AboutBox& ProgramWindows::about() {
    if (!m_about) {
        m_about = std::make_unique<AboutBox>(programFolder());
        m_about->speak = [this](const std::string& words) { m_session.spoken.sayNow(words); };
        made(*m_about);
    }
    return *m_about;
}

bool ProgramWindows::watchRun(const RunRecord& run) {
    if (m_watch && m_watch->watching()) return false;
    GameScreen& screen = gameScreen();
    if (screen.isVisible()) {
        errorBox("Error", "A run cannot be watched while a game is played.");
        return false;
    }
    m_watch = std::make_unique<RunWatch>(m_session, screen, m_map.get(), run);
    m_watch->ended = [this] { m_opening.show(); };
    m_opening.stepAside();
    if (m_watch->start()) return true;
    m_opening.show();
    return false;
}

bool ProgramWindows::watchRunFile(const std::string& path) {
    RunRecord run;
    if (const RunReadProblem problem = readRunFile(path, run)) {
        errorBox("Load Error", "The run " + path + " cannot be watched: " + problem.text + ".");
        return false;
    }
    return watchRun(run);
}

void ProgramWindows::startStory(const std::string& theme) {
    const std::string folder = themeFolder(programFolder(), theme);
    if (!m_story && (folder.empty() || themeStory(folder).empty())) {
        m_startStory = false; // what showing no story leaves in the window
        return;
    }
    story().setStartStory(true);
    story().showStory(theme);
}

void ProgramWindows::showGameStats(int rank) {
    statistics().showGameStats(
        rank, gameStatsSource(gameScreen(), m_opening.levelCaption().toStdString(), mapWindow()));
}

void ProgramWindows::made(QWidget& window) {
    if (windowMade) windowMade(window);
}

} // namespace quorvel
