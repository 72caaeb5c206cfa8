// Program entry of Quorvel 3-D: one running copy, the command line, the
// open-access pass, then the windows; the opening screen takes over from there.

#include <memory>
#include <string>
#include <vector>

#include <QApplication>

#include <QIcon>
#include <QLabel>

#include "access.h"
#include "audio.h"
#include "commandline.h"
#include "progfolder.h"
#include "resources.h"
#include "savedgames.h"
#include "session.h"
#include "singleinstance.h"
#include "startup.h"
#include "textutil.h"
#include "tfabout.h"
#include "tfhelp.h"
#include "tfmap.h"
#include "tfmbesttimes.h"
#include "tfmessage.h"
#include "tfmwinner.h"
#include "tform1.h"
#include "tform2.h"
#include "tfstats.h"
#include "tfstory.h"

namespace {

std::vector<std::string> gamearguments(const QStringList& arguments) {
    std::vector<std::string> args;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments[i].toStdString());
    return args;
}

} // namespace

int main(int argc, char** argv) {
    using namespace quorvel;
    initprogramfolders();
    // A second copy ends here, silently, before any window exists.
    if (!singleinstance(singleinstancename)) return 0;

    QApplication app(argc, argv); // takes Qt's own options off the command line
    QApplication::setApplicationName("quorvel3d");
    QGuiApplication::setDesktopFileName("quorvel3d");
    QApplication::setApplicationVersion(QString::fromStdString(versiontext()));
    readcommandline(gamearguments(QApplication::arguments()));
    openfileaccess();

    // Only the opening screen ends the program, by closing; the hidden message dialog
    // stands for the main window, so no other window closing may end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    initresources();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/pictures/icon%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    Session session;

    // Windows in their fixed order, created once for the whole run. The message dialog
    // comes first and stays hidden; the opening screen's creation does its start-up work.
    std::unique_ptr<TfMessage> message(createfmessage());
    auto form1 = std::make_unique<Tform1>(session);
    auto form2 = std::make_unique<Tform2>(session);
    session.sound = std::make_unique<Audio>(); // the music player; silent without a device
    auto stats = std::make_unique<TfStats>(session);
    auto besttimes = std::make_unique<TFmBestTimes>(*stats);
    auto help = std::make_unique<TfHelp>();
    auto winner = std::make_unique<Tfmwinner>(session);
    auto story = std::make_unique<TfStory>(progfolder());
    auto about = std::make_unique<TfAbout>(progfolder());
    auto map = std::make_unique<TfMap>();
    form2->setwindows(form1.get(), map.get(), winner.get());
    form1->setwindows(form2.get(), map.get());

    Game& game = form2->game();
    form1->loadgame = [&](const std::string& player, int level) {
        return loadgame(player, level, game, *map, *session.clock);
    };
    form1->loadbesttimes = [&] { session.besttimes.loadbesttimes(); };
    form1->showinstructions = [&] { help->showhelp(); };
    form1->showabout = [&](const std::string& theme) { about->showabout(theme); };
    form1->startstory = [&](const std::string& theme) {
        story->setstartstory(true);
        story->showstory(theme);
    };
    form2->showstory = [&] { story->showstory(session.themename); };
    form1->showbesttimes = [&] { besttimes->showtimes(session.besttimes.besttimes()); };
    winner->showgamestats = [&](int rank) {
        const OverheadMap& om = map->overheadmap();
        stats->showgamestats(rank, GameStatsSource{form2->lblname->text().toStdString(),
                                                   form1->levelcaption().toStdString(),
                                                   form2->lblElapsed->text().toStdString(),
                                                   form2->lblstone->text().toStdString(),
                                                   form2->lblstepcounter->text().toStdString(),
                                                   om.placedtally(), om.remainingtally()});
    };

    form1->show();
    return app.exec();
}
