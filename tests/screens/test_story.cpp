#include <fstream>

#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

#include "screens/storywindow.h"
#include "screenshot.h"
#include "support/modal.h"
#include "support/picturefiles.h"
#include "support/testapp.h"
#include "support/testfolder.h"
#include "text/rtf.h"
#include "theme/theme.h"
#include "widgets/storyview.h"

using namespace quorvel;
using test::hexLines;
using test::pictureFile;

namespace {

constexpr const char* storyRtf =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}"
    "{\\colortbl ;\\red128\\green0\\blue0;}\n"
    "\\pard\\qc\\cf1\\b\\fs32 The Dragon's Hoard\\cf0\\b0\\fs24\\par\n"
    "\\pard\\par Deep under the mountain the old dragon sleeps on its gold. You came for "
    "{\\i one} gem, but the tunnels have closed behind you\\emdash find the way out before "
    "your torch burns down.\\par\\par\n"
    "{\\b Good luck,} adventurer!\\par}";

// What the story's document holds: its tables and the pictures it shows.
struct Contents {
    std::vector<QTextTable*> tables;
    std::vector<QTextImageFormat> pictures;
};
Contents contentsOf(QTextDocument* document) {
    Contents c;
    for (QTextFrame* frame : document->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame)) c.tables.push_back(table);
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                c.pictures.push_back(it.fragment().charFormat().toImageFormat());
    return c;
}

int pixelsLike(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - colour.red()) < 40 &&
                std::abs(p.green() - colour.green()) < 40 &&
                std::abs(p.blue() - colour.blue()) < 40)
                ++n;
        }
    return n;
}

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

TEST_F(Story, AWordProcessorsTablesAndPicturesAreShownInPlace) {
    const std::string wide = pictureFile("PNG", QColor(220, 30, 30), {900, 120});
    const std::string jpeg = pictureFile("JPEG", QColor(30, 30, 220), {60, 40});
    std::string broken = wide;
    broken.replace(40, 200, std::string(200, 'x')); // a PNG that fails to decode
    writeStory("Vault",
               "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\qc\\b The Vault\\b0\\par\r\n"
               "\\trowd\\trgaph108\\clbrdrt\\brdrs\\clbrdrb\\brdrs\\cellx2000\\clbrdrt"
               "\\brdrs\\cellx4000\\pard\\intbl\\ql Gem\\cell\\pard\\intbl\\qr Worth\\cell"
               "\\row\\trowd\\trgaph108\\cellx2000\\cellx4000\\pard\\intbl\\ql Ruby\\cell"
               "\\pard\\intbl\\qr 1\\cell\\row\r\n"
               "\\pard\\ql A map: {\\*\\shppict{\\pict\\picscalex100\\picscaley100\\picwgoal13500"
               "\\pichgoal1800\\pngblip" +
                   hexLines(wide) + "}} and a key {\\pict\\jpegblip\\picwgoal900\\pichgoal600" +
                   hexLines(jpeg) + "}{\\pict\\pngblip" + hexLines(broken) + "} here.\\par}");
    Contents seen;
    QImage shot;
    int viewerWidth = 0;
    test::whenModal([&](QWidget* modal) {
        QApplication::processEvents();
        seen = contentsOf(story->storyViewer->document());
        viewerWidth = story->storyViewer->viewport()->width();
        shot = story->storyViewer->viewport()->grab().toImage();
        test::screenShot(modal, "story-table-and-pictures");
        story->closeStory();
    });
    story->showStory("Vault");
    ASSERT_EQ(seen.tables.size(), 1u);
    QTextTable* table = seen.tables[0];
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(table->cellAt(0, 1).firstCursorPosition().block().text(), "Worth");
    EXPECT_EQ(table->cellAt(1, 0).firstCursorPosition().block().text(), "Ruby");
    EXPECT_EQ(table->cellAt(1, 1).firstCursorPosition().blockFormat().alignment() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_GT(table->format().border(), 0);

    // Two pictures shown, the broken one left out without a trace.
    ASSERT_EQ(seen.pictures.size(), 2u);
    EXPECT_EQ(seen.pictures[0].name().toStdString(), rtfPictureName(0));
    EXPECT_EQ(seen.pictures[1].name().toStdString(), rtfPictureName(1));
    // The wide map asks for 900 x 120 pixels: narrowed to the text, its shape kept.
    EXPECT_LE(seen.pictures[0].width(), viewerWidth);
    EXPECT_NEAR(seen.pictures[0].width() / seen.pictures[0].height(), 900.0 / 120, 0.2);
    EXPECT_EQ(seen.pictures[1].width(), 60); // 900 x 600 twips
    EXPECT_EQ(seen.pictures[1].height(), 40);
    EXPECT_GT(pixelsLike(shot, QColor(220, 30, 30)), 500);
    EXPECT_GT(pixelsLike(shot, QColor(30, 30, 220)), 500);
    EXPECT_EQ(story->storyViewer->toPlainText().count(QChar::ObjectReplacementCharacter), 2);
}

TEST_F(Story, PicturesTooLargeToUnpackAreLeftOut) {
    // A picture just over the limit, which packs small because it is of one colour:
    // its size is read from its header and it is never unpacked.
    QImage plain(4097, 4096, QImage::Format_Indexed8);
    plain.setColorTable({qRgb(0, 0, 255)});
    plain.fill(0);
    QByteArray packed;
    QBuffer buffer(&packed);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(plain.save(&buffer, "PNG"));
    ASSERT_GT(4097LL * 4096, rtfMaxPicturePixels);
    const std::string fine = pictureFile("PNG", Qt::green, {20, 20});
    writeStory("Huge", "{\\rtf1 a{\\pict\\pngblip" + hexLines(packed.toStdString()) +
                           "}b{\\pict\\pngblip" + hexLines(fine) + "}c\\par}");
    Contents seen;
    test::whenModal([&](QWidget*) {
        seen = contentsOf(story->storyViewer->document());
        story->closeStory();
    });
    story->showStory("Huge");
    ASSERT_EQ(seen.pictures.size(), 1u);
    EXPECT_EQ(seen.pictures[0].name().toStdString(), rtfPictureName(1));
    EXPECT_EQ(story->storyViewer->toPlainText().remove(QChar::ObjectReplacementCharacter), "abc");
}

TEST_F(Story, ALongStoryOpensAtItsBeginning) {
    std::string rtf = "{\\rtf1\\pard\\qc\\b The Beginning\\b0\\par";
    for (int i = 0; i < 60; ++i)
        rtf += "\\pard Line " + std::to_string(i) + " of the long tale.\\par";
    writeStory("Long", rtf + "}");
    int scrolled = -1, most = 0;
    test::whenModal([&](QWidget*) {
        QApplication::processEvents();
        scrolled = story->storyViewer->verticalScrollBar()->value();
        most = story->storyViewer->verticalScrollBar()->maximum();
        story->closeStory();
    });
    story->showStory("Long");
    EXPECT_GT(most, 0); // it is longer than the window
    EXPECT_EQ(scrolled, 0);
}
