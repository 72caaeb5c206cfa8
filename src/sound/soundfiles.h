#pragma once
// Finding the sound files: a theme's waves and music, the built-in ones, the SoundFont.

#include <cstddef>
#include <string>
#include <vector>

namespace quorvel {

/// True when path names an existing regular file; false for an empty path.
bool fileExists(const std::string& path);

/// Program folder + theme + "/" + name + ".wav".
std::string wavePath(const std::string& theme, const std::string& name);
/// Program folder + theme + "/" + name + ".rmi" (rmi) or ".mid"; with an empty theme,
/// program folder + name + extension.
std::string musicPath(const std::string& theme, const std::string& name, bool rmi);

/// The theme's wave file for name (the file name's case may differ); empty when the
/// theme has none or the name cannot be a file name.
std::string findWave(const std::string& theme, const std::string& name);
/// The music file playMusic opens: the theme's name.mid, its name.rmi, then the
/// program folder's name.mid and name.rmi (case may differ); empty when none exists.
std::string findMusic(const std::string& theme, const std::string& name);

/// The built-in wave of a name, without regard to case ("walk" finds WALK): its bytes
/// and its resource path (":/WAVE/WALK"); false when there is none.
bool builtinWave(const std::string& name, std::string& bytes, std::string& source);

/// The SoundFonts the synthesiser loads: the entries of $SDL_SOUNDFONTS (separated by
/// ";") when it is set, else the first installed of the usual places.
std::vector<std::string> soundfontList();
/// The General MIDI SoundFont the music uses: the first of soundfontList(); empty when
/// there is none.
std::string findSoundfont();
/// Writes the built-in tune, RIFF-wrapped, to program folder + "music.rmi" with open
/// access; returns that path, or empty when it could not be written.
std::string writeBuiltinMusic();

} // namespace quorvel
