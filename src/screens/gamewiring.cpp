#include "screens/gamewiring.h"

#include "play/gamesession.h"
#include "screens/gamescreen.h"
#include "screens/mapwindow.h"

namespace quorvel {

void connectGame(GameSession& play, GameScreen& screen, MapWindow& map) {
    QObject::connect(&play, &GameSession::mazeReady, &map,
                     [&screen, &map](const Maze& maze, const std::string& player) {
                         map.setupMap(&screen, maze, player);
                     });
    QObject::connect(&play, &GameSession::mapChanged, &map, &MapWindow::showMapChanged);
}

} // namespace quorvel
