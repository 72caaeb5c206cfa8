#include "play/runchecks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include "game/levels.h"
#include "platform/threadpriority.h"

namespace quorvel {

RunChecks::RunChecks(QObject* parent) : QObject(parent) {
    qRegisterMetaType<RunsOfTable>("quorvel::RunsOfTable");
}

RunChecks::~RunChecks() {
    cancel();
}

void RunChecks::cancel() {
    if (m_stop) m_stop->store(true);
    if (m_worker.joinable()) m_worker.join();
    m_stop.reset();
    ++m_generation;
}

void RunChecks::waitForResults() {
    if (m_worker.joinable()) m_worker.join();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void RunChecks::check(const BestTimes& table) {
    cancel();
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_worker = std::thread(&RunChecks::work, this, table, m_stop, m_generation);
}

// On the worker: the folder is read, then each run played again; every result is handed
// to the asking thread, where a result of a check since replaced or stopped is dropped.
void RunChecks::work(BestTimes table, std::shared_ptr<std::atomic<bool>> stop,
                     unsigned generation) {
    lowerThreadPriority();
    const auto post = [this, generation](auto deliver) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, deliver] {
                if (generation == m_generation) deliver();
            },
            Qt::QueuedConnection);
    };
    const RunsOfTable runs = m_kept.runsOf(table);
    post([this, runs] { emit runsFound(runs); });
    for (int level = levelCount; level >= 1 && !*stop; --level)
        for (int rank = 3; rank >= 1 && !*stop; --rank) {
            const std::string& path = runs[level - 1][rank - 1].path;
            if (path.empty()) continue;
            const bool verified = m_kept.verified(path, level, table.entry(level, rank));
            post([this, level, rank, verified] { emit runChecked(level, rank, verified); });
        }
    if (*stop) return;
    post([this] { emit finished(); });
}

} // namespace quorvel
