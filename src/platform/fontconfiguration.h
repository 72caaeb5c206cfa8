#pragma once
// The desktop's font configuration, loaded by the game before the toolkit first asks
// for a font. fontconfig's own start reads every configuration file of the system,
// and then once more the whole folder of sample files (conf.avail) for their one-line
// descriptions, which only its listing tool shows; that second reading is four fifths
// of the cost of the first text the game draws. The game loads the same files the
// same way and leaves the samples alone, so every font, alias and rendering rule is
// the desktop's own.

namespace quorvel {

/// Makes the system's font configuration fontconfig's current one, its font list read
/// from the caches; false when something failed, which leaves fontconfig to load it
/// itself (with its fallbacks) at the toolkit's first font. Only before that first font.
bool loadFontConfiguration();

} // namespace quorvel
