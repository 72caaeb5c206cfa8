#pragma once
// What a gamepad's buttons and left stick mean in the game, before any window is
// involved: the ten actions a player can give with a pad, which button gives each
// one (the [Controller] section of the settings file, with the defaults when
// absent), and the left stick read as four directions with a dead zone.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class IniFile;

/// The actions of a pad, in the order the settings file's entries are resolved.
enum class PadAction { up, down, left, right, use, run, map, story, quit, sounds };
inline constexpr int padActionCount = 10;

/// The settings-file key of an action: "Up", "Down", ..., "Sounds".
const char* padActionKey(PadAction action);

/// Which controller button (an SDL_GameControllerButton) gives each action.
class PadMapping {
  public:
    /// The buttons a pad has out of the box: d-pad to walk and turn, A use, B run,
    /// Y map, X story, Start quit, Back sounds.
    PadMapping();

    /// The mapping of a settings file. An entry that is not a button name falls back
    /// to its action's default; when two entries name one button, the later one falls
    /// back. An action whose default went to another action takes the button that
    /// action left free, or, when a third one took that, the button the third one left
    /// free, and so on: every action ends with a button of its own, and buttons moved
    /// in a circle stay where the entries put them.
    static PadMapping fromSettings(const IniFile& settings);
    /// The same from the button named for each action, in the order of the actions.
    static PadMapping fromNames(const std::vector<std::string>& names);
    /// The mapping of the program's settings file.
    static PadMapping load();

    /// The button of an action; -1 when it has none.
    int button(PadAction action) const { return m_buttons[static_cast<int>(action)]; }
    /// The action a button gives, if any.
    std::optional<PadAction> actionOf(int button) const;

  private:
    std::array<int, padActionCount> m_buttons{};
};

/// The left stick as four directions. A direction counts once, when the stick leaves
/// the centre past the outer threshold; it counts again only after the stick has come
/// back inside the inner one, so a held or wobbling stick never steps twice.
class StickDirections {
  public:
    /// Beyond this (of 32767) the stick points somewhere.
    static constexpr int outerThreshold = 20000;
    /// Inside this on both axes the stick is back in the centre.
    static constexpr int innerThreshold = 10000;

    /// Takes the stick's position (SDL's axes: y grows downwards); returns the
    /// direction when this position makes a new one.
    std::optional<PadAction> move(int x, int y);
    /// True while the stick has to come back to the centre before it counts again.
    bool engaged() const { return m_engaged; }

  private:
    bool m_engaged = false;
};

} // namespace quorvel
