#pragma once
// Audio: the sound service the windows use, over the mixer, the music and the sound files.
//
// Sound effects play on one channel, so a new one either waits its turn or cuts in
// (SoundMode); the step cues play on a channel of their own beside it; the music is played by
// FluidSynth with the installed General MIDI SoundFont, mixed into the same device, and looped by
// PlayerNotify on the user-interface thread. Without an audio device (a headless machine, a busy
// device) every call plays nothing and returns at once, and asking for music switches it off
// (noMusic), as any music device error does.
//
// Nothing is loaded before it is needed: SDL2 and the audio device when the sound
// layer starts (after the opening screen's first paint, or at the first sound),
// FluidSynth and the SoundFont when music first plays, on a worker thread, once for
// the whole run. The device is closed again while nothing plays, so an idle game
// wakes up nothing. Waves are decoded by the sound bank's worker, once per theme: a
// sound asked for before it is ready plays as soon as it is (SoundMode::toEnd waits
// for it), so no key press waits for a wave to be decoded.
//
// One Audio exists per program, made on the user-interface thread after the program
// folders are known and after the QApplication; starting it writes the built-in tune
// to the program folder as "music.rmi".

#include <memory>
#include <optional>
#include <string>

#include "sound/mixer.h"
#include "sound/music.h"
#include "sound/soundbank.h"
#include "sound/soundservice.h"

class QObject;
class QTimer;

namespace quorvel {

class Audio : public SoundService {
  public:
    Audio();
    ~Audio() override;
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    /// Starts the sound layer once: writes the built-in tune, loads SDL2 and opens the
    /// audio device. Later calls only tell the result: true when there is a device.
    /// Every sound starts the layer itself when it has not started yet.
    bool start();
    /// Until start() is called, the intro is only remembered (and plays when the layer
    /// starts, unless stopped or switched off before); other sounds start the layer.
    /// The program calls start() once the opening screen has been painted.
    void startLater() { m_startLater = true; }

    /// SoundMode::toEnd returns when the sound has ended (at most its length, and never
    /// more than the longest wait).
    void playSound(const std::string& theme, const std::string& name, const std::string& fallback,
                   SoundMode mode) override;
    /// The built-in intro, cutting in, unless noIntro; never from a theme, whatever noSound says.
    void playIntro() override;
    void stopSound() override;

    /// Opens the theme's music (see findMusic) and, unless noMusic, starts it once;
    /// PlayerNotify plays it again at its end. The same file already open goes on
    /// playing undisturbed. Any failure sets noMusic; when the synthesiser is still
    /// being loaded, the music begins as soon as it is ready (a failure to load it then
    /// sets noMusic).
    void playMusic(const std::string& theme, const std::string& name) override;
    /// Stops the music; the file stays open for the next playMusic.
    void stopMusic() override;
    void closeMusic() override;
    /// The side cue panned to the openings beside the player (left, right or both),
    /// then the cue for what lies ahead in the middle; unless cues are off. Cues are
    /// built in, never a theme's, and sound whatever noSound says.
    void playCue(const StepCue& cue) override;
    /// Opens a music file (plain or RIFF MIDI) unless it is missing or already open.
    void openMusic(const std::string& path) { m_music.open(path); }
    /// The end of the music, handed over from the audio thread: plays it again from
    /// the start when music is on, open and meant to be playing (a tune shorter than
    /// a second comes round once a second).
    void PlayerNotify() { m_music.playAgain(); }

    /// Reads and writes NoSound, NoMusic, NoIntro and Cues in the player's
    /// ".SoundSettings" section of the settings file; a missing key keeps the current value.
    void loadSoundSettings(const std::string& player) override;
    void saveSoundSettings(const std::string& player) override;

    /// True once start() found an audio device.
    bool hasDevice() const { return m_hasDevice; }
    /// True while the audio device is open (it closes while nothing plays).
    bool deviceOpen() const { return m_mixer.isOpen(); }
    /// True while a sound effect is playing.
    bool soundPlaying() const { return m_mixer.effectPlaying(); }
    /// True while a cue is playing.
    bool cuePlaying() const { return m_mixer.cuePlaying(); }
    /// True while a sound asked for waits for the worker to decode it; it then plays
    /// (unless it was to play only if idle and something else plays by then).
    bool soundWaiting() const { return m_pending.has_value(); }
    /// The sounds decoded and kept (for tests and benchmarks).
    const SoundBank& soundBank() const { return m_bank; }
    bool musicOpen() const { return m_music.isOpen(); }
    /// True while the music is meant to be playing (and looping).
    bool musicPlaying() const { return m_music.playing(); }
    /// True while the synthesiser is playing the music out.
    bool musicSounding() const { return m_music.sounding(); }
    /// The music file open in the player, empty when none.
    const std::string& musicFile() const { return m_music.file(); }
    /// What the last sound effect played: its file, or its resource (":/WAVE/WALK");
    /// empty when nothing has played yet.
    const std::string& lastSound() const { return m_lastSound; }
    /// How many times PlayerNotify has started the music again.
    int musicRestarts() const { return m_music.restarts(); }
    /// How many times the synthesiser (with its SoundFont) has been loaded: once a run.
    int synthLoads() const { return m_music.synthLoads(); }
    /// The longest SoundMode::toEnd waits, in milliseconds (10 seconds unless changed), so a
    /// theme's long sound cannot hold the game up; the sound itself plays on.
    void setMaxWait(int milliseconds) { m_maxWait = milliseconds; }
    /// How long the device stays open with nothing playing, in milliseconds (2 seconds
    /// unless changed).
    void setIdleClose(int milliseconds) { m_idleClose = milliseconds; }

  private:
    /// A sound asked for while the worker decodes it.
    struct PendingSound {
        std::string source;
        SoundMode mode = SoundMode::now;
        bool intro = false; ///< plays whatever noSound says
    };

    bool openDevice();
    void playSource(const std::string& source, SoundMode mode, bool intro);
    void playSamples(SharedSamples samples, const std::string& source, SoundMode mode,
                     long long maxWait);
    void soundDecoded(const std::string& source);
    void soundEnded();
    void checkIdle();
    bool quiet() const;
    bool loadCues();

    /// Lives on the user-interface thread and goes last: the audio thread's and the
    /// synthesiser worker's notices come to it, and any still queued go with it.
    std::unique_ptr<QObject> m_notifier;
    QTimer* m_idleTimer = nullptr; ///< owned by m_notifier
    Mixer m_mixer;
    Music m_music; ///< before the mixer goes, it takes its tune back
    SoundBank m_bank;
    std::optional<PendingSound> m_pending;
    bool m_started = false;
    bool m_startLater = false;
    bool m_introWanted = false;
    bool m_hasDevice = false;
    std::string m_lastSound;
    std::vector<std::int16_t> m_sideCue; ///< in the device's format once first needed
    std::vector<std::int16_t> m_aheadCue;
    int m_maxWait = 10000;
    int m_idleClose = 2000;
};

} // namespace quorvel
