#pragma once
// The desktop's own handler for files and addresses (the web browser for the home
// page and the update check), and whether the desktop runs a screen reader.

#include <string_view>

namespace quorvel {

/// Asks the desktop to open file (a web address, or a file relative to folder)
/// with its default handler; true when the desktop accepted the request.
bool openWithShell(std::string_view file, std::string_view folder = {});

/// True when the desktop's accessibility bus says a screen reader runs (org.a11y.Status
/// ScreenReaderEnabled on the session bus); false without a session bus or an answer
/// within half a second.
bool screenReaderRunning();

} // namespace quorvel
