#pragma once
// The files the game keeps, checked after every action: the settings file reads as
// the game writes it, every saved game in "Saved Games" is one the game accepts (or
// one the soak damaged on purpose) with a map picture beside it, the
// best-times file is valid or absent and holds the table the game shows, and no
// temporary file of a safe write is left behind. A saved game the game has just
// written holds exactly the game that was quit, and its map file the map's picture.

#include <map>
#include <string>

#include "hostilefiles.h"

namespace quorvel {
class BestTimes;
class Game;
class MapWindow;
} // namespace quorvel

namespace quorvel::soak {

/// What the checks compare the files with.
struct DiskContext {
    /// The table the game shows, once the opening screen has read it in this run.
    const BestTimes* table = nullptr;
    /// The game last played, its map window and its player: a saved game written for
    /// them must hold that game, and its map file the map's picture.
    const Game* game = nullptr;
    const MapWindow* map = nullptr;
    std::string player;
};

class DiskCheck {
  public:
    explicit DiskCheck(Vandal& vandal);
    ~DiskCheck();
    DiskCheck(const DiskCheck&) = delete;
    DiskCheck& operator=(const DiskCheck&) = delete;

    /// Empty when every file is as it should be; otherwise what is wrong.
    std::string check(const DiskContext& context);
    /// Saved games the game has written.
    long long savesWritten() const { return m_savesWritten; }

  private:
    Vandal& m_vandal;
    std::map<std::string, EntryStamp> m_seen; ///< stamps of the entries already checked
    bool m_firstScan = true;
    long long m_savesWritten = 0;
    std::string m_bestTimesBytes; ///< the best-times file as last read
    int m_watch = -1;             ///< the kernel's notices of changes in the folders
    bool m_watchingSaves = false;

    bool foldersChanged();
    bool changed(const std::string& path, const EntryStamp& stamp);
    std::string checkFolder(const std::string& folder);
    std::string checkSettings();
    std::string checkSavedGames(const DiskContext& context);
    std::string checkBestTimes(const DiskContext& context);
};

} // namespace quorvel::soak
