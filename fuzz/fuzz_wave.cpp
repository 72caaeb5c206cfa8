// A theme's wave file on any bytes, as the game plays it and the theme check judges it:
// SDL2's reader, then libsndfile fed from memory. What the check calls playable plays,
// what it refuses plays nothing, and no sound comes out longer than the game allows.
// The same bytes as the start of a far longer file: the game reads no more of it than
// its first minutes need, and what it reads plays within the same limits.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sound/wavefile.h"

namespace {

void playAndCheck(const std::string& bytes) {
    using namespace quorvel;
    const WaveCheck check = checkWave(bytes);
    const auto samples = deviceSamples(bytes);
    if (check == WaveCheck::unknown) std::abort(); // SDL2 is there
    if (samples.has_value() != (check != WaveCheck::unreadable)) std::abort();
    // Whole frames of the device, and at most the longest sound plus the resampler's
    // rounding.
    constexpr std::size_t longest =
        static_cast<std::size_t>(maxSoundSeconds + 1) * deviceRate * deviceChannels;
    if (samples && (samples->size() % deviceChannels != 0 || samples->size() > longest))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    playAndCheck(bytes);
    if (waveExtent(bytes, size).bytes > size) std::abort(); // never past the file's end

    const std::uint64_t longer = std::uint64_t{size} * 1000 + 1;
    const WaveExtent extent = waveExtent(bytes, longer);
    if (extent.bytes > longer || extent.bytes > maxWaveRead) std::abort();
    std::string start =
        bytes.substr(0, static_cast<std::size_t>(std::min<std::uint64_t>(extent.bytes, size)));
    const std::size_t read = start.size();
    sealWaveStart(start, extent);
    if (start.size() != read) std::abort();
    // All of the bytes, sealed, read as the first run read them (its copy cuts the claim
    // the same way); a shorter start is a file of its own.
    if (read < size) playAndCheck(start);
    return 0;
}
