// The sound layer on SDL's dummy audio device: which file or built-in sound each
// request plays, the three modes, the switches and their settings, the music kept
// open and looped from the user-interface thread, and silence without a device.

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "audiotest.h"
#include "files/inifile.h"
#include "files/programfolder.h"
#include "files/resourcefile.h"
#include "game/random.h"
#include "game/stepsound.h"
#include "sound/audio.h"
#include "sound/rmi.h"
#include "sound/soundres.h"
#include "support/diskfaults.h"
#include "support/testfolder.h"

namespace quorvel {
namespace {

using namespace std::chrono_literals;
using test::SoundFolder;
using test::waitFor;
using Clock = std::chrono::steady_clock;

class Sound : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::ensureCoreApp(); }
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        audio = std::make_unique<Audio>();
        ASSERT_TRUE(audio->start()) << "the dummy audio driver should always open";
    }

    /// The music is meant to play and the synthesiser plays it out.
    bool musicHeard() {
        return waitFor([this] { return audio->musicSounding(); });
    }
    void TearDown() override { audio.reset(); }

    /// The sound asked for has been decoded (and played, if it may).
    bool settled() {
        return waitFor([this] { return !audio->soundWaiting(); });
    }
    /// What one request plays; empty when it plays nothing.
    std::string played(const std::string& theme, const std::string& name,
                       const std::string& fallback) {
        audio->stopSound();
        const std::string before = audio->lastSound();
        audio->playSound(theme, name, fallback, SoundMode::now);
        settled();
        return audio->lastSound() == before && !audio->soundPlaying() ? "" : audio->lastSound();
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
    const std::string traps = folder.write("Traps", "trap.wav", test::toneWave(80));
    EXPECT_EQ(played("Traps", "foodtrap", "trap"), traps);
    EXPECT_EQ(played("Traps", "gemtrap", "trap"), traps);

    const std::string gemTrap = folder.write("Gems", "gemtrap.wav", test::toneWave(80));
    EXPECT_EQ(played("Gems", "gemtrap", "trap"), gemTrap);
    EXPECT_EQ(played("Gems", "foodtrap", "trap"), ":/WAVE/TRAP");

    // A theme's box sound plays for the battery, not the built-in BOX; and a theme
    // file for the fallback wins over the built-in sound of the name itself.
    const std::string box = folder.write("Boxes", "Box.WAV", test::toneWave(80));
    EXPECT_EQ(played("Boxes", "battery", "box"), box);
    EXPECT_EQ(played("Boxes", "walk", "BOX"), box);
    // The theme's own file for the name comes first of all.
    const std::string walk = folder.write("Boxes", "WALK.wav", test::toneWave(80));
    EXPECT_EQ(played("Boxes", "walk", "box"), walk);
    // A theme's "start" sound exists only when the theme supplies it.
    const std::string start = folder.write("Boxes", "start.wav", test::toneWave(80));
    EXPECT_EQ(played("Boxes", "start", ""), start);
}

TEST_F(Sound, ThemeFilesThatCannotPlayAreSilentAndStrangeNamesAreRefused) {
    folder.write("Broken", "gem.wav", std::string("RIFF\x10\0\0\0WAVEjunk", 16));
    folder.write("Broken", "walk.wav", "");
    EXPECT_EQ(played("Broken", "gem5", "gem"), ""); // the theme's file still wins
    EXPECT_EQ(played("Broken", "walk", "walk"), "");
    folder.write("", "secret.wav", test::toneWave(80));
    EXPECT_EQ(played("Broken", "../secret", ""), "");
    EXPECT_EQ(played("..", "secret", ""), "");
    EXPECT_EQ(played("", "WAVE/../WAVE/WALK", ""), "");
}

TEST_F(Sound, ModeZeroNeverCutsInAndModeOneDoes) {
    audio->playIntro();
    // A sound on its way counts as playing: mode 0 does not take its place.
    audio->playSound("", "walk", "", SoundMode::ifIdle);
    ASSERT_TRUE(settled());
    ASSERT_TRUE(audio->soundPlaying());
    EXPECT_EQ(audio->lastSound(), ":/WAVE/INTRO");
    audio->playSound("", "walk", "", SoundMode::ifIdle);
    EXPECT_EQ(audio->lastSound(), ":/WAVE/INTRO");
    audio->playSound("", "hint", "", SoundMode::now);
    settled();
    EXPECT_EQ(audio->lastSound(), ":/WAVE/HINT");
    audio->stopSound();
    EXPECT_FALSE(audio->soundPlaying());
    audio->playSound("", "walk", "", SoundMode::ifIdle);
    settled();
    EXPECT_EQ(audio->lastSound(), ":/WAVE/WALK");
}

TEST_F(Sound, AThemesWavesAreDecodedOnceOffThisThreadAndKeptWithinBounds) {
    const std::string walk = folder.write("Waves", "walk.wav", test::toneWave(300));
    const std::string box = folder.write("Waves", "box.wav", test::toneWave(200));
    audio->playSound("Waves", "walk", "", SoundMode::now);
    EXPECT_TRUE(audio->soundWaiting()) << "the worker decodes it, not this thread";
    ASSERT_TRUE(settled());
    EXPECT_EQ(audio->lastSound(), walk);
    // The theme's other waves are prepared before they are asked for, and a sound
    // decoded once plays at once.
    EXPECT_TRUE(waitFor([&] { return audio->soundBank().holds(box); }));
    for (const char* name : {"box", "walk"}) {
        audio->playSound("Waves", name, "", SoundMode::now);
        EXPECT_FALSE(audio->soundWaiting()) << name;
        EXPECT_TRUE(audio->soundPlaying()) << name;
    }
    // A file changed on disk is read again; another theme lets this one's sounds go.
    folder.write("Waves", "walk.wav", test::toneWave(400));
    audio->playSound("Waves", "walk", "", SoundMode::now);
    EXPECT_TRUE(audio->soundWaiting());
    audio->playSound("", "walk", "", SoundMode::now);
    EXPECT_FALSE(audio->soundBank().holds(box));

    // Three five-minute sounds (50.5 MiB each as played): the bank keeps what fits,
    // the least recently played going first, and each still plays when asked for.
    for (const char* name : {"gem5", "gem3", "gem1"})
        folder.write("Long", std::string(name) + ".wav", test::toneWave(300'000, deviceRate));
    for (const char* name : {"gem5", "gem3", "gem1"}) {
        audio->playSound("Long", name, "", SoundMode::now);
        ASSERT_TRUE(settled()) << name;
        EXPECT_EQ(audio->lastSound(), folder.home() + "Long/" + name + ".wav");
        EXPECT_LE(audio->soundBank().keptBytes(), maxKeptSoundBytes) << name;
    }
    EXPECT_GT(audio->soundBank().keptBytes(), maxKeptSoundBytes / 2);
}

TEST_F(Sound, ModeTwoReturnsWhenTheSoundHasEndedAndNoLater) {
    const auto start = Clock::now();
    audio->playSound("", "hint", "", SoundMode::toEnd); // 1.3 seconds
    const auto waited = Clock::now() - start;
    EXPECT_FALSE(audio->soundPlaying());
    EXPECT_GE(waited, 1000ms);
    // Generous above: a busy machine may wake the waiting loop late, but never a
    // whole second late.
    EXPECT_LE(waited, 1300ms + 1000ms);

    // A theme's long sound holds the game up no longer than the limit; it plays on.
    folder.write("Long", "start.wav", test::toneWave(3000));
    audio->setMaxWait(200);
    const auto begun = Clock::now();
    audio->playSound("Long", "start", "", SoundMode::toEnd);
    EXPECT_LE(Clock::now() - begun, 1500ms); // far below the sound's 3 seconds
    ASSERT_TRUE(settled()); // a busy machine may still be decoding it when the wait ends
    EXPECT_TRUE(audio->soundPlaying());
    // One still being decoded when the wait runs out is not lost: it plays when ready.
    audio->stopSound();
    folder.write("Long", "hint.wav", test::toneWave(2000));
    audio->setMaxWait(0);
    audio->playSound("Long", "hint", "", SoundMode::toEnd);
    ASSERT_TRUE(settled());
    EXPECT_TRUE(audio->soundPlaying());
}

TEST_F(Sound, TheIntroIgnoresNoSoundButNotNoIntro) {
    audio->noSound = true;
    audio->playSound("", "walk", "", SoundMode::now);
    EXPECT_FALSE(audio->soundWaiting());
    audio->playIntro();
    settled();
    EXPECT_EQ(audio->lastSound(), ":/WAVE/INTRO");

    audio->stopSound();
    audio->noSound = false;
    audio->noIntro = true;
    audio->playSound("", "walk", "", SoundMode::now);
    settled();
    EXPECT_EQ(audio->lastSound(), ":/WAVE/WALK");
    audio->stopSound();
    audio->playIntro();
    EXPECT_FALSE(audio->soundPlaying());
}

TEST_F(Sound, SwitchesAreStoredPerPlayerAndMissingKeysKeepTheCurrentValue) {
    audio->noSound = true;
    audio->noMusic = false;
    audio->noIntro = true;
    audio->cues = true;
    audio->saveSoundSettings("Bob");

    IniFile file = IniFile::load(settingsPath());
    EXPECT_EQ(file.readString("Bob.SoundSettings", "NoSound", ""), "1");
    EXPECT_EQ(file.readString("Bob.SoundSettings", "NoMusic", ""), "0");
    EXPECT_EQ(file.readString("Bob.SoundSettings", "NoIntro", ""), "1");
    EXPECT_EQ(file.readString("Bob.SoundSettings", "Cues", ""), "1");

    audio->noSound = audio->noMusic = audio->noIntro = audio->cues = false;
    audio->loadSoundSettings("BOB"); // sections match without regard to case
    EXPECT_TRUE(audio->noSound);
    EXPECT_FALSE(audio->noMusic);
    EXPECT_TRUE(audio->noIntro);
    EXPECT_TRUE(audio->cues);

    // A player with NoMusic=1 and no other key: only music changes.
    file.writeBool("Ann.SoundSettings", "NoMusic", true);
    file.writeString("Bob.Settings", "Skill", "4");
    ASSERT_TRUE(file.save(settingsPath()));
    audio->noSound = audio->noMusic = audio->noIntro = audio->cues = false;
    audio->loadSoundSettings("Ann");
    EXPECT_FALSE(audio->noSound);
    EXPECT_TRUE(audio->noMusic);
    EXPECT_FALSE(audio->noIntro);

    // Saving keeps everything else in the file, and a player who never switched the
    // cues on gets no Cues key; one who switches them off again keeps Cues=0.
    audio->saveSoundSettings("Ann");
    EXPECT_EQ(IniFile::load(settingsPath()).readInteger("Bob.Settings", "Skill", 0), 4);
    EXPECT_TRUE(IniFile::load(settingsPath()).readBool("Ann.SoundSettings", "NoMusic", false));
    EXPECT_FALSE(IniFile::load(settingsPath()).hasKey("Ann.SoundSettings", "Cues"));
    audio->loadSoundSettings("Bob");
    audio->cues = false;
    audio->saveSoundSettings("Bob");
    EXPECT_EQ(IniFile::load(settingsPath()).readString("Bob.SoundSettings", "Cues", ""), "0");
}

TEST_F(Sound, TheBuiltInTuneIsWrittenOutAsRiffMidiAtStart) {
    std::string smf;
    ASSERT_TRUE(readResource("MUSIC", "MIDI", smf));
    const std::string written = test::fileBytes(folder.home() + "music.rmi");
    EXPECT_EQ(written.substr(0, 4), "RIFF");
    EXPECT_EQ(written.substr(8, 8), "RMIDdata");
    EXPECT_EQ(midiFromBytes(written), smf);

    // It is rewritten at every start, whatever was there; making the sound layer
    // writes nothing, starting it does. In a folder the machine's users share, every
    // user may write it.
    setProgramFolders(folder.home(), "quorvel3d", folder.home() + "config/", true);
    folder.write("", "music.rmi", "scribbled over");
    audio.reset();
    audio = std::make_unique<Audio>();
    EXPECT_EQ(test::fileBytes(folder.home() + "music.rmi"), "scribbled over");
    audio->start();
    EXPECT_EQ(test::fileBytes(folder.home() + "music.rmi"), written);
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(folder.home() + "music.rmi").permissions() & perms::all,
              perms(0666));
}

TEST_F(Sound, TheTuneIsWrittenOnlyWhenItDiffersAndARefusedWriteKeepsTheOldFile) {
    const std::string path = folder.home() + "music.rmi";
    audio->start();
    const ino_t first = test::fileIdentity(path);
    audio.reset();
    audio = std::make_unique<Audio>();
    audio->start();
    EXPECT_EQ(test::fileIdentity(path), first); // the same tune: not written again

    folder.write("", "music.rmi", "an older tune");
    audio.reset();
    {
        test::FileSizeLimit limit(1024); // the tune is about 3 KiB
        audio = std::make_unique<Audio>();
        audio->start();
    }
    EXPECT_EQ(test::fileBytes(path), "an older tune");
    EXPECT_EQ(IniFile::load(installRecordPath()).readString("Tendrik.LastError", "Description", ""),
              "Unable to create Resource " + path);
}

TEST_F(Sound, MusicComesFromTheThemeElseTheProgramFolderAndStaysOpenAcrossOffAndOn) {
    // No theme music: the program's own tune, asked for in any case.
    audio->playMusic("Back to basics <Default>", "Music");
    EXPECT_EQ(audio->musicFile(), folder.home() + "music.rmi");
    EXPECT_TRUE(audio->musicOpen());
    EXPECT_TRUE(audio->musicPlaying());
    EXPECT_TRUE(musicHeard());

    // Music off and on again keeps the same file open.
    audio->noMusic = true;
    audio->stopMusic();
    EXPECT_TRUE(audio->musicOpen());
    EXPECT_FALSE(audio->musicPlaying());
    EXPECT_FALSE(audio->musicSounding());
    audio->noMusic = false;
    audio->playMusic("Back to basics <Default>", "music");
    EXPECT_EQ(audio->musicFile(), folder.home() + "music.rmi");
    EXPECT_TRUE(audio->musicPlaying());

    // A theme's .mid comes before its .rmi, and both before the program's tune.
    folder.write("Cave", "MUSIC.RMI", wrapRmi(test::oneNoteMidi(4800)));
    audio->playMusic("Cave", "music");
    EXPECT_EQ(audio->musicFile(), folder.home() + "Cave/MUSIC.RMI");
    const std::string mid = folder.write("Cave", "music.mid", test::oneNoteMidi(4800));
    audio->playMusic("Cave", "music");
    EXPECT_EQ(audio->musicFile(), mid);
    EXPECT_TRUE(musicHeard());

    audio->closeMusic();
    EXPECT_FALSE(audio->musicOpen());
    EXPECT_FALSE(audio->musicSounding());
}

TEST_F(Sound, WithMusicOffTheTuneIsOpenedButNotStarted) {
    audio->noMusic = true;
    audio->playMusic("", "music");
    EXPECT_TRUE(audio->musicOpen());
    EXPECT_FALSE(audio->musicPlaying());
    EXPECT_FALSE(waitFor([this] { return audio->musicSounding(); }, 300ms));
}

TEST_F(Sound, MusicThatCannotPlaySwitchesMusicOff) {
    std::filesystem::remove(folder.home() + "music.rmi");
    audio->playMusic("", "music");
    EXPECT_FALSE(audio->musicOpen());
    EXPECT_TRUE(audio->noMusic);

    audio->noMusic = false;
    folder.write("Bad", "music.mid", "MThd but nothing a player can use");
    audio->playMusic("Bad", "music");
    EXPECT_TRUE(audio->noMusic);

    audio->noMusic = false;
    folder.write("Wave", "music.rmi", std::string("RIFF\x04\0\0\0WAVE", 12));
    audio->playMusic("Wave", "music");
    EXPECT_TRUE(audio->noMusic);
}

TEST_F(Sound, TheEndOfTheMusicIsHandedToTheUserInterfaceThreadWhichPlaysItAgain) {
    folder.write("Short", "music.mid", test::oneNoteMidi(1100)); // just over a second
    audio->playMusic("Short", "music");
    ASSERT_TRUE(audio->musicPlaying());
    ASSERT_TRUE(musicHeard());

    // Without the event loop nothing restarts it: the audio thread only posts a notice.
    const auto deadline = Clock::now() + 5s;
    while (audio->musicSounding() && Clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ASSERT_FALSE(audio->musicSounding()) << "the short tune should have ended";
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(audio->musicRestarts(), 0);

    QCoreApplication::processEvents();
    EXPECT_EQ(audio->musicRestarts(), 1);
    EXPECT_TRUE(audio->musicSounding());

    // A stopped tune is not restarted by its end notice.
    audio->stopMusic();
    QCoreApplication::processEvents();
    EXPECT_FALSE(audio->musicSounding());
    EXPECT_EQ(audio->musicRestarts(), 1);
}

TEST_F(Sound, TheDeviceClosesWhileNothingPlaysAndOpensAgainForTheNextSound) {
    audio->setIdleClose(50);
    audio->playSound("", "walk", "", SoundMode::now);
    ASSERT_TRUE(settled());
    EXPECT_TRUE(audio->deviceOpen());
    EXPECT_TRUE(waitFor([this] { return !audio->deviceOpen(); }, 5s)) << "idle, it closes";
    EXPECT_EQ(audio->lastSound(), ":/WAVE/WALK");

    audio->playSound("", "hint", "", SoundMode::now);
    ASSERT_TRUE(settled()); // decoded on the worker, then played
    EXPECT_TRUE(audio->deviceOpen());
    EXPECT_TRUE(audio->soundPlaying());
    EXPECT_EQ(audio->lastSound(), ":/WAVE/HINT");
    audio->stopSound();
    EXPECT_TRUE(waitFor([this] { return !audio->deviceOpen(); }, 5s));

    // Music stopped while its synthesiser loads: once it is loaded, the device closes.
    audio->playMusic("", "music");
    audio->stopMusic();
    EXPECT_TRUE(waitFor([this] { return audio->synthLoads() == 1 && !audio->deviceOpen(); }, 5s));

    // While music is meant to play the device stays open, between sounds as well.
    audio->playMusic("", "music");
    ASSERT_TRUE(musicHeard());
    audio->playSound("", "walk", "", SoundMode::toEnd);
    EXPECT_FALSE(waitFor([this] { return !audio->deviceOpen(); }, 300ms));
    audio->stopMusic();
    EXPECT_TRUE(waitFor([this] { return !audio->deviceOpen(); }, 5s));
    EXPECT_TRUE(audio->musicOpen()) << "a closed device keeps the music file open";
    audio->noMusic = false;
    audio->playMusic("", "music");
    EXPECT_TRUE(musicHeard());
}

TEST_F(Sound, TheSynthesiserIsLoadedOffThisThreadOnceForEveryGame) {
    audio->setIdleClose(1);
    audio->playMusic("", "music");
    // The first tune waits for the synthesiser, which a worker loads meanwhile.
    EXPECT_TRUE(audio->musicPlaying());
    EXPECT_FALSE(audio->musicSounding());
    EXPECT_EQ(audio->synthLoads(), 0);
    // A sound that ends meanwhile does not let the device close under the waiting tune.
    audio->playSound("", "walk", "", SoundMode::now);
    audio->stopSound();
    ASSERT_TRUE(musicHeard());
    EXPECT_TRUE(audio->deviceOpen());

    // Every later game (the game screen closes the music when it hides) plays at once.
    folder.write("Cave", "music.mid", test::oneNoteMidi(4800));
    for (const char* theme : {"Cave", "", "Cave"}) {
        audio->closeMusic();
        audio->playMusic(theme, "music");
        EXPECT_TRUE(audio->musicSounding()) << theme;
    }
    EXPECT_EQ(audio->synthLoads(), 1);
}

TEST_F(Sound, MusicWithoutASoundFontSwitchesMusicOffOnceTheSynthesiserFails) {
    audio.reset();
    ::setenv("SDL_SOUNDFONTS", (folder.home() + "none.sf2").c_str(), 1);
    audio = std::make_unique<Audio>();
    audio->setIdleClose(50);
    audio->playMusic("", "music");
    ::unsetenv("SDL_SOUNDFONTS");
    EXPECT_TRUE(audio->musicOpen());
    EXPECT_TRUE(waitFor([this] { return audio->noMusic; }));
    EXPECT_FALSE(audio->musicPlaying());
    EXPECT_FALSE(audio->musicSounding());
    EXPECT_TRUE(waitFor([this] { return !audio->deviceOpen(); }, 5s)) << "nothing plays: it idles";
}

TEST(SoundStartedLater, TheIntroWaitsForTheStartAndAStopBeforeItCancelsIt) {
    test::ensureCoreApp();
    SoundFolder folder;
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    // One device at a time (SDL's dummy driver has only one), so one Audio at a time.
    {
        Audio audio;
        audio.startLater();
        audio.playIntro();
        EXPECT_FALSE(audio.deviceOpen()) << "nothing opens before the start";
        EXPECT_EQ(audio.lastSound(), "");
        ASSERT_TRUE(audio.start());
        EXPECT_TRUE(waitFor([&] { return audio.lastSound() == ":/WAVE/INTRO"; }));
        EXPECT_TRUE(audio.soundPlaying());
    }
    {
        Audio stopped;
        stopped.startLater();
        stopped.playIntro();
        stopped.stopSound(); // the opening screen hid before the sound layer started
        ASSERT_TRUE(stopped.start());
        EXPECT_FALSE(stopped.soundPlaying());
        EXPECT_EQ(stopped.lastSound(), "");
    }
    {
        Audio switchedOff;
        switchedOff.startLater();
        switchedOff.playIntro();
        switchedOff.noIntro = true;
        ASSERT_TRUE(switchedOff.start());
        EXPECT_FALSE(switchedOff.soundPlaying());
    }
    {
        // Any other sound starts the layer at once.
        Audio early;
        early.startLater();
        early.playSound("", "walk", "", SoundMode::now);
        EXPECT_TRUE(waitFor([&] { return early.lastSound() == ":/WAVE/WALK"; }));
        EXPECT_TRUE(early.deviceOpen());
    }
}

TEST(SoundWithoutDevice, EverythingIsSilentAndMusicSwitchesOff) {
    test::ensureCoreApp();
    SoundFolder folder;
    ::setenv("SDL_AUDIODRIVER", "nosuchdevice", 1);
    Audio audio;
    const bool started = audio.start();
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_FALSE(started);
    ASSERT_FALSE(audio.hasDevice());

    const auto start = Clock::now();
    audio.playIntro();
    audio.playSound("", "hint", "", SoundMode::toEnd);
    audio.playSound("", "walk", "", SoundMode::ifIdle);
    audio.stopSound();
    EXPECT_LE(Clock::now() - start, 200ms);
    EXPECT_EQ(audio.lastSound(), "");
    EXPECT_FALSE(audio.soundPlaying());

    audio.playMusic("", "music");
    EXPECT_TRUE(audio.noMusic);
    audio.stopMusic();
    audio.closeMusic();
    // The tune is still written out for the next start.
    EXPECT_TRUE(std::filesystem::exists(folder.home() + "music.rmi"));
}

TEST(RiffMidi, WrapsAndUnwrapsBothForms) {
    const std::string smf = test::oneNoteMidi(480);
    const std::string rmi = wrapRmi(smf);
    EXPECT_EQ(rmi.size() % 2, 0u);
    EXPECT_EQ(rmi.substr(0, 4), "RIFF");
    EXPECT_EQ(rmi.substr(8, 8), "RMIDdata");
    EXPECT_EQ(midiFromBytes(rmi), smf);
    EXPECT_EQ(midiFromBytes(smf), smf);
    const std::string odd = smf + "x";
    EXPECT_EQ(midiFromBytes(wrapRmi(odd)), odd);

    // Other chunks before the data are skipped; a short data chunk gives what is there.
    std::string withList = std::string("RIFF\0\0\0\0RMIDLIST\x03\0\0\0abc\0", 24) + rmi.substr(12);
    withList[4] = static_cast<char>(withList.size() - 8);
    EXPECT_EQ(midiFromBytes(withList), smf);
    EXPECT_EQ(midiFromBytes(rmi.substr(0, 40)), smf.substr(0, 20));
    EXPECT_TRUE(validMidi(smf));
    EXPECT_FALSE(validMidi(smf.substr(0, 20))); // a track cut short

    std::string noTracks = smf.substr(0, 14);
    noTracks[11] = 0;
    EXPECT_FALSE(validMidi(noTracks));
    EXPECT_FALSE(validMidi("MThd but nothing a player can use"));

    // Anything else is no MIDI.
    for (const std::string& bad :
         {std::string(), std::string("RIFF"), std::string("RIFF\0\0\0\0WAVEdata", 16),
          std::string("RIFF\0\0\0\0RMIDdata\x04\0\0\0junk", 24),
          std::string("RIFF\0\0\0\0RMIDLIST\xFF\xFF\xFF\xFF", 20)})
        EXPECT_EQ(midiFromBytes(bad), "");
}

TEST(StepSounds, OverManyStepsAPickIsFollowedByNinePlainOnesAndNeverRepeats) {
    Random rng(20240);
    StepSoundPicker picker;
    int rest = 0, counts[3] = {0, 0, 0};
    for (int step = 0; step < 20000; ++step) {
        const quorvel::Sound before = picker.lastStepSound();
        const quorvel::Sound s = picker.pickStepSound(rng, 30, quorvel::Sound::walk);
        if (rest > 0) {
            ASSERT_EQ(s, quorvel::Sound::walk) << "step " << step << " is within the rest";
            --rest;
            continue;
        }
        if (picker.stepSoundRest() == 1) rest = 9; // a draw chose a sound: nine plain ones follow
        if (s == quorvel::Sound::walk) continue;
        ASSERT_NE(s, before) << "step " << step << " repeats the last random sound";
        ++counts[static_cast<int>(s) - static_cast<int>(quorvel::Sound::random1)];
    }
    for (int c : counts)
        EXPECT_GT(c, 100);
}

TEST(BuiltInSounds, EveryNameIsAShortCleanMonoWave) {
    initSoundResources();
    for (const char* name : {"BLOCKED", "BOX", "FOOD", "GEM", "HINT", "INTRO", "RUN", "TRAP", "USE",
                             "WALK", "WARNING"}) {
        std::string w;
        ASSERT_TRUE(readResource(name, "WAVE", w)) << name;
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
    // The step cues are apart from the effects: shorter than a tenth of a second, and
    // softer than the step sound.
    for (const char* name : {"SIDE", "AHEAD"}) {
        std::string w;
        ASSERT_TRUE(readResource(name, "CUE", w)) << name;
        ASSERT_GT(w.size(), 44u) << name;
        EXPECT_LT(static_cast<double>(w.size() - 44) / 2 / 22050, 0.1) << name;
        int peak = 0;
        for (std::size_t i = 44; i + 1 < w.size(); i += 2) {
            std::int16_t s;
            std::memcpy(&s, w.data() + i, 2);
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        EXPECT_GT(peak, 3000) << name;
        EXPECT_LT(peak, 8000) << name << " is soft (WALK peaks near 11600)";
    }
    std::string smf;
    ASSERT_TRUE(readResource("MUSIC", "MIDI", smf));
    EXPECT_EQ(smf.substr(0, 4), "MThd");
}

} // namespace
} // namespace quorvel
