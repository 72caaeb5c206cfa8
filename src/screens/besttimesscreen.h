#pragma once
// The best-times screen: the three best results of every level, one black panel a
// level, names and times in the colours of their ranks. Clicking a name opens the
// statistics of that result. A result whose run is kept ("Replays") can be watched, and
// once its run has been played again by the rules to this very time and gems, a mark
// beside the time says it is checked.

#include <QDialog>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/besttimes.h"

class QFrame;
class QLabel;
class QPushButton;

namespace quorvel {

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
    bool runsChecked() const { return m_runsFound && m_unchecked.empty(); }
    /// The screen in words, as spoken play says it when it shows: each level's title and
    /// its three results, then the key that closes it.
    std::string spokenWords() const;
    /// Told the screen's words as it shows (spoken play); unset, nothing.
    std::function<void(const std::string& words)> speak;

    /// The click on a name line: opens the statistics of its result modally. A click
    /// on anything else does nothing.
    void showEntryStats(QObject* clicked);

    // Controls, by level 1..6 (index 0..5) and rank 1..3 (index 0..2).
    std::array<QFrame*, 6> panels{};
    std::array<QLabel*, 6> titles{};
    std::array<std::array<QLabel*, 3>, 6> names{};
    std::array<std::array<QLabel*, 3>, 6> times{};
    /// "Watch", shown beside a result whose run is kept.
    std::array<std::array<QPushButton*, 3>, 6> watchButtons{};
    /// The checked mark beside the time of a result whose run verifies.
    std::array<std::array<QLabel*, 3>, 6> checkedMarks{};
    QPushButton* closeButton;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    StatisticsScreen& m_stats;
    std::unique_ptr<BestTimes> m_table;
    std::array<std::array<std::string, 3>, 6> m_runs; ///< the kept run of each result
    std::vector<std::pair<int, int>> m_unchecked;     ///< level and rank indices to check
    bool m_runsFound = false;
    std::string m_chosen;
    /// What checking found of a run file, by its path, size and time: files in "Replays"
    /// are written once, so a run is checked once per program run.
    struct Checked {
        long long size = -1;
        long long modified = 0;
        bool verified = false;
    };
    std::map<std::string, Checked> m_checked;
    /// The runs last found: for the table as it was, when "Replays" had that time.
    struct Found {
        std::optional<std::filesystem::file_time_type> changed;
        std::array<std::uint8_t, bestTimesSize> table{};
        std::array<std::array<std::string, 3>, 6> runs;
    };
    Found m_found;

    void findRuns();
    void checkNextRun();
    void showChecked(int level, int rank, bool verified);
};

} // namespace quorvel
