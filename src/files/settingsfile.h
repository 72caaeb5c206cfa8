#pragma once
// The settings file (settingsPath) and its one owner: who played last, every name
// that ever played, per player the sections P.Settings (level, theme, the game
// screen's place), P.SoundSettings and P.MapSettings, and the sections all players
// share ([Controller]). No window opens the file itself.
//
// Each operation opens, uses and closes the file, unless a SettingsHeld holds it for a
// group of operations (a showing of the opening screen). Reading never fails: what is missing
// reads as the default. A write changes only its own keys; when it cannot be made the
// game carries on with the values it holds, and the failure is the install record's
// last error. A file that is there but cannot be read whole (no permission,
// over 16 MiB, an I/O error) is never written over: the game plays on with defaults.

#include <string>
#include <string_view>
#include <vector>

#include "game/levels.h"

namespace quorvel {

/// While one lives, the settings file is read once: every read in the meantime gives what
/// that read found, and every write goes through it to the file (a write that changes
/// nothing is not made). For the operations of one showing of the opening screen, which
/// read the file half a dozen times within a moment. They may nest.
class SettingsHeld {
  public:
    SettingsHeld();
    ~SettingsHeld();
    SettingsHeld(const SettingsHeld&) = delete;
    SettingsHeld& operator=(const SettingsHeld&) = delete;
};

/// The built-in theme's name, always the first entry of the theme list.
inline constexpr std::string_view defaultTheme = "Back to basics <Default>";

/// A player's section: the player's name followed by ".Settings", ".SoundSettings"
/// or ".MapSettings".
std::string playerSection(std::string_view player, std::string_view suffix);

/// The last player identified on the opening screen (Settings/Player), empty when none.
std::string loadPlayer();
/// Stores player as the last player and lists the name in Players.
void savePlayer(std::string_view player);

/// A player's level (1..6) and theme as the opening screen applies them.
struct PlayerSettings {
    int skill = defaultLevel; ///< level 1..6; any other stored value gives the default
    std::string theme; ///< as stored; the current theme text when there is none
};
/// Reads P.Settings/Skill (default defaultLevel) and P.Settings/Theme (default currentTheme).
PlayerSettings loadSettings(std::string_view player, std::string_view currentTheme);
/// Writes P.Settings/Skill, then P.Settings/Theme.
void saveSettings(std::string_view player, int skill, std::string_view theme);
/// The entry of the theme list to select for theme: the first that equals it
/// without regard to case, else 0 (the built-in theme).
int findTheme(const std::vector<std::string>& themeList, std::string_view theme);

/// Where a window's frame stood (its top left corner, in the screen's logical pixels).
struct WindowPlace {
    int left = 0;
    int top = 0;
    bool operator==(const WindowPlace&) const = default;
};

/// The game screen's place for a maze size (P.Settings/TopS and LeftS); each value the
/// file lacks comes from `current`.
WindowPlace loadGameScreenPlace(std::string_view player, int mazeSize, WindowPlace current);
void saveGameScreenPlace(std::string_view player, int mazeSize, WindowPlace place);

/// The map window of a maze size (P.MapSettings).
struct MapSettings {
    WindowPlace place;   ///< TopS and LeftS
    bool locked = false; ///< LockedS
    int zoom = 0;        ///< ZoomS
};
/// Each value the file lacks comes from `current`.
MapSettings loadMapSettings(std::string_view player, int mazeSize, const MapSettings& current);
void saveMapSettings(std::string_view player, int mazeSize, const MapSettings& settings);
/// The colours the player's map is shown in, one for all maze sizes
/// (P.MapSettings/Palette): 0 the map's own, 1 the colour-blind-safe ones; `current`
/// when the file has none. Written only when the player switches them.
int loadMapPalette(std::string_view player, int current);
void saveMapPalette(std::string_view player, int palette);

/// The player's sound switches (P.SoundSettings).
struct SoundSwitches {
    bool noSound = false;
    bool noMusic = false;
    bool noIntro = false;
    bool cues = false; ///< Cues: the sound cues after each step, off unless switched on
};
/// Each switch the file lacks keeps its value in `current`. Cues is written only once a
/// player has switched them on, so the files of players who never did stay as they were.
SoundSwitches loadSoundSwitches(std::string_view player, const SoundSwitches& current);
void saveSoundSwitches(std::string_view player, const SoundSwitches& switches);

/// Whether the player plays by ear, spoken play switched on (P.SoundSettings/Speech);
/// `current` when the file does not say.
bool loadSpeechSwitch(std::string_view player, bool current);
void saveSpeechSwitch(std::string_view player, bool on);

/// The section that moves a game controller's buttons, for all players.
inline constexpr std::string_view controllerSection = "Controller";
/// The values of a section shared by all players for the keys asked (one for each
/// action, as [Controller] gives buttons), in that order; empty when a key is absent.
std::vector<std::string> loadActionBindings(std::string_view section,
                                            const std::vector<std::string_view>& keys);

/// Moves a settings file left in the Windows folder by an older installation next
/// to the program, or deletes it when one is already there. Nothing is reported.
void moveOldSettings();

/// Empty when name can be a player's name in files and sections; otherwise why not,
/// as the end of a sentence: "it is too long", "it may not contain /". The opening
/// screen applies it to a name given on the command line, which skips the name box's
/// own checks, and to typed names after those checks.
std::string playerNameProblem(std::string_view name);
/// The player named on the command line by switch U, given as the switch's decoded
/// value (in UTF-8 even when typed in another code page), when it passes
/// playerNameProblem; otherwise empty, and refusal (when given) receives the sentence
/// that says why, for the name box that asks instead.
std::string commandLinePlayer(std::string_view switchValue, std::string* refusal = nullptr);

} // namespace quorvel
