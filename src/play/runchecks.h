#pragma once
// Finding and checking the kept runs behind the best times off the user-interface
// thread: reading "Replays" and playing runs again by the rules can take a while, and
// the best-times screen must answer meanwhile. Results come back on the thread that
// asked, as signals, one run at a time.

#include <QObject>
#include <atomic>
#include <memory>
#include <thread>

#include "files/keptruns.h"
#include "game/besttimes.h"

namespace quorvel {

class RunChecks : public QObject {
    Q_OBJECT
  public:
    explicit RunChecks(QObject* parent = nullptr);
    /// Stops the check under way (between two runs) and waits for it.
    ~RunChecks() override;

    /// Finds the runs behind table's best times and checks each, the best of the last
    /// level first; a check asked for while one is under way replaces it.
    void check(const BestTimes& table);
    /// Stops the check under way; no more of its signals come.
    void cancel();
    /// Waits for the check under way to end and delivers its signals now, not when
    /// the event loop next runs: a test sees the same results whatever the machine's speed.
    void waitForResults();

  signals:
    /// The kept run behind each best time (empty paths where none is kept).
    void runsFound(const quorvel::RunsOfTable& runs);
    /// One run played again: level 1..6, rank 1..3 and what the rules found.
    void runChecked(int level, int rank, bool verified);
    /// Every run of the check has been played again.
    void finished();

  private:
    KeptRuns m_kept; ///< used by the worker alone while one runs
    std::thread m_worker;
    std::shared_ptr<std::atomic<bool>> m_stop;
    unsigned m_generation = 0; ///< results of a replaced check are dropped

    void work(BestTimes table, std::shared_ptr<std::atomic<bool>> stop, unsigned generation);
};

} // namespace quorvel
