#pragma once
// Wave files read into the device's format: by SDL2's own reader, and by libsndfile for
// the encodings SDL2 does not know (GSM 6.10 as the Windows sound recorder writes it,
// 64-bit float and the rest a sound editor may put in a RIFF/WAVE file). The game plays
// waves and the sound check judges them through this one reader.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/filereader.h"

namespace quorvel {

/// What the device plays: 16-bit stereo at 44.1 kHz, 1024 frames a buffer (SDL turns
/// it into whatever the sound card wants).
constexpr int deviceRate = 44100;
constexpr int deviceChannels = 2;
constexpr int deviceFrames = 1024;

/// The longest sound the game plays, in seconds: a longer one (a theme's recording of
/// hours, or a wave claiming one sample a second) plays its first five minutes, so its
/// converted sound never takes more than some 50 MB.
constexpr int maxSoundSeconds = 300;

/// The most bytes of a wave file the game reads: five minutes of 48 kHz 16-bit stereo
/// fit (55 MiB); of a wave of a higher rate, more channels or larger samples, a shorter
/// start plays.
constexpr std::uint64_t maxWaveRead = 64u << 20;

/// How much of a wave file the game reads, found from the file's first bytes: its chunks
/// up to the sound and the sound's first maxSoundSeconds in the file's own encoding
/// (maxWaveRead at most); as much of a file as maxWaveRead allows when it cannot tell.
struct WaveExtent {
    std::uint64_t bytes = 0;   ///< to read from the start of the file
    std::uint64_t soundAt = 0; ///< where the sound's chunk ("data") starts; 0 when not found
    bool soundCut = false;     ///< the file's sound goes on past what is read
};
/// The bytes to read of a wave file of fileSize bytes whose start is head (a few hundred
/// kilobytes, or the whole file).
WaveExtent waveExtent(std::string_view head, std::uint64_t fileSize);
/// Makes the read start of a wave whose sound was cut (bytes: extent.bytes of the file)
/// a whole file of that sound, so the readers take it as it stands.
void sealWaveStart(std::string& bytes, const WaveExtent& extent);

/// A wave file as the game reads it: all of it, or its start (waveExtent).
struct WaveFileStart {
    std::string bytes;
    bool soundCut = false; ///< the file holds more sound than was read: it plays its start
};
/// Reads a wave file's start (see waveExtent) without reading more of it.
FileRead readWaveStart(const std::string& path, WaveFileStart& wave);

/// What the sound layer makes of a wave file's bytes: it plays them whole, it plays only
/// the first part of a file cut short, it plays only the first part of a sound longer
/// than it keeps (maxSoundSeconds), it cannot play them at all, or SDL2 could not be
/// loaded to tell.
enum class WaveCheck { whole, cutShort, tooLong, unreadable, unknown };
/// Reads the bytes with the very reader the sound layer plays waves with.
WaveCheck checkWave(const std::string& bytes);

/// A wave file's sound as the device plays it (interleaved samples, deviceChannels a
/// frame, deviceRate frames a second, at most maxSoundSeconds); nothing when neither
/// SDL2 nor libsndfile can read it, SDL2 is not loaded or memory runs out.
std::optional<std::vector<std::int16_t>> deviceSamples(const std::string& bytes);

} // namespace quorvel
