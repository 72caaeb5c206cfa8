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
#include "inifile.h"
#include "progfolder.h"
#include "resource.h"
#include "rmi.h"
#include "safewrite.h"
#include "settingsfile.h"
#include "soundres.h"
#include "theme.h"

namespace quorvel {

namespace {

constexpr int effectchannel = 0;
/// Larger files are not sounds a theme means: they are left unplayed rather than
/// read whole into memory.
constexpr std::size_t maxwavebytes = 32u << 20;
constexpr std::size_t maxmusicbytes = 8u << 20;
/// What mode 2 allows beyond a sound's own length for the mixer's buffering.
constexpr Uint64 waitmargin = 200;
/// The shortest time from one start of the music to the next, in milliseconds.
constexpr Uint64 minimumloop = 1000;

/// The one Audio whose music end the audio thread reports.
std::atomic<Audio*> activeaudio{nullptr};

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool isfile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

/// A built-in wave by name, without regard to case.
bool builtinwave(const std::string& name, std::string& bytes, std::string& source) {
    if (name.empty() || name.find('/') != std::string::npos) return false;
    const std::string key = upper(name);
    if (!readresource(key, "WAVE", bytes)) return false;
    source = resourcepath(key, "WAVE");
    return true;
}

/// The first of the theme's and then the program folder's name.mid / name.rmi.
std::string findin(const std::string& folder, const std::string& name) {
    if (folder.empty()) return {};
    for (const char* ext : {".mid", ".rmi"}) {
        const std::string file = name + ext;
        if (!isfilesafename(file)) return {};
        if (std::string path = themefile(folder, file); !path.empty()) return path;
    }
    return {};
}

} // namespace

struct Audio::Mixer {
    Mix_Chunk* chunk = nullptr; ///< the sound effect on the channel (or last on it)
    Mix_Music* music = nullptr;
    std::string musicbytes; ///< the open music's bytes; the player reads from them
};

std::string wavepath(const std::string& theme, const std::string& name) {
    return progfolder() + theme + "/" + name + ".wav";
}

std::string musicpath(const std::string& theme, const std::string& name, bool rmi) {
    const std::string file = name + (rmi ? ".rmi" : ".mid");
    return theme.empty() ? progfolder() + file : progfolder() + theme + "/" + file;
}

std::string findwave(const std::string& theme, const std::string& name) {
    const std::string folder = themefolder(theme);
    const std::string file = name + ".wav";
    if (folder.empty() || name.empty() || !isfilesafename(file)) return {};
    return themefile(folder, file);
}

std::string findmusic(const std::string& theme, const std::string& name) {
    if (name.empty()) return {};
    if (std::string path = findin(themefolder(theme), name); !path.empty()) return path;
    return findin(progfolder(), name);
}

std::string findsoundfont() {
    if (const char* env = std::getenv("SDL_SOUNDFONTS"); env && *env) return env;
    for (const char* path :
         {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2",
          "/usr/share/soundfonts/FluidR3_GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
          "/usr/share/sounds/sf3/MuseScore_General.sf3"})
        if (isfile(path)) return path;
    return {};
}

std::string writebuiltinmusic() {
    initsoundresources();
    std::string smf;
    if (!readresource("MUSIC", "MIDI", smf)) return {};
    const std::string path = progfolder() + "music.rmi";
    if (!writefilesafely(path, wraprmi(smf))) {
        writeinstallrecord(false, "Unable to create Resource " + path);
        return {};
    }
    openaccess(path);
    return path;
}

Audio::Audio() : m_mixer(std::make_unique<Mixer>()), m_notifier(new QObject) {
    initsoundresources();
    writebuiltinmusic();

    // Qt owns the signals; SDL must not take SIGINT and SIGTERM from it.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_MID);
    if (const std::string font = findsoundfont(); !font.empty()) Mix_SetSoundFonts(font.c_str());
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1);
    m_device = true;
    activeaudio.store(this);
    Mix_HookMusicFinished(&Audio::musicfinished);
}

Audio::~Audio() {
    if (m_device) {
        // After this returns the audio thread can no longer call musicfinished.
        Mix_HookMusicFinished(nullptr);
        activeaudio.store(nullptr);
        closemusic();
        Mix_HaltChannel(effectchannel);
        if (m_mixer->chunk) Mix_FreeChunk(m_mixer->chunk);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    delete m_notifier; // drops any end-of-music notice still queued
}

void Audio::musicfinished() {
    // On the audio thread (or inside Mix_HaltMusic): only hand the notice over.
    if (Audio* audio = activeaudio.load())
        QMetaObject::invokeMethod(
            audio->m_notifier, [audio] { audio->PlayerNotify(); }, Qt::QueuedConnection);
}

bool Audio::soundplaying() const {
    return m_device && Mix_Playing(effectchannel) != 0;
}

bool Audio::playwave(const std::string& bytes, const std::string& source, int mode) {
    if (!m_device || bytes.empty()) return false;
    if (mode == 0 && soundplaying()) return false;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    if (!chunk) return false; // not a sound SDL can read: nothing plays
    Mix_HaltChannel(effectchannel);
    if (m_mixer->chunk) Mix_FreeChunk(m_mixer->chunk);
    m_mixer->chunk = chunk;
    if (Mix_PlayChannel(effectchannel, chunk, 0) < 0) return false;
    m_lastsound = source;
    if (mode != 2) return true;

    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    const Uint64 framebytes = std::max<Uint64>(1, (SDL_AUDIO_BITSIZE(format) / 8) * channels);
    const Uint64 length = chunk->alen / framebytes * 1000 / std::max(1, frequency);
    const Uint64 limit = std::min<Uint64>(length + waitmargin, std::max(0, m_maxwait));
    const Uint64 start = SDL_GetTicks64();
    while (Mix_Playing(effectchannel) && SDL_GetTicks64() - start < limit)
        SDL_Delay(2);
    return true;
}

void Audio::playsoundfx(const std::string& theme, const std::string& name,
                        const std::string& fallback, int mode) {
    if (nosound || !m_device) return;
    if (mode == 0 && soundplaying()) return;
    std::string bytes, source;
    for (const std::string* wanted : {&name, &fallback}) {
        if (const std::string path = findwave(theme, *wanted); !path.empty()) {
            // The theme's file wins even when it cannot be played.
            if (readwholefile(path, bytes, maxwavebytes)) playwave(bytes, path, mode);
            return;
        }
    }
    if (builtinwave(name, bytes, source) || builtinwave(fallback, bytes, source))
        playwave(bytes, source, mode);
}

void Audio::playintro() {
    if (nointro || !m_device) return;
    std::string bytes, source;
    if (builtinwave("INTRO", bytes, source)) playwave(bytes, source, 1);
}

void Audio::stopsound() {
    if (m_device) Mix_HaltChannel(effectchannel);
}

void Audio::openmusic(const std::string& path) {
    if (!isfile(path)) return;
    if (m_musicopen && path == m_musicfile) return;
    closemusic();
    m_musicfile = path;
    if (!m_device) return;
    std::string bytes;
    if (!readwholefile(path, bytes, maxmusicbytes)) return;
    m_mixer->musicbytes = midifrombytes(bytes);
    if (!validmidi(m_mixer->musicbytes)) {
        m_mixer->musicbytes.clear();
        return;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(m_mixer->musicbytes.data(),
                                       static_cast<int>(m_mixer->musicbytes.size()));
    m_mixer->music = rw ? Mix_LoadMUSType_RW(rw, MUS_MID, 1) : nullptr;
    if (!m_mixer->music) {
        m_mixer->musicbytes.clear();
        return;
    }
    m_musicopen = true;
}

void Audio::playmusic(const std::string& theme, const std::string& name) {
    if (const std::string path = findmusic(theme, name); !path.empty()) openmusic(path);
    if (nomusic) return;
    if (m_musicopen && m_musicplaying && Mix_PlayingMusic()) return; // goes on undisturbed
    // Playing on a player that has nothing open, or that refuses, is the device
    // error that switches music off.
    if (!m_musicopen) {
        nomusic = true;
        m_musicplaying = false;
        return;
    }
    startmusic();
}

bool Audio::startmusic() {
    if (Mix_PlayMusic(m_mixer->music, 0) != 0) {
        nomusic = true;
        m_musicplaying = false;
        return false;
    }
    m_musicplaying = true;
    m_musicstart = SDL_GetTicks64();
    return true;
}

void Audio::PlayerNotify() {
    if (nomusic || !m_musicopen || !m_musicplaying) return;
    if (Mix_PlayingMusic()) return; // an old notice: the music was started again since
    // A tune that ends at once (no notes at all) comes round at most once a loop gap,
    // so it cannot keep the user-interface thread busy restarting it.
    const Uint64 since = SDL_GetTicks64() - m_musicstart;
    if (since < minimumloop) {
        QTimer::singleShot(static_cast<int>(minimumloop - since), m_notifier,
                           [this] { PlayerNotify(); });
        return;
    }
    if (startmusic()) ++m_restarts;
}

void Audio::stopmusic() {
    if (!m_musicopen) return;
    m_musicplaying = false; // before the halt, whose end notice must not restart it
    Mix_HaltMusic();
}

void Audio::closemusic() {
    if (!m_musicopen) return;
    stopmusic();
    Mix_FreeMusic(m_mixer->music);
    m_mixer->music = nullptr;
    m_mixer->musicbytes.clear();
    m_musicfile.clear();
    m_musicopen = false;
}

void Audio::loadsoundsettings(const std::string& player) {
    const IniFile file = IniFile::load(settingspath());
    const std::string section = playersection(player, ".SoundSettings");
    nosound = file.readbool(section, "NoSound", nosound);
    nomusic = file.readbool(section, "NoMusic", nomusic);
    nointro = file.readbool(section, "NoIntro", nointro);
}

void Audio::savesoundsettings(const std::string& player) {
    const std::string path = settingspath();
    const std::string section = playersection(player, ".SoundSettings");
    IniFile file = IniFile::load(path);
    file.writebool(section, "NoSound", nosound);
    file.writebool(section, "NoMusic", nomusic);
    file.writebool(section, "NoIntro", nointro);
    if (file.save(path)) openaccess(path);
}

} // namespace quorvel
