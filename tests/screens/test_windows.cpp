// The windows as a window manager sees them: placed by their frames, the map's zoom
// within the screen, a locked map that never takes the keyboard and its tool border, and
// a held arrow that acts once however its key repeats arrive.

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "files/inifile.h"
#include "files/programfolder.h"
#include "platform/windowframe.h"
#include "screenfixture.h"

namespace quorvel::test {
namespace {

// An arrow from a keyboard: with its time and the key's scan code, as the display sends it.
void arrow(QWidget* target, QEvent::Type type, int key, quint64 time) {
    QKeyEvent event(type, key, Qt::NoModifier, 100 + key % 16, 0, 0);
    event.setTimestamp(time);
    QApplication::sendEvent(target, &event);
}

TEST_F(ScreenTest, TheGameWindowIsStoredAndRestoredByItsFrameCorner) {
    newGame(2, 5);
    const QMargins frame = frameMargins(form.get());
    placeFrame(form.get(), QPoint(120, 80));
    EXPECT_EQ(form->geometry().topLeft(), QPoint(120 + frame.left(), 80 + frame.top()));
    closeGame();
    const IniFile ini = IniFile::load(settingsPath());
    EXPECT_EQ(ini.readInteger("Tester.Settings", "Left40", -1), 120);
    EXPECT_EQ(ini.readInteger("Tester.Settings", "Top40", -1), 80);

    // Shown again, the frame stands where it was left, however often.
    for (int run = 0; run < 3; ++run) {
        form->show();
        EXPECT_EQ(framePosition(form.get()), QPoint(120, 80)) << run;
        EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(120, 80)) << run;
        closeGame();
    }
}

TEST_F(ScreenTest, PlacesStoredNearTheScreensEdgeComeBackWholeAndTheMapKeepsItsZoom) {
    // Both windows were left low and right, the map zoomed in twice.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    IniFile ini;
    ini.writeInteger("Tester.Settings", "Left40", area.right() - 100);
    ini.writeInteger("Tester.Settings", "Top40", area.bottom() - 60);
    ini.writeInteger("Tester.MapSettings", "Left40", area.right() - 40);
    ini.writeInteger("Tester.MapSettings", "Top40", area.bottom() - 30);
    ini.writeInteger("Tester.MapSettings", "Zoom40", 2);
    ASSERT_TRUE(ini.save(settingsPath()));
    newGame(2, 5);
    EXPECT_TRUE(area.contains(form->frameGeometry()));
    EXPECT_EQ(map->zoomLevel(), 2);
    EXPECT_EQ(map->size(), QSize(450, 479));
    // Moved no further than the screen's edge.
    EXPECT_EQ(map->frameGeometry().bottomRight(), area.bottomRight());
}

TEST_F(ScreenTest, ALockedMapFollowsTheGameFramesMoves) {
    newGame(1, 5);
    EXPECT_EQ(framePosition(map.get()), form->mapToGlobal(QPoint(412, 200)));
    for (const QPoint to : {QPoint(60, 40), QPoint(95, 70)}) {
        placeFrame(form.get(), to);
        EXPECT_EQ(framePosition(map.get()), form->mapToGlobal(QPoint(412, 200)));
    }
}

TEST_F(ScreenTest, ZoomKeepsTheWholeMapWindowOnTheScreen) {
    newGame(1, 5);
    const QRect area = map->screen()->availableGeometry();
    const QMargins frame = frameMargins(map.get());
    // Near the bottom right the full 600-pixel side does not fit; the side shrinks to
    // whole pixels per cell (multiples of 25), frame and toolbar included.
    const QPoint corner(area.right() + 1 - 420, area.bottom() + 1 - 360);
    placeFrame(map.get(), corner);
    for (int i = 0; i < 4; ++i)
        map->zoomIn();
    const int room =
        std::min(420 - frame.left() - frame.right(), 360 - frame.top() - frame.bottom() - 29);
    const int side = room / 25 * 25;
    EXPECT_EQ(map->size(), QSize(side, side + 29));
    EXPECT_TRUE(area.contains(map->frameGeometry())) << map->frameGeometry().bottom();
    EXPECT_EQ(map->zoomLevel(), 4);
    EXPECT_FALSE(button(*map, "ZoomPlus")->isEnabled());

    // From a place with room, zooming out and in again gives the full size.
    placeFrame(map.get(), area.topLeft());
    map->zoomOut();
    map->zoomIn();
    EXPECT_EQ(map->size(), QSize(600, 629));

    // Standing off the screen, the map keeps one pixel per cell rather than vanishing.
    placeFrame(map.get(), area.bottomRight() - QPoint(5, 5));
    map->applyZoom();
    EXPECT_EQ(map->size(), QSize(25, 54));
}

TEST_F(ScreenTest, ALockedMapNeverTakesTheKeyboardAndHasAToolBorder) {
    newGame(1, 5);
    const Qt::WindowFlags flags = map->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::Tool));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)); // only the boxes asked for
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    const auto refusesFocus = [this] {
        return map->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus) &&
               map->windowHandle()->flags().testFlag(Qt::WindowDoesNotAcceptFocus);
    };
    EXPECT_TRUE(refusesFocus());

    // Released, the map may keep the keyboard after a click; locked again, it may not.
    QTest::mouseClick(button(*map, "LockWin"), Qt::LeftButton);
    EXPECT_FALSE(map->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(map->isVisible());
    QTest::mouseClick(button(*map, "LockWin"), Qt::LeftButton);
    EXPECT_TRUE(refusesFocus());

    // A stored lock is applied with its focus rule when the map is shown.
    map->hide();
    IniFile ini = IniFile::load(settingsPath());
    ini.writeBool("Tester.MapSettings", "Locked20", false);
    ASSERT_TRUE(ini.save(settingsPath()));
    map->show();
    EXPECT_FALSE(map->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
}

// Counts the times a window is hidden.
class HideCounter : public QObject {
  public:
    int hides = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) ++hides;
        return false;
    }
};

TEST_F(ScreenTest, TheWKeyAndMinimisingNeverLoseTheMap) {
    newGame(1, 5);
    placeFrame(map.get(), QPoint(30, 40));
    HideCounter counter;
    map->installEventFilter(&counter);
    QTest::keyClick(form.get(), 'w');
    EXPECT_FALSE(map->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::keyClick(form.get(), 'w');
    EXPECT_TRUE(map->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(counter.hides, 0);
    EXPECT_EQ(framePosition(map.get()), QPoint(30, 40));
    map->removeEventFilter(&counter);

    // Minimised, the game takes the map along, whatever else changes meanwhile, and
    // brings it back.
    form->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(map->isVisible());
    form->setWindowTitle("Quorvel 3-D, away");
    form->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(map->isVisible());
}

TEST_F(ScreenTest, AHeldArrowTurnsOnceHoweverItsRepeatsArrive) {
    newGame(1, 1234);
    const int facing = maze().facing;
    QWidget* f = form.get();
    // A turn comes once the wait for a repeat is over, however slow the machine, and no
    // second one after it.
    const auto turnsTo = [this](int expected) {
        const bool turned = QTest::qWaitFor([&] { return maze().facing == expected; }, 5000);
        QTest::qWait(GameScreen::arrowRepeatWait * 3);
        return turned && maze().facing == expected;
    };
    // Held: pressed, then repeats as release and press with one stamp each. Qt marks the
    // first repeat; the next two come unmarked, as on a busy desktop.
    arrow(f, QEvent::KeyPress, Qt::Key_Right, 1000);
    {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier,
                          100 + Qt::Key_Right % 16, 0, 0, QString(), true);
        release.setTimestamp(1500);
        QApplication::sendEvent(f, &release);
    }
    arrow(f, QEvent::KeyPress, Qt::Key_Right, 1500);
    for (const quint64 time : {1540, 1580}) {
        arrow(f, QEvent::KeyRelease, Qt::Key_Right, time);
        arrow(f, QEvent::KeyPress, Qt::Key_Right, time);
    }
    QTest::qWait(GameScreen::arrowRepeatWait * 3);
    EXPECT_EQ(maze().facing, facing);
    arrow(f, QEvent::KeyRelease, Qt::Key_Right, 1620); // let go
    EXPECT_TRUE(turnsTo(rightOf(facing)));

    // Two taps are two turns, a press of another key is no repeat, and an arrow waiting
    // when the next is released acts first.
    arrow(f, QEvent::KeyRelease, Qt::Key_Left, 2000);
    arrow(f, QEvent::KeyPress, Qt::Key_Up, 2000);
    arrow(f, QEvent::KeyRelease, Qt::Key_Left, 2100);
    EXPECT_TRUE(turnsTo(leftOf(facing)));

    // Pressed again at another time: the release before it was real and acts at once.
    arrow(f, QEvent::KeyRelease, Qt::Key_Right, 3000);
    arrow(f, QEvent::KeyPress, Qt::Key_Right, 3080);
    EXPECT_EQ(maze().facing, facing);
    arrow(f, QEvent::KeyRelease, Qt::Key_Right, 3160);
    EXPECT_TRUE(turnsTo(rightOf(facing)));
}

TEST_F(ScreenTest, AnArrowReleasedAsTheGameEndsIsDropped) {
    newGame(1, 1234);
    const int facing = maze().facing;
    arrow(form.get(), QEvent::KeyRelease, Qt::Key_Right, 3000);
    closeGame();
    QTest::qWait(GameScreen::arrowRepeatWait * 3);
    EXPECT_EQ(maze().facing, facing);
    // Hidden with the key still waiting, and the next game begun at once: it is not turned.
    newGame(1, 1234);
    arrow(form.get(), QEvent::KeyRelease, Qt::Key_Right, 4000);
    form->hide();
    newGame(1, 1234);
    QTest::qWait(GameScreen::arrowRepeatWait * 3);
    EXPECT_EQ(maze().facing, facing);
}

} // namespace
} // namespace quorvel::test
