#pragma once
// The best-times screen: the three best results of every level, one black panel a
// level, names and times in the colours of their ranks. Clicking a name opens the
// statistics of that result. A result whose run is kept ("Replays") can be watched, and
// once its run has been played again by the rules to this very time and gems, a mark
// beside the time says it is checked.

#include <QDialog>
#include <array>
#include <memory>
#include <string>

#include "files/runfiles.h"
#include "game/besttimes.h"
#include "game/levels.h"

class QFrame;
class QLabel;
class QPushButton;

namespace quorvel {

class RunChecks;
class StatisticsScreen;

/// The title of a level 1..6 ("Nice-n-Easy" ... "Only for the Strongest"); empty outside.
std::string levelTitle(int level);

class BestTimesScreen : public QDialog {
    Q_OBJECT
  public:
    /// Clicked names open their statistics in `stats`.
    explicit BestTimesScreen(StatisticsScreen& stats, QWidget* parent = nullptr);
    ~BestTimesScreen() override;

    /// Fills the names and times from the table and shows the screen modally.
    void showTimes(const BestTimes& table);
    /// The filling without the showing; the screen keeps its own copy of the table. The
    /// kept run behind each result is found and checked once the screen is up.
    void fillTimes(const BestTimes& table);
    /// The run file whose Watch was chosen at the last showing; empty when none was.
    const std::string& chosenRun() const { return m_chosen; }
    /// True once the kept runs of the table have been found and checked.
    bool runsChecked() const;
    /// Finds and checks the kept runs now (the screen does it on a worker once shown)
    /// and shows the results: a test's next step then meets the same screen every time.
    void finishRunChecks();
    /// The screen in words, as spoken play says it when it shows: each level's title and
    /// its three results, then the key that closes it.
    std::string spokenWords() const;

    /// The click on a name line: opens the statistics of its result modally. A click
    /// on anything else does nothing.
    void showEntryStats(QObject* clicked);

    // Controls, by level 1..6 (index 0..5) and rank 1..3 (index 0..2).
    std::array<QFrame*, levelCount> panels{};
    std::array<QLabel*, levelCount> titles{};
    std::array<std::array<QLabel*, 3>, levelCount> names{};
    std::array<std::array<QLabel*, 3>, levelCount> times{};
    /// "Watch", shown beside a result whose run is kept.
    std::array<std::array<QPushButton*, 3>, levelCount> watchButtons{};
    /// The checked mark beside the time of a result whose run verifies.
    std::array<std::array<QLabel*, 3>, levelCount> checkedMarks{};
    QPushButton* closeButton;


  signals:
    /// The screen's words as it shows, for spoken play.
    void wordsToSay(const std::string& words);
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void startRunChecks();
    StatisticsScreen& m_stats;
    std::unique_ptr<BestTimes> m_table;
    RunsOfTable m_runs; ///< the kept run of each result
    std::unique_ptr<RunChecks> m_checks;
    bool m_checkAsked = false;   ///< the check of this filling was asked for
    bool m_checkStarted = false; ///< and has begun
    bool m_checked = false;    ///< and has finished
    std::string m_chosen;

    void showRuns(const RunsOfTable& runs);
    void showChecked(int level, int rank, bool verified);
};

} // namespace quorvel
