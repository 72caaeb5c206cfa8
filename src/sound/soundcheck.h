#pragma once
// Whether the game can play a theme's sound file, for theme authors checking their
// work (quorvel3d-tool theme). The check reads the file with the very reader the
// game's sound layer plays waves with, so it answers as the game would.

#include <string>

namespace quorvel {

/// Why the game cannot play the sound file at path: "missing", "empty file",
/// "truncated" (it would play only its first part), "too long" (over maxSoundSeconds,
/// or more than maxWaveRead to read: it too would play only its first part), "not a
/// sound it can decode"; empty when it plays whole, or when SDL2 could not be loaded
/// to tell.
std::string soundFileProblem(const std::string& path);

} // namespace quorvel
