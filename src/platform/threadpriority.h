#pragma once
// Workers that prepare what the game needs later (decoding pictures, loading the
// synthesiser) run below the user-interface thread, so on a busy machine the window
// system and the game's first view come first.

namespace quorvel {

/// Lowers the priority of the calling thread (only that thread) for the rest of its life.
void lowerThreadPriority();

} // namespace quorvel
