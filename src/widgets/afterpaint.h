#pragma once
// Work that waits for a window to be on the screen: start-up work that must not delay
// the first paint of the opening screen runs once that paint is done.

#include <functional>

class QWidget;

namespace quorvel {

/// Runs `work` on the user-interface thread once the next paint of widget has been put
/// on the screen (from the event loop, after the paint). Nothing runs when the widget
/// is destroyed first.
void afterNextPaint(QWidget* widget, std::function<void()> work);

} // namespace quorvel
