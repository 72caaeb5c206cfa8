#pragma once
// Opening the window system: which one to open is decided from the command line and
// the environment before Qt starts, and Qt's application is made here, so that a
// display that cannot be opened ends the program with one line and status 1 instead
// of Qt's abort (and a core dump).

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QApplication;

namespace quorvel {

/// How the window system is to be opened, decided before Qt starts.
struct PlatformChoice {
    /// Nothing to open: no platform given that works without a display, and neither
    /// DISPLAY nor WAYLAND_DISPLAY (nor -display) names one. The game cannot start.
    bool noDisplay = false;
    /// A Wayland desktop with XWayland and no platform chosen: run through X11 (Qt's
    /// xcb), where the game may place its map window beside the game screen and carry
    /// a locked map along, which no Wayland client may do.
    bool useXcb = false;
};
/// Decides from the arguments Qt will see (-platform, -display) and the environment
/// (QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY); `env` gives a variable, empty when unset.
PlatformChoice choosePlatform(const std::vector<std::string>& qtArgs,
                              const std::function<std::string(const char*)>& env);
/// The line printed when there is no display to open.
inline constexpr std::string_view noDisplayMessage =
    "cannot open a display: set DISPLAY or WAYLAND_DISPLAY";

/// Makes the application from `args` (the program's name first). When Qt cannot open
/// its platform, prints "<program>: " and the reason on one line to standard error and
/// ends the process with status 1; Qt's own messages of a successful start are passed
/// on as usual. The arguments live as long as the program.
std::unique_ptr<QApplication> openWindowSystem(std::vector<std::string> args);

} // namespace quorvel
