// A theme's wave file on any bytes, as the game plays it and the theme check judges it:
// SDL2's reader, then libsndfile fed from memory. What the check calls playable plays,
// what it refuses plays nothing, and no sound comes out longer than the game allows.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "sound/wavefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
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
    return 0;
}
