#pragma once
// The keys of the game screen and the map window, and the [Keys] section of the settings
// file that moves them for all players, by the rule the [Controller] section follows
// (screens/bindings.h). The four walking and turning actions act when their key is
// released, once however long it is held; every other action when its key is pressed.

#include <optional>
#include <string>
#include <vector>

class QKeyEvent;

namespace quorvel {

/// The actions a key can give, in the order of the [Keys] section's entries.
enum class KeyAction {
    stepForward,
    stepBack,
    turnLeft,
    turnRight, ///< act on release
    use,
    run,
    map,
    sounds,
    music,
    story,
    yell,
    laugh,
    cry,
    jump,
    dance,
    speech,
    counters,
    heading,
    tools,
    ahead,
    cues,
    palette,  ///< the map window's colours
    messages, ///< say the message panel's lines again
};
inline constexpr int keyActionCount = 23;

/// The settings-file section that moves the keys.
inline constexpr const char* keysSection = "Keys";
/// An action's entry in that section: "Up", "Down", "Left", "Right", "Use", ...
const char* keyActionEntry(KeyAction action);
/// What an action does, for the help: "step forward", "use a battery", ...
const char* keyActionMeaning(KeyAction action);
/// True for the actions that act when their key is released (walking and turning).
constexpr bool actsOnRelease(KeyAction action) {
    return action == KeyAction::stepForward || action == KeyAction::stepBack ||
           action == KeyAction::turnLeft || action == KeyAction::turnRight;
}

class KeyBindings {
  public:
    /// The game's own keys: the arrows, U, R, W, S, M, /, Y, L, C, J, D, V, I, H, T, A,
    /// E, P and G.
    KeyBindings();
    /// The keys the [Keys] entries give, one for each action in action order (empty for
    /// none). A key is a single key as Qt names it ("Up", "F2", "Space", "K", "/"), no
    /// modifiers; anything else keeps the action's own key.
    static KeyBindings fromNames(const std::vector<std::string>& names);
    /// The keys of the program's settings file.
    static KeyBindings load();

    /// The key (a Qt::Key) of an action; 0 when it has none.
    int key(KeyAction action) const;
    /// The action a key gives: by the key's code, or by the character it types (so a
    /// key that types "?" or a letter acts whatever the keyboard's layout). The story
    /// also answers "?" while its key is its own "/".
    std::optional<KeyAction> actionOf(int key, int character = 0) const;
    /// The action a key event gives, by its key and the character it types; none while
    /// Ctrl, Alt or the logo key is held (Shift may type "?").
    std::optional<KeyAction> actionOf(const QKeyEvent& event) const;
    /// The name of an action's key as the help shows it ("Up", "W", "/").
    std::string keyName(KeyAction action) const;
    /// True when every action has its own key.
    bool isDefault() const;

  private:
    std::vector<int> m_keys;
};

} // namespace quorvel
