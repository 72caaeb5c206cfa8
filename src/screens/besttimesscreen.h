#pragma once
// The best-times screen: the three best results of every level, one black panel a
// level, names and times in the colours of their ranks. Clicking a name opens the
// statistics of that result.

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <string>

class QFrame;
class QLabel;
class QPushButton;

namespace quorvel {

class BestTimes;
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
    /// The filling without the showing; the screen keeps its own copy of the table.
    void fillTimes(const BestTimes& table);
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
    QPushButton* closeButton;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    StatisticsScreen& m_stats;
    std::unique_ptr<BestTimes> m_table;
};

} // namespace quorvel
