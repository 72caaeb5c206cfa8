// The end screen through its real widgets, offscreen: messages that must fit their
// two lines.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "endscreen.h"
#include "modal.h"
#include "screenshot.h"
#include "session.h"
#include "testapp.h"

namespace quorvel {
namespace {

using test::whenModal;

const QChar ellipsis(0x2026);

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
        s.messageKey = 19;
        s.rank = rank;
        return s;
    }
};

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
    const QRect needed = end.messageLine->fontMetrics().boundingRect(
        QRect(0, 0, box.width(), 1000), Qt::TextWordWrap | end.messageLine->alignment(), text);
    EXPECT_LE(needed.width(), box.width());
    EXPECT_LE(needed.height(), box.height());
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
    EXPECT_LE(end.messageLine->fontMetrics()
                  .boundingRect(QRect(0, 0, box.width(), 1000),
                                Qt::TextWordWrap | end.messageLine->alignment(),
                                end.messageLine->text())
                  .height(),
              box.height());
}

} // namespace
} // namespace quorvel
