// Program entry of Quorvel 3-D: one running copy, the command line, the
// open-access pass, then the windows; the opening screen takes over from there.

#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QWidget>

#include "access.h"
#include "commandline.h"
#include "progfolder.h"
#include "singleinstance.h"
#include "startup.h"
#include "textutil.h"
#include "tfmessage.h"

namespace {

std::vector<std::string> gamearguments(const QStringList& arguments) {
    std::vector<std::string> args;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments[i].toStdString());
    return args;
}

// Stands in for the opening screen until it exists: the one window created visible.
std::unique_ptr<QWidget> createopeningscreen() {
    auto form = std::make_unique<QWidget>();
    form->setObjectName("Tform1");
    form->setWindowTitle(
        QString::fromUtf8(quorvel::applicationtitle.data(),
                          static_cast<qsizetype>(quorvel::applicationtitle.size())));
    form->setFixedSize(632, 453);
    quorvel::openingscreencreate(); // the opening screen's FormCreate
    return form;
}

} // namespace

int main(int argc, char** argv) {
    using namespace quorvel;
    initprogramfolders();
    // A second copy ends here, silently, before any window exists.
    if (!singleinstance(singleinstancename)) return 0;

    QApplication app(argc, argv); // takes Qt's own options off the command line
    QApplication::setApplicationName("quorvel3d");
    QApplication::setApplicationVersion(QString::fromStdString(versiontext()));
    readcommandline(gamearguments(QApplication::arguments()));
    openfileaccess();

    // Windows in their fixed order. The message dialog comes first and stays hidden.
    std::unique_ptr<TfMessage> message(createfmessage());
    std::unique_ptr<QWidget> form1 = createopeningscreen();
    form1->show();
    return app.exec();
}
