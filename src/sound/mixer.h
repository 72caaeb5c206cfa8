#pragma once
// SDL2's audio device and the mixer its thread runs: the tune with one effect and one
// cue over it, all in the device's format (wavefile.h reads waves into it).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "sound/soundbank.h"
#include "sound/wavefile.h"

class QObject;

namespace quorvel {

/// A tune the mixer plays under its effects. Rendered on the audio thread only, while
/// the mixer holds it.
class TuneSource {
  public:
    virtual ~TuneSource() = default;
    /// Writes the next frames, interleaved stereo, into out; false once the tune has ended.
    virtual bool render(std::int16_t* out, int frames) = 0;
};

/// Appends sound (interleaved stereo) to a cue with each side scaled by its gain: 1
/// keeps that side, 0 silences it. This is how a cue is panned.
void appendPanned(std::vector<std::int16_t>& cue, const std::vector<std::int16_t>& sound,
                  double left, double right);

/// The audio device and what its thread mixes. Everything but the callback runs on the
/// user-interface thread; the callback touches only the effect, the cue and the tune,
/// under the lock, and hands the end of any of them back by a queued call.
class Mixer {
  public:
    /// ended runs on notifier's (the user-interface) thread after the effect or the
    /// tune has played out.
    Mixer(QObject* notifier, std::function<void()> ended);
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    /// Loads SDL2, starts its audio and opens the device; false when there is no device
    /// (SDL2's audio is then let go again).
    bool start();
    /// Opens the device again after close(); false when it cannot, or start() found none.
    bool open();
    /// Closes the device, so its thread stops waking the machine (the thread has ended
    /// when this returns), and drops the effect.
    void close();
    bool isOpen() const { return m_device != 0; }

    /// Plays samples (as deviceSamples gives them) from their start, cutting off the
    /// effect playing. The samples are shared, never copied: the sound bank keeps them.
    void playEffect(SharedSamples samples);
    void stopEffect();
    bool effectPlaying() const;

    /// Plays a cue on its own channel, from its start, cutting off the cue playing but
    /// never the effect; the effect's channel never waits for a cue.
    void playCue(std::vector<std::int16_t> samples);
    bool cuePlaying() const;

    /// Hands the tune to the audio thread, which plays it from here on.
    void playTune(std::unique_ptr<TuneSource> tune);
    /// Takes the tune back from the audio thread (nothing when there is none), so it
    /// can be let go safely.
    std::unique_ptr<TuneSource> takeTune();
    /// True while the audio thread plays the tune out.
    bool tuneSounding() const;

    /// After the ended notice: lets a finished effect's samples go and frees a finished
    /// cue's; true when the tune has played out and is still held (takeTune lets it go).
    bool afterEnd();

  private:
    static void mix(void* data, std::uint8_t* stream, int bytes);
    /// Adds a channel's next samples into out, clipped; true when it has just ended.
    static bool addChannel(std::int16_t* out, std::size_t samples,
                           const std::vector<std::int16_t>& sound, std::size_t& at, bool& on);

    QObject* m_notifier;
    std::function<void()> m_ended;
    bool m_subsystem = false; ///< SDL2's audio is started
    unsigned m_device = 0;    ///< SDL's audio device, 0 while closed

    mutable std::mutex m_lock; ///< guards the effect, the cue and the tune below
    SharedSamples m_effect;    ///< never let go on the audio thread
    std::size_t m_effectAt = 0;
    bool m_effectOn = false;
    std::vector<std::int16_t> m_cue;
    std::size_t m_cueAt = 0;
    bool m_cueOn = false;
    std::unique_ptr<TuneSource> m_tune;
    bool m_tuneOn = false;
};

} // namespace quorvel
