#pragma once
// Which file each of the rules' sounds plays: its theme wave's name, and the name
// played when the theme has no such wave (a trap's own sound falls back to the common
// trap sound, a box's contents to the box).

#include <string>

#include "game/sounds.h"

namespace quorvel {

struct SoundNames {
    const char* name;     ///< the wave's name, as a theme file and a built-in resource
    const char* fallback; ///< the name played when the theme lacks name; "" for none
};

SoundNames soundNames(Sound sound);

/// The fallback of sound played in place of plain: a random remark standing in for a
/// step falls back to the step, one standing in for a turn to nothing, as plain would.
std::string soundFallback(Sound sound, Sound plain);

} // namespace quorvel
