// The map window: its size at every zoom, its place, the lock, its settings per player
// and maze size, and the map file.

#include <QFile>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "inifile.h"
#include "progfolder.h"
#include "screenfixture.h"

namespace quorvel::test {
namespace {

QToolButton* button(TfMap& map, const char* name) {
    return map.findChild<QToolButton*>(name);
}

TEST_F(ScreenTest, ANewPlayersMapOpensBesideThePanelsAtZoomZero) {
    newgame(3, 5);
    EXPECT_EQ(map->windowTitle(), "Quorvel Map");
    EXPECT_EQ(map->size(), QSize(195, 224));
    EXPECT_EQ(map->pos(), form->mapToGlobal(QPoint(412, 200)));
    EXPECT_EQ(map->zoomlevel(), 0);
    EXPECT_FALSE(button(*map, "ZoomMin")->isEnabled());
    EXPECT_TRUE(button(*map, "ZoomPlus")->isEnabled());
    EXPECT_TRUE(button(*map, "LockWin")->isChecked());
}

TEST_F(ScreenTest, ZoomStepsFollowTheSizeTable) {
    const int sides[6][5] = {{200, 300, 400, 500, 600}, {180, 315, 450, 585, 720},
                             {195, 325, 455, 585, 715}, {170, 255, 340, 425, 510},
                             {210, 315, 420, 525, 630}, {250, 375, 500, 625, 750}};
    const QRect avail = map->screen()->availableGeometry();
    for (int level = 1; level <= 6; ++level) {
        Maze m;
        m.mazesize = 20 * level;
        map->setupmap(form.get(), &m, "Tester", 0, m.mazesize);
        for (int zoom = 0; zoom <= 4; ++zoom) {
            int side = sides[level - 1][zoom];
            // A screen too small for the full size gets the largest whole-pixel side.
            const int fits = std::min(avail.width(), avail.height() - 29);
            if (side > fits) side = fits / (m.mazesize + 5) * (m.mazesize + 5);
            EXPECT_EQ(map->size(), QSize(side, side + 29)) << level << " zoom " << zoom;
            EXPECT_EQ(side % (m.mazesize + 5), 0);
            if (zoom < 4) map->zoomin();
        }
        EXPECT_FALSE(button(*map, "ZoomPlus")->isEnabled());
        EXPECT_TRUE(button(*map, "ZoomMin")->isEnabled());
        map->zoomin();
        EXPECT_EQ(map->zoomlevel(), 4);
    }
}

TEST_F(ScreenTest, MapSettingsAreKeptPerMazeSize) {
    newgame(2, 5);
    map->zoomin();
    map->move(300, 222);
    QTest::mouseClick(button(*map, "LockWin"), Qt::LeftButton); // released
    EXPECT_FALSE(map->locked());
    map->hide();
    const IniFile ini = IniFile::load(settingspath());
    EXPECT_EQ(ini.readinteger("Tester.MapSettings", "Zoom40", -1), 1);
    EXPECT_EQ(ini.readinteger("Tester.MapSettings", "Left40", -1), 300);
    EXPECT_EQ(ini.readinteger("Tester.MapSettings", "Top40", -1), 222);
    EXPECT_EQ(ini.readstring("Tester.MapSettings", "Locked40", ""), "0");

    // The same player at another size starts afresh; back at 40 the settings return.
    Maze m60;
    m60.mazesize = 60;
    map->setupmap(form.get(), &m60, "Tester", 0, 60);
    map->show();
    EXPECT_EQ(map->zoomlevel(), 0);
    map->hide();
    Maze m40;
    m40.mazesize = 40;
    map->setupmap(form.get(), &m40, "Tester", 0, 40);
    map->show();
    EXPECT_EQ(map->zoomlevel(), 1);
    EXPECT_FALSE(button(*map, "LockWin")->isChecked());
    EXPECT_EQ(map->pos(), QPoint(300, 222));
}

TEST_F(ScreenTest, ALockedMapFollowsTheGameWindowAndAFreeOneStays) {
    newgame(1, 5);
    form->move(100, 100);
    const QPoint before = map->pos();
    form->move(130, 90);
    EXPECT_EQ(map->pos(), before + QPoint(30, -10));
    QTest::mouseClick(button(*map, "LockWin"), Qt::LeftButton);
    form->move(100, 100);
    EXPECT_EQ(map->pos(), before + QPoint(30, -10));
}

TEST_F(ScreenTest, TheWKeyShowsTheMapOrTogglesItsStayOnTop) {
    newgame(1, 5);
    map->hide();
    QTest::keyClick(form.get(), 'w');
    EXPECT_TRUE(map->isVisible());
    EXPECT_TRUE(map->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::keyClick(form.get(), 'W');
    EXPECT_TRUE(map->isVisible());
    EXPECT_FALSE(map->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(ScreenTest, TheMapFileRoundTripsAndABadOneKeepsTheBlackPicture) {
    newgame(4, 5);
    QDir().mkpath(QString::fromStdString(savedgamesfolder()));
    map->overheadmap().plotcell(10, 12, mapcolour::aqua);
    const std::vector<std::uint8_t> painted = map->overheadmap().picture().rgb;
    ASSERT_TRUE(map->savemapfile("Tester4"));
    QFile file(QString::fromStdString(TfMap::mapfilename("Tester4")));
    EXPECT_EQ(file.size(), 21814);
    Maze m;
    m.mazesize = 80;
    map->setupmap(form.get(), &m, "Tester", 0, 80);
    map->loadmapfile("Tester4");
    EXPECT_EQ(map->overheadmap().picture().rgb, painted);

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("not a bitmap");
    file.close();
    map->setupmap(form.get(), &m, "Tester", 0, 80);
    map->loadmapfile("Tester4");
    const MapPicture& black = map->overheadmap().picture();
    EXPECT_EQ(black.width, 85);
    EXPECT_TRUE(
        std::all_of(black.rgb.begin(), black.rgb.end(), [](std::uint8_t b) { return b == 0; }));
    map->loadmapfile("Nobody9"); // missing: stays black
    EXPECT_EQ(map->overheadmap().picture().width, 85);
}

TEST_F(ScreenTest, HoverTextsNameTheBoxWithTheThemesWords) {
    newgame(1, 5);
    Maze& m = maze();
    int br = -1, bc = -1;
    for (int r = 0; r <= 20 && br < 0; ++r)
        for (int c = 0; c <= 20; ++c)
            if (isclosedbox(m.at(r, c)) && m.at(r, c) != cellbattery) br = r, bc = c;
    ASSERT_GE(br, 0);
    map->updatemaptools(false, true, false);
    OverheadMap& om = map->overheadmap();
    const int x = om.mapx(br + 2, bc + 2) * 8 + 4, y = om.mapy(br + 2, bc + 2) * 8 + 4;
    EXPECT_EQ(map->hovertext(x, y), "A box");
    EXPECT_EQ(map->hovertext(1, 1), "");
}

} // namespace
} // namespace quorvel::test
