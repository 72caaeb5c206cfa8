// The map window: its size at every zoom, its place, the lock, its settings per player
// and maze size, and the map file.

#include <algorithm>
#include <fstream>

#include <QFile>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include "files/inifile.h"
#include "files/programfolder.h"
#include "files/safewrite.h"
#include "files/savedgamefiles.h"
#include "play/savedgames.h"
#include "screenfixture.h"
#include "support/diskfaults.h"
#include "support/modal.h"

namespace quorvel::test {
namespace {

TEST_F(ScreenTest, ANewPlayersMapOpensBesideThePanelsAtZoomZero) {
    newGame(3, 5);
    EXPECT_EQ(map->windowTitle(), "Quorvel Map");
    EXPECT_EQ(map->size(), QSize(195, 224));
    EXPECT_EQ(map->pos(), form->mapToGlobal(QPoint(412, 200)));
    EXPECT_EQ(map->zoomLevel(), 0);
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
        m.mazeSize = 20 * level;
        map->setupMap(form.get(), m, "Tester");
        for (int zoom = 0; zoom <= 4; ++zoom) {
            int side = sides[level - 1][zoom];
            // A screen too small for the full size gets the largest whole-pixel side.
            const int fits = std::min(avail.width(), avail.height() - 29);
            if (side > fits) side = fits / (m.mazeSize + 5) * (m.mazeSize + 5);
            EXPECT_EQ(map->size(), QSize(side, side + 29)) << level << " zoom " << zoom;
            EXPECT_EQ(side % (m.mazeSize + 5), 0);
            if (zoom < 4) map->zoomIn();
        }
        EXPECT_FALSE(button(*map, "ZoomPlus")->isEnabled());
        EXPECT_TRUE(button(*map, "ZoomMin")->isEnabled());
        map->zoomIn();
        EXPECT_EQ(map->zoomLevel(), 4);
    }
}

TEST_F(ScreenTest, MapSettingsAreKeptPerMazeSize) {
    newGame(2, 5);
    map->zoomIn();
    map->move(300, 222);
    QTest::mouseClick(button(*map, "LockWin"), Qt::LeftButton); // released
    EXPECT_FALSE(map->locked());
    map->hide();
    const IniFile ini = IniFile::load(settingsPath());
    EXPECT_EQ(ini.readInteger("Tester.MapSettings", "Zoom40", -1), 1);
    EXPECT_EQ(ini.readInteger("Tester.MapSettings", "Left40", -1), 300);
    EXPECT_EQ(ini.readInteger("Tester.MapSettings", "Top40", -1), 222);
    EXPECT_EQ(ini.readString("Tester.MapSettings", "Locked40", ""), "0");

    // The same player at another size starts afresh; back at 40 the settings return.
    Maze m60;
    m60.mazeSize = 60;
    map->setupMap(form.get(), m60, "Tester");
    map->show();
    EXPECT_EQ(map->zoomLevel(), 0);
    map->hide();
    Maze m40;
    m40.mazeSize = 40;
    map->setupMap(form.get(), m40, "Tester");
    map->show();
    EXPECT_EQ(map->zoomLevel(), 1);
    EXPECT_FALSE(button(*map, "LockWin")->isChecked());
    EXPECT_EQ(map->pos(), QPoint(300, 222));
}

TEST_F(ScreenTest, MapSettingsTheDiskRefusesKeepTheOldFileAndAreOnlyLogged) {
    newGame(2, 5);
    const std::string settings = settingsPath();
    const std::string old = "[Tester.MapSettings]\nZoom40=0\n;" + std::string(2000, '-') + "\n";
    std::ofstream(settings, std::ios::binary) << old;
    map->zoomIn();
    {
        FileSizeLimit limit(1024); // the install record fits, the settings file does not
        map->hide();               // no dialog: the test would wait on it
    }
    EXPECT_EQ(fileBytes(settings), old);
    EXPECT_EQ(IniFile::load(installRecordPath()).readString("Tendrik.LastError", "Description", ""),
              "Unable to write to " + settings + "!");
}

TEST_F(ScreenTest, ALockedMapFollowsTheGameWindowAndAFreeOneStays) {
    newGame(1, 5);
    form->move(100, 100);
    const QPoint before = map->pos();
    form->move(130, 90);
    EXPECT_EQ(map->pos(), before + QPoint(30, -10));
    QTest::mouseClick(button(*map, "LockWin"), Qt::LeftButton);
    form->move(100, 100);
    EXPECT_EQ(map->pos(), before + QPoint(30, -10));
}

TEST_F(ScreenTest, TheWKeyShowsTheMapOrTogglesItsStayOnTop) {
    newGame(1, 5);
    map->hide();
    QTest::keyClick(form.get(), 'w');
    EXPECT_TRUE(map->isVisible());
    EXPECT_TRUE(map->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::keyClick(form.get(), 'W');
    EXPECT_TRUE(map->isVisible());
    EXPECT_FALSE(map->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// A desktop that gives the shown map the keyboard (Wayland's compositors activate the
// window shown last) leaves the keys with the game: the map asks for the game screen's
// activation back and passes on the keys that reach it, the Quit button's Alt+Q too; a
// free map keeps them only once the player has clicked it.
TEST_F(ScreenTest, KeysThatReachTheShownMapAreTheGames) {
    newGame(1, 5);
    map->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), form.get());
    const auto turnOnMap = [&] {
        const int before = maze().facing;
        QTest::keyRelease(map.get(), Qt::Key_Right);
        return maze().facing != before;
    };
    EXPECT_TRUE(turnOnMap());
    QString asked;
    whenModal([&](QWidget* box) {
        asked = box->windowTitle();
        QTest::keyClick(box, 'n');
    });
    QTest::keyClick(map.get(), Qt::Key_Q, Qt::AltModifier);
    for (int wait = 0; wait < 200 && asked.isEmpty(); ++wait)
        QTest::qWait(10);
    EXPECT_EQ(asked, "Quit game?");
    QTest::mouseClick(button(*map, "LockWin"), Qt::LeftButton); // free
    EXPECT_TRUE(turnOnMap());
    QTest::mouseClick(map->findChild<QWidget*>("Map"), Qt::LeftButton);
    EXPECT_FALSE(turnOnMap());
}

TEST_F(ScreenTest, TheMapFileRoundTripsAndABadOneKeepsTheBlackPicture) {
    newGame(4, 5);
    QDir().mkpath(QString::fromStdString(savedGamesFolder()));
    map->overheadMap().plotCell(10, 12, mapColour::aqua);
    const std::vector<std::uint8_t> painted = map->overheadMap().picture().rgb;
    ASSERT_TRUE(writeFileSafely(savedMapPath("Tester4"),
                                byteView(encodeBmp(map->overheadMap().picture()))));
    QFile file(QString::fromStdString(savedMapPath("Tester4")));
    EXPECT_EQ(file.size(), 21814);
    Maze m;
    m.mazeSize = 80;
    map->setupMap(form.get(), m, "Tester");
    loadMapFile("Tester4", map->overheadMap());
    EXPECT_EQ(map->overheadMap().picture().rgb, painted);

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("not a bitmap");
    file.close();
    map->setupMap(form.get(), m, "Tester");
    loadMapFile("Tester4", map->overheadMap());
    const MapPicture& black = map->overheadMap().picture();
    EXPECT_EQ(black.width, 85);
    EXPECT_TRUE(
        std::all_of(black.rgb.begin(), black.rgb.end(), [](std::uint8_t b) { return b == 0; }));
    loadMapFile("Nobody9", map->overheadMap()); // missing: stays black
    EXPECT_EQ(map->overheadMap().picture().width, 85);
}

TEST_F(ScreenTest, HoverTextsNameTheBoxWithTheThemesWords) {
    newGame(1, 5);
    Maze& m = maze();
    int br = -1, bc = -1;
    for (int r = 0; r <= 20 && br < 0; ++r)
        for (int c = 0; c <= 20; ++c)
            if (isClosedBox(m.at(r, c)) && m.at(r, c) != cellBattery) br = r, bc = c;
    ASSERT_GE(br, 0);
    map->updateMapTools(false, true, false);
    OverheadMap& om = map->overheadMap();
    const int x = om.mapX(br + 2, bc + 2) * 8 + 4, y = om.mapY(br + 2, bc + 2) * 8 + 4;
    EXPECT_EQ(map->hoverText(x, y), "A box");
    EXPECT_EQ(map->hoverText(1, 1), "");
}

/// The map as a screen of `ratio` device pixels to a pixel shows it.
QImage mapAt(MapWindow& window, double ratio) {
    QWidget* view = window.findChild<QWidget*>("Map");
    QImage image((QSizeF(view->size()) * ratio).toSize(), QImage::Format_RGB888);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::red); // anything the map leaves unpainted shows
    view->render(&image);
    return image;
}

// On a screen of twice the density the map's cells are squares of twice the device
// pixels, each wholly its picture pixel's colour, at every zoom; at a density in between
// every cell still takes the same whole number of device pixels and the rest is black.
TEST_F(ScreenTest, TheMapsCellsAreWholeSquaresOfDevicePixelsAtEveryDensity) {
    newGame(3, 5);
    map->updateMapTools(true, true, true);
    map->updateMapPosition(maze().posRow, maze().posCol, true, true);
    const MapPicture& pic = map->overheadMap().picture();
    ASSERT_EQ(pic.width, 65);
    struct Case {
        int zoom;
        double ratio;
    };
    for (Case c : {Case{0, 2}, Case{2, 2}, Case{4, 2}, Case{0, 1.5}, Case{1, 1.25}}) {
        while (map->zoomLevel() < c.zoom)
            map->zoomIn();
        while (map->zoomLevel() > c.zoom)
            map->zoomOut();
        // The zoom's side may be cut to fit the screen; the cells take the whole device
        // pixels the map's area gives each of the 65 columns.
        const QWidget* view = map->findChild<QWidget*>("Map");
        const int cell = static_cast<int>(std::min(view->width(), view->height()) * c.ratio) / 65;
        ASSERT_GE(cell, 2) << "zoom " << c.zoom;
        const QImage shown = mapAt(*map, c.ratio);
        int coloured = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const int px = x / cell, py = y / cell;
                const MapColour m = pic.pixel(px, py); // black outside the picture
                const QColor expected = px < 65 && py < 65 ? QColor(m.r, m.g, m.b) : Qt::black;
                ASSERT_EQ(shown.pixelColor(x, y), expected)
                    << "zoom " << c.zoom << " x " << c.ratio << " at " << x << "," << y;
                coloured += expected != Qt::black;
            }
        EXPECT_GT(coloured, 100 * cell * cell) << "zoom " << c.zoom; // walls and marks
    }
    // A map file's picture larger than the map shows its top-left cells, one device
    // pixel each.
    MapPicture big;
    big.width = big.height = 1000;
    big.rgb.resize(1000 * 1000 * 3);
    for (std::size_t i = 0; i < big.rgb.size(); ++i)
        big.rgb[i] = static_cast<std::uint8_t>(i * 7 % 251);
    map->overheadMap().setPicture(big);
    while (map->zoomLevel() > 0)
        map->zoomOut();
    const QImage shown = mapAt(*map, 2);
    ASSERT_EQ(shown.size(), QSize(390, 390));
    for (const QPoint at : {QPoint(0, 0), QPoint(389, 0), QPoint(17, 300), QPoint(389, 389)}) {
        const MapColour m = big.pixel(at.x(), at.y());
        EXPECT_EQ(shown.pixelColor(at), QColor(m.r, m.g, m.b)) << at.x() << "," << at.y();
    }
}

// Records the regions the map view is asked to paint.
class PaintRecorder : public QObject {
  public:
    std::vector<QRegion> regions;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

TEST_F(ScreenTest, TheBlinkingMarkerRepaintsItsOwnCellOnly) {
    newGame(1, 5);
    QWidget* view = map->findChild<QWidget*>("Map");
    ASSERT_NE(view, nullptr);
    map->updateMapPosition(maze().posRow, maze().posCol, true, false);
    QTest::qWait(50);
    OverheadMap& om = map->overheadMap();
    const int px = om.mapX(maze().posRow + 2, maze().posCol + 2);
    const int py = om.mapY(maze().posRow + 2, maze().posCol + 2);
    const QRect cell = map->pictureRect(px, py);
    EXPECT_EQ(cell.size(), QSize(8, 8)) << "200 pixels for 25 map pixels at zoom 0";
    EXPECT_EQ(cell.topLeft(), QPoint(px * 8, py * 8));

    PaintRecorder recorder;
    std::vector<QColor> shown;
    for (int look = 0; look < 8; ++look) {
        view->installEventFilter(&recorder);
        QTest::qWait(130);                  // the blink comes every 250 milliseconds
        view->removeEventFilter(&recorder); // a grab paints everything
        shown.push_back(view->grab().toImage().pixelColor(cell.center()));
    }
    ASSERT_GE(recorder.regions.size(), 3u);
    for (const QRegion& region : recorder.regions)
        EXPECT_EQ(region.boundingRect(), cell) << "only the marker's square is painted";
    // Yellow and navy by turns.
    const QColor yellow(255, 255, 0), navy(0, 0, 128);
    EXPECT_NE(std::find(shown.begin(), shown.end(), yellow), shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), navy), shown.end());
    for (const QColor& c : shown)
        EXPECT_TRUE(c == yellow || c == navy) << c.name().toStdString();

    // At a larger zoom the square grows with the map.
    map->zoomIn();
    EXPECT_EQ(map->pictureRect(px, py), QRect(px * 12, py * 12, 12, 12));
}

QColor onScreen(MapColour c) {
    return QColor(c.r, c.g, c.b);
}

// The palette key works on the game screen, where a locked map leaves the keys, and on a
// free map; the choice is the player's own, written only once it is made, and the key
// moves with the [Keys] section.
TEST_F(ScreenTest, ColourBlindPaletteIsSwitchedByItsKeyAndKeptPerPlayer) {
    newGame(1, 5);
    map->updateMapTools(false, false, true);
    const OverheadMap& om = map->overheadMap();
    const int col = maze().mazeSize;
    int row = 0;
    while (maze().at(row, col) != cellExit)
        ++row;
    const QPoint exit =
        map->pictureRect(om.mapX(row + 2, col + 2), om.mapY(row + 2, col + 2)).center();
    EXPECT_EQ(mapAt(*map, 1).pixelColor(exit), onScreen(mapColour::lime));
    map->saveMapSettings("Tester");
    const auto stored = [] {
        return IniFile::load(settingsPath()).readInteger("Tester.MapSettings", "Palette", -1);
    };
    EXPECT_EQ(stored(), -1);

    QTest::keyClick(form.get(), 'p');
    EXPECT_EQ(map->mapPalette(), MapPalette::colourBlindSafe);
    EXPECT_EQ(mapAt(*map, 1).pixelColor(exit), onScreen(safeMapColour::lime));
    EXPECT_EQ(stored(), 1);
    map->setupMap(form.get(), maze(), "Other");
    EXPECT_EQ(map->mapPalette(), MapPalette::standard);
    map->setupMap(form.get(), maze(), "Tester");
    EXPECT_EQ(map->mapPalette(), MapPalette::colourBlindSafe);

    QTest::mouseClick(button(*map, "LockWin"), Qt::LeftButton); // a free map takes keys
    QTest::keyClick(map.get(), 'P');
    EXPECT_EQ(map->mapPalette(), MapPalette::standard);
    EXPECT_EQ(stored(), 0);

    IniFile ini = IniFile::load(settingsPath());
    ini.writeString("Keys", "Palette", "F2");
    ASSERT_TRUE(ini.save(settingsPath()));
    map->setupMap(form.get(), maze(), "Tester");
    QTest::keyClick(form.get(), 'p');
    EXPECT_EQ(map->mapPalette(), MapPalette::standard);
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(map->mapPalette(), MapPalette::colourBlindSafe);
}

// The safe colours are painted on the screen only: the picture, the map file written
// from it and the hover texts, which name what the cell holds, stay as they were.
TEST_F(ScreenTest, ColourBlindPaletteChangesTheScreenOnly) {
    newGame(1, 5);
    map->updateMapTools(true, true, true);
    map->updateMapPosition(maze().posRow, maze().posCol, true, true);
    const MapPicture picture = map->overheadMap().picture();
    const std::vector<std::uint8_t> file = encodeBmp(map->overheadMap().picture());
    const auto hoverTexts = [this] {
        QStringList texts;
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 25; ++x)
                texts << map->hoverText(x * 8 + 4, y * 8 + 4);
        return texts;
    };
    const QStringList hovers = hoverTexts();
    EXPECT_TRUE(hovers.contains("Your location"));

    map->switchPalette();
    EXPECT_EQ(map->overheadMap().picture().rgb, picture.rgb);
    EXPECT_EQ(encodeBmp(map->overheadMap().picture()), file);
    EXPECT_EQ(hoverTexts(), hovers);
    const QImage shown = mapAt(*map, 1);
    int changed = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
            const MapColour c = picture.pixel(x, y);
            const QColor expected = onScreen(shownColour(c, MapPalette::colourBlindSafe));
            ASSERT_EQ(shown.pixelColor(x * 8 + 4, y * 8 + 4), expected) << x << "," << y;
            changed += expected != onScreen(c);
        }
    EXPECT_GT(changed, 100); // the walls at least
}

} // namespace
} // namespace quorvel::test
