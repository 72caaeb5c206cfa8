// The wave reader: what SDL2 cannot read, libsndfile does, and nothing a wave claims
// makes the game hold more than its first minutes of sound.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include <QTemporaryDir>

#include "audiotest.h"
#include "sound/soundcheck.h"
#include "sound/wavefile.h"
#include "support/sndfilewaves.h"

namespace quorvel {
namespace {

std::uint32_t u32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

int peak(const std::vector<std::int16_t>& samples) {
    int p = 0;
    for (std::int16_t s : samples)
        p = std::max(p, std::abs(static_cast<int>(s)));
    return p;
}

TEST(WaveFiles, EncodingsSdlCannotReadPlayWholeThroughLibsndfile) {
    // 0.56 seconds (14 GSM blocks) of a tone at half volume, as the sound recorder and
    // editors save it.
    const double length = 0.56 * deviceRate * deviceChannels;
    for (int encoding : {SF_FORMAT_GSM610, SF_FORMAT_DOUBLE}) {
        const std::string wave = test::sndfileTone(SF_FORMAT_WAV | encoding, 8000, 4480);
        ASSERT_FALSE(wave.empty()) << encoding;
        EXPECT_EQ(checkWave(wave), WaveCheck::whole) << encoding;
        const auto samples = deviceSamples(wave);
        ASSERT_TRUE(samples) << encoding;
        EXPECT_NEAR(static_cast<double>(samples->size()), length, length / 100) << encoding;
        EXPECT_GT(peak(*samples), 12000) << encoding; // 0.5 of full scale is 16384
        EXPECT_LT(peak(*samples), 21000) << encoding;
    }
    // Other kinds of sound file libsndfile reads are no waves, whatever they are named.
    EXPECT_EQ(checkWave(test::sndfileTone(SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 8000, 4000)),
              WaveCheck::unreadable);
    EXPECT_FALSE(deviceSamples(test::sndfileTone(SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 8000, 4000)));
}

TEST(WaveFiles, ALongWaveIsReadOnlyAsFarAsItsFirstFiveMinutes) {
    const QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/walk.wav";
    struct Case {
        int format, rate;
    };
    // 6.5 minutes: 34.4 MB of PCM (more than the 32 MiB the game once refused), and
    // ADPCM, which is read in blocks.
    for (const Case c : {Case{SF_FORMAT_PCM_16, 44100}, Case{SF_FORMAT_IMA_ADPCM, 44100}}) {
        const std::string wave = test::sndfileTone(SF_FORMAT_WAV | c.format, c.rate, 390L * c.rate);
        const double perSecond = u32(wave, 28); // the format's bytes a second
        std::ofstream(path, std::ios::binary) << wave;
        WaveFileStart start;
        ASSERT_EQ(readWaveStart(path, start), FileRead::ok) << c.format;
        EXPECT_TRUE(start.soundCut) << c.format;
        // The headers and five minutes of sound (and a second at most for the blocks).
        const double sound = static_cast<double>(start.bytes.size() - (wave.find("data") + 8));
        EXPECT_GE(sound, 300 * perSecond) << c.format;
        EXPECT_LE(sound, 301.5 * perSecond) << c.format;
        EXPECT_NE(checkWave(start.bytes), WaveCheck::unreadable) << c.format;
        const auto samples = deviceSamples(start.bytes);
        ASSERT_TRUE(samples) << c.format;
        EXPECT_NEAR(static_cast<double>(samples->size()), 300.0 * deviceRate * deviceChannels,
                    deviceRate * deviceChannels / 10)
            << c.format;
        EXPECT_EQ(soundFileProblem(path), "too long") << c.format;
    }
    // A short sound with 40 MiB of padding after it, in a chunk of its own as editors
    // leave it: read without the padding, it plays whole.
    std::string wave = test::sndfileTone(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 800);
    wave += "JUNK";
    test::put(wave, 40u << 20, 4);
    std::ofstream(path, std::ios::binary) << wave << std::string(40u << 20, '\0');
    WaveFileStart start;
    ASSERT_EQ(readWaveStart(path, start), FileRead::ok);
    EXPECT_EQ(start.bytes.size(), wave.size() - 8);
    EXPECT_FALSE(start.soundCut);
    EXPECT_EQ(soundFileProblem(path), "");
    // The header alone, claiming a sound after it: cut short, not a sound of another kind.
    std::ofstream(path, std::ios::binary) << std::string("RIFF\x24\0\0\0WAVE", 12);
    EXPECT_EQ(soundFileProblem(path), "truncated");
}

TEST(WaveFiles, ALongerSoundPlaysItsFirstFiveMinutesWhateverRateItClaims) {
    const double second = 44100.0 * 2, fiveMinutes = 300 * second; // 44.1 kHz stereo
    // Five minutes to the frame play whole; one frame more is a sound too long.
    const std::string whole = test::sndfileTone(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 300);
    EXPECT_EQ(checkWave(whole), WaveCheck::whole);
    EXPECT_EQ(deviceSamples(whole).value_or(std::vector<std::int16_t>()).size(), fiveMinutes);
    EXPECT_EQ(checkWave(test::sndfileTone(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 301)),
              WaveCheck::tooLong);
    // 200 KB of PCM at one frame a second (SDL reads it) and a GSM wave at ten (libsndfile):
    // converted whole, they would be days of sound.
    const std::string pcm = test::sndfileTone(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 100000);
    const std::string gsm = test::sndfileTone(SF_FORMAT_WAV | SF_FORMAT_GSM610, 10, 3200);
    for (const std::string* wave : {&pcm, &gsm}) {
        EXPECT_EQ(checkWave(*wave), WaveCheck::tooLong);
        const auto samples = deviceSamples(*wave);
        ASSERT_TRUE(samples);
        EXPECT_NEAR(static_cast<double>(samples->size()), fiveMinutes, second / 2);
    }
}

} // namespace
} // namespace quorvel
