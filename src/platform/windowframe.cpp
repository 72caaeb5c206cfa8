#include "platform/windowframe.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#ifdef QUORVEL_X11
#include <xcb/xcb.h>
#endif

namespace quorvel {

namespace {

constexpr const char* watchName = "quorvelFrameWatch";
constexpr const char* centreWatchName = "quorvelCentreWatch";
// The property by which Qt's X11 platform takes extra window types, and its toolbar type.
constexpr const char* x11WindowType = "_q_xcb_wm_window_type";
constexpr int x11Toolbar = 0x8;

// The kind of frame a window gets: its type and title-bar buttons. Staying on top and
// taking the focus do not change the frame.
int frameKind(const QWidget* window) {
    return static_cast<int>(window->windowFlags() &
                            ~(Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus));
}

// Frames measured in this run, by kind.
std::map<int, QMargins>& framesByKind() {
    static std::map<int, QMargins> frames;
    return frames;
}

std::optional<QMargins> frameOfKind(int kind) {
    const auto& frames = framesByKind();
    if (const auto it = frames.find(kind); it != frames.end()) return it->second;
    // Another kind is a better guess than none: window managers draw most frames alike.
    if (!frames.empty()) return frames.begin()->second;
    return std::nullopt;
}

bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

#ifdef QUORVEL_X11
// The window manager counts a frame in the display's pixels; windows are placed in Qt's
// pixels, which on a scaled screen (200 %, 150 %) are larger. Rounded as Qt rounds the
// frame of a framed window, so the frame asked for and the frame measured agree.
QMargins inWindowPixels(const QMargins& screenPixels, const QWindow* handle) {
    const qreal ratio = handle ? handle->devicePixelRatio() : 1.0;
    if (ratio <= 0 || ratio == 1.0) return screenPixels;
    return QMargins(qRound(screenPixels.left() / ratio), qRound(screenPixels.top() / ratio),
                    qRound(screenPixels.right() / ratio), qRound(screenPixels.bottom() / ratio));
}

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// True when the window manager lists atom among what it supports.
bool windowManagerSupports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t atom) {
    const xcb_atom_t supported = internAtom(c, "_NET_SUPPORTED");
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, supported, XCB_ATOM_ATOM, 0, 1024), nullptr);
    bool found = false;
    if (reply && reply->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < count && !found; ++i)
            found = atoms[i] == atom;
    }
    std::free(reply);
    return found;
}

// Asks the window manager what frame it will give the window before it is shown
// (_NET_REQUEST_FRAME_EXTENTS); it answers by setting _NET_FRAME_EXTENTS on it.
std::optional<QMargins> askWindowManager(QWidget* window) {
    static bool unanswered = false; // a manager that did not answer once is not asked again
    if (unanswered || !onX11()) return std::nullopt;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return std::nullopt;
    xcb_connection_t* c = x11->connection();
    const xcb_window_t id = static_cast<xcb_window_t>(window->winId());
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_atom_t request = internAtom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = internAtom(c, "_NET_FRAME_EXTENTS");
    if (!screen || !windowManagerSupports(c, screen->root, request)) {
        unanswered = true;
        return std::nullopt;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(c, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 250) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            c, xcb_get_property(c, 0, id, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
        std::optional<QMargins> frame;
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
            const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
            // left, right, top, bottom, in the display's pixels
            frame = inWindowPixels(QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]),
                                            static_cast<int>(v[1]), static_cast<int>(v[3])),
                                   window->windowHandle());
        }
        std::free(reply);
        if (frame) return frame;
        QThread::msleep(2);
    }
    unanswered = true;
    return std::nullopt;
}
#else
std::optional<QMargins> askWindowManager(QWidget*) {
    return std::nullopt;
}
#endif

// What is known of one window's frame. It watches the window's first showings: once
// the window manager has framed it, the frame is measured, and a place chosen on an
// estimate is put right.
class FrameWatch : public QObject {
  public:
    explicit FrameWatch(QWidget* window) : QObject(window), m_window(window) {
        setObjectName(watchName);
    }

    QMargins margins;
    bool known = false;

    // A place chosen before the frame was known: the corner wanted, the client point
    // set for it and the frame it assumed.
    bool pending = false;
    QPoint pendingCorner;
    QPoint pendingClient;

    void watch(QWindow* handle) {
        if (handle == m_handle) return;
        if (m_handle) m_handle->removeEventFilter(this);
        m_handle = handle;
        if (m_handle) m_handle->installEventFilter(this);
    }

    void learn(const QMargins& frame) {
        margins = frame;
        known = true;
        framesByKind()[frameKind(m_window)] = frame;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_handle && event->type() == QEvent::Expose && m_handle->isExposed())
            framed();
        return false;
    }

  private:
    QWidget* m_window;
    QPointer<QWindow> m_handle;

    void framed() {
        const QMargins assumed = margins;
        learn(m_handle->frameMargins());
        if (!pending) return;
        pending = false;
        // Moved since (by the player or the program): that place stands.
        if (m_window->geometry().topLeft() != pendingClient || margins == assumed) return;
        m_window->setGeometry(
            QRect(pendingCorner + QPoint(margins.left(), margins.top()), m_window->size()));
    }
};

FrameWatch* watchOf(QWidget* window) {
    auto* watch = window->findChild<FrameWatch*>(watchName, Qt::FindDirectChildrenOnly);
    if (!watch) {
        watch = new FrameWatch(window);
        // Created here with its place as the client area's (static gravity), never
        // by the frame, so the window manager puts the client exactly where asked.
        if (!window->testAttribute(Qt::WA_WState_Created)) window->setGeometry(window->geometry());
        window->winId();
    }
    watch->watch(window->windowHandle());
    return watch;
}

} // namespace

QMargins frameMargins(QWidget* window) {
    FrameWatch* watch = watchOf(window);
    if (watch->known) return watch->margins;
    const QWindow* handle = window->windowHandle();
    if (!onX11()) {
        // Other platforms (offscreen among them) know their frames from the start.
        watch->learn(handle ? handle->frameMargins() : QMargins());
        return watch->margins;
    }
    if (handle && handle->isExposed()) {
        watch->learn(handle->frameMargins());
        return watch->margins;
    }
    // Not framed yet: the window manager's word, else a frame measured on another window.
    if (const std::optional<QMargins> told = askWindowManager(window)) {
        watch->learn(*told);
        return watch->margins;
    }
    if (const std::optional<QMargins> seen = frameOfKind(frameKind(window))) {
        watch->margins = *seen;
        return watch->margins;
    }
    watch->margins = QMargins();
    return watch->margins;
}

bool frameKnown(QWidget* window) {
    frameMargins(window);
    return watchOf(window)->known;
}

QPoint framePosition(QWidget* window) {
    const QMargins frame = frameMargins(window);
    return window->geometry().topLeft() - QPoint(frame.left(), frame.top());
}

QSize frameSize(QWidget* window) {
    return window->size().grownBy(frameMargins(window));
}

void placeFrame(QWidget* window, QPoint corner) {
    FrameWatch* watch = watchOf(window);
    const QMargins frame = frameMargins(window);
    const QPoint client = corner + QPoint(frame.left(), frame.top());
    window->setGeometry(QRect(client, window->size()));
    watch->pending = !watch->known;
    watch->pendingCorner = corner;
    watch->pendingClient = client;
}

QRect freeArea(QWidget* window, QPoint point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint centredCorner(const QRect& area, QSize outer) {
    return area.topLeft() +
           QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
}

void centreFrame(QWidget* window) {
    const QRect area = freeArea(window, window->geometry().center());
    placeFrame(window, centredCorner(area, frameSize(window)));
}

QPoint cornerOnScreen(QWidget* window, QPoint corner, QSize outer) {
    const QRect area = freeArea(window, QRect(corner, outer).center());
    if (!area.isValid()) return corner;
    // A window larger than the area keeps its title bar and left edge on it.
    const int x = std::max(area.left(), std::min(corner.x(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - outer.height()));
    return QPoint(x, y);
}

namespace {

// Centres its window each time the window is shown, once the window has its size for
// that showing (a message box sizes itself to its text as it shows) and before the
// window manager maps it, so it never appears elsewhere first.
class CentreWatch : public QObject {
  public:
    explicit CentreWatch(QWidget* window) : QObject(window), m_window(window) {
        setObjectName(centreWatchName);
        window->winId();
        m_handle = window->windowHandle();
        if (m_handle) m_handle->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_handle && event->type() == QEvent::Show) centreFrame(m_window);
        return false;
    }

  private:
    QWidget* m_window;
    QPointer<QWindow> m_handle;
};

} // namespace

void centreAtEveryShowing(QWidget* window) {
    if (!window->findChild<CentreWatch*>(centreWatchName, Qt::FindDirectChildrenOnly))
        new CentreWatch(window);
}

void setWindowFlagLive(QWidget* window, Qt::WindowType flag, bool on) {
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(flag, on);
    if (flags == window->windowFlags()) return;
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle()) handle->setFlags(flags);
}

void useToolBorder(QWidget* window) {
    if (!onX11()) return;
    window->winId();
    QWindow* handle = window->windowHandle();
    if (!handle || handle->property(x11WindowType).toInt() == x11Toolbar) return;
    // Qt's X11 platform reads this property when it sets the window's type; the type is
    // written again only when the flags change, so they change there and back.
    handle->setProperty(x11WindowType, x11Toolbar);
    const Qt::WindowFlags flags = handle->flags();
    handle->setFlags(flags ^ Qt::WindowStaysOnTopHint);
    handle->setFlags(flags);
}

void forgetFrames() {
    framesByKind().clear();
}

} // namespace quorvel
