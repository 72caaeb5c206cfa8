#include "tfmap.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>

#include "access.h"
#include "dialogs.h"
#include "inifile.h"
#include "progfolder.h"
#include "safewrite.h"
#include "settingsfile.h"

namespace quorvel {

namespace {

constexpr int toolbarheight = 29;
constexpr std::size_t largestmapfile = 1 << 20; ///< far above the 47054 bytes of the largest map

struct ZoomTable {
    int size;
    int side; ///< the map's side at zoom 0
    int step; ///< pixels added per zoom step
};
constexpr ZoomTable zoomtable[] = {
    {20, 200, 100}, {40, 180, 135}, {60, 195, 130}, {80, 170, 85}, {100, 210, 105}, {120, 250, 125},
};

ZoomTable zoomfor(int size) {
    for (const ZoomTable& z : zoomtable)
        if (z.size == size) return z;
    return zoomtable[0];
}

} // namespace

/// The map image: the picture stretched to the widget, crisp, with hover texts.
class MapView : public QWidget {
  public:
    explicit MapView(TfMap* owner) : QWidget(owner), m_owner(owner) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const MapPicture& pic = m_owner->m_map.picture();
        if (pic.width < 1 || pic.height < 1) {
            p.fillRect(rect(), Qt::black);
            return;
        }
        const QImage image(pic.rgb.data(), pic.width, pic.height, pic.width * 3,
                           QImage::Format_RGB888);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(rect(), image);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QToolTip::hideText();
        const QPoint at = event->position().toPoint();
        const QString text = m_owner->hovertext(at.x(), at.y());
        setToolTip(text);
        if (!text.isEmpty()) QToolTip::showText(event->globalPosition().toPoint(), text, this);
    }
    void mousePressEvent(QMouseEvent*) override {
        if (m_owner->m_locked) m_owner->givefocus(); // MapClick
    }

  private:
    TfMap* m_owner;
};

TfMap::TfMap(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("TfMap");
    setWindowTitle("Quorvel Map");
    // Black behind the map; the map image itself paints every pixel of its area.
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setAutoFillBackground(true);
    QPalette toolbar = QGuiApplication::palette();
    toolbar.setColor(QPalette::Window, toolbar.color(QPalette::Button));
    Panel1->setPalette(toolbar);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);

    const auto button = [this](const char* name, const QString& text, const QString& hint, int x) {
        auto* b = new QToolButton(Panel1);
        b->setObjectName(name);
        b->setText(text);
        b->setToolTip(hint);
        b->setGeometry(x, 4, 20, 20);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    LockWin = button("LockWin", QString::fromUtf8("\u2693"), "Lock the map to the game window", 4);
    LockWin->setCheckable(true);
    LockWin->setChecked(true);
    ZoomPlus = button("ZoomPlus", "+", "Zoom in", 28);
    ZoomMin = button("ZoomMin", QString::fromUtf8("\u2212"), "Zoom out", 48);
    ZoomMin->setEnabled(false);

    Panel2 = new QFrame(Panel1);
    Panel2->setObjectName("Panel2");
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);
    LabelX = new QLabel("X: 999", Panel2);
    LabelX->setObjectName("LabelX");
    LabelX->setGeometry(8, 8, 37, 13);
    LabelY = new QLabel("Y: 999", Panel2);
    LabelY->setObjectName("LabelY");
    LabelY->setGeometry(52, 8, 37, 13);
    for (QLabel* l : {LabelX, LabelY}) {
        QFont f = l->font();
        f.setPixelSize(11);
        l->setFont(f);
        l->hide();
    }

    Map = new MapView(this);
    Map->setObjectName("Map");

    zFlash = new QTimer(this);
    zFlash->setObjectName("zFlash");
    zFlash->setInterval(250);
    connect(zFlash, &QTimer::timeout, this, &TfMap::zFlashTimer);
    connect(ZoomPlus, &QToolButton::clicked, this, [this] {
        zoomin();
        if (m_locked) givefocus();
    });
    connect(ZoomMin, &QToolButton::clicked, this, [this] {
        zoomout();
        if (m_locked) givefocus();
    });
    connect(LockWin, &QToolButton::clicked, this, &TfMap::LockWinClick);

    m_map.setupmap(nullptr, "", 0, 20);
    const ZoomTable z = zoomfor(20);
    m_basewidth = m_baseheight = z.side;
    setclientsize(m_basewidth + m_marginwidth, m_baseheight + m_marginheight);
}

void TfMap::setclientsize(int width, int height) {
    setFixedSize(width, height);
    Panel1->setGeometry(0, 0, width, toolbarheight);
    Panel2->setGeometry(width - 91, 0, 91, toolbarheight);
    Map->setGeometry(0, toolbarheight, width, height - toolbarheight);
}

void TfMap::setupmap(QWidget* gameform, const Maze* maze, const std::string& player, int rotation,
                     int size) {
    m_gameform = gameform;
    m_map.setupmap(maze, player, rotation, size);
    const ZoomTable z = zoomfor(size);
    m_zoomstep = z.step;
    m_zoomlevel = 0;
    m_basewidth = m_baseheight = z.side;
    setclientsize(m_basewidth + m_marginwidth, m_baseheight + m_marginheight);
    refresh();
}

void TfMap::refresh() {
    LabelX->setText(QString::fromStdString(m_map.labelx()));
    LabelY->setText(QString::fromStdString(m_map.labely()));
    LabelX->setVisible(m_map.labelsvisible());
    LabelY->setVisible(m_map.labelsvisible());
    if (m_map.flashing()) {
        if (!zFlash->isActive()) zFlash->start();
    } else {
        zFlash->stop();
    }
    Map->update();
}

void TfMap::updatemaptools(bool inview, bool detector, bool beacon) {
    m_map.updatemaptools(inview, detector, beacon);
    Map->update();
}

void TfMap::updatemapposition(int row, int col, bool gps, bool tracker) {
    zFlash->stop();
    m_map.updatemapposition(row, col, gps, tracker);
    refresh();
}

void TfMap::zFlashTimer() {
    m_map.zFlashTimer();
    Map->update();
}

void TfMap::zoomin() {
    ++m_zoomlevel;
    applyzoom();
}

void TfMap::zoomout() {
    --m_zoomlevel;
    applyzoom();
}

void TfMap::applyzoom() {
    m_zoomlevel = std::clamp(m_zoomlevel, 0, 4);
    int width = m_zoomlevel * m_zoomstep + m_basewidth + m_marginwidth;
    int height = m_zoomlevel * m_zoomstep + m_baseheight + m_marginheight;
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
    if (width - m_marginwidth != height - m_marginheight) {
        const int side = m_map.picture().width > 0 ? m_map.picture().width : 25;
        int s = std::min(width - m_marginwidth, height - m_marginheight);
        s = std::max(side, s / side * side);
        width = m_marginwidth + s;
        height = m_marginheight + s;
    }
    setclientsize(width, height);
    ZoomMin->setEnabled(m_zoomlevel >= 1);
    ZoomPlus->setEnabled(m_zoomlevel < 4);
}

void TfMap::givefocus() {
    if (m_gameform) {
        m_gameform->activateWindow();
        m_gameform->setFocus();
    }
}

void TfMap::LockWinClick() {
    m_locked = LockWin->isChecked();
    if (m_locked) givefocus();
}

void TfMap::keyReleaseEvent(QKeyEvent* event) {
    if (m_locked) {
        givefocus();
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TfMap::followgame(int dx, int dy) {
    if (m_locked && isVisible()) move(pos() + QPoint(dx, dy));
}

void TfMap::placebesidegame() {
    if (!m_gameform) return;
    // Right of the item panel and under the clock panel of the game screen.
    const QWidget* items = m_gameform->findChild<QWidget*>("Panel5");
    const QWidget* clock = m_gameform->findChild<QWidget*>("Panel6");
    const QPoint corner(items ? items->x() + items->width() + 2 : 412,
                        clock ? clock->y() + clock->height() + 2 : 200);
    move(m_gameform->mapToGlobal(corner));
}

void TfMap::showEvent(QShowEvent* event) {
    // The window manager keeps a tool window over the window it belongs to.
    if (m_gameform && windowHandle() && m_gameform->windowHandle())
        windowHandle()->setTransientParent(m_gameform->windowHandle());
    placebesidegame();
    loadmapsettings(m_map.mapplayer());
    QWidget::showEvent(event);
}

void TfMap::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) savemapsettings(m_map.mapplayer());
    QWidget::hideEvent(event);
}

void TfMap::closeEvent(QCloseEvent* event) {
    zFlash->stop();
    QWidget::closeEvent(event);
}

void TfMap::savemapsettings(const std::string& player) {
    const std::string path = settingspath();
    IniFile ini = IniFile::load(path);
    const std::string section = playersection(player, ".MapSettings");
    const std::string n = std::to_string(m_map.mapsize());
    ini.writeinteger(section, "Top" + n, pos().y());
    ini.writeinteger(section, "Left" + n, pos().x());
    ini.writebool(section, "Locked" + n, m_locked);
    ini.writeinteger(section, "Zoom" + n, m_zoomlevel);
    if (!ini.save(path)) writeinstallrecord(false, "Unable to write to " + path + "!");
    openaccess(path);
}

void TfMap::loadmapsettings(const std::string& player) {
    const IniFile ini = IniFile::load(settingspath());
    const std::string section = playersection(player, ".MapSettings");
    const std::string n = std::to_string(m_map.mapsize());
    const int top = ini.readinteger(section, "Top" + n, pos().y());
    const int left = ini.readinteger(section, "Left" + n, pos().x());
    move(left, top);
    m_locked = ini.readbool(section, "Locked" + n, m_locked);
    m_zoomlevel = ini.readinteger(section, "Zoom" + n, m_zoomlevel);
    LockWin->setChecked(m_locked);
    applyzoom();
}

std::string TfMap::mapfilename(const std::string& name) {
    return savedgamesfolder() + name + ".map";
}

bool TfMap::savemapfile(const std::string& name) {
    const std::string path = mapfilename(name);
    const std::vector<std::uint8_t> bmp = encodebmp(m_map.picture());
    const bool ok = writefilesafely(
        path, std::string_view(reinterpret_cast<const char*>(bmp.data()), bmp.size()));
    if (!ok) showdialog(dkWarning, "Warning", "Unable to write map file!");
    openaccess(path);
    return ok;
}

void TfMap::loadmapfile(const std::string& name) {
    std::string bytes;
    if (!readwholefile(mapfilename(name), bytes, largestmapfile)) return;
    if (auto picture = decodebmp(std::vector<std::uint8_t>(bytes.begin(), bytes.end())))
        m_map.setpicture(std::move(*picture));
    Map->update();
}

void TfMap::setwords(std::string boxphrase, std::string batteryword) {
    m_boxphrase = std::move(boxphrase);
    m_batteryword = std::move(batteryword);
}

QString TfMap::hovertext(int x, int y) const {
    return QString::fromStdString(
        m_map.hovertext(x, y, Map->width(), Map->height(), m_boxphrase, m_batteryword));
}

} // namespace quorvel
