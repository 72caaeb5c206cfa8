#include "sound/audio.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <QMetaObject>
#include <QObject>
#include <QTimer>

#include <SDL.h>
#include <fluidsynth.h>

#include "files/access.h"
#include "files/filereader.h"
#include "files/inifile.h"
#include "files/programfolder.h"
#include "files/resourcefile.h"
#include "files/safewrite.h"
#include "files/settingsfile.h"
#include "platform/library.h"
#include "platform/sdllibrary.h"
#include "platform/threadpriority.h"
#include "sound/rmi.h"
#include "sound/soundres.h"
#include "theme/theme.h"

namespace quorvel {

namespace {

/// What the device plays: 16-bit stereo at 44.1 kHz, 1024 frames a buffer (SDL turns
/// it into whatever the sound card wants).
constexpr int deviceRate = 44100;
constexpr int deviceChannels = 2;
constexpr int deviceFrames = 1024;
/// The synthesiser's loudness: FluidSynth's default is 0.2; music at full volume
/// has always played at 1.2.
constexpr float musicGain = 1.2f;
/// Larger files are not sounds a theme means: they are left unplayed rather than
/// read whole into memory.
constexpr std::size_t maxWaveBytes = 32u << 20;
constexpr std::size_t maxMusicBytes = 8u << 20;
/// What mode 2 allows beyond a sound's own length for the device's buffering.
constexpr long long waitMargin = 200;
/// The shortest time from one start of the music to the next, in milliseconds.
constexpr long long minimumLoop = 1000;

long long nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool isFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

/// A built-in wave by name, without regard to case.
bool builtinWave(const std::string& name, std::string& bytes, std::string& source) {
    if (name.empty() || name.find('/') != std::string::npos) return false;
    initSoundResources();
    const std::string key = upper(name);
    if (!readResource(key, "WAVE", bytes)) return false;
    source = resourcePath(key, "WAVE");
    return true;
}

/// The first of the theme's and then the program folder's name.mid / name.rmi.
std::string findIn(const std::string& folder, const std::string& name) {
    if (folder.empty()) return {};
    for (const char* ext : {".mid", ".rmi"}) {
        const std::string file = name + ext;
        if (!isFileSafeName(file)) return {};
        if (std::string path = themeFile(folder, file); !path.empty()) return path;
    }
    return {};
}

/// The SoundFonts to load: the entries of $SDL_SOUNDFONTS, else the first installed
/// of the usual places.
std::vector<std::string> soundfontList() {
    std::vector<std::string> fonts;
    if (const char* env = std::getenv("SDL_SOUNDFONTS"); env && *env) {
        std::string_view list(env);
        while (!list.empty()) {
            const std::size_t end = std::min(list.find(';'), list.size());
            if (end > 0) fonts.emplace_back(list.substr(0, end));
            list.remove_prefix(std::min(end + 1, list.size()));
        }
        return fonts;
    }
    for (const char* path :
         {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2",
          "/usr/share/soundfonts/FluidR3_GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
          "/usr/share/sounds/sf3/MuseScore_General.sf3"})
        if (isFile(path)) return {path};
    return fonts;
}

// ---- the libraries, loaded when first needed -------------------------------------------

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

/// Reads a wave file with SDL2's own reader, as the sound layer plays it, under a
/// handling of a file cut short (SDL_HINT_WAVE_TRUNCATION); true when it reads.
bool readsAsWave(const SdlLibrary& api, const std::string& bytes, const char* truncation) {
    api.setHint(SDL_HINT_WAVE_TRUNCATION, truncation);
    SDL_RWops* rw = api.rwFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_AudioSpec spec{};
    Uint8* wave = nullptr;
    Uint32 length = 0;
    const bool read = rw && api.loadWav(rw, 1, &spec, &wave, &length);
    if (read) api.freeWav(wave);
    api.setHint(SDL_HINT_WAVE_TRUNCATION, nullptr); // back to SDL's own handling
    return read;
}

/// A wave file's sound in the device's format, or nothing when SDL cannot read it.
std::optional<std::vector<std::int16_t>> deviceSamples(const SdlLibrary& api,
                                                       const std::string& bytes) {
    SDL_RWops* rw = api.rwFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_AudioSpec spec{};
    Uint8* wave = nullptr;
    Uint32 length = 0;
    if (!rw || !api.loadWav(rw, 1, &spec, &wave, &length)) return std::nullopt;
    SDL_AudioCVT cvt{};
    if (api.buildAudioCvt(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, deviceChannels,
                          deviceRate) < 0) {
        api.freeWav(wave);
        return std::nullopt;
    }
    // SDL converts in place in a buffer len_mult times the wave; only the converted
    // sound is kept.
    std::vector<Uint8> work(static_cast<std::size_t>(length) *
                            static_cast<std::size_t>(std::max(1, cvt.len_mult)));
    std::memcpy(work.data(), wave, length);
    api.freeWav(wave);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(length);
    if (cvt.needed && api.convertAudio(&cvt) != 0) return std::nullopt;
    const std::size_t converted = cvt.needed ? static_cast<std::size_t>(cvt.len_cvt) : length;
    std::vector<std::int16_t> samples(converted / sizeof(std::int16_t));
    std::memcpy(samples.data(), work.data(), samples.size() * sizeof(std::int16_t));
    return samples;
}

} // namespace

// ---- the mixer, shared with the audio thread ---------------------------------------------

/// The synthesiser with its SoundFont, loaded once and kept across games.
struct Audio::Synth {
    const FluidApi* api = nullptr;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    ~Synth() {
        if (synth) api->deleteSynth(synth);
        if (settings) api->deleteSettings(settings);
    }

    /// Loads the synthesiser and the SoundFonts; nothing when the library, or every
    /// SoundFont, is missing. Runs on a worker thread.
    static std::unique_ptr<Synth> load(const std::vector<std::string>& soundfonts) {
        const FluidApi* api = fluid();
        if (!api || soundfonts.empty()) return nullptr;
        auto s = std::make_unique<Synth>();
        s->api = api;
        s->settings = api->newSettings();
        if (!s->settings) return nullptr;
        api->setNum(s->settings, "synth.sample-rate", deviceRate);
        s->synth = api->newSynth(s->settings);
        if (!s->synth) return nullptr;
        int loaded = 0;
        for (const std::string& font : soundfonts)
            if (isFile(font) && api->loadSoundfont(s->synth, font.c_str(), 1) != FLUID_FAILED)
                ++loaded;
        if (loaded == 0) return nullptr;
        api->setGain(s->synth, musicGain);
        return s;
    }
};

/// What the audio thread plays: the sound effect's samples and the tune's player.
/// Every field is guarded by `lock`.
struct Audio::Mixer {
    std::mutex lock;
    std::vector<std::int16_t> effect;
    std::size_t effectAt = 0;
    bool effectOn = false;
    const FluidApi* api = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* tune = nullptr;
    bool tuneOn = false;
    Audio* owner = nullptr;

    /// SDL's callback, on the audio thread: the tune first, then the effect over it,
    /// clipped. When either ends, the user-interface thread is told.
    static void mix(void* data, Uint8* stream, int bytes) {
        auto& m = *static_cast<Mixer*>(data);
        std::memset(stream, 0, static_cast<std::size_t>(bytes));
        auto* out = reinterpret_cast<std::int16_t*>(stream);
        const std::size_t samples = static_cast<std::size_t>(bytes) / sizeof(std::int16_t);
        bool ended = false;
        {
            const std::lock_guard<std::mutex> held(m.lock);
            if (m.tuneOn) {
                m.api->write(m.synth, static_cast<int>(samples / deviceChannels), out, 0, 2, out, 1,
                             2);
                if (m.api->status(m.tune) != FLUID_PLAYER_PLAYING) {
                    m.tuneOn = false;
                    ended = true;
                }
            }
            if (m.effectOn) {
                const std::size_t n = std::min(samples, m.effect.size() - m.effectAt);
                const std::int16_t* in = m.effect.data() + m.effectAt;
                for (std::size_t i = 0; i < n; ++i)
                    out[i] = static_cast<std::int16_t>(std::clamp(out[i] + in[i], -32768, 32767));
                m.effectAt += n;
                if (m.effectAt >= m.effect.size()) {
                    m.effectOn = false;
                    ended = true;
                }
            }
        }
        if (ended) {
            Audio* owner = m.owner;
            QMetaObject::invokeMethod(
                owner->m_notifier, [owner] { owner->soundEnded(); }, Qt::QueuedConnection);
        }
    }
};

std::string wavePath(const std::string& theme, const std::string& name) {
    return programFolder() + theme + "/" + name + ".wav";
}

std::string musicPath(const std::string& theme, const std::string& name, bool rmi) {
    const std::string file = name + (rmi ? ".rmi" : ".mid");
    return theme.empty() ? programFolder() + file : programFolder() + theme + "/" + file;
}

std::string findWave(const std::string& theme, const std::string& name) {
    const std::string folder = themeFolder(theme);
    const std::string file = name + ".wav";
    if (folder.empty() || name.empty() || !isFileSafeName(file)) return {};
    return themeFile(folder, file);
}

std::string findMusic(const std::string& theme, const std::string& name) {
    if (name.empty()) return {};
    if (std::string path = findIn(themeFolder(theme), name); !path.empty()) return path;
    return findIn(programFolder(), name);
}

std::string findSoundfont() {
    const std::vector<std::string> fonts = soundfontList();
    return fonts.empty() ? std::string() : fonts.front();
}

std::string writeBuiltinMusic() {
    initSoundResources();
    std::string smf;
    if (!readResource("MUSIC", "MIDI", smf)) return {};
    const std::string path = programFolder() + "music.rmi";
    if (!writeFileSafely(path, wrapRmi(smf))) {
        writeInstallRecord(false, "Unable to create Resource " + path);
        return {};
    }
    openAccess(path);
    return path;
}

// ---- starting, the device and its idle close ------------------------------------------------

Audio::Audio() : m_mixer(std::make_unique<Mixer>()), m_notifier(new QObject) {
    m_mixer->owner = this;
    m_idleTimer = new QTimer(m_notifier);
    m_idleTimer->setSingleShot(true);
    QObject::connect(m_idleTimer, &QTimer::timeout, m_notifier, [this] {
        if (!soundPlaying() && !musicSounding() && !m_musicPlaying && !m_tuneWaiting) closeDevice();
    });
}

Audio::~Audio() {
    if (m_synthLoad.valid()) m_synthLoad.wait(); // it reports to m_notifier when done
    closeDevice();                               // the audio thread ends here
    haltTune();
    m_synth.reset();
    if (m_subsystem) sdlLibrary()->quitSubSystem(SDL_INIT_AUDIO);
    delete m_notifier; // drops any notice still queued
}

bool Audio::start() {
    if (m_started) return m_hasDevice;
    m_started = true;
    writeBuiltinMusic();
    const SdlLibrary* api = sdlLibrary();
    if (!api) return false;
    // Qt owns the signals; SDL must not take SIGINT and SIGTERM from it.
    api->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (api->initSubSystem(SDL_INIT_AUDIO) != 0) return false;
    m_subsystem = true;
    if (!openDevice()) {
        api->quitSubSystem(SDL_INIT_AUDIO);
        m_subsystem = false;
        return false;
    }
    m_hasDevice = true;
    if (m_introWanted) {
        m_introWanted = false;
        playIntro();
    }
    checkIdle();
    return true;
}

bool Audio::openDevice() {
    m_idleTimer->stop();
    if (m_device) return true;
    if (!m_subsystem) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = deviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = deviceChannels;
    wanted.samples = deviceFrames;
    wanted.callback = &Mixer::mix;
    wanted.userdata = m_mixer.get();
    m_device = sdlLibrary()->openAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (!m_device) return false;
    sdlLibrary()->pauseAudioDevice(m_device, 0);
    return true;
}

void Audio::closeDevice() {
    if (!m_device) return;
    sdlLibrary()->closeAudioDevice(m_device); // waits for the audio thread to end
    m_device = 0;
    const std::lock_guard<std::mutex> held(m_mixer->lock);
    m_mixer->effectOn = false;
    m_mixer->effect = {};
}

// Nothing playing and nothing about to: the device closes after a while, so its thread
// stops waking the machine; the next sound opens it again.
void Audio::checkIdle() {
    if (!m_device) return;
    if (!soundPlaying() && !musicSounding() && !m_musicPlaying && !m_tuneWaiting)
        m_idleTimer->start(m_idleClose);
    else
        m_idleTimer->stop();
}

void Audio::soundEnded() {
    bool tuneEnded = false;
    {
        const std::lock_guard<std::mutex> held(m_mixer->lock);
        if (!m_mixer->effectOn) m_mixer->effect = {}; // a finished sound's memory goes
        tuneEnded = m_mixer->tune && !m_mixer->tuneOn;
    }
    if (tuneEnded) {
        haltTune();
        PlayerNotify();
    }
    checkIdle();
}

// ---- sound effects -----------------------------------------------------------------------

bool Audio::soundPlaying() const {
    const std::lock_guard<std::mutex> held(m_mixer->lock);
    return m_mixer->effectOn;
}

bool Audio::playWave(const std::string& bytes, const std::string& source, int mode) {
    if (bytes.empty() || !start()) return false;
    if (mode == 0 && soundPlaying()) return false;
    std::optional<std::vector<std::int16_t>> samples = deviceSamples(*sdlLibrary(), bytes);
    if (!samples) return false; // not a sound SDL can read: nothing plays
    if (!openDevice()) return false;
    const std::size_t count = samples->size();
    {
        const std::lock_guard<std::mutex> held(m_mixer->lock);
        m_mixer->effect = std::move(*samples);
        m_mixer->effectAt = 0;
        m_mixer->effectOn = !m_mixer->effect.empty();
    }
    m_lastSound = source;
    if (mode != 2) return true;

    const long long length = static_cast<long long>(count / deviceChannels) * 1000 / deviceRate;
    const long long limit =
        std::min(length + waitMargin, static_cast<long long>(std::max(0, m_maxWait)));
    const long long begun = nowMs();
    while (soundPlaying() && nowMs() - begun < limit)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return true;
}

void Audio::playSound(const std::string& theme, const std::string& name,
                      const std::string& fallback, int mode) {
    if (noSound || !start()) return;
    if (mode == 0 && soundPlaying()) return;
    std::string bytes, source;
    for (const std::string* wanted : {&name, &fallback}) {
        if (const std::string path = findWave(theme, *wanted); !path.empty()) {
            // The theme's file wins even when it cannot be played.
            if (readWholeFile(path, bytes, maxWaveBytes)) playWave(bytes, path, mode);
            return;
        }
    }
    if (builtinWave(name, bytes, source) || builtinWave(fallback, bytes, source))
        playWave(bytes, source, mode);
}

void Audio::playIntro() {
    if (noIntro) return;
    if (m_startLater && !m_started) {
        m_introWanted = true; // played when the sound layer starts
        return;
    }
    std::string bytes, source;
    if (start() && builtinWave("INTRO", bytes, source)) playWave(bytes, source, 1);
}

void Audio::stopSound() {
    m_introWanted = false;
    if (!m_device) return;
    {
        const std::lock_guard<std::mutex> held(m_mixer->lock);
        m_mixer->effectOn = false;
    }
    checkIdle();
}

// ---- music -------------------------------------------------------------------------------

bool Audio::musicSounding() const {
    const std::lock_guard<std::mutex> held(m_mixer->lock);
    return m_mixer->tuneOn;
}

void Audio::openMusic(const std::string& path) {
    if (!isFile(path)) return;
    if (m_musicOpen && path == m_musicFile) return;
    closeMusic();
    m_musicFile = path;
    if (!start()) return;
    std::string bytes;
    if (!readWholeFile(path, bytes, maxMusicBytes)) return;
    std::string smf = midiFromBytes(bytes);
    if (!validMidi(smf)) return;
    m_musicBytes = std::move(smf);
    m_musicOpen = true;
}

void Audio::playMusic(const std::string& theme, const std::string& name) {
    start(); // the built-in tune is written out when the sound layer starts
    if (const std::string path = findMusic(theme, name); !path.empty()) openMusic(path);
    if (noMusic) return;
    if (m_musicOpen && m_musicPlaying && (musicSounding() || m_tuneWaiting))
        return; // goes on undisturbed
    // Playing on a player that has nothing open, or that refuses, is the device
    // error that switches music off.
    if (!m_musicOpen) {
        noMusic = true;
        m_musicPlaying = false;
        return;
    }
    startMusic();
}

bool Audio::startMusic() {
    m_musicStart = static_cast<unsigned long long>(nowMs());
    m_musicPlaying = true;
    if (m_synthFailed || !openDevice()) {
        noMusic = true;
        m_musicPlaying = false;
        checkIdle();
        return false;
    }
    if (m_synth) return beginTune();
    m_tuneWaiting = true; // begins when the synthesiser is ready
    loadSynth();
    return true;
}

void Audio::loadSynth() {
    if (m_synthLoad.valid()) return; // already on its way
    QObject* notifier = m_notifier;
    m_synthLoad = std::async(std::launch::async, [this, notifier, fonts = soundfontList()] {
        // The game's first view and the window system come first on a busy machine.
        lowerThreadPriority();
        std::unique_ptr<Synth> synth = Synth::load(fonts);
        QMetaObject::invokeMethod(
            notifier, [this] { synthLoaded(); }, Qt::QueuedConnection);
        return synth;
    });
}

void Audio::synthLoaded() {
    if (!m_synthLoad.valid()) return;
    std::unique_ptr<Synth> synth = m_synthLoad.get();
    m_tuneWaiting = false;
    if (!synth) {
        m_synthFailed = true; // no synthesiser or no SoundFont: music cannot play
        if (m_musicPlaying) {
            noMusic = true;
            m_musicPlaying = false;
        }
        checkIdle();
        return;
    }
    ++m_synthLoads;
    m_synth = std::move(synth);
    {
        const std::lock_guard<std::mutex> held(m_mixer->lock);
        m_mixer->api = m_synth->api;
        m_mixer->synth = m_synth->synth;
    }
    if (m_musicPlaying && m_musicOpen && !noMusic) beginTune();
    checkIdle();
}

// A new player for the open music on the kept synthesiser, which starts each tune from
// its default state as a fresh one would.
bool Audio::beginTune() {
    haltTune();
    const FluidApi& api = *m_synth->api;
    fluid_player_t* player = api.newPlayer(m_synth->synth);
    if (player && api.addMemory(player, m_musicBytes.data(), m_musicBytes.size()) == FLUID_OK) {
        api.systemReset(m_synth->synth);
        api.setLoop(player, 1);
        if (api.play(player) == FLUID_OK) {
            const std::lock_guard<std::mutex> held(m_mixer->lock);
            m_mixer->tune = player;
            m_mixer->tuneOn = true;
            return true;
        }
    }
    if (player) api.deletePlayer(player);
    noMusic = true;
    m_musicPlaying = false;
    checkIdle();
    return false;
}

void Audio::haltTune() {
    fluid_player_t* player = nullptr;
    {
        const std::lock_guard<std::mutex> held(m_mixer->lock);
        player = m_mixer->tune;
        m_mixer->tune = nullptr;
        m_mixer->tuneOn = false;
    }
    // The audio thread no longer renders it: it is gone safely.
    if (player) m_synth->api->deletePlayer(player);
}

void Audio::PlayerNotify() {
    if (noMusic || !m_musicOpen || !m_musicPlaying) return;
    if (musicSounding() || m_tuneWaiting) return; // an old notice: it was started again since
    // A tune that ends at once (no notes at all) comes round at most once a loop gap,
    // so it cannot keep the user-interface thread busy restarting it.
    const long long since = nowMs() - static_cast<long long>(m_musicStart);
    if (since < minimumLoop) {
        QTimer::singleShot(static_cast<int>(minimumLoop - since), m_notifier,
                           [this] { PlayerNotify(); });
        return;
    }
    if (startMusic()) ++m_restarts;
}

void Audio::stopMusic() {
    if (!m_musicOpen) return;
    m_musicPlaying = false;
    haltTune();
    checkIdle();
}

void Audio::closeMusic() {
    if (!m_musicOpen) return;
    stopMusic();
    m_musicBytes.clear();
    m_musicFile.clear();
    m_musicOpen = false;
}

// ---- settings ----------------------------------------------------------------------------

void Audio::loadSoundSettings(const std::string& player) {
    const IniFile file = IniFile::load(settingsPath());
    const std::string section = playerSection(player, ".SoundSettings");
    noSound = file.readBool(section, "NoSound", noSound);
    noMusic = file.readBool(section, "NoMusic", noMusic);
    noIntro = file.readBool(section, "NoIntro", noIntro);
}

void Audio::saveSoundSettings(const std::string& player) {
    const std::string path = settingsPath();
    const std::string section = playerSection(player, ".SoundSettings");
    IniFile file = IniFile::load(path);
    file.writeBool(section, "NoSound", noSound);
    file.writeBool(section, "NoMusic", noMusic);
    file.writeBool(section, "NoIntro", noIntro);
    if (file.save(path)) openAccess(path);
}

WaveCheck checkWave(const std::string& bytes) {
    const SdlLibrary* api = sdlLibrary();
    if (!api) return WaveCheck::unknown;
    if (readsAsWave(*api, bytes, "strict")) return WaveCheck::whole;
    if (readsAsWave(*api, bytes, "dropblock")) return WaveCheck::cutShort;
    return WaveCheck::unreadable;
}

} // namespace quorvel
