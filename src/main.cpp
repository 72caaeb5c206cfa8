// Program entry of Quorvel 3-D: one running copy, the command line, the
// open-access pass, then the windows; the opening screen takes over from there.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>

#include <QIcon>
#include <QLabel>

#include "aboutbox.h"
#include "access.h"
#include "audio.h"
#include "besttimesscreen.h"
#include "commandline.h"
#include "endscreen.h"
#include "gamescreen.h"
#include "helpwindow.h"
#include "mapwindow.h"
#include "messagedialog.h"
#include "openingscreen.h"
#include "programfolder.h"
#include "resources.h"
#include "savedgames.h"
#include "session.h"
#include "singleinstance.h"
#include "startup.h"
#include "statisticsscreen.h"
#include "storywindow.h"
#include "textutil.h"
#include "timing.h"
#include "windowsystem.h"

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

/// Reads the program's own options and decides the window system; ends the program
/// (--help, --version, a bad command line, no display) or gives the arguments for Qt.
std::vector<std::string> qtArguments(int argc, char** argv) {
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
    std::vector<std::string> args{program};
    if (platform.useXcb) args.insert(args.end(), {"-platform", "xcb"});
    args.insert(args.end(), options.passOn.begin(), options.passOn.end());
    return args;
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
    initProgramFolders();
    // A second copy ends here, silently, before any window exists.
    if (!singleInstance(singleInstanceName)) return 0;

    // Qt takes its own options off what is left of the command line.
    const std::unique_ptr<QApplication> app = openWindowSystem(qtArguments(argc, argv));
    QApplication::setApplicationName("quorvel3d");
    QGuiApplication::setDesktopFileName("quorvel3d");
    QApplication::setApplicationVersion(QString::fromStdString(versionText()));
    readCommandLine(gameArguments(QApplication::arguments()));
    openFileAccess();

    // Only the opening screen ends the program, by closing; the hidden message dialog
    // stands for the main window, so no other window closing may end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    initResources();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/pictures/icon%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    Session session;

    // Windows in their fixed order, created once for the whole run. The message dialog
    // comes first and stays hidden; the opening screen's creation does its start-up work.
    std::unique_ptr<MessageDialog> message(createMessageDialog());
    auto form1 = std::make_unique<OpeningScreen>(session);
    auto form2 = std::make_unique<GameScreen>(session);
    session.sound = std::make_unique<Audio>(); // the music player; silent without a device
    auto stats = std::make_unique<StatisticsScreen>(session);
    auto bestTimes = std::make_unique<BestTimesScreen>(*stats);
    auto help = std::make_unique<HelpWindow>();
    auto winner = std::make_unique<EndScreen>(session);
    auto story = std::make_unique<StoryWindow>(programFolder());
    auto about = std::make_unique<AboutBox>(programFolder());
    auto map = std::make_unique<MapWindow>();
    form2->setWindows(form1.get(), map.get(), winner.get());
    form1->setWindows(form2.get(), map.get());

    Game& game = form2->game();
    form1->loadGame = [&](const std::string& player, int level) {
        return loadGame(player, level, game, *map, *session.clock);
    };
    form1->loadBestTimes = [&] { session.bestTimes.loadBestTimes(); };
    form1->showInstructions = [&] { help->showHelp(); };
    form1->showAbout = [&](const std::string& theme) { about->showAbout(theme); };
    form1->startStory = [&](const std::string& theme) {
        story->setStartStory(true);
        story->showStory(theme);
    };
    form2->showStory = [&] { story->showStory(session.themeName); };
    form1->showBestTimes = [&] { bestTimes->showTimes(session.bestTimes.bestTimes()); };
    winner->showGameStats = [&](int rank) {
        const OverheadMap& om = map->overheadMap();
        stats->showGameStats(rank, GameStatsSource{form2->nameLabel->text().toStdString(),
                                                   form1->levelCaption().toStdString(),
                                                   form2->clockLabel->text().toStdString(),
                                                   form2->gemCount->text().toStdString(),
                                                   form2->stepCounter->text().toStdString(),
                                                   om.placedTally(), om.remainingTally()});
    };

    form1->show();
    markNextPaint(form1.get(), "first-window");
    return app->exec();
}
