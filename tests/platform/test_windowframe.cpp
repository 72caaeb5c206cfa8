// Windows placed by their frames: the frame's corner is where a window stands, a centred
// window is centred frame and all, and flags change without the window hiding.

#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include "platform/windowframe.h"
#include "support/testapp.h"

using namespace quorvel;

namespace {

class WindowFrame : public ::testing::Test {
  protected:
    QApplication* app = test::ensureApp();
    QWidget window{nullptr, Qt::Window};

    void SetUp() override { window.setFixedSize(200, 120); }
};

TEST_F(WindowFrame, TheFramesCornerStandsWherePlacedBeforeAndAfterShowing) {
    const QMargins frame = frameMargins(&window);
    ASSERT_FALSE(frame.isNull()) << "the offscreen platform draws a thin frame";
    placeFrame(&window, QPoint(40, 30));
    EXPECT_EQ(window.geometry().topLeft(), QPoint(40 + frame.left(), 30 + frame.top()));
    window.show();
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(40, 30));
    EXPECT_EQ(framePosition(&window), QPoint(40, 30));
    EXPECT_EQ(frameSize(&window), window.frameGeometry().size());

    placeFrame(&window, QPoint(75, 64));
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(75, 64));
    EXPECT_EQ(window.size(), QSize(200, 120));
}

TEST_F(WindowFrame, ACentredWindowIsCentredFrameAndAll) {
    EXPECT_EQ(centredCorner(QRect(0, 0, 1280, 1024), QSize(634, 474)), QPoint(323, 275));
    EXPECT_EQ(centredCorner(QRect(100, 20, 800, 600), QSize(200, 100)), QPoint(400, 270));
    window.show();
    centreFrame(&window);
    const QRect area = window.screen()->availableGeometry();
    const QRect outer = window.frameGeometry();
    EXPECT_LE(std::abs((outer.left() - area.left()) - (area.right() - outer.right())), 1);
    EXPECT_LE(std::abs((outer.top() - area.top()) - (area.bottom() - outer.bottom())), 1);
}

TEST_F(WindowFrame, FlagsChangeInPlaceWithoutHidingTheWindow) {
    window.show();
    QWindow* handle = window.windowHandle();
    setWindowFlagLive(&window, Qt::WindowStaysOnTopHint, true);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowHandle(), handle);
    EXPECT_TRUE(handle->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    setWindowFlagLive(&window, Qt::WindowStaysOnTopHint, false);
    EXPECT_FALSE(handle->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
}

} // namespace
