// The statistics and best-times screens through their real widgets, offscreen, and
// the best-times table built into the game.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <span>

#include "files/resourcefile.h"
#include "game/besttimes.h"
#include "game/clock.h"
#include "game/maze.h"
#include "play/session.h"
#include "resources/resources.h"
#include "screens/besttimesscreen.h"
#include "screens/statisticsscreen.h"
#include "screenshot.h"
#include "support/modal.h"
#include "support/testapp.h"
#include "widgets/accessibility.h"
#include "widgets/elidedtext.h"

namespace quorvel {
namespace {

const QColor yellow(255, 255, 0), aqua(0, 255, 255), fuchsia(255, 0, 255), lime(0, 255, 0),
    red(255, 0, 0), white(255, 255, 255);

QColor colourOf(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

/// The built-in table, as the game extracts it when there is no best-times file.
BestTimes builtinTable(std::string* raw = nullptr) {
    initResources();
    std::string bytes;
    EXPECT_TRUE(readResource("scores", "BIN", bytes));
    if (raw) *raw = bytes;
    return BestTimes::fromFile(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

using quorvel::test::whenModal;

class Records : public ::testing::Test {
  protected:
    QApplication* app = test::ensureApp();
    Session session;
    StatisticsScreen stats{session};
    BestTimesScreen times{stats};

    /// A won game: placed and found per row as given, top row first.
    GameStatsSource game(const std::array<std::pair<int, int>, 10>& placedFound) {
        GameStatsSource g;
        g.player = "Tester";
        g.level = "A &real challenge";
        g.timeText = "0 days, 00:12:05";
        g.gemText = "1";
        g.stepText = "2";
        for (int i = 0; i < 10; ++i) {
            g.placed[StatisticsScreen::rowCodes[i]] = placedFound[i].first;
            g.remaining[StatisticsScreen::rowCodes[i]] =
                placedFound[i].first - placedFound[i].second;
        }
        return g;
    }
};

TEST_F(Records, StatisticsColourEachRowByWhatWasFound) {
    stats.fillGameStats(
        2,
        game({{{3, 3}, {2, 0}, {4, 1}, {0, 0}, {1, 1}, {1, 0}, {16, 4}, {7, 7}, {5, 0}, {2, 1}}}));
    const QColor expected[10] = {lime, red, white, lime, lime, red, white, lime, red, white};
    for (int i = 0; i < 10; ++i) {
        const StatsRow& r = stats.rows[i];
        for (const QLabel* l : {r.item, r.leader1, r.placed, r.leader2, r.found})
            EXPECT_EQ(colourOf(l), expected[i])
                << "row " << i << " " << l->objectName().toStdString();
    }
    EXPECT_EQ(stats.rows[1].placed->text(), "2");
    EXPECT_EQ(stats.rows[1].found->text(), "0");
    EXPECT_EQ(stats.rows[2].found->text(), "1");
    EXPECT_EQ(stats.rows[0].leader1->text(), "..................................");
    EXPECT_EQ(stats.findChild<QLabel*>("lblGem3F"), stats.rows[8].found);

    // Numbers are read back from the labels: text that is not a number counts as 0.
    stats.rows[0].placed->setText("many");
    stats.rows[0].found->setText("0");
    stats.show();
    EXPECT_EQ(colourOf(stats.rows[0].item), lime);
    stats.hide();
}

TEST_F(Records, StatisticsWordsAndRankColours) {
    stats.fillGameStats(2, game({}));
    EXPECT_EQ(stats.playerLine->text(), "Tester");
    EXPECT_EQ(stats.levelLine->text(), "A &real challenge");
    EXPECT_EQ(stats.timeLine->text(), "0 days, 00:12:05");
    EXPECT_EQ(stats.pointsLine->text(), "1 stone");
    EXPECT_EQ(stats.stepsLine->text(), "2 steps ");
    EXPECT_EQ(colourOf(stats.playerLine), aqua);
    EXPECT_EQ(colourOf(stats.levelLine), aqua);
    EXPECT_EQ(colourOf(stats.timeLine), white);
    const char* words[10] = {"food",    "compass",   "G.P.S.",   "beacon",   "detector",
                             "tracker", "batteries", "diamonds", "emeralds", "rubies"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(stats.rows[i].item->text().toStdString(), words[i]);
    // Every line centred on the window.
    for (const QLabel* l :
         {stats.playerLine, stats.levelLine, stats.timeLine, stats.pointsLine, stats.stepsLine}) {
        const int middle = l->mapTo(&stats, QPoint(l->width() / 2, 0)).x();
        EXPECT_NEAR(middle, stats.width() / 2, 2) << l->text().toStdString();
        EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()));
    }

    GameStatsSource g = game({});
    g.gemText = "0";
    g.stepText = "1";
    stats.fillGameStats(0, g);
    EXPECT_EQ(stats.pointsLine->text(), "0 stones");
    EXPECT_EQ(stats.stepsLine->text(), "1 step");
    EXPECT_EQ(colourOf(stats.playerLine), white);
    EXPECT_EQ(stats.rank(), 0);
    stats.fillGameStats(-1, g);
    EXPECT_EQ(colourOf(stats.levelLine), white);
    stats.fillGameStats(1, g);
    EXPECT_EQ(colourOf(stats.levelLine), yellow);
    stats.fillGameStats(3, g);
    EXPECT_EQ(colourOf(stats.playerLine), fuchsia);
}

// The game just won names its maze under the table; a stored result never does (the
// best-times file has no room for a number), even right after a numbered game.
TEST_F(Records, TheMazeNumberShowsForTheGameJustWonNeverForAStoredResult) {
    GameStatsSource g = game({});
    g.mazeNumber = "6-4294967295";
    stats.fillGameStats(1, g);
    EXPECT_FALSE(stats.mazeNumberLine->isHidden());
    EXPECT_EQ(stats.mazeNumberLine->text(), "Maze 6-4294967295");
    EXPECT_NE(stats.mazeNumberLine->toolTip().toStdString().find("quorvel3d --maze 6-4294967295"),
              std::string::npos);
    // Under the table's last row, inside the black panel, wide enough for its text.
    const QRect line = stats.mazeNumberLine->geometry();
    EXPECT_GE(line.top(), stats.rows[9].found->geometry().bottom());
    EXPECT_LE(line.bottom(), stats.tablePanel->contentsRect().bottom());
    EXPECT_GE(line.width(),
              stats.mazeNumberLine->fontMetrics().horizontalAdvance(stats.mazeNumberLine->text()));
    whenModal([&](QWidget*) {
        test::screenShot(&stats, "statistics-maze-number");
        stats.reject();
    });
    stats.showGameStats(1, g);

    stats.fillEntry(1, levelTitle(1), builtinTable().entry(1, 1));
    EXPECT_TRUE(stats.mazeNumberLine->isHidden());
    EXPECT_EQ(stats.mazeNumberLine->toolTip(), "");

    g.mazeNumber.clear(); // a loaded game from before numbers were kept
    stats.fillGameStats(1, g);
    EXPECT_TRUE(stats.mazeNumberLine->isHidden());
}

TEST_F(Records, DefaultEntriesShowNothingPlacedInLime) {
    stats.fillEntry(1, levelTitle(1), BestTimes().entry(1, 1));
    EXPECT_EQ(stats.playerLine->text(), "Friend");
    EXPECT_EQ(stats.timeLine->text(), "99 days, 23:59:59");
    EXPECT_EQ(stats.pointsLine->text(), "0 stones");
    EXPECT_EQ(stats.stepsLine->text(), "0 steps ");
    for (const StatsRow& r : stats.rows) {
        EXPECT_EQ(r.placed->text(), "0");
        EXPECT_EQ(colourOf(r.found), lime);
    }
}

TEST_F(Records, BestTimesShowEveryLevelInRankColours) {
    const BestTimes table = builtinTable();
    times.fillTimes(table);
    EXPECT_EQ(times.windowTitle(), "Best times");
    EXPECT_EQ(times.size(), QSize(632, 453));
    const QColor rankColour[3] = {yellow, aqua, fuchsia};
    for (int level = 0; level < 6; ++level) {
        EXPECT_EQ(times.titles[level]->text().toStdString(), levelTitle(level + 1));
        EXPECT_EQ(colourOf(times.titles[level]), white);
        EXPECT_EQ(times.panels[level]->width(), 200);
        for (int rank = 0; rank < 3; ++rank) {
            const BestTime e = table.entry(level + 1, rank + 1);
            const QLabel* name = times.names[level][rank];
            const QLabel* time = times.times[level][rank];
            EXPECT_EQ(name->text().toStdString(), e.name);
            EXPECT_EQ(time->text().toStdString(), e.timeText);
            EXPECT_EQ(colourOf(name), rankColour[rank]);
            EXPECT_EQ(colourOf(time), rankColour[rank]);
            EXPECT_EQ(name->cursor().shape(), Qt::PointingHandCursor);
            EXPECT_NE(time->cursor().shape(), Qt::PointingHandCursor);
            EXPECT_TRUE(time->alignment() & Qt::AlignRight);
            // Found by their outward names, level then rank: lblName11 ... lblTime63.
            const QString place = QString("%1%2").arg(level + 1).arg(rank + 1);
            EXPECT_EQ(times.findChild<QLabel*>("lblName" + place), name);
            EXPECT_EQ(times.findChild<QLabel*>("lblTime" + place), time);
        }
    }
    // Reading order: level 1 top left, level 6 bottom right.
    EXPECT_LT(times.panels[0]->x(), times.panels[2]->x());
    EXPECT_LT(times.panels[2]->y(), times.panels[3]->y());
    EXPECT_EQ(levelTitle(6), "Only for the Strongest");
    EXPECT_EQ(levelTitle(7), "");
}

TEST_F(Records, ClickingANameShowsItsResultClickingATimeDoesNothing) {
    const BestTimes table = builtinTable();
    times.fillTimes(table);
    times.show();

    QString title, player, level, time;
    QColor colour;
    bool shown = false;
    whenModal([&](QWidget* modal) {
        shown = modal == &stats;
        title = stats.windowTitle();
        player = stats.playerLine->text();
        level = stats.levelLine->text();
        time = stats.timeLine->text();
        colour = colourOf(stats.levelLine);
        stats.closeButton->click();
    });
    QTest::mouseClick(times.names[5][2], Qt::LeftButton);
    EXPECT_TRUE(shown);
    EXPECT_EQ(title, "Game Statistics");
    EXPECT_EQ(level, "Only for the Strongest");
    EXPECT_EQ(colour, fuchsia);
    EXPECT_EQ(player.toStdString(), table.entry(6, 3).name);
    EXPECT_EQ(time, "1 day, 00:06:41");
    EXPECT_EQ(stats.rank(), 3);

    // By keyboard: Tab reaches each result, read with its level, rank, name and time, and
    // Enter opens it; its Watch button says what it plays.
    shown = false;
    QLabel* first = times.names[0][0];
    EXPECT_EQ(first->focusPolicy(), Qt::StrongFocus);
    const QString result = QString::fromStdString("Nice-n-Easy, rank 1: " + table.entry(1, 1).name +
                                                  ", " + table.entry(1, 1).timeText);
    EXPECT_EQ(readerName(first), result);
    EXPECT_EQ(readerName(times.watchButtons[0][0]), "Watch " + result);
    first->setFocus();
    whenModal([&](QWidget* modal) {
        shown = modal == &stats;
        level = stats.levelLine->text();
        stats.closeButton->click();
    });
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_TRUE(shown);
    EXPECT_EQ(level, "Nice-n-Easy");

    // A time line, a title and the panel itself answer nothing.
    stats.fillGameStats(0, {});
    for (QWidget* w :
         std::initializer_list<QWidget*>{times.times[5][2], times.titles[0], times.panels[3]})
        QTest::mouseClick(w, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(stats.isVisible());
    EXPECT_EQ(stats.rank(), 0);
    times.showEntryStats(times.times[0][0]);
    EXPECT_EQ(stats.rank(), 0);
    times.hide();
}

TEST_F(Records, LongNamesAreCutToTheirLinesAndOpenTheirStatisticsWhole) {
    // Twenty bytes, as many as the best-times file keeps, in wide letters.
    const std::string wide = "WWWWWWWWWWMMMMMMMMMM";
    BestTimes table = builtinTable();
    BestTime entry = table.entry(2, 1);
    entry.name = wide;
    table.setEntry(2, 1, entry);
    times.fillTimes(table);
    test::screenShot(&times, "besttimes-longname");
    QLabel* name = times.names[1][0];
    EXPECT_TRUE(name->text().endsWith(QChar(0x2026)));
    EXPECT_LE(name->fontMetrics().boundingRect(name->text()).right(), name->width());
    EXPECT_EQ(name->toolTip().toStdString(), wide);
    EXPECT_EQ(name->textFormat(), Qt::PlainText);
    EXPECT_EQ(times.names[1][1]->toolTip(), ""); // names that fit have no hint

    QString player;
    whenModal([&](QWidget*) {
        player = wholeText(stats.playerLine);
        stats.closeButton->click();
    });
    times.show();
    QTest::mouseClick(name, Qt::LeftButton);
    EXPECT_EQ(player.toStdString(), wide);
    times.hide();

    // A name from a game may be longer than the statistics' line: cut, and still centred.
    GameStatsSource g;
    g.player = std::string(60, 'W');
    g.level = "A &real challenge";
    stats.fillGameStats(1, g);
    test::screenShot(&stats, "statistics-longname");
    QLabel* line = stats.playerLine;
    EXPECT_TRUE(line->text().endsWith(QChar(0x2026)));
    EXPECT_GE(line->x(), 0);
    EXPECT_LE(line->x() + line->width(), stats.tablePanel->width());
    EXPECT_NEAR(stats.tablePanel->x() + line->x() + line->width() / 2.0, stats.width() / 2.0, 3);
    EXPECT_EQ(line->toolTip().toStdString(), g.player);
    // Names are text, never markup.
    g.player = "<b>Bo</b>";
    stats.fillGameStats(1, g);
    EXPECT_EQ(stats.playerLine->text(), "<b>Bo</b>");
    EXPECT_EQ(stats.playerLine->textFormat(), Qt::PlainText);
}

TEST_F(Records, TheLetterCClosesTheStatisticsButCtrlCDoesNot) {
    stats.fillGameStats(1, game({}));
    const auto stays = [&](Qt::KeyboardModifiers mods) {
        bool stayed = true;
        whenModal([&](QWidget* modal) {
            QWidget* target = QApplication::focusWidget();
            QTest::keyClick(target ? target : modal, Qt::Key_C, mods);
            stayed = modal->isVisible();
            if (stayed) stats.reject();
        });
        stats.exec();
        return stayed;
    };
    EXPECT_FALSE(stays(Qt::NoModifier));
    EXPECT_TRUE(stays(Qt::ControlModifier));
}

TEST_F(Records, BuiltInTableIsAValidFileWithTheSampleTimes) {
    std::string raw;
    const BestTimes table = builtinTable(&raw);
    ASSERT_EQ(raw.size(), bestTimesSize);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(raw.data());
    EXPECT_EQ(checkBestTimes(std::span(bytes, raw.size())), BestTimesProblem::none);
    EXPECT_EQ(std::string(raw.data(), 5), std::string("\x04QVBT", 5));
    EXPECT_EQ(bytes[5], 0);
    EXPECT_EQ(bytes[6], 9);
    EXPECT_EQ(bytes[16] | bytes[17] << 8 | bytes[18] << 16 | bytes[19] << 24, 39424);

    const char* texts[6][3] = {
        {"0 days, 00:04:52", "0 days, 00:11:06", "0 days, 00:27:31"},
        {"0 days, 00:13:44", "0 days, 00:29:54", "0 days, 01:04:06"},
        {"0 days, 00:34:48", "0 days, 01:18:55", "0 days, 02:13:02"},
        {"0 days, 00:55:52", "0 days, 01:48:39", "0 days, 02:37:18"},
        {"0 days, 01:07:38", "0 days, 02:14:51", "0 days, 06:01:21"},
        {"0 days, 01:13:55", "0 days, 02:57:04", "1 day, 00:06:41"},
    };
    for (int level = 1; level <= 6; ++level) {
        double previous = 0;
        for (int rank = 1; rank <= 3; ++rank) {
            const BestTime e = table.entry(level, rank);
            SCOPED_TRACE("level " + std::to_string(level) + " rank " + std::to_string(rank));
            EXPECT_EQ(e.timeText, texts[level - 1][rank - 1]);
            EXPECT_EQ(clockText(e.time), e.timeText);
            EXPECT_GT(e.time, previous);
            previous = e.time;
            EXPECT_FALSE(e.name.empty());
            EXPECT_NE(e.name, "Friend");
            EXPECT_GT(e.steps, 0);
            EXPECT_GT(e.food, 0);
            EXPECT_GE(e.battery, 0);
            EXPECT_LE(e.battery, 100);
            // A real maze of the level: one start, one exit, one wall map, each tool
            // once, and food boxes in blocks of six: (N / 6) squared.
            EXPECT_EQ(e.start[cellExit], 1u);
            EXPECT_EQ(e.start[cellStart], 1u);
            EXPECT_EQ(e.start[cellWallMap], 1u);
            for (int tool = cellCompass; tool <= cellTracker; ++tool)
                EXPECT_EQ(e.start[tool], 1u);
            const unsigned blocks = 20 * level / 6;
            EXPECT_EQ(e.start[cellFood], blocks * blocks);
            // What was found came out of what was there, and the gem points are no more
            // than the gems found are worth.
            std::uint32_t found = 0;
            for (int code = cellEmptyBox; code <= cellBattery; ++code) {
                EXPECT_LE(e.end[code], e.start[code]);
                found += e.start[code] - e.end[code];
            }
            EXPECT_GT(found, 0u);
            const auto gotten = [&e](int code) {
                return static_cast<int>(e.start[code] - e.end[code]);
            };
            EXPECT_LE(e.gems, 5 * gotten(cellGem5) + 3 * gotten(cellGem3) + gotten(cellGem1));
        }
    }
}

} // namespace
} // namespace quorvel
