#pragma once
// What a hostile world puts in the program folder: theme folders whose pictures are
// empty or cut short, whose texts are binary noise, whose story is huge; and saved
// games, map files, best-times and settings files damaged in every way a disk, an
// editor or another program can damage them. The soak writes them and remembers each
// one, so its checks can tell a file the player's world damaged from one the game
// wrote wrong.

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace quorvel::soak {

/// What a file system entry looked like when the soak left it: the game replacing or
/// removing it changes this.
struct EntryStamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0; ///< nanoseconds
    unsigned mode = 0;
    bool operator==(const EntryStamp&) const = default;
};
/// The stamp of path (not following a link); a zero stamp when nothing is there.
EntryStamp stampOf(const std::string& path);

/// The hostile theme folders the soak plays with, created in the program folder.
/// Each is a listed theme (all 36 view pictures are there) with one kind of trouble.
std::vector<std::string> makeHostileThemes(std::mt19937& rng);

/// A damaged file or entry the soak wrote, and what it was.
struct Damage {
    std::string path;
    std::string kind;
    /// True when the game may accept it as it is (a whole record whose values were
    /// changed); a game loaded from it plays under looser checks.
    bool acceptable = false;
};

/// Writes damaged files into the program folder and remembers them until the game
/// replaces or removes them.
class Vandal {
  public:
    explicit Vandal(std::mt19937& rng) : m_rng(rng) {}

    /// The saved game of player at level (or its map file), damaged in one of many ways.
    Damage damageSavedGame(const std::string& player, int level);
    Damage damageMapFile(const std::string& player, int level);
    Damage damageBestTimes();
    Damage damageSettings();
    /// Takes a picture away from a hostile theme, or gives it back, or garbles one.
    Damage troubleTheme(const std::vector<std::string>& themes);

    /// True while path is still the entry the soak left there.
    bool isDamaged(const std::string& path);
    /// Forgets entries the game has replaced or removed since.
    void forgetReplaced();
    /// True when the settings file has been damaged since it was last removed.
    bool settingsTouched() const { return m_settingsTouched; }
    /// True when the entry at path is damaged and may be accepted by the game.
    bool isAcceptableDamage(const std::string& path);

  private:
    std::mt19937& m_rng;
    std::map<std::string, std::pair<EntryStamp, bool>> m_left;        ///< path: stamp, acceptable
    std::vector<std::pair<std::string, std::string>> m_takenPictures; ///< path, bytes
    bool m_settingsTouched = false;

    int below(int n) { return static_cast<int>(m_rng() % static_cast<unsigned>(n)); }
    std::size_t pick(std::size_t n) { return static_cast<std::size_t>(below(static_cast<int>(n))); }
    std::string noise(std::size_t size);
    Damage remember(std::string path, std::string kind, bool acceptable = false);
    // The bytes written to path, remembered as the kind of damage.
    Damage written(const std::string& path, const std::string& bytes, std::string kind,
                   bool acceptable = false);
    // Whatever is at path replaced by a pipe or a folder, remembered as "pipe as what".
    Damage pipeAs(const std::string& path, const std::string& what);
    Damage folderAs(const std::string& path, const std::string& what);
    std::string validSave(int level);
};

/// Writes bytes to path as a plain file (replacing a folder or pipe there).
void writeBytes(const std::string& path, const std::string& bytes);
/// Reads a plain file whole; empty when it is not one.
std::string readBytes(const std::string& path);

} // namespace quorvel::soak
