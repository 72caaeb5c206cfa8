// The end screen through its real widgets, offscreen: the winner's trophy, messages
// that must fit their two lines, and the keys that answer it.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "play/session.h"
#include "resources/resources.h"
#include "screens/endscreen.h"
#include "screenshot.h"
#include "support/modal.h"
#include "support/testapp.h"

namespace quorvel {
namespace {

using test::whenModal;

const QChar ellipsis(0x2026);

// Pixels of the engraving's dark brown on the middle of the cup's face, where the
// built-in trophy is bright gold.
int engravedPixels(const QImage& trophy) {
    const QImage t = trophy.convertToFormat(QImage::Format_RGB32);
    int dark = 0;
    for (int y = 28; y < 51; ++y)
        for (int x = 42; x < 64; ++x)
            if (qGray(t.pixel(x, y)) < 150) ++dark;
    return dark;
}

class End : public ::testing::Test {
  protected:
    QApplication* app = test::ensureApp();
    Session session;
    EndScreen end{session};

    /// Shows the end screen for setup; look runs while it is open, then Close answers.
    Answer showAndLook(const EndScreenSetup& setup, const std::function<void()>& look = {}) {
        whenModal([&](QWidget*) {
            if (look) look();
            end.reject();
        });
        return end.showEnd(setup);
    }

    static EndScreenSetup win(int rank) {
        EndScreenSetup s;
        s.kind = EndKind::win;
        s.caption = rank >= 1 ? "Winner! (New Best Time)" : "Winner!";
        s.messageKey = msgWin;
        s.rank = rank;
        return s;
    }
    static EndScreenSetup saveOffer() {
        EndScreenSetup s;
        s.kind = EndKind::quit;
        s.caption = "Save?";
        s.messageKey = msgQuit;
        s.secondLine = "Do you want to save your game before exiting?";
        return s;
    }
};

TEST_F(End, TheTrophyShowsTheRankReachedAndNoNumberWithoutOne) {
    initResources();
    const QImage plain(":/pictures/winner.png");
    ASSERT_EQ(plain.size(), QSize(105, 105));
    EXPECT_EQ(engravedPixels(plain), 0); // the built-in cup carries no number of its own
    EXPECT_EQ(trophyPicture(plain, 0), plain);
    EXPECT_EQ(trophyPicture(plain, -1), plain);
    EXPECT_EQ(trophyPicture(plain, 4), plain);
    QImage ranked[3];
    for (int rank = 1; rank <= 3; ++rank) {
        ranked[rank - 1] = trophyPicture(plain, rank);
        EXPECT_GT(engravedPixels(ranked[rank - 1]), 20) << rank;
        // Only the face of the cup changes.
        const QImage a = ranked[rank - 1].convertToFormat(QImage::Format_RGB32);
        const QImage b = plain.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 105; ++y)
            for (int x = 0; x < 105; ++x)
                if (x < 30 || x >= 75 || y < 26 || y >= 52) {
                    ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << x << "," << y;
                }
    }
    EXPECT_NE(ranked[0], ranked[1]);
    EXPECT_NE(ranked[1], ranked[2]);
    EXPECT_NE(ranked[0], ranked[2]);

    // On the screen: the picture shown differs by rank, and no rank shows the plain cup.
    QImage shown[5];
    QString told[5]; // what a screen reader says of the picture
    for (int rank = -1; rank <= 3; ++rank)
        showAndLook(win(rank), [&] {
            shown[rank + 1] = end.endPicture->pixmap().toImage();
            told[rank + 1] = end.endPicture->accessibleDescription();
            if (rank == 2) test::screenShot(&end, "endscreen-winner-rank2");
            if (rank == 0) test::screenShot(&end, "endscreen-winner-norank");
        });
    EXPECT_EQ(shown[0], shown[1]); // -1 (the file could not be written) and 0 alike
    EXPECT_NE(shown[1], shown[2]);
    EXPECT_NE(shown[2], shown[3]);
    EXPECT_NE(shown[3], shown[4]);
    EXPECT_EQ(told[0], "You won.");
    EXPECT_EQ(told[1], "You won.");
    EXPECT_EQ(told[4], "You won, with the best time of rank 3.");
}

// Every use names the maze beside the picture when its number is known, and the next
// use without one shows none.
TEST_F(End, TheMazeNumberStandsBesideThePictureWhenKnown) {
    EndScreenSetup lose;
    lose.caption = "You Lose";
    for (EndScreenSetup setup : {win(1), lose, saveOffer()}) {
        setup.mazeNumber = "6-4294967295";
        showAndLook(setup, [&] {
            EXPECT_TRUE(end.mazeNumberLine->isVisible()) << setup.caption;
            EXPECT_EQ(end.mazeNumberLine->text(), "Maze number\n6-4294967295");
            // Clear of the picture, the message and the buttons, and its text fits.
            const QRect line = end.mazeNumberLine->geometry();
            for (const QWidget* w : std::initializer_list<const QWidget*>{
                     end.endPicture, end.messageLine, end.questionLine, end.yesButton})
                EXPECT_FALSE(line.intersects(w->geometry())) << w->objectName().toStdString();
            const QSize text = end.mazeNumberLine->fontMetrics()
                                   .boundingRect(QRect(), 0, end.mazeNumberLine->text())
                                   .size();
            EXPECT_LE(text.width(), line.width());
            EXPECT_LE(text.height(), line.height());
            if (setup.kind == EndKind::quit) test::screenShot(&end, "endscreen-maze-number");
        });
        // Y still answers the save offer: the number takes no keyboard focus.
        if (setup.kind == EndKind::quit) {
            whenModal([&](QWidget*) { QTest::keyClick(&end, Qt::Key_Y); });
            EXPECT_EQ(end.showEnd(setup), Answer::yes);
        }
        setup.mazeNumber.clear();
        showAndLook(setup, [&] { EXPECT_FALSE(end.mazeNumberLine->isVisible()); });
    }
}

TEST_F(End, ALongNameIsCutSoTheMessageFitsItsTwoLines) {
    session.catalogue.setVariants(19, {"CONGRATULATIONS <PLAYER>!!! YOU WON!!!"});
    session.playerName = "Ann";
    showAndLook(win(1));
    EXPECT_EQ(end.messageLine->text(), "CONGRATULATIONS Ann!!! YOU WON!!!");
    EXPECT_TRUE(end.messageLine->toolTip().isEmpty());

    session.playerName = std::string(60, 'W');
    const QString whole = "CONGRATULATIONS " + QString(60, 'W') + "!!! YOU WON!!!";
    Random expected = session.rng;
    expected.rand(1); // the message draws once, as it always did
    showAndLook(win(1), [&] { test::screenShot(&end, "endscreen-winner-longname"); });
    const QString text = end.messageLine->text();
    EXPECT_TRUE(text.startsWith("CONGRATULATIONS WWW")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QString(ellipsis) + "!!! YOU WON!!!")) << text.toStdString();
    const QRect box = end.messageLine->contentsRect();
    // The room a message needs on the line, wrapped as the line wraps it.
    const auto needed = [&](const QString& message) {
        return end.messageLine->fontMetrics().boundingRect(
            QRect(0, 0, box.width(), 1000), Qt::TextWordWrap | end.messageLine->alignment(),
            message);
    };
    EXPECT_LE(needed(text).width(), box.width());
    EXPECT_LE(needed(text).height(), box.height());
    EXPECT_EQ(end.messageLine->toolTip(), whole);
    EXPECT_EQ(session.rng.seed(), expected.seed());
    EXPECT_EQ(session.playerName, std::string(60, 'W')); // the name itself is untouched

    // A theme's message too long even without the name is cut at its end.
    session.catalogue.setVariants(19, {"Hurrah " + std::string(40, 'X') + " " +
                                       std::string(40, 'Y') + " " + std::string(40, 'Z')});
    session.playerName = "Ann";
    showAndLook(win(0));
    EXPECT_TRUE(end.messageLine->text().startsWith("Hurrah "));
    EXPECT_TRUE(end.messageLine->text().endsWith(ellipsis));
    EXPECT_LE(needed(end.messageLine->text()).height(), box.height());
}

TEST_F(End, TheSaveOfferAnswersItsLettersAloneOrWithAltButNotWithOtherKeysHeld) {
    const EndScreenSetup offer = saveOffer();
    // The answer to one key press, and whether the screen stayed open after it.
    struct Result {
        Answer answer;
        bool stayed;
    };
    const auto press = [&](const EndScreenSetup& setup, Qt::Key key,
                           Qt::KeyboardModifiers mods = Qt::NoModifier) {
        bool stayed = false;
        whenModal([&](QWidget* modal) {
            modal->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
            QWidget* target = QApplication::focusWidget();
            QTest::keyClick(target ? target : modal, key, mods);
            if (mods & Qt::AltModifier) // a shortcut clicks a little later
                for (int i = 0; i < 50 && modal->isVisible(); ++i)
                    QTest::qWait(10);
            stayed = modal->isVisible();
            if (stayed) end.closeButton->click();
        });
        const Answer a = end.showEnd(setup);
        return Result{a, stayed};
    };
    Result r = press(offer, Qt::Key_Y);
    EXPECT_EQ(r.answer, Answer::yes);
    EXPECT_FALSE(r.stayed);
    r = press(offer, Qt::Key_N);
    EXPECT_EQ(r.answer, Answer::no);
    EXPECT_FALSE(r.stayed);
    EXPECT_EQ(press(offer, Qt::Key_Y, Qt::ShiftModifier).answer, Answer::yes);
    EXPECT_EQ(press(offer, Qt::Key_Y, Qt::AltModifier).answer, Answer::yes);
    EXPECT_EQ(press(offer, Qt::Key_N, Qt::AltModifier).answer, Answer::no);
    EXPECT_TRUE(press(offer, Qt::Key_Y, Qt::ControlModifier).stayed);
    EXPECT_TRUE(press(offer, Qt::Key_N, Qt::MetaModifier).stayed);
    // The winner's screen has no Yes or No to answer.
    EXPECT_TRUE(press(win(1), Qt::Key_Y).stayed);
    EXPECT_TRUE(press(win(1), Qt::Key_N).stayed);
}

} // namespace
} // namespace quorvel
