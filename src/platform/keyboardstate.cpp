#include "platform/keyboardstate.h"

#include <cstdlib>

#include <QGuiApplication>

#ifdef QUORVEL_X11
#include <xcb/xcb.h>
#endif

namespace quorvel {

namespace {

#ifdef QUORVEL_X11
xcb_connection_t* displayConnection() {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
#endif

} // namespace

bool keyStateKnown() {
#ifdef QUORVEL_X11
    return displayConnection() != nullptr;
#else
    return false;
#endif
}

bool keyHeldDown([[maybe_unused]] std::uint32_t nativeScanCode) {
#ifdef QUORVEL_X11
    if (nativeScanCode == 0 || nativeScanCode > 255) return false;
    xcb_connection_t* const connection = displayConnection();
    if (!connection) return false;
    // The server's own key map: a key whose repeats are still coming is down in it.
    xcb_query_keymap_reply_t* reply =
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (!reply) return false;
    const bool down = (reply->keys[nativeScanCode / 8] >> (nativeScanCode % 8)) & 1;
    std::free(reply);
    return down;
#else
    return false;
#endif
}

} // namespace quorvel
