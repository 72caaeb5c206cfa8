#include "sound/systemspeaker.h"

#include <QCoreApplication>
#include <QTextToSpeech>
#include <QThread>
#include <atomic>
#include <mutex>

#include "platform/threadpriority.h"

namespace quorvel {

struct SystemSpeaker::Shared {
    std::mutex lock;
    std::string text;   ///< the newest text not yet handed to the service
    bool fresh = false; ///< text waits to be said
    bool hush = false;  ///< what is being said is to stop
    std::atomic<bool> missing{false};
    std::unique_ptr<QTextToSpeech> speech; ///< made, used and deleted on the speech thread
    std::function<void()> tellMissing;     ///< used on the user-interface thread only
};

namespace {

// On the speech thread: connects to the service, or finds that there is none.
void connectService(SystemSpeaker::Shared& shared, QObject* here) {
    lowerThreadPriority();
    if (!QTextToSpeech::availableEngines().isEmpty())
        shared.speech = std::make_unique<QTextToSpeech>();
    if (shared.speech && shared.speech->state() != QTextToSpeech::Error) return;
    shared.speech.reset();
    shared.missing = true;
    QMetaObject::invokeMethod(
        here,
        [&shared] {
            if (shared.tellMissing) shared.tellMissing();
        },
        Qt::QueuedConnection);
}

// On the speech thread: the newest text, cutting short what is being said. Older texts
// that were replaced before their turn are never said.
void speakNewest(SystemSpeaker::Shared& shared) {
    std::string text;
    bool fresh = false, hush = false;
    {
        const std::lock_guard guard(shared.lock);
        std::swap(fresh, shared.fresh);
        std::swap(hush, shared.hush);
        if (fresh) text.swap(shared.text);
    }
    if (!shared.speech) return;
    if (hush || fresh) shared.speech->stop(QTextToSpeech::BoundaryHint::Immediate);
    if (fresh && !text.empty()) shared.speech->say(QString::fromStdString(text));
}

} // namespace

SystemSpeaker::SystemSpeaker()
    : m_shared(std::make_shared<Shared>()), m_thread(new QThread), m_worker(new QObject),
      m_here(new QObject) {
    m_thread->setObjectName("speech");
    m_worker->moveToThread(m_thread);
    m_thread->start();
    QMetaObject::invokeMethod(
        m_worker, [shared = m_shared.get(), here = m_here] { connectService(*shared, here); },
        Qt::QueuedConnection);
}

SystemSpeaker::~SystemSpeaker() {
    // The service's connection goes on the thread that made it, then the thread ends.
    QMetaObject::invokeMethod(
        m_worker,
        [shared = m_shared.get()] {
            if (shared->speech) shared->speech->stop(QTextToSpeech::BoundaryHint::Immediate);
            shared->speech.reset();
        },
        Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        m_worker, [thread = m_thread] { thread->quit(); }, Qt::QueuedConnection);
    m_thread->wait();
    delete m_worker;
    delete m_thread;
    delete m_here;
}

void SystemSpeaker::say(const std::string& text) {
    if (m_shared->missing) return;
    {
        const std::lock_guard guard(m_shared->lock);
        m_shared->text = text;
        m_shared->fresh = true;
    }
    QMetaObject::invokeMethod(
        m_worker, [shared = m_shared.get()] { speakNewest(*shared); }, Qt::QueuedConnection);
}

void SystemSpeaker::stop() {
    if (m_shared->missing) return;
    {
        const std::lock_guard guard(m_shared->lock);
        m_shared->fresh = false;
        m_shared->text.clear();
        m_shared->hush = true;
    }
    QMetaObject::invokeMethod(
        m_worker, [shared = m_shared.get()] { speakNewest(*shared); }, Qt::QueuedConnection);
}

bool SystemSpeaker::available() const {
    return !m_shared->missing;
}

void SystemSpeaker::whenUnavailable(std::function<void()> tell) {
    m_shared->tellMissing = std::move(tell);
    if (m_shared->missing && m_shared->tellMissing) m_shared->tellMissing();
}

std::unique_ptr<Speaker> makeSystemSpeaker() {
    return std::make_unique<SystemSpeaker>();
}

} // namespace quorvel
