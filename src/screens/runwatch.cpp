#include "screens/runwatch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "game/game.h"
#include "play/runverdict.h"
#include "screens/gamescreen.h"
#include "screens/mapwindow.h"
#include "play/session.h"
#include "text/textcodec.h"
#include "text/textutil.h"
#include "theme/theme.h"
#include "widgets/dialogs.h"
#include "widgets/qtext.h"
#include "widgets/timing.h"

namespace quorvel {

namespace {

/// The longest wait between two events, in seconds of the game clock: the clock ticks
/// every second, so a longer gap is a clock that stood still (a machine asleep).
constexpr double longestWait = 2.0;
/// Events played in one turn of the event loop when the watch has fallen behind.
constexpr int eventsPerTurn = 200;
/// The characters of a player's name in the title, as many as a best time keeps.
constexpr std::size_t longestTitleName = 20;
/// The watch's keys on the game screen: right of the move buttons, left of the items.
constexpr QRect keyLinePlace(148, 298, 100, 150);

} // namespace

RunWatch::RunWatch(Session& session, GameScreen& screen, MapWindow* map, RunRecord run)
    : m_session(session), m_screen(screen), m_map(map), m_run(std::move(run)), m_host(screen),
      m_timer(new QTimer(this)) {
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &RunWatch::playDue);
}

RunWatch::~RunWatch() {
    if (m_watching) {
        blockSignals(true); // the owner is going
        stop();
    }
}

bool RunWatch::start() {
    if (m_watching || m_screen.isVisible()) return false;
    Game& game = m_screen.game();
    m_watching = true;
    m_ownTheme = m_session.themeName;
    // The run's own theme when it is there; its words and pictures are only for show.
    m_session.themeName = isTheme(m_run.theme) ? m_run.theme : std::string(defaultTheme);
    game.redirect(m_host, m_host, m_clock);
    m_player = std::make_unique<RunPlayer>(m_run, game, m_clock, m_session.rng, m_host);

    // The maze is made before the screen shows, as Enter makes it.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    while (m_player->played() < m_player->size() &&
           m_run.events[m_player->played()].action != RunAction::begin && m_player->step()) {
    }
    QApplication::restoreOverrideCursor();
    if (m_map) {
        m_map->setWatching(true);
        m_map->setupMap(&m_screen, game.maze(), m_session.playerName);
    }
    m_screen.startWatching(*this, m_run.player);
    showTitle();
    m_session.sound->playMusic(m_session.themeName, "Music");
    m_screen.show();
    m_screen.raise();
    if (m_map) {
        m_map->show();
        m_map->raise();
    }
    m_screen.activateWindow();
    m_screen.setFocus();
    rebase(m_player->nextTime());
    m_timer->start(0);
    return true;
}

void RunWatch::stop() {
    if (!m_watching) return;
    m_timer->stop();
    close();
}

std::size_t RunWatch::played() const {
    return m_player ? m_player->played() : 0;
}

double RunWatch::watchTime() const {
    if (m_paused || !m_since.isValid()) return m_from;
    return m_from + m_since.nsecsElapsed() / 1e9 * rate() / secondsPerDay;
}

void RunWatch::rebase(double time) {
    m_from = time;
    m_since.start();
}

void RunWatch::setPaused(bool paused) {
    if (!m_watching || paused == m_paused) return;
    rebase(watchTime());
    m_paused = paused;
    if (m_paused)
        m_timer->stop();
    else
        scheduleNext();
    showTitle();
}

void RunWatch::stepOnce() {
    if (!m_watching || !m_paused) return;
    if (!playOne() || m_player->played() >= m_player->size()) {
        finish();
        return;
    }
    rebase(std::max(m_from, m_run.events[m_player->played() - 1].time));
}

void RunWatch::setSpeed(int speed) {
    if (speed != 1 && speed != 2 && speed != 4) return;
    rebase(watchTime());
    m_speed = speed;
    showTitle();
    if (m_watching && !m_paused) scheduleNext();
}

void RunWatch::setPace(double factor) {
    if (factor <= 0) return;
    rebase(watchTime());
    m_pace = factor;
    if (m_watching && !m_paused) scheduleNext();
}

bool RunWatch::playOne() {
    const std::size_t next = m_player->played();
    if (next >= m_player->size()) return false;
    // A saved game taken up again starts a new sitting on the screen, as showing it did.
    if (m_run.events[next].action == RunAction::begin && m_sittings++ > 0)
        m_screen.prepareSitting();
    return m_player->step();
}

void RunWatch::playDue() {
    if (!m_watching || m_paused) return;
    for (int n = 0; n < eventsPerTurn; ++n) {
        if (m_player->played() >= m_player->size() || m_player->nextTime() > watchTime()) break;
        if (!playOne()) break;
    }
    if (m_player->departure() || m_player->played() >= m_player->size()) {
        finish();
        return;
    }
    scheduleNext();
}

void RunWatch::scheduleNext() {
    if (!m_player || m_player->played() >= m_player->size()) return;
    const double next = m_player->nextTime();
    const double last = m_player->played() > 0 ? m_run.events[m_player->played() - 1].time : next;
    // A long pause of the game clock is cut short, so a watch never stands still.
    if (next - last > longestWait / secondsPerDay && watchTime() < next)
        rebase(std::max(watchTime(), next - longestWait / secondsPerDay));
    const double wait = (next - watchTime()) * secondsPerDay / rate() * 1000;
    m_timer->start(static_cast<int>(std::clamp(wait, 0.0, longestWait * 1000)));
}

void RunWatch::finish() {
    m_timer->stop();
    m_verdict = watchVerdict(m_run, m_screen.game().run().outcome, m_player->departure());
    if (timingWanted()) {
        std::printf("quorvel3d-watch %s\n", m_verdict.c_str());
        std::fflush(stdout);
    }
    showDialog(dkNotice, applicationTitle,
               watchVerdict(m_run, m_screen.game().run().outcome, m_player->departure(), true));
    close();
}

void RunWatch::close() {
    Game& game = m_screen.game();
    if (game.playing()) game.end(); // stopped halfway: the game on the screen ends unseen
    m_screen.hide();
    m_screen.stopWatching();
    if (m_map) m_map->setWatching(false);
    game.restoreHostAndClock();
    m_session.themeName = m_ownTheme;
    loadTheme(m_session.catalogue, m_session.themeName);
    m_watching = false;
    m_paused = false;
    if (m_keyLine) m_keyLine->hide();
    emit ended();
}

bool RunWatch::watchKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Space:
        if (!event.isAutoRepeat()) setPaused(!m_paused);
        return true;
    case Qt::Key_Right: stepOnce(); return true;
    case Qt::Key_1: setSpeed(1); return true;
    case Qt::Key_2: setSpeed(2); return true;
    case Qt::Key_4: setSpeed(4); return true;
    case Qt::Key_Escape: stop(); return true;
    default: return false;
    }
}

QString RunWatch::title() const {
    // A name longer than a best time keeps is cut there, with an ellipsis; the game
    // screen's name line holds it whole.
    QString player = qText(cutChars(m_run.player, longestTitleName));
    if (charcount(m_run.player) > longestTitleName) player += QChar(0x2026);
    if (player.isEmpty()) player = tr("a player");
    return tr("Watching %1's run: %2").arg(player, m_paused ? tr("paused") : tr("%1x").arg(m_speed));
}

QString RunWatch::keyHelp() const {
    return m_paused ? tr("Space goes on\nRight plays one event\n1, 2, 4: speed\nEsc stops")
                    : tr("Space pauses\n1, 2, 4: speed\nEsc stops");
}

// The title says who played and how fast; the keys stand on the game screen, in the free
// space right of the move buttons, where every scale leaves them room.
void RunWatch::showTitle() {
    if (!m_watching) return;
    m_screen.setWindowTitle(title());
    if (!m_keyLine) m_keyLine = m_screen.findChild<QLabel*>("watchKeys"); // an earlier watch's
    if (!m_keyLine) {
        m_keyLine = new QLabel(&m_screen);
        m_keyLine->setObjectName("watchKeys");
        m_keyLine->setGeometry(keyLinePlace);
        m_keyLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_keyLine->setWordWrap(true);
        m_keyLine->setTextFormat(Qt::PlainText);
    }
    m_keyLine->setText(keyHelp());
    m_keyLine->show();
}

} // namespace quorvel
