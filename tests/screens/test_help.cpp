#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "screenshot.h"
#include "testapp.h"
#include "tfhelp.h"

using namespace quorvel;

namespace {

class Help : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureapp();
        help = std::make_unique<TfHelp>();
    }
    void open() {
        help->showhelp();
        QApplication::processEvents();
    }
    QString title() const { return help->eHelpDoc->toPlainText().section('\n', 0, 0); }
    void key(char c) { QTest::keyClick(help->cIndex, c); }
    std::unique_ptr<TfHelp> help;
};

} // namespace

TEST_F(Help, OpensOnGeneralInformationWithGettingStartedExpanded) {
    EXPECT_EQ(help->windowTitle(), "Quorvel 3-D Help");
    EXPECT_EQ(help->size(), QSize(640, 480));
    EXPECT_FALSE(help->bFirst->isEnabled()); // until the first page is shown
    EXPECT_FALSE(help->isexpanded(1));
    open();
    EXPECT_EQ(help->selecteditem(), 2);
    EXPECT_TRUE(help->isexpanded(1));
    EXPECT_FALSE(help->isexpanded(6));
    EXPECT_FALSE(help->isexpanded(11));
    EXPECT_EQ(help->pageshown(), "A1");
    EXPECT_EQ(title(), "General Information");
    EXPECT_TRUE(help->bFirst->isEnabled());
    EXPECT_TRUE(help->bLast->isEnabled());
    EXPECT_TRUE(help->StatusTopic->text().contains("General Information"));
    test::screenshot(help.get(), "help");
}

TEST_F(Help, NextWalksEveryPageInOrderAndStopsAtTheEnd) {
    open();
    QStringList seen{help->pageshown()};
    QStringList titles{title()};
    for (int i = 0; i < 12; ++i) {
        help->bNextClick();
        if (help->pageshown() != seen.last()) {
            seen << help->pageshown();
            test::screenshot(help.get(), qPrintable("help-" + help->pageshown()));
            titles << title();
        }
    }
    EXPECT_EQ(seen, QStringList({"A1", "A2", "A3", "A4", "B1", "B2", "B3", "B4", "C1", "C2"}));
    for (int n = 1, page = 0; n <= helpitemcount; ++n) {
        if (helpoutline[n - 1].page) {
            EXPECT_EQ(titles.value(page++), QString(helpoutline[n - 1].heading)) << n;
        }
    }
    EXPECT_EQ(help->selecteditem(), 13);
    EXPECT_FALSE(help->bLast->isEnabled()); // disabled on Grand Finale only
    EXPECT_TRUE(help->bFirst->isEnabled());
}

TEST_F(Help, NextFromLoadingAGameExpandsPlayingTheGame) {
    open();
    help->selectitem(5);
    EXPECT_EQ(help->pageshown(), "A4");
    EXPECT_FALSE(help->isexpanded(6));
    help->bNextClick();
    EXPECT_TRUE(help->isexpanded(6));
    EXPECT_EQ(help->selecteditem(), 7);
    EXPECT_EQ(title(), "Necessary Items");
}

TEST_F(Help, PreviousSkipsOneHeadingAndStopsAtTheFirstPage) {
    open();
    help->selectitem(5);
    help->bNextClick(); // item 7
    help->bPrevClick();
    EXPECT_EQ(help->selecteditem(), 5);
    EXPECT_EQ(help->pageshown(), "A4");
    help->selectitem(2);
    help->bPrevClick();
    EXPECT_EQ(help->selecteditem(), 2);
    EXPECT_EQ(help->pageshown(), "A1");
}

TEST_F(Help, LastSelectsTheCollapsedHeadingUntilItIsExpanded) {
    open();
    help->bLastClick();
    EXPECT_EQ(help->selecteditem(), 11); // "Ending the Game", collapsed
    EXPECT_EQ(help->pageshown(), "A1");  // the page on display stays
    EXPECT_TRUE(help->bLast->isEnabled());
    help->bNextClick(); // expands "Ending the Game" and shows "Saving a Game"
    EXPECT_EQ(help->selecteditem(), 12);
    help->selectitem(2);
    help->bLastClick();
    EXPECT_EQ(help->selecteditem(), 13);
    EXPECT_EQ(help->pageshown(), "C2");
    EXPECT_FALSE(help->bLast->isEnabled());
}

TEST_F(Help, FirstSelectsTheFirstHeadingAndKeepsThePage) {
    open();
    help->bLastClick();
    help->expanditem(11);
    help->bLastClick();
    ASSERT_EQ(help->pageshown(), "C2");
    help->bFirstClick();
    EXPECT_EQ(help->selecteditem(), 1);
    EXPECT_EQ(help->pageshown(), "C2");
    help->bNextClick();
    EXPECT_EQ(help->pageshown(), "A1");
}

TEST_F(Help, CollapsingTheHeadingOfTheTopicSelectsTheHeading) {
    open();
    help->selectitem(3);
    help->cIndex->collapseItem(help->cIndex->topLevelItem(0));
    EXPECT_EQ(help->selecteditem(), 1);
    EXPECT_EQ(help->pageshown(), "A2");
    help->selectitem(4); // under a collapsed heading: the heading instead
    EXPECT_EQ(help->selecteditem(), 1);
    help->bPrevClick(); // expands the first heading fully; item 1 has nothing before it
    EXPECT_TRUE(help->isexpanded(1));
    EXPECT_EQ(help->selecteditem(), 1);
}

TEST_F(Help, LettersActAsButtonsAndEscCloses) {
    open();
    key('n');
    EXPECT_EQ(help->pageshown(), "A2");
    key('N');
    EXPECT_EQ(help->pageshown(), "A3");
    key('p');
    EXPECT_EQ(help->pageshown(), "A2");
    QTest::keyClick(help->eHelpDoc, 'l'); // the viewer shares the keys
    EXPECT_EQ(help->selecteditem(), 11);
    key('f');
    EXPECT_EQ(help->selecteditem(), 1);
    key('x'); // other keys are the outline's own
    EXPECT_TRUE(help->isVisible());
    QTest::keyClick(help->cIndex, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(Help, ReopensOnTheLastPageRead) {
    open();
    help->bNextClick();
    help->bNextClick();
    help->bCloseClick();
    EXPECT_FALSE(help->isVisible());
    open();
    EXPECT_EQ(help->pageshown(), "A3");
    EXPECT_EQ(help->selecteditem(), 4);
}

TEST_F(Help, ButtonHintsShowInTheStatusBar) {
    open();
    QStatusTipEvent tip(help->bNext->statusTip());
    QApplication::sendEvent(help->bNext, &tip);
    EXPECT_EQ(help->StatusBar1->currentMessage(), "Next Topic");
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(help->bNext, &none);
    EXPECT_EQ(help->StatusBar1->currentMessage(), "");
    EXPECT_TRUE(help->StatusTopic->text().contains("General Information"));
    EXPECT_EQ(help->bFirst->toolTip(), "First Topic");
    EXPECT_EQ(help->bPrev->toolTip(), "Previous Topic");
    EXPECT_EQ(help->bLast->toolTip(), "Last Topic");
    EXPECT_EQ(help->bClose->toolTip(), "Close Help");
    EXPECT_EQ(help->bClose->text(), "Close");
}

TEST_F(Help, ResizesWithTheWindow) {
    open();
    help->resize(900, 700);
    QApplication::processEvents();
    EXPECT_GT(help->eHelpDoc->width(), 640 - 165);
    EXPECT_EQ(help->cIndex->width(), 165);
    EXPECT_GT(help->eHelpDoc->height(), 480);
}
