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

#include "app/commandline.h"
#include "app/program.h"
#include "files/access.h"
#include "files/programfolder.h"
#include "files/runfiles.h"
#include "files/savedgamefiles.h"
#include "files/singleinstance.h"
#include "game/mazenumber.h"
#include "platform/crashtrace.h"
#include "platform/endsignals.h"
#include "platform/fontconfiguration.h"
#include "platform/windowsystem.h"
#include "play/session.h"
#include "resources/resources.h"
#include "screens/openingscreen.h"
#include "text/textutil.h"
#include "widgets/language.h"

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

/// What the command line asks of a run that plays: the arguments for Qt (the switches
/// among them) and the maze to start at once or the run to watch, if any.
struct RunArguments {
    std::vector<std::string> qt;
    std::optional<quorvel::MazeNumber> maze;
    std::optional<quorvel::RunRecord> replay;
    bool speech = false;
};

/// Shows control bytes of what the user typed as '?', so they never reach the terminal.
std::string printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return text;
}

/// Reads the program's own options and decides the window system; ends the program
/// (--help, --version, a bad command line, no display) or gives what the run needs.
RunArguments runArguments(int argc, char** argv) {
    using namespace quorvel;
    const std::string program = argc > 0 ? argv[0] : "quorvel3d";
    const std::string name = program.substr(program.find_last_of('/') + 1);
    const ProgramOptions options =
        readProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
    switch (options.action) {
    case ProgramOptions::Action::help: {
        // Before any application exists: the translation is read for --help alone.
        initResources();
        const std::string language = chooseLanguage(variable);
        const std::string usage =
            usageText(name, [&language](const char* context, const char* text) {
                return translateEarly(language, context, text);
            });
        std::fputs(usage.c_str(), stdout);
        std::exit(0);
    }
    case ProgramOptions::Action::version: std::puts(versionLine().c_str()); std::exit(0);
    case ProgramOptions::Action::refuse:
        std::fprintf(stderr, "%s: %s; try '%s --help'\n", name.c_str(), options.refusal.c_str(),
                     name.c_str());
        std::exit(2);
    case ProgramOptions::Action::play: break;
    }
    // A run to watch is read before any window, so a file that is no run is refused as
    // a bad command line is.
    std::optional<RunRecord> replay;
    if (options.replay) {
        replay.emplace();
        if (const RunReadProblem problem = readRunFile(*options.replay, *replay)) {
            std::fprintf(stderr, "%s: cannot watch '%s': %s; try '%s --help'\n", name.c_str(),
                         printable(*options.replay).c_str(), printable(problem.text).c_str(),
                         name.c_str());
            std::exit(2);
        }
    }
    const PlatformChoice platform = choosePlatform(options.passOn, variable);
    if (platform.noDisplay) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), std::string(noDisplayMessage).c_str());
        std::exit(1);
    }
    RunArguments run{{program}, options.maze, std::move(replay), options.speech};
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
    // A crash writes its stack to standard error before it ends the program.
    traceCrashes("quorvel3d");
    // --help, --version and a bad command line answer even while another copy runs,
    // and before the program folder is made.
    RunArguments arguments = runArguments(argc, argv);
    initProgramFolders();
    // A second copy ends here, silently, before any window exists.
    if (!singleInstance(singleInstanceName)) return 0;
    // Only the copy that holds the guard finishes what a killed run left half written.
    tidyAfterEarlierRun();
    // Before Qt's first font: the desktop's font configuration without the samples
    // fontconfig would read besides it.
    loadFontConfiguration();

    // Qt takes its own options off what is left of the command line.
    const std::unique_ptr<QApplication> app = openWindowSystem(std::move(arguments.qt));
    // The desktop's language, before the first text is made.
    initResources();
    installTranslations(chooseLanguage(variable));
    QApplication::setApplicationName("quorvel3d");
    QGuiApplication::setDesktopFileName("example.tendrik.quorvel3d");
    QApplication::setApplicationVersion(QString::fromStdString(versionText()));
    readCommandLine(gameArguments(QApplication::arguments()));
    openFileAccess();

    // Only the opening screen ends the program, by closing; no other window closing
    // may end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    Session session;
    // Only the opening screen is made now; the other windows when they are first needed.
    Program program(session);
    // Asked for, spoken play speaks from the first window on; the service starts now. (A
    // screen reader at a first start does the same: the opening screen asks the desktop.)
    if (arguments.speech) session.spoken.startOn();
    program.start(arguments.maze, arguments.replay ? &*arguments.replay : nullptr);
    // Asked to end by the desktop, the program closes as the player would close it.
    onEndSignals(&program.openingScreen(), [&program](int) { program.windDown(); });
    return app->exec();
}
