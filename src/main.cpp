// Program entry of Quorvel 3-D: one running copy, the command line, the
// open-access pass, then the windows; the opening screen takes over from there.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>

#include <QIcon>

#include "aboutbox.h"
#include "access.h"
#include "audio.h"
#include "besttimesscreen.h"
#include "commandline.h"
#include "endscreen.h"
#include "gamepad.h"
#include "gamescreen.h"
#include "helpwindow.h"
#include "mapwindow.h"
#include "mazenumber.h"
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

namespace {

std::vector<std::string> gameArguments(const QStringList& arguments) {
    std::vector<std::string> args;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments[i].toStdString());
    return args;
}

} // namespace

int main(int argc, char** argv) {
    using namespace quorvel;
    // --maze L-S (or --maze=L-S) comes off the command line before anything reads it; a
    // bad maze number ends the run here, before any file or window.
    const MazeOption mazeOption = takeMazeOption(argc, argv);
    if (!mazeOption.error.empty()) {
        std::fprintf(stderr, "%s\n", mazeOption.error.c_str());
        return 2;
    }

    initProgramFolders();
    // A second copy ends here, silently, before any window exists.
    if (!singleInstance(singleInstanceName)) return 0;

    QApplication app(argc, argv); // takes Qt's own options off the command line
    QApplication::setApplicationName("quorvel3d");
    QGuiApplication::setDesktopFileName("example.tendrik.quorvel3d");
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
    Gamepad gamepad; // a game controller plays as the keys do, in whichever window is in front

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
        stats->showGameStats(rank,
                             gameStatsSource(*form2, form1->levelCaption().toStdString(), *map));
    };

    if (mazeOption.number)
        form1->playMazeNumber(*mazeOption.number); // the opening screen comes after that game
    else
        form1->show();
    return app.exec();
}
