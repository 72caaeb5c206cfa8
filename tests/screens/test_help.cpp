#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "screens/helpwindow.h"
#include "screenshot.h"
#include "support/testapp.h"

using namespace quorvel;

namespace {

class Help : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureApp();
        help = std::make_unique<HelpWindow>();
    }
    void open() {
        help->showHelp();
        QApplication::processEvents();
    }
    QString title() const { return help->pageViewer->toPlainText().section('\n', 0, 0); }
    void key(char c) { QTest::keyClick(help->outline, c); }
    std::unique_ptr<HelpWindow> help;
};

} // namespace

TEST_F(Help, OpensOnGeneralInformationWithGettingStartedExpanded) {
    EXPECT_EQ(help->windowTitle(), "Quorvel 3-D Help");
    EXPECT_EQ(help->size(), QSize(640, 480));
    EXPECT_FALSE(help->firstButton->isEnabled()); // until the first page is shown
    EXPECT_FALSE(help->isExpanded(1));
    // Three headings, each with its pages under it.
    ASSERT_EQ(help->outline->topLevelItemCount(), 3);
    EXPECT_EQ(help->outline->topLevelItem(2)->text(0), "Ending the Game");
    EXPECT_EQ(help->outline->topLevelItem(2)->childCount(), 2);
    open();
    EXPECT_EQ(help->selectedItem(), 2);
    EXPECT_TRUE(help->isExpanded(1));
    EXPECT_FALSE(help->isExpanded(6));
    EXPECT_FALSE(help->isExpanded(11));
    EXPECT_EQ(help->pageShown(), "A1");
    EXPECT_EQ(title(), "General Information");
    // The pages take the help's own style: the title in its dark blue.
    const QTextBlock heading = help->pageViewer->document()->firstBlock();
    EXPECT_EQ(heading.begin().fragment().charFormat().foreground().color(), QColor(0x27406e));
    EXPECT_TRUE(help->firstButton->isEnabled());
    EXPECT_TRUE(help->lastButton->isEnabled());
    EXPECT_TRUE(help->statusTopic->text().contains("General Information"));
    test::screenShot(help.get(), "help");
}

TEST_F(Help, NextWalksEveryPageInOrderAndStopsAtTheEnd) {
    open();
    QStringList seen{help->pageShown()};
    QStringList titles{title()};
    for (int i = 0; i < 12; ++i) {
        help->nextTopic();
        if (help->pageShown() != seen.last()) {
            seen << help->pageShown();
            test::screenShot(help.get(), qPrintable("help-" + help->pageShown()));
            titles << title();
        }
    }
    EXPECT_EQ(seen, QStringList({"A1", "A2", "A3", "A4", "B1", "B2", "B3", "B4", "C1", "C2"}));
    for (int n = 1, page = 0; n <= helpItemCount; ++n) {
        if (helpOutline[n - 1].page) {
            EXPECT_EQ(titles.value(page++), QString(helpOutline[n - 1].heading)) << n;
        }
    }
    EXPECT_EQ(help->selectedItem(), 13);
    EXPECT_FALSE(help->lastButton->isEnabled()); // disabled on Grand Finale only
    EXPECT_TRUE(help->firstButton->isEnabled());
}

TEST_F(Help, NextFromLoadingAGameExpandsPlayingTheGame) {
    open();
    help->selectItem(5);
    EXPECT_EQ(help->pageShown(), "A4");
    EXPECT_FALSE(help->isExpanded(6));
    help->nextTopic();
    EXPECT_TRUE(help->isExpanded(6));
    EXPECT_EQ(help->selectedItem(), 7);
    EXPECT_EQ(title(), "Necessary Items");
}

TEST_F(Help, PreviousSkipsOneHeadingAndStopsAtTheFirstPage) {
    open();
    help->selectItem(5);
    help->nextTopic(); // item 7
    help->previousTopic();
    EXPECT_EQ(help->selectedItem(), 5);
    EXPECT_EQ(help->pageShown(), "A4");
    help->selectItem(2);
    help->previousTopic();
    EXPECT_EQ(help->selectedItem(), 2);
    EXPECT_EQ(help->pageShown(), "A1");
}

TEST_F(Help, LastSelectsTheCollapsedHeadingUntilItIsExpanded) {
    open();
    help->lastTopic();
    EXPECT_EQ(help->selectedItem(), 11); // "Ending the Game", collapsed
    EXPECT_EQ(help->pageShown(), "A1");  // the page on display stays
    EXPECT_TRUE(help->lastButton->isEnabled());
    help->nextTopic(); // expands "Ending the Game" and shows "Saving a Game"
    EXPECT_EQ(help->selectedItem(), 12);
    help->selectItem(2);
    help->lastTopic();
    EXPECT_EQ(help->selectedItem(), 13);
    EXPECT_EQ(help->pageShown(), "C2");
    EXPECT_FALSE(help->lastButton->isEnabled());
}

TEST_F(Help, FirstSelectsTheFirstHeadingAndKeepsThePage) {
    open();
    help->lastTopic();
    help->expandItem(11);
    help->lastTopic();
    ASSERT_EQ(help->pageShown(), "C2");
    help->firstTopic();
    EXPECT_EQ(help->selectedItem(), 1);
    EXPECT_EQ(help->pageShown(), "C2");
    help->nextTopic();
    EXPECT_EQ(help->pageShown(), "A1");
}

TEST_F(Help, CollapsingTheHeadingOfTheTopicSelectsTheHeading) {
    open();
    help->selectItem(3);
    help->outline->collapseItem(help->outline->topLevelItem(0));
    EXPECT_EQ(help->selectedItem(), 1);
    EXPECT_EQ(help->pageShown(), "A2");
    help->selectItem(4); // under a collapsed heading: the heading instead
    EXPECT_EQ(help->selectedItem(), 1);
    help->previousTopic(); // expands the first heading fully; item 1 has nothing before it
    EXPECT_TRUE(help->isExpanded(1));
    EXPECT_EQ(help->selectedItem(), 1);
}

TEST_F(Help, LettersActAsButtonsAndEscCloses) {
    open();
    key('n');
    EXPECT_EQ(help->pageShown(), "A2");
    key('N');
    EXPECT_EQ(help->pageShown(), "A3");
    key('p');
    EXPECT_EQ(help->pageShown(), "A2");
    QTest::keyClick(help->pageViewer, 'l'); // the viewer shares the keys
    EXPECT_EQ(help->selectedItem(), 11);
    key('f');
    EXPECT_EQ(help->selectedItem(), 1);
    key('x'); // other keys are the outline's own
    EXPECT_TRUE(help->isVisible());
    QTest::keyClick(help->outline, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(Help, ReopensOnTheLastPageRead) {
    open();
    help->nextTopic();
    help->nextTopic();
    help->closeHelp();
    EXPECT_FALSE(help->isVisible());
    open();
    EXPECT_EQ(help->pageShown(), "A3");
    EXPECT_EQ(help->selectedItem(), 4);
}

TEST_F(Help, ButtonHintsShowInTheStatusBar) {
    open();
    QStatusTipEvent tip(help->nextButton->statusTip());
    QApplication::sendEvent(help->nextButton, &tip);
    EXPECT_EQ(help->statusBar->currentMessage(), "Next Topic");
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(help->nextButton, &none);
    EXPECT_EQ(help->statusBar->currentMessage(), "");
    EXPECT_TRUE(help->statusTopic->text().contains("General Information"));
    EXPECT_EQ(help->firstButton->toolTip(), "First Topic");
    EXPECT_EQ(help->previousButton->toolTip(), "Previous Topic");
    EXPECT_EQ(help->lastButton->toolTip(), "Last Topic");
    EXPECT_EQ(help->closeButton->toolTip(), "Close Help");
    EXPECT_EQ(help->closeButton->text(), "Close");
}

TEST_F(Help, ResizesWithTheWindow) {
    open();
    help->resize(900, 700);
    QApplication::processEvents();
    EXPECT_GT(help->pageViewer->width(), 640 - 165);
    EXPECT_EQ(help->outline->width(), 165);
    EXPECT_GT(help->pageViewer->height(), 480);
}
