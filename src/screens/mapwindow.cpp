#include "mapwindow.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>

#include "access.h"
#include "dialogs.h"
#include "inifile.h"
#include "programfolder.h"
#include "safewrite.h"
#include "settingsfile.h"

namespace quorvel {

namespace {

constexpr int toolBarHeight = 29;
constexpr std::size_t largestMapFile = 1 << 20; ///< far above the 47054 bytes of the largest map

struct ZoomTable {
    int size;
    int side; ///< the map's side at zoom 0
    int step; ///< pixels added per zoom step
};
constexpr ZoomTable zoomTable[] = {
    {20, 200, 100}, {40, 180, 135}, {60, 195, 130}, {80, 170, 85}, {100, 210, 105}, {120, 250, 125},
};

ZoomTable zoomFor(int size) {
    for (const ZoomTable& z : zoomTable)
        if (z.size == size) return z;
    return zoomTable[0];
}

} // namespace

/// The map image: the picture stretched to the widget, crisp, with hover texts.
class MapView : public QWidget {
  public:
    explicit MapView(MapWindow* owner) : QWidget(owner), m_owner(owner) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        const MapPicture& pic = m_owner->m_map.picture();
        if (pic.width < 1 || pic.height < 1) {
            p.fillRect(rect(), Qt::black);
            return;
        }
        const QImage image(pic.rgb.data(), pic.width, pic.height, pic.width * 3,
                           QImage::Format_RGB888);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.setClipRegion(event->region()); // the blink asks for one cell only
        p.drawImage(rect(), image);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QToolTip::hideText();
        const QPoint at = event->position().toPoint();
        const QString text = m_owner->hoverText(at.x(), at.y());
        setToolTip(text);
        if (!text.isEmpty()) QToolTip::showText(event->globalPosition().toPoint(), text, this);
    }
    void mousePressEvent(QMouseEvent*) override {
        if (m_owner->m_locked) m_owner->giveFocus(); // MapClick
    }

  private:
    MapWindow* m_owner;
};

MapWindow::MapWindow(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("TfMap");
    setWindowTitle("Quorvel Map");
    // Black behind the map; the map image itself paints every pixel of its area.
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    toolbar = new QFrame(this);
    toolbar->setObjectName("Panel1");
    toolbar->setAutoFillBackground(true);
    QPalette buttonface = QGuiApplication::palette();
    buttonface.setColor(QPalette::Window, buttonface.color(QPalette::Button));
    toolbar->setPalette(buttonface);
    toolbar->setFrameShape(QFrame::Panel);
    toolbar->setFrameShadow(QFrame::Raised);

    const auto button = [this](const char* name, const QString& text, const QString& hint, int x) {
        auto* b = new QToolButton(toolbar);
        b->setObjectName(name);
        b->setText(text);
        b->setToolTip(hint);
        b->setGeometry(x, 4, 20, 20);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    lockButton =
        button("LockWin", QString::fromUtf8("\u2693"), "Lock the map to the game window", 4);
    lockButton->setCheckable(true);
    lockButton->setChecked(true);
    zoomInButton = button("ZoomPlus", "+", "Zoom in", 28);
    zoomOutButton = button("ZoomMin", QString::fromUtf8("\u2212"), "Zoom out", 48);
    zoomOutButton->setEnabled(false);

    positionBox = new QFrame(toolbar);
    positionBox->setObjectName("Panel2");
    positionBox->setFrameShape(QFrame::Panel);
    positionBox->setFrameShadow(QFrame::Sunken);
    columnLabel = new QLabel("X: 999", positionBox);
    columnLabel->setObjectName("LabelX");
    columnLabel->setGeometry(8, 8, 37, 13);
    rowLabel = new QLabel("Y: 999", positionBox);
    rowLabel->setObjectName("LabelY");
    rowLabel->setGeometry(52, 8, 37, 13);
    for (QLabel* l : {columnLabel, rowLabel}) {
        QFont f = l->font();
        f.setPixelSize(11);
        l->setFont(f);
        l->hide();
    }

    mapView = new MapView(this);
    mapView->setObjectName("Map");

    blinkTimer = new QTimer(this);
    blinkTimer->setObjectName("zFlash");
    blinkTimer->setInterval(250);
    connect(blinkTimer, &QTimer::timeout, this, &MapWindow::blink);
    connect(zoomInButton, &QToolButton::clicked, this, [this] {
        zoomIn();
        if (m_locked) giveFocus();
    });
    connect(zoomOutButton, &QToolButton::clicked, this, [this] {
        zoomOut();
        if (m_locked) giveFocus();
    });
    connect(lockButton, &QToolButton::clicked, this, &MapWindow::toggleLock);

    m_map.setupMap(nullptr, "", 0, 20);
    const ZoomTable z = zoomFor(20);
    m_baseWidth = m_baseHeight = z.side;
    setClientSize(m_baseWidth + m_marginWidth, m_baseHeight + m_marginHeight);
}

void MapWindow::setClientSize(int width, int height) {
    setFixedSize(width, height);
    toolbar->setGeometry(0, 0, width, toolBarHeight);
    positionBox->setGeometry(width - 91, 0, 91, toolBarHeight);
    mapView->setGeometry(0, toolBarHeight, width, height - toolBarHeight);
}

void MapWindow::setupMap(QWidget* gameForm, const Maze* maze, const std::string& player,
                         int rotation, int size) {
    m_gameForm = gameForm;
    m_map.setupMap(maze, player, rotation, size);
    const ZoomTable z = zoomFor(size);
    m_zoomStep = z.step;
    m_zoomLevel = 0;
    m_baseWidth = m_baseHeight = z.side;
    setClientSize(m_baseWidth + m_marginWidth, m_baseHeight + m_marginHeight);
    refresh();
}

void MapWindow::refresh() {
    columnLabel->setText(QString::fromStdString(m_map.labelX()));
    rowLabel->setText(QString::fromStdString(m_map.labelY()));
    columnLabel->setVisible(m_map.labelsVisible());
    rowLabel->setVisible(m_map.labelsVisible());
    if (m_map.flashing()) {
        if (!blinkTimer->isActive()) blinkTimer->start();
    } else {
        blinkTimer->stop();
    }
    mapView->update();
}

void MapWindow::updateMapTools(bool inView, bool detector, bool beacon) {
    m_map.updateMapTools(inView, detector, beacon);
    mapView->update();
}

void MapWindow::updateMapPosition(int row, int col, bool gps, bool tracker) {
    blinkTimer->stop();
    m_map.updateMapPosition(row, col, gps, tracker);
    refresh();
}

void MapWindow::blink() {
    m_map.blink();
    // Only the marker's cell changes colour: only its square of the map is painted again.
    if (m_map.lastRow() >= 0 && m_map.lastCol() >= 0)
        mapView->update(pictureRect(m_map.mapX(m_map.lastRow() + 2, m_map.lastCol() + 2),
                                    m_map.mapY(m_map.lastRow() + 2, m_map.lastCol() + 2)));
}

QRect MapWindow::pictureRect(int x, int y) const {
    const MapPicture& pic = m_map.picture();
    if (pic.width < 1 || pic.height < 1) return mapView->rect();
    // The picture is stretched to the whole view, every pixel to a whole square of it.
    const int left = x * mapView->width() / pic.width;
    const int top = y * mapView->height() / pic.height;
    const int right = ((x + 1) * mapView->width() + pic.width - 1) / pic.width;
    const int bottom = ((y + 1) * mapView->height() + pic.height - 1) / pic.height;
    return QRect(left, top, right - left, bottom - top);
}

void MapWindow::zoomIn() {
    ++m_zoomLevel;
    applyZoom();
}

void MapWindow::zoomOut() {
    --m_zoomLevel;
    applyZoom();
}

void MapWindow::applyZoom() {
    m_zoomLevel = std::clamp(m_zoomLevel, 0, 4);
    int width = m_zoomLevel * m_zoomStep + m_baseWidth + m_marginWidth;
    int height = m_zoomLevel * m_zoomStep + m_baseHeight + m_marginHeight;
    // What the screen can hold of the client area, leaving room for the frame.
    if (const QScreen* screen =
            this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        const QMargins frame = frameGeometry().isValid() && isVisible()
                                   ? QMargins(geometry().left() - frameGeometry().left(),
                                              geometry().top() - frameGeometry().top(),
                                              frameGeometry().right() - geometry().right(),
                                              frameGeometry().bottom() - geometry().bottom())
                                   : QMargins();
        width = std::min(width, avail.width() - frame.left() - frame.right());
        height = std::min(height, avail.height() - frame.top() - frame.bottom());
    }
    if (width - m_marginWidth != height - m_marginHeight) {
        const int side = m_map.picture().width > 0 ? m_map.picture().width : 25;
        int s = std::min(width - m_marginWidth, height - m_marginHeight);
        s = std::max(side, s / side * side);
        width = m_marginWidth + s;
        height = m_marginHeight + s;
    }
    setClientSize(width, height);
    zoomOutButton->setEnabled(m_zoomLevel >= 1);
    zoomInButton->setEnabled(m_zoomLevel < 4);
}

void MapWindow::giveFocus() {
    if (m_gameForm) {
        m_gameForm->activateWindow();
        m_gameForm->setFocus();
    }
}

void MapWindow::toggleLock() {
    m_locked = lockButton->isChecked();
    if (m_locked) giveFocus();
}

void MapWindow::keyReleaseEvent(QKeyEvent* event) {
    if (m_locked) {
        giveFocus();
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void MapWindow::followGame(int dx, int dy) {
    if (m_locked && isVisible()) move(pos() + QPoint(dx, dy));
}

void MapWindow::placeBesideGame() {
    if (!m_gameForm) return;
    // Right of the item panel and under the clock panel of the game screen.
    const QWidget* items = m_gameForm->findChild<QWidget*>("Panel5");
    const QWidget* clock = m_gameForm->findChild<QWidget*>("Panel6");
    const QPoint corner(items ? items->x() + items->width() + 2 : 412,
                        clock ? clock->y() + clock->height() + 2 : 200);
    move(m_gameForm->mapToGlobal(corner));
}

void MapWindow::showEvent(QShowEvent* event) {
    // The window manager keeps a tool window over the window it belongs to.
    if (m_gameForm && windowHandle() && m_gameForm->windowHandle())
        windowHandle()->setTransientParent(m_gameForm->windowHandle());
    placeBesideGame();
    loadMapSettings(m_map.mapPlayer());
    QWidget::showEvent(event);
}

void MapWindow::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) saveMapSettings(m_map.mapPlayer());
    QWidget::hideEvent(event);
}

void MapWindow::closeEvent(QCloseEvent* event) {
    blinkTimer->stop();
    QWidget::closeEvent(event);
}

void MapWindow::saveMapSettings(const std::string& player) {
    const std::string path = settingsPath();
    IniFile ini = IniFile::load(path);
    const std::string section = playerSection(player, ".MapSettings");
    const std::string n = std::to_string(m_map.mapsize());
    ini.writeInteger(section, "Top" + n, pos().y());
    ini.writeInteger(section, "Left" + n, pos().x());
    ini.writeBool(section, "Locked" + n, m_locked);
    ini.writeInteger(section, "Zoom" + n, m_zoomLevel);
    if (!ini.save(path)) writeInstallRecord(false, "Unable to write to " + path + "!");
    openAccess(path);
}

void MapWindow::loadMapSettings(const std::string& player) {
    const IniFile ini = IniFile::load(settingsPath());
    const std::string section = playerSection(player, ".MapSettings");
    const std::string n = std::to_string(m_map.mapsize());
    const int top = ini.readInteger(section, "Top" + n, pos().y());
    const int left = ini.readInteger(section, "Left" + n, pos().x());
    move(left, top);
    m_locked = ini.readBool(section, "Locked" + n, m_locked);
    m_zoomLevel = ini.readInteger(section, "Zoom" + n, m_zoomLevel);
    lockButton->setChecked(m_locked);
    applyZoom();
}

std::string MapWindow::mapFileName(const std::string& name) {
    return savedGamesFolder() + name + ".map";
}

bool MapWindow::saveMapFile(const std::string& name) {
    const std::string path = mapFileName(name);
    const std::vector<std::uint8_t> bmp = encodeBmp(m_map.picture());
    const bool ok = writeFileSafely(
        path, std::string_view(reinterpret_cast<const char*>(bmp.data()), bmp.size()));
    if (!ok) showDialog(dkWarning, "Warning", "Unable to write map file!");
    openAccess(path);
    return ok;
}

void MapWindow::loadMapFile(const std::string& name) {
    std::string bytes;
    if (!readWholeFile(mapFileName(name), bytes, largestMapFile)) return;
    if (auto picture = decodeBmp(std::vector<std::uint8_t>(bytes.begin(), bytes.end())))
        m_map.setPicture(std::move(*picture));
    mapView->update();
}

void MapWindow::setWords(std::string boxPhrase, std::string batteryWord) {
    m_boxPhrase = std::move(boxPhrase);
    m_batteryWord = std::move(batteryWord);
}

QString MapWindow::hoverText(int x, int y) const {
    return QString::fromStdString(
        m_map.hoverText(x, y, mapView->width(), mapView->height(), m_boxPhrase, m_batteryWord));
}

} // namespace quorvel
