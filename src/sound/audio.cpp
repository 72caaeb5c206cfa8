#include "sound/audio.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include <QObject>
#include <QTimer>

#include "files/access.h"
#include "files/filereader.h"
#include "files/inifile.h"
#include "files/programfolder.h"
#include "files/resourcefile.h"
#include "files/settingsfile.h"
#include "sound/soundfiles.h"
#include "sound/soundres.h"
#include "theme/theme.h"

namespace quorvel {

namespace {

/// What mode 2 allows beyond a sound's own length for the device's buffering.
constexpr long long waitMargin = 200;

/// The pause between the side cue and the cue for what lies ahead, so the ear tells
/// them apart, in frames.
constexpr std::size_t cueGapFrames = deviceRate * 30 / 1000;

long long nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

// ---- starting, the device and its idle close ------------------------------------------------

Audio::Audio()
    : m_notifier(std::make_unique<QObject>()), m_mixer(m_notifier.get(), [this] { soundEnded(); }),
      m_music(m_mixer, m_notifier.get(), noMusic,
              MusicHooks{[this] { return start(); }, [this] { return openDevice(); },
                         [this] { checkIdle(); }}),
      m_bank([this](const std::string& source) { soundDecoded(source); }) {
    m_idleTimer = new QTimer(m_notifier.get());
    m_idleTimer->setSingleShot(true);
    QObject::connect(m_idleTimer, &QTimer::timeout, m_notifier.get(), [this] {
        if (quiet()) m_mixer.close();
    });
}

// The audio thread ends first; then the music waits for its worker and lets the tune
// and the synthesiser go, the mixer lets SDL2's audio go, and the notifier goes last.
Audio::~Audio() {
    m_mixer.close();
}

bool Audio::start() {
    if (m_started) return m_hasDevice;
    m_started = true;
    writeBuiltinMusic();
    if (!m_mixer.start()) return false;
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
    return m_mixer.open();
}

bool Audio::quiet() const {
    return !soundPlaying() && !cuePlaying() && m_music.quiet();
}

// Nothing playing and nothing about to: the device closes after a while, so its thread
// stops waking the machine; the next sound opens it again.
void Audio::checkIdle() {
    if (!m_mixer.isOpen()) return;
    if (quiet())
        m_idleTimer->start(m_idleClose);
    else
        m_idleTimer->stop();
}

void Audio::soundEnded() {
    if (m_mixer.afterEnd()) m_music.tuneEnded();
    checkIdle();
}

// ---- sound effects -----------------------------------------------------------------------

// A sound the bank holds plays at once; one it does not is asked of its worker and
// plays when ready. SoundMode::toEnd waits for it first, within the longest wait; one
// still being decoded then (a busy machine) plays when ready, without holding the game.
void Audio::playSource(const std::string& source, SoundMode mode, bool intro) {
    m_pending.reset(); // a sound asked for before and still not ready comes too late now
    const SoundBank::Found found = m_bank.find(source);
    if (found.state == SoundBank::State::unplayable) return; // not a sound SDL can read
    if (found.samples) {
        playSamples(found.samples, source, mode, m_maxWait);
        return;
    }
    m_bank.request(source);
    if (mode == SoundMode::toEnd) {
        const long long begun = nowMs();
        if (SharedSamples samples = m_bank.waitFor(source, std::max(0, m_maxWait))) {
            playSamples(std::move(samples), source, mode, m_maxWait - (nowMs() - begun));
            return;
        }
        mode = SoundMode::now;
    }
    m_pending = PendingSound{source, mode, intro};
}

void Audio::playSamples(SharedSamples samples, const std::string& source, SoundMode mode,
                        long long maxWait) {
    if (!openDevice()) return;
    const std::size_t count = samples->size();
    m_mixer.playEffect(std::move(samples));
    m_lastSound = source;
    if (mode != SoundMode::toEnd) return;

    const long long length = static_cast<long long>(count / deviceChannels) * 1000 / deviceRate;
    const long long limit = std::min(length + waitMargin, std::max(0LL, maxWait));
    const long long begun = nowMs();
    while (soundPlaying() && nowMs() - begun < limit)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

// The worker has decoded a sound: the one waiting for it plays now, if it still may.
void Audio::soundDecoded(const std::string& source) {
    if (!m_pending || m_pending->source != source) return;
    const PendingSound pending = *std::exchange(m_pending, std::nullopt);
    const SoundBank::Found found = m_bank.find(source);
    if (!found.samples || (noSound && !pending.intro)) return;
    if (pending.mode == SoundMode::ifIdle && soundPlaying()) return;
    playSamples(found.samples, source, pending.mode, m_maxWait);
}

void Audio::playSound(const std::string& theme, const std::string& name,
                      const std::string& fallback, SoundMode mode) {
    if (noSound || !start()) return;
    if (mode == SoundMode::ifIdle && (soundPlaying() || m_pending)) return;
    m_bank.useTheme(themeFolder(theme));
    std::string bytes, source;
    for (const std::string* wanted : {&name, &fallback}) {
        if (const std::string path = findWave(theme, *wanted); !path.empty()) {
            // The theme's file wins even when it cannot be played.
            playSource(path, mode, false);
            return;
        }
    }
    if (builtinWave(name, bytes, source) || builtinWave(fallback, bytes, source))
        playSource(source, mode, false);
}

void Audio::playIntro() {
    if (noIntro) return;
    if (m_startLater && !m_started) {
        m_introWanted = true; // played when the sound layer starts
        return;
    }
    std::string bytes, source;
    if (start() && builtinWave("INTRO", bytes, source)) playSource(source, SoundMode::now, true);
}

void Audio::stopSound() {
    m_introWanted = false;
    m_pending.reset();
    if (!m_mixer.isOpen()) return;
    m_mixer.stopEffect();
    checkIdle();
}

// ---- cues -------------------------------------------------------------------------------

// The two built-in cues, read into the device's format the first time a cue plays.
bool Audio::loadCues() {
    initSoundResources();
    for (auto [name, samples] : {std::pair{"SIDE", &m_sideCue}, std::pair{"AHEAD", &m_aheadCue}}) {
        std::string bytes;
        if (!readResource(name, "CUE", bytes)) return false;
        std::optional<std::vector<std::int16_t>> read = deviceSamples(bytes);
        if (!read || read->empty()) return false;
        *samples = std::move(*read);
    }
    return true;
}

void Audio::playCue(const StepCue& cue) {
    if (!cues || !cue.any() || !start()) return;
    if ((m_sideCue.empty() || m_aheadCue.empty()) && !loadCues()) return;
    std::vector<std::int16_t> samples;
    if (cue.left || cue.right)
        appendPanned(samples, m_sideCue, cue.left ? 1.0 : 0.0, cue.right ? 1.0 : 0.0);
    if (cue.ahead) {
        if (!samples.empty()) samples.resize(samples.size() + cueGapFrames * deviceChannels, 0);
        appendPanned(samples, m_aheadCue, 1.0, 1.0);
    }
    if (!openDevice()) return;
    m_mixer.playCue(std::move(samples));
}

// ---- music -------------------------------------------------------------------------------

void Audio::playMusic(const std::string& theme, const std::string& name) {
    start(); // the built-in tune is written out when the sound layer starts
    if (const std::string path = findMusic(theme, name); !path.empty()) m_music.open(path);
    m_music.play();
}

void Audio::stopMusic() {
    m_music.stop();
}

void Audio::closeMusic() {
    m_music.close();
}

// ---- settings ----------------------------------------------------------------------------

void Audio::loadSoundSettings(const std::string& player) {
    const SoundSwitches stored = loadSoundSwitches(player, {noSound, noMusic, noIntro, cues});
    noSound = stored.noSound;
    noMusic = stored.noMusic;
    noIntro = stored.noIntro;
    cues = stored.cues;
}

void Audio::saveSoundSettings(const std::string& player) {
    saveSoundSwitches(player, {noSound, noMusic, noIntro, cues});
}

} // namespace quorvel
