#pragma once
// The program as a player meets it: the sound, the opening screen and the windows made
// on first use (programwindows.h), wired together over one session. The game's
// executable makes one after its start-up checks; the soak test makes the very same
// program again and again.

#include <memory>
#include <optional>

#include "game/mazenumber.h"

namespace quorvel {

class Audio;
class Gamepad;
class OpeningScreen;
class ProgramWindows;
struct RunRecord;
struct Session;

class Program {
  public:
    /// Gives the session its sound (started later) and makes the opening screen, which
    /// does its start-up work, and the windows that follow it. Needs the QApplication.
    explicit Program(Session& session);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    /// Shows the opening screen, or with a maze number opens that maze's game at once,
    /// or with a run watches it at once (the opening screen comes when that game or
    /// watch ends). What the first game needs and the opening screen does not (pictures,
    /// sound, fonts, game controllers) is prepared once the opening screen is painted, or
    /// at once for a maze number or a run.
    void start(const std::optional<MazeNumber>& maze = std::nullopt,
               const RunRecord* replay = nullptr);

    /// Ends the program as the desktop asks it to (a logout, a closed terminal): each
    /// open question is answered as Esc answers it, a game under way is left unsaved (no
    /// file is written over without the player's word), each window closes as the
    /// player closes it, keeping its settings, and then the event loop ends.
    void windDown();

    OpeningScreen& openingScreen() { return *m_opening; }
    ProgramWindows& windows() { return *m_windows; }
    Audio& audio() { return m_audio; }

  private:
    Audio& m_audio;
    std::unique_ptr<OpeningScreen> m_opening;
    std::unique_ptr<ProgramWindows> m_windows;
    std::unique_ptr<Gamepad> m_gamepad;
    int m_windDownSteps = 0; ///< steps taken since the desktop asked the program to end

    void prepareFirstGame();
    void windDownStep();
};

} // namespace quorvel
