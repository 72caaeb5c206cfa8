// What a key press costs the user-interface thread in sound: the play request for a
// theme's long wave (four minutes of 16-bit stereo at 22.05 kHz, 21 MB, as a theme's
// "walk") and for a short built-in one, once the theme's sounds have played before.
// SDL's dummy audio device; the processor time is the calling thread's own.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "files/programfolder.h"
#include "sound/audio.h"

namespace {

using namespace quorvel;

void put(std::string& s, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

/// A 16-bit stereo wave at 22.05 kHz of a tone lasting `seconds`.
std::string stereoWave(int seconds) {
    constexpr std::uint32_t rate = 22050;
    const std::uint32_t frames = rate * static_cast<std::uint32_t>(seconds);
    std::string w = "RIFF";
    put(w, 36 + frames * 4, 4);
    w += "WAVEfmt ";
    for (const auto& [value, bytes] :
         {std::pair{16u, 4}, {1u, 2}, {2u, 2}, {rate, 4}, {rate * 4, 4}, {4u, 2}, {16u, 2}})
        put(w, value, bytes);
    w += "data";
    put(w, frames * 4, 4);
    w.reserve(w.size() + frames * 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const auto v = static_cast<std::uint16_t>(std::lround(8000 * std::sin(i * 0.125)));
        put(w, v, 2);
        put(w, v, 2);
    }
    return w;
}

/// A program folder with the theme "Long", whose walk.wav is four minutes long, and the
/// sound layer on the dummy device; both for the whole run.
Audio& soundLayer() {
    static QTemporaryDir dir;
    static const std::string home = [] {
        const std::string h = dir.path().toStdString() + "/";
        ::setenv("QUORVEL3D_HOME", h.c_str(), 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        setProgramFolders(h, "quorvel3d", h + "config/");
        std::filesystem::create_directories(h + "Long");
        std::ofstream(h + "Long/walk.wav", std::ios::binary) << stereoWave(240);
        return h;
    }();
    static Audio audio;
    audio.start();
    return audio;
}

/// Plays a sound once and waits until it plays, so the measured presses find the theme
/// as a player's later steps do.
void playedOnce(Audio& audio, const char* theme, const char* name) {
    audio.playSound(theme, name, name, SoundMode::now);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!audio.soundPlaying() && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void KeyPressSound(benchmark::State& state, const char* theme, const char* name) {
    Audio& audio = soundLayer();
    playedOnce(audio, theme, name);
    for (auto _ : state) {
        audio.playSound(theme, name, name, SoundMode::now);
        benchmark::DoNotOptimize(audio.lastSound().data());
    }
    state.counters["kept MiB"] = static_cast<double>(audio.soundBank().keptBytes()) / (1 << 20);
    audio.stopSound();
}

BENCHMARK_CAPTURE(KeyPressSound, LongThemeWave, "Long", "walk")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeyPressSound, ShortBuiltInWave, "", "walk")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
