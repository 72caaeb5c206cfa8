#pragma once
// How a game's use cases reach its windows.

namespace quorvel {

class GameScreen;
class GameSession;
class MapWindow;

/// For each maze the map window sets itself up on the game screen for the player, and
/// shows what a saved game brought.
void connectGame(GameSession& play, GameScreen& screen, MapWindow& map);

} // namespace quorvel
