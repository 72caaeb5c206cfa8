// The game's windows on a high-density desktop (Qt scaling every window, as on a 4K
// screen at 200 %): the view is composed at twice the resolution and shown without
// scaling; at 150 % the map's cells are whole squares of device pixels and the hover
// texts follow the cells as painted. The program runs at 200 % unless
// QT_SCALE_FACTOR says otherwise; CTest runs it at 200 % and at 150 %.

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

#include "screenfixture.h"
#include "screens/openingscreen.h"
#include "view/viewcomposer.h"
#include "view/viewscan.h"
#include "gamescreenparts.h"

namespace quorvel::test {
namespace {

bool atDensity(const QWidget& w, double ratio) {
    return w.devicePixelRatioF() == ratio;
}

TEST_F(ScreenTest, TheViewIsComposedAtTwiceTheResolutionAndShownUnscaled) {
    if (!atDensity(*form, 2)) GTEST_SKIP() << "runs at 200 %";
    newGame(1, 1234);
    const QPixmap shown = parts(form).viewPicture->pixmap();
    EXPECT_EQ(shown.size(), QSize(480, 480));
    EXPECT_EQ(shown.devicePixelRatio(), 2.0);
    EXPECT_EQ(parts(form).viewPicture->size(), QSize(240, 240));

    // The very frame a 2x composition of the start gives.
    ViewComposer composer;
    composer.setDevicePixelRatio(2);
    const ViewPlan plan = viewScan(maze());
    composer.drawMaze(plan);
    composer.drawBox(plan);
    composer.showView();
    const QImage frame = composer.shownView().convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_RGB888), frame);

    // On the window each frame pixel is one device pixel: nothing smoothed or scaled.
    const QImage window = form->grab().toImage().convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(window.copy(10, 10, 480, 480), frame);
}

// The opening screen's title and preview pieces, read unpacked for its first paint, are
// their @2x pictures as the toolkit would load them.
TEST_F(ScreenTest, TheOpeningScreensPicturesAreItsTwiceTheResolutionPictures) {
    if (!atDensity(*form, 2)) GTEST_SKIP() << "runs at 200 %";
    OpeningScreen screen(session);
    const auto sameAs = [](const QPixmap& shown, const char* file) {
        EXPECT_EQ(shown.devicePixelRatio(), 2.0) << file;
        EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_RGB32),
                  QImage(file).convertToFormat(QImage::Format_RGB32))
            << file;
    };
    sameAs(screen.titlePicture->pixmap(), ":/pictures/title@2x.png");
    sameAs(screen.builtins[0]->pixmap(), ":/pictures/preview1@2x.png");
    sameAs(screen.previews[5]->pixmap(), ":/pictures/preview2@2x.png");
}

// At 150 % the map's cells are whole squares of device pixels (the 195-pixel map is 292
// device pixels, cells of 4 fill 260 of them; on a small screen the zoom is cut and the
// cells are smaller), and the mouse over a cell names that cell, however far from the
// corner.
TEST_F(ScreenTest, AtOneAndAHalfTheHoverTextsFollowThePaintedCells) {
    if (!atDensity(*form, 1.5)) GTEST_SKIP() << "runs at 150 %";
    newGame(3, 5);
    map->updateMapTools(false, true, true);
    const OverheadMap& om = map->overheadMap();
    const QImage window = map->grab().toImage().convertToFormat(QImage::Format_RGB888);
    const int top = 44; // the map's first whole device pixel, under the 29-pixel toolbar
    const QWidget* view = map->findChild<QWidget*>("Map");
    const int cell = static_cast<int>(std::min(view->width(), view->height()) * 1.5) / 65;
    ASSERT_GE(cell, 2);
    for (int y = 0; y < 65 * cell; ++y)
        for (int x = 0; x < 65 * cell; ++x) {
            const MapColour c = om.picture().pixel(x / cell, y / cell);
            ASSERT_EQ(window.pixelColor(x, top + y), QColor(c.r, c.g, c.b)) << x << "," << y;
        }
    // The exit (beacon) lies in the picture's far column; the mouse in the middle of
    // its cell names it, and so does every closed box.
    int named = 0;
    for (int r = 0; r <= 60; ++r)
        for (int c = 0; c <= 61; ++c) {
            const CellCode code = maze().at(r, c);
            if (code != cellExit && (!isClosedBox(code) || code == cellBatteryLeft)) continue;
            const int px = om.mapX(r + 2, c + 2), py = om.mapY(r + 2, c + 2);
            const int x = static_cast<int>((px * cell + cell / 2) / 1.5),
                      y = static_cast<int>((py * cell + cell / 2) / 1.5);
            EXPECT_EQ(map->hoverText(x, y), code == cellExit ? "The exit" : "A box")
                << r << "," << c;
            ++named;
        }
    EXPECT_GT(named, 5);
}

// Every kind of message shows the game's own picture of it, drawn from its 2x file pixel
// for pixel, never the toolkit's picture blown up.
TEST_F(ScreenTest, MessagesShowTheGamesOwnSharpIcons) {
    if (!atDensity(*form, 2)) GTEST_SKIP() << "runs at 200 %";
    const std::pair<int, const char*> kinds[] = {{dkWarning, "iconwarning"},
                                                 {dkError, "iconerror"},
                                                 {dkQuestion, "iconquestion"},
                                                 {dkNotice, "iconinfo"}};
    for (const auto& [kind, picture] : kinds) {
        QPixmap shown;
        whenModal([&shown](QWidget* box) {
            shown = box->findChild<QLabel*>("iMsg")->pixmap();
            QTest::keyClick(box, Qt::Key_Escape);
            QTest::keyClick(box, 'n');
        });
        showDialog(kind, "", "A message.");
        EXPECT_EQ(shown.devicePixelRatio(), 2.0) << picture;
        EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_ARGB32),
                  QImage(QString(":/pictures/%1@2x.png").arg(picture))
                      .convertToFormat(QImage::Format_ARGB32))
            << picture;
    }
}

} // namespace
} // namespace quorvel::test

int main(int argc, char** argv) {
    // As a 200 % desktop sets it, before the application starts, unless a run asks for
    // another density.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) qputenv("QT_SCALE_FACTOR", "2");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
