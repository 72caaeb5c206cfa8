#include "sound/music.h"

#include <chrono>
#include <optional>
#include <vector>

#include <QMetaObject>
#include <QObject>
#include <QTimer>

#include <fluidsynth.h>

#include "files/filereader.h"
#include "platform/library.h"
#include "platform/threadpriority.h"
#include "sound/mixer.h"
#include "sound/rmi.h"
#include "sound/soundfiles.h"

namespace quorvel {

namespace {

/// The synthesiser's loudness: FluidSynth's default is 0.2; music at full volume
/// has always played at 1.2.
constexpr float musicGain = 1.2f;
/// Larger files are not music a theme means: they are left unplayed rather than read
/// whole into memory.
constexpr std::size_t maxMusicBytes = 8u << 20;
/// The shortest time from one start of the music to the next, in milliseconds.
constexpr long long minimumLoop = 1000;

long long nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

/// The functions of FluidSynth, the General MIDI synthesiser, loaded (with the
/// libraries it brings) when music first plays.
struct FluidApi {
    decltype(&new_fluid_settings) newSettings = nullptr;
    decltype(&delete_fluid_settings) deleteSettings = nullptr;
    decltype(&fluid_settings_setnum) setNum = nullptr;
    decltype(&new_fluid_synth) newSynth = nullptr;
    decltype(&delete_fluid_synth) deleteSynth = nullptr;
    decltype(&fluid_synth_sfload) loadSoundfont = nullptr;
    decltype(&fluid_synth_set_gain) setGain = nullptr;
    decltype(&fluid_synth_system_reset) systemReset = nullptr;
    decltype(&fluid_synth_write_s16) write = nullptr;
    decltype(&new_fluid_player) newPlayer = nullptr;
    decltype(&delete_fluid_player) deletePlayer = nullptr;
    decltype(&fluid_player_add_mem) addMemory = nullptr;
    decltype(&fluid_player_set_loop) setLoop = nullptr;
    decltype(&fluid_player_play) play = nullptr;
    decltype(&fluid_player_get_status) status = nullptr;
};

const FluidApi* fluid() {
    static const std::optional<FluidApi> api = []() -> std::optional<FluidApi> {
        void* library = openLibrary("libfluidsynth.so.3");
        if (!library) return std::nullopt;
        FluidApi a;
        const bool bound = bindFunction(library, a.newSettings, "new_fluid_settings") &&
                           bindFunction(library, a.deleteSettings, "delete_fluid_settings") &&
                           bindFunction(library, a.setNum, "fluid_settings_setnum") &&
                           bindFunction(library, a.newSynth, "new_fluid_synth") &&
                           bindFunction(library, a.deleteSynth, "delete_fluid_synth") &&
                           bindFunction(library, a.loadSoundfont, "fluid_synth_sfload") &&
                           bindFunction(library, a.setGain, "fluid_synth_set_gain") &&
                           bindFunction(library, a.systemReset, "fluid_synth_system_reset") &&
                           bindFunction(library, a.write, "fluid_synth_write_s16") &&
                           bindFunction(library, a.newPlayer, "new_fluid_player") &&
                           bindFunction(library, a.deletePlayer, "delete_fluid_player") &&
                           bindFunction(library, a.addMemory, "fluid_player_add_mem") &&
                           bindFunction(library, a.setLoop, "fluid_player_set_loop") &&
                           bindFunction(library, a.play, "fluid_player_play") &&
                           bindFunction(library, a.status, "fluid_player_get_status");
        if (!bound) return std::nullopt;
        return a;
    }();
    return api ? &*api : nullptr;
}

/// One playing of the open music: a player of its own on the kept synthesiser, which
/// the audio thread renders while the mixer holds it.
class Tune : public TuneSource {
  public:
    Tune(const FluidApi& api, fluid_synth_t* synth, fluid_player_t* player)
        : m_api(api), m_synth(synth), m_player(player) {}
    ~Tune() override { m_api.deletePlayer(m_player); }
    Tune(const Tune&) = delete;
    Tune& operator=(const Tune&) = delete;

    bool render(std::int16_t* out, int frames) override {
        m_api.write(m_synth, frames, out, 0, 2, out, 1, 2);
        return m_api.status(m_player) == FLUID_PLAYER_PLAYING;
    }

  private:
    const FluidApi& m_api;
    fluid_synth_t* m_synth;
    fluid_player_t* m_player;
};

} // namespace

/// The synthesiser with its SoundFont, loaded once and kept across games.
class Synth {
  public:
    explicit Synth(const FluidApi& api) : m_api(api) {}
    ~Synth() {
        if (m_synth) m_api.deleteSynth(m_synth);
        if (m_settings) m_api.deleteSettings(m_settings);
    }
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    /// Loads the synthesiser and the SoundFonts; nothing when the library, or every
    /// SoundFont, is missing. Runs on a worker thread.
    static std::unique_ptr<Synth> load(const std::vector<std::string>& soundfonts) {
        const FluidApi* api = fluid();
        if (!api || soundfonts.empty()) return nullptr;
        auto s = std::make_unique<Synth>(*api);
        s->m_settings = api->newSettings();
        if (!s->m_settings) return nullptr;
        api->setNum(s->m_settings, "synth.sample-rate", deviceRate);
        s->m_synth = api->newSynth(s->m_settings);
        if (!s->m_synth) return nullptr;
        int loaded = 0;
        for (const std::string& font : soundfonts)
            if (fileExists(font) && api->loadSoundfont(s->m_synth, font.c_str(), 1) != FLUID_FAILED)
                ++loaded;
        if (loaded == 0) return nullptr;
        api->setGain(s->m_synth, musicGain);
        return s;
    }

    /// A new player of the Standard MIDI File smf, started once on the synthesiser reset
    /// to its default state, as a fresh one would be; nothing when it refuses. The tune
    /// the mixer played before must be gone (the synthesiser is not rendering).
    std::unique_ptr<TuneSource> play(const std::string& smf) {
        fluid_player_t* player = m_api.newPlayer(m_synth);
        if (!player) return nullptr;
        auto tune = std::make_unique<Tune>(m_api, m_synth, player);
        if (m_api.addMemory(player, smf.data(), smf.size()) != FLUID_OK) return nullptr;
        m_api.systemReset(m_synth);
        m_api.setLoop(player, 1);
        if (m_api.play(player) != FLUID_OK) return nullptr;
        return tune;
    }

  private:
    const FluidApi& m_api;
    fluid_settings_t* m_settings = nullptr;
    fluid_synth_t* m_synth = nullptr;
};

Music::Music(Mixer& mixer, QObject* notifier, bool& noMusic, MusicHooks hooks)
    : m_mixer(mixer), m_notifier(notifier), m_noMusic(noMusic), m_hooks(std::move(hooks)) {}

Music::~Music() {
    if (m_synthLoad.valid()) m_synthLoad.wait(); // it reports to m_notifier when done
    haltTune();
    m_synth.reset();
}

bool Music::sounding() const {
    return m_mixer.tuneSounding();
}

void Music::open(const std::string& path) {
    if (!fileExists(path)) return;
    if (m_open && path == m_file) return;
    close();
    m_file = path;
    if (!m_hooks.start()) return;
    std::string bytes;
    if (!readWholeFile(path, bytes, maxMusicBytes)) return;
    std::string smf = midiFromBytes(bytes);
    if (!validMidi(smf)) return;
    m_bytes = std::move(smf);
    m_open = true;
}

void Music::play() {
    if (m_noMusic) return;
    if (m_open && m_playing && (sounding() || m_waiting)) return; // goes on undisturbed
    // Playing on a player that has nothing open, or that refuses, is the device
    // error that switches music off.
    if (!m_open) {
        m_noMusic = true;
        m_playing = false;
        return;
    }
    startMusic();
}

void Music::switchOff() {
    m_noMusic = true;
    m_playing = false;
    m_hooks.checkIdle();
}

bool Music::startMusic() {
    m_startedAt = nowMs();
    m_playing = true;
    if (m_synthFailed || !m_hooks.openDevice()) {
        switchOff();
        return false;
    }
    if (m_synth) return beginTune();
    m_waiting = true; // begins when the synthesiser is ready
    loadSynth();
    return true;
}

void Music::loadSynth() {
    if (m_synthLoad.valid()) return; // already on its way
    m_synthLoad =
        std::async(std::launch::async, [this, notifier = m_notifier, fonts = soundfontList()] {
            // The game's first view and the window system come first on a busy machine.
            lowerThreadPriority();
            std::unique_ptr<Synth> synth = Synth::load(fonts);
            QMetaObject::invokeMethod(
                notifier, [this] { synthLoaded(); }, Qt::QueuedConnection);
            return synth;
        });
}

void Music::synthLoaded() {
    if (!m_synthLoad.valid()) return;
    std::unique_ptr<Synth> synth = m_synthLoad.get();
    m_waiting = false;
    if (!synth) {
        m_synthFailed = true; // no synthesiser or no SoundFont: music cannot play
        if (m_playing) {
            m_noMusic = true;
            m_playing = false;
        }
        m_hooks.checkIdle();
        return;
    }
    ++m_synthLoads;
    m_synth = std::move(synth);
    if (m_playing && m_open && !m_noMusic) beginTune();
    m_hooks.checkIdle();
}

// A new player for the open music on the kept synthesiser, which starts each tune from
// its default state as a fresh one would.
bool Music::beginTune() {
    haltTune();
    std::unique_ptr<TuneSource> tune = m_synth->play(m_bytes);
    if (!tune) {
        switchOff();
        return false;
    }
    m_mixer.playTune(std::move(tune));
    return true;
}

void Music::haltTune() {
    // Taken from the audio thread, which no longer renders it: it is gone safely.
    m_mixer.takeTune();
}

void Music::playAgain() {
    if (m_noMusic || !m_open || !m_playing) return;
    if (sounding() || m_waiting) return; // an old notice: it was started again since
    // A tune that ends at once (no notes at all) comes round at most once a loop gap,
    // so it cannot keep the user-interface thread busy restarting it.
    const long long since = nowMs() - m_startedAt;
    if (since < minimumLoop) {
        QTimer::singleShot(static_cast<int>(minimumLoop - since), m_notifier,
                           [this] { playAgain(); });
        return;
    }
    if (startMusic()) ++m_restarts;
}

void Music::tuneEnded() {
    haltTune();
    playAgain();
}

void Music::stop() {
    if (!m_open) return;
    m_playing = false;
    haltTune();
    m_hooks.checkIdle();
}

void Music::close() {
    if (!m_open) return;
    stop();
    m_bytes.clear();
    m_file.clear();
    m_open = false;
}

} // namespace quorvel
