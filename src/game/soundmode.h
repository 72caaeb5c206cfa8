#pragma once
// How a sound is played. Sound effects share one channel, so a new one either waits
// its turn or cuts in.

namespace quorvel {

enum class SoundMode {
    ifIdle, ///< only when no sound is playing
    now,    ///< cuts in at once
    toEnd,  ///< cuts in, and the caller waits until it has played out
};

} // namespace quorvel
