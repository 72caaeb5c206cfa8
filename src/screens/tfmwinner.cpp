#include "tfmwinner.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "resources.h"
#include "session.h"
#include "viewcomposer.h"

namespace quorvel {

namespace {
constexpr int resultyes = 6, resultno = 7, resultcancel = 2;
}

Tfmwinner::Tfmwinner(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_session(session) {
    setObjectName("Tfmwinner");
    setWindowTitle("Info");
    setFixedSize(294, 186);
    setModal(true);
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    setFont(font);

    imendgame = new QLabel(this);
    imendgame->setObjectName("imendgame");
    imendgame->setGeometry((294 - 115) / 2, 6, 115, 85);
    imendgame->setAlignment(Qt::AlignCenter);

    lblWinnMsg = new QLabel(this);
    lblWinnMsg->setObjectName("lblWinnMsg");
    lblWinnMsg->setGeometry(20, 96, 253, 29);
    lblWinnMsg->setWordWrap(true);
    lblWinnMsg->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    lblWinnMsg2 = new QLabel(this);
    lblWinnMsg2->setObjectName("lblWinnMsg2");
    lblWinnMsg2->setGeometry(20, 127, 253, 13);
    lblWinnMsg2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Each button closes the dialog with its answer; Stats first opens the statistics.
    const auto button = [this](const char* name, const QString& caption, int x, int result,
                               bool stats = false) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, 150, 75, 25);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, result, stats] {
            if (stats && showgamestats) showgamestats(m_rank);
            done(result);
        });
        return b;
    };
    btnYes = button("btnYes", "&Yes", 66, resultyes);
    btnNo = button("btnNo", "&No", 153, resultno);
    btnClose = button("btnClose", "Close", 66, resultcancel);
    btnStats = button("btnStats", "Stats...", 153, resultcancel, true);

    initresources();
    imwinner = QImage(":/pictures/winner.png");
    imlooser = QImage(":/pictures/loser.png");
    imquit = QImage(":/pictures/quit.png");
}

void Tfmwinner::setpicture(const QImage& picture) {
    // The picture keeps its shape inside the 115 x 85 area, its background left out.
    QImage area(115, 85, QImage::Format_ARGB32);
    area.fill(Qt::transparent);
    if (!picture.isNull()) {
        const QImage fitted =
            withoutkey(picture).scaled(115, 85, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter p(&area);
        p.drawImage((115 - fitted.width()) / 2, (85 - fitted.height()) / 2, fitted);
    }
    imendgame->setPixmap(QPixmap::fromImage(area));
}

Answer Tfmwinner::showend(const EndScreen& screen) {
    setWindowTitle(QString::fromStdString(screen.caption));
    setpicture(screen.kind == EndKind::win    ? imwinner
               : screen.kind == EndKind::lose ? imlooser
                                              : imquit);
    lblWinnMsg->setText(QString::fromStdString(
        m_session.catalogue.getmessage(screen.messagekey, m_session.playername)));
    lblWinnMsg2->setText(QString::fromStdString(screen.message2));
    btnYes->setVisible(screen.kind == EndKind::quit);
    btnNo->setVisible(screen.kind == EndKind::quit);
    btnClose->setVisible(screen.kind != EndKind::quit);
    btnStats->setVisible(screen.kind == EndKind::win);
    // Esc answers Close, or No on the save offer.
    (screen.kind == EndKind::quit ? btnYes : btnClose)->setDefault(true);
    m_soundname = screen.sound;
    m_soundfallback.clear();
    m_rank = screen.rank;
    const int result = exec();
    return result == resultyes ? Answer::yes : result == resultno ? Answer::no : Answer::close;
}

void Tfmwinner::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_session.sound->stopmusic();
    if (m_soundname.empty())
        m_session.sound->stopsound();
    else
        m_session.sound->playsoundfx(m_session.themename, m_soundname, m_soundfallback, 1);
}

void Tfmwinner::done(int result) {
    // Esc closes with the Cancel answer, or No while the save offer asks.
    if (result == QDialog::Rejected) result = btnNo->isVisible() ? resultno : resultcancel;
    QDialog::done(result);
    // The next caller shows the buttons it needs.
    for (QPushButton* b : {btnYes, btnNo, btnClose, btnStats})
        b->hide();
    QCoreApplication::processEvents();
}

} // namespace quorvel
