#include "sound/wavefile.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <new>
#include <string_view>

#include <SDL.h>
#include <sndfile.h>

#include "platform/library.h"
#include "platform/sdllibrary.h"

namespace quorvel {

namespace {

/// The most samples (all channels together) libsndfile decodes of one wave, 128 MiB
/// of floats: five minutes of 48 kHz stereo fit; of more channels or a higher rate, a
/// wave keeps less and counts as too long.
constexpr std::uint64_t maxDecodedSamples = 32u << 20;
/// Frames libsndfile decodes at a time.
constexpr sf_count_t decodeFrames = 4096;
/// The first bytes of a wave file read to find its layout: far more than the chunks
/// editors put before the sound (format, facts, broadcast and list information).
constexpr std::size_t waveHeadBytes = 256 * 1024;

/// The functions of libsndfile, loaded (with the codec libraries it brings) when a wave
/// first needs it.
struct SndfileApi {
    decltype(&sf_open_virtual) openVirtual = nullptr;
    decltype(&sf_readf_float) readFrames = nullptr;
    decltype(&sf_close) close = nullptr;
};

const SndfileApi* sndfile() {
    static const std::optional<SndfileApi> api = []() -> std::optional<SndfileApi> {
        void* library = openLibrary("libsndfile.so.1");
        if (!library) return std::nullopt;
        SndfileApi a;
        const bool bound = bindFunction(library, a.openVirtual, "sf_open_virtual") &&
                           bindFunction(library, a.readFrames, "sf_readf_float") &&
                           bindFunction(library, a.close, "sf_close");
        if (!bound) return std::nullopt;
        return a;
    }();
    return api ? &*api : nullptr;
}

/// The most frames of a sound at rate frames a second that the game plays.
std::uint64_t maxFrames(int rate) {
    return static_cast<std::uint64_t>(maxSoundSeconds) * static_cast<std::uint64_t>(rate);
}

bool isRiffWave(std::string_view bytes) {
    return bytes.size() >= 12 && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WAVE";
}

std::uint32_t u32(std::string_view b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

unsigned u16(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

void putU32(std::string& b, std::size_t at, std::uint64_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>(value >> (8 * i));
}

/// What a wave's format chunk says of its first maxSoundSeconds in the file: their bytes
/// and the bytes of a block, which the sound is cut at.
struct StoredLength {
    std::uint64_t bytes = 0;
    std::uint64_t block = 1;
};

/// The stored length of the first maxSoundSeconds of a sound in the format of fmt (the
/// chunk's body); nothing when the format does not tell it.
std::optional<StoredLength> storedLength(std::string_view fmt) {
    if (fmt.size() < 16) return std::nullopt;
    unsigned tag = u16(fmt, 0);
    if (tag == 0xFFFE && fmt.size() >= 26) tag = u16(fmt, 24); // WAVE_FORMAT_EXTENSIBLE
    const std::uint32_t rate = u32(fmt, 4), perSecond = u32(fmt, 8);
    const unsigned channels = u16(fmt, 2), block = u16(fmt, 12), bits = u16(fmt, 14);
    if (rate == 0 || block == 0) return std::nullopt;
    // PCM, float, A-law and mu-law keep a frame in a block, whatever else they claim.
    if (tag == 1 || tag == 3 || tag == 6 || tag == 7) {
        const std::uint64_t frame = std::max<std::uint64_t>(block, channels * ((bits + 7) / 8));
        return StoredLength{std::uint64_t{maxSoundSeconds} * rate * frame, frame};
    }
    // Packed encodings (ADPCM, GSM, ...) by their bytes a second, a second more for the
    // blocks and the decoder's rounding.
    if (perSecond == 0) return std::nullopt;
    return StoredLength{(maxSoundSeconds + 1ull) * perSecond + block, block};
}

} // namespace

WaveExtent waveExtent(std::string_view head, std::uint64_t fileSize) {
    fileSize = std::max<std::uint64_t>(fileSize, head.size());
    WaveExtent extent;
    extent.bytes = std::min(fileSize, maxWaveRead);
    if (!isRiffWave(head)) return extent;
    std::optional<StoredLength> stored;
    for (std::uint64_t at = 12; at + 8 <= head.size();) {
        const std::string_view id = head.substr(static_cast<std::size_t>(at), 4);
        const std::uint64_t claimed = u32(head, static_cast<std::size_t>(at) + 4);
        const std::uint64_t held = fileSize - at - 8;
        if (id == "fmt ") {
            const auto body = static_cast<std::size_t>(std::min(claimed, head.size() - at - 8));
            stored = storedLength(head.substr(static_cast<std::size_t>(at) + 8, body));
        } else if (id == "data") {
            const std::uint64_t sound = std::min(claimed, held);
            std::uint64_t kept = stored ? std::min(sound, stored->bytes) : sound;
            kept = std::min(kept, maxWaveRead - std::min(maxWaveRead, at + 8));
            if (kept < sound && stored) kept -= kept % stored->block; // whole blocks only
            extent.bytes = at + 8 + kept;
            extent.soundAt = at;
            extent.soundCut = kept < sound;
            return extent;
        }
        at += 8 + claimed + (claimed & 1);
    }
    return extent;
}

void sealWaveStart(std::string& bytes, const WaveExtent& extent) {
    if (!extent.soundCut || extent.soundAt < 12 || bytes.size() < extent.soundAt + 8) return;
    putU32(bytes, 4, bytes.size() - 8);
    putU32(bytes, static_cast<std::size_t>(extent.soundAt) + 4, bytes.size() - extent.soundAt - 8);
}

FileRead readWaveStart(const std::string& path, WaveFileStart& wave) {
    wave = {};
    FileRead read = readFileStart(path, waveHeadBytes, wave.bytes);
    if (read != FileRead::ok) return read;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    const WaveExtent extent = waveExtent(wave.bytes, ec ? wave.bytes.size() : size);
    if (extent.bytes > wave.bytes.size()) read = readFileStart(path, extent.bytes, wave.bytes);
    if (read != FileRead::ok) {
        wave = {};
        return read;
    }
    if (wave.bytes.size() > extent.bytes) wave.bytes.resize(static_cast<std::size_t>(extent.bytes));
    wave.soundCut = extent.soundCut;
    sealWaveStart(wave.bytes, extent);
    return FileRead::ok;
}

namespace {

/// A wave file as the readers are given it: SDL2 asks for the whole of a chunk before
/// reading it, up to 4 GB for a file of a few bytes, so the chunk that claims more than
/// the file holds (necessarily the last) is cut to what is there, in a copy. SDL2 also
/// reads a file that starts at "WAVE", without the RIFF header.
class WaveInput {
  public:
    explicit WaveInput(const std::string& bytes) : m_bytes(&bytes) {
        const std::size_t first = isRiffWave(bytes) ? 12 : bytes.compare(0, 4, "WAVE") == 0 ? 4 : 0;
        if (first == 0) return;
        for (std::uint64_t at = first; at + 8 <= bytes.size();) {
            const std::uint64_t claimed = u32(bytes, static_cast<std::size_t>(at) + 4);
            const std::uint64_t held = bytes.size() - at - 8;
            if (claimed > held) {
                m_copy = bytes;
                const auto cut = static_cast<std::uint32_t>(held);
                for (std::size_t i = 0; i < 4; ++i)
                    m_copy[static_cast<std::size_t>(at) + 4 + i] =
                        static_cast<char>(cut >> (8 * i));
                m_bytes = &m_copy;
                m_soundCut = bytes.compare(static_cast<std::size_t>(at), 4, "data") == 0;
                return;
            }
            at += 8 + claimed + (claimed & 1);
        }
    }
    const std::string& bytes() const { return *m_bytes; }
    /// True when the file holds less of the sound than it claims.
    bool soundCut() const { return m_soundCut; }

  private:
    const std::string* m_bytes;
    std::string m_copy;
    bool m_soundCut = false;
};

/// How long a wave SDL2's reader read is: its frames and its rate.
struct WaveLength {
    std::uint64_t frames = 0;
    int rate = 0;
    bool tooLong() const { return frames > maxFrames(rate); }
};

/// True when SDL can convert sound of this format to the device's.
bool convertible(const SdlLibrary& api, SDL_AudioFormat format, int channels, int rate) {
    SDL_AudioCVT cvt{};
    return channels >= 1 && channels <= UINT8_MAX &&
           api.buildAudioCvt(&cvt, format, static_cast<Uint8>(channels), rate, AUDIO_S16SYS,
                             deviceChannels, deviceRate) >= 0;
}

/// Reads a wave file with SDL2's own reader under a handling of a file cut short
/// (SDL_HINT_WAVE_TRUNCATION); its length when it reads and SDL can convert it.
std::optional<WaveLength> sdlWaveLength(const SdlLibrary& api, const std::string& bytes,
                                        const char* truncation) {
    api.setHint(SDL_HINT_WAVE_TRUNCATION, truncation);
    SDL_RWops* rw = api.rwFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_AudioSpec spec{};
    Uint8* wave = nullptr;
    Uint32 length = 0;
    const bool read = rw && api.loadWav(rw, 1, &spec, &wave, &length);
    if (read) api.freeWav(wave);
    api.setHint(SDL_HINT_WAVE_TRUNCATION, nullptr); // back to SDL's own handling
    if (!read || !convertible(api, spec.format, spec.channels, spec.freq)) return std::nullopt;
    const unsigned frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8u * spec.channels;
    return WaveLength{frameBytes ? length / frameBytes : 0, spec.freq};
}

/// The sound in its own format converted to the device's, its first maxSoundSeconds only.
std::optional<std::vector<std::int16_t>> toDevice(const SdlLibrary& api, SDL_AudioFormat format,
                                                  int channels, int rate, const Uint8* data,
                                                  std::size_t bytes) {
    const std::size_t frameBytes = SDL_AUDIO_BITSIZE(format) / 8u * static_cast<unsigned>(channels);
    SDL_AudioCVT cvt{};
    if (frameBytes == 0 || rate <= 0 || channels > UINT8_MAX ||
        api.buildAudioCvt(&cvt, format, static_cast<Uint8>(channels), rate, AUDIO_S16SYS,
                          deviceChannels, deviceRate) < 0)
        return std::nullopt;
    // SDL converts in place in a buffer len_mult times the sound, whose size is an int.
    const std::size_t grow = static_cast<std::size_t>(std::max(1, cvt.len_mult));
    const std::uint64_t playable =
        std::min<std::uint64_t>(maxFrames(rate), INT_MAX / grow / frameBytes);
    const std::size_t length =
        static_cast<std::size_t>(std::min<std::uint64_t>(bytes / frameBytes, playable)) *
        frameBytes;
    if (length == 0) return std::vector<std::int16_t>(); // a wave of no sound
    const auto* sound = reinterpret_cast<const std::int16_t*>(data);
    if (!cvt.needed) return std::vector<std::int16_t>(sound, sound + length / sizeof(std::int16_t));
    const auto work = std::make_unique_for_overwrite<Uint8[]>(length * grow);
    std::memcpy(work.get(), data, length);
    cvt.buf = work.get();
    cvt.len = static_cast<int>(length);
    if (api.convertAudio(&cvt) != 0) return std::nullopt;
    // Only the converted sound is kept.
    const auto converted = static_cast<std::size_t>(cvt.len_cvt);
    const auto* samples = reinterpret_cast<const std::int16_t*>(work.get());
    return std::vector<std::int16_t>(samples, samples + converted / sizeof(std::int16_t));
}

std::optional<std::vector<std::int16_t>> sdlSamples(const SdlLibrary& api,
                                                    const std::string& bytes) {
    SDL_RWops* rw = api.rwFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_AudioSpec spec{};
    Uint8* wave = nullptr;
    Uint32 length = 0;
    if (!rw || !api.loadWav(rw, 1, &spec, &wave, &length)) return std::nullopt;
    const std::unique_ptr<Uint8, decltype(api.freeWav)> held(wave, api.freeWav);
    return toDevice(api, spec.format, spec.channels, spec.freq, wave, length);
}

// ---- libsndfile, reading from memory ------------------------------------------------------

/// The bytes of a wave file as libsndfile reads them: never before their start nor
/// past their end, and never written.
struct MemoryFile {
    const std::string& bytes;
    sf_count_t at = 0;
    sf_count_t size() const { return static_cast<sf_count_t>(bytes.size()); }
};

sf_count_t memoryLength(void* file) {
    return static_cast<MemoryFile*>(file)->size();
}

sf_count_t memorySeek(sf_count_t offset, int whence, void* user) {
    auto& file = *static_cast<MemoryFile*>(user);
    const sf_count_t base = whence == SEEK_SET   ? 0
                            : whence == SEEK_CUR ? file.at
                            : whence == SEEK_END ? file.size()
                                                 : -1;
    // A place before the start, or one no offset can reach, is refused.
    if (base < 0 || offset < -base || offset > std::numeric_limits<sf_count_t>::max() - base)
        return -1;
    file.at = base + offset;
    return file.at;
}

sf_count_t memoryRead(void* out, sf_count_t count, void* user) {
    auto& file = *static_cast<MemoryFile*>(user);
    if (count <= 0 || file.at >= file.size()) return 0;
    const sf_count_t n = std::min(count, file.size() - file.at);
    std::memcpy(out, file.bytes.data() + file.at, static_cast<std::size_t>(n));
    file.at += n;
    return n;
}

sf_count_t memoryWrite(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t memoryTell(void* user) {
    return static_cast<MemoryFile*>(user)->at;
}

/// A sound libsndfile decoded: interleaved samples within -1..1.
struct DecodedWave {
    std::vector<float> samples;
    int channels = 0;
    int rate = 0;
    bool tooLong = false; ///< more followed what was kept
};

/// Appends frames of samples, a float file's values outside -1..1 clipped and its
/// non-numbers silenced, so the mixer never meets them.
void keepSamples(std::vector<float>& kept, const float* in, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        kept.push_back(std::isfinite(in[i]) ? std::clamp(in[i], -1.0f, 1.0f) : 0.0f);
}

/// A RIFF/WAVE file decoded by libsndfile, its first maxSoundSeconds at most; nothing
/// when libsndfile is not installed, cannot read the bytes or reads no sound from them,
/// or SDL cannot convert what it gives. Other kinds of file (AIFF, FLAC, Ogg) that
/// libsndfile would read are no waves and are left alone.
std::optional<DecodedWave> sndfileWave(const SdlLibrary& sdl, const std::string& bytes) {
    const SndfileApi* api = sndfile();
    if (!api || !isRiffWave(bytes)) return std::nullopt;
    MemoryFile file{bytes};
    SF_VIRTUAL_IO io{&memoryLength, &memorySeek, &memoryRead, &memoryWrite, &memoryTell};
    SF_INFO info{};
    SNDFILE* const sound = api->openVirtual(&io, SFM_READ, &info, &file);
    if (!sound) return std::nullopt;
    const std::unique_ptr<SNDFILE, decltype(api->close)> held(sound, api->close);
    const int type = info.format & SF_FORMAT_TYPEMASK;
    if ((type != SF_FORMAT_WAV && type != SF_FORMAT_WAVEX) || info.channels < 1 ||
        info.samplerate < 1 || !convertible(sdl, AUDIO_F32SYS, info.channels, info.samplerate))
        return std::nullopt;

    DecodedWave wave;
    wave.channels = info.channels;
    wave.rate = info.samplerate;
    const auto channels = static_cast<std::uint64_t>(info.channels);
    const std::uint64_t wanted = std::min(maxFrames(info.samplerate), maxDecodedSamples / channels);
    // The header's count only sizes the buffer; what decodes is what counts.
    if (info.frames > 0)
        wave.samples.reserve(std::min(static_cast<std::uint64_t>(info.frames), wanted) * channels);
    std::vector<float> chunk(static_cast<std::size_t>(decodeFrames) * channels);
    for (std::uint64_t frames = 0;;) {
        const sf_count_t got = api->readFrames(sound, chunk.data(), decodeFrames);
        if (got <= 0) break;
        const std::uint64_t keep = std::min(static_cast<std::uint64_t>(got), wanted - frames);
        keepSamples(wave.samples, chunk.data(), keep * channels);
        frames += keep;
        if (keep < static_cast<std::uint64_t>(got)) {
            wave.tooLong = true;
            break;
        }
    }
    if (wave.samples.empty()) return std::nullopt;
    return wave;
}

} // namespace

WaveCheck checkWave(const std::string& bytes) {
    const SdlLibrary* api = sdlLibrary();
    if (!api) return WaveCheck::unknown;
    try {
        const WaveInput input(bytes);
        const WaveCheck read = input.soundCut() ? WaveCheck::cutShort : WaveCheck::whole;
        if (const auto length = sdlWaveLength(*api, input.bytes(), "strict"))
            return length->tooLong() ? WaveCheck::tooLong : read;
        if (sdlWaveLength(*api, input.bytes(), "dropblock")) return WaveCheck::cutShort;
        if (const auto wave = sndfileWave(*api, input.bytes()))
            return wave->tooLong ? WaveCheck::tooLong : read;
    } catch (const std::bad_alloc&) {
        // Too large for the memory left: the game would not play it either.
    }
    return WaveCheck::unreadable;
}

std::optional<std::vector<std::int16_t>> deviceSamples(const std::string& bytes) {
    const SdlLibrary* api = sdlLibrary();
    if (!api) return std::nullopt;
    try {
        const WaveInput input(bytes);
        if (auto samples = sdlSamples(*api, input.bytes())) return samples;
        const std::optional<DecodedWave> wave = sndfileWave(*api, input.bytes());
        if (!wave) return std::nullopt;
        return toDevice(*api, AUDIO_F32SYS, wave->channels, wave->rate,
                        reinterpret_cast<const Uint8*>(wave->samples.data()),
                        wave->samples.size() * sizeof(float));
    } catch (const std::bad_alloc&) {
        return std::nullopt; // a sound too large for the memory left is not played
    }
}

} // namespace quorvel
