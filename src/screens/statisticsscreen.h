#pragma once
// The statistics screen: who played which level, how long, for how many gem points
// and steps, and for ten kinds of box how many the maze held and how many were found.
// Filled for the game just won, or for a stored best time, and shown modally.

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

#include "view/overheadmap.h"

class QFrame;
class QLabel;
class QPushButton;

namespace quorvel {

struct BestTime;
struct Session;
class GameScreen;
class MapWindow;

/// What the statistics of the game just won are read from: the game screen's labels
/// (nameLabel, clockLabel, gemCount, stepCounter), the opening screen's level caption
/// and the map window's two tallies.
struct GameStatsSource {
    std::string player;
    std::string level;      ///< the level's caption as the opening screen shows it
    std::string timeText;   ///< the game clock's text
    std::string gemText;    ///< the gem points as the item panel shows them
    std::string stepText;   ///< the step counter's text
    Tally placed{};         ///< what the maze held when it was made, per cell code
    Tally remaining{};      ///< what it held when the game was won
    std::string mazeNumber; ///< "L-S", or empty when the maze's number is not known
};

/// The statistics of the game just won as the game screen shows them, with the
/// player's whole name (the name label may show it cut to fit), the level caption of
/// the opening screen, the map window's two tallies and the maze's number.
GameStatsSource gameStatsSource(const GameScreen& game, const std::string& level,
                                const MapWindow& map);

/// One row of the item table: the item word, a dot leader, the placed count, a
/// second dot leader and the found count.
struct StatsRow {
    QLabel* item = nullptr;
    QLabel* leader1 = nullptr;
    QLabel* placed = nullptr;
    QLabel* leader2 = nullptr;
    QLabel* found = nullptr;
};

class StatisticsScreen : public QDialog {
    Q_OBJECT
  public:
    explicit StatisticsScreen(Session& session, QWidget* parent = nullptr);

    /// Fills the screen for the game just won (rank 1..3 from the best-times table, 0
    /// or -1 otherwise) and shows it modally.
    void showGameStats(int rank, const GameStatsSource& game);
    /// Fills the screen for a stored best time of a level and shows it modally; a
    /// stored result has no maze number (the best-times file has no room for one).
    void showEntry(int rank, const std::string& levelTitle, const BestTime& entry);

    /// The fillings without the showing.
    void fillGameStats(int rank, const GameStatsSource& game);
    void fillEntry(int rank, const std::string& levelTitle, const BestTime& entry);

    /// The screen in words, as spoken play says it when it shows: the five lines, then
    /// the table row by row, and the key that closes it.
    std::string spokenWords() const;

    /// The rank of the last filling; colours the name and level lines.
    int rank() const { return m_rank; }

    /// The cell code each row counts, top to bottom: food, compass, G.P.S., beacon,
    /// detector, tracker, batteries, five-, three- and one-point gems.
    static const std::array<int, 10> rowCodes;

    QFrame* tablePanel;
    QLabel* playerLine;
    QLabel* levelLine;
    QLabel* timeLine;
    QLabel* pointsLine;
    QLabel* stepsLine;
    QLabel* itemHeader;
    QLabel* placedHeader;
    QLabel* foundHeader;
    std::array<StatsRow, 10> rows;
    QLabel* mazeNumberLine; ///< under the table: the maze's number, hidden when unknown
    QPushButton* closeButton;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Session& m_session;
    int m_rank = 0;

    void fill(int rank, const std::string& player, const std::string& level,
              const std::string& timeText, const std::string& gemText, const std::string& stepText,
              const std::array<std::int64_t, 10>& placed, const std::array<std::int64_t, 10>& found,
              const std::string& mazeNumber);
    void centre(QLabel* line);
    void onShown();
};

} // namespace quorvel
