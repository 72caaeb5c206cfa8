#pragma once
// A game's use cases, between the windows and the rules: starting a new maze or a saved
// game (the theme checked, the maze made, the map set up, the start sound and the
// music), and what a game leaves on disk (its best time with the map's tallies, its
// saved game, its kept run). The windows call it and listen to its signals; it shows
// nothing itself, and what the player must be told or asked goes through the session's
// questions.

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/besttimes.h"
#include "game/host.h"

namespace quorvel {

class Game;
class OverheadMap;
struct Maze;
struct Session;

class GameSession : public QObject, public GameRecords {
    Q_OBJECT
  public:
    /// The use cases of game, whose overhead map is map; the game's records come here.
    GameSession(Session& session, Game& game, OverheadMap& map, QObject* parent = nullptr);

    Game& game() { return m_game; }

    /// Readies a new game: the sound stops, and a theme that lost pictures since it was
    /// listed gives way to the built-in one (themeReset).
    void prepareNewGame();
    /// Makes a new maze of level 1..6, from the stream's state of a maze number or else
    /// from the clock; the map is set up for it (mazeReady), the start sound and the
    /// music play. breathe runs between tool placements so windows keep painting.
    void makeNewMaze(int level, std::optional<std::uint32_t> state,
                     const std::function<void()>& breathe);
    /// Takes up the player's saved game of level: the maze, its map and its run. False
    /// when there is none or it cannot be read (the player was told why); nothing of the
    /// game shows either way.
    bool takeSavedGame(int level);

    // GameRecords
    int keepEnd(const GameEnding& ending) override;
    bool saveGame() override;

  signals:
    /// The theme chosen lost pictures: the game starts in the built-in one.
    void themeReset();
    /// A maze is about to be played by player: the map window sets itself up for it.
    void mazeReady(const quorvel::Maze& maze, const std::string& player);
    /// The map's picture, marks or place changed outside play (a saved game was taken).
    void mapChanged();

  private:
    Session& m_session;
    Game& m_game;
    OverheadMap& m_map;

    BestTime bestTimeOf(const BestTimeEntry& entry) const;
};

} // namespace quorvel
