// Real audio out: SDL's disk driver writes what the mixer plays to a file, so a
// built-in sound, a theme's GSM wave and the built-in tune can be checked for actual,
// non-silent output.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>
#include <utility>

#include "audiotest.h"
#include "sound/audio.h"
#include "sound/wavefile.h"
#include "support/sndfilewaves.h"
#include "support/testfolder.h"

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
        ASSERT_TRUE(test::waitFor([&] { return audio.musicSounding(); }));
        std::this_thread::sleep_for(2500ms);
        EXPECT_TRUE(audio.musicSounding());
    }
    const std::string bytes = test::fileBytes(out);
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

/// The energy (sum of squares) of each side of the stereo frames in bytes [from, to).
std::pair<double, double> sideEnergy(const std::string& bytes, std::size_t from, std::size_t to) {
    double left = 0, right = 0;
    for (std::size_t i = from & ~std::size_t{3}; i + 3 < std::min(to, bytes.size()); i += 4) {
        std::int16_t s[2];
        std::memcpy(s, bytes.data() + i, 4);
        left += static_cast<double>(s[0]) * s[0];
        right += static_cast<double>(s[1]) * s[1];
    }
    return {left, right};
}

// The step cues on a channel of their own: each opening's cue in its own side, both in
// both; beside a step sound, which still sounds whole; and nothing with cues off.
TEST(RealAudio, CuesSoundOnTheirSideBesideTheStepSoundAndNotAtAllWhenOff) {
    test::ensureCoreApp();
    test::SoundFolder folder;
    const std::string out = folder.home() + "out.raw";
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    Audio audio;
    ASSERT_TRUE(audio.start()) << "SDL's disk audio driver is missing";
    // What comes out while `what` plays, as a span of the file.
    const auto heard = [&](const std::function<void()>& what) {
        const std::size_t from = fileSize(out);
        what();
        test::waitFor([&] { return !audio.soundWaiting(); }); // decoded and begun
        std::this_thread::sleep_for(400ms); // the sound and the mixer's buffers drain
        return std::pair{from, static_cast<std::size_t>(fileSize(out))};
    };
    const auto off = heard([&] { audio.playCue({true, true, true}); });
    audio.cues = true;
    audio.noSound = true; // cues have their own switch
    const auto left = heard([&] { audio.playCue({.left = true}); });
    const auto right = heard([&] { audio.playCue({.right = true}); });
    const auto both = heard([&] { audio.playCue({.left = true, .right = true, .ahead = true}); });
    audio.noSound = false;
    const auto walk = heard([&] { audio.playSound("", "walk", "", SoundMode::ifIdle); });
    const auto walkAndCue = heard([&] {
        audio.playSound("", "walk", "", SoundMode::ifIdle);
        audio.playCue({.left = true});
        EXPECT_TRUE(audio.soundPlaying());
        EXPECT_TRUE(audio.cuePlaying());
    });
    // A cue playing keeps no effect waiting.
    audio.playCue({.right = true});
    audio.playSound("", "hint", "", SoundMode::ifIdle);
    EXPECT_TRUE(test::waitFor([&] { return audio.lastSound() == ":/WAVE/HINT"; }));
    audio.stopSound();

    const std::string bytes = test::fileBytes(out);
    const auto energy = [&](std::pair<std::size_t, std::size_t> span) {
        return sideEnergy(bytes, span.first, span.second);
    };
    EXPECT_EQ(energy(off), std::pair(0.0, 0.0));
    EXPECT_GT(energy(left).first, 10 * energy(left).second);
    EXPECT_GT(energy(right).second, 10 * energy(right).first);
    EXPECT_GT(energy(both).first, 0);
    EXPECT_NEAR(energy(both).first, energy(both).second, energy(both).first * 0.01);
    EXPECT_GT(energy(both).first, energy(left).first * 1.1); // the pips ahead after the tock
    // The pips come after the whole tock and 30 ms of silence, never over it.
    const auto silent = [&](std::size_t at) { return bytes.substr(at, 4) == std::string(4, '\0'); };
    const auto firstSound = [&](std::size_t from, std::size_t to) {
        while (from + 3 < to && silent(from))
            from += 4;
        return from;
    };
    const auto lastSound = [&](std::size_t from, std::size_t to) {
        while (to > from + 4 && silent(to - 4))
            to -= 4;
        return to;
    };
    const std::size_t tockStart = firstSound(both.first & ~std::size_t{3}, both.second);
    const std::size_t tockEnd = tockStart + lastSound(left.first & ~std::size_t{3}, left.second) -
                                firstSound(left.first & ~std::size_t{3}, left.second);
    EXPECT_GE(firstSound(tockEnd, both.second), tockEnd + 4 * deviceRate * 30 / 1000);
    // The right side of the step with a left cue is the step sound alone, all of it.
    EXPECT_GT(energy(walk).second, 0);
    EXPECT_NEAR(energy(walkAndCue).second, energy(walk).second, energy(walk).second * 0.01);
    EXPECT_GT(energy(walkAndCue).first, energy(walkAndCue).second * 1.05);
}

} // namespace
} // namespace quorvel
