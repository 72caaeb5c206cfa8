#pragma once
// Wave files read into the device's format: by SDL2's own reader, and by libsndfile for
// the encodings SDL2 does not know (GSM 6.10 as the Windows sound recorder writes it,
// 64-bit float and the rest a sound editor may put in a RIFF/WAVE file). The game plays
// waves and the sound check judges them through this one reader.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
