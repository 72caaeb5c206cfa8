#pragma once
// What the display knows of the keyboard right now, beyond the events already read.

#include <cstdint>

namespace quorvel {

/// True when the display reports the key of this native scan code (the X11 keycode) as
/// held down at this moment. False when it is up, and wherever the platform cannot
/// tell (offscreen, tests, other platforms).
bool keyHeldDown(std::uint32_t nativeScanCode);

/// True when keyHeldDown can ask the display (X11); false offscreen and elsewhere.
bool keyStateKnown();

} // namespace quorvel
