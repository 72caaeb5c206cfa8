#include "audio.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include <QMetaObject>
#include <QObject>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>

#include "access.h"
#include "filereader.h"
#include "inifile.h"
#include "programfolder.h"
#include "resource.h"
#include "rmi.h"
#include "safewrite.h"
#include "settingsfile.h"
#include "soundres.h"
#include "theme.h"

namespace quorvel {

namespace {

constexpr int effectChannel = 0;
/// Larger files are not sounds a theme means: they are left unplayed rather than
/// read whole into memory.
constexpr std::size_t maxWaveBytes = 32u << 20;
constexpr std::size_t maxMusicBytes = 8u << 20;
/// What mode 2 allows beyond a sound's own length for the mixer's buffering.
constexpr Uint64 waitMargin = 200;
/// The shortest time from one start of the music to the next, in milliseconds.
constexpr Uint64 minimumLoop = 1000;

/// The one Audio whose music end the audio thread reports.
std::atomic<Audio*> activeAudio{nullptr};

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

} // namespace

struct Audio::Mixer {
    Mix_Chunk* chunk = nullptr; ///< the sound effect on the channel (or last on it)
    Mix_Music* music = nullptr;
    std::string musicBytes; ///< the open music's bytes; the player reads from them
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
    if (const char* env = std::getenv("SDL_SOUNDFONTS"); env && *env) return env;
    for (const char* path :
         {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2",
          "/usr/share/soundfonts/FluidR3_GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
          "/usr/share/sounds/sf3/MuseScore_General.sf3"})
        if (isFile(path)) return path;
    return {};
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

Audio::Audio() : m_mixer(std::make_unique<Mixer>()), m_notifier(new QObject) {
    initSoundResources();
    writeBuiltinMusic();

    // Qt owns the signals; SDL must not take SIGINT and SIGTERM from it.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_MID);
    if (const std::string font = findSoundfont(); !font.empty()) Mix_SetSoundFonts(font.c_str());
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1);
    m_device = true;
    activeAudio.store(this);
    Mix_HookMusicFinished(&Audio::musicFinished);
}

Audio::~Audio() {
    if (m_device) {
        // After this returns the audio thread can no longer call musicFinished.
        Mix_HookMusicFinished(nullptr);
        activeAudio.store(nullptr);
        closeMusic();
        Mix_HaltChannel(effectChannel);
        if (m_mixer->chunk) Mix_FreeChunk(m_mixer->chunk);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    delete m_notifier; // drops any end-of-music notice still queued
}

void Audio::musicFinished() {
    // On the audio thread (or inside Mix_HaltMusic): only hand the notice over.
    if (Audio* audio = activeAudio.load())
        QMetaObject::invokeMethod(
            audio->m_notifier, [audio] { audio->PlayerNotify(); }, Qt::QueuedConnection);
}

bool Audio::soundPlaying() const {
    return m_device && Mix_Playing(effectChannel) != 0;
}

bool Audio::playWave(const std::string& bytes, const std::string& source, int mode) {
    if (!m_device || bytes.empty()) return false;
    if (mode == 0 && soundPlaying()) return false;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    if (!chunk) return false; // not a sound SDL can read: nothing plays
    Mix_HaltChannel(effectChannel);
    if (m_mixer->chunk) Mix_FreeChunk(m_mixer->chunk);
    m_mixer->chunk = chunk;
    if (Mix_PlayChannel(effectChannel, chunk, 0) < 0) return false;
    m_lastSound = source;
    if (mode != 2) return true;

    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    const Uint64 frameBytes = std::max<Uint64>(1, (SDL_AUDIO_BITSIZE(format) / 8) * channels);
    const Uint64 length = chunk->alen / frameBytes * 1000 / std::max(1, frequency);
    const Uint64 limit = std::min<Uint64>(length + waitMargin, std::max(0, m_maxWait));
    const Uint64 start = SDL_GetTicks64();
    while (Mix_Playing(effectChannel) && SDL_GetTicks64() - start < limit)
        SDL_Delay(2);
    return true;
}

void Audio::playSound(const std::string& theme, const std::string& name,
                      const std::string& fallback, int mode) {
    if (noSound || !m_device) return;
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
    if (noIntro || !m_device) return;
    std::string bytes, source;
    if (builtinWave("INTRO", bytes, source)) playWave(bytes, source, 1);
}

void Audio::stopSound() {
    if (m_device) Mix_HaltChannel(effectChannel);
}

void Audio::openMusic(const std::string& path) {
    if (!isFile(path)) return;
    if (m_musicOpen && path == m_musicFile) return;
    closeMusic();
    m_musicFile = path;
    if (!m_device) return;
    std::string bytes;
    if (!readWholeFile(path, bytes, maxMusicBytes)) return;
    m_mixer->musicBytes = midiFromBytes(bytes);
    if (!validMidi(m_mixer->musicBytes)) {
        m_mixer->musicBytes.clear();
        return;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(m_mixer->musicBytes.data(),
                                       static_cast<int>(m_mixer->musicBytes.size()));
    m_mixer->music = rw ? Mix_LoadMUSType_RW(rw, MUS_MID, 1) : nullptr;
    if (!m_mixer->music) {
        m_mixer->musicBytes.clear();
        return;
    }
    m_musicOpen = true;
}

void Audio::playMusic(const std::string& theme, const std::string& name) {
    if (const std::string path = findMusic(theme, name); !path.empty()) openMusic(path);
    if (noMusic) return;
    if (m_musicOpen && m_musicPlaying && Mix_PlayingMusic()) return; // goes on undisturbed
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
    if (Mix_PlayMusic(m_mixer->music, 0) != 0) {
        noMusic = true;
        m_musicPlaying = false;
        return false;
    }
    m_musicPlaying = true;
    m_musicStart = SDL_GetTicks64();
    return true;
}

void Audio::PlayerNotify() {
    if (noMusic || !m_musicOpen || !m_musicPlaying) return;
    if (Mix_PlayingMusic()) return; // an old notice: the music was started again since
    // A tune that ends at once (no notes at all) comes round at most once a loop gap,
    // so it cannot keep the user-interface thread busy restarting it.
    const Uint64 since = SDL_GetTicks64() - m_musicStart;
    if (since < minimumLoop) {
        QTimer::singleShot(static_cast<int>(minimumLoop - since), m_notifier,
                           [this] { PlayerNotify(); });
        return;
    }
    if (startMusic()) ++m_restarts;
}

void Audio::stopMusic() {
    if (!m_musicOpen) return;
    m_musicPlaying = false; // before the halt, whose end notice must not restart it
    Mix_HaltMusic();
}

void Audio::closeMusic() {
    if (!m_musicOpen) return;
    stopMusic();
    Mix_FreeMusic(m_mixer->music);
    m_mixer->music = nullptr;
    m_mixer->musicBytes.clear();
    m_musicFile.clear();
    m_musicOpen = false;
}

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

} // namespace quorvel
