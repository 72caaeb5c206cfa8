// The message panel offscreen: the five-line log, its colours and the indicator.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include "game/random.h"
#include "screens/messagepanel.h"
#include "support/testfolder.h"
#include "theme/messages.h"
#include "theme/theme.h"

namespace quorvel {
namespace {

class Panel : public ::testing::Test {
  protected:
    QWidget screen;
    QWidget* panel6 = new QWidget(&screen);
    MessagePanel panel{&screen};
    Random rng{7};
    MessageCatalogue cat{rng};

    Panel() {
        panel6->setGeometry(408, 110, 220, 88);
        panel.placeIndicator(panel6);
        screen.resize(640, 480);
        screen.show();
    }
    QString line(int n) const { return panel.messageLine(n); }
};

TEST_F(Panel, ControlsSitWhereTheGameScreenExpectsThem) {
    EXPECT_EQ(panel.geometry(), QRect(253, 5, 375, 107));
    auto* older = panel.findChild<QLabel*>("lblmessage2");
    ASSERT_NE(older, nullptr);
    EXPECT_EQ(older->pos(), QPoint(8, 48));
    EXPECT_EQ(older->parentWidget()->objectName(), "Panel4");
    EXPECT_EQ(older->parentWidget()->geometry(), QRect(3, 17, 368, 65));
    EXPECT_EQ(older->toolTip(), "Previous message recived.");
    auto* current = panel.findChild<QLabel*>("lblmessagecurrent");
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->pos(), QPoint(5, 3));
    EXPECT_EQ(current->parentWidget()->geometry(), QRect(3, 84, 368, 20));
    EXPECT_EQ(current->font().pixelSize(), 11);
    EXPECT_EQ(current->font().family(), "Liberation Sans");
    auto* title = panel.findChild<QLabel*>("Label11");
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->text().trimmed(), "Messages :");

    QLabel* lamp = panel.indicator();
    EXPECT_EQ(lamp->parentWidget(), panel6);
    EXPECT_EQ(lamp->geometry(), QRect(8, 27, 97, 49));
    EXPECT_FALSE(panel.indicatorLit());
    auto* caption = panel6->findChild<QLabel*>("Label3");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), "Message Indicator:");
    EXPECT_EQ(caption->pos(), QPoint(11, 9));
}

TEST_F(Panel, FiveLinesOfLogTheSixthPushesTheFirstOut) {
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(panel.showGameMessage("message " + std::to_string(i), Colour::white,
                                          MessageLevel::log));
    EXPECT_EQ(line(1), "  message 5");
    EXPECT_EQ(line(2), "message 4");
    EXPECT_EQ(line(5), "message 1");
    panel.showGameMessage("message 6", Colour::white, MessageLevel::log);
    EXPECT_EQ(line(5), "message 2");
    EXPECT_EQ(line(2), "message 5");
}

TEST_F(Panel, CurrentLineKeepsItsSpacesTheLogTrimsThem) {
    const std::string stars = cat.variants(msgStop)[2];
    panel.showGameMessage(stars, Colour::white, MessageLevel::log);
    EXPECT_EQ(line(1), "  * * * You see stars after hitting the wall! * * * ");
    panel.showGameMessage("next", Colour::white, MessageLevel::log);
    EXPECT_EQ(line(2), "* * * You see stars after hitting the wall! * * *");
}

TEST_F(Panel, LongLinesEndInAnEllipsisAndShowWhollyInTheirTooltip) {
    const auto label = [&](const char* name) { return panel.findChild<QLabel*>(name); };
    const auto tip = [&](const char* name) { // as the tooltip reads, markup and all
        QTextDocument shown;
        shown.setHtml(label(name)->toolTip());
        return shown.toPlainText();
    };
    const QString whole =
        "<i>Bartholomew</i> finds a five-point gem in the darkest corner of the whole maze!";
    panel.showGameMessage(whole.toStdString(), Colour::white, MessageLevel::standard);
    EXPECT_TRUE(label("lblmessagecurrent")->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(line(1), "  " + whole);
    EXPECT_EQ(tip("lblmessagecurrent"), whole + "\nCurrent message.");

    // Scrolling moves the whole text up; a line that fits keeps its hint alone.
    panel.showGameMessage("Drip.", Colour::white, MessageLevel::log);
    EXPECT_EQ(label("lblmessagecurrent")->toolTip(), "Current message.");
    EXPECT_EQ(line(2), whole);
    EXPECT_EQ(tip("lblmessage2"), whole + "\nPrevious message recived.");
    for (int i = 0; i < 3; ++i)
        panel.showGameMessage("Drip.", Colour::white, MessageLevel::log);
    EXPECT_EQ(line(5), whole);
    EXPECT_TRUE(label("lblmessage5")->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(tip("lblmessage5"), whole); // the oldest line has no hint of its own
    EXPECT_EQ(label("lblmessage2")->toolTip(), "Previous message recived.");
    panel.clearMessages();
    EXPECT_EQ(label("lblmessage5")->toolTip(), "");
    EXPECT_EQ(label("lblmessage3")->toolTip(), "Old message.");

    // A very long line's tooltip wraps to a readable width and stays on the screen.
    panel.showGameMessage((whole + " " + whole + " " + whole).toStdString(), Colour::white,
                          MessageLevel::log);
    const QRect area = screen.screen()->availableGeometry();
    QToolTip::showText(area.topRight() - QPoint(40, -40), label("lblmessagecurrent")->toolTip());
    QPointer<QWidget> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "qtooltip_label" && w->isVisible()) shown = w;
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(area.contains(shown->geometry()));
    EXPECT_FALSE(
        label("lblmessagecurrent")->toolTip().contains(QChar::Nbsp)); // breaks between words
    EXPECT_LE(shown->width(), shown->fontMetrics().averageCharWidth() * 90);
    QToolTip::hideText(); // the tip goes a moment later, and with it its timer
    EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown.isNull(); }, 5000));
}

TEST_F(Panel, OnlyTheCurrentLineChangesColour) {
    panel.showGameMessage("Hurry.", Colour::aqua, MessageLevel::critical);
    EXPECT_EQ(panel.currentColour(), QColor(0, 255, 255));
    panel.showGameMessage("Drip.", Colour::yellow, MessageLevel::log);
    EXPECT_EQ(panel.currentColour(), QColor(255, 255, 0));
    EXPECT_EQ(panel.findChild<QLabel*>("lblmessage2")->palette().color(QPalette::WindowText),
              QColor(0, 0, 0));

    // The text is drawn in its colour on the black bar.
    panel.showGameMessage("WWWWWWWW", Colour::lime, MessageLevel::log);
    const QImage shot = panel.grab().toImage();
    bool lime = false;
    for (int y = 84; y < 104; ++y)
        for (int x = 3; x < 100; ++x) {
            const QColor c = shot.pixelColor(x, y);
            lime = lime || (c.green() > 200 && c.red() < 60 && c.blue() < 60);
        }
    EXPECT_TRUE(lime);
    EXPECT_EQ(shot.pixelColor(300, 100), QColor(0, 0, 0));
}

TEST_F(Panel, EmptyMessagesLeaveNoTrace) {
    panel.showGameMessage("first", Colour::white, MessageLevel::log);
    panel.showGameMessage("second", Colour::white, MessageLevel::log);
    auto snapshot = [&] {
        QStringList lines;
        for (int n = 1; n <= 5; ++n)
            lines << line(n);
        return lines;
    };
    const QStringList before = snapshot();
    // No random remarks in the built-in catalogue: posting key 0 shows nothing.
    EXPECT_FALSE(
        panel.postGameMessage(cat, msgRandom, "Anna", Colour::lime, MessageLevel::critical));
    cat.setVariants(msgFood, {"You find <treasure>."});
    EXPECT_FALSE(
        panel.postGameMessage(cat, msgFood, "Anna", Colour::yellow, MessageLevel::critical));
    EXPECT_FALSE(panel.showGameMessage("", Colour::yellow, MessageLevel::standard));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(panel.currentColour(), QColor(255, 255, 255));
    EXPECT_FALSE(panel.indicatorLit());
}

TEST_F(Panel, PostedMessagesAreFilledForThePlayer) {
    cat.setVariants(msgWin, {"CONGRATULATIONS <PLAYER>!!! YOU WON!!!"});
    EXPECT_TRUE(panel.postGameMessage(cat, msgWin, "Anna", Colour::white, MessageLevel::log));
    EXPECT_EQ(line(1), "  CONGRATULATIONS ANNA!!! YOU WON!!!");
}

TEST_F(Panel, IndicatorLightsWithTheStandardOrCriticalPicture) {
    QImage standard(97, 49, QImage::Format_RGB888);
    standard.fill(Qt::blue);
    QImage critical(97, 49, QImage::Format_RGB888);
    critical.fill(Qt::red);
    panel.setIndicatorPictures(standard, critical);

    panel.showGameMessage("log only", Colour::white, MessageLevel::log);
    EXPECT_FALSE(panel.indicatorLit());
    panel.showGameMessage("standard", Colour::white, MessageLevel::standard);
    EXPECT_TRUE(panel.indicatorLit());
    EXPECT_TRUE(panel.indicator()->isVisible());
    EXPECT_EQ(panel.indicatorPicture().pixelColor(50, 25), QColor(Qt::blue));
    panel.showGameMessage("critical", Colour::yellow, MessageLevel::critical);
    EXPECT_EQ(panel.indicatorPicture().pixelColor(50, 25), QColor(Qt::red));
    panel.showGameMessage("log only", Colour::white, MessageLevel::log);
    EXPECT_TRUE(panel.indicatorLit());
    EXPECT_EQ(panel.indicatorPicture().pixelColor(50, 25), QColor(Qt::red));

    // A smaller theme picture is drawn over the corner of the last one.
    QImage small(20, 10, QImage::Format_RGB888);
    small.fill(Qt::green);
    panel.setIndicatorPictures(small, QImage());
    panel.showGameMessage("standard", Colour::white, MessageLevel::standard);
    EXPECT_EQ(panel.indicatorPicture().pixelColor(5, 5), QColor(Qt::green));
    EXPECT_EQ(panel.indicatorPicture().pixelColor(50, 25), QColor(Qt::red));
    panel.showGameMessage("critical", Colour::white, MessageLevel::critical);
    EXPECT_EQ(panel.indicatorPicture(),
              builtinIndicatorPicture(true).convertToFormat(panel.indicatorPicture().format()));
    // The built-in lamps' marks: a white "!" when critical, a black "i" otherwise.
    const auto pixels = [](const QImage& image, const QColor& colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == colour;
        return n;
    };
    EXPECT_GT(pixels(builtinIndicatorPicture(true), Qt::white), 20);
    EXPECT_GT(pixels(builtinIndicatorPicture(false), Qt::black), 20);
}

TEST_F(Panel, ThemePicturesOnlyWithTheWholePanelSet) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    for (const std::string& file : groupFiles(PictureGroup::strips))
        QFile(QString::fromStdString(folder + file)).open(QIODevice::WriteOnly);
    QImage green(97, 49, QImage::Format_RGB888);
    green.fill(Qt::green);
    for (const std::string& file : groupFiles(PictureGroup::panel))
        if (file != "west.bmp") green.save(QString::fromStdString(folder + file), "BMP");

    panel.loadIndicatorPictures(folder); // 13 of 14: the built-in pictures
    panel.showGameMessage("standard", Colour::white, MessageLevel::standard);
    EXPECT_EQ(panel.indicatorPicture(),
              builtinIndicatorPicture(false).convertToFormat(panel.indicatorPicture().format()));

    green.save(QString::fromStdString(folder + "west.bmp"), "BMP");
    test::putBytes(folder + "critical.bmp", "BM not really");
    panel.loadIndicatorPictures(folder);
    panel.showGameMessage("standard", Colour::white, MessageLevel::standard);
    EXPECT_EQ(panel.indicatorPicture().pixelColor(50, 25), QColor(Qt::green));
    panel.showGameMessage("critical", Colour::white, MessageLevel::critical);
    EXPECT_EQ(panel.indicatorPicture(),
              builtinIndicatorPicture(true).convertToFormat(panel.indicatorPicture().format()));
}

TEST_F(Panel, IndicatorGoesOutOnTheSeventhAgeing) {
    int age = 0;
    panel.showGameMessage("worth reading", Colour::white, MessageLevel::standard);
    for (int step = 1; step <= 6; ++step) {
        panel.ageIndicator(age);
        EXPECT_TRUE(panel.indicatorLit()) << step;
    }
    EXPECT_EQ(age, 6);
    panel.ageIndicator(age);
    EXPECT_FALSE(panel.indicatorLit());
    EXPECT_EQ(age, 0);
    age = 40; // never left that high by the rules, but the light still goes out
    panel.showGameMessage("again", Colour::white, MessageLevel::critical);
    panel.ageIndicator(age);
    EXPECT_FALSE(panel.indicatorLit());
}

TEST_F(Panel, ClearingEmptiesEveryLine) {
    for (int i = 0; i < 5; ++i)
        panel.showGameMessage("x", Colour::white, MessageLevel::log);
    panel.clearMessages();
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(line(n), "") << n;
}

TEST(PanelAlone, IndicatorStaysInsideThePanelUntilPlaced) {
    MessagePanel panel;
    EXPECT_EQ(panel.indicator()->parentWidget(), &panel);
    EXPECT_EQ(builtinIndicatorPicture(false).size(), QSize(97, 49));
    EXPECT_EQ(builtinIndicatorPicture(true).size(), QSize(97, 49));
    EXPECT_NE(builtinIndicatorPicture(false), builtinIndicatorPicture(true));
}

} // namespace
} // namespace quorvel

int main(int argc, char** argv) {
    // Headless, also when the build lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
