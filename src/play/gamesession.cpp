#include "play/gamesession.h"

#include "files/programfolder.h"
#include "files/gameend.h"
#include "files/savedgamefiles.h"
#include "game/game.h"
#include "play/savedgames.h"
#include "play/session.h"
#include "theme/theme.h"
#include "view/overheadmap.h"

namespace quorvel {

GameSession::GameSession(Session& session, Game& game, OverheadMap& map, QObject* parent)
    : QObject(parent), m_session(session), m_game(game), m_map(map) {
    m_game.setRecords(*this);
}

void GameSession::prepareNewGame() {
    m_session.sound->stopSound();
    if (m_session.themeName != defaultTheme &&
        !checkFiles(programFolder(), m_session.themeName)) {
        m_session.themeName = std::string(defaultTheme);
        emit themeReset();
    }
}

void GameSession::makeNewMaze(int level, std::optional<std::uint32_t> state,
                              const std::function<void()>& breathe) {
    m_game.newMaze(level, state, breathe);
    if (breathe) breathe();
    emit mazeReady(m_game.maze(), m_session.playerName);
    m_session.sound->playSound(m_session.themeName, Sound::start, Sound::none, SoundMode::toEnd);
    m_session.sound->playMusic(m_session.themeName, "Music");
}

bool GameSession::takeSavedGame(int level) {
    m_session.sound->stopSound();
    m_game.prepareSavedGame(level);
    if (!hasSavedGameFile(m_session.playerName, level)) return false;
    emit mazeReady(m_game.maze(), m_session.playerName);
    const bool taken = loadGame(m_session.playerName, level, m_game, m_map, m_session.ask());
    emit mapChanged();
    if (!taken) return false;
    m_session.sound->playMusic(m_session.themeName, "Music");
    return true;
}

int GameSession::keepEnd(const GameEnding& ending) {
    GameEnd end;
    end.run = ending.run;
    end.level = m_game.maze().level();
    if (ending.won) end.result = bestTimeOf(ending.best);
    if (ending.savedGameGoes) end.savedGameOf = m_session.playerName;
    return keepGameEnd(m_session.bestTimes, end,
                       [this](const std::string& title, const std::string& text) {
                           m_session.tellPlayer(Notice::error, title, text);
                       });
}

// A won game as the best-times file keeps it: the player's name and the map's two
// tallies besides what the rules hand over.
BestTime GameSession::bestTimeOf(const BestTimeEntry& entry) const {
    BestTime result;
    result.name = m_session.playerName;
    result.time = entry.elapsed;
    result.gems = entry.gemScore;
    result.timeText = entry.timeText;
    result.steps = entry.stepCount;
    result.food = entry.foodLevel;
    result.battery = entry.batteryLevel;
    for (int code = 0; code < 256; ++code) {
        result.start[code] = static_cast<std::uint32_t>(m_map.placedTally()[code]);
        result.end[code] = static_cast<std::uint32_t>(m_map.remainingTally()[code]);
    }
    return result;
}

bool GameSession::saveGame() {
    return quorvel::saveGame(m_session.playerName, m_game, m_map, m_session.ask());
}

} // namespace quorvel
