#include "app/program.h"

#include <QApplication>
#include <QDialog>
#include <QCoreApplication>
#include <QIcon>
#include <QTimer>

#include "app/commandline.h"
#include "app/programwindows.h"
#include "files/registry.h"
#include "screens/gamepad.h"
#include "screens/gamescreen.h"
#include "screens/openingscreen.h"
#include "play/session.h"
#include "sound/audio.h"
#include "sound/systemspeaker.h"
#include "text/textutil.h"
#include "view/viewcomposer.h"
#include "widgets/afterpaint.h"
#include "widgets/dialogs.h"
#include "widgets/timing.h"

namespace quorvel {

namespace {

// The music player, handed to the session, which owns it; silent without a device. It
// starts once the opening screen is painted, and the intro waits for it.
Audio& giveSound(Session& session) {
    auto audio = std::make_unique<Audio>();
    audio->startLater();
    Audio& sound = *audio;
    session.sound = std::move(audio);
    return sound;
}

// The program's icon in the sizes a window's frame, task bar and switcher show; the
// desktop's launchers take the larger ones from the installed icons. Set once the first
// window is painted, as no paint shows it.
void setProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QString(":/pictures/icon%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

// The program's entry in the maker-wide registry, brought up to date at every start
// (its last run changes): a write to the disk, which the first window does not wait for.
void registerProgram() {
    const std::string version = versionText();
    registerSoftware({.name = "Quorvel 3D",
                      .version = version,
                      .hint = "A random 3-D maze",
                      .acceptUserName = true});
}

// The player named on the command line (switch U), handed to the opening screen.
Session& nameFromCommandLine(Session& session) {
    session.namedPlayer = getSwitch('U');
    return session;
}

} // namespace

Program::Program(Session& session)
    : m_audio(giveSound(session)),
      m_opening(std::make_unique<OpeningScreen>(nameFromCommandLine(session))),
      m_windows(std::make_unique<ProgramWindows>(session, *m_opening)) {
    // Spoken play makes the speech service only when the player first switches it on;
    // every message box says its words to it.
    session.spoken.makeSpeaker = makeSystemSpeaker;
    QObject::connect(m_opening.get(), &OpeningScreen::programEnding, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    dialogShown = [&session](const std::string& words) { session.spoken.sayNow(words); };
}

Program::~Program() {
    dialogShown = nullptr;
    // The controllers find the windows, so they go first.
    m_gamepad.reset();
    m_windows.reset();
    m_opening.reset();
}

void Program::start(const std::optional<MazeNumber>& maze, const RunRecord* replay) {
    if (replay) {
        QTimer::singleShot(0, m_opening.get(), [this] { prepareFirstGame(); });
        if (!m_windows->watchRun(*replay)) m_opening->show();
    } else if (maze) {
        // The game makes what it needs itself; the rest follows as it opens.
        QTimer::singleShot(0, m_opening.get(), [this] { prepareFirstGame(); });
        m_opening->playMazeNumber(*maze);
    } else {
        afterNextPaint(m_opening.get(), [this] { prepareFirstGame(); });
        m_opening->show();
    }
    markNextPaint(m_opening.get(), "first-window");
}

// The program's icon and its entry in the registry, the pictures, the sound, the fonts,
// and the game controllers, which play as the keys do in whichever window is in front.
// Bound to the opening screen, so nothing of it runs once the program is gone.
void Program::prepareFirstGame() {
    preloadBuiltinPictures(m_opening->devicePixelRatioF());
    m_audio.start(); // the intro first
    QTimer::singleShot(0, m_opening.get(), [] {
        setProgramIcon();
        registerProgram();
    });
    QTimer::singleShot(0, m_opening.get(), [] { GameScreen::prepareFonts(); });
    QTimer::singleShot(0, m_opening.get(), [this] { m_gamepad = std::make_unique<Gamepad>(); });
    // While the player reads the opening screen, the game's windows are made, so that
    // Enter only makes the maze.
    QTimer::singleShot(0, m_opening.get(), [this] { m_windows->prepareGame(); });
}

void Program::windDown() {
    if (m_windDownSteps > 0) return; // already under way
    windDownStep();
}

// One window or question at a time, each from the event loop, so that the loop of a
// question answered returns before the next step looks at what is left.
void Program::windDownStep() {
    constexpr int patience = 1000; // steps of 10 ms: a maze being made is waited for
    if (++m_windDownSteps > patience) {
        QCoreApplication::exit(1);
        return;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    } else if (m_windows->gameScreenMade() && m_windows->gameScreen().isVisible()) {
        m_windows->gameScreen().leaveGame();
    } else if (m_opening->isVisible()) {
        m_opening->close(); // keeps the player's choices and ends the program
    } else {
        QCoreApplication::quit();
        return;
    }
    QTimer::singleShot(10, m_opening.get(), [this] { windDownStep(); });
}

} // namespace quorvel
