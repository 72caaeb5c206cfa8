#pragma once
// SDL2's audio device and the mixer its thread runs: the tune with one effect over it,
// both in the device's format (wavefile.h reads waves into it).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

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

/// The audio device and what its thread mixes. Everything but the callback runs on the
/// user-interface thread; the callback touches only the effect and the tune, under the
/// lock, and hands the end of either back by a queued call.
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
    /// effect playing.
    void playEffect(std::vector<std::int16_t> samples);
    void stopEffect();
    bool effectPlaying() const;

    /// Hands the tune to the audio thread, which plays it from here on.
    void playTune(std::unique_ptr<TuneSource> tune);
    /// Takes the tune back from the audio thread (nothing when there is none), so it
    /// can be let go safely.
    std::unique_ptr<TuneSource> takeTune();
    /// True while the audio thread plays the tune out.
    bool tuneSounding() const;

    /// After the ended notice: frees a finished effect's samples; true when the tune has
    /// played out and is still held (takeTune lets it go).
    bool afterEnd();

  private:
    static void mix(void* data, std::uint8_t* stream, int bytes);

    QObject* m_notifier;
    std::function<void()> m_ended;
    bool m_subsystem = false; ///< SDL2's audio is started
    unsigned m_device = 0;    ///< SDL's audio device, 0 while closed

    mutable std::mutex m_lock; ///< guards the effect and the tune below
    std::vector<std::int16_t> m_effect;
    std::size_t m_effectAt = 0;
    bool m_effectOn = false;
    std::unique_ptr<TuneSource> m_tune;
    bool m_tuneOn = false;
};

} // namespace quorvel
