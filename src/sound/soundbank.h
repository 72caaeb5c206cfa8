#pragma once
// The sounds of the theme in play, decoded once into the device's format and kept, so a
// key press only hands the mixer a sound it already has. Decoding (a four-minute wave
// takes half a second of processor time) happens on a worker thread below the
// user-interface thread: the sound asked for first, then every wave of the theme, so
// the theme's sounds are ready before they are first played.
//
// A sound is named by its source: a theme's wave file (its path) or a built-in wave
// (":/WAVE/WALK"). A theme's file that changes on disk is decoded again; one that
// cannot be played is remembered as such. The kept sounds take at most
// maxKeptSoundBytes; beyond that the least recently played go, and are decoded again
// when next asked for.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

class QObject;

namespace quorvel {

/// The most the kept sounds take in all: two five-minute sounds (50.5 MiB each in the
/// device's format) and the short ones. Besides them only the sound playing, when it
/// was let go meanwhile, and the one the worker decodes (it reads at most maxWaveRead
/// of its file) hold sound.
constexpr std::size_t maxKeptSoundBytes = 128u << 20;

/// A sound in the device's format (interleaved, deviceChannels a frame), shared by the
/// bank and the mixer playing it.
using SharedSamples = std::shared_ptr<const std::vector<std::int16_t>>;

class SoundBank {
  public:
    /// decoded runs on the user-interface thread each time the worker has finished with
    /// a source (decoded or found unplayable), after find() can tell.
    explicit SoundBank(std::function<void(const std::string& source)> decoded);
    /// Waits for the sound being decoded, if any, and ends the worker.
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    enum class State {
        ready,      ///< decoded: the samples are there
        unplayable, ///< neither reader could play it
        unknown,    ///< not decoded yet, or changed since
    };
    struct Found {
        State state = State::unknown;
        SharedSamples samples; ///< when ready
    };
    /// What the bank holds of a source; a theme's file changed on disk since counts as
    /// unknown. Counts as a play for which sounds go first.
    Found find(const std::string& source);
    /// Has the worker decode a source before anything else it was given, unless the bank
    /// holds it or the worker is at it already. Kept however full the bank is.
    void request(const std::string& source);
    /// Waits up to `ms` milliseconds for a requested source: its samples, or nothing when
    /// it is unplayable or not ready in time. Only for a sound the game waits for anyway.
    SharedSamples waitFor(const std::string& source, int ms);
    /// The theme whose sounds are kept (its folder; empty for the built-in theme). A new
    /// one lets the last theme's sounds go and has the worker prepare the new one's waves,
    /// smallest first, as far as they fit in the bank; the built-in waves are kept for the
    /// whole run.
    void useTheme(const std::string& folder);
    /// What the kept sounds take, in bytes.
    std::size_t keptBytes() const { return m_keptBytes; }
    /// True when the bank holds a source (decoded or found unplayable).
    bool holds(const std::string& source) const { return m_kept.contains(source); }

  private:
    /// A theme file's size and time, to know it again; zero for a built-in sound.
    struct Stamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time{};
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        SharedSamples samples; ///< empty when unplayable
        Stamp stamp;
        std::uint64_t lastUse = 0;
    };
    struct Result {
        std::string source;
        Stamp stamp;
        SharedSamples samples;
    };

    static Stamp stampOf(const std::string& source);
    static Result decode(const std::string& source);
    void work();
    void queue(const std::string& source, bool first);
    void collect();
    void keep(Result result, bool wanted);
    /// Drops the theme's waves still waiting to be prepared (not those asked for).
    void dropPreparing();

    std::function<void(const std::string&)> m_decoded;
    std::unique_ptr<QObject> m_context; ///< the worker's notices go to it on this thread
    std::map<std::string, Entry> m_kept;
    std::size_t m_keptBytes = 0;
    std::uint64_t m_uses = 0;
    std::set<std::string> m_wanted; ///< requested to be played: kept whatever the room
    std::string m_theme;
    bool m_builtinsQueued = false;

    // Shared with the worker, under m_lock.
    std::mutex m_lock;
    std::condition_variable m_wake; ///< a job came, or the worker is to end
    std::condition_variable m_done; ///< the worker finished a source
    std::deque<std::string> m_jobs;
    std::string m_busy; ///< the source being decoded
    std::vector<Result> m_results;
    bool m_stop = false;
    std::thread m_worker; ///< started with the first job
};

} // namespace quorvel
