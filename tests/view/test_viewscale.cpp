// The view at twice the resolution: every picture lands on twice its coordinates, the
// 2x frame halved is the 1x frame, the 2x frame has detail of its own rather than being
// the 1x frame blown up, and a theme's 1x pictures are scaled up group by group.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cstdlib>
#include <vector>

#include "flattheme.h"
#include "game/game.h"
#include "game/generator.h"
#include "game/random.h"
#include "resources/resources.h"
#include "view/viewcomposer.h"
#include "view/viewscan.h"

namespace quorvel {
namespace {

using namespace viewtest;

/// Each 2 x 2 square of `big` averaged into one pixel (rounded).
QImage halved(const QImage& big) {
    const QImage b = big.convertToFormat(QImage::Format_RGB888);
    QImage out(b.width() / 2, b.height() / 2, QImage::Format_RGB888);
    for (int y = 0; y < out.height(); ++y) {
        const uchar* r0 = b.constScanLine(2 * y);
        const uchar* r1 = b.constScanLine(2 * y + 1);
        uchar* o = out.scanLine(y);
        for (int x = 0; x < out.width() * 3; ++x) {
            const int p = x / 3 * 6 + x % 3;
            o[x] = static_cast<uchar>((r0[p] + r0[p + 3] + r1[p] + r1[p + 3] + 2) / 4);
        }
    }
    return out;
}

/// How two pictures of one size differ: the mean absolute difference of their colour
/// values, and the share of values that differ by more than 12.
struct Difference {
    double mean = 0, over12 = 0;
};
Difference difference(const QImage& a, const QImage& b) {
    const QImage p = a.convertToFormat(QImage::Format_RGB888);
    const QImage q = b.convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(p.size(), q.size());
    long sum = 0, over = 0;
    for (int y = 0; y < p.height(); ++y) {
        const uchar* r = p.constScanLine(y);
        const uchar* s = q.constScanLine(y);
        for (int x = 0; x < p.width() * 3; ++x) {
            sum += std::abs(r[x] - s[x]);
            over += std::abs(r[x] - s[x]) > 12;
        }
    }
    const double values = double(p.width()) * p.height() * 3;
    return {sum / values, over / values};
}

/// Composes a plan the way a game frame is composed and returns the shown frame.
QImage frame(ViewComposer& composer, const ViewPlan& plan, bool wallMap, int darkness) {
    composer.drawMaze(plan);
    if (plan.viewCase != ViewCase::onExit) {
        if (wallMap) composer.drawWallMap();
        composer.drawBox(plan);
        composer.darken(darkness);
        composer.showView();
    }
    return composer.shownView().copy();
}

/// Every different view of a level-1 maze (its strips, exit case, boxes and what lies
/// straight ahead), each taken once.
std::vector<ViewPlan> everyView() {
    Random rng(1234);
    Maze maze;
    generateAccepted(maze, rng, 1);
    std::vector<ViewPlan> plans;
    for (int r = 0; r <= maze.mazeSize; ++r)
        for (int c = 0; c <= maze.mazeSize + 1; ++c)
            for (int f = 1; f <= 4 && !isWall(maze.at(r, c)); ++f) {
                maze.posRow = r;
                maze.posCol = c;
                maze.facing = f;
                ViewPlan p = viewScan(maze);
                p.ahead = p.ahead == cellWallMap ? cellWallMap : cellOpen;
                p.depth = 0;
                bool seen = false;
                for (const ViewPlan& q : plans)
                    seen = seen || (q.strips == p.strips && q.viewCase == p.viewCase &&
                                    q.openBox == p.openBox && q.closedBox == p.closedBox &&
                                    q.ahead == p.ahead);
                if (!seen) plans.push_back(p);
            }
    return plans;
}

// The built-in pictures at 2x are the same corridor drawn at twice the resolution:
// averaged back down, each frame is the 1x frame but for a few values along the edges
// of boxes and the wall map, while it differs from either blow-up of the 1x frame
// (smooth, or pixel by pixel) several times more, because it has detail they cannot
// have. Every different view of a maze is tried, some with a weak battery.
TEST(ViewAtTwice, HalvedItIsTheOneXViewAndItHasDetailOfItsOwn) {
    ViewComposer one, two;
    two.setDevicePixelRatio(2);
    const std::vector<ViewPlan> plans = everyView();
    ASSERT_GT(plans.size(), 40u);
    int boxes = 0, exits = 0, maps = 0; // the maze shows each kind of picture
    for (std::size_t i = 0; i < plans.size(); ++i) {
        const ViewPlan& p = plans[i];
        const bool wallMap = p.ahead == cellWallMap;
        const int darkness = i % 3 == 0 ? 39 : 0; // some frames with a weak battery
        boxes += p.openBox[0] || p.openBox[1] || p.openBox[2] || p.closedBox[0] || p.closedBox[1] ||
                 p.closedBox[2];
        exits += p.viewCase != ViewCase::normal;
        maps += wallMap;
        const QImage small = frame(one, p, wallMap, darkness);
        const QImage big = frame(two, p, wallMap, darkness);
        ASSERT_EQ(big.size(), QSize(480, 480));
        EXPECT_EQ(big.devicePixelRatio(), 2.0);

        const Difference halvedOff = difference(halved(big), small);
        EXPECT_LT(halvedOff.mean, 1.0) << "view " << i;
        // Only along the outlines of boxes and the wall map, which the 1x picture snaps
        // to whole pixels, do values differ by more than a little.
        EXPECT_LT(halvedOff.over12, 0.02) << "view " << i;

        const double fromSmooth =
            difference(big, small.scaled(480, 480, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
                .mean;
        const double fromBlocky =
            difference(big, small.scaled(480, 480, Qt::IgnoreAspectRatio, Qt::FastTransformation))
                .mean;
        EXPECT_GT(fromSmooth, std::max(0.5, 2.5 * halvedOff.mean)) << "view " << i;
        EXPECT_GT(fromBlocky, 2.5 * halvedOff.mean) << "view " << i;
    }
    EXPECT_GT(boxes, 5);
    EXPECT_GT(exits, 1);
    EXPECT_GT(maps, 0);
}

ViewPlan wallAheadWithBoxes() {
    ViewPlan p = plan(wallAhead);
    p.openBox = {false, true, false};
    p.closedBox = {true, false, true};
    return p;
}

// With flat theme pictures a misplaced strip, box or map shows as a wrong colour: at 2x
// every one lands on exactly twice its coordinates, key border included, so the 2x
// frame halved is the 1x frame exactly.
TEST(ViewAtTwice, ThemePicturesLandOnTwiceTheirCoordinates) {
    FlatTheme theme;
    ViewComposer one, two;
    ASSERT_TRUE(one.loadViewImages(theme.path().toStdString()).boxes);
    ASSERT_TRUE(two.loadViewImages(theme.path().toStdString()).boxes);
    two.setDevicePixelRatio(2);
    ViewPlan normal = wallAheadWithBoxes();
    normal.strips = {StripPicture::fromIndex(14), StripPicture::fromIndex(19),
                     StripPicture::fromIndex(6),  StripPicture::fromIndex(8),
                     StripPicture::fromIndex(21), StripPicture::fromIndex(1)};
    ViewPlan exit3 = normal, exit2 = normal;
    exit3.viewCase = ViewCase::exit3;
    exit2.viewCase = ViewCase::exit2;
    for (const ViewPlan& p : {wallAheadWithBoxes(), normal, exit3, exit2}) {
        for (bool wallMap : {false, true}) {
            const QImage small = frame(one, p, wallMap, 7);
            const QImage big = frame(two, p, wallMap, 7);
            ASSERT_EQ(halved(big), small) << viewCaseName(p.viewCase) << " map " << wallMap;
        }
    }
    // The key border of closed box 1 at (90, 173) is two device pixels wide at 2x.
    const QImage big = frame(two, wallAheadWithBoxes(), false, 0);
    EXPECT_EQ(big.pixelColor(181, 347), stripColour(25));
    EXPECT_EQ(big.pixelColor(182, 348), QColor(100, 100, 0));
}

// A theme's picture groups stay whole at 2x: a group the theme lacks comes from the
// built-in @2x pictures, never from the theme's 1x pictures blown up, and the theme's
// key colour still leaves its pixels out.
TEST(ViewAtTwice, EachGroupStaysWhollyFromTheThemeOrBuiltIn) {
    FlatTheme theme;
    theme.remove("closebox3"); // the boxes now come built in
    ViewComposer composer;
    composer.setDevicePixelRatio(2);
    const ViewSources s = composer.loadViewImages(theme.path().toStdString());
    ASSERT_TRUE(s.strips && s.map && !s.boxes);
    initResources();
    const QImage builtinBox =
        QImage(":/pictures/closebox1@2x.png").convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(builtinBox.size(), QSize(120, 120));
    ViewPlan p = wallAheadWithBoxes();
    p.openBox = {false, false, false};
    p.closedBox = {true, false, false};
    const QImage big = frame(composer, p, true, 0);
    const QColor keyColour = builtinBox.pixelColor(0, 119);
    int laid = 0, left = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) {
            const QColor b = builtinBox.pixelColor(x, y);
            const QColor shown = big.pixelColor(180 + x, 346 + y);
            if (b == keyColour) {
                const int viewX = (180 + x) / 2; // middle2, middle1, middle8, middle9
                const int strip = viewX < 100 ? 25 : viewX < 120 ? 24 : viewX < 140 ? 31 : 32;
                ASSERT_EQ(shown, stripColour(strip)) << x << "," << y;
                ++left;
            } else {
                ASSERT_EQ(shown, b) << x << "," << y;
                ++laid;
            }
        }
    EXPECT_GT(laid, 4000);
    EXPECT_GT(left, 1000);
    // The theme's map, its key border left out, at (80, 134).
    EXPECT_EQ(big.pixelColor(81, 135), stripColour(26));
    EXPECT_EQ(big.pixelColor(82, 136), QColor(90, 60, 30));
    EXPECT_EQ(big.pixelColor(397, 331), QColor(90, 60, 30));
    EXPECT_EQ(big.pixelColor(398, 332), stripColour(27));
}

// Pictures loaded while composing at 1x are the ones a later 2x frame shows: the 2x
// pictures made for an earlier set are not kept.
TEST(ViewAtTwice, PicturesLoadedAtOneXAreTheOnesShownAtTwoX) {
    FlatTheme theme;
    ViewComposer composer;
    composer.setDevicePixelRatio(2); // the built-in 2x pictures
    composer.setDevicePixelRatio(1);
    ASSERT_TRUE(composer.loadViewImages(theme.path().toStdString()).strips);
    composer.setDevicePixelRatio(2);
    const QImage big = frame(composer, wallAheadWithBoxes(), false, 0);
    EXPECT_EQ(big.pixelColor(5, 5), stripColour(26));
    EXPECT_EQ(big.pixelColor(182, 348), QColor(100, 100, 0)); // the theme's closed box 1
    composer.setDevicePixelRatio(1);
    ASSERT_FALSE(composer.loadViewImages(std::string()).strips); // back to the built-in set
    composer.setDevicePixelRatio(2);
    EXPECT_NE(frame(composer, wallAheadWithBoxes(), false, 0).pixelColor(5, 5), stripColour(26));
}

// Moving to a screen of another density changes the scale of everything the composer
// hands out; coming back gives the very pictures of before.
TEST(ViewAtTwice, ChangingTheScaleRecomposesTheCompassAndTheFrames) {
    ViewComposer composer;
    composer.drawCompass(1);
    const QImage compassOne = composer.compassImage().copy();
    EXPECT_EQ(composer.scale(), 1);

    composer.setDevicePixelRatio(1.5); // any density above 1 composes at 2x
    EXPECT_EQ(composer.scale(), 2);
    const QImage& compass = composer.compassImage();
    EXPECT_EQ(compass.size(), QSize(144, 296));
    EXPECT_EQ(compass.devicePixelRatio(), 2.0);
    // The east heading is laid over the 2x dial: the same picture as east@2x itself.
    initResources();
    const QImage east = QImage(":/pictures/east@2x.png").convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(compass.convertToFormat(QImage::Format_RGB888), east);
    EXPECT_EQ(composer.mazeImage().size(), QSize(480, 480));
    EXPECT_EQ(composer.shownView().devicePixelRatio(), 2.0);
    Maze m;
    m.grid.fill(cellWall);
    m.posRow = m.posCol = 5;
    m.set(5, 5, cellOpen);
    const SidePictures sides = composer.showSides(m);
    EXPECT_EQ(sides.left->size(), QSize(32, 32));
    EXPECT_EQ(sides.left->devicePixelRatio(), 2.0);

    composer.setDevicePixelRatio(1);
    EXPECT_EQ(composer.compassImage(), compassOne);
    EXPECT_EQ(composer.shownView().size(), QSize(240, 240));
    EXPECT_EQ(composer.showSides(m).left->size(), QSize(16, 16));
    // The item panel keeps its 1x pictures at every scale.
    composer.setDevicePixelRatio(2);
    EXPECT_EQ(composer.panelPicture(PanelPicture::food).size(), QSize(37, 36));
    EXPECT_EQ(composer.itemEmpty().size(), QSize(37, 36));
}

} // namespace
} // namespace quorvel
