#include "sound/mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QMetaObject>
#include <QObject>

#include <SDL.h>

#include "platform/sdllibrary.h"

namespace quorvel {

void appendPanned(std::vector<std::int16_t>& cue, const std::vector<std::int16_t>& sound,
                  double left, double right) {
    static_assert(deviceChannels == 2, "a cue is panned between two sides");
    cue.reserve(cue.size() + sound.size());
    for (std::size_t i = 0; i < sound.size(); ++i)
        cue.push_back(static_cast<std::int16_t>(std::lround(sound[i] * (i % 2 ? right : left))));
}

// ---- the device ---------------------------------------------------------------------------

Mixer::Mixer(QObject* notifier, std::function<void()> ended)
    : m_notifier(notifier), m_ended(std::move(ended)) {}

Mixer::~Mixer() {
    close();
    if (m_subsystem) sdlLibrary()->quitSubSystem(SDL_INIT_AUDIO);
}

bool Mixer::start() {
    const SdlLibrary* api = sdlLibrary();
    if (!api) return false;
    // Qt owns the signals; SDL must not take SIGINT and SIGTERM from it.
    api->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (api->initSubSystem(SDL_INIT_AUDIO) != 0) return false;
    m_subsystem = true;
    if (!open()) {
        api->quitSubSystem(SDL_INIT_AUDIO);
        m_subsystem = false;
        return false;
    }
    return true;
}

bool Mixer::open() {
    if (m_device) return true;
    if (!m_subsystem) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = deviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = deviceChannels;
    wanted.samples = deviceFrames;
    wanted.callback = &Mixer::mix;
    wanted.userdata = this;
    m_device = sdlLibrary()->openAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (!m_device) return false;
    sdlLibrary()->pauseAudioDevice(m_device, 0);
    return true;
}

void Mixer::close() {
    if (!m_device) return;
    sdlLibrary()->closeAudioDevice(m_device); // waits for the audio thread to end
    m_device = 0;
    const std::lock_guard<std::mutex> held(m_lock);
    m_effectOn = false;
    m_effect.reset();
    m_cueOn = false;
    m_cue = {};
}

// ---- what the audio thread plays ----------------------------------------------------------

bool Mixer::addChannel(std::int16_t* out, std::size_t samples,
                       const std::vector<std::int16_t>& sound, std::size_t& at, bool& on) {
    if (!on) return false;
    const std::size_t n = std::min(samples, sound.size() - at);
    const std::int16_t* in = sound.data() + at;
    for (std::size_t i = 0; i < n; ++i)
        out[i] = static_cast<std::int16_t>(std::clamp(out[i] + in[i], -32768, 32767));
    at += n;
    if (at < sound.size()) return false;
    on = false;
    return true;
}

// SDL's callback, on the audio thread: the tune first, then the effect and the cue over
// it, clipped. When any of them ends, the user-interface thread is told.
void Mixer::mix(void* data, std::uint8_t* stream, int bytes) {
    auto& m = *static_cast<Mixer*>(data);
    std::memset(stream, 0, static_cast<std::size_t>(bytes));
    auto* out = reinterpret_cast<std::int16_t*>(stream);
    const std::size_t samples = static_cast<std::size_t>(bytes) / sizeof(std::int16_t);
    bool ended = false;
    {
        const std::lock_guard<std::mutex> held(m.m_lock);
        if (m.m_tuneOn && !m.m_tune->render(out, static_cast<int>(samples / deviceChannels))) {
            m.m_tuneOn = false;
            ended = true;
        }
        if (m.m_effect && addChannel(out, samples, *m.m_effect, m.m_effectAt, m.m_effectOn))
            ended = true;
        if (addChannel(out, samples, m.m_cue, m.m_cueAt, m.m_cueOn)) ended = true;
    }
    if (ended)
        QMetaObject::invokeMethod(
            m.m_notifier, [&m] { m.m_ended(); }, Qt::QueuedConnection);
}

void Mixer::playEffect(SharedSamples samples) {
    const std::lock_guard<std::mutex> held(m_lock);
    m_effect.swap(samples); // the effect cut off goes with the argument, after the lock
    m_effectAt = 0;
    m_effectOn = m_effect && !m_effect->empty();
}

void Mixer::stopEffect() {
    const std::lock_guard<std::mutex> held(m_lock);
    m_effectOn = false;
}

bool Mixer::effectPlaying() const {
    const std::lock_guard<std::mutex> held(m_lock);
    return m_effectOn;
}

void Mixer::playCue(std::vector<std::int16_t> samples) {
    const std::lock_guard<std::mutex> held(m_lock);
    m_cue = std::move(samples);
    m_cueAt = 0;
    m_cueOn = !m_cue.empty();
}

bool Mixer::cuePlaying() const {
    const std::lock_guard<std::mutex> held(m_lock);
    return m_cueOn;
}

void Mixer::playTune(std::unique_ptr<TuneSource> tune) {
    const std::lock_guard<std::mutex> held(m_lock);
    m_tune.swap(tune); // a tune still held goes with the argument, after the lock
    m_tuneOn = m_tune != nullptr;
}

std::unique_ptr<TuneSource> Mixer::takeTune() {
    const std::lock_guard<std::mutex> held(m_lock);
    m_tuneOn = false;
    return std::move(m_tune);
}

bool Mixer::tuneSounding() const {
    const std::lock_guard<std::mutex> held(m_lock);
    return m_tuneOn;
}

bool Mixer::afterEnd() {
    const std::lock_guard<std::mutex> held(m_lock);
    if (!m_effectOn) m_effect.reset(); // a finished sound goes, unless the bank keeps it
    if (!m_cueOn) m_cue = {};
    return m_tune && !m_tuneOn;
}

} // namespace quorvel
