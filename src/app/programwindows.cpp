#include "app/programwindows.h"

#include <QLabel>

#include "files/programfolder.h"
#include "files/runfiles.h"
#include "play/gamesession.h"
#include "play/session.h"
#include "screens/aboutbox.h"
#include "screens/besttimesscreen.h"
#include "screens/endscreen.h"
#include "screens/gamescreen.h"
#include "screens/gamewiring.h"
#include "screens/helpwindow.h"
#include "screens/mapwindow.h"
#include "screens/openingscreen.h"
#include "screens/runwatch.h"
#include "screens/statisticsscreen.h"
#include "screens/storywindow.h"
#include "text/gametext.h"
#include "theme/theme.h"
#include "widgets/dialogs.h"

namespace quorvel {

ProgramWindows::ProgramWindows(Session& session, OpeningScreen& openingScreen)
    : m_session(session), m_opening(openingScreen) {
    m_opening.setWindowSources([this] { return &gameScreen(); }, [this] { return &mapWindow(); },
                               [this] { return &gameSession(); });
    QObject::connect(&m_opening, &OpeningScreen::bestTimesNeeded, &m_opening,
                     [this] { m_session.bestTimes.loadBestTimes(); });
    QObject::connect(&m_opening, &OpeningScreen::instructionsWanted, &m_opening,
                     [this] { help().showHelp(); });
    QObject::connect(&m_opening, &OpeningScreen::aboutWanted, &m_opening,
                     [this](const std::string& theme) { about().showAbout(theme); });
    QObject::connect(&m_opening, &OpeningScreen::storyWanted, &m_opening,
                     [this](const std::string& theme) { startStory(theme); });
    QObject::connect(&m_opening, &OpeningScreen::bestTimesWanted, &m_opening,
                     [this] { showBestTimes(); });
}

void ProgramWindows::showBestTimes() {
    bestTimes().showTimes(m_session.bestTimes.bestTimes());
    if (!bestTimes().chosenRun().empty()) watchRunFile(bestTimes().chosenRun());
}

ProgramWindows::~ProgramWindows() = default;

GameScreen& ProgramWindows::gameScreen() {
    if (!m_game) {
        m_game = std::make_unique<GameScreen>(m_session);
        m_map = std::make_unique<MapWindow>();
        m_play = std::make_unique<GameSession>(m_session, m_game->game(), m_map->overheadMap());
        connectGame(*m_play, *m_game, *m_map);
        m_game->setWindows(&m_opening, m_map.get(), nullptr);
        m_game->setEndScreenSource([this] { return &endScreen(); });
        QObject::connect(m_game.get(), &GameScreen::storyWanted, m_game.get(),
                         [this] { story().showStory(m_session.themeName); });
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

GameSession& ProgramWindows::gameSession() {
    gameScreen();
    return *m_play;
}

EndScreen& ProgramWindows::endScreen() {
    if (!m_end) {
        m_end = std::make_unique<EndScreen>(m_session);
        QObject::connect(m_end.get(), &EndScreen::statisticsWanted, m_end.get(),
                         [this](int rank) { showGameStats(rank); });
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
        QObject::connect(m_bestTimes.get(), &BestTimesScreen::wordsToSay, m_bestTimes.get(),
                         [this](const std::string& words) { m_session.spoken.sayNow(words); });
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
        QObject::connect(m_story.get(), &StoryWindow::wordsToSay, m_story.get(),
                         [this](const std::string& words) { m_session.spoken.sayNow(words); });
        made(*m_story);
    }
    return *m_story;
}

AboutBox& ProgramWindows::about() {
    if (!m_about) {
        m_about = std::make_unique<AboutBox>(programFolder());
        QObject::connect(m_about.get(), &AboutBox::wordsToSay, m_about.get(),
                         [this](const std::string& words) { m_session.spoken.sayNow(words); });
        made(*m_about);
    }
    return *m_about;
}

bool ProgramWindows::watchRun(const RunRecord& run) {
    if (m_watch && m_watch->watching()) return false;
    GameScreen& screen = gameScreen();
    if (screen.isVisible()) {
        errorBox(gameText("quorvel::Problems", "Error"),
                 gameText("quorvel::Problems", "A run cannot be watched while a game is played."));
        return false;
    }
    m_watch = std::make_unique<RunWatch>(m_session, screen, m_map.get(), run);
    QObject::connect(m_watch.get(), &RunWatch::ended, &m_opening, [this] { m_opening.show(); });
    m_opening.stepAside();
    if (m_watch->start()) return true;
    m_opening.show();
    return false;
}

bool ProgramWindows::watchRunFile(const std::string& path) {
    RunRecord run;
    if (const RunReadProblem problem = readRunFile(path, run)) {
        errorBox(gameText("quorvel::Problems", "Load Error"),
                 fillIn(gameText("quorvel::Problems", "The run %1 cannot be watched: %2."),
                        {path, problem.text}));
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
