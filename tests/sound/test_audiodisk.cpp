// Real audio out: SDL's disk driver writes what the mixer plays to a file, so a
// built-in sound, a theme's GSM wave and the built-in tune can be checked for actual,
// non-silent output.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include <QCoreApplication>

#include "audiotest.h"
#include "sound/audio.h"
#include "support/sndfilewaves.h"

namespace quorvel {
namespace {

using namespace std::chrono_literals;

struct Level {
    int peak = 0;
    double rms = 0;
};

/// Peak and RMS of the signed 16-bit samples in bytes [from, to).
Level measure(const std::string& bytes, std::size_t from, std::size_t to) {
    Level l;
    double sum = 0;
    std::size_t n = 0;
    for (std::size_t i = from & ~std::size_t{1}; i + 1 < std::min(to, bytes.size()); i += 2) {
        std::int16_t s;
        std::memcpy(&s, bytes.data() + i, 2);
        l.peak = std::max(l.peak, std::abs(static_cast<int>(s)));
        sum += static_cast<double>(s) * s;
        ++n;
    }
    l.rms = n ? std::sqrt(sum / static_cast<double>(n)) : 0;
    return l;
}

std::uintmax_t fileSize(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : size;
}

TEST(RealAudio, ABuiltInSoundAThemesGsmWaveAndTheTuneComeOutLoudAndClear) {
    test::ensureCoreApp();
    test::SoundFolder folder;
    const std::string out = folder.home() + "out.raw";
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    // The Windows sound recorder's GSM 6.10, which SDL cannot read: libsndfile does.
    const std::string gsm = folder.write(
        "Recorded", "walk.wav", test::sndfileTone(SF_FORMAT_WAV | SF_FORMAT_GSM610, 8000, 4480));
    std::string bytes;
    std::size_t soundFrom = 0, soundTo = 0, gsmTo = 0, musicFrom = 0;
    {
        Audio audio;
        ASSERT_TRUE(audio.start()) << "SDL's disk audio driver is missing";
        soundFrom = fileSize(out);
        audio.playSound("", "walk", "", SoundMode::toEnd);
        EXPECT_EQ(audio.lastSound(), ":/WAVE/WALK");
        std::this_thread::sleep_for(150ms); // let the mixer's buffers drain to the file
        soundTo = fileSize(out);
        audio.playSound("Recorded", "walk", "", SoundMode::toEnd);
        EXPECT_EQ(audio.lastSound(), gsm);
        std::this_thread::sleep_for(150ms);
        gsmTo = fileSize(out);
        musicFrom = gsmTo;
        audio.playMusic("", "music");
        ASSERT_TRUE(audio.musicPlaying());
        // The synthesiser is loaded on a worker; the tune begins when it is ready.
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (!audio.musicSounding() && std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(1ms);
        }
        ASSERT_TRUE(audio.musicSounding());
        std::this_thread::sleep_for(2500ms);
        EXPECT_TRUE(audio.musicSounding());
    }
    std::ifstream in(out, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    ASSERT_GT(bytes.size(), musicFrom);

    const Level sound = measure(bytes, soundFrom, soundTo);
    const Level recorded = measure(bytes, soundTo, gsmTo);
    const Level music = measure(bytes, musicFrom, bytes.size());
    // WALK peaks at -9 dBFS (about 11600); the mixer may scale it a little.
    EXPECT_GT(sound.peak, 3000);
    EXPECT_LT(sound.peak, 32767);
    EXPECT_GT(recorded.peak, 12000); // a tone at half of full scale
    EXPECT_LT(recorded.peak, 21000);
    EXPECT_GT(music.peak, 1000);
    EXPECT_GT(music.rms, 100);
    EXPECT_LT(music.peak, 32767);
    std::printf("walk: peak %d rms %.0f; GSM: peak %d rms %.0f; music: peak %d rms %.0f\n",
                sound.peak, sound.rms, recorded.peak, recorded.rms, music.peak, music.rms);
}

} // namespace
} // namespace quorvel
