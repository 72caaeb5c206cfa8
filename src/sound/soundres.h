#pragma once
// The built-in sounds and tune, compiled into the program: the wave resources
// ":/WAVE/BLOCKED" ... ":/WAVE/WARNING" and the MIDI resource ":/MIDI/MUSIC". Their
// names are upper case; the sound layer upper-cases a name before looking it up,
// which is how "walk" finds WALK.

namespace quorvel {

/// Registers the built-in sounds; safe to call any number of times.
void initSoundResources();

} // namespace quorvel
