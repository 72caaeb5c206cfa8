#pragma once
// The desktop asking the program to end: SIGTERM (a logout, a shutdown, `kill`), SIGHUP
// (its terminal closed) and SIGINT (Ctrl+C there). A signal handler may do next to
// nothing, so it only writes the signal's number to a socket; the event loop reads it
// and calls back on the interface thread, between two of the program's own actions,
// never in the middle of a file being written.

#include <QObject>
#include <functional>

namespace quorvel {

/// Calls ended with the signal's number, on context's thread from its event loop, when
/// one of the three signals arrives. Each handler is taken once: the same signal a
/// second time ends the program at once, as it would have without the game.
void onEndSignals(QObject* context, std::function<void(int)> ended);

} // namespace quorvel
