#pragma once
// The built-in sound effects, each made from fixed seeds so every run gives the same bytes.

#include <string>
#include <vector>

#include "synth.h"

namespace soundGen {

struct Sound {
    std::string name; ///< the resource name, upper case: "WALK"
    Buffer samples;   ///< finished: faded, DC-free, at its peak level
};

/// All eleven built-in sounds in alphabetical order.
std::vector<Sound> makeSounds();

/// The two step cues, "AHEAD" and "SIDE": soft, short, mono (the game pans them).
std::vector<Sound> makeCues();

/// The built-in tune as a Standard MIDI File (format 1).
std::string makeTune();

} // namespace soundGen
