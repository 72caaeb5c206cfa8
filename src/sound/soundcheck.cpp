#include "sound/soundcheck.h"

#include "sound/soundfiles.h"
#include "sound/wavefile.h"
#include "theme/theme.h"
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace quorvel {

namespace {

std::uint32_t u32(std::string_view b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

// A wave file shorter than its RIFF header says.
bool waveCutShort(std::string_view bytes) {
    return bytes.size() >= 12 && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WAVE" &&
           static_cast<std::uint64_t>(u32(bytes, 4)) + 8 > bytes.size();
}

} // namespace

std::string soundFileProblem(const std::string& path) {
    WaveFileStart wave;
    if (const FileRead read = readWaveStart(path, wave); read != FileRead::ok)
        return unreadableFileReason(read);
    const std::string& bytes = wave.bytes;
    if (bytes.empty()) return "empty file";
    const WaveCheck check = checkWave(bytes);
    // A sound read only in part is too long for the game, if the part plays.
    if (wave.soundCut && (check == WaveCheck::whole || check == WaveCheck::cutShort))
        return "too long";
    switch (check) {
    case WaveCheck::whole: return waveCutShort(bytes) ? "truncated" : std::string();
    case WaveCheck::cutShort: return "truncated";
    case WaveCheck::tooLong: return "too long";
    case WaveCheck::unreadable:
        return waveCutShort(bytes) ? "truncated" : "not a sound it can decode";
    case WaveCheck::unknown: break;
    }
    return {};
}

} // namespace quorvel
