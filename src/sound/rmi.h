#pragma once
// RIFF MIDI (".rmi"): a Standard MIDI File wrapped in a RIFF "RMID" form with one
// "data" chunk. The game writes its built-in tune this way and reads music files
// in either form.

#include <string>
#include <string_view>

namespace quorvel {

/// The RIFF "RMID" file that holds the Standard MIDI File smf.
std::string wrapRmi(std::string_view smf);

/// The Standard MIDI File in bytes: bytes themselves when they begin with "MThd", or
/// the "data" chunk of a RIFF "RMID" file when that begins with "MThd"; empty when
/// bytes are neither. A data chunk claiming more bytes than the file holds gives
/// what is there.
std::string midiFromBytes(std::string_view bytes);

/// True when smf is a whole Standard MIDI File: a header of format 0, 1 or 2 with at
/// least one track and a time division, followed by that many whole track chunks.
bool validMidi(std::string_view smf);

} // namespace quorvel
