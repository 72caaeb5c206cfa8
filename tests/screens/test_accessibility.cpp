// What a screen reader meets in the game's windows: every control a player can reach
// has a name, and a description unless it is plain text or a panel; what only decorates
// is left out; the view reads as spoken play says it; the counters and the message lines
// read with their values.

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "files/programfolder.h"
#include "files/resourcefile.h"
#include "game/besttimes.h"
#include "resources/resources.h"
#include "screenfixture.h"
#include "screens/aboutbox.h"
#include "screens/besttimesscreen.h"
#include "screens/helpwindow.h"
#include "screens/messagepanel.h"
#include "screens/openingscreen.h"
#include "screens/statisticsscreen.h"
#include "screens/storywindow.h"
#include "view/viewwords.h"
#include "widgets/accessibility.h"
#include "widgets/messagedialog.h"
#include "gamescreenparts.h"

namespace quorvel::test {
namespace {

QAccessibleInterface* described(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

// Panels and windows are walked into; a control Qt reads as a whole is not.
bool isPanel(QAccessibleInterface* i) {
    const QAccessible::Role r = i->role();
    return r == QAccessible::Window || r == QAccessible::Dialog || r == QAccessible::Grouping ||
           r == QAccessible::Client || r == QAccessible::Border;
}

// Walks what a player can reach in `panel`, as a screen reader reads it: every shown control
// is listed by its panel and has a name, and a description unless it is text or a panel;
// what only decorates is not listed.
void expectReadable(QWidget* panel, const QString& where = {}) {
    QAccessibleInterface* outer = described(panel);
    const QString here = where + "/" + panel->objectName() + ":" + panel->metaObject()->className();
    for (QObject* object : panel->children()) {
        auto* w = qobject_cast<QWidget*>(object);
        if (!w || w->isWindow() || !w->isVisibleTo(panel->window())) continue;
        QAccessibleInterface* i = described(w);
        const std::string what =
            (here + "/" + w->objectName() + ":" + w->metaObject()->className()).toStdString();
        if (isDecoration(w)) {
            EXPECT_EQ(outer->indexOfChild(i), -1) << what << " decorates, yet is read";
            continue;
        }
        if (i->state().invisible) continue; // a label that shows nothing
        EXPECT_GE(outer->indexOfChild(i), 0) << what;
        EXPECT_FALSE(i->text(QAccessible::Name).trimmed().isEmpty()) << what << " has no name";
        if (isPanel(i)) {
            expectReadable(w, here);
        } else if (i->role() != QAccessible::StaticText) {
            EXPECT_FALSE(i->text(QAccessible::Description).isEmpty()) << what << " says nothing";
        }
    }
}

void expectWindowReadable(QWidget* window) {
    EXPECT_FALSE(described(window)->text(QAccessible::Name).isEmpty());
    expectReadable(window);
}

TEST_F(ScreenTest, TheGameReadsAsSpokenPlaySaysIt) {
    newGame(1, 1234);
    EXPECT_EQ(readerDescription(parts(form).viewPicture), QString::fromStdString(describeView(maze())));
    EXPECT_EQ(readerName(parts(form).foodCount), "Food 100");
    EXPECT_EQ(readerName(parts(form).batteryCount), "Battery 100%");
    EXPECT_EQ(readerName(parts(form).clockLabel), "Time in maze 0 days, 00:00:00");
    for (int turns = 0; turns < 4 && readerDescription(parts(form).viewPicture).startsWith("a wall");
         ++turns) {
        parts(form).turnLeftButton->click();
        EXPECT_EQ(readerDescription(parts(form).viewPicture),
                  QString::fromStdString(describeView(maze())));
    }
    parts(form).forwardButton->click();
    EXPECT_EQ(readerName(parts(form).stepCounter), "Steps 1");
    QAccessibleValueInterface* food = described(parts(form).foodCount)->valueInterface();
    ASSERT_NE(food, nullptr);
    EXPECT_EQ(food->currentValue().toInt(), 99);
    EXPECT_EQ(described(parts(form).clockLabel)->valueInterface(), nullptr); // read by its name

    // Message lines read whole, however the panel cuts them; empty older lines are not read.
    const std::string longLine(200, 'x');
    form->showGameMessage(longLine, Colour::white, MessageLevel::standard);
    QLabel* current = parts(form).messagePanel->findChild<QLabel*>("lblmessagecurrent");
    EXPECT_EQ(readerName(current).toStdString(), longLine);
    parts(form).messagePanel->clearMessages();
    EXPECT_EQ(readerName(current), "No message yet");
    EXPECT_TRUE(
        described(parts(form).messagePanel->findChild<QLabel*>("lblmessage5"))->state().invisible);
}

TEST_F(ScreenTest, EveryControlOfTheGameMapEndAndMessageWindowsIsNamed) {
    newGame(2, 77);
    form->postGameMessage(msgFood, Colour::white, MessageLevel::critical); // the indicator lit
    expectWindowReadable(form.get());
    expectWindowReadable(map.get());
    for (const EndKind kind : {EndKind::win, EndKind::quit}) {
        whenModal([](QWidget* modal) {
            expectWindowReadable(modal);
            modal->close();
        });
        EndScreenSetup setup;
        setup.kind = kind;
        setup.caption = "Winner!";
        setup.rank = 2;
        setup.mazeNumber = "2-77";
        end->showEnd(setup);
    }
    whenModal([](QWidget* modal) {
        expectWindowReadable(modal);
        EXPECT_EQ(readerDescription(modal->findChild<QPushButton*>("b2")), "Leave?");
        modal->close();
    });
    messageDialog()->showDialog(dkQuestion, "", "Leave?");
}

TEST(Accessibility, EveryControlOfTheOpeningScreenAndTheNameBoxIsNamed) {
    ensureApp();
    TestFolder folder;
    QDir().mkpath(QString::fromStdString(savedGamesFolder()));
    QFile saved(QString::fromStdString(savedGamePath("Tester", 3)));
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly)); // only its being there counts here
    saved.close();
    Session session;
    session.namedPlayer = "Tester";
    OpeningScreen opening(session);
    opening.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return opening.loadButtons[2]->isVisible(); }, 5000));
    expectWindowReadable(&opening);
    EXPECT_EQ(readerName(opening.loadButtons[2]), "Load the saved game of level 3");
    EXPECT_EQ(readerName(opening.levelButtons[0]), "Level 1: Nice -n- Easy");
    EXPECT_EQ(readerName(opening.playerLabel), "Player's name: Tester");
    EXPECT_EQ(readerName(opening.levelLabel), "Skill level: A little harder now...");

    whenModal([](QWidget* box) {
        expectWindowReadable(box);
        QTest::keyClick(box, Qt::Key_Return);
    });
    opening.askPlayerName();
    opening.hide();
}

TEST(Accessibility, EveryControlOfTheRecordAndReadingWindowsIsNamed) {
    ensureApp();
    TestFolder folder;
    Session session;
    initResources();
    std::string table;
    ASSERT_TRUE(readResource("scores", "BIN", table));
    StatisticsScreen stats(session);
    BestTimesScreen times(stats);
    const BestTimes best = BestTimes::fromFile(
        std::span(reinterpret_cast<const std::uint8_t*>(table.data()), table.size()));
    times.fillTimes(best);
    stats.fillEntry(1, "Nice-n-Easy", best.entry(1, 1));
    HelpWindow help;
    StoryWindow story(programFolder());
    AboutBox about(programFolder());
    for (QWidget* window : std::initializer_list<QWidget*>{&stats, &times, &help, &story, &about}) {
        window->show();
        expectWindowReadable(window);
        window->hide();
    }
    EXPECT_EQ(readerName(times.names[0][0]),
              QString::fromStdString("Nice-n-Easy, rank 1: " + best.entry(1, 1).name + ", " +
                                     best.entry(1, 1).timeText));
    EXPECT_EQ(readerName(stats.rows[0].placed), stats.rows[0].placed->text() + " placed");
}

} // namespace
} // namespace quorvel::test
