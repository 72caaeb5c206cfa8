#include "sound/soundbank.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>

#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QObject>

#include "platform/threadpriority.h"
#include "sound/soundres.h"
#include "sound/wavefile.h"
#include "text/textutil.h"

namespace quorvel {

namespace fs = std::filesystem;

namespace {

bool isBuiltin(const std::string& source) {
    return source.starts_with(":/");
}

// The bytes of a source as the game reads them: a built-in wave whole, a theme's wave
// file as far as it is played (readWaveStart).
std::optional<std::string> readSource(const std::string& source) {
    if (isBuiltin(source)) {
        QFile file(QString::fromStdString(source));
        if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
        const QByteArray data = file.readAll();
        return std::string(data.constData(), static_cast<std::size_t>(data.size()));
    }
    WaveFileStart wave;
    if (readWaveStart(source, wave) != FileRead::ok) return std::nullopt;
    return std::move(wave.bytes);
}

// The wave files of a theme folder, smallest first: the step and box sounds before a
// long one.
std::vector<std::string> themeWaves(const std::string& folder) {
    std::vector<std::pair<std::uintmax_t, std::string>> waves;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code fileCheck;
        if (name.size() <= 4 || !sameText(std::string_view(name).substr(name.size() - 4), ".wav") ||
            !it->is_regular_file(fileCheck))
            continue;
        waves.emplace_back(it->file_size(fileCheck), folder + name);
    }
    std::sort(waves.begin(), waves.end());
    std::vector<std::string> paths;
    for (auto& [size, path] : waves)
        paths.push_back(std::move(path));
    return paths;
}

std::size_t bytesOf(const SharedSamples& samples) {
    return samples ? samples->size() * sizeof(std::int16_t) : 0;
}

} // namespace

SoundBank::SoundBank(std::function<void(const std::string& source)> decoded)
    : m_decoded(std::move(decoded)), m_context(std::make_unique<QObject>()) {}

SoundBank::~SoundBank() {
    {
        const std::lock_guard<std::mutex> held(m_lock);
        m_stop = true;
        m_jobs.clear();
    }
    m_wake.notify_all();
    if (m_worker.joinable()) m_worker.join();
    // The notices still queued go with m_context, unread.
}

SoundBank::Stamp SoundBank::stampOf(const std::string& source) {
    Stamp stamp;
    if (isBuiltin(source)) return stamp;
    std::error_code ec;
    stamp.size = fs::file_size(source, ec);
    stamp.time = fs::last_write_time(source, ec);
    return stamp;
}

SoundBank::Result SoundBank::decode(const std::string& source) {
    Result result{source, stampOf(source), nullptr};
    if (const std::optional<std::string> bytes = readSource(source))
        if (auto samples = deviceSamples(*bytes))
            result.samples = std::make_shared<const std::vector<std::int16_t>>(std::move(*samples));
    return result;
}

// ---- the worker ------------------------------------------------------------------------

void SoundBank::work() {
    lowerThreadPriority();
    std::unique_lock<std::mutex> held(m_lock);
    for (;;) {
        m_wake.wait(held, [this] { return m_stop || !m_jobs.empty(); });
        if (m_stop) return;
        m_busy = std::move(m_jobs.front());
        m_jobs.pop_front();
        const std::string source = m_busy;
        held.unlock();
        Result result = decode(source);
        held.lock();
        m_results.push_back(std::move(result));
        m_busy.clear();
        m_done.notify_all();
        QMetaObject::invokeMethod(
            m_context.get(), [this] { collect(); }, Qt::QueuedConnection);
    }
}

void SoundBank::queue(const std::string& source, bool first) {
    {
        const std::lock_guard<std::mutex> held(m_lock);
        if (m_busy == source) return;
        const auto queued = std::find(m_jobs.begin(), m_jobs.end(), source);
        if (queued != m_jobs.end()) {
            if (!first) return;
            m_jobs.erase(queued);
        }
        if (first)
            m_jobs.push_front(source);
        else
            m_jobs.push_back(source);
        if (!m_worker.joinable()) m_worker = std::thread([this] { work(); });
    }
    m_wake.notify_one();
}

// ---- on the user-interface thread ------------------------------------------------------

void SoundBank::collect() {
    std::vector<Result> results;
    {
        const std::lock_guard<std::mutex> held(m_lock);
        results.swap(m_results);
    }
    for (Result& result : results) {
        const std::string source = result.source;
        const bool wanted = m_wanted.erase(source) > 0;
        // A sound of a theme no longer in play is not kept, unless it was asked for.
        const bool ofTheme = isBuiltin(source) || (!m_theme.empty() && source.starts_with(m_theme));
        if (wanted || ofTheme) keep(std::move(result), wanted);
        if (m_decoded) m_decoded(source);
    }
}

void SoundBank::keep(Result result, bool wanted) {
    if (const auto old = m_kept.find(result.source); old != m_kept.end()) {
        m_keptBytes -= bytesOf(old->second.samples);
        m_kept.erase(old);
    }
    const std::size_t size = bytesOf(result.samples);
    if (!wanted && m_keptBytes + size > maxKeptSoundBytes) {
        // Prepared only where there is room; the theme's waves still to come are larger.
        dropPreparing();
        return;
    }
    // A sound to be played makes room: the least recently played go first.
    while (m_keptBytes + size > maxKeptSoundBytes && !m_kept.empty()) {
        const auto oldest = std::min_element(m_kept.begin(), m_kept.end(), [](auto& a, auto& b) {
            return a.second.lastUse < b.second.lastUse;
        });
        m_keptBytes -= bytesOf(oldest->second.samples);
        m_kept.erase(oldest);
    }
    m_keptBytes += size;
    m_kept[result.source] = Entry{std::move(result.samples), result.stamp, ++m_uses};
}

SoundBank::Found SoundBank::find(const std::string& source) {
    const auto entry = m_kept.find(source);
    if (entry == m_kept.end()) return {};
    if (!(entry->second.stamp == stampOf(source))) { // changed on disk: read it again
        m_keptBytes -= bytesOf(entry->second.samples);
        m_kept.erase(entry);
        return {};
    }
    entry->second.lastUse = ++m_uses;
    if (!entry->second.samples) return {State::unplayable, nullptr};
    return {State::ready, entry->second.samples};
}

void SoundBank::request(const std::string& source) {
    m_wanted.insert(source);
    queue(source, /*first=*/true);
}

SharedSamples SoundBank::waitFor(const std::string& source, int ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        collect();
        const Found found = find(source);
        if (found.state != State::unknown) return found.samples;
        std::unique_lock<std::mutex> held(m_lock);
        if (!m_done.wait_until(held, deadline, [this] { return !m_results.empty(); }))
            return nullptr;
    }
}

void SoundBank::dropPreparing() {
    const std::lock_guard<std::mutex> held(m_lock);
    std::erase_if(m_jobs,
                  [this](const std::string& s) { return !isBuiltin(s) && !m_wanted.contains(s); });
}

void SoundBank::useTheme(const std::string& folder) {
    if (!m_builtinsQueued) {
        m_builtinsQueued = true;
        initSoundResources();
        for (const QString& name : QDir(":/WAVE").entryList(QDir::Files))
            queue(":/WAVE/" + name.toStdString(), /*first=*/false);
    }
    if (folder == m_theme) return;
    m_theme = folder;
    for (auto it = m_kept.begin(); it != m_kept.end();) {
        if (isBuiltin(it->first)) {
            ++it;
            continue;
        }
        m_keptBytes -= bytesOf(it->second.samples);
        it = m_kept.erase(it);
    }
    dropPreparing();
    if (!folder.empty())
        for (const std::string& wave : themeWaves(folder))
            queue(wave, /*first=*/false);
}

} // namespace quorvel
