#include <fstream>

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "modal.h"
#include "screenshot.h"
#include "storywindow.h"
#include "testapp.h"
#include "testfolder.h"
#include "theme.h"

using namespace quorvel;

namespace {

constexpr const char* storyRtf =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}"
    "{\\colortbl ;\\red128\\green0\\blue0;}\n"
    "\\pard\\qc\\cf1\\b\\fs32 The Dragon's Hoard\\cf0\\b0\\fs24\\par\n"
    "\\pard\\par Deep under the mountain the old dragon sleeps on its gold. You came for "
    "{\\i one} gem, but the tunnels have closed behind you\\emdash find the way out before "
    "your torch burns down.\\par\\par\n"
    "{\\b Good luck,} adventurer!\\par}";

class Story : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureApp();
        story = std::make_unique<StoryWindow>(folder.home());
    }
    void writeStory(const std::string& theme, const std::string& content) {
        QDir().mkpath(QString::fromStdString(folder.home() + theme));
        std::ofstream(folder.home() + theme + "/story.rtf", std::ios::binary) << content;
    }
    // Shows theme's story, presses the keys one after another (a key that leaves the
    // window open is followed by the next), and tells whether the window was still open
    // before each key and what it looked like.
    struct Seen {
        QString caption, text;
        std::vector<bool> openBefore;
    };
    struct Key {
        int key;
        QString text;
        bool repeat = false;
    };
    Seen showAndPress(const std::string& theme, std::vector<Key> keys, const char* shot = nullptr) {
        Seen seen;
        test::whenModal([&, keys](QWidget* modal) {
            seen.caption = modal->windowTitle();
            seen.text = story->storyViewer->toPlainText();
            if (shot) test::screenShot(modal, shot);
            for (const Key& k : keys) {
                seen.openBefore.push_back(modal->isVisible());
                if (!modal->isVisible()) break;
                QKeyEvent event(QEvent::KeyPress, k.key, Qt::NoModifier, k.text, k.repeat);
                QApplication::sendEvent(story->storyViewer, &event);
            }
            if (modal->isVisible()) story->closeStory(); // never leave a test hanging
        });
        story->showStory(theme);
        return seen;
    }
    static Key key(int k, const QString& text = {}, bool repeat = false) {
        return {k, text, repeat};
    }
    test::TestFolder folder;
    std::unique_ptr<StoryWindow> story;
};

} // namespace

TEST_F(Story, AStoryOpenedByEnterStaysOpenAtSlashAndClosesWithEnter) {
    writeStory("Dragons", storyRtf);
    EXPECT_TRUE(story->startStory()); // true at creation
    story->setStartStory(true);
    const Seen seen = showAndPress("Dragons",
                                   {key(Qt::Key_Slash, "/"), key(Qt::Key_Question, "?"),
                                    key(Qt::Key_Return, "\r"), key(Qt::Key_A, "a")},
                                   "story");
    EXPECT_EQ(seen.caption, "Dragons");
    EXPECT_TRUE(seen.text.startsWith("The Dragon's Hoard\n"));
    EXPECT_TRUE(seen.text.contains(QString::fromUtf8("behind you\u2014find")));
    EXPECT_EQ(seen.openBefore, (std::vector<bool>{true, true, true, false}));
    EXPECT_FALSE(story->startStory()); // every closing clears it
}

TEST_F(Story, DuringPlayTheKeyThatOpensTheStoryClosesIt) {
    writeStory("Dragons", storyRtf);
    story->setStartStory(false);
    Seen seen = showAndPress("Dragons", {key(Qt::Key_Slash, "/"), key(Qt::Key_A, "a")});
    EXPECT_EQ(seen.openBefore, (std::vector<bool>{true, false}));
    seen = showAndPress("Dragons", {key(Qt::Key_Question, "?"), key(Qt::Key_A, "a")});
    EXPECT_EQ(seen.openBefore, (std::vector<bool>{true, false}));
    // A held key repeats: its repeats do not close the story it just opened.
    seen = showAndPress("Dragons", {key(Qt::Key_Slash, "/", true), key(Qt::Key_Escape)});
    EXPECT_EQ(seen.openBefore, (std::vector<bool>{true, true}));
}

TEST_F(Story, EscClosesTheStoryShownAtTheStart) {
    writeStory("Dragons", storyRtf);
    story->setStartStory(true);
    const Seen seen = showAndPress("Dragons", {key(Qt::Key_Escape), key(Qt::Key_A, "a")});
    EXPECT_EQ(seen.openBefore, (std::vector<bool>{true, false}));
    EXPECT_FALSE(story->startStory());
}

TEST_F(Story, ThemesWithoutAStoryShowNothing) {
    QDir().mkpath(QString::fromStdString(folder.home() + "Plain"));
    for (const char* theme : {"Plain", "Missing", "Back to basics <Default>", "", "..", "a/b"}) {
        story->setStartStory(true);
        EXPECT_FALSE(story->showStory(theme)) << theme;
        EXPECT_FALSE(story->isVisible());
        EXPECT_FALSE(story->startStory()) << theme;
    }
    // A folder named story.rtf is no story either.
    QDir().mkpath(QString::fromStdString(folder.home() + "Odd/story.rtf"));
    EXPECT_FALSE(story->showStory("Odd"));
}

TEST_F(Story, AStoryFromWindowsWithAnotherCaseIsFound) {
    QDir().mkpath(QString::fromStdString(folder.home() + "Caves"));
    std::ofstream(folder.home() + "Caves/STORY.RTF", std::ios::binary) << "{\\rtf1 Dark caves.}";
    story->setStartStory(false);
    const Seen seen = showAndPress("Caves", {key(Qt::Key_Escape)});
    EXPECT_EQ(seen.text, "Dark caves.");
}

TEST_F(Story, ADamagedStoryShowsWhatCouldBeRead) {
    std::string damaged = "{\\rtf1 Once upon a time {\\b in a maze";
    for (int i = 0; i < 100000; ++i)
        damaged += "{";
    damaged += "\\'4";
    writeStory("Broken", damaged);
    const Seen seen = showAndPress("Broken", {key(Qt::Key_Escape)});
    EXPECT_EQ(seen.caption, "Broken");
    EXPECT_EQ(seen.text, "Once upon a time in a maze");
}

TEST_F(Story, WindowLayout) {
    EXPECT_EQ(story->windowTitle(), "Quorvel 3-D Story");
    EXPECT_EQ(story->size(), QSize(312, 286));
    EXPECT_TRUE(story->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(story->closeButton->text(), "Close");
    EXPECT_EQ(story->closeButton->toolTip(), "Close Help");
    EXPECT_EQ(story->storyViewer->geometry().topLeft(), QPoint(8, 8));
}
