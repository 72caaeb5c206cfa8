// The view composition: where every picture lands in the 240 x 240 view, the key
// colour, darkening, the theme's picture groups, and the built-in picture set.

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <functional>

#include "flattheme.h"
#include "game/game.h"
#include "game/host.h"
#include "view/viewcomposer.h"
#include "view/viewscan.h"

namespace quorvel {
namespace {

using namespace viewtest;

QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

/// The strip picture index whose colour is at (x, 120), or -1.
int stripAt(const QImage& view, int x) {
    for (int i = 0; i < stripPictureCount; ++i)
        if (pixel(view, x, 120) == stripColour(i)) return i;
    return -1;
}

class Composition : public ::testing::Test {
  protected:
    void SetUp() override {
        const ViewSources s = composer.loadViewImages(theme.path().toStdString());
        ASSERT_TRUE(s.strips && s.boxes && s.exits && s.map);
    }
    FlatTheme theme;
    ViewComposer composer;

    /// The view of a wall ahead with the open and the closed boxes laid on it.
    const QImage& boxes(std::array<bool, 3> open, std::array<bool, 3> closed) {
        ViewPlan p = plan(wallAhead);
        p.openBox = open;
        p.closedBox = closed;
        composer.drawMaze(p);
        composer.drawBox(p);
        return composer.mazeImage();
    }
};

TEST_F(Composition, NormalViewPaintsEachStripAcrossItsWholePlace) {
    const std::array<int, 6> chosen = {14, 19, 6, 8, 21, 1}; // wall3 wall8 door7 door9 wall10 door2
    composer.drawMaze(plan(chosen));
    const QImage& view = composer.mazeImage();
    for (int s = 0; s < 6; ++s) {
        for (int x = stripX[s]; x < stripX[s] + stripWidths[s]; ++x)
            ASSERT_EQ(stripAt(view, x), chosen[s]) << "strip " << s + 1 << " x " << x;
        EXPECT_EQ(pixel(view, stripX[s], 0), stripColour(chosen[s]));
        EXPECT_EQ(pixel(view, stripX[s] + stripWidths[s] - 1, 239), stripColour(chosen[s]));
    }
}

TEST_F(Composition, ExitCasesReplaceTheStripsBetweenThem) {
    const std::array<int, 6> chosen = {2, 3, 6, 8, 9, 4};
    const QColor exit1(0, 250, 0), exit2(0, 230, 0), exit3(0, 210, 0), ending(0, 190, 0);

    composer.drawMaze(plan(chosen, ViewCase::exit3));
    const QImage& v3 = composer.mazeImage();
    for (int x = 0; x < 240; ++x) {
        if (x >= 100 && x < 140)
            ASSERT_EQ(pixel(v3, x, 120), exit3) << x;
        else
            ASSERT_EQ(stripAt(v3, x), chosen[x < 60 ? 0 : x < 100 ? 1 : x < 180 ? 4 : 5]) << x;
    }

    composer.drawMaze(plan(chosen, ViewCase::exit2));
    const QImage& v2 = composer.mazeImage();
    for (int x = 0; x < 240; ++x) {
        if (x >= 60 && x < 180)
            ASSERT_EQ(pixel(v2, x, 5), exit2) << x;
        else
            ASSERT_EQ(stripAt(v2, x), chosen[x < 60 ? 0 : 5]) << x;
    }

    composer.drawMaze(plan(chosen, ViewCase::exit1));
    EXPECT_EQ(pixel(composer.mazeImage(), 0, 0), exit1);
    EXPECT_EQ(pixel(composer.mazeImage(), 239, 239), exit1);
    EXPECT_EQ(pixel(composer.mazeImage(), 120, 120), exit1);

    composer.drawMaze(plan(chosen, ViewCase::onExit));
    EXPECT_EQ(pixel(composer.mazeImage(), 7, 200), ending);
}

TEST_F(Composition, TheEndingIsShownAtOnceAtFullLight) {
    composer.drawMaze(plan(wallAhead));
    composer.showView();
    composer.drawMaze(plan(wallAhead, ViewCase::onExit));
    // Shown before any later stage, whatever the battery.
    EXPECT_EQ(pixel(composer.shownView(), 120, 120), QColor(0, 190, 0));
    composer.darken(175);
    EXPECT_EQ(pixel(composer.shownView(), 120, 120), QColor(0, 190, 0));
    EXPECT_EQ(pixel(composer.mazeImage(), 120, 120), QColor(0, 15, 0));
}

TEST_F(Composition, NothingIsShownUntilShowview) {
    composer.drawMaze(plan(wallAhead));
    composer.showView();
    composer.drawMaze(plan({2, 7, 10, 11, 9, 4}));
    EXPECT_EQ(stripAt(composer.shownView(), 10), 26);
    composer.showView();
    EXPECT_EQ(stripAt(composer.shownView(), 10), 2);
}

TEST_F(Composition, BoxesLieAtTheirPlacesAndTheKeyColourIsLeftOut) {
    const QImage& v = boxes({}, {true, false, false});
    EXPECT_EQ(pixel(v, 91, 174), QColor(100, 100, 0)); // inside box 1 at (90, 173)
    EXPECT_EQ(pixel(v, 148, 231), QColor(100, 100, 0));
    EXPECT_EQ(pixel(v, 90, 173), stripColour(25)); // the key frame
    EXPECT_EQ(pixel(v, 149, 232), stripColour(32));
    EXPECT_EQ(pixel(v, 89, 200), stripColour(25));

    const QImage& far = boxes({false, true, true}, {});
    EXPECT_EQ(pixel(far, 102, 135), QColor(200, 200, 40)); // (101, 134)
    EXPECT_EQ(pixel(far, 111, 118), QColor(200, 200, 80)); // (110, 117)
}

TEST_F(Composition, LaterBoxesInTheOrderWinWhereTheyOverlap) {
    // Box 3 (rows 117..136) and box 2 (rows 134..173) overlap in row 135 inside their
    // key frames. Open box 3, then closed box 2 laid after it:
    EXPECT_EQ(pixel(boxes({false, false, true}, {false, true, false}), 120, 135),
              QColor(100, 100, 40));
    // Open box 2 laid first, closed box 3 laid last, over it.
    EXPECT_EQ(pixel(boxes({false, true, false}, {false, false, true}), 120, 135),
              QColor(100, 100, 80));
}

TEST_F(Composition, WallMapLiesAt40And67) {
    composer.drawMaze(plan(wallAhead));
    composer.drawWallMap();
    const QImage& v = composer.mazeImage();
    EXPECT_EQ(pixel(v, 41, 68), QColor(90, 60, 30));
    EXPECT_EQ(pixel(v, 198, 165), QColor(90, 60, 30));
    EXPECT_EQ(pixel(v, 40, 67), stripColour(26)); // the key frame
    EXPECT_EQ(pixel(v, 199, 166), stripColour(27));
    EXPECT_EQ(pixel(v, 120, 66), stripColour(31));
}

TEST_F(Composition, OversizedThemePicturesAreClippedToTheView) {
    theme.write("closebox1", FlatTheme::keyedSquare(400, QColor(1, 2, 3)));
    theme.write("door1", flat(300, 500, QColor(4, 5, 6)));
    composer.loadViewImages(theme.path().toStdString());
    ViewPlan p = plan({0, 25, 24, 31, 32, 27});
    p.closedBox = {true, false, false};
    composer.drawMaze(p);
    composer.drawBox(p);
    const QImage& v = composer.mazeImage();
    EXPECT_EQ(v.size(), QSize(240, 240));
    EXPECT_EQ(pixel(v, 239, 239), QColor(1, 2, 3));
    EXPECT_EQ(pixel(v, 50, 10), QColor(4, 5, 6));
    // door1 covers the whole width; its later neighbours are painted over it.
    EXPECT_EQ(stripAt(v, 60), 25);

    QImage small = flat(10, 10, QColor(9, 9, 9));
    transparentDraw(small, -300, 5, FlatTheme::keyedSquare(400, QColor(7, 7, 7)));
    transparentDraw(small, 8, -50, FlatTheme::keyedSquare(60, QColor(8, 8, 8)));
    opaqueDraw(small, 9, 9, flat(50, 50, QColor(6, 6, 6)));
    EXPECT_EQ(small.size(), QSize(10, 10));
    EXPECT_EQ(pixel(small, 0, 6), QColor(7, 7, 7));
    EXPECT_EQ(pixel(small, 9, 0), QColor(8, 8, 8));
    EXPECT_EQ(pixel(small, 9, 9), QColor(6, 6, 6));
}

// A theme picture narrower or shorter than its place leaves black there, never what the
// last view showed.
TEST(ThemeGroups, PicturesSmallerThanTheirPlaceLeaveBlackNotTheLastView) {
    const std::string wall = std::string(stripName(StripPicture::fromIndex(14)));
    const struct {
        std::string stem;
        QSize size;
        ViewCase viewCase;
        QPoint uncovered;
    } rows[] = {{wall, {50, 240}, ViewCase::normal, {55, 120}},
                {wall, {60, 200}, ViewCase::normal, {30, 220}},
                {"exitc", {30, 240}, ViewCase::exit3, {135, 120}},
                {"exitc", {40, 200}, ViewCase::exit3, {120, 220}}};
    for (const auto& row : rows) {
        FlatTheme theme;
        theme.write(row.stem, flat(row.size.width(), row.size.height(), QColor(1, 2, 3)));
        ViewComposer composer;
        composer.loadViewImages(theme.path().toStdString());
        composer.drawMaze(plan({2, 3, 6, 8, 9, 4}));
        composer.drawMaze(plan({14, 19, 6, 8, 21, 1}, row.viewCase));
        EXPECT_EQ(pixel(composer.mazeImage(), row.uncovered.x(), row.uncovered.y()),
                  QColor(Qt::black))
            << row.stem << " " << row.size.width() << "x" << row.size.height();
    }
}

TEST(TransparentDraw, KeyIsTheSourcesBottomLeftPixelInAllThreeColours) {
    QImage dst = flat(4, 2, QColor(0, 0, 0));
    QImage src(4, 2, QImage::Format_RGB888);
    src.setPixelColor(0, 0, QColor(11, 20, 30)); // differs in red only
    src.setPixelColor(1, 0, QColor(10, 20, 30)); // the key exactly: left out
    src.setPixelColor(2, 0, QColor(10, 20, 31)); // in blue only
    src.setPixelColor(3, 0, QColor(10, 21, 30)); // in green only
    src.setPixelColor(0, 1, QColor(10, 20, 30)); // the key; every other corner differs
    for (int x = 1; x < 4; ++x)
        src.setPixelColor(x, 1, QColor(99, 99, 99));
    transparentDraw(dst, 0, 0, src);
    EXPECT_EQ(pixel(dst, 0, 0), QColor(11, 20, 30));
    EXPECT_EQ(pixel(dst, 1, 0), QColor(0, 0, 0));
    EXPECT_EQ(pixel(dst, 2, 0), QColor(10, 20, 31));
    EXPECT_EQ(pixel(dst, 3, 0), QColor(10, 21, 30));
    EXPECT_EQ(pixel(dst, 0, 1), QColor(0, 0, 0));
    EXPECT_EQ(pixel(dst, 3, 1), QColor(99, 99, 99));
    // A 32-bit source is read as 24 bits.
    QImage argb = src.convertToFormat(QImage::Format_ARGB32);
    QImage dst2 = flat(4, 1, QColor(0, 0, 0));
    transparentDraw(dst2, 0, 0, argb);
    EXPECT_EQ(pixel(dst2, 0, 0), QColor(11, 20, 30));
    transparentDraw(dst2, 0, 0, QImage()); // an empty picture draws nothing
}

TEST(Darkening, TakesTheBatteryDarknessOffEveryColourDownToZero) {
    struct Case {
        int battery, steps, expected;
    };
    // The rule's values with a drain of 1 % per two steps.
    for (const Case c : {Case{100, 0, 0}, Case{26, 1, 0}, Case{25, 0, 0}, Case{25, 1, 4},
                         Case{24, 0, 7}, Case{20, 1, 39}, Case{1, 1, 172}, Case{0, 0, 175}}) {
        const int d = Game::darkness(c.battery, c.steps, 2);
        ASSERT_EQ(d, c.expected) << c.battery << "% " << c.steps;
        QImage image(3, 2, QImage::Format_RGB888);
        image.setPixelColor(0, 0, QColor(255, 128, 0));
        image.setPixelColor(1, 0, QColor(200, 39, 38));
        image.setPixelColor(2, 0, QColor(175, 176, 5));
        image.setPixelColor(0, 1, QColor(7, 8, 9));
        image.setPixelColor(1, 1, QColor(100, 100, 100));
        image.setPixelColor(2, 1, QColor(255, 255, 255));
        const QImage before = image.copy();
        darkenImage(image, d);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                const QColor a = before.pixelColor(x, y), b = image.pixelColor(x, y);
                ASSERT_EQ(b, QColor(std::max(0, a.red() - d), std::max(0, a.green() - d),
                                    std::max(0, a.blue() - d)))
                    << "darkness " << d << " at " << x << "," << y;
            }
        if (d == 0) { // less than none leaves the picture as it is too
            darkenImage(image, -1);
            EXPECT_EQ(image, before);
        }
    }
}

TEST(ThemeGroups, EachGroupComesWhollyFromTheThemeOrWhollyBuiltIn) {
    FlatTheme theme;
    ViewComposer composer;
    theme.remove("closebox3");
    ViewSources s = composer.loadViewImages(theme.path().toStdString());
    EXPECT_TRUE(s.strips);
    EXPECT_FALSE(s.boxes);
    EXPECT_TRUE(s.exits);
    EXPECT_TRUE(s.map);
    EXPECT_FALSE(s.panel); // the flat theme has no panel pictures
    // The openbox1 file is there but the built-in one is used with the rest.
    ViewPlan p = plan(wallAhead);
    p.openBox = {true, false, false};
    composer.drawMaze(p);
    composer.drawBox(p);
    EXPECT_NE(pixel(composer.mazeImage(), 120, 220), QColor(200, 200, 0));

    // A picture that cannot be read counts as missing.
    FlatTheme damaged;
    QFile f(damaged.path() + "/exitb.bmp");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("BM not really a picture");
    f.close();
    s = composer.loadViewImages(damaged.path().toStdString());
    EXPECT_TRUE(s.strips);
    EXPECT_FALSE(s.exits);
    EXPECT_EQ(composer.strip(StripPicture::fromIndex(0)).pixelColor(0, 0), stripColour(0));
}

TEST(ThemeGroups, APictureThatCannotBeReadWholeLeavesItsGroupBuiltIn) {
    const ViewComposer builtIn;
    const std::vector<std::pair<std::string, std::function<void(QFile&)>>> spoilt = {
        {"cut in half", [](QFile& f) { f.resize(f.size() / 2); }},
        {"cut by one byte", [](QFile& f) { f.resize(f.size() - 1); }},
        {"emptied", [](QFile& f) { f.resize(0); }},
    };
    for (const auto& [how, spoil] : spoilt) {
        FlatTheme theme;
        QFile file(theme.path() + "/wall6.bmp");
        spoil(file);
        ViewComposer composer;
        for (int run = 0; run < 2; ++run) { // the same every time
            const ViewSources s = composer.loadViewImages(theme.path().toStdString());
            EXPECT_FALSE(s.strips) << how;
            EXPECT_TRUE(s.exits && s.boxes && s.map) << how; // other groups are not touched
            for (int i = 0; i < stripPictureCount; ++i)
                ASSERT_EQ(composer.strip(StripPicture::fromIndex(i)),
                          builtIn.strip(StripPicture::fromIndex(i)))
                    << how << " strip " << i;
        }
    }
}

TEST(ThemeGroups, AFolderNamedInLatin1Loads) {
    // Qt cannot name such a folder; the pictures are read by the path's bytes.
    const FlatTheme source;
    QTemporaryDir root;
    const std::string folder = root.path().toStdString() + "/Gr\xE8s";
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    for (const QString& name : QDir(source.path()).entryList(QDir::Files)) {
        QFile in(source.path() + "/" + name);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        std::ofstream(folder + "/" + name.toStdString(), std::ios::binary)
            .write(bytes.constData(), bytes.size());
    }
    ViewComposer composer;
    EXPECT_TRUE(composer.loadViewImages(folder).strips);
    EXPECT_EQ(composer.strip(StripPicture::fromIndex(0)).pixelColor(0, 0), stripColour(0));
    std::filesystem::remove_all(folder); // before Qt, which cannot name it, tidies up
}

TEST(ThemeGroups, FileNamesDifferingInCaseStillCount) {
    FlatTheme theme;
    ASSERT_TRUE(QFile::rename(theme.path() + "/door1.bmp", theme.path() + "/DOOR1.BMP"));
    ASSERT_TRUE(QFile::rename(theme.path() + "/map.bmp", theme.path() + "/Map.Bmp"));
    ViewComposer composer;
    const ViewSources s = composer.loadViewImages(theme.path().toStdString());
    EXPECT_TRUE(s.strips);
    EXPECT_TRUE(s.map);
    EXPECT_EQ(composer.strip(StripPicture::fromIndex(0)).pixelColor(0, 0), stripColour(0));
}

TEST(ThemeGroups, AThemeMissingOneStripPictureIsNotUsedAtAll) {
    FlatTheme theme;
    theme.remove("middle12");
    ViewComposer composer;
    const ViewSources s = composer.loadViewImages(theme.path().toStdString());
    EXPECT_FALSE(s.strips || s.boxes || s.exits || s.map || s.panel);
    EXPECT_EQ(composer.strip(StripPicture::fromIndex(0)).size(), QSize(60, 240));
    EXPECT_NE(composer.strip(StripPicture::fromIndex(0)).pixelColor(0, 0), stripColour(0));
    EXPECT_FALSE(composer.loadViewImages(std::string()).strips);
    EXPECT_FALSE(composer.loadViewImages(std::string("/no/such/folder")).map);
}

TEST(SideArrows, BlockedSideCellsIncludingTheWallMapShowNoOpening) {
    ViewComposer composer;
    Maze m;
    m.grid.fill(cellWall);
    m.posRow = 5;
    m.posCol = 5;
    m.facing = 3; // looking along + column: left is row + 1
    m.set(5, 5, cellOpen);
    m.set(6, 5, cellOpen);
    m.set(4, 5, cellWallMap);
    SidePictures s = composer.showSides(m);
    EXPECT_TRUE(s.leftOpen);
    EXPECT_FALSE(s.rightOpen);
    EXPECT_NE(s.left->pixelColor(8, 8), s.right->pixelColor(8, 8));
    m.facing = 1; // turned round: the sides swap
    s = composer.showSides(m);
    EXPECT_FALSE(s.leftOpen);
    EXPECT_TRUE(s.rightOpen);
    EXPECT_EQ(s.left->size(), QSize(16, 16));
}

TEST(Compass, EachHeadingWhollyCoversTheLast) {
    ViewComposer composer;
    std::vector<QImage> alone;
    for (int h = 0; h < 4; ++h) {
        composer.resetCompass();
        composer.drawCompass(h);
        alone.push_back(composer.compassImage().copy());
    }
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 4; ++b) {
            if (a != b) {
                EXPECT_NE(alone[a], alone[b]);
            }
            composer.resetCompass();
            composer.drawCompass(a);
            composer.drawCompass(b);
            EXPECT_EQ(composer.compassImage(), alone[b]) << a << " then " << b;
        }
    // The design picture and the headings share their silhouette on white.
    const QImage& dial = composer.compassImage();
    EXPECT_EQ(dial.size(), QSize(72, 148));
    EXPECT_EQ(dial.pixelColor(0, 147), QColor(255, 255, 255));
}

} // namespace
} // namespace quorvel
