#include "screens/mapwindow.h"

#include <QAbstractButton>
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

#include <algorithm>
#include <cmath>
#include <cstring>

#include "files/settingsfile.h"
#include "platform/windowframe.h"
#include "widgets/accessibility.h"

namespace quorvel {

namespace {

constexpr int toolBarHeight = 29;

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

/// The device pixels of a cell's side when the picture is shown on `area` (in the
/// window's pixels) at `ratio` device pixels to a pixel.
int cellPixelsOn(const MapPicture& picture, QSize area, double ratio) {
    return picture.cellPixels(static_cast<int>(area.width() * ratio),
                              static_cast<int>(area.height() * ratio));
}

} // namespace

/// The map image: the picture at whole device pixels per cell, with hover texts.
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
        // Painted in device pixels from the first whole device pixel of the map, every
        // cell the same square of whole device pixels, never smoothed: the grid stays
        // sharp at every zoom and screen density.
        p.setClipRegion(event->region()); // the blink asks for one cell only
        const QTransform toDevice = p.deviceTransform();
        const double ratio = toDevice.m11();
        const QPointF origin = toDevice.map(QPointF(0, 0));
        const QPointF snap(std::ceil(origin.x()) - origin.x(), std::ceil(origin.y()) - origin.y());
        p.setTransform(QTransform::fromTranslate(snap.x(), snap.y()) *
                           QTransform::fromScale(1 / ratio, 1 / ratio),
                       true);
        const int cell = cellPixelsOn(pic, size(), ratio);
        // Only the cells that can show (all of them, but for a map file's picture larger
        // than the window).
        const int columns = std::min(pic.width, static_cast<int>(width() * ratio) / cell + 1);
        const int rows = std::min(pic.height, static_cast<int>(height() * ratio) / cell + 1);
        const int w = cell * columns, h = cell * rows;
        // Black where no cell lies (each device pixel painted once): right of and below
        // the picture, and the part of a device pixel before the first whole one.
        const int far = static_cast<int>(std::ceil(std::max(width(), height()) * ratio)) + 2;
        for (const QRect& r : {QRect(w, -1, far, far), QRect(-1, h, far, far),
                               QRect(-1, -1, far, 1), QRect(-1, -1, 1, far)})
            p.fillRect(r, Qt::black);
        // Only the cells the paint asks for are made and copied (the blink asks for one).
        const QRectF asked(QPointF(event->rect().topLeft()) * ratio - snap,
                           QSizeF(event->rect().size()) * ratio);
        const int left = std::clamp(static_cast<int>(asked.left()) / cell, 0, columns);
        const int top = std::clamp(static_cast<int>(asked.top()) / cell, 0, rows);
        const int right =
            std::clamp(static_cast<int>(std::ceil(asked.right())) / cell + 1, left, columns);
        const int bottom =
            std::clamp(static_cast<int>(std::ceil(asked.bottom())) / cell + 1, top, rows);
        const QSize part((right - left) * cell, (bottom - top) * cell);
        p.drawImage(QPoint(left * cell, top * cell),
                    cells(pic, cell, QRect(left, top, right - left, bottom - top)),
                    QRect(QPoint(0, 0), part));
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QToolTip::hideText();
        const QPoint at = event->position().toPoint();
        const QString text = m_owner->hoverText(at.x(), at.y());
        setToolTip(text);
        if (!text.isEmpty()) QToolTip::showText(event->globalPosition().toPoint(), text, this);
    }
    void mousePressEvent(QMouseEvent*) override {
        // A click on a locked map hands the keys back to the game screen; a free map
        // keeps them.
        if (m_owner->m_locked)
            m_owner->giveFocus();
        else
            m_owner->m_keepsKeys = true;
    }

  private:
    MapWindow* m_owner;
    QImage m_cells; ///< the picture at device pixels, its buffer kept from paint to paint

    /// The picture's cells `area` (in picture pixels), each pixel a cell x cell square in
    /// the colour the map's palette shows it in, from the buffer's top left, ready to be
    /// copied unscaled: one device row a picture row is made, then copied for the cell's
    /// other rows. The buffer only ever grows.
    const QImage& cells(const MapPicture& pic, int cell, QRect area) {
        const QSize size(area.width() * cell, area.height() * cell);
        if (m_cells.width() < size.width() || m_cells.height() < size.height())
            m_cells = QImage(size.expandedTo(m_cells.size()), QImage::Format_RGB32);
        const std::size_t rowBytes = static_cast<std::size_t>(size.width()) * 4;
        for (int y = 0; y < area.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(m_cells.scanLine(y * cell));
            const std::uint8_t* from =
                pic.rgb.data() +
                (static_cast<std::size_t>(area.top() + y) * pic.width + area.left()) * 3;
            for (int x = 0; x < area.width(); ++x, from += 3) {
                const MapColour c = shownColour({from[0], from[1], from[2]}, m_owner->m_palette);
                std::fill_n(row + x * cell, cell, qRgb(c.r, c.g, c.b));
            }
            for (int k = 1; k < cell; ++k)
                std::memcpy(m_cells.scanLine(y * cell + k), row, rowBytes);
        }
        return m_cells;
    }
};

// A tool window's border: a small title bar with only a close box, on top of the game.
// While locked it never takes the keyboard, so the game's arrow keys keep working.
MapWindow::MapWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus) {
    setObjectName("TfMap");
    setWindowTitle(tr("Quorvel Map"));
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
        button("LockWin", QString::fromUtf8("\u2693"), tr("Lock the map to the game window"), 4);
    lockButton->setCheckable(true);
    lockButton->setChecked(true);
    zoomInButton = button("ZoomPlus", "+", tr("Zoom in"), 28);
    zoomOutButton = button("ZoomMin", QString::fromUtf8("\u2212"), tr("Zoom out"), 48);
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

    // For screen readers: the buttons by what they do, the map by what it shows.
    describeControl(lockButton, tr("Lock"),
                    tr("%1; it then keeps no keys.").arg(lockButton->toolTip()));
    describeControl(zoomInButton, tr("Zoom in"), tr("A larger map."));
    describeControl(zoomOutButton, tr("Zoom out"), tr("A smaller map."));
    describeControl(toolbar, tr("Map tools"), QString());
    describeControl(positionBox, tr("Position"), QString());
    describeControl(mapView, tr("Overhead map"),
                    tr("The maze from above, as far as the tools show it; resting the mouse on a "
                       "cell tells what it holds."));
    makeAccessible(this);

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

void MapWindow::setupMap(QWidget* gameScreen, const Maze& maze, const std::string& player) {
    if (m_gameScreen && m_gameScreen != gameScreen) m_gameScreen->removeEventFilter(this);
    m_gameScreen = gameScreen;
    if (m_gameScreen) m_gameScreen->installEventFilter(this);
    m_map.setupMap(&maze, player, maze.compassTurn, maze.mazeSize);
    m_keys = KeyBindings::load();
    m_palette = loadMapPalette(m_map.mapPlayer(), 0) == 1 ? MapPalette::colourBlindSafe
                                                          : MapPalette::standard;
    const ZoomTable z = zoomFor(maze.mazeSize);
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

void MapWindow::showMapChanged() {
    blinkTimer->stop();
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
    // As painted: whole device pixels a cell from the view's top left. Between whole
    // screen densities the cells start up to a device pixel further on, so the square
    // reaches one pixel further.
    const double ratio = mapView->devicePixelRatioF();
    const int cell = cellPixelsOn(pic, mapView->size(), ratio);
    const bool whole = ratio == std::floor(ratio);
    const int left = static_cast<int>(std::floor(x * cell / ratio));
    const int top = static_cast<int>(std::floor(y * cell / ratio));
    const int right = static_cast<int>(std::ceil((x + 1) * cell / ratio)) + (whole ? 0 : 1);
    const int bottom = static_cast<int>(std::ceil((y + 1) * cell / ratio)) + (whole ? 0 : 1);
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

int MapWindow::fittingSide(int side) const {
    // The whole window, frame included, stays on the free area of the screen from where
    // it stands; the side shrinks to whole pixels per cell, but never below one.
    auto* self = const_cast<MapWindow*>(this);
    const QPoint corner = framePosition(self);
    const QRect area = freeArea(self, corner);
    if (!area.isValid()) return side;
    const QMargins frame = frameMargins(self);
    const int roomX = area.right() + 1 - corner.x() - frame.left() - frame.right() - m_marginWidth;
    const int roomY =
        area.bottom() + 1 - corner.y() - frame.top() - frame.bottom() - m_marginHeight;
    const int room = std::min(roomX, roomY);
    if (side <= room) return side;
    const int cell = pictureSide();
    return std::max(cell, room / cell * cell);
}

int MapWindow::pictureSide() const {
    return m_map.mapsize() + 5;
}

void MapWindow::applyZoom() {
    m_zoomLevel = std::clamp(m_zoomLevel, 0, 4);
    const int side = fittingSide(m_zoomLevel * m_zoomStep + m_baseWidth);
    setClientSize(m_marginWidth + side, m_marginHeight + side);
    zoomOutButton->setEnabled(m_zoomLevel >= 1);
    zoomInButton->setEnabled(m_zoomLevel < 4);
}

void MapWindow::giveFocus() {
    if (m_gameScreen) {
        m_gameScreen->activateWindow();
        m_gameScreen->setFocus();
    }
}

void MapWindow::toggleLock() {
    m_locked = lockButton->isChecked();
    m_keepsKeys = false;
    setWindowFlagLive(this, Qt::WindowDoesNotAcceptFocus, m_locked);
    if (m_locked) giveFocus();
}

bool MapWindow::isPaletteKey(const QKeyEvent* event) const {
    return m_keys.actionOf(*event) == KeyAction::palette;
}

void MapWindow::switchPalette() {
    const bool safe = m_palette == MapPalette::standard;
    m_palette = safe ? MapPalette::colourBlindSafe : MapPalette::standard;
    if (!m_watching) saveMapPalette(m_map.mapPlayer(), safe ? 1 : 0);
    mapView->update();
}

void MapWindow::keyPressEvent(QKeyEvent* event) {
    if (!isPaletteKey(event)) {
        if (!passKey(event)) QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) switchPalette(); // held down, it switches once
    event->accept();
}

// A key reaches the map only when the desktop gave it the keyboard: the player clicked
// the free map, or a Wayland compositor activated the map as it showed, whatever it
// asked for. Unless the player chose the map, the key is the game's, as if typed there:
// to whatever has the focus on the game screen, or the button it is the key of.
bool MapWindow::passKey(QKeyEvent* event) {
    if (!m_gameScreen || !m_gameScreen->isVisible() || (m_keepsKeys && !m_locked)) return false;
    // A button's own key there (Alt+Q quits) clicks it, as it would on the game window.
    if (event->type() == QEvent::KeyPress && !event->isAutoRepeat()) {
        const QKeySequence typed(event->keyCombination());
        for (QAbstractButton* button : m_gameScreen->findChildren<QAbstractButton*>())
            if (button->isVisible() && button->isEnabled() && button->shortcut() == typed) {
                event->accept();
                button->click();
                return true;
            }
    }
    QWidget* focus = m_gameScreen->focusWidget();
    QCoreApplication::sendEvent(focus ? focus : m_gameScreen, event);
    event->accept();
    return true;
}

// Shown by the game, a locked map leaves the keyboard to it; a desktop that activates
// the map all the same (Wayland's compositors) is asked to give the game screen its
// activation back (through xdg-activation, where the compositor offers it).
void MapWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_locked && isActiveWindow()) giveFocus();
}

// A locked map never holds the keyboard (the default), so its key is taken on the game
// screen too; the key's press and release then belong to the map alone.
bool MapWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if (watched != m_gameScreen || !(press || event->type() == QEvent::KeyRelease))
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!isPaletteKey(key)) return false;
    if (press && !key->isAutoRepeat()) switchPalette();
    return true;
}

void MapWindow::keyReleaseEvent(QKeyEvent* event) {
    if (isPaletteKey(event)) {
        event->accept();
        return;
    }
    if (!passKey(event)) QWidget::keyReleaseEvent(event);
}

void MapWindow::followGame(QPoint moved) {
    if (m_locked && isVisible()) placeFrame(this, framePosition(this) + moved);
}

void MapWindow::placeBesideGame() {
    if (!m_gameScreen) return;
    // The frame's corner right of the item panel and under the clock panel of the game
    // screen, so the map's title bar leaves the step counter free.
    const QWidget* items = m_gameScreen->findChild<QWidget*>("Panel5");
    const QWidget* clock = m_gameScreen->findChild<QWidget*>("Panel6");
    const QPoint corner(items ? items->x() + items->width() + 2 : 412,
                        clock ? clock->y() + clock->height() + 2 : 200);
    placeFrame(this, m_gameScreen->mapToGlobal(corner));
}

void MapWindow::showEvent(QShowEvent* event) {
    m_keepsKeys = false; // shown by the game, whose keys these are
    useToolBorder(this);
    // The window manager keeps a tool window over the window it belongs to.
    if (m_gameScreen && windowHandle() && m_gameScreen->windowHandle())
        windowHandle()->setTransientParent(m_gameScreen->windowHandle());
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
    if (m_watching) return;
    const QPoint corner = framePosition(this);
    quorvel::saveMapSettings(player, m_map.mapsize(),
                             {{corner.x(), corner.y()}, m_locked, m_zoomLevel});
}

void MapWindow::loadMapSettings(const std::string& player) {
    const QPoint corner = framePosition(this);
    const MapSettings stored = quorvel::loadMapSettings(
        player, m_map.mapsize(), {{corner.x(), corner.y()}, m_locked, m_zoomLevel});
    m_locked = stored.locked;
    setWindowFlagLive(this, Qt::WindowDoesNotAcceptFocus, m_locked);
    m_zoomLevel = std::clamp(stored.zoom, 0, 4);
    lockButton->setChecked(m_locked);
    // A place near the screen's edge (the game window was left low and right) is moved
    // so the whole window fits at its stored zoom: the zoom is kept, not cut to the room
    // left at the edge.
    const int side = m_zoomLevel * std::max(m_zoomStep, 0) + m_baseWidth;
    const QSize outer =
        QSize(m_marginWidth + side, m_marginHeight + side).grownBy(frameMargins(this));
    placeFrame(this, cornerOnScreen(this, QPoint(stored.place.left, stored.place.top), outer));
    applyZoom();
}

void MapWindow::setWords(std::string boxPhrase, std::string batteryWord) {
    m_boxPhrase = std::move(boxPhrase);
    m_batteryWord = std::move(batteryWord);
}

QString MapWindow::hoverText(int x, int y) const {
    // The picture covers whole device pixels per cell from the top left, as painted.
    const MapPicture& pic = m_map.picture();
    const double ratio = mapView->devicePixelRatioF();
    const double cell = cellPixelsOn(pic, mapView->size(), ratio) / ratio;
    return QString::fromStdString(
        m_map.hoverText(x, y, cell * pic.width, cell * pic.height, m_boxPhrase, m_batteryWord));
}

} // namespace quorvel
