#pragma once
// The music: one open MIDI file, played by FluidSynth into the mixer and looped.
// FluidSynth and its SoundFont are loaded at run time, on a worker when music first
// plays, and kept for the run; the tune starts again on the user-interface thread
// each time it ends.

#include <functional>
#include <future>
#include <memory>
#include <string>

class QObject;

namespace quorvel {

class Mixer;
class Synth;

/// What the music needs of the sound layer it plays in.
struct MusicHooks {
    std::function<bool()> start;      ///< starts the sound layer if need be; true with a device
    std::function<bool()> openDevice; ///< the device, opened again after an idle close
    std::function<void()> checkIdle;  ///< the music may have stopped: the device may idle
};

/// The music player, on the user-interface thread. Any failure to open or play the
/// music switches it off through the player's noMusic switch, which it shares.
class Music {
  public:
    /// Notices of the synthesiser's worker and the loop's timer go to notifier.
    Music(Mixer& mixer, QObject* notifier, bool& noMusic, MusicHooks hooks);
    /// Waits for a synthesiser still being loaded, then lets the tune and it go.
    ~Music();
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    /// Opens a music file (plain or RIFF MIDI) unless it is missing or already open.
    void open(const std::string& path);
    /// Unless noMusic, starts the open music once, or lets it go on undisturbed when it
    /// already plays; with nothing open, switches music off.
    void play();
    /// Stops the music; the file stays open for the next play().
    void stop();
    void close();
    /// The end of the tune: plays it again from the start when music is on, open and
    /// meant to be playing (a tune shorter than a second comes round once a second).
    void playAgain();
    /// The mixer has played the tune out: lets it go and plays it again.
    void tuneEnded();

    bool isOpen() const { return m_open; }
    /// True while the music is meant to be playing (and looping).
    bool playing() const { return m_playing; }
    /// True while the synthesiser is playing the music out.
    bool sounding() const;
    /// True when the music neither plays nor is about to: the device may close.
    bool quiet() const { return !sounding() && !m_playing && !m_waiting; }
    /// The music file open in the player, empty when none.
    const std::string& file() const { return m_file; }
    /// How many times playAgain has started the music again.
    int restarts() const { return m_restarts; }
    /// How many times the synthesiser (with its SoundFont) has been loaded: once a run.
    int synthLoads() const { return m_synthLoads; }

  private:
    bool startMusic();
    bool beginTune();
    void haltTune();
    void loadSynth();
    void synthLoaded();
    void switchOff();

    Mixer& m_mixer;
    QObject* m_notifier;
    bool& m_noMusic;
    MusicHooks m_hooks;
    std::unique_ptr<Synth> m_synth;
    std::future<std::unique_ptr<Synth>> m_synthLoad; ///< the worker loading the synthesiser
    bool m_synthFailed = false;
    bool m_open = false;
    bool m_playing = false;
    bool m_waiting = false; ///< the music waits for the synthesiser
    std::string m_file;
    std::string m_bytes; ///< the open music as a Standard MIDI File
    int m_restarts = 0;
    int m_synthLoads = 0;
    long long m_startedAt = 0; ///< milliseconds when the music last started
};

} // namespace quorvel
