#include "screens/endscreen.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "game/mazenumber.h"
#include "platform/windowframe.h"
#include "resources/resources.h"
#include "play/session.h"
#include "text/textutil.h"
#include "view/viewcomposer.h"
#include "widgets/accessibility.h"
#include "widgets/dialogs.h"
#include "widgets/mnemonickeys.h"

namespace quorvel {

namespace {

constexpr int resultYes = 6, resultNo = 7, resultCancel = 2;

// The face of the built-in trophy's cup in its 105 x 105 picture, where the rank goes.
const QRectF trophyFace(30, 26, 45, 26);
constexpr int trophySize = 105;
const QColor engraving(120, 70, 0);

// Stands for the player's name in a message until the name has been fitted.
const QString nameMark = QString(QChar(0xE000));

bool fits(const QLabel* line, const QString& text) {
    const QRect box = line->contentsRect();
    const QRect needed = line->fontMetrics().boundingRect(
        QRect(0, 0, box.width(), 100000), Qt::TextWordWrap | line->alignment(), text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

// The longest text made by make(n) that fits the line, for n from 0 to most; make(0)
// when none does.
template <typename Make> QString longestFitting(const QLabel* line, int most, Make make) {
    int lo = 0, hi = most;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (fits(line, make(mid)))
            lo = mid;
        else
            hi = mid - 1;
    }
    return make(lo);
}

} // namespace

QImage trophyPicture(const QImage& trophy, int rank) {
    if (rank < 1 || rank > 3 || trophy.isNull()) return trophy;
    QImage out = trophy.convertToFormat(QImage::Format_ARGB32);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(double(out.width()) / trophySize, double(out.height()) / trophySize);
    QFont digit("Liberation Serif");
    digit.setPixelSize(24);
    digit.setBold(true);
    p.setFont(digit);
    p.setPen(engraving);
    p.drawText(trophyFace, Qt::AlignCenter, QString::number(rank));
    return out;
}

EndScreen::EndScreen(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_session(session) {
    setObjectName("Tfmwinner");
    setWindowTitle(tr("Info"));
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
    messageLine->setTextFormat(Qt::PlainText); // theme words, as in the message panel

    questionLine = new QLabel(this);
    questionLine->setObjectName("lblWinnMsg2");
    questionLine->setGeometry(20, 127, 253, 13);
    questionLine->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    questionLine->setTextFormat(Qt::PlainText);

    // The maze's number beside the picture, small and grey: there to share, not to read.
    mazeNumberLine = new QLabel(this);
    mazeNumberLine->setObjectName("mazeNumberLine");
    mazeNumberLine->setGeometry(8, 6, (294 - 115) / 2 - 10, 28);
    mazeNumberLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mazeNumberLine->setTextFormat(Qt::PlainText);
    mazeNumberLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mazeNumberLine->setFocusPolicy(Qt::NoFocus); // Y and N still answer the save offer
    QFont small = font;
    small.setPixelSize(10);
    mazeNumberLine->setFont(small);
    mazeNumberLine->setStyleSheet("color: rgb(96, 96, 96);");
    mazeNumberLine->hide();

    // Each button closes the dialog with its answer; Stats first opens the statistics.
    const auto button = [this](const char* name, const QString& caption, int x, int result,
                               bool stats = false) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, 150, 75, 25);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, result, stats] {
            if (stats) emit statisticsWanted(m_rank);
            done(result);
        });
        return b;
    };
    yesButton = button("btnYes", tr("&Yes"), 66, resultYes);
    noButton = button("btnNo", tr("&No"), 153, resultNo);
    closeButton = button("btnClose", tr("Close"), 66, resultCancel);
    statsButton = button("btnStats", tr("Stats..."), 153, resultCancel, true);
    answerPlainLetters(this); // Y and N on the save offer
    describeControl(yesButton, tr("Yes"), tr("Save the game, then leave the maze."));
    describeControl(noButton, tr("No"), tr("Leave the maze without saving."));
    describeControl(closeButton, tr("Close"), tr("Close this window."));
    describeControl(statsButton, tr("Stats"), tr("The statistics of this game."));
    makeAccessible(this);

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
    setPicture(screen.kind == EndKind::win    ? trophyPicture(winnerPicture, screen.rank)
               : screen.kind == EndKind::lose ? loserPicture
                                              : quitPicture);
    describePicture(screen);
    showMessage(screen);
    questionLine->setText(QString::fromStdString(screen.secondLine));
    const QString number = QString::fromStdString(screen.mazeNumber);
    mazeNumberLine->setText(number.isEmpty() ? QString() : tr("Maze number\n%1").arg(number));
    mazeNumberLine->setToolTip(
        number.isEmpty() ? QString() : QString::fromStdString(mazeNumberHint(screen.mazeNumber)));
    mazeNumberLine->setVisible(!number.isEmpty());
    yesButton->setVisible(screen.kind == EndKind::quit);
    noButton->setVisible(screen.kind == EndKind::quit);
    closeButton->setVisible(screen.kind != EndKind::quit);
    statsButton->setVisible(screen.kind == EndKind::win);
    // Esc answers Close, or No on the save offer.
    (screen.kind == EndKind::quit ? yesButton : closeButton)->setDefault(true);
    m_sound = screen.sound;
    m_rank = screen.rank;
    centreFrame(this);
    m_session.spoken.sayNow(spokenWords());
    const int result = exec();
    return result == resultYes ? Answer::yes : result == resultNo ? Answer::no : Answer::close;
}

// The message in its two lines. A player's name too long for them is cut with an
// ellipsis; a message that would not fit even without the name (a theme's long words)
// is cut at its end instead. The whole message is the hint whenever anything was cut.
void EndScreen::showMessage(const EndScreenSetup& screen) {
    const QString message = QString::fromStdString(
        m_session.catalogue.getMessage(screen.messageKey, nameMark.toStdString()));
    const QString name = QString::fromStdString(m_session.playerName);
    const auto withName = [&message](const QString& shown) {
        return QString(message).replace(nameMark, shown);
    };
    const QString whole = withName(name);
    QString shown = whole;
    if (!fits(messageLine, whole)) {
        const QFontMetrics metrics(messageLine->font());
        if (fits(messageLine, withName(QString()))) {
            shown = longestFitting(messageLine, metrics.horizontalAdvance(name), [&](int width) {
                return withName(metrics.elidedText(name, Qt::ElideRight, width));
            });
        } else {
            const QString ellipsis(QChar(0x2026));
            shown = longestFitting(messageLine, int(whole.size()), [&](int length) {
                QString head = whole.left(length);
                if (!head.isEmpty() && head.back().isHighSurrogate()) head.chop(1);
                return head.trimmed() + ellipsis;
            });
        }
    }
    messageLine->setText(shown);
    messageLine->setToolTip(shown == whole ? QString() : whole);
    describeControl(messageLine, shown == whole ? QString() : whole, QString()); // read whole
}

// What the picture shows, in words: the trophy and its rank, the loss, the leaving.
void EndScreen::describePicture(const EndScreenSetup& screen) {
    switch (screen.kind) {
    case EndKind::win:
        describeControl(endPicture, tr("Trophy"),
                        screen.rank >= 1 && screen.rank <= 3
                            ? tr("You won, with the best time of rank %1.").arg(screen.rank)
                            : tr("You won."));
        break;
    case EndKind::lose:
        describeControl(endPicture, tr("Lost"), tr("You lost: the food ran out."));
        break;
    case EndKind::quit:
        describeControl(endPicture, tr("Leaving"), tr("You are leaving this maze."));
        break;
    }
}

std::string EndScreen::spokenWords() const {
    // The message whole, also when the line shows it cut.
    const QString message =
        messageLine->toolTip().isEmpty() ? messageLine->text() : messageLine->toolTip();
    std::vector<SpokenButton> buttons;
    if (yesButton->isVisibleTo(this)) buttons.push_back({yesButton->text().toStdString(), ""});
    if (noButton->isVisibleTo(this)) buttons.push_back({noButton->text().toStdString(), ""});
    if (closeButton->isVisibleTo(this))
        buttons.push_back({closeButton->text().toStdString(), "Enter"});
    if (statsButton->isVisibleTo(this)) buttons.push_back({statsButton->text().toStdString(), ""});
    const QString number = mazeNumberLine->isVisibleTo(this) ? mazeNumberLine->text() : QString();
    return dialogWords(windowTitle().toStdString(),
                       joinSentences({message.toStdString(), questionLine->text().toStdString(),
                                      number.simplified().toStdString()}),
                       buttons);
}

void EndScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_session.sound->stopMusic();
    if (m_sound == Sound::none)
        m_session.sound->stopSound();
    else
        m_session.sound->playSound(m_session.themeName, m_sound, Sound::none, SoundMode::now);
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
