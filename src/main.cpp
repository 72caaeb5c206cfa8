// Program entry of Quorvel 3-D: one running copy, the command line, the
// open-access pass, then the windows; the opening screen takes over from there.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>

#include <QIcon>
#include <QTimer>

#include "access.h"
#include "afterpaint.h"
#include "audio.h"
#include "commandline.h"
#include "gamepad.h"
#include "gamescreen.h"
#include "mazenumber.h"
#include "openingscreen.h"
#include "programfolder.h"
#include "programwindows.h"
#include "resources.h"
#include "session.h"
#include "singleinstance.h"
#include "startup.h"
#include "textutil.h"
#include "timing.h"
#include "viewcomposer.h"
#include "windowsystem.h"

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

/// What the command line asks of a run that plays: the arguments for Qt (the switches
/// among them) and the maze to start at once, if any.
struct RunArguments {
    std::vector<std::string> qt;
    std::optional<quorvel::MazeNumber> maze;
};

/// Reads the program's own options and decides the window system; ends the program
/// (--help, --version, a bad command line, no display) or gives what the run needs.
RunArguments runArguments(int argc, char** argv) {
    using namespace quorvel;
    const std::string program = argc > 0 ? argv[0] : "quorvel3d";
    const std::string name = program.substr(program.find_last_of('/') + 1);
    const ProgramOptions options =
        readProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
    switch (options.action) {
    case ProgramOptions::Action::help: std::fputs(usageText(name).c_str(), stdout); std::exit(0);
    case ProgramOptions::Action::version: std::puts(versionLine().c_str()); std::exit(0);
    case ProgramOptions::Action::refuse:
        std::fprintf(stderr, "%s: %s; try '%s --help'\n", name.c_str(), options.refusal.c_str(),
                     name.c_str());
        std::exit(2);
    case ProgramOptions::Action::play: break;
    }
    const PlatformChoice platform = choosePlatform(options.passOn, variable);
    if (platform.noDisplay) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), std::string(noDisplayMessage).c_str());
        std::exit(1);
    }
    RunArguments run{{program}, options.maze};
    if (platform.useXcb) run.qt.insert(run.qt.end(), {"-platform", "xcb"});
    run.qt.insert(run.qt.end(), options.passOn.begin(), options.passOn.end());
    return run;
}

std::vector<std::string> gameArguments(const QStringList& arguments) {
    std::vector<std::string> args;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments[i].toStdString());
    return args;
}

} // namespace

int main(int argc, char** argv) {
    using namespace quorvel;
    // A file-size limit set by the shell makes a write fail (and the old file stay, as
    // on a full disk) instead of killing the game.
    std::signal(SIGXFSZ, SIG_IGN);
    // --help, --version and a bad command line answer even while another copy runs,
    // and before the program folder is made.
    RunArguments arguments = runArguments(argc, argv);
    initProgramFolders();
    // A second copy ends here, silently, before any window exists.
    if (!singleInstance(singleInstanceName)) return 0;

    // Qt takes its own options off what is left of the command line.
    const std::unique_ptr<QApplication> app = openWindowSystem(std::move(arguments.qt));
    QApplication::setApplicationName("quorvel3d");
    QGuiApplication::setDesktopFileName("example.tendrik.quorvel3d");
    QApplication::setApplicationVersion(QString::fromStdString(versionText()));
    readCommandLine(gameArguments(QApplication::arguments()));
    openFileAccess();

    // Only the opening screen ends the program, by closing; no other window closing
    // may end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    initResources();
    // The sizes a window's frame, task bar and switcher show; the desktop's launchers
    // take the larger ones from the installed icons.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QString(":/pictures/icon%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    Session session;
    // The music player; silent without a device. It starts once the opening screen is
    // painted, and the intro waits for it.
    auto audio = std::make_unique<Audio>();
    audio->startLater();
    Audio& sound = *audio;
    session.sound = std::move(audio);

    // Only the opening screen is made now; its creation does its start-up work. The
    // message dialog is made before the first message, the other windows when they are
    // first needed (programwindows.h).
    auto form1 = std::make_unique<OpeningScreen>(session);
    ProgramWindows windows(session, *form1);

    // What the first game needs and the opening screen does not waits for its first paint:
    // the pictures, the sound, the fonts, and the game controllers, which play as the keys
    // do in whichever window is in front.
    std::unique_ptr<Gamepad> gamepad;
    const auto afterFirstPaint = [&sound, &gamepad, &form1, &windows] {
        preloadBuiltinPictures(form1->devicePixelRatioF());
        sound.start();
        QTimer::singleShot(0, [] { GameScreen::prepareFonts(); });
        QTimer::singleShot(0, [&gamepad] { gamepad = std::make_unique<Gamepad>(); });
        // While the player reads the opening screen, the game's windows are made, so
        // that Enter only makes the maze.
        QTimer::singleShot(0, [&windows] { windows.prepareGame(); });
    };
    if (arguments.maze) {
        // A maze number from the command line is played at once (the game makes what it
        // needs itself); the opening screen comes when that game ends.
        QTimer::singleShot(0, afterFirstPaint);
        form1->playMazeNumber(*arguments.maze);
    } else {
        afterNextPaint(form1.get(), afterFirstPaint);
        form1->show();
    }
    markNextPaint(form1.get(), "first-window");
    return app->exec();
}
