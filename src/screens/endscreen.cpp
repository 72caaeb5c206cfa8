#include "endscreen.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "resources.h"
#include "session.h"
#include "viewcomposer.h"
#include "windowframe.h"

namespace quorvel {

namespace {
constexpr int resultYes = 6, resultNo = 7, resultCancel = 2;
}

EndScreen::EndScreen(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_session(session) {
    setObjectName("Tfmwinner");
    setWindowTitle("Info");
    setFixedSize(294, 186);
    setModal(true);
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    setFont(font);

    endPicture = new QLabel(this);
    endPicture->setObjectName("imendgame");
    endPicture->setGeometry((294 - 115) / 2, 6, 115, 85);
    endPicture->setAlignment(Qt::AlignCenter);

    messageLine = new QLabel(this);
    messageLine->setObjectName("lblWinnMsg");
    messageLine->setGeometry(20, 96, 253, 29);
    messageLine->setWordWrap(true);
    messageLine->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    questionLine = new QLabel(this);
    questionLine->setObjectName("lblWinnMsg2");
    questionLine->setGeometry(20, 127, 253, 13);
    questionLine->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Each button closes the dialog with its answer; Stats first opens the statistics.
    const auto button = [this](const char* name, const QString& caption, int x, int result,
                               bool stats = false) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, 150, 75, 25);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, result, stats] {
            if (stats && showGameStats) showGameStats(m_rank);
            done(result);
        });
        return b;
    };
    yesButton = button("btnYes", "&Yes", 66, resultYes);
    noButton = button("btnNo", "&No", 153, resultNo);
    closeButton = button("btnClose", "Close", 66, resultCancel);
    statsButton = button("btnStats", "Stats...", 153, resultCancel, true);

    initResources();
    winnerPicture = QImage(":/pictures/winner.png");
    loserPicture = QImage(":/pictures/loser.png");
    quitPicture = QImage(":/pictures/quit.png");
}

void EndScreen::setPicture(const QImage& picture) {
    // The picture keeps its shape inside the 115 x 85 area, its background left out.
    QImage area(115, 85, QImage::Format_ARGB32);
    area.fill(Qt::transparent);
    if (!picture.isNull()) {
        const QImage fitted =
            withoutKey(picture).scaled(115, 85, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter p(&area);
        p.drawImage((115 - fitted.width()) / 2, (85 - fitted.height()) / 2, fitted);
    }
    endPicture->setPixmap(QPixmap::fromImage(area));
}

Answer EndScreen::showEnd(const EndScreenSetup& screen) {
    setWindowTitle(QString::fromStdString(screen.caption));
    setPicture(screen.kind == EndKind::win    ? winnerPicture
               : screen.kind == EndKind::lose ? loserPicture
                                              : quitPicture);
    messageLine->setText(QString::fromStdString(
        m_session.catalogue.getMessage(screen.messageKey, m_session.playerName)));
    questionLine->setText(QString::fromStdString(screen.secondLine));
    yesButton->setVisible(screen.kind == EndKind::quit);
    noButton->setVisible(screen.kind == EndKind::quit);
    closeButton->setVisible(screen.kind != EndKind::quit);
    statsButton->setVisible(screen.kind == EndKind::win);
    // Esc answers Close, or No on the save offer.
    (screen.kind == EndKind::quit ? yesButton : closeButton)->setDefault(true);
    m_soundName = screen.sound;
    m_soundFallback.clear();
    m_rank = screen.rank;
    centreFrame(this);
    const int result = exec();
    return result == resultYes ? Answer::yes : result == resultNo ? Answer::no : Answer::close;
}

void EndScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_session.sound->stopMusic();
    if (m_soundName.empty())
        m_session.sound->stopSound();
    else
        m_session.sound->playSound(m_session.themeName, m_soundName, m_soundFallback, 1);
}

void EndScreen::done(int result) {
    // Esc closes with the Cancel answer, or No while the save offer asks.
    if (result == QDialog::Rejected) result = noButton->isVisible() ? resultNo : resultCancel;
    QDialog::done(result);
    // The next caller shows the buttons it needs.
    for (QPushButton* b : {yesButton, noButton, closeButton, statsButton})
        b->hide();
    QCoreApplication::processEvents();
}

} // namespace quorvel
