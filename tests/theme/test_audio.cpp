// The sound layer on SDL's dummy audio device: which file or built-in sound each
// request plays, the three modes, the switches and their settings, the music kept
// open and looped from the user-interface thread, and silence without a device.

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>

#include <QFile>
#include <QThread>

#include <SDL_mixer.h>

#include "audio.h"
#include "audiotest.h"
#include "inifile.h"
#include "random.h"
#include "resource.h"
#include "rmi.h"
#include "soundres.h"
#include "stepsound.h"

namespace quorvel {
namespace {

using namespace std::chrono_literals;
using test::SoundFolder;
using Clock = std::chrono::steady_clock;

std::string readfile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

class Sound : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::ensurecoreapp(); }
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        audio = std::make_unique<Audio>();
        ASSERT_TRUE(audio->deviceopen()) << "the dummy audio driver should always open";
    }
    void TearDown() override { audio.reset(); }

    /// What one request plays; empty when it plays nothing.
    std::string played(const std::string& theme, const std::string& name,
                       const std::string& fallback) {
        audio->stopsound();
        const std::string before = audio->lastsound();
        audio->playsoundfx(theme, name, fallback, 1);
        return audio->lastsound() == before && !audio->soundplaying() ? "" : audio->lastsound();
    }

    SoundFolder folder; // before audio: the tune is written into it
    std::unique_ptr<Audio> audio;
};

TEST_F(Sound, BuiltInSoundsAreFoundByNameOrFallbackWithoutRegardToCase) {
    EXPECT_EQ(played("Back to basics <Default>", "walk", "walk"), ":/WAVE/WALK");
    EXPECT_EQ(played("", "Blocked", ""), ":/WAVE/BLOCKED");
    EXPECT_EQ(played("", "battery", "box"), ":/WAVE/BOX");
    EXPECT_EQ(played("", "starving", "WARNING"), ":/WAVE/WARNING");
    EXPECT_EQ(played("", "gem5", "gem"), ":/WAVE/GEM");
    // Names with no built-in sound and no fallback are silent.
    for (const char* silent : {"turn", "start", "open", "map", "exit", "win", "lose", "quit"})
        EXPECT_EQ(played("", silent, ""), "") << silent;
    EXPECT_EQ(played("", "", ""), "");
}

TEST_F(Sound, ThemeFilesBeatBuiltInSoundsAndTheFallbackFileBeatsTheNamesBuiltIn) {
    const std::string traps = folder.write("Traps", "trap.wav", test::tonewave(80));
    EXPECT_EQ(played("Traps", "foodtrap", "trap"), traps);
    EXPECT_EQ(played("Traps", "gemtrap", "trap"), traps);

    const std::string gemtrap = folder.write("Gems", "gemtrap.wav", test::tonewave(80));
    EXPECT_EQ(played("Gems", "gemtrap", "trap"), gemtrap);
    EXPECT_EQ(played("Gems", "foodtrap", "trap"), ":/WAVE/TRAP");

    // A theme's box sound plays for the battery, not the built-in BOX; and a theme
    // file for the fallback wins over the built-in sound of the name itself.
    const std::string box = folder.write("Boxes", "Box.WAV", test::tonewave(80));
    EXPECT_EQ(played("Boxes", "battery", "box"), box);
    EXPECT_EQ(played("Boxes", "walk", "BOX"), box);
    // The theme's own file for the name comes first of all.
    const std::string walk = folder.write("Boxes", "WALK.wav", test::tonewave(80));
    EXPECT_EQ(played("Boxes", "walk", "box"), walk);
    // A theme's "start" sound exists only when the theme supplies it.
    const std::string start = folder.write("Boxes", "start.wav", test::tonewave(80));
    EXPECT_EQ(played("Boxes", "start", ""), start);
}

TEST_F(Sound, ThemeFilesThatCannotPlayAreSilentAndStrangeNamesAreRefused) {
    folder.write("Broken", "gem.wav", std::string("RIFF\x10\0\0\0WAVEjunk", 16));
    folder.write("Broken", "walk.wav", "");
    EXPECT_EQ(played("Broken", "gem5", "gem"), ""); // the theme's file still wins
    EXPECT_EQ(played("Broken", "walk", "walk"), "");
    folder.write("", "secret.wav", test::tonewave(80));
    EXPECT_EQ(played("Broken", "../secret", ""), "");
    EXPECT_EQ(played("..", "secret", ""), "");
    EXPECT_EQ(played("", "WAVE/../WAVE/WALK", ""), "");
}

TEST_F(Sound, ModeZeroNeverCutsInAndModeOneDoes) {
    audio->playintro();
    ASSERT_TRUE(audio->soundplaying());
    audio->playsoundfx("", "walk", "", 0);
    EXPECT_EQ(audio->lastsound(), ":/WAVE/INTRO");
    audio->playsoundfx("", "hint", "", 1);
    EXPECT_EQ(audio->lastsound(), ":/WAVE/HINT");
    audio->stopsound();
    EXPECT_FALSE(audio->soundplaying());
    audio->playsoundfx("", "walk", "", 0);
    EXPECT_EQ(audio->lastsound(), ":/WAVE/WALK");
}

TEST_F(Sound, ModeTwoReturnsWhenTheSoundHasEndedAndNoLater) {
    const auto start = Clock::now();
    audio->playsoundfx("", "hint", "", 2); // 1.3 seconds
    const auto waited = Clock::now() - start;
    EXPECT_FALSE(audio->soundplaying());
    EXPECT_GE(waited, 1000ms);
    EXPECT_LE(waited, 1300ms + 400ms);

    // A theme's long sound holds the game up no longer than the limit; it plays on.
    folder.write("Long", "start.wav", test::tonewave(3000));
    audio->setmaxwait(200);
    const auto begun = Clock::now();
    audio->playsoundfx("Long", "start", "", 2);
    EXPECT_LE(Clock::now() - begun, 700ms);
    EXPECT_TRUE(audio->soundplaying());
}

TEST_F(Sound, TheIntroIgnoresNoSoundButNotNoIntro) {
    audio->nosound = true;
    audio->playsoundfx("", "walk", "", 1);
    EXPECT_EQ(audio->lastsound(), "");
    audio->playintro();
    EXPECT_EQ(audio->lastsound(), ":/WAVE/INTRO");

    audio->stopsound();
    audio->nosound = false;
    audio->nointro = true;
    audio->playsoundfx("", "walk", "", 1);
    EXPECT_EQ(audio->lastsound(), ":/WAVE/WALK");
    audio->stopsound();
    audio->playintro();
    EXPECT_FALSE(audio->soundplaying());
}

TEST_F(Sound, SwitchesAreStoredPerPlayerAndMissingKeysKeepTheCurrentValue) {
    audio->nosound = true;
    audio->nomusic = false;
    audio->nointro = true;
    audio->savesoundsettings("Bob");

    IniFile file = IniFile::load(settingspath());
    EXPECT_EQ(file.readstring("Bob.SoundSettings", "NoSound", ""), "1");
    EXPECT_EQ(file.readstring("Bob.SoundSettings", "NoMusic", ""), "0");
    EXPECT_EQ(file.readstring("Bob.SoundSettings", "NoIntro", ""), "1");

    audio->nosound = audio->nomusic = audio->nointro = false;
    audio->loadsoundsettings("BOB"); // sections match without regard to case
    EXPECT_TRUE(audio->nosound);
    EXPECT_FALSE(audio->nomusic);
    EXPECT_TRUE(audio->nointro);

    // A player with NoMusic=1 and no other key: only music changes.
    file.writebool("Ann.SoundSettings", "NoMusic", true);
    file.writestring("Bob.Settings", "Skill", "4");
    ASSERT_TRUE(file.save(settingspath()));
    audio->nosound = audio->nomusic = audio->nointro = false;
    audio->loadsoundsettings("Ann");
    EXPECT_FALSE(audio->nosound);
    EXPECT_TRUE(audio->nomusic);
    EXPECT_FALSE(audio->nointro);

    // Saving keeps everything else in the file.
    audio->savesoundsettings("Ann");
    EXPECT_EQ(IniFile::load(settingspath()).readinteger("Bob.Settings", "Skill", 0), 4);
    EXPECT_TRUE(IniFile::load(settingspath()).readbool("Ann.SoundSettings", "NoMusic", false));
}

TEST_F(Sound, TheBuiltInTuneIsWrittenOutAsRiffMidiAtStart) {
    std::string smf;
    ASSERT_TRUE(readresource("MUSIC", "MIDI", smf));
    const std::string written = readfile(folder.home() + "music.rmi");
    EXPECT_EQ(written.substr(0, 4), "RIFF");
    EXPECT_EQ(written.substr(8, 8), "RMIDdata");
    EXPECT_EQ(midifrombytes(written), smf);

    // It is rewritten at every start, whatever was there.
    folder.write("", "music.rmi", "scribbled over");
    audio.reset();
    audio = std::make_unique<Audio>();
    EXPECT_EQ(readfile(folder.home() + "music.rmi"), written);
}

TEST_F(Sound, MusicComesFromTheThemeElseTheProgramFolderAndStaysOpenAcrossOffAndOn) {
    // No theme music: the program's own tune, asked for in any case.
    audio->playmusic("Back to basics <Default>", "Music");
    EXPECT_EQ(audio->musicfile(), folder.home() + "music.rmi");
    EXPECT_TRUE(audio->musicopen());
    EXPECT_TRUE(audio->musicplaying());
    EXPECT_TRUE(Mix_PlayingMusic());

    // Music off and on again keeps the same file open.
    audio->nomusic = true;
    audio->stopmusic();
    EXPECT_TRUE(audio->musicopen());
    EXPECT_FALSE(audio->musicplaying());
    EXPECT_FALSE(Mix_PlayingMusic());
    audio->nomusic = false;
    audio->playmusic("Back to basics <Default>", "music");
    EXPECT_EQ(audio->musicfile(), folder.home() + "music.rmi");
    EXPECT_TRUE(audio->musicplaying());

    // A theme's .mid comes before its .rmi, and both before the program's tune.
    folder.write("Cave", "MUSIC.RMI", wraprmi(test::onenotemidi(4800)));
    audio->playmusic("Cave", "music");
    EXPECT_EQ(audio->musicfile(), folder.home() + "Cave/MUSIC.RMI");
    const std::string mid = folder.write("Cave", "music.mid", test::onenotemidi(4800));
    audio->playmusic("Cave", "music");
    EXPECT_EQ(audio->musicfile(), mid);
    EXPECT_TRUE(Mix_PlayingMusic());

    audio->closemusic();
    EXPECT_FALSE(audio->musicopen());
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(Sound, WithMusicOffTheTuneIsOpenedButNotStarted) {
    audio->nomusic = true;
    audio->playmusic("", "music");
    EXPECT_TRUE(audio->musicopen());
    EXPECT_FALSE(audio->musicplaying());
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(Sound, MusicThatCannotPlaySwitchesMusicOff) {
    std::filesystem::remove(folder.home() + "music.rmi");
    audio->playmusic("", "music");
    EXPECT_FALSE(audio->musicopen());
    EXPECT_TRUE(audio->nomusic);

    audio->nomusic = false;
    folder.write("Bad", "music.mid", "MThd but nothing a player can use");
    audio->playmusic("Bad", "music");
    EXPECT_TRUE(audio->nomusic);

    audio->nomusic = false;
    folder.write("Wave", "music.rmi", std::string("RIFF\x04\0\0\0WAVE", 12));
    audio->playmusic("Wave", "music");
    EXPECT_TRUE(audio->nomusic);
}

TEST_F(Sound, TheEndOfTheMusicIsHandedToTheUserInterfaceThreadWhichPlaysItAgain) {
    folder.write("Short", "music.mid", test::onenotemidi(1100)); // just over a second
    audio->playmusic("Short", "music");
    ASSERT_TRUE(audio->musicplaying());

    // Without the event loop nothing restarts it: the audio thread only posts a notice.
    const auto deadline = Clock::now() + 5s;
    while (Mix_PlayingMusic() && Clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ASSERT_FALSE(Mix_PlayingMusic()) << "the short tune should have ended";
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(audio->musicrestarts(), 0);

    QCoreApplication::processEvents();
    EXPECT_EQ(audio->musicrestarts(), 1);
    EXPECT_TRUE(Mix_PlayingMusic());

    // A stopped tune is not restarted by its end notice.
    audio->stopmusic();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_EQ(audio->musicrestarts(), 1);
}

TEST(SoundWithoutDevice, EverythingIsSilentAndMusicSwitchesOff) {
    test::ensurecoreapp();
    SoundFolder folder;
    ::setenv("SDL_AUDIODRIVER", "nosuchdevice", 1);
    Audio audio;
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_FALSE(audio.deviceopen());

    const auto start = Clock::now();
    audio.playintro();
    audio.playsoundfx("", "hint", "", 2);
    audio.playsoundfx("", "walk", "", 0);
    audio.stopsound();
    EXPECT_LE(Clock::now() - start, 200ms);
    EXPECT_EQ(audio.lastsound(), "");
    EXPECT_FALSE(audio.soundplaying());

    audio.playmusic("", "music");
    EXPECT_TRUE(audio.nomusic);
    audio.stopmusic();
    audio.closemusic();
    // The tune is still written out for the next start.
    EXPECT_TRUE(std::filesystem::exists(folder.home() + "music.rmi"));
}

TEST(RiffMidi, WrapsAndUnwrapsBothForms) {
    const std::string smf = test::onenotemidi(480);
    const std::string rmi = wraprmi(smf);
    EXPECT_EQ(rmi.size() % 2, 0u);
    EXPECT_EQ(rmi.substr(0, 4), "RIFF");
    EXPECT_EQ(rmi.substr(8, 8), "RMIDdata");
    EXPECT_EQ(midifrombytes(rmi), smf);
    EXPECT_EQ(midifrombytes(smf), smf);
    const std::string odd = smf + "x";
    EXPECT_EQ(midifrombytes(wraprmi(odd)), odd);

    // Other chunks before the data are skipped; a short data chunk gives what is there.
    std::string withlist = std::string("RIFF\0\0\0\0RMIDLIST\x03\0\0\0abc\0", 24) + rmi.substr(12);
    withlist[4] = static_cast<char>(withlist.size() - 8);
    EXPECT_EQ(midifrombytes(withlist), smf);
    EXPECT_EQ(midifrombytes(rmi.substr(0, 40)), smf.substr(0, 20));
    EXPECT_TRUE(validmidi(smf));
    EXPECT_FALSE(validmidi(smf.substr(0, 20))); // a track cut short

    std::string notracks = smf.substr(0, 14);
    notracks[11] = 0;
    EXPECT_FALSE(validmidi(notracks));
    EXPECT_FALSE(validmidi("MThd but nothing a player can use"));

    // Anything else is no MIDI.
    for (const std::string& bad :
         {std::string(), std::string("RIFF"), std::string("RIFF\0\0\0\0WAVEdata", 16),
          std::string("RIFF\0\0\0\0RMIDdata\x04\0\0\0junk", 24),
          std::string("RIFF\0\0\0\0RMIDLIST\xFF\xFF\xFF\xFF", 20)})
        EXPECT_EQ(midifrombytes(bad), "");
}

TEST(StepSounds, OverManyStepsAPickIsFollowedByNinePlainOnesAndNeverRepeats) {
    Random rng(20240);
    StepSoundPicker picker;
    int rest = 0, counts[3] = {0, 0, 0};
    for (int step = 0; step < 20000; ++step) {
        const std::string before = picker.laststepsound();
        const std::string s =
            picker.pickstepsound(rng, 30, "random1", "Random2", "RANDOM3", "walk");
        if (rest > 0) {
            ASSERT_EQ(s, "walk") << "step " << step << " is within the rest";
            --rest;
            continue;
        }
        if (picker.stepsoundrest() == 1) rest = 9; // a draw chose a sound: nine plain ones follow
        if (s == "walk") continue;
        std::string lower = s;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        ASSERT_NE(lower, before) << "step " << step << " repeats the last random sound";
        ++counts[s.back() - '1'];
    }
    for (int c : counts)
        EXPECT_GT(c, 100);
}

TEST(BuiltInSounds, EveryNameIsAShortCleanMonoWave) {
    initsoundresources();
    for (const char* name : {"BLOCKED", "BOX", "FOOD", "GEM", "HINT", "INTRO", "RUN", "TRAP", "USE",
                             "WALK", "WARNING"}) {
        std::string w;
        ASSERT_TRUE(readresource(name, "WAVE", w)) << name;
        ASSERT_GT(w.size(), 44u) << name;
        EXPECT_EQ(w.substr(0, 4), "RIFF");
        EXPECT_EQ(w.substr(8, 8), "WAVEfmt ");
        std::int16_t samples[2];
        std::memcpy(samples, w.data() + 44, 2);
        std::memcpy(samples + 1, w.data() + w.size() - 2, 2);
        EXPECT_EQ(samples[0], 0) << name << " starts in silence";
        EXPECT_LE(std::abs(samples[1]), 1) << name << " ends in silence";
        const double seconds = static_cast<double>(w.size() - 44) / 2 / 22050;
        EXPECT_GT(seconds, 0.1) << name;
        EXPECT_LT(seconds, name == std::string("INTRO") ? 6.0 : 1.5) << name;
    }
    std::string smf;
    ASSERT_TRUE(readresource("MUSIC", "MIDI", smf));
    EXPECT_EQ(smf.substr(0, 4), "MThd");
}

} // namespace
} // namespace quorvel
