#include "soundcheck.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <SDL.h>
#include <SDL_mixer.h>

#include "theme.h"

namespace quorvel {

namespace {

// SDL_mixer opened on the silent device for as long as the program runs, unless the
// program has opened it already (the game's own sound layer).
class Decoder {
  public:
    Decoder() {
        if (SDL_WasInit(SDL_INIT_AUDIO)) {
            int frequency = 0, channels = 0;
            Uint16 format = 0;
            m_ready = Mix_QuerySpec(&frequency, &format, &channels) != 0;
            return;
        }
        const char* driver = SDL_GetHint(SDL_HINT_AUDIODRIVER);
        const std::string before = driver ? driver : "";
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy"); // never a real device for a check
        const bool audio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        SDL_SetHint(SDL_HINT_AUDIODRIVER, driver ? before.c_str() : nullptr);
        if (!audio) return;
        if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) { // as the game opens it
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return;
        }
        m_owned = m_ready = true;
    }
    ~Decoder() {
        if (!m_owned) return;
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    bool ready() const { return m_ready; }

    // Whether SDL_mixer decodes the bytes, with the given handling of a wave file cut
    // short ("strict" refuses it; the game's default plays its first part).
    bool decodes(const std::string& bytes, const char* truncation) const {
        const char* old = SDL_GetHint(SDL_HINT_WAVE_TRUNCATION);
        const std::string before = old ? old : "";
        SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, truncation);
        SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
        Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
        SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, old ? before.c_str() : nullptr);
        if (chunk) Mix_FreeChunk(chunk);
        return chunk != nullptr;
    }

  private:
    bool m_ready = false;
    bool m_owned = false;
};

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
    std::string bytes;
    if (const FileRead read = readFile(path, maxSoundBytes, bytes); read != FileRead::ok)
        return unreadableFileReason(read);
    if (bytes.empty()) return "empty file";
    static const Decoder decoder;
    if (!decoder.ready()) return {};
    if (decoder.decodes(bytes, "strict")) return {};
    if (decoder.decodes(bytes, "dropblock") || waveCutShort(bytes)) return "truncated";
    return "not a sound it can decode";
}

} // namespace quorvel
